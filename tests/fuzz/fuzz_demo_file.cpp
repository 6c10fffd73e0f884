// SPDX-License-Identifier: GPL-3.0-or-later
// Demonstration sequences of any content: reading must not crash, the count
// must stay within the list, no entry past the count (the spare slot among
// them) may be written, and the list read, written out, must read back to the
// same text.

#include <algorithm>
#include <cstring>

#include "FuzzInput.h"
#include "positions/DemoFile.h"

namespace
{
constexpr int kUnsetCount = -5;
constexpr unsigned char kSentinelByte = 0xA5;
PositionEntry entries[kPositionListSlots];

bool UntouchedFrom(int first)
{
    const auto* begin = reinterpret_cast<const unsigned char*>(entries + first);
    const auto* end = reinterpret_cast<const unsigned char*>(entries + kPositionListSlots);
    return std::all_of(begin, end, [](unsigned char byte) { return byte == kSentinelByte; });
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::memset(entries, kSentinelByte, sizeof entries);
    int count = kUnsetCount;
    if (!ReadDemoSequence(FuzzInputFile(data, size), entries, count) || count == kUnsetCount)
    {
        FUZZ_CHECK(UntouchedFrom(0));  // refused, or no number of positions: nothing was read
        return 0;
    }
    FUZZ_CHECK(count >= 0 && count <= kPositionListMaxCount && UntouchedFrom(count));

    const std::string text = FormatDemoSequence(entries, count);
    static PositionEntry again[kPositionListSlots];
    int againCount = kUnsetCount;
    const std::string& path = FuzzInputFile(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    FUZZ_CHECK(ReadDemoSequence(path, again, againCount) && againCount == count);
    FUZZ_CHECK(FormatDemoSequence(again, againCount) == text);
    return 0;
}
