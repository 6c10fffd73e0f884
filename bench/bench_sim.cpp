// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of computing whole shots through the document, and of one integration
// step of three moving balls.
#include <benchmark/benchmark.h>

#include <limits>
#include <memory>

#include "sim/MirobeltDoc.h"

namespace
{
ShotSetup BaseSetup()
{
    ShotSetup s;
    s.cueBall = 1;
    s.balls[0] = {0.5, 0.6};
    s.balls[1] = {1.5, 0.45};
    s.balls[2] = {2.0, 0.95};
    s.aimOriginX = 0.5;
    s.aimOriginY = 0.6;
    s.aimTargetX = 1.5;
    s.aimTargetY = 0.47;
    return s;
}

ShotSetup PlainShot()
{
    ShotSetup s = BaseSetup();
    s.force = 0.4;
    return s;
}

ShotSetup DrawShot()
{
    ShotSetup s = BaseSetup();
    s.force = 0.5;
    s.strikeHeight = 0.9;
    s.raiseAngle = 20;
    return s;
}

ShotSetup MasseShot()
{
    ShotSetup s = BaseSetup();
    s.force = 0.8;
    s.raiseAngle = 70;
    s.strikeSide = 0.6;
    s.strikeHeight = -0.3;
    return s;
}

ShotSetup ArtisticShot()
{
    ShotSetup s = BaseSetup();
    s.force = 0.9;
    s.strikeMode = 150;
    s.strikeSide = -0.5;
    s.aimTargetX = 1.2;
    s.aimTargetY = 0.0;
    return s;
}

ShotSetup NonFiniteShot()
{
    ShotSetup s = BaseSetup();
    s.aimTargetX = std::numeric_limits<double>::quiet_NaN();
    return s;
}

void RunShots(benchmark::State& state, ShotSetup (*make)())
{
    g_bNoMouseAbort = 1;
    auto doc = std::make_unique<CMirobeltDoc>();
    const ShotSetup setup = make();
    for (auto _ : state)
    {
        doc->SetShotRequest(setup);
        doc->RunShot();
        benchmark::DoNotOptimize(doc->m_physics.m_traj[0].x[0]);
    }
    const double samples = doc->m_physics.m_traj[0].m_nCount;
    state.counters["sim_s"] = samples * 0.01;
    state.counters["ns_per_step"] = benchmark::Counter(
        samples * 20 * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Three balls set moving at once, rolling or with strong sliding spin; the
// loop runs until they rest (a minute of simulated time or so, nearly all of
// it with three balls moving).
void IntegrationLoop(benchmark::State& state, bool sliding)
{
    g_bNoMouseAbort = 1;
    auto physics = std::make_unique<CShotPhysics>();
    const double r = physics->m_dRadius;
    BallState start[3] = {
        {0.3, 0.3, 1.2, 0.7, 0, 0, 5},
        {1.2, 0.6, -0.8, 0.4, 0, 0, 0},
        {2.0, 1.0, -0.5, -0.9, 0, 0, -3},
    };
    for (BallState& b : start)
    {
        b.wx = sliding ? -20 : b.vy / r;
        b.wy = sliding ? 10 : -b.vx / r;
    }
    for (auto _ : state)
    {
        physics->LoadStartState(start);
        physics->Simulate();
        benchmark::DoNotOptimize(physics->m_traj[0].x[0]);
    }
    const double samples = physics->m_traj[0].m_nCount;
    state.counters["sim_s"] = samples * 0.01;
    state.counters["ns_per_step"] = benchmark::Counter(
        samples * 20 * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The same operations called one by one from outside, as a caller of the
// step operations would; the state is restored every 1000 steps.
void BM_StepOperationCalls(benchmark::State& state)
{
    auto physics = std::make_unique<CShotPhysics>();
    const BallState start[3] = {
        {0.3, 0.3, 1.2, 0.7, -10, 20, 5},
        {1.2, 0.6, -0.8, 0.4, 3, 10, 0},
        {2.0, 1.0, -0.5, -0.9, 20, -5, -3},
    };
    const double dt = physics->m_dTimeStep;
    constexpr int kSteps = 1000;
    for (auto _ : state)
    {
        for (int b = 0; b < 3; ++b)
            physics->m_work[b] = start[b];
        int moving = 0;
        for (int i = 0; i < kSteps; ++i)
        {
            moving += physics->StepBall(0, dt);
            moving += physics->StepBall(1, dt);
            moving += physics->StepBall(2, dt);
            physics->CollideBalls(0, 1);
            physics->CollideBalls(0, 2);
            physics->CollideBalls(1, 2);
            physics->CheckCushions(0);
            physics->CheckCushions(1);
            physics->CheckCushions(2);
        }
        benchmark::DoNotOptimize(moving);
        benchmark::DoNotOptimize(physics->m_work[0].x);
    }
    state.counters["ns_per_step"] = benchmark::Counter(
        static_cast<double>(kSteps) * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
}  // namespace

BENCHMARK_CAPTURE(RunShots, plain, PlainShot)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RunShots, draw, DrawShot)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RunShots, masse, MasseShot)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RunShots, artistic_cushions, ArtisticShot)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RunShots, non_finite_fills_buffers, NonFiniteShot)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(IntegrationLoop, three_rolling, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(IntegrationLoop, three_sliding, true)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepOperationCalls)->Unit(benchmark::kMicrosecond);
