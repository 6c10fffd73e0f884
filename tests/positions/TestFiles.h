#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

// A fresh folder under /tmp, removed with everything in it at the end of the test.
class TempFolder
{
public:
    TempFolder()
    {
        char name[] = "/tmp/mirobelt-positions-XXXXXX";
        if (mkdtemp(name))
            m_path = name;
    }
    ~TempFolder()
    {
        std::error_code ignored;
        if (!m_path.empty())
            std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string operator/(const std::string& name) const { return m_path + "/" + name; }

    // Names of the files in the folder, sorted, each followed by ';'.
    std::string Listing() const
    {
        std::set<std::string> sorted;
        for (const auto& entry : std::filesystem::directory_iterator(m_path))
            sorted.insert(entry.path().filename().string() + ";");
        std::string names;
        for (const auto& name : sorted)
            names += name;
        return names;
    }

private:
    std::string m_path;
};

inline void WriteText(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
