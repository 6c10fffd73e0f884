// SPDX-License-Identifier: GPL-3.0-or-later
// The shot request, the trajectory display and played shots; the playing loop
// runs for real on the offscreen platform.

#include <QAbstractEventDispatcher>

#include "GuiTestSupport.h"

namespace
{
// Plays the shot (with Return, or the play command), runs an action once a
// few frames are drawn, and handles the window's events until the shot is
// over (or the program quits).
void PlayAndDuringIt(CMirobeltView& view, const std::function<void()>& action, bool withReturn = false)
{
    bool acted = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (view.m_nAnimTick > 10)
        {
            timer.stop();
            acted = true;
            action();
        }
    });
    timer.start(5);
    if (withReturn)
        view.OnKeyDown(vk::Return, 1, 0x1C);
    else
        view.OnShotPlay();
    ASSERT_TRUE(WaitForShotEnd(view, [&] { return acted && (IsQuitRequested() || !view.IsAnimating()); }));
}

// Timers the view holds with Qt: the demonstration timer once it runs.
qsizetype LiveTimers(CMirobeltView& view) { return QAbstractEventDispatcher::instance()->registeredTimers(&view).size(); }

void FillStraightPath(TrajectoryBuffer& traj, int count, double x0, double x1, double y)
{
    traj.m_nCount = count;
    traj.m_nCursor = 0;
    for (int i = 0; i < count; ++i)
    {
        traj.x[i] = x0 + (x1 - x0) * i / (count - 1);
        traj.y[i] = y;
        traj.sampleNo[i] = static_cast<std::uint32_t>(i);
    }
}
}  // namespace

class PlaybackPlay : public ViewTest<490, 300> {};

TEST(PlaybackShotRequest, TheViewSetUpBecomesTheDocumentShot)
{
    ViewHarness h;
    CMirobeltView& v = *h.view;
    Edit(v)->strikeSide = -0.2;
    Edit(v)->raiseAngle = 5;
    g_bNoMouseAbort = 1;
    SetUpShortShot(v);
    const CMirobeltDoc& doc = *h.doc;
    // Follow, side, elevation, direction, the spotted ball's place; the pointer abort is on again.
    EXPECT_EQ(std::tuple(doc.m_dShotFollow, doc.m_dShotSide, doc.m_dShotElevation, doc.m_dShotDirX,
                         doc.m_ballStart[2].y, g_bNoMouseAbort),
              std::tuple(-37.5, -30.0, 5.0, 0.5, 1.0, 0));
    const double normal = doc.m_physics.m_dClothFriction;
    Edit(v)->strikeMode = 150;  // artistic: 0.4 of the cloth friction, not compounded by computing again
    v.ComputeShot(0);
    v.ComputeShot(0);
    EXPECT_DOUBLE_EQ(doc.m_physics.m_dClothFriction, normal * 0.4);
}

// Straight paths of 13, 12 and 1 samples: a dot every eleven time units, so
// only the white path (to time 12) has one; drawn in black without the
// colour mode, in the balls' colours with it.
TEST_F(PlaybackPlay, ShowTrajectoryPathsWithADotEveryElevenUnits)
{
    v.m_bSetupChanged = 0;
    TrajectoryBuffer* traj = h.doc->m_physics.m_traj;
    FillStraightPath(traj[0], 13, 0.5, 1.7, 0.3);
    FillStraightPath(traj[1], 12, 0.5, 1.6, 0.695);
    FillStraightPath(traj[2], 1, 1.0, 1.0, 1.0);
    for (const int colour : {0, 1})
    {
        g_bColour = colour;
        v.OnShowTrajectory();
        ExpectGolden(v.Picture(), colour ? "trajectories-in-colour" : "trajectories-in-black");
    }
}

TEST(PlaybackEnd, AShotPlayedToItsEndBecomesTheNextSetUp)
{
    for (const int format : {2, 0})
    {
        ViewHarness h(490, 300);
        CMirobeltView& v = *h.view;
        Edit(v)->tableFormat = format;
        h.doc->ApplyTableFormat(format);
        SetUpShortShot(v);
        std::tie(Edit(v)->strikeSide, Edit(v)->strikeMode) = std::pair(-0.2, 150.0);
        v.RecomputeIfNeeded();
        const PositionEntry start = v.SetUp().ToEntry();
        const TrajectoryBuffer* traj = h.doc->m_physics.m_traj;
        ASSERT_LT(traj[0].m_nCount, 400);
        std::array<std::pair<double, double>, 3> end, now;
        for (int b = 0; b < 3; ++b)
            end[b] = {traj[b].x[traj[b].m_nCount - 1], traj[b].y[traj[b].m_nCount - 1]};
        ASSERT_GT(end[0].first, 0.105);

        v.OnShotPlay();
        EXPECT_EQ(v.m_nAnimTick, 0u);  // played from the frame timer, not before the command returns
        ASSERT_TRUE(WaitForShotEnd(v));
        for (int b = 0; b < 3; ++b)
            now[b] = {v.SetUp().balls[b].x, v.SetUp().balls[b].y};
        EXPECT_EQ(now, end);
        // Cue settings and aim back to their start values, the force to the
        // table's; the mode and the cue ball stay.
        const TableSetUp& s = v.SetUp();
        EXPECT_EQ(std::tuple(s.strikeHeight, s.strikeSide, s.raiseAngle, s.aim, s.force, s.strikeMode, s.cueBall),
                  std::tuple(0.0, 0.0, 0.0, AimLine{}, format == 0 ? 0.2 : 0.5, 150.0, 1));
        EXPECT_EQ(std::tuple(v.m_bPlayLoop, v.m_bAnimating, v.m_nAnimTick, v.m_bSetupChanged), std::tuple(0, 0, 0u, 1));
        EXPECT_EQ(traj[0].m_nCount, 2);  // the new set-up, computed: nothing moves
        // The start was recorded.
        EXPECT_EQ(v.List().Count(), 1);
        EXPECT_TRUE(v.List().Entry(0) == start);
    }
}

