#include "positions/PositionFile.h"

#include <climits>
#include <cstdio>

#include "positions/NumberFormat.h"
#include "positions/TextScanner.h"

namespace
{

// The values of lines 2 to 18 in file order. Index 10 (line 12), the cue
// ball, is the one integer and has no double slot here.
constexpr int kCueBallLine = 10;

using P = PositionValues;
constexpr double P::*kValueSlots[kPositionValueLines] = {
    &P::redX,         &P::redY,       &P::whiteX,     &P::whiteY,     &P::spottedX,   &P::spottedY,
    &P::strikeHeight, &P::strikeSide, &P::raiseAngle, &P::force,      nullptr,
    &P::aimOriginX,   &P::aimTargetX, &P::aimOriginY, &P::aimTargetY, &P::strikeMode, &P::tableFormat,
};

bool ReadCueBall(TextScanner& scanner, int& cueBall)
{
    long long value = 0;
    if (!scanner.ReadInteger(value) || value < INT_MIN || value > INT_MAX)
        return false;
    cueBall = static_cast<int>(value);
    return true;
}

}  // namespace

PositionReadResult ReadPositionFile(const std::string& path, PositionValues& values, int* valuesRead)
{
    if (valuesRead)
        *valuesRead = 0;
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (!file)
        return PositionReadResult::CannotOpen;

    TextScanner scanner(file);
    char header[64];
    if (!scanner.ReadWord(header, sizeof header) || (header[0] != 'B' && header[0] != 'i'))
    {
        std::fclose(file);
        return PositionReadResult::RejectedHeader;
    }
    // The quick-save header holds a blank: the whole first line is the header.
    scanner.SkipRestOfLine();

    int count = 0;
    for (; count < kPositionValueLines; ++count)
    {
        const bool read = count == kCueBallLine ? ReadCueBall(scanner, values.cueBall)
                                                : scanner.ReadDouble(values.*kValueSlots[count]);
        if (!read)
            break;
    }
    std::fclose(file);
    if (valuesRead)
        *valuesRead = count;
    return PositionReadResult::Read;
}

std::string FormatPositionFile(const char* header, const PositionValues& values)
{
    std::string text = header ? header : "";
    text += '\n';
    for (int i = 0; i < kPositionValueLines; ++i)
    {
        if (i == kCueBallLine)
            AppendInteger(text, values.cueBall);
        else
            AppendFixed(text, values.*kValueSlots[i]);
        text += '\n';
    }
    return text;
}

bool WritePositionFile(const std::string& path, const char* header, const PositionValues& values)
{
    return WriteFileAtomically(path, FormatPositionFile(header, values));
}
