// Section Main written and read back: every setting and record survives, apart from the
// asymmetries the file format has (keys written but not read, empty values that take defaults).
#include "SettingsFixture.h"
#include "platform/CodePage.h"
#include "settings/MainSettings.h"

#include <array>
#include <sys/stat.h>
#include <tuple>

namespace {

// Every single setting that section Main stores, as one comparable value.
auto StoredSingleSettings()
{
    return std::make_tuple(
        g_nMonthStart, g_nMonthEnd, g_nDayStart, g_nDayEnd, g_bMonthUpper, g_strMonthFormat, g_strDayFormat,
        g_nWeeklyNumber, g_strRestDay, g_strRestDayBack, g_strHadBeenDays, g_strHadBeenDaysBack, g_strWeekEnd,
        g_strTitle, g_bAddDateInTitle, g_bShowAllMonths, g_bCalendarFormat2Bit, std::to_array(g_abUncheckedWeek),
        g_strUncheckedWeekFontColor, g_bUncheckedWeekFontBold, g_bUncheckedWeekFontItalic,
        g_bUncheckedWeekFontDelLine, g_strQuarterText, g_bConfigYearPlanner, g_strMonthsFontName,
        g_strMonthsFontSize, g_bMonthsFontBold, g_bMonthsFontItalic, g_strMonthsFontColor, g_strDaysFontName,
        g_strDaysFontSize, g_bDaysFontBold, g_bDaysFontItalic, g_bDaysUnderline, g_strDaysFontColor,
        g_bDaysBackGround, g_strDaysBackGround, g_bPageBreaks, g_bAddBlankLineBeforeClass, g_bAddTextPerDay,
        g_bDateInTable);
}

template <typename T>
void ExpectSame(const T& expected, const T& actual, size_t index)
{
    EXPECT_EQ(expected, actual) << "single setting #" << index;
}

template <typename Tuple, size_t... I>
void ExpectSameElements(const Tuple& expected, const Tuple& actual, std::index_sequence<I...>)
{
    (ExpectSame(std::get<I>(expected), std::get<I>(actual), I), ...);
}

template <typename Tuple>
void ExpectSameSettings(const Tuple& expected, const Tuple& actual)
{
    ExpectSameElements(expected, actual, std::make_index_sequence<std::tuple_size_v<Tuple>>{});
}

// A value for every setting that differs from its start value, its reset and its default.
void SetUnusualValues(const std::string& mottoFile)
{
    g_nMonthStart = 2;
    g_nMonthEnd = 11;
    g_nDayStart = 15;
    g_nDayEnd = 20;
    g_bMonthUpper = 0;
    g_strMonthFormat = "%Y年%m月";
    g_strDayFormat = "%A %d";
    g_nWeeklyNumber = 0;
    g_strRestDay = " 剩下";
    g_strRestDayBack = " 天!";
    g_strHadBeenDays = " 第";
    g_strHadBeenDaysBack = " 日";
    g_strWeekEnd = " <周末 & 休息>";
    g_strTitle = "我的日记 = 2027";
    g_bAddDateInTitle = 0;
    g_bShowAllMonths = 0;
    g_bCalendarFormat2Bit = 0;
    for (int weekday = 0; weekday < 7; ++weekday)
        g_abUncheckedWeek[weekday] = static_cast<BYTE>(weekday % 2);
    g_strUncheckedWeekFontColor = "123456";
    g_bUncheckedWeekFontBold = 1;
    g_bUncheckedWeekFontItalic = 0;
    g_bUncheckedWeekFontDelLine = 0;
    g_strQuarterText = "Q";
    g_bConfigYearPlanner = 1;
    g_strMonthsFontName = "宋体";
    g_strMonthsFontSize = "10.5";
    g_bMonthsFontBold = 1;
    g_bMonthsFontItalic = 1;
    g_strMonthsFontColor = "";
    g_strDaysFontName = "Courier New";
    g_strDaysFontSize = "14";
    g_bDaysFontBold = 1;
    g_bDaysFontItalic = 1;
    g_bDaysUnderline = 0;
    g_strDaysFontColor = "ABCDEF";
    g_bDaysBackGround = 1;
    g_strDaysBackGround = "FEDCBA";
    g_bPageBreaks = 0;
    g_bAddBlankLineBeforeClass = 1;
    g_bAddTextPerDay = 1;
    g_bDateInTable = 1;

    g_dateTable = {1, "010101", "wave", "0E0E0E", 0, 0, 1, 1, 0};
    g_textTable = {0, "020202", "dotDash", "030303", 0, 1, 1, 0, 0};
    g_addText = {1, mottoFile.c_str(), "楷体", "9", "9", "040404", "", 1, 1, 1, 1, 1};

    DayCaptionSettings& d = g_dayCaptions;
    d.DEFERENCE = 1;
    d.REST_BOLD = 1;
    d.REST_ITALIC = 1;
    d.REST_COLOR = "0A0A0A";
    d.REST_NUMBER_BOLD = 1;
    d.REST_NUMBER_ITALIC = 1;
    d.REST_NUMBER_COLOR = "0B0B0B";
    d.THEDAY_NUMBER_BOLD = 1;
    d.THEDAY_NUMBER_ITALIC = 1;
    d.THEDAY_NUMBER_COLOR = "0C0C0C";
    d.RestDay = g_strRestDay;
    d.RestDay_Back = g_strRestDayBack;
    d.HadBeenDays = g_strHadBeenDays;
    d.HadBeenDays_Back = g_strHadBeenDaysBack;
    d.WeekEnd = g_strWeekEnd;

    CalendarStyle& c = g_calendarStyle;
    const char* colours[] = {"111111", "222222", "333333", "444444", "555555", "666666", "888888",
                             "999999", "AAAAAA", "BBBBBB", "CCCCCC", "DDDDDD"};
    CString* calendarColours[] = {&c.month_font_color, &c.month_bk_color, &c.week_font_color,
                                  &c.week_bk_color, &c.line_color, &c.day0And6_font_color,
                                  &c.day1To5_font_color, &c.day_nolink_font_color, &c.back_color_day06,
                                  &c.back_color_day15, &c.back_color_nodiary, &c.back_color_empty};
    for (size_t i = 0; i < std::size(calendarColours); ++i)
        *calendarColours[i] = colours[i];
    c.line_type = "dashed";
    c.ABlankRowAfterAmonth = 0;
    c.MonthFormat = g_strMonthFormat;
    c.font_name = "黑体";
    c.Month_Align = 2;
    for (BYTE* flag : {&c.bMonthBold, &c.bMonthItalic, &c.bMonthStrike, &c.bWeekBold, &c.bWeekItalic,
                       &c.bWeekStrike, &c.bDay06Bold, &c.bDay06Italic, &c.bDay06Strike, &c.bDay15Bold,
                       &c.bDay15Italic, &c.bDay15Strike, &c.bDayNotDiaryBold, &c.bDayNotDiaryItalic,
                       &c.bDayNotDiaryStrike})
        *flag = 1;

    YearPlannerSettings& y = g_yearPlanner;
    y.YearPlanner1Page = 1;
    y.YearPlannerQuarterPlanner = 1;
    y.str_FontName = "Arial";
    y.str_FontSize = "8";
    CString* plannerColours[] = {&y.color_for_month_bk, &y.color_for_month_font, &y.color_for_weekname_bk,
                                 &y.color_for_weekname_font, &y.color_for_week1to5_bk,
                                 &y.color_for_week1to5_font, &y.color_for_week0and6_bk,
                                 &y.color_for_week0and6_font, &y.color_for_day_is_empty_bk, &y.line_color,
                                 &y.color_for_double_month_bk};
    for (size_t i = 0; i < std::size(plannerColours); ++i)
        *plannerColours[i] = colours[i];
    y.line_type_name_in_xml = "dotDotDash";
    y.YearPlanner1Page_MonthUppercase = 1;
    y.MonthFormat_For1PageYearPlanner = "%B";

    MonthCalendarSettings& m = g_monthCalendar;
    m.bAddMonthOfCalendar = 1;
    m.FontName = "仿宋";
    m.FontSize = "12";
    m.bWeekNameUpper = 1;
    m.LineType_Grid = "wave";
    m.LineColor_Grid = "0D0D0D";
    for (int i = 0; i < MonthCalendarSettings::kRows; ++i) {
        CString row;
        row.Format("%02d", i);
        m.bAddLine[i] = static_cast<BYTE>(i % 2);   // rows 1, 3, 5 off: their empty default is on
        m.line06_BKColor_[i] = "A0A0" + row;
        m.line15_BKColor_[i] = "A1A1" + row;
        m.line06_FontColor_[i] = "A2A2" + row;
        m.line15_FontColor_[i] = "A3A3" + row;
        m.line06_FontBold_[i] = m.line15_FontBold_[i] = 1;
        m.line06_FontItalic_[i] = m.line15_FontItalic_[i] = 1;
        m.line06_Strikethrough_[i] = m.line15_Strikethrough_[i] = 1;
        m.b21Days[i] = m.b21DaysRest[i] = 1;
        m.i21DaysNotWorkDays[i] = 10 + i;
        m.bAddSpecialSign_06[i] = m.bAddSpecialSign_15[i] = 1;
        m.iSpecialSign_06[i] = 20 + i;
        m.iSpecialSign_15[i] = 25 - i;
        m.SpecialSignColor_06[i] = "A4A4" + row;
        m.SpecialSignColor_15[i] = "A5A5" + row;
        m.LineTop[i] = "single";
        m.LineColor_Top[i] = "A6A6" + row;
        m.LineBottom[i] = "dashed";
        m.LineColor_Bottom[i] = "A7A7" + row;
    }
    m.FontName_Day = "Arial Black";
    m.FontSize_Day = "16";
    m.FontBold_Day = m.FontItalic_Day = m.FontUnderlined_Day = 1;
    m.FontAlign_Day = 1;
    m.bLineSnapToGrid = 1;
}

void LoadAll(const std::string& file, OutlineLevelTexts* levels)
{
    LoadDateSettings(file.c_str());
    *levels = LoadMainSettings(file.c_str());
}

} // namespace

