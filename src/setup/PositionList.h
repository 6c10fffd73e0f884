// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The position list as a value: its slots, how many are in use, and which
// entry is shown (-1: none yet). The steps say whether the entry at Current()
// is now to be shown, the way the list commands of the table view use them.

#include <vector>

#include "positions/PositionEntry.h"

class PositionList
{
public:
    PositionList() : m_slots(kPositionListSlots) {}

    int Count() const { return m_count; }
    int Current() const { return m_current; }
    const PositionEntry& Entry(int index) const { return m_slots[static_cast<std::size_t>(index)]; }
    // All kPositionListSlots slots, those past Count() included.
    const PositionEntry* Slots() const { return m_slots.data(); }
    bool ShowsAnEntry() const { return m_current >= 0 && m_current < m_count && m_current < kPositionListSlots; }

    // Adds entry as the new last one unless an equal entry is already there
    // (then the shown entry stays).
    void Record(const PositionEntry& entry);
    // One entry back; with none shown yet, the last one. False on an empty list.
    bool StepBack();
    // One entry on; false at the last entry.
    bool StepForward();
    // The last entry leaves the list; true when the shown entry was the one
    // removed and the new last one is to be shown.
    bool DropLast();
    // The entries of a sequence file (kPositionListSlots of them) replace the
    // list; none is shown.
    void Replace(const std::vector<PositionEntry>& slots, int count);
    // A copy of kPositionListSlots slots with their count and shown entry.
    void Assign(const PositionEntry* slots, int count, int current);
    // Shows entry index (-1 for none) without checking it.
    void SetCurrent(int index) { m_current = index; }

    bool operator==(const PositionList&) const = default;

private:
    std::vector<PositionEntry> m_slots;
    int m_count = 0;
    int m_current = -1;
};
