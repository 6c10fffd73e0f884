// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "sim/TrajectoryBuffer.h"

inline constexpr const char* kTrajectoryExportFileName = "trajectoires.txt";

// Text of the trajectory export of the three buffers (white, red, spotted).
// fullPrecision writes 17 significant digits instead of "%g". Moves the
// buffers' search cursors.
std::string FormatTrajectoryExport(TrajectoryBuffer traj[3], bool fullPrecision = false);

// Writes the export to path; false when it cannot be written.
bool WriteTrajectoryExport(const std::string& path, TrajectoryBuffer traj[3]);
