#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "positions/PositionFile.h"

namespace
{

// The 17 values in file order, the cue ball as a double.
using FileOrder = std::vector<double>;

FileOrder InFileOrder(const PositionValues& v)
{
    return {v.redX,       v.redY,       v.whiteX,      v.whiteY,    v.spottedX,  v.spottedY,
            v.strikeHeight, v.strikeSide, v.raiseAngle, v.force,     double(v.cueBall),
            v.aimOriginX, v.aimTargetX, v.aimOriginY, v.aimTargetY, v.strikeMode, v.tableFormat};
}

PositionValues FromFileOrder(const FileOrder& f)
{
    return {f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9], int(f[10]), f[11], f[12], f[13], f[14], f[15], f[16]};
}

const FileOrder kSample = {1.25, 0.5, 0.603125, 0.75, 2.1, 1.000001, -0.25, 0.125, 12, 0.55,
                           3,    0.4, 1.7,      0.3,  0.9, 150,      2};
const FileOrder kUntouched(17, -7);  // no file here holds these

struct Outcome
{
    PositionReadResult result;
    int count;
    PositionValues values;
};

Outcome ReadFrom(const TempFolder& folder, const std::string& text, const FileOrder& start = kUntouched)
{
    WriteText(folder / "read.bi1", text);
    Outcome o{PositionReadResult::CannotOpen, -1, FromFileOrder(start)};
    o.result = ReadPositionFile(folder / "read.bi1", o.values, &o.count);
    return o;
}

// Header, then the given value lines.
std::string FileText(const std::string& values) { return "Billard_KVO_le_3_aout_99\n" + values; }

}  // namespace

TEST(PositionFile, SaveThenReadRestoresEveryValueToSixDecimals)
{
    TempFolder folder;
    const std::string path = folder / "saved.bi1";
    ASSERT_TRUE(WritePositionFile(path, kSaveAsHeader, FromFileOrder(kSample)));
    PositionValues read;
    int count = 0;
    ASSERT_EQ(ReadPositionFile(path, read, &count), PositionReadResult::Read);
    EXPECT_EQ(count, 17);
    EXPECT_EQ(InFileOrder(read), kSample);

    PositionValues rounded = FromFileOrder(kSample);
    rounded.whiteX = 1.23456789;
    rounded.redY = -0.0000004;
    ASSERT_TRUE(WritePositionFile(path, kSaveAsHeader, rounded));
    ASSERT_EQ(ReadPositionFile(path, read), PositionReadResult::Read);
    EXPECT_EQ(read.whiteX, 1.234568);
    EXPECT_EQ(read.redY, -0.0);
}

TEST(PositionFile, WrittenTextIsExact)
{
    TempFolder folder;
    const std::string path = folder / "current.bi1";
    ASSERT_TRUE(WritePositionFile(path, kQuickSaveHeader, FromFileOrder(kSample)));
    EXPECT_EQ(ReadText(path), "Billard_KVO_(3.08.99 22.01.00)\n"
                              "1.250000\n0.500000\n0.603125\n0.750000\n2.100000\n1.000001\n"
                              "-0.250000\n0.125000\n12.000000\n0.550000\n3\n"
                              "0.400000\n1.700000\n0.300000\n0.900000\n150.000000\n2.000000\n");

    // The largest doubles are written with all 309 digits and read back exactly.
    PositionValues large = FromFileOrder(kSample);
    large.redX = 1e308;
    large.tableFormat = -1.7976931348623157e308;
    const std::string text = FormatPositionFile(kSaveAsHeader, large);
    EXPECT_EQ(text.find('\n', 25), 25u + 316u);
    EXPECT_EQ(text.substr(25, 17), "10000000000000000");
    EXPECT_EQ(InFileOrder(ReadFrom(folder, text).values), InFileOrder(large));
}

TEST(PositionFile, HeaderRules)
{
    TempFolder folder;
    for (const char* accepted : {"Billard_KVO_le_3_aout_99", "B", "inconnu", "  \n\tBx"})
    {
        const Outcome o = ReadFrom(folder, accepted + std::string("\n1\n2\n3\n"));
        EXPECT_EQ(o.result, PositionReadResult::Read) << accepted;
        EXPECT_EQ(o.count, 3) << accepted;
        EXPECT_EQ(o.values.whiteX, 3) << accepted;
    }
    for (const char* refused : {"billard", "Inconnu", "xB", "1.0", "", " \n "})
    {
        const Outcome o = ReadFrom(folder, refused + std::string("\n1\n2\n3\n"));
        EXPECT_EQ(o.result, PositionReadResult::RejectedHeader) << refused;
        EXPECT_EQ(InFileOrder(o.values), kUntouched) << refused;
    }
    PositionValues values = FromFileOrder(kUntouched);
    EXPECT_EQ(ReadPositionFile(folder / "missing.bi1", values), PositionReadResult::CannotOpen);
    EXPECT_EQ(InFileOrder(values), kUntouched);

    // The quick-save header holds a blank: the rest of the header line is skipped.
    const Outcome quick = ReadFrom(folder, FormatPositionFile(kQuickSaveHeader, FromFileOrder(kSample)));
    EXPECT_EQ(quick.count, 17);
    EXPECT_EQ(InFileOrder(quick.values), kSample);
    EXPECT_EQ(ReadFrom(folder, "B 5 6\n7\n").values.redX, 7);
}

