// A save into a folder another user may write too (a group folder without the sticky bit), after
// that user (nobody) has shaped it: what is around the design afterwards, and what became of the
// user's own files elsewhere.
#include "platform/Files.h"
#include "platform/Folders.h"
#include "platform/HeldFolder.h"
#include "support/FolderListing.h"
#include "support/OtherUser.h"
#include "support/TempFolder.h"

#include <cerrno>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using platform::WriteFileReplacing;

namespace {

// The user's private folder "home" (important.txt and design.ini in it) and the folder "shared"
// that the other user's group may write (with the sticky bit or without), holding the user's
// design, a folder for designs and a file of the user's.
class SharedFolders {
public:
    explicit SharedFolders(mode_t sharedMode = 0775)
    {
        EXPECT_EQ(::chmod(m_folder.Path().c_str(), 0755), 0);
        fs::create_directory(m_folder.File("home"));
        EXPECT_EQ(::chmod(m_folder.File("home").c_str(), 0700), 0);
        m_folder.Write("home/important.txt", "the user's private text");
        m_folder.Write("home/design.ini", "the user's private design");
        EXPECT_EQ(::chmod(m_folder.File("home/important.txt").c_str(), 0600), 0);
        fs::create_directories(m_folder.File("shared/designs"));
        EXPECT_EQ(::chown(m_folder.File("shared").c_str(), 0, kOtherGroup), 0);
        EXPECT_EQ(::chmod(m_folder.File("shared").c_str(), sharedMode), 0);
        m_folder.Write("shared/shared_design.ini", "the design as saved before");
        m_folder.Write("shared/thesis.tex", "the user's thesis");
    }

    const TempFolder& Folder() const { return m_folder; }
    std::string Shared(const std::string& name) const { return m_folder.File("shared/" + name); }

    std::map<std::string, std::string> HomeFiles() const
    {
        std::map<std::string, std::string> files;
        for (const std::string& name : Listing(m_folder.File("home")))
            files[name] = m_folder.Read("home/" + name);
        return files;
    }

private:
    TempFolder m_folder;
};

// What the other user does there, as that user.
void AsTheOtherUser(const std::function<void()>& shape)
{
    EXPECT_EQ(AsOtherUser([&] {
                  shape();
                  return true;
              }),
              0);
}

class SharedFolderSave : public testing::Test {
protected:
    void SetUp() override
    {
        if (!CanActAsAnotherUser())
            GTEST_SKIP() << "only root can act as another user";
    }
};

const std::map<std::string, std::string> kHomeAsItWas = {{"design.ini", "the user's private design"},
                                                          {"important.txt", "the user's private text"}};

} // namespace

