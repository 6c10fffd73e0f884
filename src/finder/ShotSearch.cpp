// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder/ShotSearch.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <map>
#include <numbers>

#include "finder/FileValues.h"
#include "finder/WindowScan.h"

namespace
{

// Strike points of an aim-and-stroke search, fractions of the strike
// widget's radius: the corners stay inside the usable disc of radius 0.7.
constexpr double kStrikeOffsets[] = {-0.48, -0.24, 0, 0.24, 0.48};
constexpr int kForces = 8;
constexpr double kWeakestForce = 0.15;
constexpr double kStrongestForce = 1.0;

// The precision to which the exact computation moves an edge that it does not confirm.
constexpr double kEdgePrecisionDegrees = 0.001;

// Fine directions between the closer looks of an aim-and-stroke search
// inside its first pass's runs: every 0.1 degree.
constexpr int kCloserSpacing = 5;

// Runs of an aim-and-stroke search refined at once.
constexpr std::size_t kRefineBatch = 32;

// A way of scoring at its widest range found so far.
struct Candidate
{
    const ScoringWindow* window;
    const WayRange* range;
};

class Search
{
public:
    Search(const CMirobeltDoc& prototype, const SearchRequest& request, const std::atomic<bool>& cancel,
           const std::function<void(long long, long long)>& progress)
        : m_request(request),
          m_workers(PhysicsSetting::Of(prototype), request.game, request.setup.cueBall, request.threads, cancel, progress),
          m_scan(m_workers, SearchStrokes(request),
                 request.kind == SearchKind::AimOnly ? kAimOnlyFirstPass : kStrokeFirstPass)
    {
    }

    SearchResult Run()
    {
        const auto start = std::chrono::steady_clock::now();
        SearchResult result;
        if (m_request.setup.cueBall >= 1 && m_request.setup.cueBall <= 3)
        {
            m_scan.FirstPass();
            if (m_request.kind == SearchKind::AimOnly)
                RefineAll();
            else
                RefineWidestFirst();
            result.solutions = Confirm(WidestOfEachWay());
        }
        result.evaluated = m_workers.Evaluated();
        result.phases = m_workers.ShotsByPhase();
        result.cancelled = m_workers.Cancelled();
        if (result.cancelled)
            result.solutions.clear();
        result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        return result;
    }

private:
    void RefineAll()
    {
        std::vector<const WindowScan::Run*> runs;
        for (const WindowScan::Run& run : m_scan.Runs())
            runs.push_back(&run);
        m_windows = m_scan.Refine(runs);
    }

