// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Program-wide ball and table dimensions (metres) used by the physics.
constexpr double kDefaultBallRadius = 0.0305;
constexpr double kDefaultTableLength = 2.55;
constexpr double kDefaultTableWidth = 1.275;

// Geometry of the table as the document holds it and the table drawing reads it.
struct TableGeometry
{
    double ballRadius = kDefaultBallRadius;
    double length = kDefaultTableLength;   // between the cushion noses
    double width = kDefaultTableWidth;
    double railWidth = 0.08;               // drawing only
    double cushionWidth = 0.04;            // drawing only
};

// The four table formats: 0 the half table, 1 to 3 the full tables of
// 2.30, 2.55 and 2.84 metres.
struct TableFormatPreset
{
    double length;
    double width;
    double railWidth;
};

constexpr int kTableFormatCount = 4;
extern const TableFormatPreset g_tableFormats[kTableFormatCount];

inline bool IsValidTableFormat(int format) { return format >= 0 && format < kTableFormatCount; }
