#include "settings/MainSettings.h"

#include "settings/CivilDate.h"
#include "settings/DateTimeOper.h"
#include "settings/IniValues.h"
#include "settings/RecordIo.h"
#include "settings/Settings.h"
#include "settings/SettingsRecords.h"

#include <string>

namespace {

constexpr int kLongestMonth = 31;

std::string WeekKey(int weekday)
{
    return "UncheckedWeek" + std::to_string(weekday);
}

// A month and day that can begin or end a range: 29 February is allowed in every year.
bool IsCalendarDay(int month, int day)
{
    return day >= 1 && day <= civil::DaysInMonth(2000, month);
}

} // namespace

bool IsDateRangeSet()
{
    return IsCalendarDay(g_nMonthStart, g_nDayStart) && IsCalendarDay(g_nMonthEnd, g_nDayEnd) &&
           (g_nMonthStart < g_nMonthEnd || (g_nMonthStart == g_nMonthEnd && g_nDayStart <= g_nDayEnd));
}

void NormaliseDateRange(int year)
{
    // The Windows program's date dialog can store 31 April; a range saved in a leap year can
    // start or end on 29 February.
    const auto holdToMonthEnd = [year](int month, int& day) {
        if (month >= 1 && month <= 12 && day > civil::DaysInMonth(year, month) && day <= kLongestMonth)
            day = civil::DaysInMonth(year, month);
    };
    holdToMonthEnd(g_nMonthStart, g_nDayStart);
    holdToMonthEnd(g_nMonthEnd, g_nDayEnd);
    if (!IsDateRangeSet())
        g_nMonthStart = g_nMonthEnd = g_nDayStart = g_nDayEnd = 0;
}

void LoadDateSettings(const char* file)
{
    const IniSection ini(file, kMainSection);
    g_nMonthStart = ini.Int("Month_Start", 0);
    g_bMonthUpper = ini.BoolDefault("Month_Upper", 1);
    g_nMonthEnd = ini.Int("Month_End", 0);
    g_nDayStart = ini.Int("Day_Start", 0);
    g_nDayEnd = ini.Int("Day_End", 0);
    g_strMonthFormat = ini.Text("Month_Format");
    g_strDayFormat = ini.Text("Day_Format");
    g_strWeekEnd = ini.Caption("WeekEnd");
    g_strRestDay = ini.Caption("RestDay");
    g_strRestDayBack = ini.Caption("RestDay_Back");
    g_strHadBeenDays = ini.Caption("HadBeenDays");
    g_strHadBeenDaysBack = ini.Caption("HadBeenDays_Back");
    g_nWeeklyNumber = ini.Int("WeeklyNumber", 0);
    g_strTitle = ini.Text("Title");
    g_bAddDateInTitle = ini.BoolDefault("AddDateInTitle", 0);
    g_bShowAllMonths = ini.BoolDefault("ShowAllMonths", 0);
    g_bUncheckedWeekFontBold = ini.BoolDefault("UncheckedWeekFontBold", 0);
    g_bUncheckedWeekFontItalic = ini.BoolDefault("UncheckedWeekFontItalic", 1);
    g_bUncheckedWeekFontDelLine = ini.BoolDefault("UncheckedWeekFontDelLine", 1);
    g_bCalendarFormat2Bit = ini.BoolDefault("CalendarFormat2Bit", 1);
    g_strUncheckedWeekFontColor = ini.TextOr("UncheckedWeekFontColor", "666666");
    for (int weekday = 0; weekday < 7; ++weekday)
        g_abUncheckedWeek[weekday] = ini.BoolDefault(WeekKey(weekday).c_str(), 1);
    NormaliseDateRange(CDateTimeOper().GetCurrentYear());
    LoadAddTextSettings(file, kMainSection);
}

OutlineLevelTexts LoadMainSettings(const char* file)
{
    const IniSection ini(file, kMainSection);
    g_strQuarterText = ini.Text("QuarterText");
    g_strMonthsFontName = ini.TextOr("Months_FontName", g_strMonthsFontName);
    g_strDaysFontName = ini.TextOr("Days_FontName", g_strDaysFontName);
    g_bAddBlankLineBeforeClass = ini.Bool2("AddABlankLineBeforeClass", 0);
    g_bPageBreaks = ini.Bool2("Page_Breaks", 1);
    g_bMonthsFontBold = ini.Bool("Months_FontBold");
    g_bMonthsFontItalic = ini.BoolDefault("Months_FontItalic", 0);
    g_bDaysFontBold = ini.Bool("Days_FontBold");
    g_bDaysFontItalic = ini.Bool("Days_FontItalic");
    g_bDaysUnderline = ini.Bool2("Days_Underline", 1);
    OutlineLevelTexts levels;
    levels.month = ini.Text("Months_Grade");
    levels.day = ini.Text("Days_Grade");
    g_strMonthsFontColor = ini.Text("Months_FontColor");
    g_strDaysFontColor = ini.Text("Days_FontColor");
    g_bDaysBackGround = ini.BoolDefault("Days_bBackGround", 0);
    g_strDaysBackGround = ini.Text("Days_BackGround");
    g_strMonthsFontSize = ini.TextOr("Months_FontSize", "11");
    g_strDaysFontSize = ini.TextOr("Days_FontSize", "11");
    LoadDayCaptionSettings(file, kMainSection);
    LoadCalendarStyle(file, kMainSection);
    LoadMonthCalendarSettings(file, kMainSection);
    LoadYearPlannerSettings(file, kMainSection);
    LoadDateTableSettings(file, kMainSection);
    LoadTextTableSettings(file, kMainSection);
    return levels;
}