TEST_F(PlaybackPlay, PlayDuringAShotStopsItAndPlayAgainReplaysIt)
{
    SetUpShortShot(v);
    const TrajectoryBuffer& white = h.doc->m_physics.m_traj[0];
    const double endX = white.x[white.m_nCount - 1];
    h.doc->m_dShotPower = -1;  // a new computation would overwrite it
    PlayAndDuringIt(v, [this] { v.OnShotPlay(); });
    EXPECT_EQ(std::tuple(v.m_bPlayLoop, v.m_bAnimating, v.SetUp().balls[0].x, v.SetUp().aim.targetX), std::tuple(0, 0, 0.1, 0.6));
    double powerDuringReplay = 0;
    PlayAndDuringIt(v, [&] { powerDuringReplay = h.doc->m_dShotPower; });
    EXPECT_EQ(std::pair(powerDuringReplay, v.SetUp().balls[0].x), std::pair(-1.0, endX));

    // The final position asked for during a shot ends it there.
    v.m_bSetupChanged = 1;
    SetUpShortShot(v);
    const double newEndX = white.x[white.m_nCount - 1];
    PlayAndDuringIt(v, [this] { v.OnShotFinalPosition(); });
    EXPECT_EQ(std::tuple(v.m_bPlayLoop, v.m_bAnimating, v.m_nAnimTick, v.SetUp().balls[0].x), std::tuple(0, 0, 0u, newEndX));
}

// Any key stops the shot; Escape also shows its start and ends the
// demonstration, and so does a left press on the table.
TEST_F(PlaybackPlay, KeysAndLeftPressStopTheShotEscapeAndPressEndTheDemonstration)
{
    SetUpShortShot(v);
    v.StartDemoTimer();
    PlayAndDuringIt(v, [this] { Key(v, Qt::Key_A); });
    EXPECT_EQ(std::tuple(v.m_bPlayLoop, v.m_bAnimating, v.m_nAnimTick, v.SetUp().balls[0].x), std::tuple(0, 0, 0u, 0.1));
    EXPECT_EQ(LiveTimers(v), 1);
    EXPECT_NE(v.m_nDemoTimer, 0u);
    for (const bool escape : {true, false})
    {
        v.StartDemoTimer();
        PlayAndDuringIt(v, [&] {
            PaintBlue(v);
            if (escape)
                Key(v, Qt::Key_Escape);
            else
                Mouse(v, QEvent::MouseButtonPress, {300, 200}, Qt::LeftButton, Qt::LeftButton);
        });
        EXPECT_EQ(std::tuple(v.m_bPlayLoop, v.m_bAnimating, v.m_nDemoTimer, LiveTimers(v), v.List().Count()),
                  std::tuple(0, 0, 0u, 0, 0)) << escape;
        EXPECT_EQ(h.Pixel(v.MapX(0.1), v.MapY(0.3) + 3), Rgb(255, 255, 255));  // white ball at its start
        EXPECT_EQ(h.Pixel(v.MapX(0.25), v.MapY(0.4)), Rgb(0, 128, 0));
    }
    v.StartDemoTimer();  // Escape without a shot ends the demonstration too
    Key(v, Qt::Key_Escape);
    EXPECT_EQ(std::pair(LiveTimers(v), v.m_nDemoTimer), std::pair(qsizetype(0), 0u));
}

