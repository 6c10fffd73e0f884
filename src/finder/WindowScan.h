// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The scoring windows of directions around the cue ball: a first pass over
// the circle, then every direction between neighbouring first-pass ones that
// scored checked on a fine grid, and the edges of every run of scoring fine
// directions found by halving. Directions are in degrees, 0 to the right,
// turning clockwise as the table is shown; a window across the direction 0
// has its low edge below 0 or its high edge above 360.

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "finder/OutcomeComputation.h"

// The fine grid: every 0.02 degree.
constexpr int kFineDirections = 18000;
constexpr double kFineDegrees = 360.0 / kFineDirections;
// Halvings of a fine step that place an edge: 0.02 / 32 < 0.001 degree.
constexpr int kEdgeHalvings = 5;
// Halvings of a fine step between two ways of scoring, looking for a miss
// between them: a change of way often passes through one.
constexpr int kWayChangeHalvings = 7;

// The neighbouring directions of a window that score one same way.
struct WayRange
{
    double low = 0;
    double high = 0;
    ShotOutcome outcome;  // as the screening computation gave it
    double Width() const { return high - low; }
    double Middle() const { return (low + high) / 2; }
};

// A range of directions in which every fine direction scores.
struct ScoringWindow
{
    int stroke = 0;
    double low = 0;         // edges, placed by halving between a miss and a score
    double high = 0;
    double lowInside = 0;   // the scoring directions nearest the edges
    double highInside = 0;
    std::vector<WayRange> ways;  // from the low edge to the high one
    double Width() const { return high - low; }
};

// The stages of a search, for counting the shots each one costs.
enum class SearchPhase
{
    FirstPass,     // the turn of every stroke
    Refinement,    // the directions between first-pass ones
    Edges,         // halvings at edges and between ways
    Confirmation,  // the exact computation of what is shown
    Count
};

// Shots computed in each phase of a search.
struct PhaseShots
{
    long long shots[static_cast<int>(SearchPhase::Count)] = {};
    long long& operator[](SearchPhase phase) { return shots[static_cast<int>(phase)]; }
    long long operator[](SearchPhase phase) const { return shots[static_cast<int>(phase)]; }
};

// The workers of a search: on each, a screening and an exact computation.
// Counts the shots computed and tells the progress while the workers run.
class SearchWorkers
{
public:
    // threads 0: one per core. cueBall: 1 white, 2 red, 3 spotted.
    SearchWorkers(const PhysicsSetting& setting, Game game, int cueBall, int threads,
                  const std::atomic<bool>& cancel,
                  std::function<void(long long evaluated, long long planned)> progress = {});
    ~SearchWorkers();

    int Threads() const { return static_cast<int>(m_screening.size()); }
    bool Cancelled() const { return m_cancel.load(std::memory_order_relaxed); }
    const std::atomic<bool>& CancelFlag() const { return m_cancel; }

    ShotOutcome Screen(int worker, const ShotSetup& setup);
    ShotOutcome Exact(int worker, const ShotSetup& setup, bool endEarly = true);
    bool ExactScores(int worker, const ShotSetup& setup) { return Exact(worker, setup).verdict == Verdict::Scored; }

    // More shots to come, for the progress.
    void Plan(long long shots) { m_planned += shots; }
    long long Evaluated() const { return m_evaluated.load(); }
    // The phase the next shots count for; set between parallel runs only.
    void EnterPhase(SearchPhase phase) { m_phase = phase; }
    PhaseShots ShotsByPhase() const;
    // body(worker, item) for every item of [0, count), spread over the workers.
    void Parallel(std::size_t count, const std::function<void(int worker, std::size_t item)>& body);

private:
    const std::atomic<bool>& m_cancel;
    std::function<void(long long, long long)> m_progress;
    std::vector<std::unique_ptr<OutcomeComputation>> m_screening;
    std::vector<std::unique_ptr<OutcomeComputation>> m_exact;
    std::atomic<long long> m_evaluated{0};
    SearchPhase m_phase = SearchPhase::FirstPass;
    std::atomic<long long> m_phaseShots[static_cast<int>(SearchPhase::Count)] = {};
    std::atomic<long long> m_planned{0};
};

class WindowScan
{
public:
    // A run of neighbouring directions, spacing fine directions apart, that
    // score with one stroke; the directions just outside it miss.
    struct Run
    {
        int stroke = 0;
        int first = 0;   // directions first, first + spacing, ... (length of them), in fine directions
        int length = 0;
        int spacing = 0;
        // Each way seen in the run with its longest streak of first-pass directions.
        std::vector<std::pair<std::string, int>> ways;
    };

    // strokes: set-ups whose aim the scan sets. firstPassDirections divides kFineDirections.
    WindowScan(SearchWorkers& workers, std::vector<ShotSetup> strokes, int firstPassDirections);

    // Screens every first-pass direction of every stroke and finds the runs.
    void FirstPass();
    const std::vector<Run>& Runs() const { return m_runs; }
    double FirstPassDegrees() const { return 360.0 / m_firstPass; }
    bool WholeTurn(const Run& run) const { return static_cast<long long>(run.length) * run.spacing >= kFineDirections; }

    // The windows inside the given runs, edges placed and misses between ways looked for.
    std::vector<ScoringWindow> Refine(const std::vector<const Run*>& runs);

    // The steps of Refine, for a search that refines only what it needs:
    // the runs of directions every `spacing` fine directions (a divisor of
    // the first pass's) inside the given runs. Those directions are screened
    // now, once, and kept for FineWindows. A whole turn stays as it is.
    std::vector<Run> CloserRuns(const std::vector<const Run*>& runs, int spacing);
    // The windows of every fine direction inside the runs; their edges lie on
    // fine directions and the boundaries between ways halfway between them.
    std::vector<ScoringWindow> FineWindows(const std::vector<const Run*>& runs);
    // Places the edges of such windows by halving and cuts them where a miss
    // lies between two ways.
    void Settle(std::vector<ScoringWindow>& windows);

    // Stroke stroke aimed in direction degrees, as a position file holds it.
    ShotSetup Aimed(int stroke, double degrees) const;

private:
    struct Sample
    {
        bool scored = false;
        ShotOutcome outcome;
    };
    void FindRuns();
    // The runs among directions spaced apart from fine direction from to to,
    // which both miss; every one of them known.
    void CollectRuns(int stroke, long long from, long long to, int spacing, std::vector<Run>& runs) const;
    const Sample& FirstPassSample(int stroke, int direction) const;
    // A fine direction screened already, by the first pass or for Streaks; null if not.
    const Sample* Known(int stroke, long long fine) const;
    void CollectWindows(int stroke, long long firstFine, const std::vector<Sample>& samples,
                        std::vector<ScoringWindow>& windows) const;
    void PlaceEdges(std::vector<ScoringWindow>& windows);
    void SplitAtWayChanges(std::vector<ScoringWindow>& windows);
    // Halves from inside (scoring) towards outside (missing): the edge and the scoring direction nearest it.
    std::pair<double, double> HalveEdge(int worker, int stroke, double inside, double outside);

    SearchWorkers& m_workers;
    std::vector<ShotSetup> m_strokes;
    int m_firstPass;
    int m_fineRatio;
    std::vector<Sample> m_firstPassSamples;  // stroke by stroke
    std::vector<std::unordered_map<long long, Sample>> m_screened;  // by stroke, by fine direction
    std::vector<Run> m_runs;
};
