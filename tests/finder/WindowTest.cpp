// SPDX-License-Identifier: GPL-3.0-or-later
// The windows the search lists against an independent look at the same
// positions with the full computation: each window's width against the range
// of scoring directions really around its aim, and every wide enough scoring
// range represented in the list.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdint>
#include <future>
#include <mutex>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "FinderFixture.h"
#include "finder/AimMap.h"
#include "finder/ShotSearch.h"
#include "finder/WindowScan.h"

namespace
{

// Positions no one chose: the balls at places drawn from a fixed seed, at
// least two diameters apart, within the ball-centre frame of the usual table.
ShotSetup DrawnPosition(std::uint32_t seed, double force)
{
    std::uint64_t state = seed * 6364136223846793005ULL + 1442695040888963407ULL;
    const auto next = [&state](double low, double high) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return low + (high - low) * static_cast<double>(state >> 11) / 9007199254740992.0;
    };
    ShotSetup s;
    s.cueBall = 1;
    s.force = force;
    for (int b = 0; b < 3; ++b)
    {
        bool apart = false;
        while (!apart)
        {
            s.balls[b] = {std::round(next(0.15, 2.3) * 1e6) / 1e6, std::round(next(0.15, 1.05) * 1e6) / 1e6};
            apart = true;
            for (int other = 0; other < b; ++other)
                apart = apart && std::hypot(s.balls[b].x - s.balls[other].x, s.balls[b].y - s.balls[other].y) > 0.13;
        }
    }
    return s;
}

// Walks from a scoring direction by fine steps until a miss, then halves:
// the edge of the scoring range on that side.
double EdgeFrom(const ShotSetup& setup, Game game, double aim, double direction, double limit, double step)
{
    double inside = aim, outside = aim;
    while (std::fabs(outside - aim) < limit)
    {
        outside = inside + direction * step;
        if (!ScoresExactly(AimedSetup(setup, outside), game))
            break;
        inside = outside;
    }
    while (std::fabs(outside - inside) > 0.0005)
    {
        const double middle = (inside + outside) / 2;
        (ScoresExactly(AimedSetup(setup, middle), game) ? inside : outside) = middle;
    }
    return (inside + outside) / 2;
}

struct Case
{
    std::uint32_t seed;
    double force;
    Game game;
};
const Case kCases[] = {{7, 0.35, Game::Libre}, {19, 0.5, Game::UneBande}};

// Two ways of scoring side by side with a miss under 0.02 degree between them.
ShotSetup TwoWaysApart()
{
    ShotSetup s;
    s.cueBall = 1;
    s.force = 0.534896;
    s.balls[0] = {1.902636, 0.319352};
    s.balls[1] = {2.278490, 1.034751};
    s.balls[2] = {0.497532, 0.893499};
    return s;
}

TEST(SearchWindows, ListedWindowsMatchTheScoringRangeAroundTheirAim)
{
    for (const Case& c : {kCases[0], kCases[1], Case{0, 0, Game::UneBande}})
    {
        const ShotSetup setup = c.seed != 0 ? DrawnPosition(c.seed, c.force) : TwoWaysApart();
        std::atomic<bool> cancel{false};
        const SearchResult result = FindShots(CMirobeltDoc(), {.setup = setup, .game = c.game, .threads = 2}, cancel);
        ASSERT_FALSE(result.solutions.empty()) << c.seed;
        // The five most forgiving: those a player picks.
        for (std::size_t k = 0; k < result.solutions.size() && k < 5; ++k)
        {
            const Solution& s = result.solutions[k];
            SCOPED_TRACE("seed " + std::to_string(c.seed) + ", solution " + std::to_string(k + 1));
            ASSERT_TRUE(ScoresExactly(s.setup, c.game));
            EXPECT_EQ(FullVerdict(s.setup, c.game), Verdict::Scored);
            const double limit = 2 * s.windowDegrees + 1;
            const double step = std::min(0.01, s.windowDegrees / 50);  // finer than any gap that matters
            const double real = EdgeFrom(setup, c.game, s.aimDegrees, 1, limit, step) -
                                EdgeFrom(setup, c.game, s.aimDegrees, -1, limit, step);
            EXPECT_LE(std::fabs(s.windowDegrees - real), 0.3 * real) << s.windowDegrees << " against " << real;
        }
    }
}

