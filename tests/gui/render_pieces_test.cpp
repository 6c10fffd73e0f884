// Balls, the aim line, the aim aids and the cue-setting widgets.

#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>
#include <tuple>

#include "GuiTestSupport.h"

namespace
{
const QRgb kCloth = Rgb(0, 128, 0);
const QRgb kRail = Rgb(128, 128, 0);
const QRgb kRed = Rgb(255, 0, 0);
const QRgb kAim = Rgb(128, 255, 255);
const QRgb kBlack = Rgb(0, 0, 0);
const QRgb kGrey = Rgb(128, 128, 128);

void ExpectPixels(const ViewHarness& h, std::initializer_list<std::tuple<int, int, QRgb>> pixels)
{
    for (const auto& [x, y, colour] : pixels)
        EXPECT_EQ(h.Pixel(x, y), colour) << "at " << x << "," << y;
}

void SetAim(CMirobeltView& v, double originX, double originY, double targetX, double targetY)
{
    v.m_aim.dOriginX = originX;
    v.m_aim.dOriginY = originY;
    v.m_aim.dTargetX = targetX;
    v.m_aim.dTargetY = targetY;
}

void DrawAim(CMirobeltView& v)
{
    CDC* dc = v.AcquireWindowDC();
    v.m_aim.Draw(v, *dc);
    v.ReleaseWindowDC(dc);
}
}  // namespace

TEST(RenderBalls, AbsentBallPlayLoopAndErase)
{
    ViewHarness h(490, 300);
    CMirobeltView& v = *h.view;
    // A ball at (0, 0) exactly is absent; the whole-view draw leaves the balls
    // to the play loop while it runs.
    v.m_balls[1].x = 0;
    const std::tuple<double, int, QRgb> draws[] = {
        {0, 0, kCloth}, {0.001, 0, kRed}, {0.001, 1, kCloth}, {0.001, 0, kRed}};
    for (const auto& [y, playLoop, colour] : draws)
    {
        v.m_balls[1].y = y;
        v.m_bPlayLoop = playLoop;
        h.Draw();
        EXPECT_EQ(h.Pixel(26, 26), colour) << y << " " << playLoop;
    }

    // Erasing leaves the ball's box in cloth colour.
    CDC* dc = v.AcquireWindowDC();
    v.m_balls[1].Draw(v, *dc, 1);
    v.ReleaseWindowDC(dc);
    for (int y = 26 - 5; y < 26 + 5; ++y)
        for (int x = 26 - 5; x < 26 + 5; ++x)
            ASSERT_EQ(h.Pixel(x, y), kCloth) << x << "," << y;
}

// Values from files are taken as they stand: far and non-finite ones draw and
// erase without harm (the sanitizer build checks for undefined behaviour).
TEST(RenderBalls, FarAndNonFiniteCoordinates)
{
    ViewHarness h(490, 300);
    CMirobeltView& v = *h.view;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    v.m_balls[0].x = 1e308;
    v.m_balls[1].x = nan;
    v.m_balls[2].y = -1e308;
    v.m_markers[3].x = nan;
    v.m_aim.dOriginX = 0.5;
    v.m_aim.dTargetX = 1e308;
    v.m_aim.dTargetY = nan;
    v.m_dForce = 1e300;
    v.m_dStrikeSide = nan;
    v.m_dRaiseAngle = 1e308;
    g_bShowMarkers = 1;
    h.Draw();
    CDC* dc = v.AcquireWindowDC();
    for (CViewBall& ball : v.m_balls)
    {
        ball.Draw(v, *dc, 1);
        ball.EraseDisc(v, *dc, 0, 0);
    }
    v.m_markers[3].Erase(v, *dc, 0, 0);
    v.ReleaseWindowDC(dc);
    SetAim(v, -1e308, v.m_aim.dOriginY, 0.5, 0.5);
    h.Draw();
    ExpectPixels(h, {{321, 51, kCloth}, {3, 49, kRail}});
}

