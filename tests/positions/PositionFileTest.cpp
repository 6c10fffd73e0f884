// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestFiles.h"

namespace
{

// The 17 values in file order, the cue ball as a double.
using FileOrder = std::vector<double>;

FileOrder InFileOrder(const PositionValues& v)
{
    return {v.redX, v.redY, v.whiteX, v.whiteY, v.spottedX, v.spottedY, v.strikeHeight, v.strikeSide, v.raiseAngle,
            v.force, double(v.cueBall), v.aimOriginX, v.aimTargetX, v.aimOriginY, v.aimTargetY, v.strikeMode,
            v.tableFormat};
}

PositionValues FromFileOrder(const FileOrder& f)
{
    return {f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9], int(f[10]), f[11], f[12], f[13], f[14], f[15], f[16]};
}

const FileOrder kSample = {1.25, 0.5, 0.603125, 0.75, 2.1, 1.000001, -0.25, 0.125, 12,
                           0.55, 3,   0.4, 1.7,      0.3,  0.9, 150,      2};
constexpr double kUntouched = -7;  // no file here holds it

struct Outcome { PositionReadResult result; int count; FileOrder values; };

// Reads text as a position file into values that all hold kUntouched.
Outcome ReadFrom(const std::string& text)
{
    TempFolder folder;
    WriteText(folder / "read.bi1", text);
    PositionValues values = FromFileOrder(FileOrder(17, kUntouched));
    int count = -1;
    const PositionReadResult result = ReadPositionFile(folder / "read.bi1", values, &count);
    return {result, count, InFileOrder(values)};
}

}  // namespace

TEST(PositionFile, WrittenTextIsExactAndReadsBack)
{
    TempFolder folder;
    const std::string path = folder / "current.bi1";
    ASSERT_TRUE(WritePositionFile(path, kQuickSaveHeader, FromFileOrder(kSample)));
    EXPECT_EQ(ReadText(path), "Billard_KVO_(3.08.99 22.01.00)\n"
                              "1.250000\n0.500000\n0.603125\n0.750000\n2.100000\n1.000001\n"
                              "-0.250000\n0.125000\n12.000000\n0.550000\n3\n"
                              "0.400000\n1.700000\n0.300000\n0.900000\n150.000000\n2.000000\n");
    // The quick-save header holds a blank: the rest of the header line is skipped.
    const Outcome o = ReadFrom(ReadText(path));
    EXPECT_EQ(std::tuple(o.result, o.count, o.values), std::tuple(PositionReadResult::Read, 17, kSample));

    // Six decimals are kept.
    PositionValues rounded = FromFileOrder(kSample);
    rounded.whiteX = 1.23456789;
    rounded.redY = -0.0000004;
    const FileOrder read = ReadFrom(FormatPositionFile(kSaveAsHeader, rounded)).values;
    EXPECT_EQ(std::pair(read[2], read[1]), std::pair(1.234568, -0.0));

    // The largest doubles are written with all 309 digits and read back exactly.
    PositionValues large = FromFileOrder(kSample);
    large.redX = 1e308;
    large.tableFormat = -1.7976931348623157e308;
    const std::string text = FormatPositionFile(kSaveAsHeader, large);
    EXPECT_EQ(text.find('\n', 25), 25u + 316u);
    EXPECT_EQ(text.substr(25, 17), "10000000000000000");
    EXPECT_EQ(ReadFrom(text).values, InFileOrder(large));
}

// Reading stops at the first value that does not convert: that value and all
// later ones keep what they held.
TEST(PositionFile, HeaderRulesAndValuesThatStopTheReading)
{
    const auto read = PositionReadResult::Read;
    const std::string header = "Billard_KVO_le_3_aout_99\n", ten = "0.5\n0.5\n0.5\n0.5\n0.5\n0.5\n0.5\n0.5\n0.5\n0.5\n";
    std::string binary = "B";
    for (int c = 0; c < 3 * 256; ++c)
        binary += static_cast<char>(c);
    struct Case { std::string text; PositionReadResult result; int count; std::vector<std::pair<int, double>> values; };
    std::vector<Case> cases = {
        {header + "0.5\n1.5\n2.5\n3.5\n4.5\nabc\n6.5\n", read, 5, {{0, 0.5}, {1, 1.5}, {2, 2.5}, {3, 3.5}, {4, 4.5}}},
        // A number runs up to the first character that cannot continue it; an
        // exponent without digits is no number.
        {header + "1e+x\n", read, 0, {}},
        {header + "2.5e1x\n", read, 1, {{0, 25}}},
        // The cue ball is an integer: "2.5" gives 2, and ".5" is the next value;
        // integers beyond its range do not convert.
        {header + ten + "2.5\n9\n", read, 13, {{9, 0.5}, {10, 2}, {11, 0.5}, {12, 9}}},
        {header + ten + "-2147483648\n", read, 11, {{10, -2147483648.0}}},
        {header + ten + "2147483648\n", read, 10, {{9, 0.5}}},
        {header + ten + "99999999999999999999\n1\n", read, 10, {}},
        {header + "nan\n1e308\n-INF\n1e999\n5\n", read, 3, {{0, NAN}, {1, 1e308}, {2, -INFINITY}}},
        // A file of only the header changes nothing.
        {header, read, 0, {}},
        {"Billard_KVO_(3.08.99 22.01.00)", read, 0, {}},
        {"B\n\n \n", read, 0, {}},
        {"B 5 6\n+7\n", read, 1, {{0, 7}}},  // a plus sign is taken
        {"B\r\n1\t2\v3\f4\r5 6\r\n", read, 6, {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}}},
        // Hostile text.
        {binary, read, 0, {}},
        {header + std::string(100000, ' ') + "4\n", read, 1, {{0, 4}}},
        {header + std::string("1\0\n2\n", 5), read, 1, {{0, 1}}},
    };
    // Accepted when the first word begins with B or i; a refused file changes nothing.
    for (std::string accepted : {"B", "inconnu", "  \n\tBx"})
        cases.push_back({accepted + "\n1\n2\n3\n", read, 3, {{0, 1}, {1, 2}, {2, 3}}});
    for (std::string refused : {"billard", "Inconnu", "xB", "1.0", "", " \n "})
        cases.push_back({refused + "\n1\n2\n3\n", PositionReadResult::RejectedHeader, 0, {}});

    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.text.substr(0, 60));
        const Outcome o = ReadFrom(c.text);
        EXPECT_EQ(std::pair(o.result, o.count), std::pair(c.result, c.count));
        for (auto [i, v] : c.values)
            EXPECT_TRUE(o.values[i] == v || (std::isnan(v) && std::isnan(o.values[i]))) << i << ": " << o.values[i];
        for (int i = c.count; i < 17; ++i)
            EXPECT_EQ(o.values[i], kUntouched) << i;
    }
}
