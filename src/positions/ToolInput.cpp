#include "positions/ToolInput.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "sim/TableGeometry.h"

namespace
{
// A position file is a few hundred bytes.
constexpr std::uintmax_t kLargestPositionFile = 1 << 20;
constexpr int kFullTable = 2;

PositionValues FreshWindowValues()
{
    PositionValues v;
    v.whiteX = 0.1;
    v.whiteY = 0.3;
    v.redX = 0.2;
    v.redY = 0.3;
    v.spottedX = 0.4;
    v.spottedY = 0.5;
    v.force = 0.5;
    v.cueBall = 1;
    v.strikeMode = 50;
    v.tableFormat = kFullTable;
    return v;
}

int TableFormatOf(const PositionValues& values, int valuesRead)
{
    const double f = values.tableFormat;
    if (valuesRead < kPositionValueLines || !(f >= 0 && f < kTableFormatCount) || f != std::floor(f))
        return kFullTable;
    return static_cast<int>(f);
}
}  // namespace

bool ReadToolPosition(const std::string& path, PositionValues& values, int& valuesRead, std::string& message)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
    {
        message = path + " is a folder";
        return false;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > kLargestPositionFile)
    {
        message = path + " is too large for a position file";
        return false;
    }
    values = FreshWindowValues();
    switch (ReadPositionFile(path, values, &valuesRead))
    {
    case PositionReadResult::CannotOpen:
        message = "cannot open " + path + ": " + std::strerror(errno);
        return false;
    case PositionReadResult::RejectedHeader:
        message = path + " is not a position file (wrong header)";
        return false;
    case PositionReadResult::Read:
        break;
    }
    values.tableFormat = TableFormatOf(values, valuesRead);
    return true;
}
