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
    v.StartDemoTimer();

    // The first event handled is the shot's first frame: stop there.
    QElapsedTimer clock;
    qint64 shotStart = -1;
    QTimer::singleShot(0, &v, [&] {
        shotStart = clock.elapsed();
        v.KillDemoTimer();
        v.m_bPlayLoop = 0;
    });
    clock.start();
    v.OnPlayAndNext();
    EXPECT_EQ(v.m_nCurPosition, 0);
    EXPECT_GE(shotStart, 2000);
}
