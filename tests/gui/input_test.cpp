// SPDX-License-Identifier: GPL-3.0-or-later
// Pointer and keyboard input of the table view, through its handlers and Qt events.

#include "GuiTestSupport.h"

class InputPointer : public ViewTest<490, 300> {};
class InputKeys : public ViewTest<> {};

TEST(InputWidgets, WorkedExamplesOfTheThreeHitTests)
{
    // Strike point: centre (20, 375) with the half-pixel shift, radius 12.
    CWidgetRect strike{{5, 360, 35, 390}, 0}, raise{{-3, 352, 43, 398}, 0}, bar{{55, 360, 605, 370}, 0};
    const std::tuple<QPoint, double, double> strikes[] = {
        {{19, 374}, 0, 0}, {{31, 374}, 0, 1}, {{19, 386}, 1, 0}, {{19, 362}, -1, 0}};
    double h = 9, s = 9, angle = -1, force = -1;
    for (const auto& [point, height, side] : strikes)
    {
        h = s = 9;
        EXPECT_TRUE(strike.HitTestStrike(point, h, s) && std::pair(h, s) == std::pair(height, side)) << point.x() << "," << point.y();
    }
    EXPECT_FALSE(strike.HitTestStrike({32, 374}, h, s));

    const std::pair<QPoint, double> angles[] = {{{40, 375}, 0}, {{36, 391}, 45}, {{20, 397}, 90}, {{27, 375}, 0}};
    for (const auto& [point, degrees] : angles)
        EXPECT_TRUE(raise.HitTestRaise(point, angle) && angle == degrees) << point.x() << "," << point.y();
    for (const QPoint inside : {QPoint(26, 375), QPoint(26, 378)})  // too near the centre: d² 36 and 45 of 45.8
        EXPECT_FALSE(raise.HitTestRaise(inside, angle)) << inside.y();
    EXPECT_FALSE(raise.HitTestRaise({43, 375}, angle));  // on the outer radius

    const std::pair<int, double> forces[] = {{57, 0}, {603, 1}, {54, -3.0 / 546}, {606, 549.0 / 546}};
    for (const auto& [x, value] : forces)
        EXPECT_TRUE(bar.HitTestForce({x, 365}, force) && force == value) << x;
    for (const QPoint miss : {QPoint(53, 365), QPoint(607, 365), QPoint(57, 358), QPoint(57, 372)})
        EXPECT_FALSE(bar.HitTestForce(miss, force)) << miss.x() << "," << miss.y();
    EXPECT_TRUE(bar.HitTestForce({57, 359}, force) && bar.HitTestForce({57, 371}, force));
    CWidgetRect narrow{{10, 360, 14, 370}, 0};  // no travel: no division by zero
    EXPECT_FALSE(narrow.HitTestForce({12, 365}, force));
}

