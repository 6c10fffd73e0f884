// SPDX-License-Identifier: GPL-3.0-or-later
// The table picture, the display commands that change it, and its details
// (frame styles, erasing, the half table); the balls, the aim line, the
// aim aids and the cue-setting widgets.

#include "GuiTestSupport.h"

namespace
{
const QRgb kCloth = Rgb(0, 128, 0), kRail = Rgb(128, 128, 0), kBlack = Rgb(0, 0, 0), kGrey = Rgb(128, 128, 128);
const QRgb kRed = Rgb(255, 0, 0), kYellow = Rgb(255, 255, 0);

// In the 490 x 300 layout (margin 21, rail band 14, table 454 x 227 px): a
// rail pixel clear of the sights and a bed pixel clear of spots and balls.
constexpr int kRailX = 3, kRailY = 49, kBedX = 321, kBedY = 51;

void ExpectPixels(const ViewHarness& h, std::initializer_list<std::tuple<int, int, QRgb>> pixels)
{
    for (const auto& [x, y, colour] : pixels)
        EXPECT_EQ(h.Pixel(x, y), colour) << "at " << x << "," << y;
}

std::array<std::pair<double, double>, 3> Places(const CMirobeltView& v)
{
    return {{{v.SetUp().balls[0].x, v.SetUp().balls[0].y}, {v.SetUp().balls[1].x, v.SetUp().balls[1].y}, {v.SetUp().balls[2].x, v.SetUp().balls[2].y}}};
}

// Moves the aim line's ends, keeping the last drawn ones.
void SetAim(CMirobeltView& v, double originX, double originY, double targetX, double targetY)
{
    Edit(v)->aim = {originX, originY, targetX, targetY};
}

// Draws with the window's drawing context, as the pointer handlers do.
template <typename Paint>
void OnWindow(CMirobeltView& v, Paint paint)
{
    CDC* dc = v.AcquireWindowDC();
    paint(*dc);
    v.ReleaseWindowDC(dc);
}

void DrawAim(CMirobeltView& v)
{
    OnWindow(v, [&](CDC& dc) { v.m_aim.Draw(v, dc); });
}
}  // namespace

class RenderTableView : public ViewTest<490, 300> {};

// The view with every aid on, in colour and in monochrome: the markers (shown
// by their command), frame style 3, the aim line at the spotted ball with the
// ghost ball and the fullness strip, the cue widgets off their start values.
TEST(RenderTable, PicturesWithEveryAidAsCheckedByEye)
{
    ScopedWorkingFolder folder;  // the first draw finds no demonstration file
    ViewHarness h(600, 400, false);
    CMirobeltView& v = *h.view;
    Edit(v).List().Assign(v.List().Slots(), 7, 4);
    h.Draw();
    EXPECT_TRUE(v.FirstDrawDone());
    ExpectGolden(v.Picture(), "table-default");

    v.OnShowMarkers();
    v.m_nFrameStyle = 3;
    Edit(v)->aim = AimLine{0.1, 0.3, 0.4, 0.49};
    std::tie(Edit(v)->strikeSide, Edit(v)->strikeHeight, Edit(v)->raiseAngle, Edit(v)->force) = std::tuple(0.5, -0.5, 45.0, 0.7);
    h.Draw();
    ExpectGolden(v.Picture(), "table-aids-colour");
    v.OnMonochrome();
    ExpectGolden(v.Picture(), "table-aids-mono");
    EXPECT_EQ(g_brRedBall.Colour(), RGB(255, 0, 0));  // the objects are not rebuilt

    // Monochrome again changes no setting but draws the aim line anew.
    Edit(v)->aim.originX = 0.5;
    v.OnMonochrome();
    EXPECT_EQ(v.m_aim.dLastOriginX, 0.5);
    v.OnColour();
    EXPECT_EQ(v.m_balls[2].pBrush, &g_brSpottedBall);
    EXPECT_EQ(h.Pixel(v.MapX(2.0), v.MapY(0.2)), kCloth);

    // The cloth takes the colour field at draw time.
    v.m_crCloth = RGB(1, 2, 3);
    h.Draw();
    EXPECT_EQ(h.Pixel(v.MapX(2.0), v.MapY(0.2)), Rgb(1, 2, 3));
}

// The frame styles cycle 0 to 4 and back, the five pictures checked by eye
// (style 1 the 47 frame, 2 the 71/2 frame, 3 big corners, 4 a grid); not while
// a shot is animated.
TEST_F(RenderTableView, FrameStyleCycle)
{
    h.Draw();
    for (int press = 0; press <= 5; ++press)
    {
        if (press > 0)
            v.OnFrameStyle();
        EXPECT_EQ(v.m_nFrameStyle, press % 5);
        if (press < 5)
            ExpectGolden(v.Picture(), QStringLiteral("frame-style-%1").arg(press));
    }
    v.m_bAnimating = 1;
    v.OnFrameStyle();
    EXPECT_EQ(v.m_nFrameStyle, 0);
}

