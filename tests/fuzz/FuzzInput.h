// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

// The readers under test take a file name: each input is written to one
// temporary file, the same for the whole run, removed at exit. It lives in
// memory (/dev/shm) where possible: rewriting a file on disk thousands of
// times a second makes the file system flush it each time.
inline const std::string& FuzzInputFile(const std::uint8_t* data, std::size_t size)
{
    static const std::string path = [] {
        std::string name = "/dev/shm/mirobelt-fuzz-XXXXXX";
        int fd = mkstemp(name.data());
        if (fd < 0)
        {
            name = "/tmp/mirobelt-fuzz-XXXXXX";
            fd = mkstemp(name.data());
        }
        if (fd < 0)
            abort();
        close(fd);
        static std::string kept = name;
        std::atexit([] { std::remove(kept.c_str()); });
        return kept;
    }();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0)
        abort();
    return path;
}

// A broken promise of the code under test: make it a crash the fuzzer reports.
#define FUZZ_CHECK(condition) ((condition) ? void(0) : __builtin_trap())
