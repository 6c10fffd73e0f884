// SPDX-License-Identifier: GPL-3.0-or-later
#include "positions/PositionEntry.h"

bool operator==(const PositionEntry& a, const PositionEntry& b)
{
    for (int i = 0; i < kPositionValueCount; ++i)
        if (a.v[i] != b.v[i])
            return false;
    return true;
}

void RecordPositionEntry(PositionEntry* list, int& count, int& current, const PositionEntry& entry,
                         bool compareFirstEntry)
{
    // A count the list cannot hold would write outside it.
    if (count < 0 || count > kPositionListMaxCount)
        return;

    // The set-up goes into the slot after the last entry; on a full list that
    // is the spare slot, and the entry examined below is then the last kept one.
    list[count] = entry;
    if (current == -1)
        current = 0;
    if (count < kPositionListMaxCount)
        ++count;
    const int last = count - 1;

    const int lowest = compareFirstEntry ? 0 : 1;
    for (int i = last - 1; i >= lowest; --i)
    {
        if (list[i] == list[last])
        {
            count = last;
            return;
        }
    }
    current = last;
}
