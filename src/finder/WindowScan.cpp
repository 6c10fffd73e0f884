// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder/WindowScan.h"

#include <algorithm>
#include <thread>
#include <tuple>

#include "finder/ShotSearch.h"
#include "finder/WorkerPool.h"

namespace
{
double FineToDegrees(long long fine) { return static_cast<double>(fine) * kFineDegrees; }
}  // namespace

SearchWorkers::SearchWorkers(const PhysicsSetting& setting, Game game, int cueBall, int threads,
                             const std::atomic<bool>& cancel, std::function<void(long long, long long)> progress)
    : m_cancel(cancel), m_progress(std::move(progress))
{
    if (threads <= 0)
        threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    for (int w = 0; w < threads; ++w)
    {
        m_screening.push_back(MakeScreeningOutcomes(setting, game, cueBall));
        m_exact.push_back(MakeExactOutcomes(setting, game, cueBall));
    }
}

SearchWorkers::~SearchWorkers() = default;

PhaseShots SearchWorkers::ShotsByPhase() const
{
    PhaseShots counts;
    for (int p = 0; p < static_cast<int>(SearchPhase::Count); ++p)
        counts.shots[p] = m_phaseShots[p].load();
    return counts;
}

ShotOutcome SearchWorkers::Screen(int worker, const ShotSetup& setup)
{
    ++m_evaluated;
    m_phaseShots[static_cast<int>(m_phase)].fetch_add(1, std::memory_order_relaxed);
    return m_screening[worker]->Evaluate(setup, true);
}

ShotOutcome SearchWorkers::Exact(int worker, const ShotSetup& setup, bool endEarly)
{
    ++m_evaluated;
    m_phaseShots[static_cast<int>(m_phase)].fetch_add(1, std::memory_order_relaxed);
    return m_exact[worker]->Evaluate(setup, endEarly);
}

void SearchWorkers::Parallel(std::size_t count, const std::function<void(int, std::size_t)>& body)
{
    RunOnWorkers(Threads(), count, m_cancel, body, [this] {
        if (m_progress)
            m_progress(m_evaluated.load(), m_planned.load());
    });
}

WindowScan::WindowScan(SearchWorkers& workers, std::vector<ShotSetup> strokes, int firstPassDirections)
    : m_workers(workers), m_strokes(std::move(strokes)), m_firstPass(firstPassDirections),
      m_fineRatio(kFineDirections / firstPassDirections)
{
}

ShotSetup WindowScan::Aimed(int stroke, double degrees) const { return AimedSetup(m_strokes[stroke], degrees); }

void WindowScan::FirstPass()
{
    const std::size_t count = m_strokes.size() * static_cast<std::size_t>(m_firstPass);
    m_workers.EnterPhase(SearchPhase::FirstPass);
    m_workers.Plan(static_cast<long long>(count));
    m_firstPassSamples.assign(count, {});
    m_screened.assign(m_strokes.size(), {});
    m_workers.Parallel(count, [this](int worker, std::size_t item) {
        const int stroke = static_cast<int>(item / m_firstPass);
        const long long fine = static_cast<long long>(item % m_firstPass) * m_fineRatio;
        Sample& sample = m_firstPassSamples[item];
        sample.outcome = m_workers.Screen(worker, Aimed(stroke, FineToDegrees(fine)));
        sample.scored = sample.outcome.verdict == Verdict::Scored;
    });
    if (!m_workers.Cancelled())
        FindRuns();
}

const WindowScan::Sample& WindowScan::FirstPassSample(int stroke, int direction) const
{
    const int wrapped = (direction % m_firstPass + m_firstPass) % m_firstPass;
    return m_firstPassSamples[static_cast<std::size_t>(stroke) * m_firstPass + wrapped];
}

void WindowScan::FindRuns()
{
    m_runs.clear();
    for (int stroke = 0; stroke < static_cast<int>(m_strokes.size()); ++stroke)
    {
        int start = 0;  // a missing direction, so that no run is cut in two
        while (start < m_firstPass && FirstPassSample(stroke, start).scored)
            ++start;
        if (start == m_firstPass)
            m_runs.push_back({stroke, 0, m_firstPass, m_fineRatio, {{FirstPassSample(stroke, 0).outcome.Way(), m_firstPass}}});
        else
            CollectRuns(stroke, static_cast<long long>(start) * m_fineRatio,
                        static_cast<long long>(start + m_firstPass) * m_fineRatio, m_fineRatio, m_runs);
    }
}

