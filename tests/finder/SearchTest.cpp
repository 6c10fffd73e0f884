// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <thread>
#include <tuple>

#include "FinderFixture.h"
#include "finder/BackgroundSearch.h"
#include "finder/FileValues.h"
#include "finder/ShotEvaluator.h"
#include "sim/TableGeometry.h"

namespace
{

TEST(ShotSearch, AimOnlyFindsTheKnownDirectionAndEverySolutionScores)
{
    ASSERT_EQ(FullVerdict(AimedSetup(CannonSetup(), 0), Game::Libre), Verdict::Scored);

    CMirobeltDoc prototype;
    const SearchRequest request{.setup = CannonSetup(), .game = Game::Libre, .threads = 2};
    std::atomic<bool> cancel{false};
    long long lastPlanned = 0;
    const SearchResult result = FindShots(prototype, request, cancel, [&](long long done, long long planned) {
        EXPECT_LE(done, planned + 8);
        lastPlanned = planned;
    });
    ASSERT_FALSE(result.cancelled);
    ASSERT_FALSE(result.solutions.empty());
    // The coarse turn, then the edges of each window found by halving.
    EXPECT_GE(result.evaluated, kAimOnlyFirstPass + 20);
    EXPECT_EQ(result.phases[SearchPhase::FirstPass], kAimOnlyFirstPass);
    EXPECT_EQ(result.phases[SearchPhase::FirstPass] + result.phases[SearchPhase::Refinement] +
                  result.phases[SearchPhase::Edges] + result.phases[SearchPhase::Confirmation],
              result.evaluated);
    EXPECT_GE(lastPlanned, kAimOnlyFirstPass);

    bool zeroInAWindow = false;
    for (std::size_t k = 0; k < result.solutions.size(); ++k)
    {
        const Solution& s = result.solutions[k];
        EXPECT_EQ(FullVerdict(s.setup, Game::Libre), Verdict::Scored) << k;
        EXPECT_EQ(s.setup.force, 0.2);
        EXPECT_GT(s.windowDegrees, 0);
        EXPECT_LT(s.windowDegrees, k ? result.solutions[k - 1].windowDegrees + 1e-12 : 90);  // widest first
        for (std::size_t j = 0; j < k; ++j)
            EXPECT_NE(s.outcome.Way(), result.solutions[j].outcome.Way());
        const double dx = s.setup.aimTargetX - s.setup.aimOriginX, dy = s.setup.aimTargetY - s.setup.aimOriginY;
        EXPECT_NEAR(std::remainder(s.aimDegrees - std::atan2(dy, dx) * 180 / M_PI, 360.0), 0, 1e-9);
        EXPECT_NEAR(s.windowDegrees, s.windowHigh - s.windowLow, 1e-12);
        EXPECT_TRUE(s.windowLow < s.aimDegrees && s.aimDegrees < s.windowHigh) << k;
        EXPECT_LE(s.wayDegrees, s.windowDegrees + 1e-12);
        zeroInAWindow = zeroInAWindow || (s.windowLow <= 0 && 0 <= s.windowHigh) ||
                        (s.windowLow <= 360 && 360 <= s.windowHigh);
    }
    EXPECT_TRUE(zeroInAWindow);

    // The edges of the widest window: just inside scores, just outside does not.
    const Solution& best = result.solutions[0];
    for (const double side : {-1.0, 1.0})
    {
        const double edge = side < 0 ? best.windowLow : best.windowHigh;
        EXPECT_EQ(FullVerdict(AimedSetup(CannonSetup(), edge - side * 0.0005), Game::Libre), Verdict::Scored);
        EXPECT_EQ(FullVerdict(AimedSetup(CannonSetup(), edge + side * 0.0005), Game::Libre), Verdict::Missed);
    }
}

TEST(ShotSearch, CancelledSearchEndsPromptlyWithNoSolution)
{
    CMirobeltDoc prototype;
    const SearchRequest request{
        .setup = CannonSetup(1.0), .game = Game::TroisBandes, .kind = SearchKind::AimAndStroke, .threads = 2};
    BackgroundSearch search(prototype, request);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ASSERT_FALSE(search.Done());
    EXPECT_GT(search.Fraction(), 0);
    EXPECT_LT(search.Fraction(), 0.5);

    search.Cancel();
    const auto cancelledAt = std::chrono::steady_clock::now();
    while (!search.Done())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    // Each worker finishes the shot it is computing, then stops.
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - cancelledAt).count(), 1.0);
    EXPECT_TRUE(search.Result().cancelled);
    EXPECT_TRUE(search.Result().solutions.empty());
    EXPECT_LT(search.Result().evaluated, 20 * kAimOnlyFirstPass);
}

// The three-cushion shot of the demonstration: off the red, then the top, bottom and right cushions.
TEST(ShotSearch, EvaluatorNamesTheBallAndCushionsOfAShot)
{
    const ShotSetup shot{.force = 0.9, .strikeSide = -0.5, .aimOriginX = 0.7, .aimOriginY = 0.45, .aimTargetX = 0.964746,
                         .aimTargetY = 0.308899, .balls = {{0.7, 0.45}, {1.1, 0.3}, {2.413153, 0.756744}}};
    const ShotOutcome o = ShotEvaluator(CMirobeltDoc(), Game::TroisBandes, 1).Evaluate(shot, false);
    EXPECT_EQ(std::tuple(o.verdict, o.firstBall, o.cushionsBeforeSecond, o.cushionPath),
              std::tuple(Verdict::Scored, 1, 3, std::string("HBD")));
}

TEST(ShotSearch, AimedSetUpsPointWhereAsked)
{
    ShotSetup offGrid = CannonSetup();
    offGrid.balls[0].x = 0.6000004;  // finer than a position file keeps
    EXPECT_EQ(AsFileSetup(offGrid).balls[0].x, 0.6);
    for (const double degrees : {0.0, 90.0, 200.5, 300.25, 359.5})
    {
        const ShotSetup aimed = AimedSetup(offGrid, degrees);
        // The ball stays where it is; the aim starts where a file keeps it.
        EXPECT_EQ(std::tuple(aimed.balls[0].x, aimed.aimOriginX, aimed.aimOriginY), std::tuple(0.6000004, 0.6, 0.64));
        EXPECT_NEAR(AimDegrees(aimed), degrees, 1e-4) << degrees;
    }
}

TEST(ShotSearch, NoCueBallOrNoForceGivesNoSolution)
{
    CMirobeltDoc prototype;
    std::atomic<bool> cancel{false};
    for (const int cueBall : {0, 4})
    {
        SearchRequest request{.setup = CannonSetup()};
        request.setup.cueBall = cueBall;
        const SearchResult result = FindShots(prototype, request, cancel);
        EXPECT_TRUE(result.solutions.empty() && result.evaluated == 0) << cueBall;
    }
    EXPECT_TRUE(FindShots(prototype, {.setup = CannonSetup(0), .game = Game::Libre}, cancel).solutions.empty());
}

}  // namespace
