// SPDX-License-Identifier: GPL-3.0-or-later
#include "positions/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "positions/TextScanner.h"

std::FILE* OpenTextFile(const std::string& path, std::size_t maxBytes, FileReadResult& result)
{
    result = FileReadResult::CannotOpen;
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat info;
    if (fstat(fd, &info) != 0)
    {
        const int error = errno;
        close(fd);
        errno = error;
        return nullptr;
    }
    if (S_ISDIR(info.st_mode))
        result = FileReadResult::IsFolder;
    else if (!S_ISREG(info.st_mode) && !S_ISFIFO(info.st_mode))
        result = FileReadResult::IsDevice;
    else if (S_ISREG(info.st_mode) && static_cast<std::size_t>(info.st_size) > maxBytes)
        result = FileReadResult::TooLarge;
    if (result != FileReadResult::CannotOpen)
    {
        close(fd);
        return nullptr;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::FILE* file = fdopen(fd, "r");
    if (!file)
    {
        const int error = errno;
        close(fd);
        errno = error;
        return nullptr;
    }
    result = FileReadResult::Read;
    return file;
}

FileReadResult ScannerLimitResult(const TextScanner& scanner)
{
    if (scanner.WordTooLong())
        return FileReadResult::WordTooLong;
    return scanner.TooLarge() ? FileReadResult::TooLarge : FileReadResult::Read;
}
