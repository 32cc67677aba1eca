// A whole design written to a file and loaded back: section Main and the classes together,
// replacing the old file whole.
#include "SettingsFixture.h"
#include "settings/ClassCells.h"
#include "settings/DesignFile.h"
#include "support/OwnFileMarks.h"
#include "support/Utf16Bytes.h"

#include <filesystem>

class DesignFile : public SettingsTest {};

TEST_F(DesignFile, WrittenDesignLoadsBack)
{
    const std::string file = File("design.ini");
    Folder().Write("design.ini", "[LIST5]\r\nCOL_ID=6\r\n[Old]\r\nkey=value\r\n");
    g_strTitle = "我的日记";
    g_nMonthStart = 3;
    g_calendarStyle.font_name = "Tahoma";
    DiaryClassRecord record;
    record.COL_CLASS_TITLE = "Work";
    record.COL_CLASS_FONT_SIZE = "22.0";
    ClassListModel rows(2);
    SetListRowFromRecord(rows[0], record);
    SetListRowFromRecord(rows[1], record);
    ASSERT_TRUE(WriteDesignFile(file.c_str(), rows, {"4", "5"}));
    const std::string text = Folder().Read("design.ini");
    EXPECT_EQ(text.find("[Old]"), std::string::npos);
    EXPECT_EQ(text.find("[LIST5]"), std::string::npos);
    EXPECT_EQ(text.rfind(kProfileMarkerLine + "[Main]", 0), 0u);

    ResetAll();
    ClassListModel loaded(5);
    const OutlineLevelTexts levels = LoadDesignFile(file.c_str(), loaded);
    EXPECT_EQ(levels.month, "4");
    EXPECT_EQ(levels.day, "5");
    EXPECT_EQ(g_strTitle, "我的日记");
    EXPECT_EQ(g_nMonthStart, 3);
    EXPECT_EQ(g_calendarStyle.font_name, "Tahoma");
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[1].cells[kCellTitle], "Work");
    EXPECT_EQ(loaded[1].cells[kCellClassFontSize], "11");
}

TEST_F(DesignFile, FailedWriteKeepsTheOldFile)
{
    const std::string folder = File("design.ini");
    std::filesystem::create_directory(folder);   // the new file cannot take the place of a folder
    Folder().Write("design.ini/keep.txt", "kept");
    EXPECT_FALSE(WriteDesignFile(folder.c_str(), {}, {}));
    EXPECT_EQ(Folder().Read("design.ini/keep.txt"), "kept");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder().Path()),
                            std::filesystem::directory_iterator()), 1);
}

TEST_F(DesignFile, SaveRespectsTheUsersFiles)
{
    namespace fs = std::filesystem;
    const std::string real = File("real.ini");
    Folder().Write("real.ini", "old");
    Folder().Write("real.ini.new", "the user's own");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real.ini", File("link.ini"));
    g_strTitle = "through the link";
    ASSERT_TRUE(WriteDesignFile(File("link.ini").c_str(), {}, {}));
    EXPECT_TRUE(fs::is_symlink(File("link.ini")));
    EXPECT_NE(Folder().Read("real.ini").find("Title=through the link"), std::string::npos);
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Folder().Read("real.ini.new"), "the user's own");
    EXPECT_EQ(std::distance(fs::directory_iterator(Folder().Path()), fs::directory_iterator()), 3);

    fs::permissions(real, fs::perms::owner_read);
    EXPECT_FALSE(WriteDesignFile(real.c_str(), {}, {}));
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all, fs::perms::owner_read);
    EXPECT_NE(Folder().Read("real.ini").find("Title=through the link"), std::string::npos);
}

TEST_F(DesignFile, ALoopOfLinksIsRefusedAndLeftAsItWas)
{
    namespace fs = std::filesystem;
    fs::create_symlink("b.ini", File("a.ini"));
    fs::create_symlink("a.ini", File("b.ini"));
    EXPECT_FALSE(WriteDesignFile(File("a.ini").c_str(), {}, {}));
    EXPECT_EQ(fs::read_symlink(File("a.ini")), "b.ini");
    EXPECT_EQ(fs::read_symlink(File("b.ini")), "a.ini");
    EXPECT_EQ(std::distance(fs::directory_iterator(Folder().Path()), fs::directory_iterator()), 2);
}

