// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The set-up of the next shot as a plain value: where the three balls lie,
// which one the cue strikes, the aim line, the strike point, force, raise,
// the play mode and the table format. Two set-ups are equal when every one
// of these values is.

#include <cstdint>

#include "positions/PositionEntry.h"
#include "positions/PositionFile.h"

struct ShotSetup;

enum class BallId
{
    White = 0,
    Red = 1,
    Spotted = 2,
};

struct BallPlace
{
    double x = 0;
    double y = 0;
    bool operator==(const BallPlace&) const = default;
};

struct AimLine
{
    double originX = 0;
    double originY = 0;
    double targetX = 0;
    double targetY = 0;
    bool operator==(const AimLine&) const = default;
};

struct TableSetUp
{
    BallPlace balls[3];  // white, red, spotted
    int cueBall = 1;     // 1 white, 2 red, 3 spotted; 0 strikes no ball
    AimLine aim;
    double strikeHeight = 0;  // -1..1, positive below the centre as the strike widget draws it
    double strikeSide = 0;    // -1..1, positive to the right
    double force = 0;         // 0..1
    double raiseAngle = 0;    // degrees
    double strikeMode = 50;   // 50 normal, 150 artistic
    int tableFormat = 2;      // 0..3

    bool operator==(const TableSetUp&) const = default;

    const BallPlace& Ball(BallId id) const { return balls[static_cast<int>(id)]; }
    BallPlace& Ball(BallId id) { return balls[static_cast<int>(id)]; }

    // The seventeen values of a position file and back; a table format the
    // table does not know gives fallbackFormat.
    static TableSetUp FromPositionValues(const PositionValues& values, int fallbackFormat);
    PositionValues ToPositionValues() const;
    // A list entry (single precision) and back, the same way for the table
    // format; a cue ball no int can hold becomes 0.
    PositionEntry ToEntry() const;
    static TableSetUp FromEntry(const PositionEntry& entry, int fallbackFormat);
    // The document's request of the shot this set-up plays.
    ShotSetup ToShotSetup() const;
};

// What a change touched, so that observers redraw or refresh only that.
enum SetUpPart : std::uint32_t
{
    kBallsPart = 1u << 0,
    kCueBallPart = 1u << 1,
    kAimPart = 1u << 2,
    kStrikePart = 1u << 3,
    kForcePart = 1u << 4,
    kRaisePart = 1u << 5,
    kModePart = 1u << 6,
    kTableFormatPart = 1u << 7,
    kListPart = 1u << 8,
};
using SetUpParts = std::uint32_t;

// The parts in which two set-ups differ (never kListPart).
SetUpParts DifferingParts(const TableSetUp& a, const TableSetUp& b);
