// A configuration file as the Windows program wrote it: GB2312 bytes, CR LF, some keys
// missing, some empty, some with leading blanks. It loads to the values and defaults the
// load rules give.
#include "SettingsFixture.h"
#include "settings/MainSettings.h"

namespace {

// GB2312 bytes of the Chinese texts below, spelled out so the test does not lean on our encoder.
const std::string kQuarter = "\xBC\xBE\xB6\xC8";     // 季度
const std::string kLeft = "\xBB\xB9\xCA\xA3";        // 还剩
const std::string kDay = "\xCC\xEC";                 // 天
const std::string kWeekend = "\xD6\xDC\xC4\xA9";     // 周末
const std::string kSong = "\xCB\xCE\xCC\xE5";        // 宋体
const std::string kMyDiary = "\xCE\xD2\xB5\xC4\xC8\xD5\xBC\xC7";   // 我的日记

std::string WindowsFile()
{
    return "[Main]\r\n"
           "QuarterText=" + kQuarter + ":\r\n"
           "Months_FontName=\r\n"
           "Days_FontName=" + kSong + "\r\n"
           "Months_FontSize=\r\n"
           "Months_FontBold=yes\r\n"
           "Days_Underline=\r\n"
           "Months_Grade=1\r\n"
           "Month_Start=2\r\n"
           "Day_Start=   15\r\n"
           "Month_End=11\r\n"
           "Day_End=30\r\n"
           "Month_Upper=0\r\n"
           "Month_Format=\r\n"
           "RestDay= [ " + kLeft + "\r\n"
           "RestDay_Back=" + kDay + " ]\r\n"
           "HadBeenDays=\r\n"
           "WeekEnd=\"[ " + kWeekend + " ]\"\r\n"
           "Title=   " + kMyDiary + "   \r\n"
           "AddDateInTitle=\r\n"
           "UncheckedWeek3=0\r\n"
           "UncheckedWeek6=2\r\n"
           "UncheckedWeekFontColor=\r\n"
           "DEFERENCE=1\r\n"
           "REST_COLOR=\r\n"
           "Date_bLineBottom=1\r\n"
           "Text_bLineBottom=0\r\n"
           "Text_line_type=\r\n"
           "Calendar_ABlankRowAfterAmonth=\r\n"
           "Calendar_bWeekBold=2\r\n"
           "MonthOfCale_bAddLine2=\r\n"
           "MonthOfCale_bAddLine3=0\r\n"
           "MonthOfCale_i21DaysNotWorkDays4=\r\n"
           "YearPlanner_str_FontSize=\r\n"
           "Config_YearPlanner=7\r\n"
           "\r\n"
           "[LIST0]\r\n"
           "COL_ID=1\r\n";
}

} // namespace

