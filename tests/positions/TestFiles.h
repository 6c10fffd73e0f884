// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Files, folders and tool runs of the tests without a window, and the headers they share.

#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "positions/DemoFile.h"
#include "positions/PositionFile.h"

inline void WriteText(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct ToolRun { int status = -1; std::string out, err; };

// A fresh folder under /tmp, removed with everything in it at the end of the test.
class TempFolder
{
public:
    TempFolder()
    {
        char name[] = "/tmp/mirobelt-positions-XXXXXX";
        m_path = mkdtemp(name) ? name : "";
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

    // Runs tool with this folder as its working folder; input (optional) is a
    // shell command whose output is piped into the tool.
    ToolRun Run(const char* tool, const std::vector<std::string>& args, const std::string& input = "") const
    {
        std::string command = "cd '" + m_path + "' && " + (input.empty() ? "" : input + " | ") + "'" + tool + "'";
        for (const std::string& a : args)
            command += " '" + a + "'";
        const std::string out = m_path + "/.out", err = m_path + "/.err";
        const int status = std::system((command + " >'" + out + "' 2>'" + err + "'").c_str());
        ToolRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(out), ReadText(err)};
        std::filesystem::remove(out), std::filesystem::remove(err);
        return run;
    }

private:
    std::string m_path;
};