TEST(RenderAim, LineDrawnErasedAndExtended)
{
    ViewHarness h(490, 300);
    CMirobeltView& v = *h.view;
    v.m_balls[0].x = 1.0;  // the white ball out of the way
    h.Draw();
    const int row = v.MapY(0.3);

    // Target on the cloth: from origin to target only.
    SetAim(v, 0.3, 0.3, 0.9, 0.3);
    DrawAim(v);
    ExpectPixels(h, {{v.MapX(0.6), row, kAim}, {v.MapX(0.1), row, kCloth}, {v.MapX(1.5), row, kCloth}});

    // A new target: the old line is erased.
    v.m_aim.dTargetY = 0.9;
    DrawAim(v);
    ExpectPixels(h, {{v.MapX(0.75), row, kCloth}, {v.MapX(0.6), v.MapY(0.6), kAim}});

    // Target on the rail: across the whole cloth through the origin, cut at
    // the cushion noses (x = 21 and 21 + 454 - 1).
    SetAim(v, 0.3, 0.3, 2.6, 0.3);
    DrawAim(v);
    ExpectPixels(h, {{v.MapX(0.6), v.MapY(0.6), kCloth}, {21, row, kAim}, {474, row, kAim}, {478, row, kCloth}});

    // Unchanged coordinates: nothing is drawn.
    CDC* dc = v.AcquireWindowDC();
    dc->FillSolidRect(100, row, 1, 1, RGB(1, 1, 1));
    v.ReleaseWindowDC(dc);
    DrawAim(v);
    EXPECT_EQ(h.Pixel(100, row), Rgb(1, 1, 1));

    v.OnMonochrome();
    EXPECT_EQ(h.Pixel(100, row), kBlack);
}

TEST(RenderAim, FullnessStripAndGhostBall)
{
    ViewHarness h(600, 400);
    CMirobeltView& v = *h.view;
    const double R = 0.0305;
    // From the red ball at the white one; the spotted one half way, one
    // radius to the player's left.
    v.m_balls[0].x = 0.1;
    v.m_balls[1].x = 0.5;
    v.m_balls[2].x = 0.3;
    v.m_balls[2].y = 0.3 + R;
    SetAim(v, 0.5, 0.3, 0.1, 0.3);
    h.Draw();
    // Strip (55, 375, 285, 398), centre (170, 386), disc half size 11: the
    // nearest ball (red) in the middle, painted last; the spotted one a disc
    // radius to the left.
    ExpectPixels(h, {{170, 386, kRed}, {154, 386, Rgb(255, 255, 0)}, {60, 386, kGrey}});
    // Ghost ball two radii short of the white ball.
    EXPECT_DOUBLE_EQ(g_dGhostX, 0.1 + 2 * R);
    EXPECT_DOUBLE_EQ(g_dGhostY, 0.3);

    // Far from every ball: no ghost ball.
    SetAim(v, 0.5, 0.3, 1.5, 0.9);
    h.Draw();
    EXPECT_EQ(g_dGhostX, -1.0);
}

TEST(RenderWidgets, StrikePointNeedleForceAndModes)
{
    ViewHarness h(600, 400);
    CMirobeltView& v = *h.view;
    v.m_dStrikeSide = 0.5;
    v.m_dStrikeHeight = -0.5;
    v.m_dRaiseAngle = 45;
    v.m_dForce = 0.5;
    h.Draw();
    // Strike point: D = 30, p = 3, X = trunc(12 * 0.5 + 20) = 26, Y = trunc(375 - 6) = 369;
    // inner circle (11, 366, 29, 384).
    ExpectPixels(h, {{26, 369, kBlack}, {20, 375, kGrey}, {11, 375, kBlack}});
    // Needle at 45 degrees, radius 23, band 5: (36, 391) to (32, 387).
    EXPECT_EQ(s_ptNeedleOuter, QPoint(36, 391));
    EXPECT_EQ(s_ptNeedleInner, QPoint(32, 387));
    EXPECT_EQ(h.Pixel(34, 389), kRed);
    // Force bar (55, 360, 605, 370): fill to 57 + 273 = 330; mark 0.59 at 377.
    ExpectPixels(h, {{329, 365, kBlack}, {331, 365, kGrey}, {377, 365, kBlack}});

    // Redrawn at 80 degrees: (23, 397) to (23, 392); the old needle is gone.
    CDC* dc = v.AcquireWindowDC();
    v.DrawRaiseCursor(*dc, v.m_nDrawWidth, v.m_nDrawHeight, 80);
    v.ReleaseWindowDC(dc);
    ExpectPixels(h, {{23, 394, kRed}, {34, 389, Rgb(255, 255, 255)}});

    // Normal mode in normal mode: nothing at all.
    const QImage before = v.Picture().copy();
    v.OnModeNormal();
    EXPECT_TRUE(v.Picture() == before);
    // Artistic mode: only the inner circle goes.
    v.OnModeArtistic();
    EXPECT_EQ(v.m_dStrikeMode, 150);
    EXPECT_EQ(h.Pixel(11, 375), kGrey);
    v.OnModeNormal();
    EXPECT_EQ(v.m_dStrikeMode, 50);
    EXPECT_TRUE(v.Picture() == before);

    // Monochrome: paper widgets, black strike point and outlines; the force
    // fill keeps the paper brush.
    v.OnMonochrome();
    ExpectPixels(h, {{20, 375, Rgb(255, 255, 255)}, {26, 369, kBlack}, {300, 365, Rgb(255, 255, 255)}});
}
