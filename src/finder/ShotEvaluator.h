// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "finder/ContactLog.h"
#include "sim/MirobeltDoc.h"

// What one computed shot gave under the rule of a game.
struct ShotOutcome
{
    Verdict verdict = Verdict::Missed;
    int firstBall = -1;       // 0 white, 1 red, 2 spotted; -1 none
    int cushionsBeforeSecond = 0;
    std::string cushionPath;  // letters, see CushionLetter

    // Shots that score the same way: same first object ball, same cushions
    // before the second.
    std::string Way() const { return std::to_string(firstBall) + cushionPath; }
};

// The outcome a log of contacts gives.
ShotOutcome OutcomeOf(const ContactLog& log);

// The computation of one worker: its own document, a copy of the one that
// holds the table format and coefficients, which never asks the pointer
// question and so touches no process-wide value.
class ShotEvaluator
{
public:
    // cueBall: 1 white, 2 red, 3 spotted, as in ShotSetup.
    ShotEvaluator(const CMirobeltDoc& prototype, Game game, int cueBall);
    ~ShotEvaluator();

    // Computes the shot of setup as the window does (SetShotRequest, RunShot).
    // With endEarly the computation stops once the verdict is known.
    ShotOutcome Evaluate(const ShotSetup& setup, bool endEarly);

private:
    std::unique_ptr<CMirobeltDoc> m_doc;
    ContactLog m_earlyLog;
    ContactLog m_fullLog;
};
