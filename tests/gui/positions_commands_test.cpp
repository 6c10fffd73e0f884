// SPDX-License-Identifier: GPL-3.0-or-later
// Position files, the position list, the demonstration sequence and the
// trajectory export, driven through the view's commands. The file formats
// themselves are checked in tests/positions.

#include "GuiTestSupport.h"
#include "positions/TrajectoryExport.h"

namespace
{
// A short artistic shot of the white ball, differing from the defaults in every value.
void ArrangeSetUp(CMirobeltView& v, double whiteX)
{
    const int tableFormat = v.SetUp().tableFormat;  // the table stays
    *Edit(v) = TableSetUp::FromPositionValues({1.2, 0.5, whiteX, 0.4, 1.6, 0.9, 0.25, -0.5, 12, 0.01, 1, whiteX,
                                               whiteX + 0.3, 0.4, 0.45, 150, 2},
                                              tableFormat);
    Edit(v)->tableFormat = tableFormat;
}

// Records one such set-up for each white ball place.
void RecordSetUps(CMirobeltView& v, std::initializer_list<double> whiteXs)
{
    for (const double x : whiteXs)
    {
        ArrangeSetUp(v, x);
        v.RecordPosition();
    }
}

// The current entry and the entry count.
std::pair<int, int> ListState(const CMirobeltView& v) { return {v.List().Current(), v.List().Count()}; }
}  // namespace

class PositionsFile : public ViewTest<> {};
class PositionsList : public ViewTest<> {};
class PositionsDemo : public ViewTest<> {};
class PositionsExport : public ViewTest<> {};

TEST_F(PositionsFile, SaveThenOpenRestoresAllTheTableFormatIncluded)
{
    QStringList used;
    QObject::connect(&v, &CMirobeltView::positionFileUsed, [&](const QString& path) { used << path; });
    v.m_chooseSavePath = v.m_chooseOpenPath = [&] { return folder.File("pos.bi1"); };

    ArrangeSetUp(v, 0.1234567);
    Edit(v)->tableFormat = 3;
    v.OnFileSaveAs();
    EXPECT_EQ(ReadFile("pos.bi1"),
              "Billard_KVO_le_3_aout_99\n1.200000\n0.500000\n0.123457\n0.400000\n1.600000\n0.900000\n"
              "0.250000\n-0.500000\n12.000000\n0.010000\n1\n0.123457\n0.423457\n0.400000\n0.450000\n"
              "150.000000\n3.000000\n");
    // The save dialog then offers the next numbered name.
    v.m_chooseSavePath = nullptr;
    QStringList offered;
    OnTheNextDialog([&](QDialog& dialog) {
        offered = qobject_cast<QFileDialog*>(&dialog)->selectedFiles();
        dialog.reject();
    });
    v.OnFileSaveAs();
    EXPECT_EQ(QFileInfo(offered.value(0)).fileName(), "pos1.bi1");

    ArrangeSetUp(v, 0.7);
    Edit(v)->strikeMode = 50;
    Edit(v)->cueBall = 3;
    Edit(v)->tableFormat = 2;
    v.OnFileOpen();
    // Six decimals; the position opens on its own 2.84 m table.
    EXPECT_EQ(std::tuple(v.SetUp().balls[0].x, v.SetUp().aim.targetX, v.SetUp().cueBall, v.SetUp().strikeMode, v.SetUp().tableFormat,
                         h.doc->m_geometry.length),
              std::tuple(0.123457, 0.423457, 1, 150.0, 3, 2.84));
    EXPECT_EQ(used, QStringList({folder.File("pos.bi1"), folder.File("pos.bi1")}));

    // Recorded in the list and computed at once.
    EXPECT_EQ(ListState(v), std::pair(0, 1));
    const PositionEntry& e = v.List().Entry(0);
    EXPECT_EQ(std::tuple(e.v[2], e.v[11], e.v[15], e.v[16]), std::tuple(0.123457f, 0.423457f, 150.0f, 3.0f));
    // Saved again, it is the same file.
    const QByteArray saved = ReadFile("pos.bi1");
    v.m_chooseSavePath = [&] { return folder.File("again.bi1"); };
    v.OnFileSaveAs();
    EXPECT_EQ(ReadFile("again.bi1"), saved);
    EXPECT_EQ(v.m_bSetupChanged, 0);
    EXPECT_GT(h.doc->m_physics.m_traj[0].m_nCount, 2);
}

