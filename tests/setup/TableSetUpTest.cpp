// SPDX-License-Identifier: GPL-3.0-or-later
// The set-up value: its file and list forms, what differs between two, and
// the table-format change that puts the balls back.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "positions/StartPosition.h"
#include "setup/TableSetUp.h"
#include "setup/TableFormatChange.h"

namespace
{
TableSetUp Sample()
{
    TableSetUp s;
    s.balls[0] = {0.25, 0.5};
    s.balls[1] = {1.125, 0.75};
    s.balls[2] = {2.0, 1.0};
    s.cueBall = 2;
    s.aim = {1.125, 0.75, 1.5, 0.25};
    s.strikeHeight = -0.5;
    s.strikeSide = 0.25;
    s.force = 0.75;
    s.raiseAngle = 12;
    s.strikeMode = 150;
    s.tableFormat = 1;
    return s;
}
}  // namespace

TEST(SetUpValue, FileValuesAndListEntriesRoundTrip)
{
    const TableSetUp s = Sample();
    EXPECT_EQ(TableSetUp::FromPositionValues(s.ToPositionValues(), 3), s);
    EXPECT_EQ(TableSetUp::FromEntry(s.ToEntry(), 3), s);  // every value is exact in single precision

    // The file order: red before white; the entry order: origin x, target x, origin y, target y.
    const PositionValues values = s.ToPositionValues();
    EXPECT_EQ(std::tuple(values.redX, values.whiteX, values.aimTargetY, values.tableFormat), std::tuple(1.125, 0.25, 0.25, 1.0));
    const PositionEntry entry = s.ToEntry();
    EXPECT_EQ(std::tuple(entry.v[0], entry.v[2], entry.v[11], entry.v[12], entry.v[16]), std::tuple(1.125f, 0.25f, 1.5f, 0.75f, 1.0f));

    // The start set-up of a fresh view.
    const TableSetUp start = TableSetUp::FromPositionValues(kStartPosition, 0);
    EXPECT_EQ(std::tuple(start.Ball(BallId::Red).x, start.cueBall, start.force, start.tableFormat), std::tuple(0.2, 1, 0.5, 2));
}

TEST(SetUpValue, UnknownFormatsAndCueBallsFallBack)
{
    PositionValues values = Sample().ToPositionValues();
    for (const double bad : {-1.0, 4.0, std::nan(""), 1e300})
    {
        values.tableFormat = bad;
        EXPECT_EQ(TableSetUp::FromPositionValues(values, 3).tableFormat, 3) << bad;
    }
    values.tableFormat = 0.9;  // truncated
    EXPECT_EQ(TableSetUp::FromPositionValues(values, 3).tableFormat, 0);

    PositionEntry entry = Sample().ToEntry();
    entry.v[9] = std::numeric_limits<float>::infinity();
    entry.v[16] = 7;
    const TableSetUp read = TableSetUp::FromEntry(entry, 2);
    EXPECT_EQ(std::pair(read.cueBall, read.tableFormat), std::pair(0, 2));
}

TEST(SetUpValue, DifferingPartsNameWhatChanged)
{
    const TableSetUp a = Sample();
    EXPECT_EQ(DifferingParts(a, a), 0u);
    TableSetUp b = a;
    b.balls[2].y += 0.01;
    b.aim.targetX = 0;
    EXPECT_EQ(DifferingParts(a, b), kBallsPart | kAimPart);
    b = a;
    b.strikeSide = 0;
    b.raiseAngle = 1;
    b.tableFormat = 0;
    EXPECT_EQ(DifferingParts(a, b), kStrikePart | kRaisePart | kTableFormatPart);
    b = a;
    b.cueBall = 3;
    b.force = 0;
    b.strikeMode = 50;
    EXPECT_EQ(DifferingParts(a, b), kCueBallPart | kForcePart | kModePart);
    EXPECT_FALSE(a == b);
}

TEST(SetUpValue, TableFormatPutsTheBallsBackOnlyWhenOneDoesNotFit)
{
    TableSetUp s = Sample();  // the spotted ball at 2.0 m is off the half table (1.275 m)
    const TableSetUp onSmall = WithTableFormat(s, 0);
    EXPECT_EQ(onSmall.tableFormat, 0);
    EXPECT_EQ(std::tuple(onSmall.balls[0], onSmall.balls[1], onSmall.balls[2]),
              std::tuple(BallPlace{0.1, 0.1}, BallPlace{0.2, 0.15}, BallPlace{0.3, 0.39}));
    EXPECT_EQ(std::tuple(onSmall.aim, onSmall.force, onSmall.cueBall), std::tuple(s.aim, s.force, s.cueBall));

    s.balls[1] = {1.0, 0.5};
    s.balls[2] = {0.5, 0.5};
    const TableSetUp kept = WithTableFormat(s, 0);
    EXPECT_EQ(std::tuple(kept.balls[0], kept.balls[1], kept.balls[2], kept.tableFormat),
              std::tuple(s.balls[0], s.balls[1], s.balls[2], 0));
    EXPECT_EQ(WithTableFormat(s, 4), s);
    EXPECT_EQ(std::tuple(NextTableFormat(0), NextTableFormat(2), NextTableFormat(3), NextTableFormat(-5)), std::tuple(1, 3, 0, 0));
}