// In a folder others may write, a link is never followed unless the sticky bit keeps others from
// moving the user's entries: one another user put there, and one of the user's own that another
// user moved there (a rename needs no ownership), is at the design's name replaced by the design as
// a deleted file would be, and on the way to it the save is refused with the system's reason; the
// user's files it leads to stay as they were. In a sticky folder the user's own link is followed as
// ever, another user's still is not.
TEST_F(SharedFolderSave, ALinkAnotherUserCouldHavePutThereLeadsNowhere)
{
    enum class Put { ByOtherUser, ByTheUser, ByTheUserMovedByOtherUser };
    struct Case {
        const char* why;
        mode_t sharedMode;
        Put put;
        const char* link;                       // in "shared"
        const char* target;                     // in the test's folder
        const char* saved;                      // the path the user saves, in "shared"
        int error;
        bool followed;                          // the design went to important.txt
    };
    const Case cases[] = {
        {"a link to a private file in the design's place", 0775, Put::ByOtherUser, "shared_design.ini",
         "home/important.txt", "shared_design.ini", 0, false},
        {"a link to a private file not yet there", 0775, Put::ByOtherUser, "shared_design.ini", "home/new.txt",
         "shared_design.ini", 0, false},
        {"a link to a private folder on the path", 0775, Put::ByOtherUser, "designs", "home", "designs/design.ini",
         EACCES, false},
        {"a link to a private folder on the path, the file not yet there", 0775, Put::ByOtherUser, "designs", "home",
         "designs/other.ini", EACCES, false},
        {"the user's own link to a private file, moved onto the design's name", 0775,
         Put::ByTheUserMovedByOtherUser, "shared_design.ini", "home/important.txt", "shared_design.ini", 0, false},
        {"the user's own link to a private folder, moved onto a folder of the path", 0775,
         Put::ByTheUserMovedByOtherUser, "designs", "home", "designs/design.ini", EACCES, false},
        {"the user's own link in the design's place", 0775, Put::ByTheUser, "shared_design.ini",
         "home/important.txt", "shared_design.ini", 0, false},
        {"the user's own link in a sticky folder", 01775, Put::ByTheUser, "shared_design.ini", "home/important.txt",
         "shared_design.ini", 0, true},
        {"another user's link in a sticky folder", 01775, Put::ByOtherUser, "new_design.ini", "home/important.txt",
         "new_design.ini", 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const SharedFolders folders(c.sharedMode);
        const std::string link = folders.Shared(c.link);
        const std::string target = folders.Folder().File(c.target);
        const auto putAside = [&] {
            if (fs::exists(link))
                fs::rename(link, link + ".old");
        };
        switch (c.put) {
        case Put::ByOtherUser:
            AsTheOtherUser([&] {
                putAside();
                fs::create_symlink(target, link);
            });
            break;
        case Put::ByTheUser:
            putAside();
            fs::create_symlink(target, link);
            break;
        case Put::ByTheUserMovedByOtherUser:
            fs::create_symlink(target, folders.Shared("made_for_something_else"));
            AsTheOtherUser([&] {
                putAside();
                fs::rename(folders.Shared("made_for_something_else"), link);
            });
            break;
        }
        const auto shared = Listing(folders.Shared(""));

        errno = 0;
        EXPECT_EQ(WriteFileReplacing(folders.Shared(c.saved), "the design"), c.error == 0);
        if (c.error != 0) {
            EXPECT_EQ(errno, c.error);
        }
        std::map<std::string, std::string> home = kHomeAsItWas;
        if (c.followed)
            home["important.txt"] = "the design";
        EXPECT_EQ(folders.HomeFiles(), home);
        EXPECT_EQ(Listing(folders.Shared("")), shared);
        if (!c.followed && c.error == 0) {
            EXPECT_FALSE(fs::is_symlink(link));
            EXPECT_EQ(folders.Folder().Read(std::string("shared/") + c.saved), "the design");
        }
    }
}

// A file renamed in under the name a save gives its new file is no file a killed save left: the
// next save leaves it as it is.
TEST_F(SharedFolderSave, AFileRenamedInUnderTheNewFilesNamingStays)
{
    const SharedFolders folders;
    const std::string renamed = folders.Shared(".shared_design.ini.rvnew-Qx7Zp2");
    AsTheOtherUser([&] { fs::rename(folders.Shared("thesis.tex"), renamed); });
    const auto expected = Listing(folders.Shared(""));

    ASSERT_TRUE(WriteFileReplacing(folders.Shared("shared_design.ini"), "the design"));
    EXPECT_EQ(Listing(folders.Shared("")), expected);
    EXPECT_EQ(folders.Folder().Read("shared/.shared_design.ini.rvnew-Qx7Zp2"), "the user's thesis");
    EXPECT_EQ(folders.Folder().Read("shared/shared_design.ini"), "the design");
}

// What reads a file or lists a folder, removes a file (the save dialog's 删除) or holds an output
// folder goes as the save goes, for the user's own link that another user moved into a shared
// folder: at the end of the path the link is the entry itself (nothing read, the link removed, the
// user's file left), on the way it is refused with the system's reason. The same link in a sticky
// folder is followed.
TEST_F(SharedFolderSave, ReadsRemovesAndHeldFoldersGoAsTheSaveGoes)
{
    struct Case {
        const char* why;
        mode_t sharedMode;
        const char* link;   // in "shared", the user's own, to "home"'s file or to "home" itself
        int error;          // for a path through the link to the folder
    };
    const Case cases[] = {
        {"moved into a group folder", 0775, "moved", EACCES},
        {"in a sticky group folder", 01775, "own", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const SharedFolders folders(c.sharedMode);
        const std::string toFile = folders.Shared(std::string(c.link) + ".txt");
        const std::string toFolder = folders.Shared(std::string(c.link) + "_home");
        fs::create_symlink(folders.Folder().File("home/important.txt"), folders.Shared("made.txt"));
        fs::create_directory_symlink(folders.Folder().File("home"), folders.Shared("made_home"));
        const auto moveInPlace = [&] {
            fs::rename(folders.Shared("made.txt"), toFile);
            fs::rename(folders.Shared("made_home"), toFolder);
        };
        if (c.error != 0)
            AsTheOtherUser(moveInPlace);
        else
            moveInPlace();

        errno = 0;
        const auto read = platform::ReadFileBytes(toFile);
        EXPECT_EQ(read.value_or("nothing"), c.error != 0 ? "nothing" : "the user's private text");
        EXPECT_EQ(errno, c.error != 0 ? ENOENT : 0);
        errno = 0;
        EXPECT_EQ(platform::HeldFolder::Open(toFolder).IsOpen(), c.error == 0);
        EXPECT_EQ(errno, c.error);
        errno = 0;
        EXPECT_EQ(platform::ListFolder(toFolder).has_value(), c.error == 0);
        EXPECT_EQ(errno, c.error);
        errno = 0;
        EXPECT_EQ(platform::RemoveFile(toFolder + "/important.txt"), c.error == 0);
        EXPECT_EQ(errno, c.error);
        if (c.error != 0) {
            EXPECT_TRUE(platform::RemoveFile(toFile));
            EXPECT_FALSE(fs::exists(fs::symlink_status(toFile)));
            EXPECT_EQ(folders.HomeFiles(), kHomeAsItWas);
        }
    }
}
