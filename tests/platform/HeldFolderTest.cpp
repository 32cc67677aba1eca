// Removing through a held folder reaches what it held and nothing a link points at.
#include "platform/HeldFolder.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using platform::HeldFolder;

namespace {

bool Present(const std::string& path)
{
    return fs::exists(fs::symlink_status(path));
}

} // namespace

TEST(HeldFolder, RemovingATreeRemovesItsLinksAsLinks)
{
    TempFolder folder;
    fs::create_directories(folder.File("user/sub"));
    folder.Write("user/sub/keep.txt", "keep");
    fs::create_directories(folder.File("tree/a/b"));
    folder.Write("tree/a/b/made.txt", "made");
    fs::create_directory_symlink(folder.File("user"), folder.File("tree/a/b/to-folder"));
    fs::create_symlink(folder.File("user/sub/keep.txt"), folder.File("tree/a/to-file"));
    fs::create_symlink("gone", folder.File("tree/dangling"));
    fs::create_directory_symlink(folder.File("user"), folder.File("link"));

    const HeldFolder held = HeldFolder::Open(folder.Path());
    EXPECT_TRUE(held.RemoveEntry("tree"));
    EXPECT_TRUE(held.RemoveEntry("link"));
    EXPECT_FALSE(Present(folder.File("tree")));
    EXPECT_FALSE(Present(folder.File("link")));
    EXPECT_EQ(folder.Read("user/sub/keep.txt"), "keep");
    EXPECT_FALSE(held.RemoveEntry("tree"));
    EXPECT_FALSE(held.RemoveEntry("user/sub")) << "one name, no path";
    EXPECT_FALSE(held.RemoveEntry(".."));
    EXPECT_TRUE(Present(folder.File("user/sub")));
}

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

TEST(HeldFolder, NewFoldersTakeOnlyFreeNamesAndOnlyLinksGoAsLinks)
{
    TempFolder folder;
    folder.Write("file", "");
    fs::create_directory(folder.File("folder"));
    fs::create_symlink("gone", folder.File("dangling"));
    const HeldFolder held = HeldFolder::Open(folder.Path());
    for (const char* taken : {"file", "folder", "dangling", "folder/new"})
        EXPECT_FALSE(held.MakeFolder(taken).IsOpen()) << taken;
    EXPECT_FALSE(Present(folder.File("gone")));

    for (const char* notALink : {"file", "folder", "missing"})
        EXPECT_FALSE(held.RemoveLink(notALink)) << notALink;
    EXPECT_TRUE(held.RemoveLink("dangling"));
    EXPECT_TRUE(Present(folder.File("file")) && Present(folder.File("folder")));
    EXPECT_FALSE(Present(folder.File("dangling")));
}
