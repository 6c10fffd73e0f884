// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/TableGeometry.h"

const TableFormatPreset g_tableFormats[kTableFormatCount] = {
    {1.275, 0.6375, 0.03},  // half table
    {2.30, 1.15, 0.08},
    {2.55, 1.275, 0.08},
    {2.84, 1.42, 0.08},
};

