#include <gtest/gtest.h>

#include <cmath>
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

struct List
{
    std::vector<PositionEntry> slots = std::vector<PositionEntry>(kPositionListSlots, Entry(-1));
    int count = 0;
    int current = -1;

    void Record(float seed, bool compareFirstEntry = true)
    {
        RecordPositionEntry(slots.data(), count, current, Entry(seed), compareFirstEntry);
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
    signedZero.v[0] = -0.0f;
    notANumber.v[3] = NAN;
    EXPECT_TRUE(signedZero == Entry(0));
    EXPECT_FALSE(notANumber == notANumber);
}

TEST(PositionEntry, NewEntryBecomesCurrentAndDuplicateIsNotAdded)
{
    List list;
    list.Record(10);
    EXPECT_EQ(list.count, 1);
    EXPECT_EQ(list.current, 0);
    list.Record(20);
    list.Record(30);
    EXPECT_EQ(list.count, 3);
    EXPECT_EQ(list.current, 2);
    EXPECT_TRUE(list.slots[1] == Entry(20));

    list.current = 0;
    list.Record(20);
    list.Record(30);
    EXPECT_EQ(list.count, 3);
    EXPECT_EQ(list.current, 0);
    // From no current entry, a duplicate still makes entry 0 current.
    list.current = -1;
    list.Record(30);
    EXPECT_EQ(list.count, 3);
    EXPECT_EQ(list.current, 0);
}

TEST(PositionEntry, FirstEntryTakesPartInTheComparisonOnlyWhenAsked)
{
    List list;
    list.Record(10);
    list.Record(20);
    list.Record(10);
    EXPECT_EQ(list.count, 2);
    EXPECT_EQ(list.current, 1);
    list.Record(10, false);
    EXPECT_EQ(list.count, 3);
    EXPECT_EQ(list.current, 2);
    list.Record(20, false);  // entry 1 is compared either way
    EXPECT_EQ(list.count, 3);
}

TEST(PositionEntry, FullListKeepsItsEntriesAndMovesToTheLast)
{
    List list;
    for (int i = 0; i < kPositionListMaxCount; ++i)
        list.Record(float(i));
    ASSERT_EQ(list.count, 199);
    list.current = 5;
    list.Record(1000);
    EXPECT_EQ(list.count, 199);
    EXPECT_EQ(list.current, 198);
    EXPECT_TRUE(list.slots[198] == Entry(198));
    EXPECT_TRUE(list.slots[199] == Entry(1000));  // the spare slot

    // When the last kept entry equals an earlier one, that is the one dropped.
    list.slots[198] = Entry(4);
    list.current = 5;
    list.Record(2000);
    EXPECT_EQ(list.count, 198);
    EXPECT_EQ(list.current, 5);

    // A count the list cannot hold changes nothing.
    List broken;
    broken.count = 200;
    broken.Record(1);
    EXPECT_EQ(broken.count, 200);
    EXPECT_EQ(broken.current, -1);
}
