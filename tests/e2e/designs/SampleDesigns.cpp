#include "SampleDesigns.h"

#include "docx/DocxBuilder.h"
#include "platform/Files.h"
#include "settings/ClassCells.h"
#include "settings/DateFormatFile.h"
#include "settings/DesignFile.h"
#include "settings/Settings.h"
#include "settings/SettingsRecords.h"
#include "settings/StartUp.h"

namespace {

ClassListRow Row(const DiaryClassRecord& record)
{
    ClassListRow row;
    SetListRowFromRecord(row, record);
    row.checked = true;
    return row;
}

// A class in the sizes of the list: 12-point title, 10.5-point lines.
DiaryClassRecord Class(const char* title, int lines)
{
    DiaryClassRecord c;
    c.COL_bCLASS_TITLE = 1;
    c.COL_CLASS_TITLE = title;
    c.COL_CLASS_FONT_BOLD = 1;
    c.COL_CLASS_FONT_COLOR = "7A2E1F";
    c.COL_CLASS_FONT_NAME = "微软雅黑";
    c.COL_CLASS_FONT_SIZE = "24.0";
    c.COL_LINE_COUNT = lines;
    c.COL_UNDONE_TONT_COLOR = "8D826D";
    c.COL_LINE_TEXT_FONT_COLOR = "333333";
    c.COL_LINE_TEXT_FONT_SIZE = "21.0";
    c.COL_LINE_FONT_NAME = "Tahoma";
    c.COL_LINE_Underline = 1;
    c.classTable.line_color = "C8B89A";
    c.classTable.line_type = "dotted";
    c.COL_SpecialSign_Color = "3A5FCD";
    return c;
}

DiaryClassRecord Boxed(DiaryClassRecord c, const char* titleRow, const char* odd, const char* even)
{
    c.bTable = 1;
    c.classTable.class_table_bk_color = titleRow;
    c.classTable.line_table_bk_color = odd;
    c.classTable.line_table_bk_color2 = even;
    return c;
}

DiaryClassRecord Lined(DiaryClassRecord c)
{
    c.COL_LINE_ClassTable = 1;
    return c;
}

void Range(int startMonth, int startDay, int endMonth, int endDay)
{
    g_nMonthStart = startMonth;
    g_nDayStart = startDay;
    g_nMonthEnd = endMonth;
    g_nDayEnd = endDay;
}

// The default design: a full year of day pages with four classes, the yearly calendar of all
// twelve months, Chinese and English texts.
void Simple(ClassListModel& rows, OutlineLevelTexts& levels)
{
    Range(1, 1, 12, 31);
    g_bShowAllMonths = 1;
    g_strTitle = "我的日记 · My Diary";
    g_bAddDateInTitle = 0;
    g_strMonthFormat = "%B %Y";
    g_bMonthUpper = 0;
    g_strDayFormat = "%Y-%m-%d  %A";
    g_strRestDay = " [ 还剩";
    g_strRestDayBack = " 天 ]";
    g_strHadBeenDays = " [ 第";
    g_strHadBeenDaysBack = " 天 ]";
    g_strWeekEnd = " [ 周末 ]";
    g_nWeeklyNumber = 0;
    g_strQuarterText = "季度 Q";
    g_strMonthsFontName = "微软雅黑";
    g_strMonthsFontSize = "16";
    g_strMonthsFontColor = "7A2E1F";
    g_bMonthsFontBold = 1;
    g_strDaysFontName = "Tahoma";
    g_strDaysFontSize = "14";
    g_strDaysFontColor = "1F3A5F";
    g_bDaysFontBold = 1;
    g_bDaysUnderline = 0;
    g_bPageBreaks = 1;
    g_bAddBlankLineBeforeClass = 1;
    g_strUncheckedWeekFontColor = "999999";

    g_dayCaptions.DEFERENCE = 1;
    g_dayCaptions.REST_COLOR = "8D826D";
    g_dayCaptions.REST_NUMBER_COLOR = "C0392B";
    g_dayCaptions.REST_NUMBER_BOLD = 1;
    g_dayCaptions.THEDAY_NUMBER_COLOR = "3A5FCD";
    g_dayCaptions.THEDAY_NUMBER_BOLD = 1;
    g_bDateInTable = 1;
    g_dateTable.bTable = 1;

    // The month's colours also write the headings of the monthly calendar pages, which stand
    // on the white page: dark text on a light band reads in both places.
    g_calendarStyle.month_bk_color = "F2E6D9";
    g_calendarStyle.month_font_color = "7A2E1F";
    g_calendarStyle.week_bk_color = "7A2E1F";
    g_calendarStyle.week_font_color = "FFFFFF";
    g_calendarStyle.bMonthBold = 1;
    g_calendarStyle.Month_Align = 1;
    g_calendarStyle.font_name = "Tahoma";

    DiaryClassRecord priorities = Boxed(Class("今日要事 Priorities", 3), "F2E6D9", "", "");
    priorities.COL_ItemNumber = 1;
    DiaryClassRecord work = Lined(Class("工作 Work", 4));
    work.COL_UNDONE_TEXT = "[  ] ";
    DiaryClassRecord reading = Class("读书 Reading", 2);
    reading.COL_bSpecialSign = 1;
    reading.COL_SpecialSign = 3;
    DiaryClassRecord thanks = Boxed(Class("感恩 Gratitude", 3), "F2E6D9", "FBF8F3", "FFFFFF");
    thanks.COL_bItemSpecial = 1;
    thanks.COL_ItemSpecial = 2;
    thanks.SpaceRow_ForEveryClass = 1;
    rows = {Row(priorities), Row(work), Row(reading), Row(thanks)};
    levels = {"2", "3"};
}

// Everything on: the simple design with a fifth class, the year planners on two pages, on one
// page and by quarter, and a monthly calendar page with two writing rows a week.
void AllCalendars(ClassListModel& rows, OutlineLevelTexts& levels)
{
    Simple(rows, levels);
    DiaryClassRecord health = Boxed(Class("运动 Exercise", 2), "E3EFE3", "", "");
    health.classTable.bInsertACol = 1;
    health.COL_ItemNumber = 1;
    rows.push_back(Row(health));

    g_bConfigYearPlanner = 1;
    g_yearPlanner.YearPlanner1Page = 1;
    g_yearPlanner.YearPlannerQuarterPlanner = 1;
    g_yearPlanner.str_FontName = "Tahoma";
    g_yearPlanner.str_FontSize = "8";
    // The one-page planner has twelve narrow month columns: "Jan 2026" would wrap.
    g_yearPlanner.MonthFormat_For1PageYearPlanner = "%b";
    g_yearPlanner.color_for_month_bk = "7A2E1F";
    g_yearPlanner.color_for_month_font = "FFFFFF";
    g_yearPlanner.color_for_week0and6_bk = "F2E6D9";
    g_yearPlanner.color_for_day_is_empty_bk = "EEEEEE";
    g_yearPlanner.color_for_double_month_bk = "FBF8F3";
    g_yearPlanner.line_color = "C8B89A";

    MonthCalendarSettings& m = g_monthCalendar;
    m.bAddMonthOfCalendar = 1;
    m.FontName_Day = "Tahoma";
    m.FontBold_Day = 1;
    m.FontUnderlined_Day = 1;
    m.FontAlign_Day = 0;
    m.LineColor_Grid = "C8B89A";
    m.bAddLine[0] = 1;
    m.bAddLine[1] = 1;
    m.b21Days[0] = 1;
    m.b21DaysRest[0] = 1;
    m.i21DaysNotWorkDays[0] = 2;
    m.bAddSpecialSign_06[1] = 1;
    m.iSpecialSign_06[1] = 5;
    m.SpecialSignColor_06[1] = "C0392B";
    m.line06_BKColor_[0] = "FBF8F3";
    m.line06_BKColor_[1] = "FBF8F3";
}

// A range that starts inside a quarter and ends in the next: the yearly calendar shows only
// those two quarters; a monthly page each for March and April.
void Spring(ClassListModel& rows, OutlineLevelTexts& levels)
{
    Simple(rows, levels);
    Range(3, 15, 4, 10);
    g_bShowAllMonths = 0;
    g_strTitle = "Spring notes";
    g_strDayFormat = "%A, %d %B";
    g_strRestDay = " (";
    g_strRestDayBack = " days to go)";
    g_strHadBeenDays.Empty();
    g_strHadBeenDaysBack.Empty();
    g_strWeekEnd = " - weekend";
    g_strQuarterText = "Quarter ";
    g_monthCalendar.bAddMonthOfCalendar = 1;
    g_monthCalendar.bAddLine[0] = 1;
    rows.resize(2);
}

// Saturdays and Sundays get no page of their own: their headings stand on Monday's page.
void Weekdays(ClassListModel& rows, OutlineLevelTexts& levels)
{
    Simple(rows, levels);
    Range(1, 1, 3, 31);
    g_bShowAllMonths = 0;
    g_abUncheckedWeek[0] = 0;
    g_abUncheckedWeek[6] = 0;
    g_strTitle = "工作日 Weekdays";
    g_nWeeklyNumber = 1;
}

// A motto a day from the shipped text file, in a boxed line, over one month.
void Motto(ClassListModel& rows, OutlineLevelTexts& levels)
{
    Simple(rows, levels);
    Range(6, 1, 6, 30);
    g_bShowAllMonths = 0;
    g_strTitle = "六月 June";
    g_bDateInTable = 0;
    g_dateTable.bTable = 0;
    g_bAddTextPerDay = 1;
    g_addText.AddText = 1;
    g_addText.FileName = kMottoFile;
    g_addText.FontName = "微软雅黑";
    g_addText.FontSize = "10.5";
    g_addText.FontColor = "7A2E1F";
    g_addText.FontItalic = 1;
    g_addText.LOOP = 1;
    g_textTable.bTable = 1;
    rows.resize(3);
}

void Hostile(ClassListModel& rows, OutlineLevelTexts& levels)
{
    AllCalendars(rows, levels);
    Range(3, 28, 4, 5);
    g_bShowAllMonths = 0;
    const char* hostile = "A&B <c> \"q\" 'a' 日记";
    g_strTitle = hostile;
    g_strMonthFormat = "%B <&> '\"";
    g_strDayFormat = "%m-%d & <%a> \"'";
    g_strRestDay = " <剩&";
    g_strRestDayBack = " \"天\" >";
    g_strWeekEnd = " '周末' & <>";
    g_strQuarterText = "Q&<>\"' ";
    g_strMonthsFontName = "O'Brien & <Sons>";
    g_calendarStyle.font_name = "\"Quoted\" & Co";
    g_yearPlanner.MonthFormat_For1PageYearPlanner = "<%b> & '%y'";
    g_bAddTextPerDay = 1;
    g_addText.FileName = kMottoFile;
    g_addText.FontSize = "11";
    // Values no dialog stores, set past the load's bounds: the writer must still keep to the schema.
    levels = {"99", "+7abc"};
    g_strMonthsFontColor = "red";
    g_strDaysFontColor = "#FF0000";
    g_bDaysBackGround = 1;
    g_strDaysBackGround = "FF0000FF";
    g_strDaysFontName = "A face name far longer than thirty-one characters";
    g_dateTable.bTable = 1;
    g_dateTable.line_type = "thick2";
    g_calendarStyle.line_type = "unknown";
    g_calendarStyle.month_bk_color = "\x01\x02";
    g_monthCalendar.LineColor_Grid = "12345";
    for (ClassListRow& row : rows) {
        row.cells[kCellTitle] = row.cells[kCellTitle].str() + " & <b> \"'";
        row.cells[kCellUndoneText] = "<&> ";
        row.cells[kCellLineFontName] = "Font \"<&>\"";
        row.cells[kCellClassFontSize] = "-5";
        row.cells[kCellClassFontColor] = "12345";
        row.cells[kCellTableLineType] = "bogus";
        row.cells[kCellSign] = "99";
        row.cells[kCellSignFlag] = "Y";
    }
}

} // namespace