// Every range of 0.3 degree or more found by an independent scan every 0.1
// degree holds a listed aim, or scores only in ways the list holds.
TEST(SearchWindows, EveryWideScoringRangeIsRepresented)
{
    const Case c = kCases[0];
    const ShotSetup setup = DrawnPosition(c.seed, c.force);
    std::atomic<bool> cancel{false};
    const SearchResult result = FindShots(CMirobeltDoc(), {.setup = setup, .game = c.game, .threads = 2}, cancel);
    std::set<std::string> listedWays;
    for (const Solution& s : result.solutions)
        listedWays.insert(s.outcome.Way());

    constexpr int kDirections = 3600;
    std::vector<std::string> ways(kDirections);  // empty where the direction misses
    const auto scan = [&](int from, int to) {
        CMirobeltDoc doc;
        ShotEvaluator evaluator(doc, c.game, setup.cueBall);
        for (int d = from; d < to; ++d)
        {
            const ShotOutcome o = evaluator.Evaluate(AimedSetup(setup, d * 0.1), true);
            if (o.verdict == Verdict::Scored)
                ways[d] = o.Way();
        }
    };
    auto half = std::async(std::launch::async, scan, 0, kDirections / 2);
    scan(kDirections / 2, kDirections);
    half.get();

    int wide = 0;
    for (int d = 0; d < kDirections; ++d)
    {
        if (ways[d].empty() || !ways[(d + kDirections - 1) % kDirections].empty())
            continue;
        int length = 0;
        std::set<std::string> seen;
        while (length < kDirections && !ways[(d + length) % kDirections].empty())
            seen.insert(ways[(d + length++) % kDirections]);
        if (length < 4)  // under 0.3 degree for sure
            continue;
        ++wide;
        const double low = d * 0.1, high = (d + length - 1) * 0.1;
        bool aimInside = false;
        for (const Solution& s : result.solutions)
            for (const double turn : {-360.0, 0.0, 360.0})
                aimInside = aimInside || (s.aimDegrees + turn >= low - 0.1 && s.aimDegrees + turn <= high + 0.1);
        bool waysListed = true;
        for (const std::string& way : seen)
            waysListed = waysListed && listedWays.count(way) > 0;
        EXPECT_TRUE(aimInside || waysListed) << "range from " << low << " to " << high;
    }
    EXPECT_GT(wide, 0);
}

TEST(AimMap, ArcsAreTheSearchWindowsAndEachMiddleScores)
{
    const ShotSetup setup = DrawnPosition(kCases[0].seed, kCases[0].force);
    std::atomic<bool> cancel{false};
    const AimMap map = ComputeAimMap(CMirobeltDoc(), setup, kCases[0].game, cancel, 2);
    ASSERT_FALSE(map.cancelled);
    ASSERT_FALSE(map.arcs.empty());
    const SearchResult result =
        FindShots(CMirobeltDoc(), {.setup = setup, .game = kCases[0].game, .threads = 2}, cancel);
    for (std::size_t k = 0; k < map.arcs.size(); ++k)
    {
        const AimArc& arc = map.arcs[k];
        EXPECT_TRUE(arc.startDegrees >= 0 && arc.startDegrees < 360);
        EXPECT_NEAR(arc.endDegrees - arc.startDegrees, arc.widthDegrees, 1e-12);
        if (k > 0)
        {
            EXPECT_GE(arc.startDegrees, map.arcs[k - 1].endDegrees);  // in order, apart
        }
        EXPECT_TRUE(ScoresExactly(AimedSetup(setup, arc.MiddleDegrees()), kCases[0].game)) << k;
    }
    // Each listed solution's window is one of the arcs, unless its edge moved when confirmed.
    for (const Solution& s : result.solutions)
    {
        bool found = false;
        for (const AimArc& arc : map.arcs)
            found = found || std::fabs(std::remainder(arc.startDegrees - s.windowLow, 360.0)) < 1e-9 ||
                    std::fabs(std::remainder(arc.endDegrees - s.windowHigh, 360.0)) < 1e-9;
        EXPECT_TRUE(found) << s.aimDegrees;
    }
}

