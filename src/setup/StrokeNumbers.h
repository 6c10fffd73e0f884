// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The stroke as a player writes it down, read from and written to a set-up:
// the aim angle in degrees (0 along the table's length to the right,
// counter-clockwise as seen on the screen, 0 to 360), the strike height
// (positive above the centre) and side (positive to the right), force and
// raise. Writing a value checks its range first: a value out of range is
// refused and the set-up stays as it was.

#include <optional>

#include "setup/TableSetUp.h"

namespace stroke
{

constexpr double kMaxRaise = 89;

double AimAngle(const TableSetUp& setUp);
double StrikeHeight(const TableSetUp& setUp);  // as players read it: above the centre is positive

std::optional<TableSetUp> WithAimAngle(const TableSetUp& setUp, double degrees);
std::optional<TableSetUp> WithStrikeHeight(const TableSetUp& setUp, double height);
std::optional<TableSetUp> WithStrikeSide(const TableSetUp& setUp, double side);
std::optional<TableSetUp> WithForce(const TableSetUp& setUp, double force);
std::optional<TableSetUp> WithRaise(const TableSetUp& setUp, double degrees);
// The cue ball (1 white, 2 red, 3 spotted); the aim starts from it and keeps its direction.
std::optional<TableSetUp> WithCueBall(const TableSetUp& setUp, int cueBall);
// A ball's place: inside the table's ball-centre area and clear of the other two balls.
std::optional<TableSetUp> WithBallPlace(const TableSetUp& setUp, BallId ball, BallPlace place);

}  // namespace stroke
