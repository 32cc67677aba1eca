// The permissions of the files the program writes: a new file has those the user's file mask
// gives, a replaced file keeps its own and its group.
#include "FileWriters.h"
#include "SettingsFixture.h"
#include "support/OtherUser.h"

#include <string>
#include <sys/stat.h>

namespace {

// The file mask for as long as the object lives.
class FileMask {
public:
    explicit FileMask(mode_t mask) : m_old(::umask(mask)) {}
    ~FileMask() { ::umask(m_old); }
    FileMask(const FileMask&) = delete;
    FileMask& operator=(const FileMask&) = delete;

private:
    mode_t m_old;
};

struct stat StatOf(const std::string& path)
{
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info;
}

using WrittenFileModes = SettingsTest;

} // namespace

TEST_F(WrittenFileModes, NewFilesTakeTheFileMaskAndReplacedOnesKeepTheirs)
{
    for (const ProgramFileWriter& writer : kProgramFileWriters) {
        SCOPED_TRACE(writer.what);
        for (const auto& [mask, mode] : {std::pair<mode_t, mode_t>{077, 0600}, {002, 0664}}) {
            const FileMask fileMask(mask);
            const std::string file = File(std::to_string(mask) + writer.file);
            ASSERT_TRUE(writer.write(file));
            EXPECT_EQ(StatOf(file).st_mode & 07777, mode) << "file mask " << mask;
        }

        const std::string replaced = File(std::string("replaced_") + writer.file);
        ASSERT_TRUE(writer.write(replaced));
        ASSERT_EQ(::chmod(replaced.c_str(), 0640), 0);
        const gid_t group = CanActAsAnotherUser() ? kOtherGroup : StatOf(replaced).st_gid;
        ASSERT_EQ(::chown(replaced.c_str(), static_cast<uid_t>(-1), group), 0);
        const FileMask fileMask(022);
        ASSERT_TRUE(writer.write(replaced));
        EXPECT_EQ(StatOf(replaced).st_mode & 07777, 0640u);
        EXPECT_EQ(StatOf(replaced).st_gid, group);
    }
}