TEST_F(PositionsFile, QuickSaveRefusedAndPartialFiles)
{
    ArrangeSetUp(v, 0.3);  // the quick save opens like the others
    v.OnFileSave();
    ArrangeSetUp(v, 0.9);
    v.OpenPositionFile("current.bi1");
    EXPECT_EQ(v.SetUp().balls[0].x, 0.3);

    // A refused first word or a missing file changes nothing, with a note.
    ArrangeSetUp(v, 0.9);
    WriteFile("bad.bi1", "billard\n0.5\n");
    v.OpenPositionFile("bad.bi1");
    v.OpenPositionFile("missing.bi1");
    EXPECT_EQ(notes, QStringList({"bad.bi1 n'est pas une position", "Impossible d'ouvrir missing.bi1"}));
    EXPECT_EQ(std::pair(v.SetUp().balls[0].x, v.List().Count()), std::pair(0.9, 1));

    // "i" is accepted; reading stops at the first value that is not a number,
    // so the spotted ball's y and every later field are kept.
    WriteFile("part.bi1", "i\n0.31\n0.32\n0.33\n0.34\n0.35\nabc\n0.95\n");
    v.OpenPositionFile("part.bi1");
    EXPECT_EQ(std::tuple(v.SetUp().balls[1].x, v.SetUp().balls[2].x, v.SetUp().balls[2].y, v.SetUp().strikeMode),
              std::tuple(0.31, 0.35, 0.9, 150.0));
    EXPECT_EQ(std::pair(v.List().Count(), v.m_bSetupChanged), std::pair(2, 0));
}

TEST_F(PositionsFile, FailedSavesAndUnreadableOpensKeepEverythingWithANote)
{
    const QByteArray old = "Billard_KVO_le_3_aout_99\nold\n";
    WriteFile("current.bi1", old);
    // A folder in the way of the save dialog's choice: not a recent file.
    bool used = false;
    QObject::connect(&v, &CMirobeltView::positionFileUsed, [&] { used = true; });
    QDir().mkdir("folder.bi1");
    v.m_chooseSavePath = [] { return QString("folder.bi1"); };
    v.OnFileSaveAs();
    EXPECT_FALSE(used);

    // A read-only quick save file; a folder, a large file and a device to open.
    chmod("current.bi1", 0444);
    WriteFile("large.bi1", QByteArray(2 << 20, ' '));
    Edit(v)->balls[0].x = 0.7;
    v.OnFileSave();
    for (const char* name : {"folder.bi1", "large.bi1", "/dev/zero"})
        v.OpenPositionFile(name);
    EXPECT_EQ(notes, QStringList({"Impossible d'enregistrer folder.bi1", "Impossible d'enregistrer current.bi1",
                                  "folder.bi1 est un dossier", "large.bi1 est trop grand pour une position",
                                  "zero n'est pas une position"}));
    EXPECT_EQ(ReadFile("current.bi1"), old);
    EXPECT_EQ(QDir().entryList(QDir::Files), QStringList({"current.bi1", "large.bi1"}));
    EXPECT_EQ(std::pair(v.SetUp().balls[0].x, v.List().Count()), std::pair(0.7, 0));
}

