// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/TableFormatChange.h"

#include "sim/TableGeometry.h"

TableSetUp WithTableFormat(const TableSetUp& setUp, int format)
{
    if (!IsValidTableFormat(format))
        return setUp;
    TableSetUp changed = setUp;
    changed.tableFormat = format;
    const TableFormatPreset& preset = g_tableFormats[format];
    const double spanX = preset.length - 2 * kDefaultBallRadius;
    const double spanY = preset.width - 2 * kDefaultBallRadius;
    bool outside = false;
    for (const BallPlace& ball : changed.balls)
    {
        if (!(ball.x < spanX) || !(ball.y < spanY))
            outside = true;
    }
    if (outside)
    {
        changed.balls[0] = {0.1, 0.1};
        changed.balls[1] = {0.2, 0.15};
        changed.balls[2] = {0.3, 0.39};
    }
    return changed;
}

int NextTableFormat(int format)
{
    return (format >= 3 || format < 0) ? 0 : format + 1;
}