TEST(AimMap, ANewRequestReplacesTheRunningOneAndCancelStopsIt)
{
    std::mutex mutex;
    std::vector<std::pair<std::uint64_t, std::size_t>> maps;  // generation, arcs
    std::condition_variable came;
    LiveAimMap live(
        [&](std::uint64_t generation, const AimMap& map) {
            const std::lock_guard lock(mutex);
            maps.emplace_back(generation, map.arcs.size());
            came.notify_all();
        },
        2);
    const CMirobeltDoc doc;
    ShotSetup still = CannonSetup(0);  // no force: no arc
    live.Request(doc, DrawnPosition(3, 1.0), Game::TroisBandes);
    const std::uint64_t last = live.Request(doc, CannonSetup(), Game::Libre);
    EXPECT_EQ(last, live.Generation());
    {
        std::unique_lock lock(mutex);
        ASSERT_TRUE(came.wait_for(lock, std::chrono::seconds(120), [&] { return !maps.empty(); }));
        // Only the latest request's map comes, and the cannon scores at libre.
        ASSERT_EQ(maps.size(), 1u);
        EXPECT_EQ(maps[0].first, last);
        EXPECT_GT(maps[0].second, 0u);
    }
    live.Request(doc, DrawnPosition(3, 1.0), Game::TroisBandes);
    live.Cancel();
    const std::uint64_t stillGeneration = live.Request(doc, still, Game::Libre);
    std::unique_lock lock(mutex);
    ASSERT_TRUE(came.wait_for(lock, std::chrono::seconds(120), [&] { return maps.size() > 1; }));
    EXPECT_EQ(maps.size(), 2u);
    EXPECT_EQ(maps[1], std::make_pair(stillGeneration, std::size_t{0}));
}

TEST(ShotSearch, AimAndStrokeTriesTwoHundredStrokesInsideTheDisc)
{
    const std::vector<ShotSetup> strokes =
        SearchStrokes({.setup = CannonSetup(), .kind = SearchKind::AimAndStroke});
    ASSERT_EQ(strokes.size(), 200u);
    std::set<double> heights, sides, forces;
    for (const ShotSetup& s : strokes)
    {
        EXPECT_LE(std::hypot(s.strikeHeight, s.strikeSide), 0.7);
        heights.insert(s.strikeHeight), sides.insert(s.strikeSide), forces.insert(s.force);
    }
    EXPECT_EQ(std::tuple(heights.size(), sides.size(), forces.size()), std::tuple(5u, 5u, 8u));
    EXPECT_EQ(*forces.begin(), 0.15);
    EXPECT_EQ(*forces.rbegin(), 1.0);
    EXPECT_EQ(SearchStrokes({.setup = CannonSetup(0.3)}).size(), 1u);
}

// The closer look of an aim-and-stroke search inside its half-degree runs
// against a whole turn looked at every 0.1 degree: the same runs between the
// half-degree misses around each half-degree run.
TEST(SearchWindows, CloserRunsAreTheRunsOfATenthOfADegreeTurn)
{
    const PhysicsSetting setting = PhysicsSetting::Of(CMirobeltDoc());
    const ShotSetup setup = DrawnPosition(7, 0.6);
    std::atomic<bool> cancel{false};
    SearchWorkers workers(setting, Game::TroisBandes, 1, 2, cancel);
    WindowScan coarse(workers, {setup}, kStrokeFirstPass);
    coarse.FirstPass();
    std::vector<const WindowScan::Run*> runs;
    for (const WindowScan::Run& run : coarse.Runs())
        runs.push_back(&run);
    ASSERT_GE(runs.size(), 3u);
    const std::vector<WindowScan::Run> closer = coarse.CloserRuns(runs, kFineDirections / kAimOnlyFirstPass);

    WindowScan tenth(workers, {setup}, kAimOnlyFirstPass);
    tenth.FirstPass();
    const auto key = [](const WindowScan::Run& run) {
        return std::tuple(run.first, run.length, run.spacing, run.ways);
    };
    std::set<decltype(key(closer[0]))> expected, found;
    const int halfDegree = kFineDirections / kStrokeFirstPass;
    for (const WindowScan::Run& run : tenth.Runs())
        for (const WindowScan::Run* around : runs)
        {
            const int fromMiss = ((run.first - around->first + halfDegree) % kFineDirections + kFineDirections) %
                                 kFineDirections;
            if (fromMiss < (around->length + 1) * halfDegree)
                expected.insert(key(run));
        }
    for (const WindowScan::Run& run : closer)
        found.insert(key(run));
    EXPECT_EQ(found, expected);
}

}  // namespace