void WindowScan::CollectRuns(int stroke, long long from, long long to, int spacing, std::vector<Run>& runs) const
{
    Run run;
    std::string way;
    int streak = 0;
    for (long long fine = from; fine <= to; fine += spacing)
    {
        const Sample& sample = *Known(stroke, fine);
        if (!sample.scored)
        {
            if (run.length > 0)
                runs.push_back(std::move(run));
            run = Run{};
            way.clear();
            continue;
        }
        if (run.length == 0)
            run = Run{stroke, static_cast<int>((fine % kFineDirections + kFineDirections) % kFineDirections), 0, spacing, {}};
        const std::string sampleWay = sample.outcome.Way();
        streak = sampleWay == way ? streak + 1 : 1;
        way = sampleWay;
        auto seen = std::find_if(run.ways.begin(), run.ways.end(), [&](const auto& w) { return w.first == way; });
        if (seen == run.ways.end())
            run.ways.emplace_back(way, streak);
        else
            seen->second = std::max(seen->second, streak);
        ++run.length;
    }
}

const WindowScan::Sample* WindowScan::Known(int stroke, long long fine) const
{
    fine = (fine % kFineDirections + kFineDirections) % kFineDirections;
    if (fine % m_fineRatio == 0)
        return &FirstPassSample(stroke, static_cast<int>(fine / m_fineRatio));
    const auto& screened = m_screened[stroke];
    const auto found = screened.find(fine);
    return found == screened.end() ? nullptr : &found->second;
}

std::vector<WindowScan::Run> WindowScan::CloserRuns(const std::vector<const Run*>& runs, int spacing)
{
    // From the miss before each run to the miss after it.
    const auto span = [](const Run* run) {
        return std::pair{static_cast<long long>(run->first) - run->spacing,
                         static_cast<long long>(run->first) + static_cast<long long>(run->length) * run->spacing};
    };
    std::vector<std::pair<int, long long>> unknown;  // stroke, fine direction
    for (const Run* run : runs)
    {
        if (WholeTurn(*run))
            continue;
        const auto [from, to] = span(run);
        for (long long fine = from; fine <= to; fine += spacing)
            if (!Known(run->stroke, fine))
                unknown.emplace_back(run->stroke, fine);
    }
    m_workers.EnterPhase(SearchPhase::Refinement);
    m_workers.Plan(static_cast<long long>(unknown.size()));
    std::vector<Sample> screened(unknown.size());
    m_workers.Parallel(unknown.size(), [&](int worker, std::size_t item) {
        const auto [stroke, fine] = unknown[item];
        screened[item].outcome = m_workers.Screen(worker, Aimed(stroke, FineToDegrees(fine)));
        screened[item].scored = screened[item].outcome.verdict == Verdict::Scored;
    });
    std::vector<Run> closer;
    if (m_workers.Cancelled())
        return closer;
    for (std::size_t k = 0; k < unknown.size(); ++k)
        m_screened[unknown[k].first][(unknown[k].second % kFineDirections + kFineDirections) % kFineDirections] =
            std::move(screened[k]);
    for (const Run* run : runs)
    {
        if (WholeTurn(*run))
        {
            closer.push_back(*run);
            continue;
        }
        const auto [from, to] = span(run);
        CollectRuns(run->stroke, from, to, spacing, closer);
    }
    return closer;
}

std::vector<ScoringWindow> WindowScan::Refine(const std::vector<const Run*>& runs)
{
    std::vector<ScoringWindow> windows = FineWindows(runs);
    Settle(windows);
    return windows;
}

