// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdlib>

#include "TestFiles.h"

namespace
{

constexpr float kSentinel = -555.0f;
constexpr int kUntouched = -1;

// Value i of entry e of a made-up sequence is e + i / 100.
std::string ValueText(int e, int i) { return std::to_string(e) + (i < 10 ? ".0" : ".") + std::to_string(i); }

std::string EntryText(int e)
{
    std::string text;
    for (int i = 0; i < kPositionValueCount; ++i)
        text += ValueText(e, i) + " ";
    return text + "\n";
}

// Entry e of the made-up sequence as read, or the sentinel entry for kUntouched.
PositionEntry Slot(int e)
{
    PositionEntry entry;
    for (int i = 0; i < kPositionValueCount; ++i)
        entry.v[i] = e == kUntouched ? kSentinel : std::strtof(ValueText(e, i).c_str(), nullptr);
    return entry;
}

struct DemoList
{
    std::vector<PositionEntry> entries = std::vector<PositionEntry>(kPositionListSlots, Slot(kUntouched));
    int count = 42;
    bool Read(const std::string& text)
    {
        TempFolder folder;
        WriteText(folder / "demo.se2", text);
        return ReadDemoSequence(folder / "demo.se2", entries.data(), count);
    }
};

}  // namespace

TEST(DemoFile, HeaderAndCountRules)
{
    struct Case { std::string text; bool read; int count; std::vector<int> slots; };  // slots from 0
    std::vector<Case> cases = {
        {"Sequence 2\n" + EntryText(0) + EntryText(7), true, 2, {0, 7, kUntouched}},
        // The count is kept within the list; a count that does not convert changes nothing.
        {"Sequence -3\n" + EntryText(1), true, 0, {kUntouched}},
        {"Sequence 99999999999999999999\n" + EntryText(5), true, 199, {5, kUntouched}},
        {"Sequence many\n" + EntryText(1), true, 42, {kUntouched}},
    };
    // Accepted: a capital S first, or a small e second; a refused file changes nothing.
    for (std::string header : {"Sequence", "se2", "S", "Demo", "  xe"})
        cases.push_back({header + " 1 " + EntryText(3), true, 1, {3}});
    for (std::string header : {"Donnees", "sE", "e", "", "1"})
        cases.push_back({header + " 1 " + EntryText(3), false, 42, {kUntouched}});
    for (const Case& c : cases)
    {
        DemoList list;
        SCOPED_TRACE(c.text);
        EXPECT_EQ(std::pair(list.Read(c.text), list.count), std::pair(c.read, c.count));
        for (std::size_t s = 0; s < c.slots.size(); ++s)
            EXPECT_TRUE(list.entries[s] == Slot(c.slots[s])) << "slot " << s;
    }
    DemoList missing;
    EXPECT_FALSE(ReadDemoSequence("/nonexistent/demo.se2", missing.entries.data(), missing.count));
    EXPECT_EQ(missing.count, 42);
}

TEST(DemoFile, ReadingStopsAtTheListEndOrABadNumber)
{
    std::string text = "Sequence 500\n";
    for (int e = 0; e < 500; ++e)
        text += EntryText(e);
    DemoList full;
    full.entries[kPositionListMaxCount].v[0] = 12345.0f;  // the spare slot
    ASSERT_TRUE(full.Read(text));
    EXPECT_TRUE(full.count == 199 && full.entries[198] == Slot(198));
    EXPECT_EQ(std::pair(full.entries[199].v[0], full.entries[199].v[1]), std::pair(12345.0f, kSentinel));

    DemoList list;
    ASSERT_TRUE(list.Read("Sequence 3\n" + EntryText(1) + "2 2 2 2 2 x 2 2\n" + EntryText(3)));
    EXPECT_TRUE(list.count == 3 && list.entries[0] == Slot(1) && list.entries[2] == Slot(kUntouched));
    for (int i = 0; i < kPositionValueCount; ++i)
        EXPECT_EQ(list.entries[1].v[i], i < 5 ? 2.0f : kSentinel) << i;

    DemoList tooBig;  // beyond the range of a float
    ASSERT_TRUE(tooBig.Read("Sequence 1\n1 2 1e39 4\n"));
    EXPECT_EQ(std::pair(tooBig.entries[0].v[1], tooBig.entries[0].v[2]), std::pair(2.0f, kSentinel));
}
