// Every file the program keeps, written by the user in a folder shared with a group (the setgid
// bit, no sticky bit) after another member (nobody) put a link there: what the program read, what
// it wrote, and the user's private file the link leads to.
#include "FileWriters.h"
#include "SettingsFixture.h"
#include "support/FolderListing.h"
#include "support/OtherUser.h"

#include <cerrno>
#include <filesystem>
#include <set>
#include <string>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

constexpr const char* kPrivateText = "[Notes]\r\nKept=precious\r\n[Main]\r\nTitle=hunter2\r\nDateFormat1=hunter2\r\n"
                                     "Config_Path=hunter2\r\nPassword=hunter2\r\n";

// A private file that is no INI text: a NUL before any section.
const std::string kPrivateBytes("\0\0hunter2 precious\r\n", 20);

bool HoldsPrivateText(const std::string& text)
{
    return text.find("precious") != std::string::npos || text.find("hunter2") != std::string::npos;
}

mode_t ModeOf(const std::string& path)
{
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info.st_mode;
}

using SharedFolderWriters = SettingsTest;

} // namespace

// Another member's link at the file's name (to INI text or not), or the user's own link made for
// something else and moved there by another member, leads nowhere: nothing is read through it, the file is written in
// its place and holds nothing of the user's private file, which stays whole and private. The
// user's own link to a private folder moved onto a folder of the path refuses the write with the
// system's reason.
TEST_F(SharedFolderWriters, NothingIsReadOrWrittenThroughALinkSomeoneElseCouldHavePutThere)
{
    if (!CanActAsAnotherUser())
        GTEST_SKIP() << "only root can act as another user";
    struct Case {
        const char* why;
        bool madeByTheUser;   // and moved into place by the other member
        const char* link;     // in "shared": the file's name, or "sub" on the way to it
        const char* target;
        int error;
    };
    const Case cases[] = {
        {"another member's link to a private file", false, "", "home/mine.ini", 0},
        {"another member's link to a private file that is no INI text", false, "", "home/noise.bin", 0},
        {"the user's own link to a private file, moved there", true, "", "home/mine.ini", 0},
        {"the user's own link to a private folder, moved onto the path", true, "sub", "home", EACCES},
    };
    ASSERT_EQ(::chmod(File("").c_str(), 0755), 0);
    int made = 0;
    for (const ProgramFileWriter& writer : kProgramFileWriters) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(writer.what) + ", " + c.why);
            const std::string root = File(std::to_string(++made));
            fs::create_directories(root + "/home");
            fs::create_directories(root + "/shared");
            ASSERT_EQ(::chmod((root + "/home").c_str(), 0700), 0);
            Folder().Write(std::to_string(made) + "/home/mine.ini", kPrivateText);
            Folder().Write(std::to_string(made) + "/home/noise.bin", kPrivateBytes);
            ASSERT_EQ(::chmod((root + "/home/mine.ini").c_str(), 0600), 0);
            ASSERT_EQ(::chown((root + "/shared").c_str(), 0, kOtherGroup), 0);
            ASSERT_EQ(::chmod((root + "/shared").c_str(), 02775), 0);
            const std::string link = root + "/shared/" + (*c.link ? c.link : writer.file);
            const std::string file = root + "/shared/" + (*c.link ? std::string(c.link) + "/" : "") + writer.file;
            if (c.madeByTheUser)
                fs::create_symlink(root + "/" + c.target, root + "/shared/made_for_something_else");
            ASSERT_EQ(AsOtherUser([&] {
                          if (c.madeByTheUser)
                              return ::rename((root + "/shared/made_for_something_else").c_str(), link.c_str()) == 0;
                          return ::symlink((root + "/" + c.target).c_str(), link.c_str()) == 0;
                      }),
                      0);

            EXPECT_FALSE(HoldsPrivateText(writer.read(file)));
            errno = 0;
            EXPECT_EQ(writer.write(file), c.error == 0);
            if (c.error != 0) {
                EXPECT_EQ(errno, c.error);
                EXPECT_TRUE(fs::is_symlink(link));
            } else {
                EXPECT_TRUE(S_ISREG(ModeOf(file)));
                EXPECT_FALSE(HoldsPrivateText(Folder().Read(std::to_string(made) + "/shared/" + writer.file)));
            }
            EXPECT_EQ(Folder().Read(std::to_string(made) + "/home/mine.ini"), kPrivateText);
            EXPECT_TRUE(Folder().Read(std::to_string(made) + "/home/noise.bin") == kPrivateBytes);
            EXPECT_EQ(ModeOf(root + "/home/mine.ini") & 07777, 0600u);
            EXPECT_EQ(Listing(root + "/home"), (std::set<std::string>{"mine.ini", "noise.bin"}));
        }
    }
}