TEST_F(SettingsTest, WindowsFileLoadsToItsValuesAndTheDefaults)
{
    Folder().Write("win.ini", WindowsFile());
    const std::string file = File("win.ini");
    LoadDateSettings(file.c_str());
    const OutlineLevelTexts levels = LoadMainSettings(file.c_str());

    // Values as stored, in UTF-8 now.
    EXPECT_EQ(g_strQuarterText, "季度:");
    EXPECT_EQ(g_strDaysFontName, "宋体");
    EXPECT_EQ(g_strTitle, "我的日记");
    EXPECT_EQ(g_nMonthStart, 2);
    EXPECT_EQ(g_nDayStart, 15);
    EXPECT_EQ(g_nMonthEnd, 11);
    EXPECT_EQ(g_nDayEnd, 30);
    EXPECT_EQ(g_bMonthUpper, 0);
    EXPECT_EQ(levels.month, "1");
    EXPECT_EQ(levels.day, "");
    // Captions get back the blank the file format drops; a quoted value loses its quotes.
    EXPECT_EQ(g_strRestDay, " [ 还剩");
    EXPECT_EQ(g_strRestDayBack, " 天 ]");
    EXPECT_EQ(g_strHadBeenDays, "");
    EXPECT_EQ(g_strWeekEnd, " [ 周末 ]");
    EXPECT_EQ(g_dayCaptions.RestDay, " [ 还剩");
    EXPECT_EQ(g_dayCaptions.WeekEnd, " [ 周末 ]");
    // Empty or missing keys.
    EXPECT_EQ(g_strMonthsFontName, "Tahoma") << "non-empty only: keeps the start value";
    EXPECT_EQ(g_strMonthsFontSize, "11");
    EXPECT_EQ(g_bMonthsFontBold, 0) << "only \"1\" sets it";
    EXPECT_EQ(g_bDaysUnderline, 1);
    EXPECT_EQ(g_bPageBreaks, 1);
    EXPECT_EQ(g_strMonthFormat, "%B %Y");
    EXPECT_EQ(g_strDayFormat, "");
    EXPECT_EQ(g_nWeeklyNumber, 0);
    EXPECT_EQ(g_bAddDateInTitle, 0);
    EXPECT_EQ(g_bShowAllMonths, 0);
    EXPECT_EQ(g_bCalendarFormat2Bit, 1);
    EXPECT_EQ(g_strUncheckedWeekFontColor, "666666");
    EXPECT_EQ(g_bUncheckedWeekFontItalic, 1);
    const BYTE expectedWeek[7] = {1, 1, 1, 0, 1, 1, 1};
    for (int weekday = 0; weekday < 7; ++weekday)
        EXPECT_EQ(g_abUncheckedWeek[weekday], expectedWeek[weekday]) << "weekday " << weekday;
    EXPECT_EQ(g_dayCaptions.DEFERENCE, 1);
    EXPECT_EQ(g_dayCaptions.REST_COLOR, "000000");
    EXPECT_EQ(g_dateTable.bLineBottom, 1);
    EXPECT_EQ(g_textTable.bLineBottom, 0);
    EXPECT_EQ(g_textTable.line_type, "dashSmallGap") << "keep: the reset's value stays";
    EXPECT_EQ(g_calendarStyle.ABlankRowAfterAmonth, 1);
    EXPECT_EQ(g_calendarStyle.bWeekBold, 0) << "\"1\" only";
    EXPECT_EQ(g_calendarStyle.line_type, "dotted");
    EXPECT_EQ(g_calendarStyle.font_name, "Microsoft Sans Serif");
    EXPECT_EQ(g_calendarStyle.day1To5_font_color, "3A5FCD");
    EXPECT_EQ(g_monthCalendar.bAddLine[1], 1) << "empty reads as on, although the reset is off";
    EXPECT_EQ(g_monthCalendar.bAddLine[2], 0);
    EXPECT_EQ(g_monthCalendar.i21DaysNotWorkDays[3], 1);
    EXPECT_EQ(g_monthCalendar.iSpecialSign_06[0], 1);
    EXPECT_EQ(g_monthCalendar.FontSize, "10");
    EXPECT_EQ(g_monthCalendar.LineTop[4], "dotted");
    EXPECT_EQ(g_yearPlanner.str_FontSize, "11");
    EXPECT_EQ(g_yearPlanner.MonthFormat_For1PageYearPlanner, "%b %Y");
    EXPECT_EQ(g_bConfigYearPlanner, 1) << "any integer but 0 sets it";
    EXPECT_EQ(g_addText.AddText, 0);
}

TEST_F(SettingsTest, MissingEmptyBinaryOrTruncatedFilesLoadTheDefaults)
{
    Folder().Write("empty.ini", "");
    Folder().Write("binary.ini", std::string("\x7F" "ELF\x02\x01\x01\x00\x00\xFF\xFE\x81", 12));
    Folder().Write("cut.ini", "[Main]\r\nMonth_Start=3\r\nTitle=" + kMyDiary.substr(0, 3));
    for (const char* name : {"missing.ini", "empty.ini", "binary.ini"}) {
        ResetAll();
        LoadDateSettings(File(name).c_str());
        const OutlineLevelTexts levels = LoadMainSettings(File(name).c_str());
        EXPECT_EQ(g_nMonthStart, 0) << name;
        EXPECT_EQ(g_nDayEnd, 0) << name;
        EXPECT_EQ(g_strTitle, "") << name;
        EXPECT_EQ(g_strMonthFormat, "%B %Y") << name;
        EXPECT_EQ(g_strMonthsFontName, "Tahoma") << name;
        EXPECT_EQ(g_abUncheckedWeek[3], 1) << name;
        EXPECT_EQ(g_calendarStyle.week_bk_color, "808080") << name;
        EXPECT_EQ(g_yearPlanner.str_FontName, "Microsoft Sans Serif") << name;
        EXPECT_EQ(levels.month, "") << name;
    }
    ResetAll();
    LoadDateSettings(File("cut.ini").c_str());
    EXPECT_EQ(g_nMonthStart, 0) << "a range without its other ends is not set";
    EXPECT_EQ(g_strTitle, "我\xEF\xBF\xBD") << "the cut character becomes a replacement character";
}

