// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <tuple>

#include "sim/MirobeltDoc.h"

namespace
{
// A list entry as data/demo.se2 holds it: red, white, spotted, height, side, raise,
// cue ball, aim origin x, target x, origin y, target y, force, mode, table format.
ShotSetup FromEntry(const float (&v)[17])
{
    return {v[14], v[6], v[7], v[8], v[15], int(v[9]), v[10], v[12], v[11], v[13],
            {{v[2], v[3]}, {v[0], v[1]}, {v[4], v[5]}}};
}

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
}  // namespace

// Whole shots of the demonstration pinned to the bit (sample count, end places, white's middle
// sample): any change of a constant or of the order of the physics shows here. One document
// runs them all, each request given twice: the artistic cloth slows down once.
TEST(Shot, DemonstrationShotsEndWhereTheyAlwaysHave)
{
    const struct { const char* name; float entry[17]; int count; double end[3][2], middle[2]; } shots[] = {
        {"draw", {1.5, 0.6, 1.2, 0.6, 0.85, 0.45, 0.8, 0, 0, 1, 1.2, 1.499959, 0.6, 0.595026, 0.5, 50, 2}, 4229,
         {{0.88574517491994376, 0.4702130073373188}, {0.08354006200028577, 0.86762194100695078},
          {0.69926475325794302, 0.39835377745972378}}, {0.88574517491994376, 0.4702130073373188}},
        {"three cushions", {1.1, 0.3, 0.7, 0.45, 2.413153, 0.756744, 0, -0.5, 0, 1, 0.7, 0.964746, 0.45, 0.308899, 0.9, 50, 2},
         3782, {{1.9922500556802347, 0.55159181066640273}, {1.8825806082739089, 0.55801750609153966},
                {1.7630380605636933, 0.5637777579053006}}, {2.0988982625384174, 0.61558248587092812}},
        {"masse", {1.066408, 0.890366, 1, 0.6, 0.925815, 0.914971, 0.5, 0.6, 70, 1, 1, 1.3, 0.6, 0.6, 0.5, 50, 2},
         2363, {{0.95338067469615584, 0.98278789902319819}, {1.2421804774810652, 0.77891331658378526},
                {0.63823729442407928, 1.045488053626485}}, {0.9534476930713951, 0.98257515503884152}},
        {"half table", {0.510344, 0.28487, 0.3, 0.35, 0.65656, 0.07684, 0, 0, 0, 1, 0.3, 0.571892, 0.35, 0.223215, 0.2, 50, 0},
         2304, {{0.63811111632947803, 0.02386746982256667}, {1.2134983579716363, 0.35272818981653242},
                {0.6742524647198338, 0.11043912299390536}}, {0.63787230595256161, 0.023817910882976471}},
        {"plain roll", {0.197483, 0.297578, 0.12, 0.3, 0.180716, 0.212118, 0, 0, 0, 1, 0.12, 0.401908, 0.3, 0.197394, 0.18, 50, 2},
         2633, {{0.13551444677643529, 0.22829512051186393}, {1.2268826082017288, 0.36916418441318993},
                {0.24977428696413986, 0.11438306354754223}}, {0.13551444677643529, 0.22829512051186393}},
        {"red on 2.30 m", {1.6, 0.3, 0.970474, 0.438048, 0.435027, 0.98886, -0.3, 0, 0, 2, 1.6, 1.310222, 0.3, 0.377646, 0.5, 50, 1},
         4261, {{1.9181946630281013, 0.27725358891323548}, {0.13346657549950028, 0.9734172173473663},
                {0.035444151739570454, 0.11765291303339542}}, {1.2515000496583504, 0.14119928587962863}},
        {"artistic", {1.34387, 0.682153, 1, 0.7, 0.830851, 0.352198, 0.7, 0.5, 0, 1, 1, 1.298858, 0.7, 0.673853, 0.6, 150, 2},
         5120, {{0.59624456796057546, 0.43674804072053619}, {1.6329101131734229, 1.1552376191346072},
                {0.20062513624934297, 0.091620337809418972}}, {0.59624456796057546, 0.43674804072053619}},
    };
    auto doc = std::make_unique<CMirobeltDoc>();
    for (const auto& shot : shots)
    {
        SCOPED_TRACE(shot.name);
        doc->ApplyTableFormat(int(shot.entry[16]));
        doc->SetShotRequest(FromEntry(shot.entry));
        doc->SetShotRequest(FromEntry(shot.entry));
        doc->RunShot();
        for (int b = 0; b < 3; ++b)
        {
            const TrajectoryBuffer& t = doc->m_physics.m_traj[b];
            ASSERT_EQ(t.m_nCount, shot.count) << b;
            EXPECT_EQ(std::pair(t.x[t.m_nCount - 1], t.y[t.m_nCount - 1]), std::pair(shot.end[b][0], shot.end[b][1]))
                << b;
        }
        EXPECT_EQ(std::pair(White(*doc).x[shot.count / 2], White(*doc).y[shot.count / 2]),
                  std::pair(shot.middle[0], shot.middle[1]));
    }
    doc->SetShotRequest(FromEntry(shots[0].entry));  // back to the normal cloth
    EXPECT_DOUBLE_EQ(doc->m_physics.m_dClothFriction, 0.025);
    EXPECT_DOUBLE_EQ(doc->m_physics.m_dSideSpinDecay, 0.0873662993818866);
}

