// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "positions/PositionFile.h"
#include "sim/MirobeltDoc.h"

// The values of a position file as the set-up of a shot, and back; the table
// format is not part of a set-up, so it is handed in.
ShotSetup SetupOf(const PositionValues& values);
PositionValues ValuesOf(const ShotSetup& setup, double tableFormat);