TEST_F(SettingsTest, EverySettingAndRecordSurvivesSaveAndLoad)
{
    const std::string motto = File("格言.txt");
    Folder().Write("格言.txt", "one\r\n");
    SetUnusualValues(motto);
    const auto singles = StoredSingleSettings();
    const auto dateTable = g_dateTable;
    const auto textTable = g_textTable;
    const auto addText = g_addText;
    const auto captions = g_dayCaptions;
    const auto calendar = g_calendarStyle;
    const auto planner = g_yearPlanner;
    const auto monthCalendar = g_monthCalendar;

    const std::string file = File("config.ini");
    ASSERT_TRUE(SaveMainSettings(file.c_str(), {"4", "5"}));
    ResetAll();
    OutlineLevelTexts levels;
    LoadAll(file, &levels);

    ExpectSameSettings(singles, StoredSingleSettings());
    EXPECT_EQ(levels.month, "4");
    EXPECT_EQ(levels.day, "5");
    // bLineMiddle is never read back, so it keeps the reset's 0; everything else returns.
    EXPECT_EQ(g_dateTable, dateTable);
    EXPECT_EQ(g_textTable, textTable);
    EXPECT_EQ(g_addText, addText);
    EXPECT_EQ(g_dayCaptions, captions);
    EXPECT_EQ(g_calendarStyle, calendar);
    EXPECT_EQ(g_yearPlanner, planner);
    EXPECT_EQ(g_monthCalendar, monthCalendar);
    // Working copies are not stored.
    EXPECT_EQ(g_monthCalendarEdit, MonthCalendarDefaults());

    // The file is GB18030 on disk: "季度" never appears as UTF-8.
    const std::string bytes = Folder().Read("config.ini");
    EXPECT_NE(bytes.find(platform::EncodeGb18030("Title=我的日记 = 2027")), std::string::npos);
    EXPECT_EQ(bytes.find("我的日记"), std::string::npos);
}

