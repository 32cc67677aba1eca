// A replaced file survives a crash or power cut just after its save: its new bytes reach the disk
// before the rename puts them in the old file's place, and the folder after it. Seen at the system
// calls every replacing write makes (designs, the path and date format files, motto files); the
// fuzz targets' scratch inputs make no sync.
#include "FuzzScratch.h"
#include "platform/Files.h"
#include "platform/Profile.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <regex>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

std::vector<std::string> g_calls;   // "fsync <path>", "rename <from> <to>", in order
int g_failingSync = 0;              // an error number the next fsync fails with, 0 for none
std::function<void()> g_duringSync; // runs once at the next fsync, before it

std::string PathOf(int fd)
{
    return std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(fd)).string();
}

std::string Canonical(const std::string& path)
{
    return std::filesystem::weakly_canonical(std::filesystem::absolute(path)).string();
}

std::string PathAt(int folder, const char* name)
{
    return Canonical(folder == AT_FDCWD || *name == '/' ? name : PathOf(folder) + "/" + name);
}

} // namespace

extern "C" int __real_fsync(int fd);
extern "C" int __real_renameat(int fromFolder, const char* from, int toFolder, const char* to);

extern "C" int __wrap_fsync(int fd)
{
    g_calls.push_back("fsync " + PathOf(fd));
    if (const std::function<void()> during = std::exchange(g_duringSync, nullptr))
        during();
    if (g_failingSync != 0) {
        errno = std::exchange(g_failingSync, 0);
        return -1;
    }
    return __real_fsync(fd);
}

extern "C" int __wrap_renameat(int fromFolder, const char* from, int toFolder, const char* to)
{
    g_calls.push_back("rename " + PathAt(fromFolder, from) + " " + PathAt(toFolder, to));
    return __real_renameat(fromFolder, from, toFolder, to);
}

namespace {

class ReplacingWriteSync : public testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directory(m_folder.File("sub"));
        g_calls.clear();
    }
    // The path the system gives a name of the folder ("" for the folder itself).
    std::string Real(const std::string& name) const
    {
        return Canonical(name.empty() ? m_folder.Path() : m_folder.File(name));
    }

    TempFolder m_folder;
};

// The new file is synced under its own name, "." + the file's name + ".rvnew-" + six letters or
// digits, renamed over the file, then its folder synced.
void ExpectSyncedReplace(const std::vector<std::string>& calls, const std::string& target, const std::string& folder)
{
    ASSERT_EQ(calls.size(), 3u);
    const std::string fresh = calls[0].substr(std::string("fsync ").size());
    const std::filesystem::path replaced(target);
    const std::string start = (replaced.parent_path() / ("." + replaced.filename().string() + ".rvnew-")).string();
    EXPECT_EQ(fresh.rfind(start, 0), 0u) << calls[0];
    EXPECT_TRUE(std::regex_match(fresh.substr(start.size()), std::regex("[A-Za-z0-9]{6}"))) << calls[0];
    EXPECT_EQ(calls[1], "rename " + fresh + " " + target);
    EXPECT_EQ(calls[2], "fsync " + folder);
}

} // namespace

TEST_F(ReplacingWriteSync, NewBytesAndThenTheFolderAreSyncedAroundTheRename)
{
    m_folder.Write("sub/target.ini", "old");
    ASSERT_EQ(::symlink("sub/target.ini", m_folder.File("link.ini").c_str()), 0);
    struct Case {
        const char* written;   // as the caller names it
        const char* replaced;  // the file that takes the bytes
        const char* folder;
    };
    const Case cases[] = {
        {"new.ini", "new.ini", ""},
        {"sub/target.ini", "sub/target.ini", "sub"},
        {"link.ini", "sub/target.ini", "sub"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.written);
        g_calls.clear();
        ASSERT_TRUE(platform::WriteFileReplacing(c.written, "new bytes"));
        ExpectSyncedReplace(g_calls, Real(c.replaced), Real(c.folder));
        EXPECT_EQ(m_folder.Read(c.replaced), "new bytes");
    }
}

