// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "finder/ContactLog.h"
#include "finder/ShotSearch.h"
#include "sim/MirobeltDoc.h"

// Red and spotted a little more than a ball apart, the white straight in front of the gap:
// aimed along +x, the white touches both at once, so direction 0 scores at libre.
inline ShotSetup CannonSetup(double force = 0.2)
{
    ShotSetup s;
    s.cueBall = 1;
    s.force = force;
    s.balls[0] = {0.6, 0.64};
    s.balls[1] = {1.2, 0.6};
    s.balls[2] = {1.2, 0.68};
    return s;
}

// The shot computed to its end by a document of its own, the rule of game applied to all contacts.
inline Verdict FullVerdict(const ShotSetup& setup, Game game, int tableFormat = 2)
{
    CMirobeltDoc doc;
    doc.ApplyTableFormat(tableFormat);
    doc.m_physics.m_bWatchesPointer = false;
    ContactLog log(game, setup.cueBall - 1, false);
    doc.m_physics.m_pContacts = &log;
    doc.SetShotRequest(setup);
    doc.RunShot();
    return log.Result();
}

// Whether the shot scores, from a document of its own stopping once the verdict is known.
inline bool ScoresExactly(const ShotSetup& setup, Game game)
{
    CMirobeltDoc doc;
    doc.m_physics.m_bWatchesPointer = false;
    ContactLog log(game, setup.cueBall - 1, true);
    doc.m_physics.m_pContacts = &log;
    doc.SetShotRequest(setup);
    doc.RunShot();
    return log.Result() == Verdict::Scored;
}
