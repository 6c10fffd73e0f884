// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of the shot finder: one evaluated shot with its early end, for each
// game and against the shot computed to its end, and whole searches with the
// number of shots they evaluate per second.
#include <benchmark/benchmark.h>

#include <atomic>
#include <ctime>

#include "bench_finder_before.h"
#include "finder/AimMap.h"
#include "finder/ShotSearch.h"

namespace
{

// A full-table position: white in the lower left quarter, red and spotted in
// the other half.
ShotSetup TypicalSetup()
{
    ShotSetup s;
    s.cueBall = 1;
    s.force = 0.5;
    s.balls[0] = {0.6, 0.7};
    s.balls[1] = {1.8, 0.4};
    s.balls[2] = {2.0, 0.9};
    return s;
}

// One shot per iteration, turning through the coarse directions so that
// every kind of shot of the position is in the average.
void EvaluatedShot(benchmark::State& state, Game game, bool endEarly)
{
    const CMirobeltDoc prototype;
    ShotEvaluator evaluator(prototype, game, 1);
    int direction = 0;
    for (auto _ : state)
    {
        const ShotSetup setup = AimedSetup(TypicalSetup(), direction * (360.0 / kStrokeFirstPass));
        benchmark::DoNotOptimize(evaluator.Evaluate(setup, endEarly).verdict);
        direction = (direction + 7) % kStrokeFirstPass;
    }
    state.counters["shots_per_s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                       benchmark::Counter::kIsRate);
}

// CPU time of the whole process, every thread: on a shared machine the wall
// time says little, the CPU time says what a search costs.
double ProcessCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

// Whole searches, today's and the one before the honest windows, on the same
// position in the same run.
void Search(benchmark::State& state, SearchKind kind, bool before)
{
    const CMirobeltDoc prototype;
    SearchRequest request;
    request.setup = TypicalSetup();
    request.game = Game::TroisBandes;
    request.kind = kind;
    request.threads = static_cast<int>(state.range(0));
    std::atomic<bool> cancel{false};
    long long evaluated = 0;
    double seconds = 0;
    std::size_t solutions = 0;
    PhaseShots phases;
    const double cpuStart = ProcessCpuSeconds();
    for (auto _ : state)
    {
        const SearchResult result =
            before ? FindShotsBefore(prototype, request, cancel) : FindShots(prototype, request, cancel);
        evaluated += result.evaluated;
        seconds += result.seconds;
        solutions = result.solutions.size();
        phases = result.phases;
    }
    const double cpuSeconds = ProcessCpuSeconds() - cpuStart;
    const double iterations = static_cast<double>(state.iterations());
    state.counters["shots_per_s"] = static_cast<double>(evaluated) / seconds;
    state.counters["cpu_s"] = cpuSeconds / iterations;
    state.counters["shots_per_cpu_s"] = static_cast<double>(evaluated) / cpuSeconds;
    if (!before)
    {
        state.counters["first_pass"] = static_cast<double>(phases[SearchPhase::FirstPass]);
        state.counters["refinement"] = static_cast<double>(phases[SearchPhase::Refinement]);
        state.counters["edges"] = static_cast<double>(phases[SearchPhase::Edges]);
        state.counters["confirmation"] = static_cast<double>(phases[SearchPhase::Confirmation]);
    }
    state.counters["shots"] = static_cast<double>(evaluated) / static_cast<double>(state.iterations());
    state.counters["solutions"] = static_cast<double>(solutions);
}

}  // namespace

BENCHMARK_CAPTURE(EvaluatedShot, libre_early_end, Game::Libre, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EvaluatedShot, une_bande_early_end, Game::UneBande, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EvaluatedShot, trois_bandes_early_end, Game::TroisBandes, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EvaluatedShot, trois_bandes_to_the_end, Game::TroisBandes, false)->Unit(benchmark::kMillisecond);
// The map of scoring aims of the position, as the panel asks for it.
void AimMapOfPosition(benchmark::State& state)
{
    const CMirobeltDoc prototype;
    std::atomic<bool> cancel{false};
    std::size_t arcs = 0;
    long long evaluated = 0;
    const double cpuStart = ProcessCpuSeconds();
    for (auto _ : state)
    {
        const AimMap map = ComputeAimMap(prototype, TypicalSetup(), Game::TroisBandes, cancel, 2);
        arcs = map.arcs.size();
        evaluated = map.evaluated;
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["arcs"] = static_cast<double>(arcs);
    state.counters["shots"] = static_cast<double>(evaluated);
    state.counters["cpu_s"] = (ProcessCpuSeconds() - cpuStart) / iterations;
}

BENCHMARK_CAPTURE(Search, trois_bandes_aim_only_before, SearchKind::AimOnly, true)
    ->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK_CAPTURE(Search, trois_bandes_aim_only, SearchKind::AimOnly, false)
    ->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(AimMapOfPosition)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK_CAPTURE(Search, trois_bandes_aim_and_stroke_before, SearchKind::AimAndStroke, true)
    ->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK_CAPTURE(Search, trois_bandes_aim_and_stroke, SearchKind::AimAndStroke, false)
    ->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
