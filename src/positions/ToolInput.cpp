#include "positions/ToolInput.h"

#include <cerrno>
#include <cmath>
#include <cstring>

#include "positions/StartPosition.h"
#include "sim/TableGeometry.h"

bool ReadToolPosition(const std::string& path, PositionValues& values, int& valuesRead, std::string& message)
{
    values = kStartPosition;
    valuesRead = 0;
    switch (ReadPositionFile(path, values, &valuesRead))
    {
    case PositionReadResult::Read:
        return true;
    case PositionReadResult::CannotOpen:
        message = "cannot open " + path + ": " + std::strerror(errno);
        break;
    case PositionReadResult::IsFolder:
        message = path + " is a folder";
        break;
    case PositionReadResult::IsDevice:
        message = path + " is a device, not a position file";
        break;
    case PositionReadResult::TooLarge:
        message = path + " is too large for a position file (over 1 MiB)";
        break;
    case PositionReadResult::WordTooLong:
        message = path + " is not a position file (a word of over 4096 characters)";
        break;
    case PositionReadResult::RejectedHeader:
        message = path + " is not a position file (wrong header)";
        break;
    }
    return false;
}

int TableFormatOf(const PositionValues& values, int valuesRead)
{
    const double f = values.tableFormat;
    if (valuesRead < kPositionValueLines || !(f >= 0 && f < kTableFormatCount) || f != std::floor(f))
        return static_cast<int>(kStartPosition.tableFormat);
    return static_cast<int>(f);
}