    // With 200 strokes most runs repeat ways already found wider elsewhere.
    // Runs go longest first, in batches: a run is looked at every 0.1 degree
    // only while a way seen in it at the first pass could be wider there than
    // the widest found so far; the runs of those closer directions are then
    // checked every fine direction only while that still holds for their
    // ways. A way's range spanning n neighbouring directions of a step is
    // narrower than n + 1 steps, so no way's widest range seen at 0.1 degree
    // is passed over.
    void RefineWidestFirst()
    {
        std::vector<const WindowScan::Run*> runs;
        for (const WindowScan::Run& run : m_scan.Runs())
            runs.push_back(&run);
        std::stable_sort(runs.begin(), runs.end(), [](const auto* a, const auto* b) { return a->length > b->length; });
        // For each way, the least width its widest range found so far can have once settled.
        std::map<std::string, double> widest;
        const auto couldBeWider = [&](const std::vector<std::pair<std::string, int>>& ways, double step) {
            return std::any_of(ways.begin(), ways.end(), [&](const auto& way) {
                const auto found = widest.find(way.first);
                return found == widest.end() || (way.second + 1) * step > found->second;
            });
        };
        std::vector<ScoringWindow> fine;
        std::size_t next = 0;
        while (next < runs.size() && !m_workers.Cancelled())
        {
            std::vector<const WindowScan::Run*> batch;
            for (; next < runs.size() && batch.size() < kRefineBatch; ++next)
                if (couldBeWider(runs[next]->ways, m_scan.FirstPassDegrees()))
                    batch.push_back(runs[next]);
            const std::vector<WindowScan::Run> closer = m_scan.CloserRuns(batch, kCloserSpacing);
            std::vector<const WindowScan::Run*> kept;
            for (const WindowScan::Run& run : closer)
                if (m_scan.WholeTurn(run) || couldBeWider(run.ways, kCloserSpacing * kFineDegrees))
                    kept.push_back(&run);
            for (ScoringWindow& window : m_scan.FineWindows(kept))
            {
                // Settling moves each boundary by less than half a fine step
                // between ways, outwards at the window's edges.
                for (const WayRange& range : window.ways)
                {
                    double& width = widest[range.outcome.Way()];
                    width = std::max(width, range.Width() - kFineDegrees);
                }
                fine.push_back(std::move(window));
            }
        }
        if (m_workers.Cancelled())
            return;
        // Only the windows holding a range that may turn out its way's widest
        // once settled (wider by at most two fine steps) are settled.
        for (ScoringWindow& window : fine)
            if (window.Width() >= 360 || std::any_of(window.ways.begin(), window.ways.end(), [&](const WayRange& range) {
                    return range.Width() + 2 * kFineDegrees >= widest[range.outcome.Way()];
                }))
                m_windows.push_back(std::move(window));
        m_scan.Settle(m_windows);
    }

    std::vector<Candidate> WidestOfEachWay() const
    {
        std::map<std::string, Candidate> best;
        for (const ScoringWindow& window : m_windows)
            for (const WayRange& range : window.ways)
            {
                auto [it, added] = best.try_emplace(range.outcome.Way(), Candidate{&window, &range});
                if (!added && range.Width() > it->second.range->Width())
                    it->second = {&window, &range};
            }
        std::vector<Candidate> candidates;
        for (const auto& [way, candidate] : best)
            candidates.push_back(candidate);
        return candidates;
    }

    // Moves an edge that the exact computation does not confirm towards the
    // aim, by halving between the aim (which scores) and the failed direction.
    void NarrowEdge(int worker, int stroke, double aim, double failed, double& edge)
    {
        double inside = aim, outside = failed;
        while (std::fabs(outside - inside) > kEdgePrecisionDegrees && !m_workers.Cancelled())
        {
            const double middle = (inside + outside) / 2;
            m_workers.Plan(1);
            (m_workers.ExactScores(worker, m_scan.Aimed(stroke, middle)) ? inside : outside) = middle;
        }
        edge = (inside + outside) / 2;
    }

