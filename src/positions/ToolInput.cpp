// SPDX-License-Identifier: GPL-3.0-or-later
#include "positions/ToolInput.h"

#include <cmath>

#include "positions/StartPosition.h"
#include "sim/TableGeometry.h"

PositionReadResult ReadToolPosition(const std::string& path, PositionValues& values, int& valuesRead)
{
    values = kStartPosition;
    valuesRead = 0;
    return ReadPositionFile(path, values, &valuesRead);
}

int TableFormatOf(const PositionValues& values, int valuesRead)
{
    const double f = values.tableFormat;
    if (valuesRead < kPositionValueLines || !(f >= 0 && f < kTableFormatCount) || f != std::floor(f))
        return static_cast<int>(kStartPosition.tableFormat);
    return static_cast<int>(f);
}
