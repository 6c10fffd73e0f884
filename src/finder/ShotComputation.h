#pragma once

#include <memory>

#include "finder/ShotEvaluator.h"

// One worker's way of computing whether a shot scores. The search asks a
// screening computation for its many first looks and the exact one for the
// verdicts it shows; this is the one place that says which is which.
class ShotComputation
{
public:
    virtual ~ShotComputation() = default;
    // The outcome of setup under the game's rule; endEarly stops once it is known.
    virtual ShotOutcome Evaluate(const ShotSetup& setup, bool endEarly) = 0;
};

// The fast computation of the first pass and of the refinement.
std::unique_ptr<ShotComputation> MakeScreeningComputation(const CMirobeltDoc& prototype, Game game, int cueBall);
// The computation every played shot comes from: the source of truth.
std::unique_ptr<ShotComputation> MakeExactComputation(const CMirobeltDoc& prototype, Game game, int cueBall);
