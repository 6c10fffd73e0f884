// SPDX-License-Identifier: GPL-3.0-or-later
#include "positions/AtomicWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

namespace
{

// Creates a new file next to path, under a name no other file has.
int CreateTemporaryFile(const std::string& path, std::string& tempPath)
{
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device seed;
    std::minstd_rand random(seed());
    std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof kLetters) - 2);
    for (int attempt = 0; attempt < 100; ++attempt)
    {
        tempPath = path + ".tmp";
        for (int i = 0; i < 6; ++i)
            tempPath += kLetters[pick(random)];
        // Mode 0666 as for any new file: the umask applies.
        const int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The folder of path, for making the new directory entry durable.
std::string FolderOf(const std::string& path)
{
    const std::string::size_type slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a save to path lands on: symbolic links followed, link by link, to
// the name they give, which need not exist yet. A loop of links stops after
// the system's limit of hops; the write then fails on the last name.
std::string FollowLinks(std::string path)
{
    namespace fs = std::filesystem;
    for (int hop = 0; hop < 40; ++hop)
    {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error)))
            break;
        const fs::path target = fs::read_symlink(path, error);
        if (error)
            break;
        path = target.is_absolute() ? target.string() : (fs::path(FolderOf(path)) / target).string();
    }
    return path;
}

// false with errno set when the text could not all be written.
bool WriteAll(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size())
    {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
        {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool Fail(std::string* reason, const std::string& why)
{
    if (reason)
        *reason = why;
    return false;
}

bool FailWithErrno(std::string* reason) { return Fail(reason, std::strerror(errno)); }

// A device or a pipe takes the text as a stream.
bool WriteStraight(const std::string& path, const std::string& text, std::string* reason)
{
    // Not blocking on a pipe nobody reads; the writes themselves block.
    const int fd = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return FailWithErrno(reason);
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    int error = WriteAll(fd, text) ? 0 : errno;
    if (close(fd) != 0 && error == 0)
        error = errno;
    errno = error;
    return error == 0 || FailWithErrno(reason);
}

bool ReplaceRegularFile(const std::string& path, const std::string& text, const struct stat* old,
                        std::string* reason)
{
    std::string tempPath;
    const int fd = CreateTemporaryFile(path, tempPath);
    if (fd < 0)
        return FailWithErrno(reason);

    // The replaced file keeps its permissions.
    if (old)
        fchmod(fd, old->st_mode & 07777);

    int error = WriteAll(fd, text) && fsync(fd) == 0 ? 0 : errno;
    if (close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && std::rename(tempPath.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0)
    {
        std::remove(tempPath.c_str());
        errno = error;
        return FailWithErrno(reason);
    }

    const int folder = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0)
    {
        fsync(folder);
        close(folder);
    }
    return true;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::string& text, std::string* reason)
{
    if (path.empty())
        return Fail(reason, "no file name");

    // What the name leads to, links followed (a link in /proc to a pipe too).
    struct stat info;
    if (stat(path.c_str(), &info) == 0)
    {
        if (S_ISDIR(info.st_mode))
            return Fail(reason, "is a folder");
        if (S_ISCHR(info.st_mode) || S_ISFIFO(info.st_mode))
            return WriteStraight(path, text, reason);
        if (!S_ISREG(info.st_mode))
            return Fail(reason, "is not a regular file");
        if (access(path.c_str(), W_OK) != 0 || (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            return Fail(reason, "is read-only");
        return ReplaceRegularFile(FollowLinks(path), text, &info, reason);
    }
    if (errno != ENOENT)
        return FailWithErrno(reason);
    // A new file, or the missing file a dangling link names.
    return ReplaceRegularFile(FollowLinks(path), text, nullptr, reason);
}
