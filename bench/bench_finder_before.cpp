// SPDX-License-Identifier: GPL-3.0-or-later
// The search as it was before its windows were checked between first-pass
// directions: every half degree, edges halved, one run's middle shown. Kept
// only as the baseline of the benchmarks.
#include "bench_finder_before.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <set>
#include <thread>

#include "finder/WorkerPool.h"

namespace before
{

constexpr int kCoarseDirections = 720;

// Halvings of a coarse step that find the edge of a window: half a degree
// down to about 0.0005 degree.
constexpr int kEdgeHalvings = 10;

// The strokes of an aim-and-stroke search: the centre of the strike disc and
// four points around it, well inside the usable part, at four forces. Every
// stroke costs a full turn of directions, and a shot runs until the cue ball
// scores, fails or rests: this keeps the search within half a minute.
struct StrikePoint
{
    double height;
    double side;
};
constexpr StrikePoint kStrikePoints[] = {{0, 0}, {-0.45, 0}, {0.45, 0}, {0, -0.45}, {0, 0.45}};
constexpr double kForces[] = {0.25, 0.5, 0.75, 1.0};

struct Stroke
{
    double force;
    double strikeHeight;
    double strikeSide;
};

std::vector<Stroke> StrokesOf(const SearchRequest& request)
{
    const ShotSetup& s = request.setup;
    if (request.kind == SearchKind::AimOnly)
        return {{s.force, s.strikeHeight, s.strikeSide}};
    std::vector<Stroke> strokes;
    for (const double force : kForces)
        for (const StrikePoint& point : kStrikePoints)
            strokes.push_back({force, point.height, point.side});
    return strokes;
}

double CoarseDegrees(int direction) { return direction * (360.0 / kCoarseDirections); }

// A run of neighbouring coarse directions that score with one stroke.
struct ScoringRun
{
    int stroke;
    int first;   // coarse direction numbers, first..first + length - 1 (around the circle)
    int length;
    double lowEdge = 0;   // degrees, may be below 0 or the high edge above 360
    double highEdge = 0;
};

struct Candidate
{
    Solution solution;
    bool found = false;
};

class Search
{
public:
    Search(const CMirobeltDoc& prototype, const SearchRequest& request, const std::atomic<bool>& cancel,
           const std::function<void(long long, long long)>& progress)
        : m_request(request), m_cancel(cancel), m_progress(progress), m_strokes(StrokesOf(request))
    {
        m_threads = request.threads > 0 ? request.threads
                                        : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
        for (int w = 0; w < m_threads; ++w)
            m_evaluators.push_back(
                std::make_unique<ShotEvaluator>(prototype, request.game, request.setup.cueBall));
    }

    SearchResult Run()
    {
        const auto start = std::chrono::steady_clock::now();
        SearchResult result;
        if (m_request.setup.cueBall >= 1 && m_request.setup.cueBall <= 3)
        {
            ScanCoarse();
            FindRuns();
            FindEdges();
            result.solutions = BestOfEachWay(ChooseMembers());
        }
        result.evaluated = m_evaluated.load();
        result.cancelled = m_cancel.load();
        if (result.cancelled)
            result.solutions.clear();
        result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        return result;
    }

private:
    ShotSetup StrokeSetup(int stroke, double degrees) const
    {
        ShotSetup setup = m_request.setup;
        setup.force = m_strokes[stroke].force;
        setup.strikeHeight = m_strokes[stroke].strikeHeight;
        setup.strikeSide = m_strokes[stroke].strikeSide;
        return AimedSetup(setup, degrees);
    }

    ShotOutcome Evaluate(int worker, const ShotSetup& setup, bool endEarly)
    {
        ++m_evaluated;
        return m_evaluators[worker]->Evaluate(setup, endEarly);
    }

    bool Scores(int worker, int stroke, double degrees)
    {
        return Evaluate(worker, StrokeSetup(stroke, degrees), true).verdict == Verdict::Scored;
    }

    void Parallel(std::size_t count, const std::function<void(int, std::size_t)>& body)
    {
        RunOnWorkers(m_threads, count, m_cancel, body, [this] {
            if (m_progress)
                m_progress(m_evaluated.load(), m_planned.load());
        });
    }

    void ScanCoarse()
    {
        const std::size_t count = m_strokes.size() * kCoarseDirections;
        m_planned = static_cast<long long>(count);
        m_coarse.assign(count, 0);
        Parallel(count, [this](int worker, std::size_t item) {
            const int stroke = static_cast<int>(item / kCoarseDirections);
            const int direction = static_cast<int>(item % kCoarseDirections);
            m_coarse[item] = Scores(worker, stroke, CoarseDegrees(direction)) ? 1 : 0;
        });
    }

