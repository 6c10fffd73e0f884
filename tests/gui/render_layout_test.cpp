// SPDX-License-Identifier: GPL-3.0-or-later
// Layout of the table in the window (the cue-setting widgets' rectangles are
// where the pictures in render_table_test show them).

#include "GuiTestSupport.h"

// A 490 x 300 client area and the 2.55 m table.
TEST(RenderLayout, WorkedExample490x300)
{
    ViewHarness h(490, 300);
    h.Draw();
    const CMirobeltView& v = *h.view;
    EXPECT_NEAR(v.MetresPerPixel(), 0.0056111, 1e-7);  // sy beats sx = 0.00558
    // Drawing area 500 x 300; table 454 x 227, cushion 7, margin 21 (a rail
    // band of 14), ball radius 5, ball-centre origin 26, total width 497; the
    // table centre at pixel (248, 134).
    EXPECT_EQ((std::vector{v.m_nDrawWidth, v.m_nDrawHeight, v.m_nTableLengthPx, v.m_nTableWidthPx, v.m_nCushionPx,
                           v.m_nMarginPx, v.m_nBallRadiusPx, v.m_nOriginPx, v.m_nTableTotalWidthPx, v.MapX(1.2445),
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
    Edit(*h.view)->tableFormat = 3;
    h.doc->ApplyTableFormat(2);  // by hand: the 2.55 m table again, under the new format
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
