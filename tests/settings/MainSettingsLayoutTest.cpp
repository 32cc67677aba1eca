// The layout of section Main as the save writes it: the order of the keys is the file's own,
// and other programs and older versions read it, so it must not drift.
#include "SettingsFixture.h"
#include "settings/MainSettings.h"
#include "support/OwnFileMarks.h"

#include <sstream>
#include <vector>

namespace {

std::vector<std::string> KeysOf(const std::string& bytes)
{
    std::vector<std::string> keys;
    std::istringstream lines(bytes);
    std::string line;
    while (std::getline(lines, line)) {
        const auto equals = line.find('=');
        if (equals != std::string::npos)
            keys.push_back(line.substr(0, equals));
    }
    return keys;
}

void Append(std::vector<std::string>& keys, std::initializer_list<const char*> more)
{
    keys.insert(keys.end(), more.begin(), more.end());
}

// Keys of the five monthly-calendar rows, "MonthOfCale_" + stem + n + tail.
void AppendRows(std::vector<std::string>& keys, const char* stem, const char* tail = "")
{
    for (int n = 1; n <= 5; ++n)
        keys.push_back("MonthOfCale_" + std::string(stem) + std::to_string(n) + tail);
}

std::vector<std::string> ExpectedKeys()
{
    std::vector<std::string> k;
    Append(k, {"QuarterText", "Months_FontName", "Days_FontName", "Months_FontSize", "Days_FontSize",
               "Months_FontItalic", "AddABlankLineBeforeClass", "Months_FontBold", "Days_Underline",
               "Days_bBackGround", "Days_FontBold", "Page_Breaks", "Days_FontItalic", "Months_FontColor",
               "Days_FontColor", "Days_BackGround", "Months_Grade", "Days_Grade"});
    Append(k, {"Month_Start", "Month_End", "Day_Start", "Day_End", "Month_Upper", "Month_Format", "Day_Format",
               "RestDay", "RestDay_Back", "HadBeenDays", "HadBeenDays_Back", "WeekEnd", "WeeklyNumber", "Title",
               "AddDateInTitle", "ShowAllMonths"});
    Append(k, {"UncheckedWeekFontColor", "UncheckedWeekFontBold", "UncheckedWeekFontItalic",
               "UncheckedWeekFontDelLine", "UncheckedWeek0", "UncheckedWeek1", "UncheckedWeek2", "UncheckedWeek3",
               "UncheckedWeek4", "UncheckedWeek5", "UncheckedWeek6", "CalendarFormat2Bit"});
    Append(k, {"DEFERENCE", "REST_BOLD", "REST_ITALIC", "REST_COLOR", "REST_NUMBER_BOLD", "REST_NUMBER_ITALIC",
               "REST_NUMBER_COLOR", "THEDAY_NUMBER_BOLD", "THEDAY_NUMBER_ITALIC", "THEDAY_NUMBER_COLOR"});
    Append(k, {"TXT_AddText", "TXT_FileName", "TXT_FontName", "TXT_FontSize", "TXT_FontColor",
               "TXT_BackgroundColor", "TXT_BackgroundColor_Check", "TXT_FontBold", "TXT_FontItalic",
               "TXT_FontUnderline", "TXT_LOOP"});
    for (const char* prefix : {"Date_", "Text_"})
        for (const char* name : {"bTable", "line_color", "line_type", "table_bk_color", "bLineTop", "bLineBottom",
                                 "bLineLeft", "bLineRight", "bLineMiddle"})
            k.push_back(std::string(prefix) + name);
    Append(k, {"Calendar_line_color", "Calendar_line_type", "Calendar_month_bk_color", "Calendar_week_bk_color",
               "Calendar_month_font_color", "Calendar_week_font_color", "Calendar_day0And6_font_color",
               "Calendar_day1To5_font_color", "Calendar_day_nolink_font_color", "Calendar_back_color_day06",
               "Calendar_back_color_day15", "Calendar_back_color_nodiary", "Calendar_back_color_empty",
               "Calendar_font_name", "Calendar_ABlankRowAfterAmonth", "Calendar_Month_Align",
               "Calendar_bMonthBold", "Calendar_bMonthItalic", "Calendar_bMonthStrike", "Calendar_bWeekBold",
               "Calendar_bWeekItalic", "Calendar_bWeekStrike", "Calendar_bDay06Bold", "Calendar_bDay06Italic",
               "Calendar_bDay06Strike", "Calendar_bDay15Bold", "Calendar_bDay15Italic", "Calendar_bDay15Strike",
               "Calendar_bDayNotDiaryBold", "Calendar_bDayNotDiaryItalic", "Calendar_bDayNotDiaryStrike"});
    Append(k, {"MonthOfCale_bAddMonthOfCalendar", "MonthOfCale_FontName", "MonthOfCale_FontSize",
               "MonthOfCale_bLineSnapToGrid", "MonthOfCale_bWeekNameUpper"});
    for (const char* stem : {"bAddLine", "line06_BKColor_", "line15_BKColor_", "line06_FontColor_",
                             "line15_FontColor_", "line06_FontBold_", "line15_FontBold_", "line06_FontItalic_",
                             "line15_FontItalic_", "line06_Strikethrough_", "line15_Strikethrough_", "b21Days",
                             "b21DaysRest", "i21DaysNotWorkDays"})
        AppendRows(k, stem);
    AppendRows(k, "bAddSpecialSign", "_06");
    AppendRows(k, "iSpecialSign", "_06");
    AppendRows(k, "bAddSpecialSign", "_15");
    AppendRows(k, "iSpecialSign", "_15");
    AppendRows(k, "SpecialSignColor", "_15");
    AppendRows(k, "SpecialSignColor", "_06");
    Append(k, {"MonthOfCale_FontName_Day", "MonthOfCale_FontSize_Day", "MonthOfCale_FontAlign_Day",
               "MonthOfCale_FontBold_Day", "MonthOfCale_FontItalic_Day", "MonthOfCale_FontUnderlined_Day"});
    for (const char* stem : {"LineTop", "LineColor_Top", "LineBottom", "LineColor_Bottom"})
        AppendRows(k, stem);
    Append(k, {"MonthOfCale_LineType_Grid", "MonthOfCale_LineColor_Grid"});
    Append(k, {"YearPlanner_str_FontName", "YearPlanner_str_FontSize", "YearPlanner_color_for_month_bk",
               "YearPlanner_color_for_weekname_bk", "YearPlanner_color_for_week1to5_bk",
               "YearPlanner_color_for_week0and6_bk", "YearPlanner_color_for_double_month_bk",
               "Config_YearPlanner_color_for_day_is_empty_bk", "Config_MonthFormat_For1PageYearPlanner",
               "YearPlanner_color_for_month_font", "YearPlanner_color_for_weekname_font",
               "YearPlanner_color_for_week1to5_font", "YearPlanner_color_for_week0and6_font",
               "YearPlanner_line_color", "YearPlanner_line_type_name_in_xml", "Config_YearPlanner1Page",
               "Config_YearPlannerQuarterPlanner", "Config_YearPlanner1Page_MonthUppercase"});
    k.push_back("Config_YearPlanner");
    return k;
}

} // namespace