TEST(PositionFile, ReadingStopsAtTheFirstValueThatDoesNotConvert)
{
    TempFolder folder;
    const Outcome partial = ReadFrom(folder, FileText("0.5\n1.5\n2.5\n3.5\n4.5\nabc\n6.5\n"));
    EXPECT_EQ(partial.count, 5);
    FileOrder expected = kUntouched;
    for (int i = 0; i < 5; ++i)
        expected[i] = i + 0.5;
    EXPECT_EQ(InFileOrder(partial.values), expected);

    // A number runs up to the first character that cannot continue it; an
    // exponent without digits is no number.
    EXPECT_EQ(ReadFrom(folder, FileText("1e+x\n")).count, 0);
    const Outcome glued = ReadFrom(folder, FileText("2.5e1x\n"));
    EXPECT_EQ(glued.count, 1);
    EXPECT_EQ(glued.values.redX, 25);

    // The cue ball is an integer: "2.5" gives 2, and ".5" is the next value.
    const std::string ten = "1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n";
    const Outcome cue = ReadFrom(folder, FileText(ten + "2.5\n9\n"));
    EXPECT_EQ(cue.count, 13);
    EXPECT_EQ(cue.values.cueBall, 2);
    EXPECT_EQ(cue.values.aimOriginX, 0.5);
    EXPECT_EQ(cue.values.aimTargetX, 9);
    EXPECT_EQ(ReadFrom(folder, FileText(ten + "-2147483648\n")).values.cueBall, -2147483648);

    // A file of only the header changes nothing.
    for (const char* header : {"Billard_KVO_le_3_aout_99\n", "Billard_KVO_(3.08.99 22.01.00)", "B\n\n \n"})
    {
        const Outcome o = ReadFrom(folder, header, kSample);
        EXPECT_EQ(o.result, PositionReadResult::Read) << header;
        EXPECT_EQ(o.count, 0) << header;
        EXPECT_EQ(InFileOrder(o.values), kSample) << header;
    }
}

TEST(PositionFile, HostileInputReadsWithoutHarm)
{
    TempFolder folder;
    std::string binary = "B";
    for (int c = 0; c < 3 * 256; ++c)
        binary += static_cast<char>(c);
    EXPECT_EQ(ReadFrom(folder, binary).result, PositionReadResult::Read);
    EXPECT_EQ(ReadFrom(folder, std::string(1 << 20, 'B')).count, 0);
    EXPECT_EQ(ReadFrom(folder, FileText(std::string(1 << 20, '7'))).count, 0);
    EXPECT_EQ(ReadFrom(folder, FileText(std::string(1 << 20, ' ') + "4\n")).values.redX, 4);
    EXPECT_EQ(ReadFrom(folder, FileText(std::string("1\0\n2\n", 5))).count, 1);

    const Outcome special = ReadFrom(folder, FileText("nan\n1e308\n-INF\n1e999\n5\n"));
    EXPECT_EQ(special.count, 3);
    EXPECT_TRUE(std::isnan(special.values.redX));
    EXPECT_EQ(special.values.redY, 1e308);
    EXPECT_EQ(special.values.whiteX, -INFINITY);

    // Integers beyond the cue ball's range do not convert.
    const std::string ten = "0.5\n0.5\n0.5\n0.5\n0.5\n0.5\n0.5\n0.5\n0.5\n0.5\n";
    const Outcome huge = ReadFrom(folder, FileText(ten + "99999999999999999999\n1\n"));
    EXPECT_EQ(huge.count, 10);
    EXPECT_EQ(huge.values.force, 0.5);
    EXPECT_EQ(huge.values.cueBall, -7);
    EXPECT_EQ(huge.values.aimOriginX, -7);
    EXPECT_EQ(ReadFrom(folder, FileText(ten + "2147483648\n")).values.cueBall, -7);
}
