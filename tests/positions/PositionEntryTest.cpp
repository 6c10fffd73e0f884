// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "positions/PositionEntry.h"

namespace
{

PositionEntry Entry(float seed)
{
    PositionEntry e;
    for (int i = 0; i < kPositionValueCount; ++i)
        e.v[i] = seed + 0.5f * i;
    return e;
}

using CountAndCurrent = std::pair<int, int>;

struct List
{
    std::vector<PositionEntry> slots = std::vector<PositionEntry>(kPositionListSlots, Entry(-1));
    int count = 0, current = -1;
    CountAndCurrent Record(float seed, bool compareFirstEntry = true)
    {
        RecordPositionEntry(slots.data(), count, current, Entry(seed), compareFirstEntry);
        return {count, current};
    }
};

}  // namespace

TEST(PositionEntry, EqualWhenAllSeventeenValuesAre)
{
    EXPECT_TRUE(Entry(1) == Entry(1));
    for (int i = 0; i < kPositionValueCount; ++i)
    {
        PositionEntry other = Entry(1);
        other.v[i] = std::nextafter(other.v[i], 1000.0f);
        EXPECT_FALSE(Entry(1) == other) << i;
    }
    PositionEntry signedZero = Entry(0), notANumber = Entry(0);
    signedZero.v[0] = -0.0f, notANumber.v[3] = NAN;  // compared as numbers, not as bits
    EXPECT_TRUE(signedZero == Entry(0) && !(notANumber == notANumber));
}

TEST(PositionEntry, NewEntryBecomesCurrentAndDuplicateIsNotAdded)
{
    List list;
    EXPECT_EQ(list.Record(10), CountAndCurrent(1, 0));
    EXPECT_EQ(list.Record(20), CountAndCurrent(2, 1));
    EXPECT_EQ(list.Record(30), CountAndCurrent(3, 2));
    EXPECT_TRUE(list.slots[1] == Entry(20));
    list.current = 0;
    list.Record(20);
    EXPECT_EQ(list.Record(30), CountAndCurrent(3, 0));
    list.current = -1;  // from no current entry, a duplicate still makes entry 0 current
    EXPECT_EQ(list.Record(30), CountAndCurrent(3, 0));

    // The first entry takes part in the comparison only when asked; entry 1 always does.
    EXPECT_EQ(list.Record(10), CountAndCurrent(3, 0));
    EXPECT_EQ(list.Record(10, false), CountAndCurrent(4, 3));
    EXPECT_EQ(list.Record(20, false), CountAndCurrent(4, 3));
}

TEST(PositionEntry, FullListKeepsItsEntriesAndMovesToTheLast)
{
    List list;
    for (int i = 0; i < kPositionListMaxCount; ++i)
        list.Record(float(i));
    ASSERT_EQ(list.count, 199);
    list.current = 5;
    EXPECT_EQ(list.Record(1000), CountAndCurrent(199, 198));
    EXPECT_TRUE(list.slots[198] == Entry(198) && list.slots[199] == Entry(1000));  // 199: the spare slot

    // When the last kept entry equals an earlier one, that is the one dropped.
    list.slots[198] = Entry(4);
    list.current = 5;
    EXPECT_EQ(list.Record(2000), CountAndCurrent(198, 5));

    List broken;  // a count the list cannot hold changes nothing
    broken.count = 200;
    EXPECT_EQ(broken.Record(1), CountAndCurrent(200, -1));
}
