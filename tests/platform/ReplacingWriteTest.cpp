// What the one function that replaces files may replace, and what it leaves in the folder.
#include "platform/Files.h"
#include "platform/Profile.h"
#include "support/TempFolder.h"

#include <cerrno>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <string>
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