bool SaveMainSettings(const char* file, const OutlineLevelTexts& boxes)
{
    IniSection ini(file, kMainSection);
    ini.WriteText("QuarterText", g_strQuarterText);
    ini.WriteText("Months_FontName", g_strMonthsFontName);
    ini.WriteText("Days_FontName", g_strDaysFontName);
    ini.WriteText("Months_FontSize", g_strMonthsFontSize);
    ini.WriteText("Days_FontSize", g_strDaysFontSize);
    ini.WriteOneZero("Months_FontItalic", g_bMonthsFontItalic);
    ini.WriteOneZero("AddABlankLineBeforeClass", g_bAddBlankLineBeforeClass);
    ini.WriteOneZero("Months_FontBold", g_bMonthsFontBold);
    ini.WriteOneZero("Days_Underline", g_bDaysUnderline);
    ini.WriteInt("Days_bBackGround", g_bDaysBackGround);
    ini.WriteInt("Days_FontBold", g_bDaysFontBold);
    ini.WriteOneZero("Page_Breaks", g_bPageBreaks);
    ini.WriteOneZero("Days_FontItalic", g_bDaysFontItalic);
    ini.WriteText("Months_FontColor", g_strMonthsFontColor);
    ini.WriteText("Days_FontColor", g_strDaysFontColor);
    ini.WriteText("Days_BackGround", g_strDaysBackGround);
    ini.WriteText("Months_Grade", boxes.month.IsEmpty() ? CString("2") : boxes.month);
    ini.WriteText("Days_Grade", boxes.day.IsEmpty() ? CString("3") : boxes.day);

    ini.WriteInt("Month_Start", g_nMonthStart);
    ini.WriteInt("Month_End", g_nMonthEnd);
    ini.WriteInt("Day_Start", g_nDayStart);
    ini.WriteInt("Day_End", g_nDayEnd);
    ini.WriteInt("Month_Upper", g_bMonthUpper);
    ini.WriteText("Month_Format", g_strMonthFormat);
    ini.WriteText("Day_Format", g_strDayFormat);
    ini.WriteText("RestDay", g_strRestDay);
    ini.WriteText("RestDay_Back", g_strRestDayBack);
    ini.WriteText("HadBeenDays", g_strHadBeenDays);
    ini.WriteText("HadBeenDays_Back", g_strHadBeenDaysBack);
    ini.WriteText("WeekEnd", g_strWeekEnd);
    ini.WriteInt("WeeklyNumber", g_nWeeklyNumber);
    ini.WriteText("Title", g_strTitle);
    ini.WriteOneZero("AddDateInTitle", g_bAddDateInTitle);
    ini.WriteOneZero("ShowAllMonths", g_bShowAllMonths);

    ini.WriteText("UncheckedWeekFontColor", g_strUncheckedWeekFontColor);
    ini.WriteInt("UncheckedWeekFontBold", g_bUncheckedWeekFontBold);
    ini.WriteInt("UncheckedWeekFontItalic", g_bUncheckedWeekFontItalic);
    ini.WriteInt("UncheckedWeekFontDelLine", g_bUncheckedWeekFontDelLine);
    for (int weekday = 0; weekday < 7; ++weekday)
        ini.WriteInt(WeekKey(weekday).c_str(), g_abUncheckedWeek[weekday]);
    ini.WriteInt("CalendarFormat2Bit", g_bCalendarFormat2Bit);

    bool written = ini.AllWritten();
    written = SaveDayCaptionSettings(file, kMainSection) && written;
    written = SaveAddTextSettings(file, kMainSection) && written;
    written = SaveDateTableSettings(file, kMainSection) && written;
    written = SaveTextTableSettings(file, kMainSection) && written;
    written = SaveCalendarStyle(file, kMainSection) && written;
    written = SaveMonthCalendarSettings(file, kMainSection) && written;
    written = SaveYearPlannerSettings(file, kMainSection) && written;
    return WriteIniInt(file, kMainSection, "Config_YearPlanner", g_bConfigYearPlanner) && written;
}
