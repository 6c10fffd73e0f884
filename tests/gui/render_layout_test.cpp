// Layout of the table in the window and the cue-setting widgets' rectangles.

#include <gtest/gtest.h>

#include <cmath>

#include "GuiTestSupport.h"
#include "platform/MessagePump.h"

namespace
{
void ExpectRect(const CWidgetRect& w, int left, int top, int right, int bottom)
{
    EXPECT_EQ(w.nState, 0);
    EXPECT_EQ(w.rc.left, left);
    EXPECT_EQ(w.rc.top, top);
    EXPECT_EQ(w.rc.right, right);
    EXPECT_EQ(w.rc.bottom, bottom);
}
}  // namespace

// A 490 x 300 client area and the 2.55 m table.
TEST(RenderLayout, WorkedExample490x300)
{
    ViewHarness h(490, 300);
    h.Draw();
    const CMirobeltView& v = *h.view;
    EXPECT_EQ(v.m_nDrawWidth, 500);
    EXPECT_EQ(v.m_nDrawHeight, 300);
    EXPECT_NEAR(g_dMetresPerPixel, 0.0056111, 1e-7);  // sy beats sx = 0.00558
    EXPECT_EQ(v.m_nTableLengthPx, 454);
    EXPECT_EQ(v.m_nTableWidthPx, 227);
    EXPECT_EQ(v.m_nMarginPx - v.m_nCushionPx, 14);  // rail band
    EXPECT_EQ(v.m_nCushionPx, 7);
    EXPECT_EQ(v.m_nMarginPx, 21);
    EXPECT_EQ(v.m_nBallRadiusPx, 5);
    EXPECT_EQ(v.m_nOriginPx, 26);
    EXPECT_DOUBLE_EQ(v.m_dPixPerMetreX, 444 / 2.489);
    EXPECT_DOUBLE_EQ(v.m_dMetrePerPixX, 2.489 / 444);
    EXPECT_DOUBLE_EQ(v.m_dCentreMaxX, 2.489);
    EXPECT_DOUBLE_EQ(v.m_dCentreMaxY, 1.214);
    EXPECT_EQ(g_nTableTotalWidthPx, 497);
    EXPECT_EQ(v.MapX(1.2445), 248);
    EXPECT_EQ(v.MapY(0.607), 134);
    EXPECT_DOUBLE_EQ(v.PixelToTableX(248), 222 * 2.489 / 444);
    EXPECT_EQ(v.PixelToTableY(26), 0.0);

    // The ball is drawn centred there.
    h.view->m_balls[1].x = 1.2445;
    h.view->m_balls[1].y = 0.607;
    h.Draw();
    EXPECT_EQ(h.Pixel(248, 134), Rgb(255, 0, 0));
    EXPECT_EQ(h.Pixel(248 + 7, 134), Rgb(0, 128, 0));
}

TEST(RenderLayout, RelayoutOnlyOnSizeOrFormatChange)
{
    ViewHarness h(490, 300);
    h.Draw();
    ASSERT_EQ(h.view->m_nTableLengthPx, 454);

    // The geometry alone changes: same size and format, the layout stays.
    h.doc->m_geometry.length = 2.84;
    h.Draw();
    EXPECT_EQ(h.view->m_nTableLengthPx, 454);

    // One pixel wider: laid out anew, now bound by the width:
    // s = 3.08 / 501, 2.84 / s = 461.97.
    h.view->resize(491, 300);
    PumpPendingMessages();
    h.Draw();
    EXPECT_EQ(h.view->m_nDrawWidth, 501);
    EXPECT_EQ(h.view->m_nTableLengthPx, 461);

    // A format change at the same size lays out again too.
    h.doc->m_geometry.length = 2.55;
    h.Draw();
    EXPECT_EQ(h.view->m_nTableLengthPx, 461);
    g_nTableFormat = 3;
    h.Draw();
    EXPECT_EQ(h.view->m_nTableLengthPx, 454);

    // No height at all: sizes drop to zero, and pointer positions map onto the
    // corner (0, 0) that no ball may take, never onto infinities.
    h.view->resize(4, 0);
    PumpPendingMessages();
    h.view->ComputeLayout(h.doc->m_geometry);
    ASSERT_EQ(h.view->m_nDrawHeight, 0);
    EXPECT_EQ(h.view->m_nTableLengthPx, 0);
    EXPECT_EQ(h.view->PixelToTableX(100), 0.0);
    EXPECT_EQ(h.view->PixelToTableY(-100), 0.0);
}

TEST(RenderLayout, WidgetRectanglesFollowTheWindow)
{
    {
        // Client 600 x 400: drawing area 610 x 400; table 557 + 2 * 25 + 1 = 608.
        ViewHarness h(600, 400);
        h.Draw();
        ASSERT_EQ(h.view->m_nDrawWidth, 610);
        ASSERT_EQ(g_nTableTotalWidthPx, 608);
        ExpectRect(h.view->m_strikeWidget, 5, 360, 35, 390);
        ExpectRect(h.view->m_raiseCursor, -3, 352, 43, 398);
        ExpectRect(h.view->m_forceBar, 55, 360, 605, 370);
    }
    {
        // Client 600 x 300: the table is 497 wide and bounds the bar.
        ViewHarness h(600, 300);
        h.Draw();
        ASSERT_EQ(g_nTableTotalWidthPx, 497);
        ExpectRect(h.view->m_strikeWidget, 5, 270, 28, 293);
        ExpectRect(h.view->m_forceBar, 48, 270, 497, 277);
    }
    {
        // H/40 = 5: the bar stays 6 high. Table 302 + 2 * 13 + 1 = 329.
        ViewHarness h(600, 200);
        h.Draw();
        ExpectRect(h.view->m_forceBar, 40, 180, 329, 186);
    }
}