    bool CoarseScores(int stroke, int direction) const
    {
        const int wrapped = (direction % kCoarseDirections + kCoarseDirections) % kCoarseDirections;
        return m_coarse[static_cast<std::size_t>(stroke) * kCoarseDirections + wrapped] != 0;
    }

    void FindRuns()
    {
        if (m_cancel)
            return;
        for (int stroke = 0; stroke < static_cast<int>(m_strokes.size()); ++stroke)
        {
            int start = 0;  // a missing direction, so that no run is cut in two
            while (start < kCoarseDirections && CoarseScores(stroke, start))
                ++start;
            if (start == kCoarseDirections)
            {
                m_runs.push_back({stroke, 0, kCoarseDirections, 0, 360});
                continue;
            }
            for (int i = 1; i <= kCoarseDirections; ++i)
            {
                const int d = start + i;
                if (CoarseScores(stroke, d) && !CoarseScores(stroke, d - 1))
                {
                    int length = 1;
                    while (CoarseScores(stroke, d + length))
                        ++length;
                    m_runs.push_back({stroke, d % kCoarseDirections, length});
                }
            }
        }
        m_planned += static_cast<long long>(m_runs.size()) * (2 * kEdgeHalvings + 2);
    }

    // Each run has two edges, each found between a scoring and a missing direction.
    void FindEdges()
    {
        if (m_cancel)
            return;
        Parallel(m_runs.size() * 2, [this](int worker, std::size_t item) {
            ScoringRun& run = m_runs[item / 2];
            if (run.length == kCoarseDirections)
                return;
            const bool low = item % 2 == 0;
            double inside = CoarseDegrees(low ? run.first : run.first + run.length - 1);
            double outside = inside + (low ? -1 : 1) * (360.0 / kCoarseDirections);
            for (int k = 0; k < kEdgeHalvings && !m_cancel; ++k)
            {
                const double middle = (inside + outside) / 2;
                (Scores(worker, run.stroke, middle) ? inside : outside) = middle;
            }
            (low ? run.lowEdge : run.highEdge) = (inside + outside) / 2;
        });
    }

    // The member of each run shown for it: the middle of its window when it
    // scores, else its coarse direction nearest the middle. It must also
    // score when computed to the end.
    std::vector<Candidate> ChooseMembers()
    {
        std::vector<Candidate> candidates(m_runs.size());
        if (m_cancel)
            return candidates;
        Parallel(m_runs.size(), [this, &candidates](int worker, std::size_t item) {
            const ScoringRun& run = m_runs[item];
            const double middle = (run.lowEdge + run.highEdge) / 2;
            ShotSetup setup = StrokeSetup(run.stroke, middle);
            ShotOutcome outcome = Evaluate(worker, setup, true);
            if (outcome.verdict != Verdict::Scored)
            {
                const int nearest = run.first + run.length / 2;
                setup = StrokeSetup(run.stroke, CoarseDegrees(nearest % kCoarseDirections));
                outcome = Evaluate(worker, setup, true);
            }
            if (outcome.verdict != Verdict::Scored || Evaluate(worker, setup, false).verdict != Verdict::Scored)
                return;
            Candidate& c = candidates[item];
            c.solution.setup = setup;
            c.solution.aimDegrees = AimDegrees(setup);
            c.solution.windowDegrees = run.highEdge - run.lowEdge;
            c.solution.outcome = outcome;
            c.found = true;
        });
        return candidates;
    }

    static std::vector<Solution> BestOfEachWay(const std::vector<Candidate>& candidates)
    {
        std::vector<const Solution*> found;
        for (const Candidate& c : candidates)
            if (c.found)
                found.push_back(&c.solution);
        std::stable_sort(found.begin(), found.end(), [](const Solution* a, const Solution* b) {
            return a->windowDegrees > b->windowDegrees;
        });
        std::vector<Solution> best;
        std::set<std::string> ways;
        for (const Solution* s : found)
            if (ways.insert(s->outcome.Way()).second)
                best.push_back(*s);
        return best;
    }

    const SearchRequest& m_request;
    const std::atomic<bool>& m_cancel;
    const std::function<void(long long, long long)>& m_progress;
    std::vector<Stroke> m_strokes;
    int m_threads = 1;
    std::vector<std::unique_ptr<ShotEvaluator>> m_evaluators;
    std::vector<char> m_coarse;  // 1 where the coarse direction scores
    std::vector<ScoringRun> m_runs;
    std::atomic<long long> m_evaluated{0};
    std::atomic<long long> m_planned{0};
};

}  // namespace before

SearchResult FindShotsBefore(const CMirobeltDoc& prototype, const SearchRequest& request,
                             const std::atomic<bool>& cancel)
{
    const std::function<void(long long, long long)> noProgress;
    before::Search search(prototype, request, cancel, noProgress);
    return search.Run();
}