TEST_F(SettingsTest, SectionMainKeepsItsKeyOrder)
{
    ASSERT_TRUE(SaveMainSettings(File("config.ini").c_str(), {}));
    const std::string bytes = Folder().Read("config.ini");
    ASSERT_EQ(bytes.rfind(kProfileMarkerLine + "[Main]\r\n", 0), 0u);
    EXPECT_EQ(KeysOf(bytes), ExpectedKeys());
}

TEST_F(SettingsTest, FlagsAreWrittenAsDigitsAndOutlineLevelsDefaultToTwoAndThree)
{
    g_bAddDateInTitle = 1;
    g_bShowAllMonths = 0;
    ASSERT_TRUE(SaveMainSettings(File("config.ini").c_str(), {"", "4"}));
    const std::string bytes = Folder().Read("config.ini");
    // " [ 还剩" in the GB18030 bytes of the file, its leading blank kept inside quotes.
    for (const char* line : {"\r\nAddDateInTitle=1\r\n", "\r\nShowAllMonths=0\r\n", "\r\nMonths_Grade=2\r\n",
                             "\r\nDays_Grade=4\r\n", "\r\nRestDay=\" [ \xBB\xB9\xCA\xA3\"\r\n", "\r\nMonth_Format=%b %Y\r\n"})
        EXPECT_NE(bytes.find(line), std::string::npos) << line;
}
