// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "finder/ShotEvaluator.h"
#include "sim/PhysicsSetting.h"

// One worker's way of computing what a shot gives under a game's rule. The
// search asks the screening computation for its many first looks and the
// exact one for the verdicts it shows; this is the one place that says which
// is which. Both work from the small physics setting, not from a document.
class OutcomeComputation
{
public:
    virtual ~OutcomeComputation() = default;
    // The outcome of setup under the game's rule; endEarly stops once it is known.
    virtual ShotOutcome Evaluate(const ShotSetup& setup, bool endEarly) = 0;
};

// The fast computation of the first pass and of the refinement.
std::unique_ptr<OutcomeComputation> MakeScreeningOutcomes(const PhysicsSetting& setting, Game game, int cueBall);
// The computation every played shot comes from: the source of truth.
std::unique_ptr<OutcomeComputation> MakeExactOutcomes(const PhysicsSetting& setting, Game game, int cueBall);