// The shot the demonstration plays at start-up, taken over by a left press.
TEST(PlaybackDemo, ALeftPressTakesTheTableFromTheDemonstration)
{
    ScopedWorkingFolder folder;
    WriteFile("demo.se2", "Sequence 1\n1.2 0.9 0.1 0.3 2 1 0.5 0 0 1 0.1 0.6 0.3 0.3 0.02 50 2\n");
    ViewHarness h(490, 300, false);
    CMirobeltView& v = *h.view;
    h.Draw();
    ASSERT_NE(v.m_nDemoTimer, 0u);
    QTimer watch;
    int pressed = 0;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (v.m_bAnimating && v.m_nAnimTick > 10 && !pressed++)
            Mouse(v, QEvent::MouseButtonPress, {300, 200}, Qt::LeftButton, Qt::LeftButton);
    });
    watch.start(5);
    for (int i = 0; i < 2000 && !pressed; ++i)
        WaitForNextMessage(5);
    EXPECT_EQ(pressed, 1);
    EXPECT_EQ(std::tuple(v.m_bPlayLoop, v.m_bAnimating, v.m_nDemoTimer, v.List().Current(), LiveTimers(v)),
              std::tuple(0, 0, 0u, 0, 0));
    EXPECT_EQ(std::pair(v.SetUp().balls[0].x, v.SetUp().force), std::pair(double(0.1f), double(0.02f)));
}

// The repeats of a held Return start the shot over, until the focus goes to
// another window: the key counts as released then, and its repeats when the
// focus comes back do nothing, until a new press.
TEST_F(PlaybackPlay, AReturnHeldAcrossAFocusLossNoLongerRestartsTheShot)
{
    SetUpShortShot(v);
    const auto framesDrawn = [this] { return v.m_nAnimTick > 10; };
    Key(v, Qt::Key_Return);
    ASSERT_TRUE(WaitForShotEnd(v, framesDrawn));
    Key(v, Qt::Key_Return, Qt::NoModifier, true);
    EXPECT_EQ(std::pair(v.m_nAnimTick, v.IsAnimating()), std::pair(0u, true));
    ASSERT_TRUE(WaitForShotEnd(v, framesDrawn));
    QFocusEvent focusOut(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(&v, &focusOut);
    Key(v, Qt::Key_Return, Qt::NoModifier, true);
    EXPECT_GT(v.m_nAnimTick, 10u);
    ASSERT_TRUE(WaitForShotEnd(v));
    EXPECT_NE(v.SetUp().balls[0].x, 0.1);  // played to its end
    Key(v, Qt::Key_Return);
    EXPECT_TRUE(v.IsAnimating());
    ASSERT_TRUE(WaitForShotEnd(v));
}

TEST_F(PlaybackPlay, QuitDuringAShotLeavesTheViewAlone)
{
    SetUpShortShot(v);
    std::uint32_t tickAtQuit = 0;
    PlayAndDuringIt(v, [&] { tickAtQuit = v.m_nAnimTick; RequestQuit(); }, true);
    for (int i = 0; i < 10; ++i)
        WaitForNextMessage(5);
    // Nothing ran after the quit.
    EXPECT_EQ(std::tuple(v.m_bAnimating, v.m_bPlayLoop, v.m_nAnimTick), std::tuple(1, 1, tickAtQuit));
    ClearQuitRequest();
    v.m_bAnimating = v.m_bPlayLoop = 0;
}

// Frames come at most one per 5 ms and show trajectory time t = (elapsed ms
// since the first frame) / 2; what a frame copies: frame_copy_test.
TEST_F(PlaybackPlay, FramesAtTwoMillisecondsPerUnit)
{
    TrajectoryBuffer* traj = h.doc->m_physics.m_traj;
    for (int b = 1; b < 3; ++b)
        FillStraightPath(traj[b], 200, 0.5 * (b + 1), 0.5 * (b + 1), 0.3 * (b + 1));
    FillStraightPath(traj[0], 200, 0.5, 2.49, 0.3);  // the white ball: 1 cm per unit
    v.m_bAnimating = 1;
    QThread::msleep(6);  // frames are at least 5 ms apart, also across shots
    const std::uint64_t before = MillisecondClock();
    v.AnimateShotStep();
    const std::uint64_t first = MillisecondClock();
    ASSERT_GE(v.m_nAnimTick, 1u);  // a frame was drawn
    EXPECT_LE(v.m_nAnimTick, (first - before) / 2 + 1);
    const std::uint32_t firstTick = v.m_nAnimTick;
    v.AnimateShotStep();
    EXPECT_TRUE(v.m_nAnimTick == firstTick || MillisecondClock() - first >= 5);
    QThread::msleep(80);
    const std::uint64_t from = MillisecondClock();
    v.AnimateShotStep();
    const std::uint64_t to = MillisecondClock();
    const std::uint32_t tick = v.m_nAnimTick - 1;
    EXPECT_GE(tick, (from - first) / 2);
    EXPECT_LE(tick, (to - before) / 2);
    EXPECT_EQ(h.Pixel(v.MapX(0.5 + 0.01 * tick), v.MapY(0.3)), Rgb(255, 255, 255));  // the white ball at time tick
    EXPECT_EQ(v.SetUp().balls[0].x, 0.1);
    v.m_bAnimating = 0;
}