TEST_F(ReplacingWriteSync, ProfileWritesGoTheSameWay)
{
    ASSERT_TRUE(platform::WritePrivateProfileString("Main", "Title", "x", m_folder.File("sub/design.ini")));
    ExpectSyncedReplace(g_calls, Real("sub/design.ini"), Real("sub"));
    g_calls.clear();
    platform::ProfileBatch batch(m_folder.File("sub/design.ini"));
    ASSERT_TRUE(platform::WritePrivateProfileString("Main", "Title", "y", m_folder.File("sub/design.ini")));
    EXPECT_TRUE(g_calls.empty()) << "held in memory until published";
    ASSERT_TRUE(batch.Publish());
    ExpectSyncedReplace(g_calls, Real("sub/design.ini"), Real("sub"));
}

// Many keys at once (the 200 known designs of the save and open dialogs) replace the file once,
// with the bytes that as many single writes leave.
TEST_F(ReplacingWriteSync, ManyKeysAreOneReplaceOfTheSingleWritesBytes)
{
    const std::string start = "[Main]\r\nConfig_Path=a.ini\r\nCONFIG1=old\r\n[Other]\r\nCONFIG0=kept\r\n";
    m_folder.Write("sub/singly.ini", start);
    m_folder.Write("sub/together.ini", start);
    const std::vector<platform::ProfileKeyValue> keys = {
        {"CONFIG0", "b.ini"}, {"CONFIG1", ""}, {"CONFIG2", "  \"c d\"  "}, {"Config_Path", "e.ini"}};
    for (const auto& [key, value] : keys)
        ASSERT_TRUE(platform::WritePrivateProfileString("Main", key, value, m_folder.File("sub/singly.ini")));
    g_calls.clear();
    ASSERT_TRUE(platform::WritePrivateProfileStrings("Main", keys, m_folder.File("sub/together.ini")));
    ExpectSyncedReplace(g_calls, Real("sub/together.ini"), Real("sub"));
    EXPECT_EQ(m_folder.Read("sub/together.ini"), m_folder.Read("sub/singly.ini"));
}

// A disk that cannot take the bytes fails the save before the rename: the old file stays whole and
// no temporary file is left.
TEST_F(ReplacingWriteSync, AFailedSyncKeepsTheOldFile)
{
    m_folder.Write("sub/target.ini", "old");
    g_failingSync = EIO;
    errno = 0;
    EXPECT_FALSE(platform::WriteFileReplacing(m_folder.File("sub/target.ini"), "new bytes"));
    EXPECT_EQ(errno, EIO);
    ASSERT_EQ(g_calls.size(), 1u);
    EXPECT_EQ(m_folder.Read("sub/target.ini"), "old");
    const auto entries = std::distance(std::filesystem::directory_iterator(m_folder.File("sub")), {});
    EXPECT_EQ(entries, 1);
}

// A replace in the folder while another save is between its synced new file and the rename leaves
// that file alone: both saves end whole.
TEST_F(ReplacingWriteSync, ALiveSavesNewFileIsNeverTakenForAKilledOnes)
{
    m_folder.Write("sub/target.ini", "old");
    bool otherSaved = false;
    g_duringSync = [&] { otherSaved = platform::WriteFileReplacing(m_folder.File("sub/other.ini"), "other bytes"); };
    ASSERT_TRUE(platform::WriteFileReplacing(m_folder.File("sub/target.ini"), "new bytes"));
    EXPECT_TRUE(otherSaved);
    EXPECT_EQ(m_folder.Read("sub/target.ini"), "new bytes");
    EXPECT_EQ(m_folder.Read("sub/other.ini"), "other bytes");
}

// The fuzz targets' inputs are scratch, written without a sync; each is read as written, also
// after one of the same size.
TEST_F(ReplacingWriteSync, FuzzInputsAreWrittenWithoutASync)
{
    for (const std::string title : {"one", "two"}) {
        const std::string input = "[Main]\r\nTitle=" + title + "\r\n";
        const std::string file = WriteDesignInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
        EXPECT_EQ(platform::GetPrivateProfileString("Main", "Title", "", 1024, file), title);
    }
    EXPECT_TRUE(std::none_of(g_calls.begin(), g_calls.end(), [](const std::string& call) { return call.starts_with("fsync"); }))
        << testing::PrintToString(g_calls);
}
