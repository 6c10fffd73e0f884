// The table picture and the display commands that change it.

#include <gtest/gtest.h>

#include "GuiTestSupport.h"

namespace
{
const QRgb kCloth = Rgb(0, 128, 0);
const QRgb kRail = Rgb(128, 128, 0);
const QRgb kWhite = Rgb(255, 255, 255);
const QRgb kBlack = Rgb(0, 0, 0);
const QRgb kBlue = Rgb(0, 0, 255);

// In the 490 x 300 layout (margin 21, rail band 14): a rail pixel clear of the
// sights and a bed pixel clear of spots and balls.
constexpr int kRailX = 3, kRailY = 49;
constexpr int kBedX = 321, kBedY = 51;
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
    EXPECT_EQ(g_nShownPosition, 5);
    EXPECT_EQ(g_nShownPositionCount, 7);

    EXPECT_EQ(h.Pixel(kRailX, kRailY), kRail);
    EXPECT_EQ(h.Pixel(kBedX, kBedY), kCloth);
    EXPECT_EQ(h.Pixel(17, 121), kCloth);  // cushion
    EXPECT_EQ(h.Pixel(20, 150), kBlack);  // cushion nose at m - 1
    // Default balls: white (0.1, 0.3), red (0.2, 0.3), spotted (0.4, 0.5).
    const int rx = v.MapX(0.2), ry = v.MapY(0.3), r = v.m_nBallRadiusPx;
    EXPECT_EQ(h.Pixel(v.MapX(0.1), ry), kWhite);
    EXPECT_EQ(h.Pixel(rx, ry), Rgb(255, 0, 0));
    EXPECT_EQ(h.Pixel(v.MapX(0.4), v.MapY(0.5)), Rgb(255, 255, 0));
    // Spot outline around q3 = 3 * 227 / 2 + 20 = 360 on the long axis q = 133.
    EXPECT_EQ(h.Pixel(362, 133), kBlack);
    EXPECT_EQ(h.Pixel(360, 133), kCloth);

    v.OnMonochrome();
    EXPECT_EQ(g_bColour, 0);
    EXPECT_EQ(h.Pixel(kRailX, kRailY), kWhite);
    EXPECT_EQ(h.Pixel(kBedX, kBedY), kWhite);
    EXPECT_EQ(h.Pixel(20, 150), kBlack);
    EXPECT_EQ(h.Pixel(rx, ry), kWhite);
    EXPECT_EQ(h.Pixel(rx - r, ry), kBlack);  // outline
    EXPECT_EQ(g_brRedBall.Colour(), RGB(255, 0, 0));  // objects are not rebuilt

    // Monochrome again changes no setting but draws the aim line anew.
    v.m_aim.dOriginX = 0.5;
    v.OnMonochrome();
    EXPECT_EQ(v.m_aim.dLastOriginX, 0.5);

    v.OnColour();
    EXPECT_EQ(h.Pixel(kRailX, kRailY), kRail);
    EXPECT_EQ(h.Pixel(kBedX, kBedY), kCloth);
    EXPECT_EQ(h.Pixel(rx, ry), Rgb(255, 0, 0));
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
    EXPECT_EQ(h.Pixel(43, 15), kBlue);
    EXPECT_EQ(h.Pixel(v.MapX(0.22), 15), kBlue);  // marker 9

    // A dragged marker is erased: the table comes back under it alone.
    CDC* dc = v.AcquireWindowDC();
    v.m_markers[5].Erase(v, *dc, 0.5, 0.5);
    v.ReleaseWindowDC(dc);
    EXPECT_EQ(h.Pixel(43, 15), kCloth);
    EXPECT_EQ(h.Pixel(v.MapX(0.07), 15), kBlue);

    v.OnShowMarkers();
    EXPECT_EQ(g_bShowMarkers, 0);
    EXPECT_EQ(h.Pixel(v.MapX(0.22), 15), kCloth);
}

TEST(RenderTable, FrameStyleCycle)
{
    ViewHarness h(490, 300);
    CMirobeltView& v = *h.view;
    // Grid: vertical line 1 at x = 227/4 + 20 = 76, horizontal line 1 at y = 76.
    const int expected[5] = {1, 2, 3, 4, 0};
    for (int press = 0; press < 5; ++press)
    {
        v.OnFrameStyle();
        EXPECT_EQ(v.m_nFrameStyle, expected[press]);
        const QRgb grid = v.m_nFrameStyle == 4 ? kBlack : kCloth;
        EXPECT_EQ(h.Pixel(76, 200), grid) << v.m_nFrameStyle;
        EXPECT_EQ(h.Pixel(300, 76), grid) << v.m_nFrameStyle;
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
    const int formats[4] = {3, 0, 1, 2};
    const double lengths[4] = {2.84, 1.275, 2.30, 2.55};
    for (int press = 0; press < 4; ++press)
    {
        v.OnTableFormat();
        EXPECT_EQ(g_nTableFormat, formats[press]);
        EXPECT_EQ(h.doc->m_geometry.length, lengths[press]);
        // Half table: s = 0.7775 / 300 * 10/9, length 442 px.
        if (formats[press] == 0)
        {
            EXPECT_EQ(v.m_nTableLengthPx, 442);
        }
    }
    // The default balls fit on every table and stayed put.
    EXPECT_EQ(v.m_balls[0].y, 0.3);
    EXPECT_EQ(v.m_balls[2].x, 0.4);

    // A ball beyond the half table's span: all three go back to their places.
    g_nTableFormat = 3;
    v.ApplyTableFormat();
    v.m_balls[2].x = 1.5;
    v.m_aim.dOriginX = 0.7;
    v.OnTableFormat();
    ASSERT_EQ(g_nTableFormat, 0);
    EXPECT_EQ(v.m_balls[0].x, 0.1);
    EXPECT_EQ(v.m_balls[0].y, 0.1);
    EXPECT_EQ(v.m_balls[1].x, 0.2);
    EXPECT_EQ(v.m_balls[1].y, 0.15);
    EXPECT_EQ(v.m_balls[2].x, 0.3);
    EXPECT_EQ(v.m_balls[2].y, 0.39);
    EXPECT_EQ(v.m_aim.dLastOriginX, 0.7);
    EXPECT_EQ(h.Pixel(v.MapX(0.3), v.MapY(0.39)), Rgb(255, 255, 0));

    v.m_bAnimating = 1;
    v.OnTableFormat();
    EXPECT_EQ(g_nTableFormat, 0);
}
