// The window's side of files it may not replace or cannot read, and the
// demonstration's pause before each shot.

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <sys/stat.h>

#include "GuiTestSupport.h"

TEST(PositionsFiles, ReadOnlySavesAndUnreadableOpensKeepEverythingWithANote)
{
    ScopedWorkingFolder folder;
    ViewHarness h;
    CMirobeltView& v = *h.view;
    QStringList notes;
    v.m_showStatusMessage = [&](const QString& note) { notes << note; };
    const auto write = [](const char* name, const QByteArray& text) {
        QFile file(name);
        return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
    };
    ASSERT_TRUE(write("current.bi1", "Billard_KVO_le_3_aout_99\nold\n") && write("large.bi1", QByteArray(2 << 20, ' ')));
    chmod("current.bi1", 0444);
    QDir().mkdir("folder.bi1");

    v.m_balls[0].x = 0.7;
    v.OnFileSave();
    for (const char* name : {"folder.bi1", "large.bi1", "/dev/zero"})
        v.OpenPositionFile(name);
    EXPECT_EQ(notes, QStringList({"Impossible d'enregistrer current.bi1", "folder.bi1 est un dossier",
                                  "large.bi1 est trop grand pour une position", "zero n'est pas une position"}));
    QFile kept("current.bi1");
    EXPECT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "Billard_KVO_le_3_aout_99\nold\n");
    EXPECT_EQ(std::pair(v.m_balls[0].x, v.m_nPositionCount), std::pair(0.7, 0));
}

// Play-and-next shows each position two seconds before its shot during the
// demonstration, entry 0 too when the sequence starts over, but not the first
// shot of the demonstration nor outside it.
TEST(PositionsDemo, TheFirstEntryComingAgainIsShownBeforeItIsPlayed)
{
    ViewHarness h;
    CMirobeltView& v = *h.view;
    v.m_aim.dOriginX = 0.5;
    v.m_aim.dTargetX = 1.5;
    v.m_aim.dOriginY = v.m_aim.dTargetY = 0.3;
    for (const double x : {0.5, 0.6})
    {
        v.m_balls[0].x = x;
        v.RecordPosition();
    }
    // Milliseconds from the command to the shot's first frame, where the shot is stopped.
    const auto playFrom = [&v](int entry, bool demonstration) {
        v.m_nCurPosition = entry;
        if (demonstration)
            v.StartDemoTimer();
        QElapsedTimer clock;
        qint64 shotStart = -1;
        QTimer::singleShot(0, &v, [&] {
            shotStart = clock.elapsed();
            v.KillDemoTimer();
            v.m_bPlayLoop = 0;
        });
        clock.start();
        v.OnPlayAndNext();
        return std::pair(v.m_nCurPosition, shotStart >= 2000);
    };
    EXPECT_EQ(playFrom(0, false), std::pair(1, false));
    EXPECT_EQ(playFrom(-1, true), std::pair(0, false));
    EXPECT_EQ(playFrom(1, true), std::pair(0, true));
}
