// Values no dialog could have stored are read as the program would have them, whatever the file.
#include "SettingsFixture.h"
#include "settings/DesignFile.h"

#include <functional>

namespace {

struct OutOfRange {
    const char* section;
    const char* key;
    const char* stored;
    const char* loaded;
    std::function<CString(const ClassListModel&, const OutlineLevelTexts&)> read;
};

CString Cell(const ClassListModel& rows, ClassColumn column)
{
    return rows.empty() ? CString("(no class)") : rows[0].cells[column];
}

} // namespace

class LoadedValueBounds : public SettingsTest {};

TEST_F(LoadedValueBounds, EachOutOfRangeValueLoadsAsItsDefaultOrNotSet)
{
    using Rows = const ClassListModel&;
    using Levels = const OutlineLevelTexts&;
    const auto line = [](Rows r, Levels) { return Cell(r, kCellLineCount); };
    const OutOfRange cases[] = {
        {"LIST0", "COL_LINE_COUNT", "2147483648", "1", line},
        {"LIST0", "COL_LINE_COUNT", "31", "1", line},
        {"LIST0", "COL_LINE_COUNT", "-4", "1", line},
        {"LIST0", "COL_LINE_COUNT", "30", "30", line},
        {"LIST0", "COL_ItemSpecial", "22", "-1", [](Rows r, Levels) { return Cell(r, kCellItemSpecial); }},
        {"LIST0", "COL_SpecialSign", "28", "28", [](Rows r, Levels) { return Cell(r, kCellSign); }},
        {"LIST0", "COL_CLASS_FONT_COLOR", "red", "", [](Rows r, Levels) { return Cell(r, kCellClassFontColor); }},
        {"LIST0", "line_color", "#FF0000", "8D826D", [](Rows r, Levels) { return Cell(r, kCellTableLineColor); }},
        {"LIST0", "line_type", "thick", "dotted", [](Rows r, Levels) { return Cell(r, kCellTableLineType); }},
        {"LIST0", "COL_CLASS_FONT_SIZE", "-5", "", [](Rows r, Levels) { return Cell(r, kCellClassFontSize); }},
        {"LIST0", "COL_LINE_TEXT_FONT_SIZE", "10.5", "10.5", [](Rows r, Levels) { return Cell(r, kCellLineFontSize); }},
        {"LIST0", "COL_LINE_FONT_NAME", "A font name of thirty-two letters", "",
         [](Rows r, Levels) { return Cell(r, kCellLineFontName); }},
        {"Main", "Months_Grade", "-2147483648", "2", [](Rows, Levels l) { return l.month; }},
        {"Main", "Days_Grade", "+7abc", "3", [](Rows, Levels l) { return l.day; }},
        {"Main", "Months_FontColor", "12345", "", [](Rows, Levels) { return g_strMonthsFontColor; }},
        {"Main", "Days_BackGround", "FF0000FF", "", [](Rows, Levels) { return g_strDaysBackGround; }},
        {"Main", "UncheckedWeekFontColor", "ff00GG", "666666", [](Rows, Levels) { return g_strUncheckedWeekFontColor; }},
        {"Main", "Days_FontSize", "1639", "11", [](Rows, Levels) { return g_strDaysFontSize; }},
        {"Main", "Months_FontName", "\x01\x02", "Tahoma", [](Rows, Levels) { return g_strMonthsFontName; }},
        {"Main", "Days_FontName", "微软雅黑", "微软雅黑", [](Rows, Levels) { return g_strDaysFontName; }},
        {"Main", "Date_line_type", "none", "single", [](Rows, Levels) { return g_dateTable.line_type; }},
        {"Main", "Text_line_color", "blue", "CE0000", [](Rows, Levels) { return g_textTable.line_color; }},
        {"Main", "REST_COLOR", "0x00FF", "000000", [](Rows, Levels) { return g_dayCaptions.REST_COLOR; }},
        {"Main", "Calendar_line_type", "wavy", "dotted", [](Rows, Levels) { return g_calendarStyle.line_type; }},
        {"Main", "Calendar_Month_Align", "3", "0",
         [](Rows, Levels) { return CString(std::to_string(g_calendarStyle.Month_Align)); }},
        {"Main", "MonthOfCale_FontSize_Day", "abc", "11", [](Rows, Levels) { return g_monthCalendar.FontSize_Day; }},
        {"Main", "MonthOfCale_LineTop3", "double", "dotted", [](Rows, Levels) { return g_monthCalendar.LineTop[2]; }},
        {"Main", "MonthOfCale_iSpecialSign2_06", "-2147483648", "1",
         [](Rows, Levels) { return CString(std::to_string(g_monthCalendar.iSpecialSign_06[1])); }},
        {"Main", "YearPlanner_line_color", "FFFFF", "000000", [](Rows, Levels) { return g_yearPlanner.line_color; }},
        {"Main", "TXT_FontSize", "0", "", [](Rows, Levels) { return g_addText.FontSize; }},
        // What a save of the value reads back as.
        {"LIST0", "COL_LINE_COUNT", "", "1", line},
        {"LIST0", "COL_CLASS_TITLE", "\" 读书 \"", "读书", [](Rows r, Levels) { return Cell(r, kCellTitle); }},
        {"LIST0", "COL_UNDONE_TEXT", "'\"[ ]\"'", "[ ]", [](Rows r, Levels) { return Cell(r, kCellUndoneText); }},
        {"Main", "Months_Grade", "", "2", [](Rows, Levels l) { return l.month; }},
        {"Main", "Date_table_bk_color", "blue", "F9F9F2", [](Rows, Levels) { return g_dateTable.table_bk_color; }},
        {"Main", "Text_table_bk_color", "#F1F1E4", "F1F1E4", [](Rows, Levels) { return g_textTable.table_bk_color; }},
        {"Main", "Title", "\"  My diary  \"", "My diary", [](Rows, Levels) { return g_strTitle; }},
        {"Main", "RestDay", "\" \"", "", [](Rows, Levels) { return g_strRestDay; }},
        {"Main", "WeekEnd", "\"  [ 周末 ]\"", " [ 周末 ]", [](Rows, Levels) { return g_dayCaptions.WeekEnd; }},
        {"Main", "Months_FontName", "' '", "Tahoma", [](Rows, Levels) { return g_strMonthsFontName; }},
    };
    for (const OutOfRange& c : cases) {
        ResetAll();
        std::string text = "[LIST0]\r\nCOL_ID=1\r\n";
        text += std::string("[") + c.section + "]\r\n" + c.key + "=" + c.stored + "\r\n";
        Folder().Write("design.ini", text);
        ClassListModel rows;
        const OutlineLevelTexts levels = LoadDesignFile(File("design.ini").c_str(), rows);
        EXPECT_EQ(c.read(rows, levels), c.loaded) << c.key << "=" << c.stored;
    }
}

