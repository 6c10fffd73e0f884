// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The diagram of a shot computed by the document: the table of its present
// format, the balls at their places before the shot, their trajectories and,
// for printed diagrams, where the cue ball met the cushions and the balls.

#include <vector>

#include "diagram/TableDiagram.h"

class CMirobeltDoc;
struct ShotSetup;

// A shot as printed diagrams show it.
struct ComputedShot
{
    std::vector<TablePoint> paths[3];           // white, red, spotted, as ShownTrajectory gives them
    int cueBall = 0;                            // 0 white, 1 red, 2 spotted
    std::vector<TablePoint> cushionContacts;    // see DiagramNotes
    std::vector<TablePoint> objectBallContacts;
    std::vector<TablePoint> objectBallPlaces;
};

// Computes the shot of setup on a copy of prototype (its table and
// coefficients) as the window does; prototype is left as it was. The
// trajectories are those of the window's computation, bit for bit.
ComputedShot ComputeShot(const CMirobeltDoc& prototype, const ShotSetup& setup);

// The balls of setup on the table, with the trajectories and contacts of shot.
void AddShot(TableDiagram& diagram, const ShotSetup& setup, const ComputedShot& shot);

TableDiagram DiagramOfShot(CMirobeltDoc& doc, const ShotSetup& setup, int tableFormat, bool colour = true);
