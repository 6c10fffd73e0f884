#include "positions/DemoFile.h"

#include <cstdio>

#include "positions/TextScanner.h"

namespace
{

bool IsDemoHeader(const char* word) { return word[0] == 'S' || (word[0] != '\0' && word[1] == 'e'); }

}  // namespace

bool ReadDemoSequence(const std::string& path, PositionEntry* entries, int& count)
{
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (!file)
        return false;

    TextScanner scanner(file);
    char header[64];
    if (!scanner.ReadWord(header, sizeof header) || !IsDemoHeader(header))
    {
        std::fclose(file);
        return false;
    }

    long long announced = 0;
    if (scanner.ReadInteger(announced))
    {
        // The list keeps at most kPositionListMaxCount entries; the entries
        // announced beyond them are not read.
        if (announced < 0)
            announced = 0;
        else if (announced > kPositionListMaxCount)
            announced = kPositionListMaxCount;
        count = static_cast<int>(announced);

        bool reading = true;
        for (int e = 0; reading && e < count; ++e)
            for (int i = 0; reading && i < kPositionValueCount; ++i)
                reading = scanner.ReadFloat(entries[e].v[i]);
    }
    std::fclose(file);
    return true;
}