std::vector<ScoringWindow> WindowScan::FineWindows(const std::vector<const Run*>& runs)
{
    // Every fine direction from the miss before each run to the miss after it.
    struct Track
    {
        const Run* run;
        long long firstFine;
        std::vector<Sample> samples;
    };
    std::vector<Track> tracks;
    std::vector<std::pair<std::size_t, std::size_t>> unknown;  // track, sample
    for (const Run* run : runs)
    {
        const bool wholeTurn = WholeTurn(*run);
        Track track{run, wholeTurn ? 0 : static_cast<long long>(run->first) - run->spacing, {}};
        track.samples.resize(wholeTurn ? kFineDirections : static_cast<std::size_t>(run->length + 1) * run->spacing + 1);
        for (std::size_t k = 0; k < track.samples.size(); ++k)
        {
            const long long fine = track.firstFine + static_cast<long long>(k);
            if (const Sample* known = Known(run->stroke, fine))
                track.samples[k] = *known;
            else
                unknown.emplace_back(tracks.size(), k);
        }
        tracks.push_back(std::move(track));
    }
    m_workers.EnterPhase(SearchPhase::Refinement);
    m_workers.Plan(static_cast<long long>(unknown.size()));
    m_workers.Parallel(unknown.size(), [&](int worker, std::size_t item) {
        Track& track = tracks[unknown[item].first];
        Sample& sample = track.samples[unknown[item].second];
        const long long fine = track.firstFine + static_cast<long long>(unknown[item].second);
        sample.outcome = m_workers.Screen(worker, Aimed(track.run->stroke, FineToDegrees(fine)));
        sample.scored = sample.outcome.verdict == Verdict::Scored;
    });
    if (m_workers.Cancelled())
        return {};

    std::vector<ScoringWindow> windows;
    for (Track& track : tracks)
    {
        if (!WholeTurn(*track.run))
        {
            CollectWindows(track.run->stroke, track.firstFine, track.samples, windows);
            continue;
        }
        // A whole turn that scores at the first pass: start it at a fine miss.
        const auto miss = std::find_if(track.samples.begin(), track.samples.end(), [](const Sample& s) { return !s.scored; });
        if (miss == track.samples.end())
        {
            ScoringWindow all{track.run->stroke, 0, 360, 0, 360 - kFineDegrees, {}};
            all.ways.push_back({0, 360, track.samples[0].outcome});
            windows.push_back(all);
            continue;
        }
        const long long offset = miss - track.samples.begin();
        std::rotate(track.samples.begin(), miss, track.samples.end());
        track.samples.push_back(track.samples.front());
        CollectWindows(track.run->stroke, offset, track.samples, windows);
    }
    return windows;
}

void WindowScan::Settle(std::vector<ScoringWindow>& windows)
{
    m_workers.EnterPhase(SearchPhase::Edges);
    PlaceEdges(windows);
    SplitAtWayChanges(windows);
}

// samples begin and end with a miss; samples[k] is the fine direction firstFine + k.
void WindowScan::CollectWindows(int stroke, long long firstFine, const std::vector<Sample>& samples,
                                std::vector<ScoringWindow>& windows) const
{
    const auto degrees = [firstFine](std::size_t k) { return FineToDegrees(firstFine + static_cast<long long>(k)); };
    for (std::size_t i = 1; i + 1 < samples.size(); ++i)
    {
        if (!samples[i].scored || samples[i - 1].scored)
            continue;
        std::size_t j = i;
        while (samples[j + 1].scored)
            ++j;
        ScoringWindow window{stroke, degrees(i), degrees(j), degrees(i), degrees(j), {}};
        for (std::size_t k = i; k <= j;)
        {
            std::size_t end = k;
            const std::string way = samples[k].outcome.Way();
            while (end + 1 <= j && samples[end + 1].outcome.Way() == way)
                ++end;
            // Inner boundaries between two ways lie halfway between their fine directions;
            // the outer ones become the window's edges once placed.
            const double low = k == i ? degrees(i) : (degrees(k - 1) + degrees(k)) / 2;
            const double high = end == j ? degrees(j) : (degrees(end) + degrees(end + 1)) / 2;
            window.ways.push_back({low, high, samples[k].outcome});
            k = end + 1;
        }
        windows.push_back(std::move(window));
        i = j;
    }
}

std::pair<double, double> WindowScan::HalveEdge(int worker, int stroke, double inside, double outside)
{
    for (int k = 0; k < kEdgeHalvings; ++k)
    {
        const double middle = (inside + outside) / 2;
        const bool scored = m_workers.Screen(worker, Aimed(stroke, middle)).verdict == Verdict::Scored;
        (scored ? inside : outside) = middle;
    }
    return {(inside + outside) / 2, inside};
}

