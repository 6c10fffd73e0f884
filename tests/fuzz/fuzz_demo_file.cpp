// Demonstration sequences of any content: reading must not crash, the count
// must stay within the list, the spare slot must never be written, and the
// list read, written out, must read back to the same text.

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

    const std::string text = FormatDemoSequence(entries, count);
    static PositionEntry again[kPositionListSlots];
    int againCount = kUnsetCount;
    const std::string& path = FuzzInputFile(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    FUZZ_CHECK(ReadDemoSequence(path, again, againCount) && againCount == count);
    FUZZ_CHECK(FormatDemoSequence(again, againCount) == text);
    return 0;
}
