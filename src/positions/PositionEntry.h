// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One position of the list: 17 single-precision values.
//  0 red x, 1 red y, 2 white x, 3 white y, 4 spotted x, 5 spotted y,
//  6 strike height, 7 strike side, 8 raise (degrees), 9 cue ball (1..3),
// 10 aim origin x, 11 aim target x, 12 aim origin y, 13 aim target y,
// 14 force, 15 play mode (50 normal, 150 artistic), 16 table format (0..3).
constexpr int kPositionValueCount = 17;
constexpr int kPositionListSlots = 200;     // the last slot is spare space
constexpr int kPositionListMaxCount = 199;  // most entries the list keeps

struct PositionEntry
{
    float v[kPositionValueCount];
};

bool operator==(const PositionEntry& a, const PositionEntry& b);

// Adds entry as the new last entry of the list (slots 0..count-1 in use)
// unless an equal entry is already there. list must hold kPositionListSlots
// entries. With compareFirstEntry false the comparison stops at entry 1, as in
// the first releases; the program passes true.
void RecordPositionEntry(PositionEntry* list, int& count, int& current, const PositionEntry& entry,
                         bool compareFirstEntry = true);
