// Removing through a held folder reaches what it held and nothing a link points at.
#include "platform/HeldFolder.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

namespace fs = std::filesystem;
using platform::HeldFolder;

namespace {

bool Present(const std::string& path)
{
    return fs::exists(fs::symlink_status(path));
}

} // namespace

// The folder and the one above it are renamed, and a folder of the old name takes their place:
// the held folder is removed where it went, the newcomer stays.
TEST(HeldFolder, AMovedFolderIsRemovedWhereItWent)
{
    TempFolder folder;
    fs::create_directory(folder.File("out"));
    const HeldFolder out = HeldFolder::Open(folder.File("out"));
    const HeldFolder run = out.MakeFolder("run");
    ASSERT_TRUE(run.IsOpen());
    folder.Write("out/run/made.txt", "made");
    fs::rename(folder.File("out"), folder.File("moved"));
    fs::rename(folder.File("moved/run"), folder.File("moved/renamed"));
    fs::create_directories(folder.File("out/run"));

    EXPECT_TRUE(run.Remove());
    EXPECT_TRUE(fs::is_empty(folder.File("moved")));
    EXPECT_TRUE(fs::is_directory(folder.File("out/run")));
    EXPECT_FALSE(run.Remove());
}

// Tree removal, links below and in place included, is tested through DeleteFolder (docx).
TEST(HeldFolder, NamesAreOneFreeEntryAndOnlyLinksGoAsLinks)
{
    TempFolder folder;
    folder.Write("file", "");
    fs::create_directories(folder.File("folder/sub"));
    fs::create_symlink("gone", folder.File("dangling"));
    const HeldFolder held = HeldFolder::Open(folder.Path());
    for (const char* taken : {"file", "folder", "dangling", "folder/new"})
        EXPECT_FALSE(held.MakeFolder(taken).IsOpen()) << taken;
    for (const char* notOneEntry : {"folder/sub", "..", "."})
        EXPECT_FALSE(held.RemoveEntry(notOneEntry)) << notOneEntry;
    for (const char* notALink : {"file", "folder", "missing"})
        EXPECT_FALSE(held.RemoveLink(notALink)) << notALink;
    EXPECT_TRUE(held.RemoveLink("dangling"));
    EXPECT_TRUE(Present(folder.File("file")) && Present(folder.File("folder/sub")));
    EXPECT_FALSE(Present(folder.File("dangling")) || Present(folder.File("gone")));
}

// A file is made only new: nothing that holds the name, a link to a file of the user's included,
// is opened; the file made moves out only to a free name.
TEST(HeldFolder, FilesAreMadeNewAndMoveOutOnlyToAFreeName)
{
    TempFolder folder;
    folder.Write("kept", "the user's");
    fs::create_symlink(folder.File("kept"), folder.File("link"));
    fs::create_directory(folder.File("folder"));
    const HeldFolder held = HeldFolder::Open(folder.Path());
    for (const char* taken : {"kept", "link", "folder", "../kept", "sub/new"}) {
        const platform::FileHandle handle = held.MakeFile(taken);
        EXPECT_EQ(handle, platform::kInvalidFileHandle) << taken;
        platform::CloseFileHandle(handle);
    }
    EXPECT_EQ(folder.Read("kept"), "the user's");

    const platform::FileHandle made = held.MakeFile("made");
    ASSERT_NE(made, platform::kInvalidFileHandle);
    EXPECT_EQ(platform::WriteFileHandle(made, "new", 3), 3u);
    platform::CloseFileHandle(made);
    EXPECT_EQ(held.MoveEntry("made", held, "kept"), platform::RenameResult::Taken);
    EXPECT_EQ(held.MoveEntry("made", HeldFolder::Open(folder.File("folder")), "moved"), platform::RenameResult::Done);
    EXPECT_EQ(folder.Read("folder/moved"), "new");
    EXPECT_EQ(folder.Read("kept"), "the user's");
}

// The in-use mark belongs to the holder, not to the process: a second holder in the same process
// is refused while the first lives, and takes it once the first is gone.
TEST(HeldFolder, AFolderMarkedInUseIsRefusedToEveryOtherHolderUntilTheMarkerGoes)
{
    TempFolder folder;
    fs::create_directory(folder.File("run"));
    fs::create_directory_symlink(folder.File("run"), folder.File("link"));
    const HeldFolder out = HeldFolder::Open(folder.Path());
    HeldFolder first = out.OpenFolder("run");
    const HeldFolder second = out.OpenFolder("run");
    ASSERT_TRUE(first.MarkInUse());
    EXPECT_FALSE(second.MarkInUse());
    EXPECT_EQ(errno, EWOULDBLOCK);
    EXPECT_TRUE(out.HoldsAs("run", second));
    EXPECT_FALSE(out.HoldsAs("link", second));
    EXPECT_FALSE(out.OpenFolder("link").IsOpen());
    first = HeldFolder();
    EXPECT_TRUE(second.MarkInUse());
}