// The list kept in a sequence file, the demonstration's format, and read back;
// a file refused or a save refused leaves the list and the file as they were.
TEST_F(PositionsList, SavedAndReadBackAsASequenceFile)
{
    RecordSetUps(v, {0.1234567, 0.6});
    QString chosen = "liste.se2";
    v.m_chooseSavePath = v.m_chooseOpenPath = [&] { return chosen; };
    v.OnPositionListSave();
    const QByteArray text = "Sequence 2\n1.2 0.5 0.1234567 0.4 1.6 0.9 0.25 -0.5 12 1 0.1234567 0.4234567 0.4 0.45 0.01 150 2\n"
                            "1.2 0.5 0.6 0.4 1.6 0.9 0.25 -0.5 12 1 0.6 0.9 0.4 0.45 0.01 150 2\n";
    EXPECT_EQ(ReadFile("liste.se2"), text);

    v.OnPositionDelete();
    v.OnPositionDelete();
    v.OnPositionListLoad();
    EXPECT_EQ(std::tuple(ListState(v), v.SetUp().balls[0].x, v.Model()->List().Count()), std::tuple(std::pair(0, 2), double(0.1234567f), 2));

    chmod("liste.se2", 0444);
    WriteFile("autre.se2", "Donnees 1\n" + text.mid(11));
    v.OnPositionNext();
    v.OnPositionListSave();
    chosen = "autre.se2";
    v.OnPositionListLoad();
    EXPECT_EQ(std::pair(ListState(v), ReadFile("liste.se2")), std::pair(std::pair(1, 2), text));
    // A file holding fewer entries than it announces: the missing ones are empty, not the old list's.
    WriteFile("courte.se2", text.left(text.indexOf('\n', 12) + 1).replace("Sequence 2", "Sequence 3"));
    chosen = "courte.se2";
    v.OnPositionListLoad();
    EXPECT_EQ(std::tuple(ListState(v), v.List().Entry(0).v[2], v.List().Entry(1).v[2]), std::tuple(std::pair(0, 3), 0.1234567f, 0.0f));
    EXPECT_EQ(notes, QStringList({"Liste de 2 positions enregistrée dans liste.se2", "2 positions lues dans liste.se2",
                                  "Impossible d'enregistrer liste.se2", "autre.se2 n'est pas une liste de positions",
                                  "3 positions lues dans courte.se2"}));
}

TEST_F(PositionsList, PreviousNextAndDeleteAtTheEnds)
{
    RecordSetUps(v, {0.5, 0.6, 0.7});
    v.OnPositionNext();  // at the last entry: nothing
    EXPECT_EQ(v.List().Current(), 2);
    v.OnPositionPrev();
    v.OnPositionPrev();
    Edit(v)->balls[0].x = 1.9;
    v.OnPositionPrev();  // stays at entry 0 and shows it again
    EXPECT_EQ(std::pair(v.List().Current(), v.SetUp().balls[0].x), std::pair(0, double(0.5f)));
    EXPECT_EQ(h.Pixel(v.MapX(0.5) - 2, v.MapY(0.4) - 2), Rgb(255, 255, 255));  // off the aim line
    EXPECT_EQ(h.Pixel(v.MapX(0.65), v.MapY(0.425) - 1), Rgb(128, 255, 255));  // the same aim line, drawn again

    // Delete steps back and drops the last entry.
    Edit(v).List().SetCurrent(2);
    v.OnPositionDelete();
    EXPECT_EQ(ListState(v), std::pair(1, 2));
    EXPECT_EQ(std::pair(v.Model()->List().Current() + 1, v.Model()->List().Count()), std::pair(2, 2));

    // From no current entry: previous goes to the last entry, and delete then
    // shows the entry that is last after it.
    Edit(v).List().SetCurrent(-1);
    v.OnPositionPrev();
    EXPECT_EQ(v.List().Current(), 1);
    Edit(v).List().SetCurrent(-1);
    v.OnPositionDelete();
    EXPECT_EQ(std::pair(ListState(v), v.SetUp().balls[0].x), std::pair(std::pair(0, 1), double(0.5f)));
    v.OnPositionDelete();
    EXPECT_EQ(std::pair(ListState(v), v.Model()->List().Current() + 1), std::pair(std::pair(-1, 0), 0));
    v.OnPositionDelete();
    v.OnPositionNext();
    EXPECT_EQ(ListState(v), std::pair(-1, 0));
}

