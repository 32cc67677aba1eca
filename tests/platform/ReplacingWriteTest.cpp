// What the one function that replaces files may replace, and what it leaves in the folder.
#include "platform/Files.h"
#include "platform/Profile.h"
#include "support/TempFolder.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <string>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace platform;

namespace {

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

// Root may write any file, so what a user may replace is seen in a child that has become nobody:
// the error number the write failed with there, 0 when it succeeded.
int ErrorOfWriteAsNobody(const std::function<bool()>& write)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNoGroup) != 0 || ::setuid(kNobody) != 0)
            ::_exit(255);
        errno = 0;
        ::_exit(write() ? 0 : errno);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

uid_t OwnerOf(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_uid : static_cast<uid_t>(-1);
}

std::set<std::string> Listing(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

} // namespace

// In a folder the user's group may write, a file the user may not write in place is refused with
// the system's reason and stays whole and its owner's; what they may write is replaced.
TEST(ReplacingWrite, AFileTheUserCannotWriteInPlaceIsNotReplaced)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give files to another user";
    TempFolder folder;
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0755), 0);
    fs::create_directory(folder.File("shared"));
    ASSERT_EQ(::chown(folder.File("shared").c_str(), 0, kNoGroup), 0);
    ASSERT_EQ(::chmod(folder.File("shared").c_str(), 0775), 0);
    struct Case {
        const char* name;
        uid_t owner;
        gid_t group;
        mode_t mode;
        int error;   // 0: replaced
    };
    const Case cases[] = {
        {"another user's design", 0, 0, 0644, EACCES},
        {"a design the group may write", 0, kNoGroup, 0664, 0},
        {"the user's design", kNobody, kNoGroup, 0644, 0},
        {"the user's read-only design", kNobody, kNoGroup, 0444, EACCES},
    };
    const std::function<bool(const std::string&)> writers[] = {
        [](const std::string& file) { return WriteFileReplacing(file, "[Main]\r\nTitle=new\r\n"); },
        [](const std::string& file) { return WritePrivateProfileString("Main", "Title", "new", file); },
    };
    for (const auto& writer : writers) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            const std::string file = folder.File("shared/design.ini");
            folder.Write("shared/design.ini", "[Main]\r\nTitle=old\r\n");
            ASSERT_EQ(::chown(file.c_str(), c.owner, c.group), 0);
            ASSERT_EQ(::chmod(file.c_str(), c.mode), 0);
            EXPECT_EQ(ErrorOfWriteAsNobody([&] { return writer(file); }), c.error);
            EXPECT_EQ(GetPrivateProfileString("Main", "Title", "", 1024, file), c.error ? "old" : "new");
            EXPECT_EQ(OwnerOf(file), c.error ? c.owner : kNobody);
            EXPECT_EQ(std::distance(fs::directory_iterator(folder.File("shared")), {}), 1);
            fs::remove(file);
        }
    }
}

// A save killed while it writes its new file leaves that file, under the program's naming, and the
// design whole; the next replace of any file in that folder removes it.
TEST(ReplacingWrite, AKilledSavesNewFileIsRemovedByTheNextReplaceInItsFolder)
{
    TempFolder folder;
    folder.Write("design.ini", "old");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Past 16 KiB the system ends the process in the middle of the write, with no core.
        const rlimit noCore{0, 0}, limit{16384, 16384};
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_DFL);
        WriteFileReplacing(folder.File("design.ini"), std::string(65536, 'x'));
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ);
    EXPECT_EQ(folder.Read("design.ini"), "old");
    const std::set<std::string> left = Listing(folder.Path());
    ASSERT_EQ(left.size(), 2u);
    EXPECT_TRUE(std::regex_match(*left.begin(), std::regex("\\.design\\.ini\\.rvnew-[A-Za-z0-9]{6}"))) << *left.begin();

    ASSERT_TRUE(WriteFileReplacing(folder.File("motto.txt"), "line"));
    EXPECT_EQ(Listing(folder.Path()), (std::set<std::string>{"design.ini", "motto.txt"}));
}

// Only a regular file of the naming that is the user's and that no save holds is a killed save's:
// a held one, a link (and what it leads to), a folder, another user's file and names that are near
// but not the same stay.
TEST(ReplacingWrite, WhatIsNoKilledSavesNewFileStays)
{
    TempFolder folder;
    folder.Write(".killed.ini.rvnew-Ab12Cd", "part");
    folder.Write("kept.txt", "kept");
    folder.Write(".live.ini.rvnew-Ab12Cd", "being written");
    const int live = ::open(folder.File(".live.ini.rvnew-Ab12Cd").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(live, LOCK_EX), 0);
    fs::create_symlink("kept.txt", folder.File(".link.ini.rvnew-Ab12Cd"));
    fs::create_directory(folder.File(".folder.ini.rvnew-Ab12Cd"));
    for (const char* near : {"near.ini.rvnew-Ab12Cd", ".near.ini.rvnew-Ab12C", ".near.ini.rvnew-Ab12Cd~",
                             ".near.ini.rvnew-Ab_2Cd", ".near.ini.rvnew_Ab12Cd", ".rvnew-Ab12Cd"})
        folder.Write(near, "the user's");
    if (::geteuid() == 0) {
        folder.Write(".theirs.ini.rvnew-Ab12Cd", "another user's");
        ASSERT_EQ(::chown(folder.File(".theirs.ini.rvnew-Ab12Cd").c_str(), kNobody, kNoGroup), 0);
    } else {
        std::printf("A file of another user's is not tried: only root can give one away here.\n");
    }
    std::set<std::string> expected = Listing(folder.Path());
    expected.erase(".killed.ini.rvnew-Ab12Cd");
    expected.insert("design.ini");

    ASSERT_TRUE(WriteFileReplacing(folder.File("design.ini"), "new"));
    EXPECT_EQ(Listing(folder.Path()), expected);
    EXPECT_EQ(folder.Read("kept.txt"), "kept");
    EXPECT_EQ(folder.Read(".live.ini.rvnew-Ab12Cd"), "being written");
    ::close(live);
}
