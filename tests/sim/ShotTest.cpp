#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

#include "sim/MirobeltDoc.h"

namespace
{
// White struck from (x, y) towards the target; red and spotted out of its way.
ShotSetup WhiteShot(double x, double y, double targetX, double targetY, double force)
{
    return {.force = force, .aimOriginX = x, .aimOriginY = y, .aimTargetX = targetX, .aimTargetY = targetY,
            .balls = {{x, y}, {0.25, 0.125}, {0.25, 1.0}}};
}

std::unique_ptr<CMirobeltDoc> Shoot(const ShotSetup& setup)
{
    auto doc = std::make_unique<CMirobeltDoc>();
    doc->SetShotRequest(setup);
    doc->RunShot();
    return doc;
}

const TrajectoryBuffer& White(const CMirobeltDoc& doc) { return doc.m_physics.m_traj[0]; }
double LastX(const TrajectoryBuffer& b) { return b.x[b.m_nCount - 1]; }

int s_nPointerQuestions = 0;
bool PointerMoved() { return ++s_nPointerQuestions > 0; }
}

TEST(Shot, ConstructionDefaultsAndTableFormats)
{
    g_nTableFormat = 3;
    auto doc = std::make_unique<CMirobeltDoc>();
    const CShotPhysics& p = doc->m_physics;
    EXPECT_EQ(g_nTableFormat, 2);
    EXPECT_EQ(p.m_dRadiusOverInertia, 0.0305 / (0.4 * 0.215 * (0.0305 * 0.0305)));
    EXPECT_EQ(p.m_dSideSpinDecay, 0.025 * 0.0032509 / 0.00093025);
    EXPECT_NEAR(p.m_dSideSpinDecay, 0.0873663, 1e-7);
    EXPECT_EQ(p.m_dSpanX, 2.55 - 2 * 0.0305);
    EXPECT_EQ(p.m_dSpanY, 1.275 - 2 * 0.0305);

    doc->ApplyTableFormat(0);  // the half table; the global format is left alone
    EXPECT_EQ(p.m_dSpanX, 1.275 - 2 * 0.0305);
    EXPECT_DOUBLE_EQ(p.m_dSpanY, 0.5765);
    EXPECT_EQ(doc->m_geometry.railWidth, 0.03);
    EXPECT_EQ(g_nTableFormat, 2);
    doc->ApplyTableFormat(4);  // no such format
    EXPECT_EQ(doc->m_geometry.length, 1.275);
}

TEST(Shot, StrikeFormula)
{
    auto p = std::make_unique<CShotPhysics>();
    const double power = 2, follow = 3, side = 0.5, elevation = 30, dirX = 3, dirY = 4;
    double vx = 0, vy = 0, wx = 0, wy = 0, wz = 0;
    p->StrikeBall(power, follow, side, elevation, dirX, dirY, vx, vy, wx, wy, wz);

    const double theta = elevation * 0.017453292222;
    const double c = std::cos(theta), s = std::sin(theta);
    const double v0 = 0.75 * power, v = v0 * (1 + 0.05 * elevation);
    const double ux = c * dirX / 5, uy = c * dirY / 5;
    EXPECT_EQ(vx, v0 * c * dirX / 5);
    EXPECT_EQ(vy, v0 * c * dirY / 5);
    EXPECT_EQ(wx, 0.333333 * (2 * follow * uy * v + s * ux * v * side));
    EXPECT_EQ(wy, 0.333333 * (-2 * follow * ux * v + s * uy * v * side));
    EXPECT_EQ(wz, 0.333333 * (ux * ux + uy * uy) * v * side);

    // An aim of exactly R strikes; a shorter one writes nothing.
    p->StrikeBall(1, 0, 0, 0, 0.0305, 0, vx, vy, wx, wy, wz);
    EXPECT_EQ(vx, 0.75);
    vx = vy = wx = wy = wz = 9;
    p->StrikeBall(1, 0, 0, 0, 0.018, 0.024, vx, vy, wx, wy, wz);
    EXPECT_EQ(vx + vy + wx + wy + wz, 45);
}

TEST(Shot, NothingMovesRecordsTwoSamples)
{
    ShotSetup s = WhiteShot(1.0, 0.5, 1.03, 0.5, 0.5);  // aim shorter than R
    for (int cue : {1, 0, 4})
    {
        s.cueBall = cue;
        if (cue != 1)
            s.aimTargetX = 2.0;
        auto doc = Shoot(s);
        for (int b = 0; b < 3; ++b)
        {
            const TrajectoryBuffer& t = doc->m_physics.m_traj[b];
            ASSERT_EQ(t.m_nCount, 2) << cue;
            EXPECT_TRUE(t.sampleNo[0] == 0 && t.sampleNo[1] == 1) << cue;
            EXPECT_TRUE(t.x[1] == s.balls[b].x && t.y[1] == s.balls[b].y) << cue;
        }
    }
}

