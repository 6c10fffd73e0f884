// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/StrokeNumbers.h"

#include <cmath>
#include <numbers>

#include "sim/TableGeometry.h"

namespace stroke
{
namespace
{
constexpr double kDegree = std::numbers::pi / 180;
// An aim without length gets this one when given an angle.
constexpr double kDefaultAimLength = 0.5;

bool Within(double value, double low, double high)
{
    return std::isfinite(value) && low <= value && value <= high;
}
}  // namespace

double AimAngle(const TableSetUp& s)
{
    const double dx = s.aim.targetX - s.aim.originX;
    const double dy = s.aim.targetY - s.aim.originY;
    if (dx == 0 && dy == 0)
        return 0;
    const double degrees = std::atan2(-dy, dx) / kDegree;
    return degrees < 0 ? degrees + 360 : degrees;
}

double StrikeHeight(const TableSetUp& s)
{
    return s.strikeHeight == 0 ? 0 : -s.strikeHeight;
}

std::optional<TableSetUp> WithAimAngle(const TableSetUp& s, double degrees)
{
    if (!Within(degrees, 0, 360))
        return std::nullopt;
    TableSetUp changed = s;
    const double dx = s.aim.targetX - s.aim.originX;
    const double dy = s.aim.targetY - s.aim.originY;
    const double length = dx == 0 && dy == 0 ? kDefaultAimLength : std::hypot(dx, dy);
    changed.aim.targetX = s.aim.originX + length * std::cos(degrees * kDegree);
    changed.aim.targetY = s.aim.originY - length * std::sin(degrees * kDegree);
    return changed;
}

std::optional<TableSetUp> WithStrikeHeight(const TableSetUp& s, double height)
{
    if (!Within(height, -1, 1))
        return std::nullopt;
    TableSetUp changed = s;
    changed.strikeHeight = height == 0 ? 0 : -height;
    return changed;
}

std::optional<TableSetUp> WithStrikeSide(const TableSetUp& s, double side)
{
    if (!Within(side, -1, 1))
        return std::nullopt;
    TableSetUp changed = s;
    changed.strikeSide = side;
    return changed;
}

std::optional<TableSetUp> WithForce(const TableSetUp& s, double force)
{
    if (!Within(force, 0, 1))
        return std::nullopt;
    TableSetUp changed = s;
    changed.force = force;
    return changed;
}

std::optional<TableSetUp> WithRaise(const TableSetUp& s, double degrees)
{
    if (!Within(degrees, 0, kMaxRaise))
        return std::nullopt;
    TableSetUp changed = s;
    changed.raiseAngle = degrees;
    return changed;
}

std::optional<TableSetUp> WithCueBall(const TableSetUp& s, int cueBall)
{
    if (cueBall < 1 || cueBall > 3)
        return std::nullopt;
    TableSetUp changed = s;
    changed.cueBall = cueBall;
    const BallPlace& ball = s.balls[cueBall - 1];
    changed.aim.targetX += ball.x - s.aim.originX;
    changed.aim.targetY += ball.y - s.aim.originY;
    changed.aim.originX = ball.x;
    changed.aim.originY = ball.y;
    return changed;
}

std::optional<TableSetUp> WithBallPlace(const TableSetUp& s, BallId id, BallPlace place)
{
    if (!IsValidTableFormat(s.tableFormat))
        return std::nullopt;
    const TableFormatPreset& table = g_tableFormats[s.tableFormat];
    if (!Within(place.x, 0, table.length - 2 * kDefaultBallRadius) ||
        !Within(place.y, 0, table.width - 2 * kDefaultBallRadius))
        return std::nullopt;
    const int index = static_cast<int>(id);
    for (int other = 0; other < 3; ++other)
    {
        if (other == index)
            continue;
        const double dx = place.x - s.balls[other].x;
        const double dy = place.y - s.balls[other].y;
        if (dx * dx + dy * dy <= 4 * kDefaultBallRadius * kDefaultBallRadius)
            return std::nullopt;  // the balls would overlap
    }
    TableSetUp changed = s;
    // The aim moves with its ball.
    if (s.cueBall == index + 1 && s.aim.originX == s.balls[index].x && s.aim.originY == s.balls[index].y)
    {
        changed.aim.targetX += place.x - s.aim.originX;
        changed.aim.targetY += place.y - s.aim.originY;
        changed.aim.originX = place.x;
        changed.aim.originY = place.y;
    }
    changed.balls[index] = place;
    return changed;
}

}  // namespace stroke