TEST(InputWidgets, GestureLatchAndWidgetsNeverDrawn)
{
    ViewHarness h(600, 400);  // its widgets are laid out as in the worked examples
    CMirobeltView& v = *h.view;
    Mouse(v, QEvent::MouseButtonPress, {31, 374}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(v.SetUp().strikeSide, 1.0);
    Mouse(v, QEvent::MouseMove, {19, 386}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(std::pair(v.SetUp().strikeHeight, v.SetUp().strikeSide), std::pair(1.0, 0.0));
    // Off the widget the gesture dies, and coming back does not revive it.
    Mouse(v, QEvent::MouseMove, {300, 100}, Qt::NoButton, Qt::LeftButton);
    Mouse(v, QEvent::MouseMove, {19, 374}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(v.SetUp().strikeHeight, 1.0);
    Mouse(v, QEvent::MouseButtonRelease, {19, 374}, Qt::LeftButton, Qt::NoButton);
    Mouse(v, QEvent::MouseButtonPress, {603, 365}, Qt::LeftButton, Qt::LeftButton);
    g_bNoMouseAbort = 1;  // as after a played shot: the release lets the pointer stop a computation again
    v.OnLButtonUp(0, {});
    EXPECT_EQ(std::pair(v.SetUp().force, g_bNoMouseAbort), std::pair(1.0, 0));

    // A release leaves a widget that was never drawn out of reach.
    for (CWidgetRect* widget : {&v.m_strikeWidget, &v.m_raiseCursor, &v.m_forceBar})
        *widget = CWidgetRect{{0, 0, 0, 0}, -1};
    v.OnLButtonUp(0, {});
    v.OnRButtonUp(0, {});
    v.OnLButtonDown(MK_LBUTTON, {0, 0});
    // No 0/0 from the empty rectangle: the values stay.
    EXPECT_EQ(std::tuple(v.m_strikeWidget.nState, v.SetUp().strikeHeight, v.SetUp().force), std::tuple(-1, 1.0, 1.0));
}

TEST_F(InputPointer, RightDragRefusedAtTheCushionsAndNearABallLeftPressAimsFromABall)
{
    h.Draw();  // lays the table out: origin 26 px, 444 px for 2.489 m
    Edit(v)->aim.targetX = v.m_aim.dLastTargetX = 0.7;
    const auto drag = [this](QPoint at) { Mouse(v, QEvent::MouseMove, at, Qt::NoButton, Qt::RightButton); };

    Mouse(v, QEvent::MouseButtonPress, {43, 79}, Qt::RightButton, Qt::RightButton);  // on the white ball
    EXPECT_EQ(std::tuple(v.m_balls[0].nDrag, v.SetUp().balls[0].x, v.SetUp().aim.targetX, v.m_aim.dLastTargetX),
              std::tuple(1, v.PixelToTableX(43), 0.0, 0.0));
    drag({60, 100});
    drag({24, 100});  // over the cushion
    drag({52, 79});   // 5 cm from the red ball
    EXPECT_EQ(std::pair(v.SetUp().balls[0].x, v.SetUp().balls[0].y), std::pair(v.PixelToTableX(60), v.PixelToTableY(100)));
    drag({49, 79});  // 7 cm: clear
    EXPECT_EQ(v.SetUp().balls[0].x, v.PixelToTableX(49));
    Mouse(v, QEvent::MouseButtonRelease, {49, 79}, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(v.m_balls[0].nDrag, 0);

    // A left press on a ball aims from its centre, with that ball as the cue ball.
    Mouse(v, QEvent::MouseButtonPress, {61, 79}, Qt::LeftButton, Qt::LeftButton);  // on the red ball
    EXPECT_EQ(std::tuple(v.SetUp().aim.originX, v.SetUp().aim.originY, v.SetUp().aim.targetX, v.m_aim.m_nAimBall, v.SetUp().cueBall),
              std::tuple(0.2, 0.3, v.PixelToTableX(61), 2, 2));
    Mouse(v, QEvent::MouseMove, {330, 200}, Qt::NoButton, Qt::LeftButton);
    Mouse(v, QEvent::MouseButtonRelease, {330, 200}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(std::tuple(v.m_aim.m_nAimBall, v.SetUp().aim.targetX, v.SetUp().aim.targetY),
              std::tuple(0, v.PixelToTableX(330), v.PixelToTableY(200)));
}

// From the pointer's place, in metres: a ball is taken within its radius R =
// 30.5 mm, and not where it would come within sqrt(4.001) R = 61.0 mm of
// another; a shown marker is taken within 1 mm + R / 4 = 8.6 mm.
TEST_F(InputPointer, ReachOfBallsAndMarkers)
{
    h.Draw();
    g_bShowMarkers = 1;
    const double x = v.PixelToTableX(200), y = v.PixelToTableY(100);
    // The white ball's and the red ball's distance, the marker's; what is taken.
    const std::tuple<double, double, double, int, int> cases[] = {
        {0.0304, 1, 1, 1, 0}, {0.0306, 1, 1, 0, 0}, {0, 0.0610, 1, 0, 0}, {0, 0.0611, 1, 1, 0},
        {1, 1, 0.0085, 0, 1}, {1, 1, 0.0087, 0, 0}};
    for (const auto& [white, red, marker, whiteTaken, markerTaken] : cases)
    {
        std::tie(Edit(v)->balls[0].x, Edit(v)->balls[1].x, v.m_markers[0].x) = std::tuple(x + white, x + red, x + marker);
        Edit(v)->balls[0].y = Edit(v)->balls[1].y = v.m_markers[0].y = y;
        v.OnMouseMove(MK_RBUTTON, {200, 100});
        EXPECT_EQ(std::pair(v.m_balls[0].nDrag, v.m_markers[0].nDrag), std::pair(whiteTaken, markerTaken))
            << white << " " << red << " " << marker;
        v.OnRButtonUp(0, {});
    }
    // A ball dragged onto a marker leaves the marker where it is.
    std::tie(Edit(v)->balls[0].x, v.m_markers[0].x) = std::tuple(x, v.PixelToTableX(205));
    v.OnMouseMove(MK_RBUTTON, {200, 100});
    v.OnMouseMove(MK_RBUTTON, {205, 100});
    EXPECT_EQ(std::tuple(v.m_balls[0].nDrag, v.SetUp().balls[0].x, v.m_markers[0].nDrag), std::tuple(1, v.PixelToTableX(205), 0));
}

TEST_F(InputPointer, MarkerDragWhenShownAndHandOverToALowerMarker)
{
    h.Draw();
    // Marker 3 stands at pixel (33, 15), marker 1 at (22, 15); one row lower
    // the pointer is still on them and inside the markers' box.
    v.OnMouseMove(MK_RBUTTON, {33, 16});
    EXPECT_EQ(v.m_markers[3].nDrag, 0);  // hidden markers cannot be taken
    g_bShowMarkers = 1;
    v.OnMouseMove(MK_RBUTTON, {33, 16});
    EXPECT_EQ(v.LatchedGesture(), 103);
    v.OnMouseMove(MK_RBUTTON, {40, 20});
    v.OnMouseMove(MK_RBUTTON, {40, 15});  // 6.2 cm above the box: refused
    EXPECT_EQ(std::pair(v.m_markers[3].x, v.m_markers[3].y), std::pair(v.PixelToTableX(40), v.PixelToTableY(20)));
    EXPECT_EQ(h.Pixel(33, 13), Rgb(0, 0, 0));  // the cushion line back where the marker stood
    v.OnMouseMove(MK_RBUTTON, {22, 16});
    EXPECT_EQ(v.LatchedGesture(), 101);
    v.OnMouseMove(MK_RBUTTON, {60, 20});
    EXPECT_EQ(std::pair(v.m_markers[1].x, v.m_markers[3].x), std::pair(v.PixelToTableX(60), v.PixelToTableX(40)));
    v.OnRButtonUp(0, {});
    EXPECT_EQ(v.m_markers[3].nDrag, 0);
}

TEST_F(InputPointer, DoubleClickAndSpaceComputeOnlyAChangedSetUp)
{
    Edit(v)->cueBall = 2;  // the red ball, straight to the right along row 79
    Edit(v)->aim = AimLine{0.2, 0.3, 0.9, 0.3};
    Edit(v)->balls[2].x = 2.0;
    // The shot's power (-1 when not computed again), the colour at (305, 155), the red path shown.
    auto state = [&] { return std::tuple(h.doc->m_dShotPower, h.Pixel(305, 155), h.Pixel(79, 79) == Rgb(255, 0, 0)); };
    const QRgb blue = Rgb(0, 0, 255), cloth = Rgb(0, 128, 0);

    Mouse(v, QEvent::MouseButtonDblClick, {300, 200}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(std::pair(v.m_bSetupChanged, h.doc->m_dShotDirX), std::pair(0, 0.9 - 0.2));
    EXPECT_TRUE(std::get<2>(state()));
    h.doc->m_dShotPower = -1;  // a new computation would overwrite it
    v.OnLButtonDblClk(0, {});
    EXPECT_EQ(h.doc->m_dShotPower, -1);
    PaintBlue(v);  // Space shows the paths of an unchanged set-up over a fresh table
    v.OnKeyDown(vk::Space, 1, 0x39);
    EXPECT_EQ(state(), std::tuple(-1.0, cloth, true));

    PaintBlue(v, {300, 150, 10, 10});
    v.m_bSetupChanged = 1;
    v.OnLButtonDblClk(MK_CONTROL, {});  // the paths go over what is shown
    EXPECT_EQ(state(), std::tuple(0.5, blue, true));
    v.m_bSetupChanged = 1;
    v.OnLButtonDblClk(0, {});  // the table is drawn first
    EXPECT_EQ(state(), std::tuple(0.5, cloth, true));
    v.m_bSetupChanged = 1;  // Space computes a changed set-up
    h.doc->m_dShotPower = -1;
    v.OnKeyDown(vk::Space, 1, 0x39);
    EXPECT_EQ(std::pair(h.doc->m_dShotPower, v.m_bSetupChanged), std::pair(0.5, 0));
}

TEST_F(InputKeys, KeypadAndFunctionKeyStepsAndLimits)
{
    double TableSetUp::*side = &TableSetUp::strikeSide, TableSetUp::*height = &TableSetUp::strikeHeight,
                       TableSetUp::*raise = &TableSetUp::raiseAngle;
    const double keep = std::numeric_limits<double>::quiet_NaN();
    // Rows: the value set beforehand (keep: none), the flags word pressed so
    // many times, the value then. A press is two strike steps; repeats, Alt
    // and extended keys do nothing; a value set beyond a limit with the mouse
    // is clamped only by an outward step.
    const std::tuple<double TableSetUp::*, double, std::uint32_t, int, double> steps[] = {
        {side, keep, 0x4D, 1, 0.02}, {side, keep, 0x4D, 34, 0.7}, {side, keep, 0x4D, 1, 0.7},
        {side, 0.9, 0x4B, 1, 0.88}, {height, keep, 0x50, 40, 0.7}, {height, keep, 0x48, 1, 0.68},
        {height, keep, 0x48 | KF_REPEAT, 1, 0.68}, {height, keep, 0x48 | KF_ALTDOWN, 1, 0.68},
        {height, keep, 0x48 | KF_EXTENDED, 1, 0.68},
        // F7 up to 88 degrees; F6, if it ever reaches the view, down; F5 to 0; F8 to 88.
        {raise, 88, 0x41, 1, 88}, {raise, 90, 0x41, 1, 88}, {raise, keep, 0x40, 1, 87}, {raise, keep, 0x3F, 1, 0},
        {raise, keep, 0x42 | KF_ALTDOWN, 1, 0}, {raise, keep, 0x42, 1, 88}};
    for (const auto& [field, preset, flags, presses, want] : steps)
    {
        if (!std::isnan(preset))
            (*Edit(v)).*field = preset;
        for (int i = 0; i < presses; ++i)
            v.OnKeyDown(0, 1, flags);
        EXPECT_NEAR(v.SetUp().*field, want, 1e-12) << std::hex << flags << std::dec << " x" << presses;
    }
    v.OnKeyDown(0, 0xFFFFFFFFu, 0x48);  // a huge repeat count stops at the limit
    EXPECT_EQ(v.SetUp().strikeHeight, -0.7);
}

TEST_F(InputKeys, QtKeyEventsWithAndWithoutNumLock)
{
    Key(v, Qt::Key_8, Qt::KeypadModifier);
    Key(v, Qt::Key_Up, Qt::KeypadModifier);
    Key(v, Qt::Key_Up, Qt::NoModifier);  // the separate arrow key
    Key(v, Qt::Key_8, Qt::NoModifier);   // the digit row
    Key(v, Qt::Key_8, Qt::KeypadModifier, true);
    EXPECT_DOUBLE_EQ(v.SetUp().strikeHeight, -0.04);
    Key(v, Qt::Key_F7, Qt::NoModifier);
    Key(v, Qt::Key_N, Qt::ShiftModifier);
    EXPECT_EQ(std::pair(v.SetUp().raiseAngle, v.SetUp().strikeHeight), std::pair(1.0, 0.0));
}

// Aiming goes on over the force bar, the strike widget and the raise cursor
// without touching them; both axes map the pointer with the horizontal scale.
TEST(InputAim, CrossesTheWidgetsAndBothAxesMapToFixedPlaces)
{
    ViewHarness h(600, 400);
    CMirobeltView& v = *h.view;
    h.Draw();
    const std::pair<int, double> places[] = {
        {0, -0.14157614678899083}, {40, 0.041102752293577988}, {200, 0.77181834862385323}, {365, 1.5253688073394496}};
    for (const auto& [pixel, metres] : places)
    {
        EXPECT_DOUBLE_EQ(v.PixelToTableX(pixel), metres) << pixel;
        EXPECT_DOUBLE_EQ(v.PixelToTableY(pixel), metres) << pixel;
    }
    EXPECT_EQ(std::pair(v.MapY(0.3), v.MapY(1.0)), std::pair(96, 249));

    // The strike widget and raise cursor, then the force bar (the fullness strip below it follows the aim).
    const QRect areas[] = {{0, 352, 50, 48}, {50, 352, 560, 22}};
    const QImage widgets[] = {v.Picture().copy(areas[0]), v.Picture().copy(areas[1])};
    g_bNoMouseAbort = 1;  // pointer input makes the next computation give way to the pointer
    Mouse(v, QEvent::MouseButtonPress, {52, 96}, Qt::LeftButton, Qt::LeftButton);  // on the white ball
    ASSERT_EQ(std::pair(g_bNoMouseAbort, v.m_aim.m_nAimBall), std::pair(0, 1));
    for (const QPoint at : {QPoint(300, 365), QPoint(19, 374), QPoint(36, 391), QPoint(300, 200)})
    {
        Mouse(v, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        EXPECT_EQ(std::tuple(v.SetUp().aim.targetX, v.SetUp().aim.targetY, v.SetUp().force, v.SetUp().strikeHeight, v.SetUp().strikeSide, v.SetUp().raiseAngle),
                  std::tuple(v.PixelToTableX(at.x()), v.PixelToTableY(at.y()), 0.5, 0.0, 0.0, 0.0));
    }
    EXPECT_TRUE(v.Picture().copy(areas[0]) == widgets[0] && v.Picture().copy(areas[1]) == widgets[1]);
}
