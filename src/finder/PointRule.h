// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "finder/Game.h"
#include "sim/ContactReceiver.h"

enum class Verdict
{
    Open,    // not known yet
    Scored,  // the cue ball made the point
    Missed,  // the cue ball can no longer make it on its own travel
};

// The rule of a game applied to the contacts of one shot as they come. Only
// the cue ball's contacts count: its touches of the object balls and of the
// cushions. Touching the same object ball again does not make it the second
// one, and contacts between the two object balls are not the cue ball's.
// Once the verdict is known later contacts change nothing.
class PointRule
{
public:
    // cueBall: 0 white, 1 red, 2 spotted.
    PointRule(Game game, int cueBall);

    Verdict Take(const Contact& contact);
    // The cue ball has come to rest: a verdict still open is a miss.
    void CueBallStopped();

    Verdict Result() const { return m_verdict; }
    // First object ball the cue ball touched (0 to 2), -1 for none yet.
    int FirstObjectBall() const { return m_firstBall; }
    // Cushions the cue ball touched before the second object ball (so far).
    int CushionsBeforeSecond() const { return m_cushions; }
    // Those cushions in order, one letter each (see CushionLetter); the
    // first kPathLength of them.
    std::string CushionPath() const;

    static constexpr int kPathLength = 24;

private:
    Game m_game;
    int m_cueBall;
    Verdict m_verdict = Verdict::Open;
    int m_firstBall = -1;
    int m_cushions = 0;
    Cushion m_path[kPathLength] = {};
};

// French initial of a cushion as the window shows the table: G(auche),
// D(roite), H(aut), B(as).
char CushionLetter(Cushion cushion);