// What the profile functions would still find in such a file is not taken: it loads as a
// missing file does.
TEST_F(DesignFile, AFileThatHoldsNoDesignLoadsAsAMissingOne)
{
    const std::string design = "[Main]\r\nTitle=found\r\nMonth_Start=3\r\n[LIST0]\r\nCOL_ID=1\r\nCOL_CLASS_TITLE=Work\r\n";
    for (const std::string& bytes : {std::string("\0\r\n", 3) + design, "\xEF\xBB\xBF\xEF\xBB\xBF" + design,
                                     design + std::string(platform::kMaxProfileFileBytes, ';')}) {
        Folder().Write("design.ini", bytes);
        ResetAll();
        ClassListModel rows;
        LoadDesignFile(File("design.ini").c_str(), rows);
        EXPECT_EQ(g_strTitle, "");
        EXPECT_EQ(g_nMonthStart, 0);
        EXPECT_TRUE(rows.empty());
    }
}

// A design a Windows editor saved as "Unicode" holds a design, in either byte order.
TEST_F(DesignFile, ADesignSavedAsUnicodeLoads)
{
    const std::string design = "[Main]\r\nTitle=我的日记\r\nMonth_Start=3\r\nDay_Start=1\r\nMonth_End=4\r\nDay_End=30\r\n[LIST0]\r\nCOL_ID=1\r\nCOL_CLASS_TITLE=读书\r\n";
    for (const bool bigEndian : {false, true}) {
        SCOPED_TRACE(bigEndian ? "big-endian" : "little-endian");
        Folder().Write("design.ini", Utf16Bytes(design, bigEndian));
        EXPECT_FALSE(HoldsNoDesign(platform::GetProfileFileState(File("design.ini"))));
        ResetAll();
        ClassListModel rows;
        LoadDesignFile(File("design.ini").c_str(), rows);
        EXPECT_EQ(g_strTitle, "我的日记");
        EXPECT_EQ(g_nMonthStart, 3);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].cells[kCellTitle], "读书");
    }
}

// The save the user named replaces the file whatever it held; nothing else does.
TEST_F(DesignFile, ASaveTheUserNamedReplacesAFileThatHoldsNoDesign)
{
    Folder().Write("design.ini", std::string(platform::kMaxProfileFileBytes + 1, ';'));
    g_strTitle = "新的";
    ASSERT_TRUE(WriteDesignFile(File("design.ini").c_str(), {}, {}));
    ResetAll();
    ClassListModel rows;
    LoadDesignFile(File("design.ini").c_str(), rows);
    EXPECT_EQ(g_strTitle, "新的");
}

// The table dialog stores an empty background for none: a key there with an empty value loads as
// no background, also over a design that had one; only a missing key keeps the field, and a bad
// value is the record's own.
TEST_F(DesignFile, AnEmptyTableBackgroundLoadsAsNone)
{
    const struct {
        const char* line;   // the two keys' line, "" for none
        const char* date;
        const char* text;
    } cases[] = {
        {"table_bk_color=\r\n", "", ""},
        {"table_bk_color=\"  \"\r\n", "", ""},
        {"", "123456", "654321"},
        {"table_bk_color=blue\r\n", "F9F9F2", "F1F1E4"},
        {"table_bk_color=ABCDEF\r\n", "ABCDEF", "ABCDEF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        ResetAll();
        g_dateTable.table_bk_color = "123456";   // the design opened before
        g_textTable.table_bk_color = "654321";
        const std::string line = c.line;
        Folder().Write("design.ini", "[Main]\r\n" + (line.empty() ? "" : "Date_" + line + "Text_" + line));
        ClassListModel rows;
        LoadDesignFile(File("design.ini").c_str(), rows);
        EXPECT_EQ(g_dateTable.table_bk_color, c.date);
        EXPECT_EQ(g_textTable.table_bk_color, c.text);
    }
}