TEST_F(SettingsTest, KnownAsymmetriesOfTheFileFormat)
{
    SetUnusualValues(File("missing-motto.txt"));
    g_strTitle = "  leading blanks";
    g_strWeekEnd = "no blank";
    g_strRestDay = "";
    g_strUncheckedWeekFontColor = "";
    g_calendarStyle.month_bk_color = "";
    g_dateTable.line_color = "";
    g_dateTable.bLineMiddle = 1;
    g_strMonthFormat = "";
    const std::string file = File("config.ini");
    ASSERT_TRUE(SaveMainSettings(file.c_str(), {"", ""}));
    ResetAll();
    g_dateTable.bLineMiddle = 0;
    OutlineLevelTexts levels;
    LoadAll(file, &levels);

    EXPECT_EQ(g_strTitle, "  leading blanks") << "kept inside quotes";
    EXPECT_EQ(g_strWeekEnd, "no blank") << "a caption reads back as written";
    EXPECT_EQ(g_strRestDay, "");
    EXPECT_EQ(g_strUncheckedWeekFontColor, "666666");
    EXPECT_EQ(g_calendarStyle.month_bk_color, "FFFFFF");
    EXPECT_EQ(g_dateTable.line_color, "D2B48C") << "an empty value keeps what the record held";
    EXPECT_EQ(g_dateTable.bLineMiddle, 0);
    EXPECT_EQ(g_strMonthFormat, "%B %Y");
    EXPECT_EQ(g_calendarStyle.MonthFormat, "%B %Y");
    EXPECT_EQ(levels.month, "2");
    EXPECT_EQ(levels.day, "3");
    // The motto file is missing: lines are off, but the box keeps the choice and saves it again.
    EXPECT_EQ(g_addText.AddText, 0);
    EXPECT_EQ(g_bAddTextPerDay, 1);
    ASSERT_TRUE(SaveMainSettings(file.c_str(), levels));
    EXPECT_NE(Folder().Read("config.ini").find("TXT_AddText=1\r\n"), std::string::npos);
}

TEST_F(SettingsTest, WritingFailsVisiblyOnAReadOnlyFile)
{
    const std::string file = File("config.ini");
    ASSERT_TRUE(SaveMainSettings(file.c_str(), {}));
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    EXPECT_FALSE(SaveMainSettings(file.c_str(), {}));
}
