// A design save as the disk sees it: the bytes of the file, how many files and renames it
// takes, and what is left when the write fails half-way.
#include "SampleDesigns.h"
#include "SettingsFixture.h"
#include "settings/ClassSections.h"
#include "settings/DesignFile.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string BytesOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The full-year sample grown to 30 classes, with texts that an INI file finds awkward.
ClassListModel ThirtyAwkwardClasses(OutlineLevelTexts& levels)
{
    ClassListModel sample;
    levels = LoadDesignFile((fs::path(SourceDir()) / "config/samples/FullYear_AllCalendars.ini").c_str(), sample);
    const char* const titles[] = {"读书 笔记", "  leading blanks", "a=b=c", "\"quoted\"", "[Main]", "; not a comment",
                                  "line\r\nbreak", "討論 記住"};
    ClassListModel rows;
    for (size_t i = 0; i < kMaxClasses; ++i) {
        ClassListRow row = sample[i % sample.size()];
        row.cells[kCellTitle] = titles[i % std::size(titles)];
        row.cells[kCellUndoneText] = CString(std::to_string(i).c_str());
        rows.push_back(row);
    }
    g_strTitle = "标题 [x] = y";
    return rows;
}

std::map<std::string, int> FolderEvents(int watch)
{
    std::map<std::string, int> counts;
    alignas(inotify_event) char buffer[65536];
    for (ssize_t n; (n = ::read(watch, buffer, sizeof buffer)) > 0;)
        for (char* at = buffer; at < buffer + n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            if (event->mask & IN_CREATE)
                ++counts["created"];
            if (event->mask & IN_MOVED_TO)
                ++counts["renamed"];
            at += sizeof(inotify_event) + event->len;
        }
    return counts;
}

size_t EntriesIn(const std::string& folder)
{
    return static_cast<size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

} // namespace

class DesignFileSave : public SettingsTest {};

// The shipped designs were written by the program's own save, key by key into an empty file.
TEST_F(DesignFileSave, ShippedDesignsSaveToTheirCommittedBytes)
{
    for (const SampleDesign& design : ShippedDesigns()) {
        SCOPED_TRACE(design.file);
        ClassListModel rows;
        OutlineLevelTexts levels;
        ApplyDesign(design, rows, levels);
        ASSERT_TRUE(WriteDesignFile(File("saved.ini").c_str(), rows, levels));
        const std::string committed = BytesOf(fs::path(SourceDir()) / design.file);
        ASSERT_NE(committed.find("[Main]\r\n"), std::string::npos);
        EXPECT_EQ(Folder().Read("saved.ini"), committed);
    }
}

// The same bytes as writing key by key into an empty file, which is how saves were made.
TEST_F(DesignFileSave, ThirtyClassesWriteAsKeyByKeyAndLoadBack)
{
    OutlineLevelTexts levels;
    const ClassListModel rows = ThirtyAwkwardClasses(levels);
    ASSERT_TRUE(WriteDesignFile(File("saved.ini").c_str(), rows, levels));
    ASSERT_TRUE(SaveMainSettings(File("keys.ini").c_str(), levels));
    ASSERT_TRUE(SaveClassList(File("keys.ini").c_str(), rows));
    const std::string saved = Folder().Read("saved.ini");
    EXPECT_GT(saved.size(), 35000u);
    EXPECT_EQ(saved, Folder().Read("keys.ini"));

    ResetAll();
    ClassListModel loaded;
    const OutlineLevelTexts loadedLevels = LoadDesignFile(File("saved.ini").c_str(), loaded);
    EXPECT_EQ(loadedLevels.month, levels.month);
    EXPECT_EQ(g_strTitle, "标题 [x] = y");
    ASSERT_EQ(loaded.size(), rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        for (size_t cell = kCellTitleFlag; cell < kClassColumns; ++cell) {
            if (cell != kCellTitle && cell != kCellItemNumber) {   // titles below; numbering stops at five
                EXPECT_EQ(loaded[i].cells[cell], rows[i].cells[cell]) << "class " << i << " cell " << cell;
            }
        }
    }
    EXPECT_EQ(loaded[0].cells[kCellTitle], "读书 笔记");
    EXPECT_EQ(loaded[1].cells[kCellTitle], "  leading blanks");
    EXPECT_EQ(loaded[3].cells[kCellTitle], "\"quoted\"");
    EXPECT_EQ(loaded[4].cells[kCellTitle], "[Main]");
    EXPECT_EQ(loaded[7].cells[kCellTitle], "討論 記住");
}

TEST_F(DesignFileSave, ASaveMakesOneFileAndOneRename)
{
    OutlineLevelTexts levels;
    const ClassListModel rows = ThirtyAwkwardClasses(levels);
    Folder().Write("design.ini", "[Main]\r\nTitle=old\r\n");
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, Folder().Path().c_str(), IN_CREATE | IN_MOVED_TO), 0);
    ASSERT_TRUE(WriteDesignFile(File("design.ini").c_str(), rows, levels));
    EXPECT_EQ(FolderEvents(watch), (std::map<std::string, int>{{"created", 1}, {"renamed", 1}}));
    ::close(watch);
    EXPECT_EQ(EntriesIn(Folder().Path()), 1u);
}

// The disk fills up in the middle of the new file: the old one stays whole and nothing is left.
TEST_F(DesignFileSave, AWriteFailingHalfWayLeavesTheOldFileWhole)
{
    OutlineLevelTexts levels;
    const ClassListModel rows = ThirtyAwkwardClasses(levels);
    const std::string old = BytesOf(fs::path(SourceDir()) / "config/samples/Motto_June.ini");
    ASSERT_FALSE(old.empty());
    Folder().Write("design.ini", old);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Past 16 KiB a write fails with EFBIG instead of ending the process.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{16384, 16384};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(WriteDesignFile(File("design.ini").c_str(), rows, levels) ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the save reports its failure";
    EXPECT_EQ(Folder().Read("design.ini"), old);
    EXPECT_EQ(EntriesIn(Folder().Path()), 1u);
}
