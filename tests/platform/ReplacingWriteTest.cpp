// What the one function that replaces files may replace, and what it leaves in the folder.
#include "platform/Files.h"
#include "support/FolderListing.h"
#include "support/TempFolder.h"

#include <cerrno>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using platform::WriteFileReplacing;

namespace {

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

// Root may write any file, so the write is made as nobody: the error number it failed with, or 0.
int ErrorOfWriteAsNobody(const std::function<bool()>& write)
{
    if (::setegid(kNoGroup) != 0 || ::seteuid(kNobody) != 0)
        return -1;
    errno = 0;
    const int error = write() ? 0 : errno;
    return ::seteuid(0) == 0 && ::setegid(0) == 0 ? error : -1;
}

} // namespace

// A rename needs only the folder's permission: in a folder the user's group may write, another
// user's file is refused with the system's reason and stays whole; one the group may write is
// replaced.
TEST(ReplacingWrite, AFileTheUserCannotWriteInPlaceIsNotReplaced)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give files to another user";
    TempFolder folder;
    const std::string shared = folder.File("shared"), file = folder.File("shared/design.ini");
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0755), 0);
    fs::create_directory(shared);
    ASSERT_EQ(::chown(shared.c_str(), 0, kNoGroup), 0);
    ASSERT_EQ(::chmod(shared.c_str(), 0775), 0);
    const struct { gid_t group; mode_t mode; int error; } cases[] = {{0, 0644, EACCES}, {kNoGroup, 0664, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        folder.Write("shared/design.ini", "old");
        ASSERT_EQ(::chown(file.c_str(), 0, c.group), 0);
        ASSERT_EQ(::chmod(file.c_str(), c.mode), 0);
        EXPECT_EQ(ErrorOfWriteAsNobody([&] { return WriteFileReplacing(file, "new"); }), c.error);
        EXPECT_EQ(folder.Read("shared/design.ini"), c.error ? "old" : "new");
        EXPECT_EQ(Listing(shared).size(), 1u);
    }
}

// The next replace of any file in a folder removes the new files killed saves left there, and only
// those: a link (and what it leads to), a folder, another user's file and names near the naming
// stay. A live save's new file stays too (ReplacingWriteSync).
TEST(ReplacingWrite, TheNextReplaceRemovesAKilledSavesNewFileAndNothingElse)
{
    TempFolder folder;
    folder.Write(".killed.ini.rvnew-Ab12Cd", "part");
    folder.Write("kept.txt", "kept");
    fs::create_symlink("kept.txt", folder.File(".link.ini.rvnew-Ab12Cd"));
    fs::create_directory(folder.File(".folder.ini.rvnew-Ab12Cd"));
    for (const char* near : {"near.ini.rvnew-Ab12Cd", ".near.ini.rvnew-Ab12C", ".near.ini.rvnew-Ab12Cd~",
                             ".near.ini.rvnew-Ab_2Cd", ".near.ini.rvnew_Ab12Cd", ".rvnew-Ab12Cd"})
        folder.Write(near, "the user's");
    if (::geteuid() == 0) {   // only root can give a file away
        folder.Write(".theirs.ini.rvnew-Ab12Cd", "another user's");
        ASSERT_EQ(::chown(folder.File(".theirs.ini.rvnew-Ab12Cd").c_str(), kNobody, kNoGroup), 0);
    }
    std::set<std::string> expected = Listing(folder.Path());
    expected.erase(".killed.ini.rvnew-Ab12Cd");
    expected.insert("design.ini");

    ASSERT_TRUE(WriteFileReplacing(folder.File("design.ini"), "new"));
    EXPECT_EQ(Listing(folder.Path()), expected);
}