TEST_F(PositionsList, GoingToAnEntrySetsItsTableFormat)
{
    PositionEntry entry{{0.5f, 0.3f, 0.2f, 0.25f, 0.9f, 0.4f, 0.1f, 0.2f, 30, 2.9f, 0.5f, 0.8f, 0.3f, 0.35f, 0.2f,
                         150, 0}};
    PositionEntry entries[kPositionListSlots] = {entry, entry, entry};
    entries[1].v[16] = 7;  // hand-made files
    entries[2].v[16] = std::numeric_limits<float>::quiet_NaN();
    entries[2].v[9] = 3e9f;
    Edit(v).List().Assign(entries, 3, -1);

    v.m_bAnimating = v.m_bPlayLoop = 1;  // even while a shot is being animated
    v.m_bSetupChanged = 0;
    v.OnPositionNext();
    EXPECT_EQ(std::pair(v.SetUp().tableFormat, h.doc->m_geometry.length), std::pair(0, 1.275));
    EXPECT_EQ(std::pair(v.SetUp().cueBall, v.SetUp().aim.targetY), std::pair(2, double(0.35f)));
    EXPECT_EQ(std::tuple(v.m_bAnimating, v.m_bPlayLoop, v.m_bSetupChanged), std::tuple(0, 0, 1));
    EXPECT_EQ(h.Pixel(v.MapX(0.5) - 2, v.MapY(0.3) - 2), Rgb(255, 0, 0));

    // Formats the table does not have keep the current one.
    v.OnPositionNext();
    EXPECT_EQ(v.SetUp().tableFormat, 0);
    v.ApplyTableFormat(3);
    v.OnPositionNext();
    EXPECT_EQ(std::pair(h.doc->m_geometry.length, v.SetUp().cueBall), std::pair(2.84, 0));
}

// Wrapping to entry 0 with the demonstration: PositionsDemo below.
TEST_F(PositionsList, PlayAndNextStopsAtTheLastEntry)
{
    RecordSetUps(v, {0.5, 0.6});
    v.OnPlayAndNext();  // without the demonstration: nothing after the last entry
    EXPECT_EQ(std::pair(v.List().Current(), v.SetUp().balls[0].x), std::pair(1, 0.6));

    // With the demonstration, ticks of other timers, or during a shot, play nothing.
    v.StartDemoTimer();
    v.OnTimer(static_cast<int>(v.m_nDemoTimer) + 1);
    v.m_bPlayLoop = 1;
    v.OnTimer(static_cast<int>(v.m_nDemoTimer));
    EXPECT_EQ(v.List().Current(), 1);
}

// Play-and-next shows each position two seconds before its shot during the
// demonstration, entry 0 too when the sequence starts over, but not the first
// shot of the demonstration nor outside it.
TEST_F(PositionsDemo, TheFirstEntryComingAgainIsShownBeforeItIsPlayed)
{
    Edit(v)->aim = AimLine{0.5, 0.3, 1.5, 0.3};
    for (const double x : {0.5, 0.6})
    {
        Edit(v)->balls[0].x = x;
        v.RecordPosition();
    }
    // Whether the shot's first frame, where it is stopped, came 2 s or more
    // after the command; the window handles its events meanwhile.
    const auto playFrom = [this](int entry, bool demonstration) {
        Edit(v).List().SetCurrent(entry);
        if (demonstration)
            v.StartDemoTimer();
        QElapsedTimer clock;
        clock.start();
        v.OnPlayAndNext();
        int eventsMeanwhile = 0;
        QTimer counter;
        QObject::connect(&counter, &QTimer::timeout, [&] { ++eventsMeanwhile; });
        counter.start(100);
        EXPECT_TRUE(WaitForShotEnd(v, [this] { return v.m_nAnimTick > 0; }));
        const qint64 shotStart = clock.elapsed();
        v.KillDemoTimer();
        v.StopPlayLoop();
        v.m_bAnimating = 0;
        EXPECT_EQ(eventsMeanwhile >= 15, shotStart >= 2000) << eventsMeanwhile << " " << shotStart;
        return std::pair(v.List().Current(), shotStart >= 2000);
    };
    EXPECT_EQ(playFrom(0, false), std::pair(1, false));
    EXPECT_EQ(playFrom(-1, true), std::pair(0, false));
    EXPECT_EQ(playFrom(0, true), std::pair(1, true));
    EXPECT_EQ(playFrom(1, true), std::pair(0, true));

    // Escape during the pause ends the demonstration and the shot to come.
    Edit(v).List().SetCurrent(0);
    v.StartDemoTimer();
    v.OnPlayAndNext();
    ASSERT_TRUE(v.IsPausingBeforeShot());
    Key(v, Qt::Key_Escape);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 2100)
        WaitForNextMessage(10);
    EXPECT_EQ(std::tuple(v.IsPausingBeforeShot(), v.IsAnimating(), v.m_nDemoTimer, v.List().Current()),
              std::tuple(false, false, 0u, 1));

    // A list of one entry comes back to it: shown again before it is played.
    v.OnPositionDelete();
    EXPECT_EQ(playFrom(0, true), std::pair(0, true));
}

