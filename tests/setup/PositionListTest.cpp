// SPDX-License-Identifier: GPL-3.0-or-later
// The position list value: stepping, dropping the last entry and replacing
// the entries, as the list commands use them (recording: PositionEntryTest).

#include <gtest/gtest.h>

#include "setup/PositionList.h"

namespace
{
PositionEntry EntryOf(float mark)
{
    PositionEntry entry{};
    entry.v[0] = mark;
    return entry;
}

PositionList ListOf(int count)
{
    PositionList list;
    for (int i = 0; i < count; ++i)
        list.Record(EntryOf(static_cast<float>(i + 1)));
    return list;
}
}  // namespace

TEST(PositionListValue, StepsStopAtTheEndsAndBackFromNothingShownGoesToTheLast)
{
    PositionList empty;
    EXPECT_FALSE(empty.StepBack());
    EXPECT_FALSE(empty.StepForward());
    EXPECT_EQ(empty.Current(), -1);

    PositionList list = ListOf(3);
    list.SetCurrent(-1);
    EXPECT_TRUE(list.StepBack());
    EXPECT_EQ(list.Current(), 2);
    EXPECT_FALSE(list.StepForward());
    EXPECT_TRUE(list.StepBack() && list.StepBack() && list.StepBack());  // the first entry shows again
    EXPECT_EQ(list.Current(), 0);
    EXPECT_TRUE(list.StepForward());
    EXPECT_EQ(list.Current(), 1);
    EXPECT_TRUE(list.ShowsAnEntry());
}

TEST(PositionListValue, DropLastAndReplace)
{
    PositionList list = ListOf(3);
    list.SetCurrent(2);
    EXPECT_TRUE(list.DropLast());  // the shown entry went: the new last one shows
    EXPECT_EQ(std::pair(list.Count(), list.Current()), std::pair(2, 1));
    list.SetCurrent(0);
    EXPECT_FALSE(list.DropLast());
    EXPECT_EQ(std::pair(list.Count(), list.Current()), std::pair(1, 0));
    EXPECT_FALSE(list.DropLast());
    EXPECT_EQ(std::pair(list.Count(), list.Current()), std::pair(0, -1));
    EXPECT_FALSE(list.DropLast());

    std::vector<PositionEntry> read(kPositionListSlots);
    read[0] = EntryOf(7);
    list = ListOf(5);
    list.Replace(read, 1);
    EXPECT_EQ(std::tuple(list.Count(), list.Current(), list.Entry(0).v[0], list.Entry(3).v[0]), std::tuple(1, -1, 7.f, 0.f));
    list.Replace(read, 100000);  // a count the list cannot hold is cut to what it keeps
    EXPECT_EQ(list.Count(), kPositionListMaxCount);
    EXPECT_FALSE(list == ListOf(0));
}