// Erasing paints the cloth colour in colour and the paper in monochrome: a
// ball's box, a ball's disc, a marker and the aim line drawn last.
TEST(RenderTable, ErasedBallsMarkersAndAimLine)
{
    for (const bool colour : {true, false})
    {
        ViewHarness h(490, 300);
        CMirobeltView& v = *h.view;
        g_bShowMarkers = 1;
        colour ? v.OnColour() : v.OnMonochrome();
        Edit(v)->aim = AimLine{0.1, 0.3, 1.5, 0.3};
        h.Draw();
        OnWindow(v, [&](CDC& dc) {
            v.m_balls[1].Draw(v, dc, v.SetUp().balls[1], 1);
            v.m_balls[2].EraseDisc(v, dc, v.SetUp().balls[2]);
            v.m_markers[5].Draw(v, dc, 1);
            Edit(v)->aim.targetY = 0.9;
            v.m_aim.Draw(v, dc);
        });
        ExpectGolden(v.Picture(), colour ? "erased-colour" : "erased-mono");
    }
}

// The half table has sights at 2, 4 and 6 eighths of the long rails and in the
// middle of the short ones, and no spots. In the smallest window the rail band
// is too thin for c / 8: the sights keep a 1-pixel radius.
TEST(RenderTable, HalfTablePictures)
{
    for (const QSize window : {QSize(600, 400), QSize(300, 200)})  // rail bands of 12 and 6 pixels
    {
        ViewHarness h(window.width(), window.height());
        h.view->ApplyTableFormat(0);
        ExpectGolden(h.view->Picture(), QStringLiteral("half-table-%1").arg(window.width()));
    }
}

TEST_F(RenderTableView, TableFormatCycleAndBallReset)
{
    h.Draw();
    const auto defaults = Places(v);
    std::vector<std::pair<int, double>> formats;
    std::vector<int> lengthsPx;
    for (int press = 0; press < 4; ++press)
    {
        v.OnTableFormat();
        formats.emplace_back(v.SetUp().tableFormat, h.doc->m_geometry.length);
        lengthsPx.push_back(v.m_nTableLengthPx);
    }
    EXPECT_EQ(formats, (std::vector<std::pair<int, double>>{{3, 2.84}, {0, 1.275}, {1, 2.30}, {2, 2.55}}));
    EXPECT_EQ(lengthsPx[1], 442);  // half table: s = 0.7775 / 300 * 10/9
    EXPECT_EQ(Places(v), defaults);  // the default balls fit on every table and stayed put

    // A ball beyond the half table's span: all three go back to their places.
    v.ApplyTableFormat(3);
    Edit(v)->balls[2].x = 1.5;
    Edit(v)->aim.originX = 0.7;
    v.OnTableFormat();
    ASSERT_EQ(v.SetUp().tableFormat, 0);
    EXPECT_EQ(Places(v), (std::array<std::pair<double, double>, 3>{{{0.1, 0.1}, {0.2, 0.15}, {0.3, 0.39}}}));
    EXPECT_EQ(v.m_aim.dLastOriginX, 0.7);
    EXPECT_EQ(h.Pixel(v.MapX(0.3), v.MapY(0.39)), kYellow);

    v.m_bAnimating = 1;
    v.OnTableFormat();
    EXPECT_EQ(v.SetUp().tableFormat, 0);
}

TEST_F(RenderTableView, AbsentBallAndPlayLoop)
{
    // A ball at (0, 0) exactly is absent; the whole-view draw leaves the balls
    // to the play loop while it runs.
    Edit(v)->balls[1].x = 0;
    const std::tuple<double, int, QRgb> draws[] = {
        {0, 0, kCloth}, {0.001, 0, kRed}, {0.001, 1, kCloth}, {0.001, 0, kRed}};
    for (const auto& [y, playLoop, colour] : draws)
    {
        Edit(v)->balls[1].y = y;
        v.m_bPlayLoop = playLoop;
        h.Draw();
        EXPECT_EQ(h.Pixel(26, 26), colour) << y << " " << playLoop;
    }

}

// Values from files are taken as they stand: far and non-finite ones draw and
// erase without harm (the sanitizer build checks for undefined behaviour).
TEST_F(RenderTableView, FarAndNonFiniteCoordinates)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::tie(Edit(v)->balls[0].x, Edit(v)->balls[1].x, Edit(v)->balls[2].y, v.m_markers[3].x) = std::tuple(1e308, nan, -1e308, nan);
    std::tie(Edit(v)->aim.originX, Edit(v)->aim.targetX, Edit(v)->aim.targetY) = std::tuple(0.5, 1e308, nan);
    std::tie(Edit(v)->force, Edit(v)->strikeSide, Edit(v)->raiseAngle) = std::tuple(1e300, nan, 1e308);
    g_bShowMarkers = 1;
    h.Draw();
    CDC* dc = v.AcquireWindowDC();
    for (CViewBall& ball : v.m_balls)
    {
        ball.Draw(v, *dc, v.SetUp().balls[ball.index], 1);
        ball.EraseDisc(v, *dc, v.SetUp().balls[ball.index]);
    }
    v.m_markers[3].Erase(v, *dc, 0, 0);
    v.ReleaseWindowDC(dc);
    SetAim(v, -1e308, v.SetUp().aim.originY, 0.5, 0.5);
    h.Draw();
    ExpectPixels(h, {{kBedX, kBedY, kCloth}, {kRailX, kRailY, kRail}});
}