// Between two neighbouring fine directions that score different ways, looks
// for a miss by halving; where one is found the window is cut in two there.
void WindowScan::SplitAtWayChanges(std::vector<ScoringWindow>& windows)
{
    struct Change
    {
        std::size_t window;
        std::size_t range;  // between ways[range] and ways[range + 1]
        bool gap = false;
        double boundary = 0;          // without a gap
        double lowEdge = 0, lowInside = 0;    // with a gap: the end of the lower part
        double highEdge = 0, highInside = 0;  // and the start of the upper one
    };
    std::vector<Change> changes;
    for (std::size_t w = 0; w < windows.size(); ++w)
        for (std::size_t r = 0; r + 1 < windows[w].ways.size(); ++r)
            changes.push_back({w, r});
    m_workers.Plan(static_cast<long long>(changes.size()) * kWayChangeHalvings);
    m_workers.Parallel(changes.size(), [&](int worker, std::size_t item) {
        Change& change = changes[item];
        const ScoringWindow& window = windows[change.window];
        const std::string lowWay = window.ways[change.range].outcome.Way();
        double low = window.ways[change.range].high - kFineDegrees / 2;
        double high = low + kFineDegrees;
        for (int k = 0; k < kWayChangeHalvings; ++k)
        {
            const double middle = (low + high) / 2;
            const ShotOutcome outcome = m_workers.Screen(worker, Aimed(window.stroke, middle));
            if (outcome.verdict != Verdict::Scored)
            {
                change.gap = true;
                std::tie(change.lowEdge, change.lowInside) = HalveEdge(worker, window.stroke, low, middle);
                std::tie(change.highEdge, change.highInside) = HalveEdge(worker, window.stroke, high, middle);
                return;
            }
            (outcome.Way() == lowWay ? low : high) = middle;
        }
        change.boundary = (low + high) / 2;
    });
    if (m_workers.Cancelled())
        return;

    std::vector<ScoringWindow> split;
    std::size_t next = 0;
    for (std::size_t w = 0; w < windows.size(); ++w)
    {
        ScoringWindow part = windows[w];
        part.ways.clear();
        for (std::size_t r = 0; r < windows[w].ways.size(); ++r)
        {
            WayRange range = windows[w].ways[r];
            if (r > 0)
                range.low = part.ways.empty() ? part.low : part.ways.back().high;
            part.ways.push_back(range);
            if (r + 1 == windows[w].ways.size())
                break;
            const Change& change = changes[next++];
            if (!change.gap)
            {
                part.ways.back().high = change.boundary;
                continue;
            }
            part.ways.back().high = part.high = change.lowEdge;
            part.highInside = change.lowInside;
            split.push_back(part);
            part.ways.clear();
            part.low = change.highEdge;
            part.lowInside = change.highInside;
            part.high = windows[w].high;
            part.highInside = windows[w].highInside;
        }
        split.push_back(std::move(part));
    }
    windows = std::move(split);
}

void WindowScan::PlaceEdges(std::vector<ScoringWindow>& windows)
{
    m_workers.Plan(static_cast<long long>(windows.size()) * 2 * kEdgeHalvings);
    m_workers.Parallel(windows.size() * 2, [&](int worker, std::size_t item) {
        ScoringWindow& window = windows[item / 2];
        if (window.Width() >= 360)
            return;
        const bool low = item % 2 == 0;
        double inside = low ? window.lowInside : window.highInside;
        double outside = inside + (low ? -kFineDegrees : kFineDegrees);
        for (int k = 0; k < kEdgeHalvings; ++k)
        {
            const double middle = (inside + outside) / 2;
            const bool scored = m_workers.Screen(worker, Aimed(window.stroke, middle)).verdict == Verdict::Scored;
            (scored ? inside : outside) = middle;
        }
        const double edge = (inside + outside) / 2;
        (low ? window.low : window.high) = edge;
        (low ? window.lowInside : window.highInside) = inside;
        (low ? window.ways.front().low : window.ways.back().high) = edge;
    });
}
