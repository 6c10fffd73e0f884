// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

class TextScanner;

// What a reader of the program's text files made of a file.
enum class FileReadResult
{
    Read,
    CannotOpen,      // missing or not allowed; errno tells why
    IsFolder,
    IsDevice,        // a device (or socket), which holds no file of ours
    TooLarge,        // more characters than the reader takes
    WordTooLong,     // a run of non-blank characters no real file holds
    RejectedHeader,  // not the kind of file the reader wants
};

// Size limits of the readers, far above any real file: a larger file, or a
// device that never ends, is not read.
inline constexpr std::size_t kPositionFileMaxBytes = std::size_t{1} << 20;
inline constexpr std::size_t kDemoFileMaxBytes = std::size_t{4} << 20;

// Opens path for reading. nullptr when it cannot be opened (result
// CannotOpen, errno kept), is a folder (IsFolder), a device (IsDevice) or a
// regular file of more than maxBytes (TooLarge). A pipe is opened (without
// blocking when nobody writes to it); its reader keeps the size limit.
std::FILE* OpenTextFile(const std::string& path, std::size_t maxBytes, FileReadResult& result);

// After a read: TooLarge or WordTooLong when the scanner stopped on one of
// its limits, else Read.
FileReadResult ScannerLimitResult(const TextScanner& scanner);