// A target on the cloth: from origin to target only. A new target erases the
// old line. A target on the rail: across the whole cloth through the origin,
// cut at the cushion noses. Unchanged ends draw nothing: the dark dot stays.
TEST_F(RenderTableView, AimLineDrawnErasedAndExtendedAsCheckedByEye)
{
    Edit(v)->balls[0].x = 1.0;  // the white ball out of the way
    h.Draw();
    SetAim(v, 0.3, 0.3, 0.9, 0.3);
    DrawAim(v);
    ExpectGolden(v.Picture(), "aim-to-the-cloth");
    Edit(v)->aim.targetY = 0.9;
    DrawAim(v);
    SetAim(v, 0.3, 0.3, 2.6, 0.3);
    DrawAim(v);
    OnWindow(v, [&](CDC& dc) { dc.FillSolidRect(100, 79, 2, 2, RGB(1, 1, 1)); });
    DrawAim(v);
    ExpectGolden(v.Picture(), "aim-to-the-rail");
    v.OnMonochrome();
    EXPECT_EQ(h.Pixel(100, 79), kBlack);  // the line drawn anew on the paper
}

TEST(RenderAim, FullnessStripAndGhostBall)
{
    ViewHarness h(600, 400);
    CMirobeltView& v = *h.view;
    const double R = 0.0305;
    // From the red ball at the white one; the spotted one half way, one
    // radius to the player's left.
    std::tie(Edit(v)->balls[0].x, Edit(v)->balls[1].x, Edit(v)->balls[2].x, Edit(v)->balls[2].y) = std::tuple(0.1, 0.5, 0.3, 0.3 + R);
    SetAim(v, 0.5, 0.3, 0.1, 0.3);
    h.Draw();
    // Strip (55, 375, 285, 398), centre (170, 386), disc half size 11: the
    // nearest ball (red) in the middle, painted last; the spotted one a disc
    // radius to the left.
    ExpectPixels(h, {{170, 386, kRed}, {154, 386, Rgb(255, 255, 0)}, {60, 386, kGrey}});
    // Ghost ball two radii short of the white ball.
    EXPECT_DOUBLE_EQ(v.m_aimAid.lastGhostX, 0.1 + 2 * R);
    EXPECT_DOUBLE_EQ(v.m_aimAid.lastGhostY, 0.3);

    // A target farther than sqrt(10) R from every ball: no ghost ball.
    for (const double k : {3.1, 3.2})
    {
        SetAim(v, 0.5, 0.3, 0.1 + k * R, 0.3);
        h.Draw();
        EXPECT_EQ(v.m_aimAid.lastGhostX, k < 3.16 ? 0.1 + 2 * R : -1.0) << k;
    }

    // A ball whose disc would stand past either end of the strip is left out.
    for (const double side : {11.1, -11.1})
    {
        std::tie(Edit(v)->balls[0].y, Edit(v)->balls[1].y, Edit(v)->balls[2].y) = std::tuple(0.6, 0.6, 0.6 + side * R);
        SetAim(v, 0.5, 0.6, 0.1, 0.6);
        h.Draw();
        EXPECT_EQ(h.Pixel(side > 0 ? 57 : 283, 386), kGrey) << side;
    }
}

TEST(RenderWidgets, StrikePointNeedleForceAndModes)
{
    ViewHarness h(600, 400);
    CMirobeltView& v = *h.view;
    std::tie(Edit(v)->strikeSide, Edit(v)->strikeHeight, Edit(v)->raiseAngle, Edit(v)->force) = std::tuple(0.5, -0.5, 45.0, 0.5);
    h.Draw();
    // Needle at 45 degrees, radius 23, band 5: (36, 391) to (32, 387).
    EXPECT_EQ(std::pair(v.m_raiseCursor.lastNeedleOuter, v.m_raiseCursor.lastNeedleInner), std::pair(QPoint(36, 391), QPoint(32, 387)));
    EXPECT_EQ(h.Pixel(34, 389), kRed);

    // Redrawn at 80 degrees: (23, 397) to (23, 392); the old needle is gone.
    OnWindow(v, [&](CDC& dc) { v.DrawRaiseCursor(dc, v.m_nDrawWidth, v.m_nDrawHeight, 80); });
    ExpectPixels(h, {{23, 394, kRed}, {34, 389, Rgb(255, 255, 255)}});

    // Normal mode in normal mode: nothing at all.
    const QImage before = v.Picture().copy();
    v.OnModeNormal();
    EXPECT_TRUE(v.Picture() == before);
    // Artistic mode: only the inner circle goes.
    v.OnModeArtistic();
    EXPECT_EQ(std::pair(v.SetUp().strikeMode, h.Pixel(11, 375)), std::pair(150.0, kGrey));
    v.OnModeNormal();
    EXPECT_TRUE(v.SetUp().strikeMode == 50 && v.Picture() == before);
}
