// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The exercise sheet of the shot finder's solutions, for the mirobelt-solve
// tool and the "Coups possibles" panel.

#include <QString>

#include <string>
#include <vector>

#include "diagram/ExerciseSheet.h"
#include "finder/ShotSearch.h"

// The game's name (GameTitle) in the interface's language: "Trois bandes".
QString GameName(Game game);

// The sheet of position (balls and cue ball) on the table of tableFormat under game, with each solution's
// shot computed again on a copy of prototype (table and coefficients), ranked
// in the order given.
ExerciseSheet SheetOfSolutions(const CMirobeltDoc& prototype, int tableFormat, const ShotSetup& position, Game game,
                               const std::vector<Solution>& solutions, const std::string& title);

// Writes that sheet to path (a PDF); false when it cannot. Starts Qt's
// painting first when no application runs (the tools).
bool WriteSolutionSheet(const std::string& path, const CMirobeltDoc& prototype, int tableFormat,
                        const ShotSetup& position, Game game,
                        const std::vector<Solution>& solutions, const std::string& title);
