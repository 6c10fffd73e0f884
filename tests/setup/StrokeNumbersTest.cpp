// SPDX-License-Identifier: GPL-3.0-or-later
// The stroke in numbers: reading the aim angle and the strike as players
// write them, and refusing values out of range.

#include <gtest/gtest.h>

#include <cmath>

#include "setup/StrokeNumbers.h"

namespace
{
TableSetUp Aimed(double dx, double dy)
{
    TableSetUp s;
    s.balls[0] = {0.5, 0.5};
    s.balls[1] = {1.5, 0.5};
    s.balls[2] = {1.0, 1.0};
    s.aim = {0.5, 0.5, 0.5 + dx, 0.5 + dy};
    return s;
}
}  // namespace

TEST(StrokeNumbers, AimAngleCountsCounterClockwiseOnTheScreen)
{
    // Table y grows down the screen.
    const std::pair<std::pair<double, double>, double> cases[] = {
        {{1, 0}, 0}, {{0, -1}, 90}, {{-1, 0}, 180}, {{0, 1}, 270}, {{0, 0}, 0}};
    for (const auto& [d, degrees] : cases)
        EXPECT_DOUBLE_EQ(stroke::AimAngle(Aimed(d.first, d.second)), degrees) << d.first << "," << d.second;

    const TableSetUp turned = *stroke::WithAimAngle(Aimed(0.3, 0.4), 90);  // the length stays 0.5 m
    EXPECT_NEAR(turned.aim.targetX, 0.5, 1e-12);
    EXPECT_NEAR(turned.aim.targetY, 0.0, 1e-12);
    EXPECT_NEAR(stroke::AimAngle(*stroke::WithAimAngle(Aimed(0, 0), 123.45)), 123.45, 1e-9);
    for (const double bad : {-0.01, 360.01, std::nan("")})
        EXPECT_FALSE(stroke::WithAimAngle(Aimed(1, 0), bad)) << bad;
}

TEST(StrokeNumbers, StrikeForceAndRaiseInTheirRanges)
{
    TableSetUp s = Aimed(1, 0);
    s.strikeHeight = 0.25;  // below the centre as the widget stores it
    EXPECT_EQ(stroke::StrikeHeight(s), -0.25);
    EXPECT_EQ(stroke::WithStrikeHeight(s, 0.5)->strikeHeight, -0.5);
    // The centre is stored as +0, so that a saved file reads 0.000000, not -0.000000.
    const double centre = stroke::WithStrikeHeight(s, 0)->strikeHeight;
    EXPECT_EQ(std::pair(centre, std::signbit(centre)), std::pair(0.0, false));
    EXPECT_EQ(stroke::WithStrikeSide(s, -1)->strikeSide, -1);
    EXPECT_EQ(stroke::WithForce(s, 1)->force, 1);
    EXPECT_EQ(stroke::WithRaise(s, 89)->raiseAngle, 89);
    EXPECT_FALSE(stroke::WithStrikeHeight(s, 1.01));
    EXPECT_FALSE(stroke::WithStrikeSide(s, -1.5));
    EXPECT_FALSE(stroke::WithForce(s, -0.001));
    EXPECT_FALSE(stroke::WithRaise(s, 89.5));
    EXPECT_FALSE(stroke::WithRaise(s, -1));
}

TEST(StrokeNumbers, CueBallAndBallPlaces)
{
    const TableSetUp s = Aimed(0.2, 0);
    const TableSetUp red = *stroke::WithCueBall(s, 2);  // the aim follows the ball, same direction
    EXPECT_EQ(std::tuple(red.cueBall, red.aim), std::tuple(2, AimLine{1.5, 0.5, 1.7, 0.5}));
    EXPECT_FALSE(stroke::WithCueBall(s, 0));
    EXPECT_FALSE(stroke::WithCueBall(s, 4));

    // The cue ball moved: its aim moves with it.
    const TableSetUp moved = *stroke::WithBallPlace(s, BallId::White, {0.25, 0.75});
    EXPECT_EQ(std::tuple(moved.balls[0], moved.aim), std::tuple(BallPlace{0.25, 0.75}, AimLine{0.25, 0.75, 0.7 + (0.25 - 0.5), 0.75}));
    EXPECT_EQ(stroke::WithBallPlace(s, BallId::Red, {2.0, 0.25})->aim, s.aim);
    // Off the 2.55 m table (2.489 m of centre travel), or onto another ball.
    EXPECT_FALSE(stroke::WithBallPlace(s, BallId::Red, {2.5, 0.5}));
    EXPECT_FALSE(stroke::WithBallPlace(s, BallId::Red, {1.0, -0.01}));
    EXPECT_FALSE(stroke::WithBallPlace(s, BallId::Red, {1.0, 1.06}));
    EXPECT_TRUE(stroke::WithBallPlace(s, BallId::Red, {1.0, 1.0 + 0.0611}));
}
