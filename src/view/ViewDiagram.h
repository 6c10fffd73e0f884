// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The table diagram of what the view shows: its layout, display modes,
// markers and balls, and, when asked, the trajectories of the last shot.

#include "diagram/TableDiagram.h"

class CMirobeltView;

DiagramLayout LayoutOfView(const CMirobeltView& view);
TableDiagram DiagramOfView(CMirobeltView& view, bool withTrajectories);
