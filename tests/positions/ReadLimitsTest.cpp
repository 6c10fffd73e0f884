// SPDX-License-Identifier: GPL-3.0-or-later
// Every reader of the program's files ends within its bounds on what is no file of ours, and
// then changes nothing.

#include "TestFiles.h"
#include "sim/ShotPhysics.h"

TEST(ReadLimits, FoldersDevicesLargeFilesAndLongWordsAreNotRead)
{
    using R = FileReadResult;
    using T = TuningFileResult;
    struct Case { std::string name, text; R position, demo; T tuning; };
    // "Be" is a header both of a position file and of a demonstration file.
    const std::string digits(4096, '7');
    const std::vector<Case> cases = {
        {"folder", "", R::IsFolder, R::IsFolder, T::IsFolder},
        {"/dev/zero", "", R::IsDevice, R::IsDevice, T::NotRegularFile},
        {"word of 4096", "Be 1\n" + digits + "\n", R::Read, R::Read, T::Applied},
        {"word of 4097", "Be 1\n7" + digits + "\n", R::WordTooLong, R::WordTooLong, T::WordTooLong},
        {"header of 4097", "B" + digits + "\n", R::WordTooLong, R::WordTooLong, T::WordTooLong},
        {"1 MiB", "Be 1\n" + std::string((1 << 20) - 5, ' '), R::Read, R::Read, T::Applied},
        {"1 MiB + 1", "Be 1\n" + std::string((1 << 20) - 4, ' '), R::TooLarge, R::Read, T::TooLarge},
        {"4 MiB + 1", "Be 1\n" + std::string((4 << 20) - 4, ' '), R::TooLarge, R::TooLarge, T::TooLarge},
    };
    TempFolder folder;
    std::filesystem::create_directory(folder / "folder");
    for (const Case& c : cases)
    {
        const std::string path = c.name[0] == '/' ? c.name : folder / c.name;
        if (!c.text.empty())
            WriteText(path, c.text);
        PositionValues values{.force = -7};
        int valuesRead = -1;
        EXPECT_EQ(ReadPositionFile(path, values, &valuesRead), c.position) << c.name;
        EXPECT_EQ(std::pair(values.force, valuesRead), std::pair(-7.0, 0)) << c.name;

        std::vector<PositionEntry> entries(kPositionListSlots, PositionEntry{{-5}});
        int count = 42;
        R demo = R::Read;
        EXPECT_EQ(ReadDemoSequence(path, entries.data(), count, &demo), c.demo == R::Read) << c.name;
        EXPECT_EQ(demo, c.demo) << c.name;
        EXPECT_EQ(std::pair(entries[0].v[0], count), std::pair(-5.0f, c.demo == R::Read ? 1 : 42)) << c.name;

        auto physics = std::make_unique<CShotPhysics>();
        EXPECT_EQ(physics->LoadTuning(path.c_str()), c.tuning) << c.name;
        EXPECT_EQ(std::pair(physics->m_dClothFriction, physics->m_dBallGearing), std::pair(0.025, 0.025)) << c.name;
    }
}
