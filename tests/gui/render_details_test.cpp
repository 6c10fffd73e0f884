// Details of the table picture: the lines of the frame styles, the colours
// that erase, and the half table's sights and spots.

#include <gtest/gtest.h>

#include <QPoint>

#include "GuiTestSupport.h"

namespace
{
const QRgb kCloth = Rgb(0, 128, 0);
const QRgb kBlack = Rgb(0, 0, 0);
const QRgb kWhite = Rgb(255, 255, 255);
}  // namespace

// In the 490 x 300 layout (margin m = 21, table 454 x 227 px) the lines stand
// where the drawing's formulas put them: style 1 a third of the width from
// each cushion, style 2 the long axis and a half width from each short
// cushion, style 3 the corner diagonals.
TEST(RenderFrame, StylesOneToThreeDrawTheirLines)
{
    ViewHarness h(490, 300);
    CMirobeltView& v = *h.view;
    const int m = 21, L = 454, W = 227;
    const int third = W / 3 + m - 1, twoThirds = (2 * W + 2) / 3 + m, farThird = L - (W + 1) / 3 + m;
    const int half = W / 2 + m - 1, farHalf = L - (W + 1) / 2 + m;
    const std::pair<int, QPoint> lines[] = {
        {1, {third, 200}}, {1, {farThird, 200}}, {1, {300, third}}, {1, {300, twoThirds}},
        {2, {half, 200}},  {2, {farHalf, 200}},  {2, {300, half}},
        // Style 3: (133, 20) to (20, 77) passes y = 20 + 57 x (133 - 77) / 113 at x = 77; its mirror images.
        {3, {77, 48}}, {3, {418, 48}}, {3, {77, 220}}, {3, {418, 220}},
        // Style 1's anchor boxes, a = 14 px (0.08 m) deep on each side: left, right, top, bottom.
        {1, {m + 2 * 14 - 1, third + 5}}, {1, {m + L - 2 * 14, third + 5}}, {1, {third + 5, m + 2 * 14 - 1}},
        {1, {third + 5, m + W - 2 * 14}}, {1, {m + 2 * 14 - 1, W - (W + 1) / 3 + m + 5}}};
    for (int style = 0; style <= 3; ++style)
    {
        if (style > 0)
            v.OnFrameStyle();
        for (const auto& [lineStyle, p] : lines)
            EXPECT_EQ(h.Pixel(p.x(), p.y()), lineStyle == style ? kBlack : kCloth)
                << "style " << style << " at " << p.x() << "," << p.y();
    }
}

// The outer edge, the cushion nose and the back of the cushions, on each side,
// are black lines with rail or cloth on their inner side.
TEST(RenderTable, OutlinesOfRailsAndCushions)
{
    ViewHarness h(490, 300);
    h.Draw();
    // Left, top, right, bottom: the outer edge (0 to 2m + L), the cushion nose
    // (m - 1 to m + L) and the back of the cushions (c - 1 to m + K + L), with
    // m = 21, K = 7, c = m - K, L = 454, W = 227.
    const int outlines[3][4] = {{0, 0, 496, 269}, {20, 20, 475, 248}, {13, 13, 482, 255}};
    for (const auto& edges : outlines)
        for (int side = 0; side < 4; ++side)
        {
            const int dx = side % 2 == 0 ? 1 : 0, dy = 1 - dx, inward = side < 2 ? 1 : -1;
            const int x = dx ? edges[side] : 300, y = dy ? edges[side] : 200;
            EXPECT_EQ(h.Pixel(x, y), kBlack) << edges[0] << " side " << side;
            EXPECT_NE(h.Pixel(x + inward * dx, y + inward * dy), kBlack) << edges[0] << " side " << side;
        }
}

