#pragma once

// The diagram of a shot computed by the document: the table of its present
// format, the balls at their places before the shot, and their trajectories.

#include "diagram/TableDiagram.h"

class CMirobeltDoc;
struct ShotSetup;

TableDiagram DiagramOfShot(CMirobeltDoc& doc, const ShotSetup& setup, int tableFormat, bool colour = true);