// Cells that a save writes otherwise: the number is the place, a table has no letter-paper lines.
TEST_F(LoadedValueBounds, ClassCellsLoadAsTheirSaveWritesThem)
{
    Folder().Write("design.ini", "[LIST0]\r\nCOL_ID=7\r\nbTable=1\r\nCOL_LINE_ClassTable=1\r\n"
                                 "[LIST1]\r\nCOL_ID=x\r\nbTable=0\r\nCOL_LINE_ClassTable=1\r\n");
    ClassListModel rows;
    LoadDesignFile(File("design.ini").c_str(), rows);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].cells[kCellId], "1");
    EXPECT_EQ(rows[1].cells[kCellId], "2");
    EXPECT_EQ(rows[0].cells[kCellLinedTable], "N");
    EXPECT_EQ(rows[1].cells[kCellLinedTable], "Y");
}

TEST_F(LoadedValueBounds, TheDateLevelStaysBelowTheMonthLevel)
{
    Folder().Write("design.ini", "[Main]\r\nMonths_Grade=5\r\nDays_Grade=4\r\n");
    ClassListModel rows;
    const OutlineLevelTexts levels = LoadDesignFile(File("design.ini").c_str(), rows);
    EXPECT_EQ(levels.month, "5");
    EXPECT_EQ(levels.day, "6");

    // A missing date level is the box's first, 3, so it too goes below the month.
    Folder().Write("design.ini", "[Main]\r\nMonths_Grade=5\r\n");
    const OutlineLevelTexts missing = LoadDesignFile(File("design.ini").c_str(), rows);
    EXPECT_EQ(missing.month, "5");
    EXPECT_EQ(missing.day, "6");
}
