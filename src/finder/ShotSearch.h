// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <functional>
#include <vector>

#include "finder/Game.h"
#include "finder/ShotEvaluator.h"
#include "finder/WindowScan.h"
#include "sim/MirobeltDoc.h"

enum class SearchKind
{
    AimOnly,       // the set-up's strike, raise and force; every direction
    AimAndStroke,  // also the strike point and the force
};

const char* SearchKindKey(SearchKind kind);  // "visee-seule", "visee-et-effet"

struct SearchRequest
{
    // The balls, the cue ball and the mode; an aim-only search also keeps its
    // strike, raise and force, an aim-and-stroke search its raise. The aim is
    // always searched.
    ShotSetup setup;
    Game game = Game::TroisBandes;
    SearchKind kind = SearchKind::AimOnly;
    int threads = 0;  // 0: one per core
};

// A way of scoring, shown at the middle of the widest range of directions
// that score that way, and how forgiving it is.
struct Solution
{
    ShotSetup setup;             // aim from the cue ball's centre, target one metre away
    double aimDegrees = 0;       // direction of the aim, 0 to 360, clockwise on the screen from the right
    double windowDegrees = 0;    // width of the range of directions around the aim that all score
    double windowLow = 0;        // its edges, in degrees; the low one may be below 0, the
    double windowHigh = 0;       // high one above 360
    double wayDegrees = 0;       // width of the range that scores this solution's way
    ShotOutcome outcome;         // of the aim, by the exact computation
};

struct SearchResult
{
    std::vector<Solution> solutions;  // widest window first, one per way of scoring, each confirmed
                                      // by the exact computation at its aim and inside its edges
    long long evaluated = 0;          // shots computed
    PhaseShots phases;                // and in each phase of the search
    double seconds = 0;
    bool cancelled = false;           // cancelled searches report no solution
};

// Directions of the first pass: every tenth of a degree when only the aim is
// searched, every half degree for each stroke of an aim-and-stroke search.
constexpr int kAimOnlyFirstPass = 3600;
constexpr int kStrokeFirstPass = 720;

// The strokes a search tries: the request's own for an aim-only search; else
// 5 strike heights by 5 sides inside the usable disc at 8 forces from 0.15
// to 1, with the request's raise.
std::vector<ShotSetup> SearchStrokes(const SearchRequest& request);

// The search over directions (and strokes) for the shots that score.
// prototype holds the table format and the physics' coefficients; each
// worker computes with its own copy of it. progress(evaluated, planned) is
// called on the calling thread while the workers run. Once cancel is set the
// search ends within one shot per worker.
SearchResult FindShots(const CMirobeltDoc& prototype, const SearchRequest& request,
                       const std::atomic<bool>& cancel,
                       const std::function<void(long long evaluated, long long planned)>& progress = {});

// The set-up of request.setup aimed in direction degrees, with every value as
// a position file holds it.
ShotSetup AimedSetup(const ShotSetup& setup, double degrees);

// The direction of a set-up's aim in degrees, 0 to 360.
double AimDegrees(const ShotSetup& setup);

// The strike height as players read it: positive above the centre (follow),
// negative below (draw). Set-ups and position files hold the opposite sign.
double PlayerStrikeHeight(const ShotSetup& setup);