TEST_F(SettingsTest, StoredDateRangeOutsideTheCalendarIsTakenAsNotSetAndADayPastItsMonthAsItsLast)
{
    struct Case {
        const char* keys;
        int monthStart, dayStart, monthEnd, dayEnd;
    };
    const Case cases[] = {
        {"Month_Start=1\nDay_Start=1\nMonth_End=12\nDay_End=31\n", 1, 1, 12, 31},
        {"Month_Start=13\nDay_Start=1\nMonth_End=12\nDay_End=31\n", 0, 0, 0, 0},
        {"Month_Start=1\nDay_Start=40\nMonth_End=12\nDay_End=31\n", 0, 0, 0, 0},
        {"Month_Start=4\nDay_Start=31\nMonth_End=12\nDay_End=31\n", 4, 30, 12, 31},
        {"Month_Start=1\nDay_Start=1\nMonth_End=4\nDay_End=31\n", 1, 1, 4, 30},
        {"Month_Start=4\nDay_Start=31\nMonth_End=4\nDay_End=30\n", 4, 30, 4, 30},
        {"Month_Start=6\nDay_Start=31\nMonth_End=9\nDay_End=31\n", 6, 30, 9, 30},
        {"Month_Start=1\nDay_Start=1\nMonth_End=4\nDay_End=32\n", 0, 0, 0, 0},
        {"Month_Start=1\nDay_Start=0\nMonth_End=4\nDay_End=30\n", 0, 0, 0, 0},
        {"Month_Start=5\nDay_Start=31\nMonth_End=4\nDay_End=31\n", 0, 0, 0, 0},
        {"Month_Start=-3\nDay_Start=1\nMonth_End=12\nDay_End=31\n", 0, 0, 0, 0},
        {"Month_Start=6\nDay_Start=1\nMonth_End=3\nDay_End=31\n", 0, 0, 0, 0},
        {"Month_Start=6\nDay_Start=20\nMonth_End=6\nDay_End=10\n", 0, 0, 0, 0},
        {"Month_Start=6\nDay_Start=10\nMonth_End=6\nDay_End=10\n", 6, 10, 6, 10},
        {"Month_Start=99999999999\nDay_Start=1\nMonth_End=12\nDay_End=31\n", 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        Folder().Write("range.ini", std::string("[Main]\n") + c.keys);
        LoadDateSettings(File("range.ini").c_str());
        EXPECT_EQ(g_nMonthStart, c.monthStart) << c.keys;
        EXPECT_EQ(g_nDayStart, c.dayStart) << c.keys;
        EXPECT_EQ(g_nMonthEnd, c.monthEnd) << c.keys;
        EXPECT_EQ(g_nDayEnd, c.dayEnd) << c.keys;
    }
}

TEST_F(SettingsTest, DaysPastTheEndOfFebruaryFollowTheYear)
{
    g_nMonthStart = 2;
    g_nDayStart = 29;
    g_nMonthEnd = 2;
    g_nDayEnd = 29;
    NormaliseDateRange(2028);
    EXPECT_EQ(g_nDayEnd, 29);
    NormaliseDateRange(2027);
    EXPECT_EQ(g_nDayStart, 28);
    EXPECT_EQ(g_nDayEnd, 28);

    // Days past the end of February as the Windows program's dialog can store them.
    g_nDayStart = 30;
    g_nDayEnd = 31;
    NormaliseDateRange(2028);
    EXPECT_EQ(g_nDayStart, 29);
    EXPECT_EQ(g_nDayEnd, 29);
    g_nDayStart = 29;
    g_nDayEnd = 28;
    NormaliseDateRange(2027);
    EXPECT_EQ(g_nMonthStart, 2) << "the 28th to the 28th is a range";
    EXPECT_EQ(g_nDayStart, 28);
}
