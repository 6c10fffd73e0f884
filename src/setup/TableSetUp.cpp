// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/TableSetUp.h"

#include <cmath>
#include <limits>

#include "positions/PositionSetup.h"
#include "sim/TableGeometry.h"

namespace
{

// Entry values are single precision and may come from a hand-made file: a
// value that no int can hold (NaN, infinite, huge) gives fallback instead of
// an undefined conversion.
int TruncateToInt(double value, int fallback)
{
    if (!std::isfinite(value))
        return fallback;
    const double truncated = std::trunc(value);
    if (truncated < static_cast<double>(std::numeric_limits<int>::min()) ||
        truncated > static_cast<double>(std::numeric_limits<int>::max()))
        return fallback;
    return static_cast<int>(truncated);
}

}  // namespace

TableSetUp TableSetUp::FromPositionValues(const PositionValues& values, int fallbackFormat)
{
    TableSetUp s;
    s.balls[0] = {values.whiteX, values.whiteY};
    s.balls[1] = {values.redX, values.redY};
    s.balls[2] = {values.spottedX, values.spottedY};
    s.cueBall = values.cueBall;
    s.aim = {values.aimOriginX, values.aimOriginY, values.aimTargetX, values.aimTargetY};
    s.strikeHeight = values.strikeHeight;
    s.strikeSide = values.strikeSide;
    s.force = values.force;
    s.raiseAngle = values.raiseAngle;
    s.strikeMode = values.strikeMode;
    const int format = TruncateToInt(values.tableFormat, -1);
    s.tableFormat = IsValidTableFormat(format) ? format : fallbackFormat;
    return s;
}

PositionValues TableSetUp::ToPositionValues() const
{
    PositionValues values;
    values.whiteX = balls[0].x;
    values.whiteY = balls[0].y;
    values.redX = balls[1].x;
    values.redY = balls[1].y;
    values.spottedX = balls[2].x;
    values.spottedY = balls[2].y;
    values.strikeHeight = strikeHeight;
    values.strikeSide = strikeSide;
    values.raiseAngle = raiseAngle;
    values.force = force;
    values.cueBall = cueBall;
    values.aimOriginX = aim.originX;
    values.aimTargetX = aim.targetX;
    values.aimOriginY = aim.originY;
    values.aimTargetY = aim.targetY;
    values.strikeMode = strikeMode;
    values.tableFormat = tableFormat;
    return values;
}

PositionEntry TableSetUp::ToEntry() const
{
    PositionEntry entry;
    float* v = entry.v;
    v[0] = static_cast<float>(balls[1].x);
    v[1] = static_cast<float>(balls[1].y);
    v[2] = static_cast<float>(balls[0].x);
    v[3] = static_cast<float>(balls[0].y);
    v[4] = static_cast<float>(balls[2].x);
    v[5] = static_cast<float>(balls[2].y);
    v[6] = static_cast<float>(strikeHeight);
    v[7] = static_cast<float>(strikeSide);
    v[8] = static_cast<float>(raiseAngle);
    v[9] = static_cast<float>(cueBall);
    v[10] = static_cast<float>(aim.originX);
    v[11] = static_cast<float>(aim.targetX);
    v[12] = static_cast<float>(aim.originY);
    v[13] = static_cast<float>(aim.targetY);
    v[14] = static_cast<float>(force);
    v[15] = static_cast<float>(strikeMode);
    v[16] = static_cast<float>(tableFormat);
    return entry;
}

TableSetUp TableSetUp::FromEntry(const PositionEntry& entry, int fallbackFormat)
{
    const float* v = entry.v;
    TableSetUp s;
    s.balls[1] = {v[0], v[1]};
    s.balls[0] = {v[2], v[3]};
    s.balls[2] = {v[4], v[5]};
    s.strikeHeight = v[6];
    s.strikeSide = v[7];
    s.raiseAngle = v[8];
    s.cueBall = TruncateToInt(v[9], 0);  // 0 strikes no ball
    s.aim = {v[10], v[12], v[11], v[13]};
    s.force = v[14];
    s.strikeMode = v[15];
    // A format the table does not know stays out.
    const int format = TruncateToInt(v[16], -1);
    s.tableFormat = IsValidTableFormat(format) ? format : fallbackFormat;
    return s;
}

ShotSetup TableSetUp::ToShotSetup() const
{
    return SetupOf(ToPositionValues());
}

SetUpParts DifferingParts(const TableSetUp& a, const TableSetUp& b)
{
    SetUpParts parts = 0;
    if (a.balls[0] != b.balls[0] || a.balls[1] != b.balls[1] || a.balls[2] != b.balls[2])
        parts |= kBallsPart;
    if (a.cueBall != b.cueBall)
        parts |= kCueBallPart;
    if (a.aim != b.aim)
        parts |= kAimPart;
    if (a.strikeHeight != b.strikeHeight || a.strikeSide != b.strikeSide)
        parts |= kStrikePart;
    if (a.force != b.force)
        parts |= kForcePart;
    if (a.raiseAngle != b.raiseAngle)
        parts |= kRaisePart;
    if (a.strikeMode != b.strikeMode)
        parts |= kModePart;
    if (a.tableFormat != b.tableFormat)
        parts |= kTableFormatPart;
    return parts;
}
