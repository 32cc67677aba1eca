// What the one function that replaces files may replace, and what it leaves in the folder.
#include "platform/Files.h"
#include "support/FolderListing.h"
#include "support/OtherUser.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <csignal>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using platform::WriteFileReplacing;

// A rename needs only the folder's permission: in a folder the user's group may write, another
// user's file is refused with the system's reason and stays whole; one the group may write is
// replaced.
TEST(ReplacingWrite, AFileTheUserCannotWriteInPlaceIsNotReplaced)
{
    if (!CanActAsAnotherUser())
        GTEST_SKIP() << "only root can give files to another user";
    TempFolder folder;
    const std::string shared = folder.File("shared"), file = folder.File("shared/design.ini");
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0755), 0);
    fs::create_directory(shared);
    ASSERT_EQ(::chown(shared.c_str(), 0, kOtherGroup), 0);
    ASSERT_EQ(::chmod(shared.c_str(), 0775), 0);
    const struct { gid_t group; mode_t mode; int error; } cases[] = {{0, 0644, EACCES}, {kOtherGroup, 0664, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        folder.Write("shared/design.ini", "old");
        ASSERT_EQ(::chown(file.c_str(), 0, c.group), 0);
        ASSERT_EQ(::chmod(file.c_str(), c.mode), 0);
        EXPECT_EQ(AsOtherUser([&] { return WriteFileReplacing(file, "new"); }), c.error);
        EXPECT_EQ(folder.Read("shared/design.ini"), c.error ? "old" : "new");
        EXPECT_EQ(Listing(shared).size(), 1u);
    }
}

namespace {

// A save whose process the system ends (its file size limit) while it writes its new file.
void KilledSave(const std::string& path)
{
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit noCore {0, 0}, fourBytes {4, 4};
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::setrlimit(RLIMIT_FSIZE, &fourBytes);
        ::signal(SIGXFSZ, SIG_DFL);
        WriteFileReplacing(path, "part of a design");
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << status;
}

} // namespace

// The next replace of any file in a folder removes the new files killed saves left there, and only
// those: a file of the same naming that no save made (renamed in), a link (and what it leads to),
// a folder, another user's file and names near the naming stay. A live save's new file stays too
// (ReplacingWriteSync).
TEST(ReplacingWrite, TheNextReplaceRemovesAKilledSavesNewFileAndNothingElse)
{
    TempFolder folder;
    folder.Write("kept.txt", "kept");
    folder.Write(".renamed.ini.rvnew-Ab12Cd", "the user's");
    fs::create_symlink("kept.txt", folder.File(".link.ini.rvnew-Ab12Cd"));
    fs::create_directory(folder.File(".folder.ini.rvnew-Ab12Cd"));
    for (const char* near : {"near.ini.rvnew-Ab12Cd", ".near.ini.rvnew-Ab12C", ".near.ini.rvnew-Ab12Cd~",
                             ".near.ini.rvnew-Ab_2Cd", ".near.ini.rvnew_Ab12Cd", ".rvnew-Ab12Cd"})
        folder.Write(near, "the user's");
    if (CanActAsAnotherUser()) {
        folder.Write(".theirs.ini.rvnew-Ab12Cd", "another user's");
        ASSERT_EQ(::chown(folder.File(".theirs.ini.rvnew-Ab12Cd").c_str(), kOtherUser, kOtherGroup), 0);
    }
    std::set<std::string> expected = Listing(folder.Path());
    expected.insert("design.ini");
    KilledSave(folder.File("design.ini"));
    const auto left = Listing(folder.Path());
    ASSERT_EQ(std::count_if(left.begin(), left.end(), [](const std::string& name) { return name.starts_with(".design.ini.rvnew-"); }), 1);

    ASSERT_TRUE(WriteFileReplacing(folder.File("design.ini"), "new"));
    EXPECT_EQ(Listing(folder.Path()), expected);
}
