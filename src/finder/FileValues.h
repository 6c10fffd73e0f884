// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sim/MirobeltDoc.h"

// Position files keep six decimals. These give a value, or a whole set-up,
// as it reads back from a position file, so that a set-up written to a file
// is exactly the one that was computed.
double AsFileValue(double value);
ShotSetup AsFileSetup(const ShotSetup& setup);