// Erasing paints the cloth colour in colour and the paper in monochrome: a
// ball's box, a ball's disc, a marker and the aim line drawn last.
TEST(RenderErase, BallsMarkersAndTheAimLineEraseToTheCloth)
{
    for (const bool colour : {true, false})
    {
        ViewHarness h(490, 300);
        CMirobeltView& v = *h.view;
        g_bShowMarkers = 1;
        colour ? v.OnColour() : v.OnMonochrome();
        const QRgb cloth = colour ? kCloth : kWhite;
        v.m_aim = CAimLine{0.1, 0.3, 1.5, 0.3};
        h.Draw();
        const int row = v.MapY(0.3), red = v.MapX(0.2), r = v.m_nBallRadiusPx;
        const QPoint spotted(v.MapX(0.4), v.MapY(0.5)), marker(v.MapX(0.1), v.MapY(-0.06));
        auto clothAcross = [&](int x0, int x1, int y) {
            int n = 0;
            for (int x = x0; x < x1; ++x)
                n += h.Pixel(x, y) == cloth;
            return n;
        };
        EXPECT_LT(clothAcross(red - r, red + r, row), 2 * r) << colour;
        EXPECT_NE(h.Pixel(v.MapX(1.0), row), cloth);  // the aim line
        CDC* dc = v.AcquireWindowDC();
        v.m_balls[1].Draw(v, *dc, 1);
        v.m_balls[2].EraseDisc(v, *dc, 0, 0);
        v.m_markers[5].Draw(v, *dc, 1);
        v.m_aim.dTargetY = 0.9;
        v.m_aim.Draw(v, *dc);
        v.ReleaseWindowDC(dc);
        EXPECT_EQ(clothAcross(red - r, red + r, row), 2 * r) << colour;
        EXPECT_EQ(clothAcross(spotted.x() - r + 1, spotted.x() + r - 1, spotted.y()), 2 * r - 2) << colour;
        EXPECT_EQ(h.Pixel(marker.x(), marker.y()), cloth) << colour;
        EXPECT_EQ(h.Pixel(v.MapX(1.0), row), cloth) << colour;
    }
}

// The half table has sights at 2, 4 and 6 eighths of the long rails and in
// the middle of the short ones, and no spots.
TEST(RenderHalfTable, SightsAtEvenEighthsAndNoSpots)
{
    // Format, window, then the layout: margin m, rail band c, table L x W px.
    // In the smallest window the rail band is too thin for c / 8: the sights keep a 1-pixel radius.
    const int cases[3][7] = {{2, 600, 400, 25, 17, 557, 278}, {0, 600, 400, 29, 12, 549, 274},
                             {0, 300, 200, 14, 6, 279, 139}};
    for (const auto [format, width, height, margin, band, length, breadth] : cases)
    {
        ViewHarness h(width, height);
        CMirobeltView& v = *h.view;
        g_nTableFormat = format;
        v.ApplyTableFormat();
        const int m = v.m_nMarginPx, c = m - v.m_nCushionPx, L = v.m_nTableLengthPx, W = v.m_nTableWidthPx;
        EXPECT_EQ(std::tuple(m, c, L, W), std::tuple(margin, band, length, breadth));
        const QRgb sight = format ? Rgb(10, 10, 0) : kWhite, rail = Rgb(128, 128, 0);
        for (int i = 1; i <= 7; ++i)
        {
            const QRgb want = format || i % 2 == 0 ? sight : rail;
            EXPECT_EQ(h.Pixel(m + i * (L / 8), c / 2), want) << format << " top " << i;
            EXPECT_EQ(h.Pixel(m + i * (L / 8), 2 * m - c / 2 + W), want) << format << " bottom " << i;
        }
        for (int i = 1; i <= 3; ++i)
        {
            const QRgb want = format || i == 2 ? sight : rail;
            EXPECT_EQ(h.Pixel(c / 2, m + i * (W / 4)), want) << format << " left " << i;
            EXPECT_EQ(h.Pixel(2 * m - c / 2 + L, m + i * (W / 4)), want) << format << " right " << i;
        }
        const int q = W / 2 + m - 1;  // the spot's outline, left of its centre
        EXPECT_EQ(h.Pixel(q - 2, q), format ? kBlack : kCloth);
        EXPECT_EQ(h.Pixel((3 * W) / 2 + m - 3, q), format ? kBlack : kCloth);
    }
}
