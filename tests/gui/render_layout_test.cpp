// Layout of the table in the window and the cue-setting widgets' rectangles.

#include "GuiTestSupport.h"

namespace
{
// State, left, top, right, bottom.
std::array<int, 5> Rect(const CWidgetRect& w) { return {w.nState, w.rc.left, w.rc.top, w.rc.right, w.rc.bottom}; }
}  // namespace

// A 490 x 300 client area and the 2.55 m table.
TEST(RenderLayout, WorkedExample490x300)
{
    ViewHarness h(490, 300);
    h.Draw();
    const CMirobeltView& v = *h.view;
    EXPECT_NEAR(g_dMetresPerPixel, 0.0056111, 1e-7);  // sy beats sx = 0.00558
    // Drawing area 500 x 300; table 454 x 227, cushion 7, margin 21 (a rail
    // band of 14), ball radius 5, ball-centre origin 26, total width 497; the
    // table centre at pixel (248, 134).
    EXPECT_EQ((std::vector{v.m_nDrawWidth, v.m_nDrawHeight, v.m_nTableLengthPx, v.m_nTableWidthPx, v.m_nCushionPx,
                           v.m_nMarginPx, v.m_nBallRadiusPx, v.m_nOriginPx, g_nTableTotalWidthPx, v.MapX(1.2445),
                           v.MapY(0.607)}),
              (std::vector{500, 300, 454, 227, 7, 21, 5, 26, 497, 248, 134}));
    EXPECT_DOUBLE_EQ(v.m_dPixPerMetreX, 444 / 2.489);
    EXPECT_EQ(std::pair(v.m_dCentreMaxX, v.m_dCentreMaxY), std::pair(2.489, 1.214));
    EXPECT_DOUBLE_EQ(v.PixelToTableX(248), 222 * 2.489 / 444);
    EXPECT_EQ(v.PixelToTableY(26), 0.0);
}

TEST(RenderLayout, RelayoutOnlyOnSizeOrFormatChange)
{
    ViewHarness h(490, 300);
    auto lengthAfterDraw = [&h] {
        h.Draw();
        return h.view->m_nTableLengthPx;
    };
    ASSERT_EQ(lengthAfterDraw(), 454);

    // The geometry alone changes: same size and format, the layout stays.
    h.doc->m_geometry.length = 2.84;
    EXPECT_EQ(lengthAfterDraw(), 454);

    // One pixel wider: laid out anew, now bound by the width:
    // s = 3.08 / 501, 2.84 / s = 461.97.
    h.view->resize(491, 300);
    PumpPendingMessages();
    EXPECT_EQ(lengthAfterDraw(), 461);
    EXPECT_EQ(h.view->m_nDrawWidth, 501);

    // A format change at the same size lays out again too.
    h.doc->m_geometry.length = 2.55;
    EXPECT_EQ(lengthAfterDraw(), 461);
    g_nTableFormat = 3;
    EXPECT_EQ(lengthAfterDraw(), 454);

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

// Client height; the strike widget, the raise cursor and the force bar.
// 400: drawing area 610 x 400, the bar up to the table's 557 + 2 * 25 + 1 =
// 608 px; 300: the 497 px table bounds the bar; 200: H/40 = 5, the bar stays
// 6 high, the table 302 + 2 * 13 + 1 = 329 px.
TEST(RenderLayout, WidgetRectanglesFollowTheWindow)
{
    using R = std::array<int, 5>;
    const std::tuple<int, R, R, R> cases[] = {
        {400, {0, 5, 360, 35, 390}, {0, -3, 352, 43, 398}, {0, 55, 360, 605, 370}},
        {300, {0, 5, 270, 28, 293}, {}, {0, 48, 270, 497, 277}},
        {200, {}, {}, {0, 40, 180, 329, 186}}};  // {}: not checked
    for (const auto& [height, strike, raise, bar] : cases)
    {
        ViewHarness h(600, height);
        h.Draw();
        for (const auto& [widget, want] : {std::pair(&h.view->m_strikeWidget, strike), {&h.view->m_raiseCursor, raise}})
        {
            if (want == R{})
                continue;
            EXPECT_EQ(Rect(*widget), want) << height;
        }
        EXPECT_EQ(Rect(h.view->m_forceBar), bar) << height;
    }
}
