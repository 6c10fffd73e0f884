#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "positions/DemoFile.h"

namespace
{

constexpr float kSentinel = -555.0f;

PositionEntry Filled(float value)
{
    PositionEntry e;
    for (float& v : e.v)
        v = value;
    return e;
}

struct DemoList
{
    std::vector<PositionEntry> entries = std::vector<PositionEntry>(kPositionListSlots, Filled(kSentinel));
    int count = 42;

    bool Untouched(int slot) const { return entries[slot] == Filled(kSentinel); }
    bool Read(const TempFolder& folder, const std::string& text)
    {
        WriteText(folder / "demo.se2", text);
        return ReadDemoSequence(folder / "demo.se2", entries.data(), count);
    }
};

// Value i of entry e of a made-up sequence: e + i / 100.
std::string ValueText(int e, int i) { return std::to_string(e) + (i < 10 ? ".0" : ".") + std::to_string(i); }

std::string EntryText(int e)
{
    std::string text;
    for (int i = 0; i < kPositionValueCount; ++i)
        text += ValueText(e, i) + " ";
    return text + "\n";
}

}  // namespace

TEST(DemoFile, ReadsTheEntriesInOrder)
{
    TempFolder folder;
    DemoList list;
    ASSERT_TRUE(list.Read(folder, "Sequence 2\n" + EntryText(0) + EntryText(7)));
    EXPECT_EQ(list.count, 2);
    for (int i = 0; i < kPositionValueCount; ++i)
    {
        EXPECT_EQ(list.entries[0].v[i], std::strtof(ValueText(0, i).c_str(), nullptr)) << i;
        EXPECT_EQ(list.entries[1].v[i], std::strtof(ValueText(7, i).c_str(), nullptr)) << i;
    }
    EXPECT_TRUE(list.Untouched(2));
}

TEST(DemoFile, HeaderRules)
{
    TempFolder folder;
    // Accepted: a capital S first, or a small e second.
    for (const char* accepted : {"Sequence", "se2", "S", "Demo", "  xe"})
    {
        DemoList list;
        EXPECT_TRUE(list.Read(folder, std::string(accepted) + " 1 " + EntryText(3))) << accepted;
        EXPECT_EQ(list.count, 1) << accepted;
        EXPECT_EQ(list.entries[0].v[16], 3.16f) << accepted;
    }
    for (const char* refused : {"Donnees", "sE", "e", "", "1"})
    {
        DemoList list;
        EXPECT_FALSE(list.Read(folder, std::string(refused) + " 1 " + EntryText(3))) << refused;
        EXPECT_EQ(list.count, 42) << refused;
        EXPECT_TRUE(list.Untouched(0)) << refused;
    }
    DemoList list;
    EXPECT_FALSE(ReadDemoSequence(folder / "missing.se2", list.entries.data(), list.count));
    EXPECT_EQ(list.count, 42);
}

TEST(DemoFile, CountIsKeptWithinTheList)
{
    TempFolder folder;
    DemoList negative;
    ASSERT_TRUE(negative.Read(folder, "Sequence -3\n" + EntryText(1)));
    EXPECT_EQ(negative.count, 0);
    EXPECT_TRUE(negative.Untouched(0));

    std::string text = "Sequence 500\n";
    for (int e = 0; e < 500; ++e)
        text += EntryText(e);
    DemoList full;
    full.entries[kPositionListMaxCount].v[0] = 12345.0f;  // the spare slot
    ASSERT_TRUE(full.Read(folder, text));
    EXPECT_EQ(full.count, 199);
    EXPECT_EQ(full.entries[198].v[16], 198.16f);
    EXPECT_EQ(full.entries[199].v[0], 12345.0f);
    EXPECT_EQ(full.entries[199].v[1], kSentinel);

    DemoList huge;
    ASSERT_TRUE(huge.Read(folder, "Sequence 99999999999999999999\n" + EntryText(5)));
    EXPECT_EQ(huge.count, 199);
    EXPECT_EQ(huge.entries[0].v[1], 5.01f);
    EXPECT_TRUE(huge.Untouched(1));
}

TEST(DemoFile, BadNumberStopsTheReading)
{
    TempFolder folder;
    DemoList list;
    ASSERT_TRUE(list.Read(folder, "Sequence 3\n" + EntryText(1) + "2 2 2 2 2 x 2 2\n" + EntryText(3)));
    EXPECT_EQ(list.count, 3);
    EXPECT_EQ(list.entries[0].v[16], 1.16f);
    for (int i = 0; i < kPositionValueCount; ++i)
        EXPECT_EQ(list.entries[1].v[i], i < 5 ? 2.0f : kSentinel) << i;
    EXPECT_TRUE(list.Untouched(2));

    DemoList tooBig;  // beyond the range of a float
    ASSERT_TRUE(tooBig.Read(folder, "Sequence 1\n1 2 1e39 4\n"));
    EXPECT_EQ(tooBig.entries[0].v[1], 2.0f);
    EXPECT_EQ(tooBig.entries[0].v[2], kSentinel);

    DemoList noCount;
    ASSERT_TRUE(noCount.Read(folder, "Sequence many\n" + EntryText(1)));
    EXPECT_EQ(noCount.count, 42);
    EXPECT_TRUE(noCount.Untouched(0));
}
