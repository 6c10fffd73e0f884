#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <string>

#include "positions/PositionFile.h"

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

bool WriteAndClose(int fd, const std::string& text)
{
    std::FILE* file = fdopen(fd, "w");
    if (!file)
    {
        close(fd);
        return false;
    }
    bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    ok = std::fflush(file) == 0 && ok;
    ok = fsync(fileno(file)) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    return ok;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::string& text)
{
    if (path.empty())
        return false;
    std::string tempPath;
    const int fd = CreateTemporaryFile(path, tempPath);
    if (fd < 0)
        return false;

    // A file that is replaced keeps its permissions.
    struct stat old;
    if (stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        fchmod(fd, old.st_mode & 07777);

    if (!WriteAndClose(fd, text) || std::rename(tempPath.c_str(), path.c_str()) != 0)
    {
        std::remove(tempPath.c_str());
        return false;
    }

    const int folder = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0)
    {
        fsync(folder);
        close(folder);
    }
    return true;
}
