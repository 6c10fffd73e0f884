// SPDX-License-Identifier: GPL-3.0-or-later
// Exact and screening computations of the same shots, one run: shots per
// second on one and on two threads, and how many shots the screening
// classifies differently from the exact computation.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cmath>
#include <string>
#include <thread>
#include <vector>

#include "sim/ShotComputation.h"

namespace
{
// Pseudo-random positions, the same on every run: three balls at least two
// diameters apart, inside the full table.
std::vector<ShotSetup> Positions(int count)
{
    std::vector<ShotSetup> positions;
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) / double(1u << 24);
    };
    while (static_cast<int>(positions.size()) < count)
    {
        ShotSetup s;
        for (BallStart& b : s.balls)
            b = {0.05 + 2.38 * next(), 0.05 + 1.11 * next()};
        bool apart = true;
        for (int i = 0; i < 3; ++i)
            for (int j = i + 1; j < 3; ++j)
                apart = apart && std::hypot(s.balls[i].x - s.balls[j].x, s.balls[i].y - s.balls[j].y) > 0.122;
        if (!apart)
            continue;
        s.cueBall = 1 + static_cast<int>(positions.size()) % 2;
        s.force = 0.3 + 0.5 * next();
        s.strikeHeight = 0.8 * next() - 0.4;
        s.strikeSide = 0.8 * next() - 0.4;
        positions.push_back(s);
    }
    return positions;
}

ShotSetup Aimed(ShotSetup s, double angle)
{
    const BallStart& cue = s.balls[s.cueBall - 1];
    s.aimOriginX = cue.x;
    s.aimOriginY = cue.y;
    s.aimTargetX = cue.x + std::cos(angle);
    s.aimTargetY = cue.y + std::sin(angle);
    return s;
}

// The cue ball's way until it has touched both object balls or come to rest:
// the object balls and cushion letters in order. Ends the shot once known.
class CueBallWay final : public ContactReceiver
{
public:
    explicit CueBallWay(int cueBall) : m_cue(cueBall) {}
    bool OnContact(const Contact& c) override
    {
        if (m_done || (c.ball != m_cue && c.other != m_cue))
            return m_done;
        if (c.IsCushion())
        {
            way += "LRTB"[static_cast<int>(c.cushion)];
            return false;
        }
        const int object = c.ball == m_cue ? c.other : c.ball;
        way += char('0' + object);
        m_touched |= 1 << object;
        m_done = m_touched == (7 & ~(1 << m_cue));
        return m_done;
    }
    bool OnSample(const CShotPhysics& physics) override
    {
        if (m_done || physics.BallAtRest(m_cue))
        {
            m_done = true;
            return true;
        }
        return false;
    }
    std::string way;

private:
    int m_cue;
    int m_touched = 0;
    bool m_done = false;
};

std::string WayOf(ShotComputation& computation, const ShotSetup& setup, ComputeMode mode)
{
    CueBallWay receiver(setup.cueBall - 1);
    computation.Run(setup, mode, &receiver);
    return receiver.way;
}

constexpr int kBenchPositions = 8;
constexpr int kBenchDirections = 90;

// Whole shots to the end, cycling over 8 positions x 90 directions; each
// thread has its own computation.
void ShotsPerSecond(benchmark::State& state, ComputeMode mode)
{
    static const std::vector<ShotSetup> positions = Positions(kBenchPositions);
    CMirobeltDoc doc;
    ShotComputation computation(PhysicsSetting::Of(doc));
    int i = state.thread_index() * 37;
    for (auto _ : state)
    {
        const int shot = i++ % (kBenchPositions * kBenchDirections);
        const ShotSetup setup =
            Aimed(positions[shot % kBenchPositions], (shot / kBenchPositions) * 2 * M_PI / kBenchDirections);
        computation.Run(setup, mode, nullptr);
        benchmark::DoNotOptimize(computation.Physics().m_work[0].x);
    }
    state.counters["shots_per_s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// Classification of 30 positions x 720 directions both ways (early end as the
// finder does), on two threads. A disagreement is "at an edge" when the exact
// way changes within 1e-6 rad of its direction.
void BM_ScreeningAgreement(benchmark::State& state)
{
    constexpr int kPositions = 30;
    constexpr int kDirections = 720;
    const std::vector<ShotSetup> positions = Positions(kPositions);
    for (auto _ : state)
    {
        std::atomic<int> disagreements = 0;
        std::atomic<int> awayFromEdges = 0;
        auto work = [&](int first) {
            CMirobeltDoc doc;
            ShotComputation computation(PhysicsSetting::Of(doc));
            for (int shot = first; shot < kPositions * kDirections; shot += 2)
            {
                const ShotSetup& position = positions[shot % kPositions];
                const double angle = (shot / kPositions) * 2 * M_PI / kDirections;
                const std::string exact = WayOf(computation, Aimed(position, angle), ComputeMode::Exact);
                if (WayOf(computation, Aimed(position, angle), ComputeMode::Screening) == exact)
                    continue;
                ++disagreements;
                if (WayOf(computation, Aimed(position, angle - 1e-6), ComputeMode::Exact) == exact &&
                    WayOf(computation, Aimed(position, angle + 1e-6), ComputeMode::Exact) == exact)
                    ++awayFromEdges;
            }
        };
        std::thread other(work, 1);
        work(0);
        other.join();
        state.counters["shots"] = kPositions * kDirections;
        state.counters["disagreements"] = disagreements.load();
        state.counters["away_from_edges"] = awayFromEdges.load();
    }
}
}  // namespace

BENCHMARK_CAPTURE(ShotsPerSecond, exact, ComputeMode::Exact)->Threads(1)->Threads(2)->UseRealTime();
BENCHMARK_CAPTURE(ShotsPerSecond, screening, ComputeMode::Screening)->Threads(1)->Threads(2)->UseRealTime();
BENCHMARK(BM_ScreeningAgreement)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
