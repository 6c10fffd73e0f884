// Pointer and keyboard input of the table view, through its handlers and Qt events.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "GuiTestSupport.h"
#include "platform/KeyInput.h"

namespace
{
// Layout of a 490 x 300 client area with the 2.55 m table: origin 26 px,
// 444 px for the 2.489 m of centre travel.
constexpr double kMetresPerPixel = 2.489 / 444.0;
double Metres(int px) { return (px - 26) * kMetresPerPixel; }

void UseLayout490x300(CMirobeltView& view)
{
    view.m_nOriginPx = 26;
    view.m_dPixPerMetreX = 444.0 / 2.489;
    view.m_dMetrePerPixX = kMetresPerPixel;
    view.m_dCentreMaxX = 2.489;
    view.m_dCentreMaxY = 1.214;
}

void Mouse(CMirobeltView& view, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons,
           Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMouseEvent event(type, QPointF(at), QPointF(view.mapToGlobal(at)), button, buttons, modifiers);
    QCoreApplication::sendEvent(&view, &event);
}

void Key(CMirobeltView& view, int key, Qt::KeyboardModifiers modifiers, bool autoRepeat = false)
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers, QString(), autoRepeat);
    QCoreApplication::sendEvent(&view, &event);
}
}  // namespace

TEST(InputWidgets, WorkedExamplesOfTheThreeHitTests)
{
    CWidgetRect strike{{5, 360, 35, 390}, 0};
    double h = 9, s = 9, angle = -1, force = -1;
    ASSERT_TRUE(strike.HitTestStrike({19, 374}, h, s));
    EXPECT_EQ(h, 0.0);
    EXPECT_EQ(s, 0.0);
    ASSERT_TRUE(strike.HitTestStrike({31, 374}, h, s));
    EXPECT_EQ(s, 1.0);
    ASSERT_TRUE(strike.HitTestStrike({19, 386}, h, s));
    EXPECT_EQ(h, 1.0);
    ASSERT_TRUE(strike.HitTestStrike({19, 362}, h, s));
    EXPECT_EQ(h, -1.0);
    EXPECT_FALSE(strike.HitTestStrike({32, 374}, h, s));

    CWidgetRect raise{{-3, 352, 43, 398}, 0};
    const std::pair<QPoint, double> angles[] = {{{40, 375}, 0}, {{36, 391}, 45}, {{20, 397}, 90}, {{27, 375}, 0}};
    for (const auto& [point, degrees] : angles)
    {
        ASSERT_TRUE(raise.HitTestRaise(point, angle));
        EXPECT_EQ(angle, degrees);
    }
    EXPECT_FALSE(raise.HitTestRaise({26, 375}, angle));  // too near the centre
    EXPECT_FALSE(raise.HitTestRaise({43, 375}, angle));  // on the outer radius

    CWidgetRect bar{{55, 360, 605, 370}, 0};
    const std::pair<int, double> forces[] = {{57, 0}, {603, 1}, {54, -3.0 / 546}, {606, 549.0 / 546}};
    for (const auto& [x, value] : forces)
    {
        ASSERT_TRUE(bar.HitTestForce({x, 365}, force));
        EXPECT_EQ(force, value);
    }
    EXPECT_FALSE(bar.HitTestForce({607, 365}, force));
    CWidgetRect narrow{{10, 360, 14, 370}, 0};  // no travel: no division by zero
    EXPECT_FALSE(narrow.HitTestForce({12, 365}, force));
}

