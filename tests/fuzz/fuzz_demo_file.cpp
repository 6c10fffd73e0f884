// Demonstration sequences of any content: reading must not crash, the count
// must stay within the list, and the spare slot must never be written.

#include <cstring>

#include "FuzzInput.h"
#include "positions/DemoFile.h"

namespace
{
constexpr int kUnsetCount = -5;
constexpr unsigned char kSentinelByte = 0xA5;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static PositionEntry entries[kPositionListSlots];
    std::memset(entries, kSentinelByte, sizeof entries);
    int count = kUnsetCount;

    const bool accepted = ReadDemoSequence(FuzzInputFile(data, size), entries, count);
    if (!accepted || count == kUnsetCount)
    {
        // Refused, or no number of positions: nothing was read.
        for (std::size_t i = 0; i < sizeof entries; ++i)
            FUZZ_CHECK(reinterpret_cast<const unsigned char*>(entries)[i] == kSentinelByte);
        return 0;
    }
    FUZZ_CHECK(count >= 0 && count <= kPositionListMaxCount);
    const unsigned char* spare = reinterpret_cast<const unsigned char*>(&entries[kPositionListMaxCount]);
    for (std::size_t i = 0; i < sizeof(PositionEntry); ++i)
        FUZZ_CHECK(spare[i] == kSentinelByte);
    // Entries past the count are never written either.
    const unsigned char* unused = reinterpret_cast<const unsigned char*>(&entries[count]);
    for (std::size_t i = 0; i < sizeof(PositionEntry) * (kPositionListSlots - count); ++i)
        FUZZ_CHECK(unused[i] == kSentinelByte);
    return 0;
}
