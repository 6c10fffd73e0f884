// SPDX-License-Identifier: GPL-3.0-or-later
// Position files of any content: reading must not crash, and the text written
// from what was read must read back to the same text.

#include <cstring>

#include "FuzzInput.h"
#include "positions/PositionFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    PositionValues values;
    int count = -1;
    const PositionReadResult result = ReadPositionFile(FuzzInputFile(data, size), values, &count);
    FUZZ_CHECK(count >= 0 && count <= kPositionValueLines);
    if (result != PositionReadResult::Read)
    {
        // Refused as a whole: nothing counted as read. Files here are not folders or devices.
        FUZZ_CHECK(count == 0 && result != PositionReadResult::CannotOpen && result != PositionReadResult::IsFolder &&
                   result != PositionReadResult::IsDevice);
        return 0;
    }

    const std::string text = FormatPositionFile(kSaveAsHeader, values);
    PositionValues again;
    int againCount = -1;
    const std::string& path = FuzzInputFile(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    FUZZ_CHECK(ReadPositionFile(path, again, &againCount) == PositionReadResult::Read);
    FUZZ_CHECK(againCount == kPositionValueLines);
    FUZZ_CHECK(FormatPositionFile(kSaveAsHeader, again) == text);
    return 0;
}
