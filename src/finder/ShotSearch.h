#pragma once

#include <atomic>
#include <functional>
#include <vector>

#include "finder/Game.h"
#include "finder/ShotEvaluator.h"
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

// A scoring set-up and how forgiving it is.
struct Solution
{
    ShotSetup setup;             // aim from the cue ball's centre, target one metre away
    double aimDegrees = 0;       // direction of the aim, 0 to 360, clockwise on the screen from the right
    double windowDegrees = 0;    // width of the range of directions around it that score
    ShotOutcome outcome;
};

struct SearchResult
{
    std::vector<Solution> solutions;  // widest window first, one per way of scoring
    long long evaluated = 0;          // shots computed
    double seconds = 0;
    bool cancelled = false;           // cancelled searches report no solution
};

// Coarse directions of the first pass: every half degree.
constexpr int kCoarseDirections = 720;

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