TEST(Shot, DrawBringsTheBallBackAndSideBendsTheCushionRebound)
{
    ShotSetup draw = WhiteShot(1.0, 0.625, 2.0, 0.625, 0.25);
    draw.strikeHeight = 1;
    draw.raiseAngle = 20;
    auto doc = Shoot(draw);
    const TrajectoryBuffer& w = White(*doc);
    EXPECT_GT(*std::max_element(w.x, w.x + w.m_nCount), 1.05);
    EXPECT_LT(LastX(w), 1.0);

    // Straight up into the top cushion: without side the ball comes straight back.
    double drift[3];
    for (int i = 0; i < 3; ++i)
    {
        ShotSetup s = WhiteShot(1.25, 0.25, 1.25, 0.0, 0.15);
        s.strikeSide = 0.5 * (i - 1);
        drift[i] = LastX(White(*Shoot(s))) - 1.25;
    }
    EXPECT_EQ(drift[1], 0);
    EXPECT_GT(drift[2], 0.01);  // right side: off to the right
    EXPECT_NEAR(drift[0], -drift[2], 1e-9);
}

TEST(Shot, RequestAndArtisticCloth)
{
    auto doc = std::make_unique<CMirobeltDoc>();
    ShotSetup s = WhiteShot(1.0, 0.5, 1.5, 0.25, 0.5);
    s.strikeHeight = 0.5;
    s.strikeSide = 0.25;
    s.cueBall = 3;
    s.strikeMode = 150;
    const double slow = 0.025 * 0.4;
    for (int twice = 0; twice < 2; ++twice)  // the cloth slows down once
    {
        doc->SetShotRequest(s);
        EXPECT_EQ(doc->m_physics.m_dClothFriction, slow);
        EXPECT_EQ(doc->m_physics.m_dSideSpinDecay, slow * 0.0032509 / 0.00093025);
    }
    EXPECT_EQ(doc->m_dShotFollow, -37.5);
    EXPECT_EQ(doc->m_dShotSide, 37.5);
    EXPECT_EQ(doc->m_nCueBall, 3);
    EXPECT_EQ(doc->m_dShotDirY, -0.25);
    s.strikeMode = 50;
    doc->SetShotRequest(s);
    EXPECT_EQ(doc->m_physics.m_dClothFriction, slow * 2.5);
}

TEST(Shot, PointerInterruptionAndSampleNumbering)
{
    g_pfnPointerMoved = PointerMoved;
    g_nPollCount = 0;
    g_bNoMouseAbort = 0;
    auto doc = Shoot(WhiteShot(1.0, 0.5, 2.0, 0.75, 0.5));
    EXPECT_EQ(s_nPointerQuestions, 1);
    EXPECT_EQ(White(*doc).m_nCount, 1 + 301 + 1);  // start, 301 samples, final

    g_bNoMouseAbort = 1;
    doc = Shoot(WhiteShot(1.0, 0.5, 2.0, 0.75, 0.5));
    g_bNoMouseAbort = 0;
    g_pfnPointerMoved = nullptr;
    EXPECT_EQ(s_nPointerQuestions, 1);
    const TrajectoryBuffer& w = White(*doc);
    const int k = w.m_nCount - 2;
    ASSERT_GT(k, 1000);

    // Start sample 0, samples 0 to k - 1, final sample k + 1, alike for every ball.
    EXPECT_EQ(doc->m_physics.m_traj[2].m_nCount, k + 2);
    EXPECT_EQ(w.sampleNo[0], 0u);
    for (int i = 1; i <= k; ++i)
        ASSERT_EQ(w.sampleNo[i], static_cast<std::uint32_t>(i - 1)) << i;
    EXPECT_EQ(w.sampleNo[k + 1], static_cast<std::uint32_t>(k + 1));
    // The start state stays; the final position is only in the buffers.
    EXPECT_EQ(doc->m_physics.m_state[0].x, 1.0);
    EXPECT_NE(LastX(w), 1.0);
}

TEST(Shot, HostileSetupsEndWhenTheBuffersAreFull)
{
    ShotSetup nanAim = WhiteShot(1.0, 0.5, 2.0, 0.75, 0.5);
    nanAim.aimTargetX = std::numeric_limits<double>::quiet_NaN();
    for (const ShotSetup& s : {WhiteShot(1.0, 0.5, 2.0, 0.75, 1e300), nanAim})
    {
        auto doc = Shoot(s);
        for (const TrajectoryBuffer& b : doc->m_physics.m_traj)
        {
            EXPECT_EQ(b.m_nCount, kTrajectoryCapacity);
            EXPECT_EQ(b.sampleNo[kTrajectoryCapacity - 1], kTrajectoryCapacity - 2u);
        }
    }
}
