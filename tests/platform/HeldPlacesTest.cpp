// A folder made to be held is held only when it is the one made, and places below a held folder
// reach nothing through a link.
#include "platform/FilePlace.h"
#include "platform/HeldFolder.h"
#include "support/FolderListing.h"
#include "support/OtherUser.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
#include <set>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using platform::FilePlace;
using platform::HeldFolder;

// Between the making of the run folder and its holding, someone who may write into the output
// folder renames a folder into its place: it is not held, and stays as it was, contents and
// permissions alike.
TEST(HeldPlaces, AFolderPutInPlaceOfTheOneMadeIsLeftAlone)
{
    struct Case {
        const char* why;
        bool needsRoot;
        std::function<void(const TempFolder&)> make;   // the folder "theirs", made before the run
    };
    const Case cases[] = {
        {"a folder of the user's with files", false,
         [](const TempFolder& f) {
             fs::create_directory(f.File("theirs"));
             f.Write("theirs/photo.jpg", "photo");
         }},
        {"an empty folder of the user's", false, [](const TempFolder& f) { fs::create_directory(f.File("theirs")); }},
        {"an empty private folder of the user's made before", false,
         [](const TempFolder& f) {
             fs::create_directory(f.File("theirs"));
             fs::permissions(f.File("theirs"), fs::perms::owner_all);
         }},
        {"an empty private folder of another user's", true, [](const TempFolder& f) {
             fs::create_directory(f.File("theirs"));
             fs::permissions(f.File("theirs"), fs::perms::owner_all);
             ASSERT_EQ(::chown(f.File("theirs").c_str(), kOtherUser, kOtherGroup), 0);
         }}};
    // Every folder is made first, then the run's folders more than the two seconds later that
    // rounded birth times are allowed: an empty folder of the user's is told apart by its birth
    // time alone.
    std::vector<std::unique_ptr<TempFolder>> folders;
    for (const Case& c : cases) {
        folders.push_back(std::make_unique<TempFolder>());
        fs::create_directory(folders.back()->File("out"));
        if (!c.needsRoot || ::geteuid() == 0)
            c.make(*folders.back());
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(3100));
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        if (c.needsRoot && ::geteuid() != 0) {
            std::cout << "Skipped " << c.why << ": only root can give a folder to another user\n";
            continue;
        }
        const TempFolder& folder = *folders[i];
        const auto before = Listing(folder.File("theirs"));
        const auto permissions = fs::status(folder.File("theirs")).permissions();
        const HeldFolder out = HeldFolder::Open(folder.File("out"));
        const HeldFolder run = out.MakeFolder("run", [&] {
            fs::rename(folder.File("out/run"), folder.File("made"));
            fs::rename(folder.File("theirs"), folder.File("out/run"));
        });
        const int error = errno;
        EXPECT_FALSE(run.IsOpen()) << c.why;
        EXPECT_EQ(error, ESTALE) << c.why;
        EXPECT_EQ(Listing(folder.File("out/run")), before) << c.why;
        EXPECT_EQ(fs::status(folder.File("out/run")).permissions(), permissions) << c.why;
    }
}

// The folder made is private whatever the file mask lets through, and held when left in place.
TEST(HeldPlaces, TheFolderMadeIsPrivate)
{
    TempFolder folder;
    const HeldFolder held = HeldFolder::Open(folder.Path());
    ASSERT_TRUE(held.MakeFolder("run").IsOpen());
    EXPECT_EQ(fs::status(folder.File("run")).permissions(), fs::perms::owner_all);
}

// Every operation of a place below a held folder refuses a link in place of a folder on the way
// or of the file itself, and the user's file the link leads to stays as it was.
TEST(HeldPlaces, APlaceBelowAHeldFolderFollowsNoLink)
{
    TempFolder folder;
    fs::create_directories(folder.File("run/word"));
    fs::create_directory(folder.File("user"));
    folder.Write("user/part.xml", "the user's");
    fs::create_directory_symlink(folder.File("user"), folder.File("run/linked"));
    fs::create_symlink(folder.File("user/part.xml"), folder.File("run/word/part.xml"));
    const HeldFolder run = HeldFolder::Open(folder.File("run"));
    for (const char* path : {"linked/part.xml", "word/part.xml"}) {
        const FilePlace place(run, path);
        errno = 0;
        EXPECT_FALSE(place.Read()) << path;
        EXPECT_EQ(errno, ELOOP) << path;
        EXPECT_FALSE(place.Append("appended")) << path;
        EXPECT_EQ(place.OpenForAppending(), platform::kInvalidFileHandle) << path;
        EXPECT_EQ(place.OpenForReading(), platform::kInvalidFileHandle) << path;
    }
    EXPECT_FALSE(FilePlace(run, "linked/new.xml").Replace("new"));
    EXPECT_FALSE(FilePlace(run, "linked/folder").MakeFolder());
    EXPECT_FALSE(FilePlace(run, "linked/part.xml").Remove());
    EXPECT_EQ(folder.Read("user/part.xml"), "the user's");
    EXPECT_EQ(Listing(folder.File("user")), std::set<std::string>{"part.xml"});

    // A link in a file's place is replaced as a link: a new file takes its name.
    EXPECT_TRUE(FilePlace(run, "word/part.xml").Replace("new"));
    EXPECT_EQ(folder.Read("run/word/part.xml"), "new");
    EXPECT_FALSE(fs::is_symlink(folder.File("run/word/part.xml")));
    EXPECT_EQ(folder.Read("user/part.xml"), "the user's");
}
