// The table picture and the display commands that change it.

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <tuple>
#include <utility>
#include <vector>

#include "GuiTestSupport.h"

namespace
{
const QRgb kCloth = Rgb(0, 128, 0);
const QRgb kRail = Rgb(128, 128, 0);
const QRgb kWhite = Rgb(255, 255, 255);
const QRgb kBlack = Rgb(0, 0, 0);
const QRgb kBlue = Rgb(0, 0, 255);
const QRgb kRed = Rgb(255, 0, 0);
const QRgb kYellow = Rgb(255, 255, 0);

// In the 490 x 300 layout (margin 21, rail band 14): a rail pixel clear of the
// sights and a bed pixel clear of spots and balls.
constexpr int kRailX = 3, kRailY = 49;
constexpr int kBedX = 321, kBedY = 51;

void ExpectPixels(const ViewHarness& h, std::initializer_list<std::tuple<int, int, QRgb>> pixels)
{
    for (const auto& [x, y, colour] : pixels)
        EXPECT_EQ(h.Pixel(x, y), colour) << "at " << x << "," << y;
}

std::array<std::pair<double, double>, 3> Places(const CMirobeltView& v)
{
    return {{{v.m_balls[0].x, v.m_balls[0].y}, {v.m_balls[1].x, v.m_balls[1].y}, {v.m_balls[2].x, v.m_balls[2].y}}};
}
}  // namespace

TEST(RenderTable, ColourAndMonochromePictures)
{
    ScopedWorkingFolder folder;  // the first draw finds no demonstration file
    ViewHarness h(490, 300, false);
    CMirobeltView& v = *h.view;
    v.m_nCurPosition = 4;
    v.m_nPositionCount = 7;
    g_bFirstDrawDone = 0;
    h.Draw();
    EXPECT_EQ(g_bFirstDrawDone, 1);
    EXPECT_EQ(std::pair(g_nShownPosition, g_nShownPositionCount), std::pair(5, 7));

    // A cushion, its nose at m - 1; the default balls: white (0.1, 0.3), red
    // (0.2, 0.3), spotted (0.4, 0.5); a spot outline around q3 = 3 * 227 / 2 +
    // 20 = 360 on the long axis q = 133.
    const int rx = v.MapX(0.2), ry = v.MapY(0.3), r = v.m_nBallRadiusPx;
    ExpectPixels(h, {{kRailX, kRailY, kRail}, {kBedX, kBedY, kCloth}, {17, 121, kCloth}, {20, 150, kBlack},
                     {v.MapX(0.1), ry, kWhite}, {rx, ry, kRed}, {v.MapX(0.4), v.MapY(0.5), kYellow},
                     {362, 133, kBlack}, {360, 133, kCloth}});

    // Monochrome: paper, black lines, the balls outlined.
    v.OnMonochrome();
    EXPECT_EQ(g_bColour, 0);
    ExpectPixels(h, {{kRailX, kRailY, kWhite}, {kBedX, kBedY, kWhite}, {20, 150, kBlack}, {rx, ry, kWhite},
                     {rx - r, ry, kBlack}});
    EXPECT_EQ(g_brRedBall.Colour(), RGB(255, 0, 0));  // objects are not rebuilt

    // Monochrome again changes no setting but draws the aim line anew.
    v.m_aim.dOriginX = 0.5;
    v.OnMonochrome();
    EXPECT_EQ(v.m_aim.dLastOriginX, 0.5);

    v.OnColour();
    ExpectPixels(h, {{kRailX, kRailY, kRail}, {kBedX, kBedY, kCloth}, {rx, ry, kRed}});
    EXPECT_EQ(v.m_balls[2].pBrush, &g_brSpottedBall);

    // The cloth takes the colour field at draw time.
    v.m_crCloth = RGB(1, 2, 3);
    h.Draw();
    EXPECT_EQ(h.Pixel(kBedX, kBedY), Rgb(1, 2, 3));
}

TEST(RenderTable, MarkersShownHiddenAndErased)
{
    ViewHarness h(490, 300);
    CMirobeltView& v = *h.view;
    // Marker 5 at (0.10, -0.06), on the top cushion: pixel (43, 15).
    h.Draw();
    ASSERT_EQ(v.MapX(0.1), 43);
    ASSERT_EQ(v.MapY(-0.06), 15);
    EXPECT_EQ(h.Pixel(43, 15), kCloth);

    v.OnShowMarkers();
    ExpectPixels(h, {{43, 15, kBlue}, {v.MapX(0.22), 15, kBlue}});  // markers 5 and 9

    // A dragged marker is erased: the table comes back under it alone.
    CDC* dc = v.AcquireWindowDC();
    v.m_markers[5].Erase(v, *dc, 0.5, 0.5);
    v.ReleaseWindowDC(dc);
    ExpectPixels(h, {{43, 15, kCloth}, {v.MapX(0.07), 15, kBlue}});

    v.OnShowMarkers();
    EXPECT_EQ(g_bShowMarkers, 0);
    EXPECT_EQ(h.Pixel(v.MapX(0.22), 15), kCloth);
}

TEST(RenderTable, FrameStyleCycle)
{
    ViewHarness h(490, 300);
    CMirobeltView& v = *h.view;
    // Grid: vertical line 1 at x = 227/4 + 20 = 76, horizontal line 1 at y = 76.
    for (const int style : {1, 2, 3, 4, 0})
    {
        v.OnFrameStyle();
        EXPECT_EQ(v.m_nFrameStyle, style);
        const QRgb grid = style == 4 ? kBlack : kCloth;
        ExpectPixels(h, {{76, 200, grid}, {300, 76, grid}});
    }
    v.m_bAnimating = 1;
    v.OnFrameStyle();
    EXPECT_EQ(v.m_nFrameStyle, 0);
}

TEST(RenderTable, TableFormatCycleAndBallReset)
{
    ViewHarness h(490, 300);
    CMirobeltView& v = *h.view;
    h.Draw();
    const auto defaults = Places(v);
    std::vector<std::pair<int, double>> formats;
    std::vector<int> lengthsPx;
    for (int press = 0; press < 4; ++press)
    {
        v.OnTableFormat();
        formats.emplace_back(g_nTableFormat, h.doc->m_geometry.length);
        lengthsPx.push_back(v.m_nTableLengthPx);
    }
    EXPECT_EQ(formats, (std::vector<std::pair<int, double>>{{3, 2.84}, {0, 1.275}, {1, 2.30}, {2, 2.55}}));
    EXPECT_EQ(lengthsPx[1], 442);  // half table: s = 0.7775 / 300 * 10/9
    // The default balls fit on every table and stayed put.
    EXPECT_EQ(Places(v), defaults);

    // A ball beyond the half table's span: all three go back to their places.
    g_nTableFormat = 3;
    v.ApplyTableFormat();
    v.m_balls[2].x = 1.5;
    v.m_aim.dOriginX = 0.7;
    v.OnTableFormat();
    ASSERT_EQ(g_nTableFormat, 0);
    EXPECT_EQ(Places(v), (std::array<std::pair<double, double>, 3>{{{0.1, 0.1}, {0.2, 0.15}, {0.3, 0.39}}}));
    EXPECT_EQ(v.m_aim.dLastOriginX, 0.7);
    EXPECT_EQ(h.Pixel(v.MapX(0.3), v.MapY(0.39)), kYellow);

    v.m_bAnimating = 1;
    v.OnTableFormat();
    EXPECT_EQ(g_nTableFormat, 0);
}