    // Each candidate by the exact computation: its aim must score, and so
    // must the directions just inside its edges, or the edge moves in.
    std::vector<Solution> Confirm(const std::vector<Candidate>& candidates)
    {
        if (m_workers.Cancelled())
            return {};
        m_workers.EnterPhase(SearchPhase::Confirmation);
        m_workers.Plan(static_cast<long long>(candidates.size()) * 3);
        std::vector<Solution> confirmed(candidates.size());
        std::vector<char> kept(candidates.size(), 0);
        m_workers.Parallel(candidates.size(), [&](int worker, std::size_t item) {
            const ScoringWindow& window = *candidates[item].window;
            const WayRange& range = *candidates[item].range;
            const double aim = range.Middle();
            Solution& s = confirmed[item];
            s.setup = m_scan.Aimed(window.stroke, aim);
            s.outcome = m_workers.Exact(worker, s.setup);
            if (s.outcome.verdict != Verdict::Scored)
                return;
            s.aimDegrees = AimDegrees(s.setup);
            s.windowLow = window.low;
            s.windowHigh = window.high;
            if (!m_workers.ExactScores(worker, m_scan.Aimed(window.stroke, window.lowInside)))
                NarrowEdge(worker, window.stroke, aim, window.lowInside, s.windowLow);
            if (!m_workers.ExactScores(worker, m_scan.Aimed(window.stroke, window.highInside)))
                NarrowEdge(worker, window.stroke, aim, window.highInside, s.windowHigh);
            // The edges on the same turn as the aim's 0 to 360.
            const double turn = std::round((s.aimDegrees - aim) / 360) * 360;
            s.windowLow += turn;
            s.windowHigh += turn;
            s.windowDegrees = s.windowHigh - s.windowLow;
            s.wayDegrees = std::min(range.high + turn, s.windowHigh) - std::max(range.low + turn, s.windowLow);
            kept[item] = 1;
        });
        // The exact way may differ from the screened one: still one solution per way.
        std::vector<Solution> solutions;
        for (std::size_t k = 0; k < confirmed.size(); ++k)
            if (kept[k])
                solutions.push_back(confirmed[k]);
        std::stable_sort(solutions.begin(), solutions.end(), [](const Solution& a, const Solution& b) {
            return a.windowDegrees != b.windowDegrees ? a.windowDegrees > b.windowDegrees
                                                      : a.wayDegrees > b.wayDegrees;
        });
        std::vector<Solution> unique;
        for (const Solution& s : solutions)
            if (std::none_of(unique.begin(), unique.end(),
                             [&](const Solution& u) { return u.outcome.Way() == s.outcome.Way(); }))
                unique.push_back(s);
        return unique;
    }

    const SearchRequest& m_request;
    SearchWorkers m_workers;
    WindowScan m_scan;
    std::vector<ScoringWindow> m_windows;
};

}  // namespace

const char* SearchKindKey(SearchKind kind)
{
    return kind == SearchKind::AimOnly ? "visee-seule" : "visee-et-effet";
}

std::vector<ShotSetup> SearchStrokes(const SearchRequest& request)
{
    if (request.kind == SearchKind::AimOnly)
        return {request.setup};
    std::vector<ShotSetup> strokes;
    for (int f = 0; f < kForces; ++f)
        for (const double height : kStrikeOffsets)
            for (const double side : kStrikeOffsets)
            {
                ShotSetup stroke = request.setup;
                stroke.force = kWeakestForce + (kStrongestForce - kWeakestForce) * f / (kForces - 1);
                stroke.strikeHeight = height;
                stroke.strikeSide = side;
                strokes.push_back(stroke);
            }
    return strokes;
}

ShotSetup AimedSetup(const ShotSetup& setup, double degrees)
{
    ShotSetup aimed = setup;
    const int cue = setup.cueBall >= 1 && setup.cueBall <= 3 ? setup.cueBall - 1 : 0;
    const double radians = degrees * (std::numbers::pi / 180);
    aimed.aimOriginX = setup.balls[cue].x;
    aimed.aimOriginY = setup.balls[cue].y;
    aimed.aimTargetX = aimed.aimOriginX + std::cos(radians);
    aimed.aimTargetY = aimed.aimOriginY + std::sin(radians);
    ShotSetup rounded = AsFileSetup(aimed);
    // The balls stay exactly where they are on the table.
    for (int b = 0; b < 3; ++b)
        rounded.balls[b] = setup.balls[b];
    return rounded;
}

double AimDegrees(const ShotSetup& setup)
{
    const double degrees = std::atan2(setup.aimTargetY - setup.aimOriginY, setup.aimTargetX - setup.aimOriginX) *
                           (180 / std::numbers::pi);
    return degrees < 0 ? degrees + 360 : degrees;
}

double PlayerStrikeHeight(const ShotSetup& setup)
{
    return 0.0 - setup.strikeHeight;  // a centred strike shows 0, not -0
}

SearchResult FindShots(const CMirobeltDoc& prototype, const SearchRequest& request,
                       const std::atomic<bool>& cancel,
                       const std::function<void(long long evaluated, long long planned)>& progress)
{
    Search search(prototype, request, cancel, progress);
    return search.Run();
}
