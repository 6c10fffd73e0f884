// SPDX-License-Identifier: GPL-3.0-or-later
#include "positions/DemoFile.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <vector>

#include "positions/AtomicWrite.h"
#include "positions/TextScanner.h"

namespace
{

bool IsDemoHeader(const char* word) { return word[0] == 'S' || (word[0] != '\0' && word[1] == 'e'); }

// Reads into copies, so that a file given up on part way changes nothing.
FileReadResult ReadSequence(TextScanner& scanner, PositionEntry* entries, int& count)
{
    char header[64];
    const bool headerFound = scanner.ReadWord(header, sizeof header);
    if (ScannerLimitResult(scanner) != FileReadResult::Read)
        return ScannerLimitResult(scanner);
    if (!headerFound || !IsDemoHeader(header))
        return FileReadResult::RejectedHeader;

    long long announced = 0;
    if (!scanner.ReadInteger(announced))
        return ScannerLimitResult(scanner);  // count and entries stay as they were

    // The list keeps at most kPositionListMaxCount entries; the entries
    // announced beyond them are not read.
    const int readCount = static_cast<int>(std::clamp<long long>(announced, 0, kPositionListMaxCount));
    std::vector<PositionEntry> read(entries, entries + readCount);
    bool reading = true;
    for (int e = 0; reading && e < readCount; ++e)
        for (int i = 0; reading && i < kPositionValueCount; ++i)
            reading = scanner.ReadFloat(read[e].v[i]);
    const FileReadResult result = ScannerLimitResult(scanner);
    if (result == FileReadResult::Read)
    {
        std::copy(read.begin(), read.end(), entries);
        count = readCount;
    }
    return result;
}

}  // namespace

bool ReadDemoSequence(const std::string& path, PositionEntry* entries, int& count, FileReadResult* result)
{
    FileReadResult found = FileReadResult::CannotOpen;
    std::FILE* file = OpenTextFile(path, kDemoFileMaxBytes, found);
    if (file)
    {
        TextScanner scanner(file, kDemoFileMaxBytes);
        found = ReadSequence(scanner, entries, count);
        std::fclose(file);
    }
    if (result)
        *result = found;
    return found == FileReadResult::Read;
}

std::string FormatDemoSequence(const PositionEntry* entries, int count)
{
    std::string text = "Sequence " + std::to_string(count) + "\n";
    char number[32];
    for (int e = 0; e < count; ++e)
        for (int i = 0; i < kPositionValueCount; ++i)
        {
            const std::to_chars_result end = std::to_chars(number, number + sizeof number, entries[e].v[i]);
            text.append(number, end.ptr);
            text += i + 1 < kPositionValueCount ? ' ' : '\n';
        }
    return text;
}

bool WriteDemoSequence(const std::string& path, const PositionEntry* entries, int count, std::string* reason)
{
    return WriteFileAtomically(path, FormatDemoSequence(entries, count), reason);
}
