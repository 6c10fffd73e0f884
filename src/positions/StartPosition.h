// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "positions/PositionFile.h"

// The set-up of a freshly started table view: the balls on their start
// places, a centred strike without raise, half force, the white ball as cue
// ball, no aim line yet, the normal mode and the full table. The view starts
// from it, and a tool given a position file that stops early takes the
// missing values from it.
inline constexpr PositionValues kStartPosition = {
    .redX = 0.2, .redY = 0.3, .whiteX = 0.1, .whiteY = 0.3, .spottedX = 0.4, .spottedY = 0.5,
    .strikeHeight = 0, .strikeSide = 0, .raiseAngle = 0, .force = 0.5, .cueBall = 1,
    .aimOriginX = 0, .aimTargetX = 0, .aimOriginY = 0, .aimTargetY = 0,
    .strikeMode = 50, .tableFormat = 2,
};