TEST(InputWidgets, GestureLatchAndWidgetsNeverDrawn)
{
    ViewHarness h(600, 400);  // its widgets are laid out as in the worked examples
    CMirobeltView& v = *h.view;
    Mouse(v, QEvent::MouseButtonPress, {31, 374}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(v.m_dStrikeSide, 1.0);
    Mouse(v, QEvent::MouseMove, {19, 386}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(v.m_dStrikeHeight, 1.0);
    EXPECT_EQ(v.m_dStrikeSide, 0.0);
    // Off the widget the gesture dies, and coming back does not revive it.
    Mouse(v, QEvent::MouseMove, {300, 100}, Qt::NoButton, Qt::LeftButton);
    Mouse(v, QEvent::MouseMove, {19, 374}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(v.m_dStrikeHeight, 1.0);
    Mouse(v, QEvent::MouseButtonRelease, {19, 374}, Qt::LeftButton, Qt::NoButton);
    Mouse(v, QEvent::MouseButtonPress, {603, 365}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(v.m_dForce, 1.0);
    v.OnLButtonUp(0, {});

    // A release leaves a widget that was never drawn out of reach.
    for (CWidgetRect* widget : {&v.m_strikeWidget, &v.m_raiseCursor, &v.m_forceBar})
        *widget = CWidgetRect{{0, 0, 0, 0}, -1};
    v.OnLButtonUp(0, {});
    v.OnRButtonUp(0, {});
    v.OnLButtonDown(MK_LBUTTON, {0, 0});
    EXPECT_EQ(v.m_strikeWidget.nState, -1);
    EXPECT_EQ(v.m_dStrikeHeight, 1.0);  // no 0/0 from the empty rectangle
    EXPECT_EQ(v.m_dForce, 1.0);
}

TEST(InputPointer, RightDragOfABallIsRefusedAtTheCushionsAndNearAnotherBall)
{
    ViewHarness h(490, 300);
    CMirobeltView& v = *h.view;
    UseLayout490x300(v);
    v.m_aim.dTargetX = v.m_aim.dLastTargetX = 0.7;

    Mouse(v, QEvent::MouseButtonPress, {43, 79}, Qt::RightButton, Qt::RightButton);  // on the white ball
    UseLayout490x300(v);
    EXPECT_EQ(v.m_balls[0].nDrag, 1);
    EXPECT_EQ(v.m_balls[0].x, Metres(43));
    EXPECT_EQ(v.m_aim.dTargetX, 0.0);
    EXPECT_EQ(v.m_aim.dLastTargetX, 0.0);
    Mouse(v, QEvent::MouseMove, {60, 100}, Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(v.m_balls[0].x, Metres(60));
    Mouse(v, QEvent::MouseMove, {24, 100}, Qt::NoButton, Qt::RightButton);  // over the cushion
    Mouse(v, QEvent::MouseMove, {52, 79}, Qt::NoButton, Qt::RightButton);  // 5 cm from the red ball
    EXPECT_EQ(v.m_balls[0].x, Metres(60));
    EXPECT_EQ(v.m_balls[0].y, Metres(100));
    Mouse(v, QEvent::MouseMove, {49, 79}, Qt::NoButton, Qt::RightButton);  // 7 cm: clear
    EXPECT_EQ(v.m_balls[0].x, Metres(49));
    Mouse(v, QEvent::MouseButtonRelease, {49, 79}, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(v.m_balls[0].nDrag, 0);
}

TEST(InputPointer, MarkerDragWhenShownAndHandOverToALowerMarker)
{
    ViewHarness h(490, 300);
    CMirobeltView& v = *h.view;
    UseLayout490x300(v);
    // Marker 3 stands at pixel (33, 15), marker 1 at (22, 15); one row lower
    // the pointer is still on them and inside the markers' box.
    v.OnMouseMove(MK_RBUTTON, {33, 16});
    EXPECT_EQ(v.m_markers[3].nDrag, 0);  // hidden markers cannot be taken
    g_bShowMarkers = 1;
    v.OnMouseMove(MK_RBUTTON, {33, 16});
    EXPECT_EQ(s_nMouseGesture, 103);
    v.OnMouseMove(MK_RBUTTON, {40, 20});
    v.OnMouseMove(MK_RBUTTON, {40, 15});  // 6.2 cm above the box: refused
    EXPECT_EQ(v.m_markers[3].x, Metres(40));
    EXPECT_EQ(v.m_markers[3].y, Metres(20));
    v.OnMouseMove(MK_RBUTTON, {22, 16});
    EXPECT_EQ(s_nMouseGesture, 101);
    v.OnMouseMove(MK_RBUTTON, {60, 20});
    EXPECT_EQ(v.m_markers[1].x, Metres(60));
    EXPECT_EQ(v.m_markers[3].x, Metres(40));
    v.OnRButtonUp(0, {});
    EXPECT_EQ(v.m_markers[3].nDrag, 0);
}

TEST(InputPointer, LeftPressOnABallAimsFromItsCentre)
{
    ViewHarness h(490, 300);
    CMirobeltView& v = *h.view;
    UseLayout490x300(v);
    Mouse(v, QEvent::MouseButtonPress, {61, 79}, Qt::LeftButton, Qt::LeftButton);  // on the red ball
    EXPECT_EQ(v.m_aim.dOriginX, 0.2);
    EXPECT_EQ(v.m_aim.dOriginY, 0.3);
    EXPECT_EQ(v.m_aim.m_nAimBall, 2);
    EXPECT_EQ(v.m_nCueBall, 2);
    EXPECT_EQ(v.m_aim.dTargetX, Metres(61));
    Mouse(v, QEvent::MouseMove, {330, 200}, Qt::NoButton, Qt::LeftButton);
    Mouse(v, QEvent::MouseButtonRelease, {330, 200}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(v.m_aim.m_nAimBall, 0);
    EXPECT_EQ(v.m_aim.dTargetX, Metres(330));
    EXPECT_EQ(v.m_aim.dTargetY, Metres(200));
}

TEST(InputPointer, DoubleClickComputesOnlyAChangedSetUp)
{
    ViewHarness h(490, 300);
    CMirobeltView& v = *h.view;
    v.m_nCueBall = 2;  // the red ball, straight to the right along row 79
    v.m_aim = CAimLine{0.2, 0.3, 0.9, 0.3};
    v.m_balls[2].x = 2.0;
    auto redPathShown = [&] { return h.Pixel(79, 79) == Rgb(255, 0, 0); };

    Mouse(v, QEvent::MouseButtonDblClick, {300, 200}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(v.m_bSetupChanged, 0);
    EXPECT_TRUE(redPathShown());
    h.doc->m_dShotPower = -1;  // a new computation would overwrite it
    v.OnLButtonDblClk(0, {});
    EXPECT_EQ(h.doc->m_dShotPower, -1);

    CDC* dc = v.AcquireWindowDC();
    dc->FillSolidRect(300, 150, 10, 10, RGB(0, 0, 255));
    v.ReleaseWindowDC(dc);
    v.m_bSetupChanged = 1;
    v.OnLButtonDblClk(MK_CONTROL, {});  // the paths go over what is shown
    EXPECT_EQ(h.doc->m_dShotPower, 0.5);
    EXPECT_EQ(h.Pixel(305, 155), Rgb(0, 0, 255));
    EXPECT_TRUE(redPathShown());
    v.m_bSetupChanged = 1;
    v.OnLButtonDblClk(0, {});  // the table is drawn first
    EXPECT_EQ(h.Pixel(305, 155), Rgb(0, 128, 0));
    EXPECT_TRUE(redPathShown());
}

TEST(InputKeys, KeypadAndFunctionKeyStepsAndLimits)
{
    ViewHarness h;
    CMirobeltView& v = *h.view;
    auto press = [&](std::uint32_t flags, int times = 1) {
        for (int i = 0; i < times; ++i)
            v.OnKeyDown(0, 1, flags);
    };
    press(0x4D);
    EXPECT_DOUBLE_EQ(v.m_dStrikeSide, 0.02);  // a press is two steps
    press(0x4D, 34);
    EXPECT_NEAR(v.m_dStrikeSide, 0.7, 1e-12);
    press(0x4D);
    EXPECT_EQ(v.m_dStrikeSide, 0.7);
    v.m_dStrikeSide = 0.9;  // set with the mouse: only an outward step clamps
    press(0x4B);
    EXPECT_DOUBLE_EQ(v.m_dStrikeSide, 0.88);
    press(0x50, 40);
    EXPECT_EQ(v.m_dStrikeHeight, 0.7);
    press(0x48);
    EXPECT_DOUBLE_EQ(v.m_dStrikeHeight, 0.68);
    for (std::uint32_t bit : {KF_REPEAT, KF_ALTDOWN, KF_EXTENDED})
        press(0x48 | bit);
    EXPECT_DOUBLE_EQ(v.m_dStrikeHeight, 0.68);
    v.OnKeyDown(0, 0xFFFFFFFFu, 0x48);  // a huge repeat count stops at the limit
    EXPECT_EQ(v.m_dStrikeHeight, -0.7);

    v.m_dRaiseAngle = 87;
    press(0x41);
    EXPECT_EQ(v.m_dRaiseAngle, 88.0);
    v.m_dRaiseAngle = 90;
    press(0x41);
    EXPECT_EQ(v.m_dRaiseAngle, 88.0);
    press(0x40);  // F6, if it ever reaches the view, steps down
    EXPECT_EQ(v.m_dRaiseAngle, 87.0);
    press(0x3F);
    EXPECT_EQ(v.m_dRaiseAngle, 0.0);
    press(0x42 | KF_ALTDOWN);
    EXPECT_EQ(v.m_dRaiseAngle, 0.0);
    press(0x42);
    EXPECT_EQ(v.m_dRaiseAngle, 88.0);
}

TEST(InputKeys, QtKeyEventsWithAndWithoutNumLock)
{
    ViewHarness h;
    CMirobeltView& v = *h.view;
    Key(v, Qt::Key_8, Qt::KeypadModifier);
    Key(v, Qt::Key_Up, Qt::KeypadModifier);
    EXPECT_DOUBLE_EQ(v.m_dStrikeHeight, -0.04);
    Key(v, Qt::Key_Up, Qt::NoModifier);  // the separate arrow key
    Key(v, Qt::Key_8, Qt::NoModifier);   // the digit row
    Key(v, Qt::Key_8, Qt::KeypadModifier, true);
    EXPECT_DOUBLE_EQ(v.m_dStrikeHeight, -0.04);
    Key(v, Qt::Key_F7, Qt::NoModifier);
    EXPECT_EQ(v.m_dRaiseAngle, 1.0);
    Key(v, Qt::Key_N, Qt::ShiftModifier);
    EXPECT_EQ(v.m_dStrikeHeight, 0.0);
}

TEST(InputKeys, SpaceWithAnUnchangedSetUpShowsWithoutComputing)
{
    ViewHarness h(490, 300);
    CMirobeltView& v = *h.view;
    v.m_nCueBall = 2;
    v.m_aim = CAimLine{0.2, 0.3, 0.9, 0.3};
    v.OnKeyDown(vk::Space, 1, 0x39);
    EXPECT_EQ(v.m_bSetupChanged, 0);
    EXPECT_EQ(h.doc->m_dShotDirX, 0.9 - 0.2);

    h.doc->m_dShotPower = -1;
    CDC* dc = v.AcquireWindowDC();
    dc->FillSolidRect(0, 0, 500, 300, RGB(0, 0, 255));
    v.ReleaseWindowDC(dc);
    v.OnKeyDown(vk::Space, 1, 0x39);
    EXPECT_EQ(h.doc->m_dShotPower, -1);
    EXPECT_EQ(h.Pixel(79, 79), Rgb(255, 0, 0));  // the red path, over a fresh table
}