TEST(Shot, ConstructionAndTableFormats)
{
    auto doc = std::make_unique<CMirobeltDoc>();
    const CShotPhysics& p = doc->m_physics;
    // The half table and the tables of 2.30, 2.55 and 2.84 m.
    const double sizes[4][3] = {{1.275, 0.6375, 0.03}, {2.30, 1.15, 0.08}, {2.55, 1.275, 0.08}, {2.84, 1.42, 0.08}};
    for (int format : {2, 3, 1, 0})
    {
        if (format != 2)
            doc->ApplyTableFormat(format);
        const TableGeometry& g = doc->m_geometry;
        EXPECT_EQ(std::tuple(g.length, g.width, g.railWidth), std::tuple(sizes[format][0], sizes[format][1], sizes[format][2]));
        EXPECT_DOUBLE_EQ(p.m_dSpanX, sizes[format][0] - 0.061);
        EXPECT_DOUBLE_EQ(p.m_dSpanY, sizes[format][1] - 0.061);
    }
    doc->ApplyTableFormat(4);  // no such format
    EXPECT_EQ(doc->m_geometry.length, 1.275);
}

TEST(Shot, NothingMovesRecordsTwoSamples)
{
    // The aim of exactly R strikes; a shorter one, or no cue ball, leaves all at rest.
    EXPECT_GT(White(*Shoot(WhiteShot(0.0, 0.5, 0.0305, 0.5, 0.5))).m_nCount, 2);
    ShotSetup s = WhiteShot(1.0, 0.5, 1.018, 0.524, 0.5);
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

TEST(Shot, PointerInterruptionAndSampleNumbering)
{
    static int asked = 0;
    g_pfnPointerMoved = [] { return ++asked > 0; };
    g_nPollCount = 0;
    g_bNoMouseAbort = 0;
    auto doc = Shoot(WhiteShot(1.0, 0.5, 2.0, 0.75, 0.5));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(White(*doc).m_nCount, 1 + 301 + 1);  // start, 301 samples, final

    g_bNoMouseAbort = 1;
    doc = Shoot(WhiteShot(1.0, 0.5, 2.0, 0.75, 0.5));
    g_bNoMouseAbort = 0;
    g_pfnPointerMoved = nullptr;
    EXPECT_EQ(asked, 1);
    const TrajectoryBuffer& w = White(*doc);
    const int k = w.m_nCount - 2;
    ASSERT_GT(k, 1000);

    // Start sample 0, samples 0 to k - 1, final sample k + 1, alike for every ball.
    EXPECT_EQ(doc->m_physics.m_traj[2].m_nCount, k + 2);
    for (int i = 0; i <= k + 1; ++i)
        ASSERT_EQ(w.sampleNo[i], i == 0 ? 0u : i <= k ? i - 1u : k + 1u) << i;
    // The start state stays; the final position is only in the buffers.
    EXPECT_EQ(doc->m_physics.m_state[0].x, 1.0);
}

TEST(Shot, HostileSetupsEndWhenTheBuffersAreFull)
{
    ShotSetup nanAim = WhiteShot(1.0, 0.5, 2.0, 0.75, 0.5);
    nanAim.aimTargetX = std::numeric_limits<double>::quiet_NaN();
    for (const ShotSetup& s : {WhiteShot(1.0, 0.5, 2.0, 0.75, 1e300), nanAim})
    {
        auto doc = Shoot(s);
        for (const TrajectoryBuffer& b : doc->m_physics.m_traj)
            EXPECT_EQ(std::pair(b.m_nCount, b.sampleNo[19999]), std::pair(20000, 19998u));  // 20000 samples a ball
    }
}