const std::vector<SampleDesign>& ShippedDesigns()
{
    static const std::vector<SampleDesign> designs = {
        {"config/ZaDuzed_Simple.ini", Simple},
        {"config/samples/FullYear_AllCalendars.ini", AllCalendars},
        {"config/samples/Spring_15Mar_10Apr.ini", Spring},
        {"config/samples/Weekdays_Only.ini", Weekdays},
        {"config/samples/Motto_June.ini", Motto},
    };
    return designs;
}

const SampleDesign& HostileDesign()
{
    static const SampleDesign design = {"", Hostile};
    return design;
}

void ApplyDesign(const SampleDesign& design, ClassListModel& rows, OutlineLevelTexts& levels)
{
    ResetAllSettings();
    levels = LoadDesignFile("", rows);
    design.apply(rows, levels);
}

const std::vector<std::string>& MottoLines()
{
    static const std::vector<std::string> lines = {
        "千里之行，始于足下。 A journey of a thousand miles begins with a single step.",
        "Well begun is half done.",
        "学而不思则罔，思而不学则殆。",
        "Little by little, one travels far.",
        "今日事，今日毕。",
    };
    return lines;
}

bool WriteShippedSamples(const std::string& programFolder)
{
    const std::string motto = platform::JoinPath(programFolder, kMottoFile);
    std::vector<TextLineRecord> records;
    for (const std::string& line : MottoLines())
        records.push_back({static_cast<int>(records.size()) + 1, line + "\r\n", static_cast<int>(line.size())});
    CDocxBuilder::DeleteFileIfExists(motto);
    if (!CDocxBuilder::WriteTextLinesToFile(motto, records))
        return false;
    if (!WriteDateFormats(platform::JoinPath(programFolder, kDateFormatFile).c_str(), StarterDateFormats()))
        return false;
    for (const SampleDesign& design : ShippedDesigns()) {
        ClassListModel rows;
        OutlineLevelTexts levels;
        ApplyDesign(design, rows, levels);
        if (!WriteDesignFile(platform::JoinPath(programFolder, design.file).c_str(), rows, levels))
            return false;
    }
    return true;
}