TEST(PositionsDemoStart, TheFirstDrawLoadsTheSequence)
{
    ScopedWorkingFolder folder;
    const QByteArray entry = "0.5 0.3 0.2 0.25 0.9 0.4 0 0 0 1 0.2 0.8 0.25 0.25 0.5 50 2\n";
    const std::pair<QByteArray, int> cases[] = {{"Sequence 2\n" + entry + "0.6" + entry.mid(3), 2},
                                                {"Donnees 2\n" + entry + entry, 0}};
    for (const auto& [text, count] : cases)
    {
        WriteFile("demo.se2", text);
        ViewHarness h(600, 400, false);
        h.Draw();
        EXPECT_TRUE(h.view->FirstDrawDone());
        EXPECT_EQ(ListState(*h.view), std::pair(-1, count));
        EXPECT_EQ(h.view->m_nDemoTimer != 0, count != 0);
        EXPECT_EQ(h.view->List().Entry(1).v[0], count == 2 ? 0.6f : 0.0f);
    }
}

// For each ball its count, then its places at times 1 to n: the time of the
// first sample is not written, times between two samples are interpolated,
// times past the last give the last. A longer file is replaced as a whole.
TEST_F(PositionsExport, TheDKeyWritesTheTrajectoriesOfTheLastShot)
{
    const struct { int ball; std::uint32_t stamp; double x, y; } samples[] = {
        {0, 0, 0.1, 1.5}, {0, 1, 0.2, 1.25}, {0, 2, 0.4, 1.125}, {1, 0, 0.5, 0.5},
        {1, 1, 1.0 / 3.0, 2e-7}, {2, 0, 1.0, 0.25}, {2, 2, 2.0, 0.75}, {2, 2, 2.5, 1.0}};
    TrajectoryBuffer* traj = h.doc->m_physics.m_traj;
    traj[0].m_nCount = traj[1].m_nCount = traj[2].m_nCount = 0;
    for (const auto& [ball, stamp, x, y] : samples)
    {
        TrajectoryBuffer& b = traj[ball];
        std::tie(b.x[b.m_nCount], b.y[b.m_nCount], b.sampleNo[b.m_nCount]) = std::tuple(x, y, stamp);
        ++b.m_nCount;
    }
    WriteFile(kTrajectoryExportFileName, QByteArray(10000, 'o'));
    h.view->OnKeyDown(0x44, 1, 0x20);
    EXPECT_EQ(ReadFile(kTrajectoryExportFileName),
              "\n--- Format du Fichier :\n--- Pour chaque bille (Blanche, Rouge Pointee):\n--- nbcouples { xi yi }"
              "\n3\n0.2\n1.25\n0.4\n1.125\n0.4\n1.125\n2\n0.333333\n2e-07\n0.333333\n2e-07\n3\n1.5\n0.5\n2\n0.75\n2.5\n1\n");
    EXPECT_EQ(QDir().entryList(QDir::Files), QStringList({kTrajectoryExportFileName}));
}
