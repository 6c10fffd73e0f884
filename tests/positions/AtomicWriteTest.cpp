// SPDX-License-Identifier: GPL-3.0-or-later
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TestFiles.h"

namespace
{

const std::string kOldText = "Billard_KVO_le_3_aout_99\nthe old file\n";

// WriteFileAtomically in a child process, either with files that may not grow
// past 100 bytes (a failure of the writing itself, for any user, root included)
// or as the user "nobody" (uid and gid 65534: only root may become it).
bool WriteInChild(const std::string& path, const std::string& text, bool asNobody = false)
{
    if (asNobody && geteuid() != 0)
        return false;
    const pid_t child = fork();
    if (child == 0)
    {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit small{100, 100};
        if (asNobody ? setgid(65534) != 0 || setuid(65534) != 0 : setrlimit(RLIMIT_FSIZE, &small) != 0)
            _exit(2);
        _exit(WriteFileAtomically(path, text) ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

mode_t ModeOf(const std::string& path, bool followLink = true)
{
    struct stat info{};
    return (followLink ? stat(path.c_str(), &info) : lstat(path.c_str(), &info)) == 0 ? info.st_mode : 0;
}

}  // namespace

TEST(AtomicWrite, FailureLeavesTheOldFileAndNoTemporaryFile)
{
    TempFolder folder;
    const std::string path = folder / "pos.bi1";
    WriteText(path, kOldText);
    ASSERT_EQ(chmod(path.c_str(), 0604), 0);
    EXPECT_FALSE(WriteInChild(path, std::string(4096, 'x')));
    EXPECT_EQ(ReadText(path) + folder.Listing(), kOldText + "pos.bi1;");

    // A write that fits replaces the file and keeps its permissions.
    EXPECT_TRUE(WriteInChild(path, "short\n"));
    EXPECT_EQ(std::tuple(ReadText(path), folder.Listing(), ModeOf(path) & 07777),
              std::tuple("short\n", "pos.bi1;", 0604u));

    // A parent that is a plain file, a missing folder, no name at all.
    EXPECT_FALSE(WriteFileAtomically(path + "/pos.bi1", "text"));
    EXPECT_FALSE(WritePositionFile(folder / "no/folder/pos.bi1", kSaveAsHeader, PositionValues{}));
    EXPECT_FALSE(WriteFileAtomically("", "text"));
}

// (Read-only files, folders and /dev/null as targets: see the tool's tests.)
TEST(AtomicWrite, OtherUsersFilesLinksAndDevices)
{
    TempFolder folder;
    std::filesystem::create_directories(folder / "shared/real");
    WriteText(folder / "shared/real/pos.bi1", kOldText);
    ASSERT_EQ(chmod((folder / "shared/real/pos.bi1").c_str(), 0640), 0);
    ASSERT_EQ(symlink("shared/real/pos.bi1", (folder / "link.bi1").c_str()), 0);
    ASSERT_EQ(symlink("shared/real/new.bi1", (folder / "dangling.bi1").c_str()), 0);

    // Another user's file in a folder anyone may write: refused to a user who may not write it.
    if (geteuid() == 0)
    {
        ASSERT_EQ(chmod((folder / ".").c_str(), 0711), 0);
        ASSERT_EQ(chmod((folder / "shared").c_str(), 0777), 0);
        WriteText(folder / "shared/theirs.bi1", kOldText);
        EXPECT_FALSE(WriteInChild(folder / "shared/theirs.bi1", "text", true));
        EXPECT_EQ(ReadText(folder / "shared/theirs.bi1"), kOldText);
        EXPECT_TRUE(WriteInChild(folder / "shared/new.bi1", "text", true));
    }

    // Links stay links; the files they name are replaced, or made, in their own folder.
    EXPECT_TRUE(WriteFileAtomically(folder / "link.bi1", "through the link\n"));
    EXPECT_TRUE(WriteFileAtomically(folder / "dangling.bi1", "made\n"));
    EXPECT_TRUE(S_ISLNK(ModeOf(folder / "link.bi1", false)));
    EXPECT_TRUE(S_ISLNK(ModeOf(folder / "dangling.bi1", false)));
    EXPECT_EQ(ReadText(folder / "shared/real/pos.bi1"), "through the link\n");
    EXPECT_EQ(ModeOf(folder / "shared/real/pos.bi1") & 07777, 0640u);
    EXPECT_EQ(ReadText(folder / "shared/real/new.bi1"), "made\n");
    EXPECT_EQ(folder.Listing(), "dangling.bi1;link.bi1;shared;");

    // A device is written to, not replaced.
    std::string reason;
    EXPECT_FALSE(WriteFileAtomically("/dev/full", "text", &reason));
    EXPECT_EQ(reason, "No space left on device");
    EXPECT_TRUE(S_ISCHR(ModeOf("/dev/full")));
}
