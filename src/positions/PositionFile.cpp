// SPDX-License-Identifier: GPL-3.0-or-later
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
    PositionReadResult result = PositionReadResult::CannotOpen;
    std::FILE* file = OpenTextFile(path, kPositionFileMaxBytes, result);
    if (!file)
        return result;

    TextScanner scanner(file, kPositionFileMaxBytes);
    char header[64];
    const bool headerFound = scanner.ReadWord(header, sizeof header);
    result = ScannerLimitResult(scanner);
    if (result == PositionReadResult::Read && (!headerFound || (header[0] != 'B' && header[0] != 'i')))
        result = PositionReadResult::RejectedHeader;
    if (result != PositionReadResult::Read)
    {
        std::fclose(file);
        return result;
    }
    // The quick-save header holds a blank: the whole first line is the header.
    scanner.SkipRestOfLine();

    PositionValues read = values;
    int count = 0;
    for (; count < kPositionValueLines; ++count)
    {
        const bool converted = count == kCueBallLine ? ReadCueBall(scanner, read.cueBall)
                                                     : scanner.ReadDouble(read.*kValueSlots[count]);
        if (!converted)
            break;
    }
    std::fclose(file);
    result = ScannerLimitResult(scanner);
    if (result != PositionReadResult::Read)
        return result;
    values = read;
    if (valuesRead)
        *valuesRead = count;
    return result;
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
