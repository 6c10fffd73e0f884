#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TestFiles.h"
#include "positions/PositionFile.h"

namespace
{

const std::string kOldText = "Billard_KVO_le_3_aout_99\nthe old file\n";

// WriteFileAtomically in a child process whose files may not grow past 100
// bytes: a failure of the writing itself, for any user, root included.
bool WriteWithSmallFileLimit(const std::string& path, const std::string& text)
{
    const pid_t child = fork();
    if (child == 0)
    {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit small{100, 100};
        setrlimit(RLIMIT_FSIZE, &small);
        _exit(WriteFileAtomically(path, text) ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

TEST(AtomicWrite, FailureLeavesTheOldFileAndNoTemporaryFile)
{
    TempFolder folder;
    const std::string path = folder / "pos.bi1";
    WriteText(path, kOldText);
    ASSERT_EQ(chmod(path.c_str(), 0604), 0);
    EXPECT_FALSE(WriteWithSmallFileLimit(path, std::string(4096, 'x')));
    EXPECT_EQ(ReadText(path), kOldText);
    EXPECT_EQ(folder.Listing(), "pos.bi1;");

    // A write that fits replaces the file and keeps its permissions.
    EXPECT_TRUE(WriteWithSmallFileLimit(path, "short\n"));
    EXPECT_EQ(ReadText(path), "short\n");
    EXPECT_EQ(folder.Listing(), "pos.bi1;");
    struct stat info;
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0604u);

    // A parent that is a plain file, a missing folder, no name at all.
    EXPECT_FALSE(WriteFileAtomically(path + "/pos.bi1", "text"));
    EXPECT_FALSE(WritePositionFile(folder / "no/folder/pos.bi1", kSaveAsHeader, PositionValues{}));
    EXPECT_FALSE(WriteFileAtomically("", "text"));

    // A folder in the way: the final rename fails and the temporary file goes.
    const std::string busy = folder / "busy";
    std::filesystem::create_directory(busy);
    WriteText(busy + "/inside", "kept");
    EXPECT_FALSE(WriteFileAtomically(busy, "text"));
    EXPECT_EQ(ReadText(busy + "/inside"), "kept");
    EXPECT_EQ(folder.Listing(), "busy;pos.bi1;");
}
