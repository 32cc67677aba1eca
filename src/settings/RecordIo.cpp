#include "settings/RecordIo.h"

#include "platform/Files.h"
#include "settings/IniValues.h"
#include "settings/Settings.h"
#include "settings/SettingsRecords.h"

#include <string>

namespace {

constexpr int kRows = MonthCalendarSettings::kRows;

std::string Key(const char* prefix, const char* name)
{
    return std::string(prefix) + name;
}

// Keys of the monthly calendar's rows: the row number 1 to 5 sits between a stem and a tail.
std::string RowKey(const char* stem, int row, const char* tail = "")
{
    return "MonthOfCale_" + std::string(stem) + std::to_string(row + 1) + tail;
}

void LoadTable(const char* file, const char* section, const char* prefix, TableLineSettings& t)
{
    const IniSection ini(file, section);
    t.bTable = ini.BoolDefault(Key(prefix, "bTable").c_str(), 0);
    t.line_type = ini.TextOr(Key(prefix, "line_type").c_str(), t.line_type);
    t.line_color = ini.TextOr(Key(prefix, "line_color").c_str(), t.line_color);
    // The table dialog stores an empty background for none.
    t.table_bk_color = ini.TextIfPresent(Key(prefix, "table_bk_color").c_str(), t.table_bk_color);
    t.bLineTop = ini.BoolDefault(Key(prefix, "bLineTop").c_str(), t.bLineTop);
    t.bLineBottom = ini.BoolDefault(Key(prefix, "bLineBottom").c_str(), t.bLineBottom);
    t.bLineLeft = ini.BoolDefault(Key(prefix, "bLineLeft").c_str(), t.bLineLeft);
    t.bLineRight = ini.BoolDefault(Key(prefix, "bLineRight").c_str(), t.bLineRight);
    // bLineMiddle is written but never read back.
}

bool SaveTable(const char* file, const char* section, const char* prefix, const TableLineSettings& t)
{
    IniSection ini(file, section);
    ini.WriteInt(Key(prefix, "bTable").c_str(), t.bTable);
    ini.WriteText(Key(prefix, "line_color").c_str(), t.line_color);
    ini.WriteText(Key(prefix, "line_type").c_str(), t.line_type);
    ini.WriteText(Key(prefix, "table_bk_color").c_str(), t.table_bk_color);
    ini.WriteInt(Key(prefix, "bLineTop").c_str(), t.bLineTop);
    ini.WriteInt(Key(prefix, "bLineBottom").c_str(), t.bLineBottom);
    ini.WriteInt(Key(prefix, "bLineLeft").c_str(), t.bLineLeft);
    ini.WriteInt(Key(prefix, "bLineRight").c_str(), t.bLineRight);
    ini.WriteInt(Key(prefix, "bLineMiddle").c_str(), t.bLineMiddle);
    return ini.AllWritten();
}

} // namespace

void LoadDateTableSettings(const char* file, const char* section)
{
    LoadTable(file, section, "Date_", g_dateTable);
    g_bDateInTable = g_dateTable.bTable;
}

void LoadTextTableSettings(const char* file, const char* section)
{
    LoadTable(file, section, "Text_", g_textTable);
}

bool SaveDateTableSettings(const char* file, const char* section)
{
    g_dateTable.bTable = g_bDateInTable;
    return SaveTable(file, section, "Date_", g_dateTable);
}

bool SaveTextTableSettings(const char* file, const char* section)
{
    return SaveTable(file, section, "Text_", g_textTable);
}

void LoadAddTextSettings(const char* file, const char* section)
{
    const IniSection ini(file, section);
    AddTextSettings& a = g_addText;
    a.FileName = ini.Text("TXT_FileName");
    a.FontName = ini.Text("TXT_FontName");
    a.FontSize = ini.Text("TXT_FontSize");
    a.FontSizeCopy = ini.Text("TXT_FontSize");
    a.FontColor = ini.Text("TXT_FontColor");
    a.BackgroundColor = ini.Text("TXT_BackgroundColor");
    a.AddText = ini.BoolDefault("TXT_AddText", 0);
    g_bAddTextPerDay = a.AddText;
    a.BackgroundColor_Check = ini.BoolDefault("TXT_BackgroundColor_Check", 0);
    a.FontBold = ini.BoolDefault("TXT_FontBold", 0);
    a.FontItalic = ini.BoolDefault("TXT_FontItalic", 0);
    a.FontUnderline = ini.BoolDefault("TXT_FontUnderline", 0);
    a.LOOP = ini.BoolDefault("TXT_LOOP", 0);
    // Lines are added only from a file that is there; the check box keeps what was chosen.
    if (a.FileName.IsEmpty() || !platform::PathExists(a.FileName.str()))
        a.AddText = 0;
}

bool SaveAddTextSettings(const char* file, const char* section)
{
    IniSection ini(file, section);
    AddTextSettings& a = g_addText;
    a.AddText = g_bAddTextPerDay;
    ini.WriteInt("TXT_AddText", a.AddText);
    ini.WriteText("TXT_FileName", a.FileName);
    ini.WriteText("TXT_FontName", a.FontName);
    ini.WriteText("TXT_FontSize", a.FontSize);
    ini.WriteText("TXT_FontColor", a.FontColor);
    ini.WriteText("TXT_BackgroundColor", a.BackgroundColor);
    ini.WriteInt("TXT_BackgroundColor_Check", a.BackgroundColor_Check);
    ini.WriteInt("TXT_FontBold", a.FontBold);
    ini.WriteInt("TXT_FontItalic", a.FontItalic);
    ini.WriteInt("TXT_FontUnderline", a.FontUnderline);
    ini.WriteInt("TXT_LOOP", a.LOOP);
    return ini.AllWritten();
}

void LoadDayCaptionSettings(const char* file, const char* section)
{
    const IniSection ini(file, section);
    DayCaptionSettings& d = g_dayCaptions;
    d.DEFERENCE = ini.BoolDefault("DEFERENCE", 0);
    d.REST_BOLD = ini.BoolDefault("REST_BOLD", 0);
    d.REST_ITALIC = ini.BoolDefault("REST_ITALIC", 0);
    d.REST_COLOR = ini.TextOr("REST_COLOR", "000000");
    d.REST_NUMBER_BOLD = ini.BoolDefault("REST_NUMBER_BOLD", 0);
    d.REST_NUMBER_ITALIC = ini.BoolDefault("REST_NUMBER_ITALIC", 0);
    d.REST_NUMBER_COLOR = ini.TextOr("REST_NUMBER_COLOR", "000000");
    d.THEDAY_NUMBER_BOLD = ini.BoolDefault("THEDAY_NUMBER_BOLD", 0);
    d.THEDAY_NUMBER_ITALIC = ini.BoolDefault("THEDAY_NUMBER_ITALIC", 0);
    d.THEDAY_NUMBER_COLOR = ini.TextOr("THEDAY_NUMBER_COLOR", "000000");
    d.RestDay = g_strRestDay;
    d.RestDay_Back = g_strRestDayBack;
    d.HadBeenDays = g_strHadBeenDays;
    d.HadBeenDays_Back = g_strHadBeenDaysBack;
    d.WeekEnd = g_strWeekEnd;
}

bool SaveDayCaptionSettings(const char* file, const char* section)
{
    IniSection ini(file, section);
    const DayCaptionSettings& d = g_dayCaptions;
    ini.WriteInt("DEFERENCE", d.DEFERENCE);
    ini.WriteInt("REST_BOLD", d.REST_BOLD);
    ini.WriteInt("REST_ITALIC", d.REST_ITALIC);
    ini.WriteText("REST_COLOR", d.REST_COLOR);
    ini.WriteInt("REST_NUMBER_BOLD", d.REST_NUMBER_BOLD);
    ini.WriteInt("REST_NUMBER_ITALIC", d.REST_NUMBER_ITALIC);
    ini.WriteText("REST_NUMBER_COLOR", d.REST_NUMBER_COLOR);
    ini.WriteInt("THEDAY_NUMBER_BOLD", d.THEDAY_NUMBER_BOLD);
    ini.WriteInt("THEDAY_NUMBER_ITALIC", d.THEDAY_NUMBER_ITALIC);
    ini.WriteText("THEDAY_NUMBER_COLOR", d.THEDAY_NUMBER_COLOR);
    return ini.AllWritten();
}

namespace {

// The fifteen style flags of the yearly calendar, in the order the file keeps them.
template <typename Style, typename Visit>
void ForEachCalendarFlag(Style& c, Visit visit)
{
    visit("Calendar_bMonthBold", c.bMonthBold);
    visit("Calendar_bMonthItalic", c.bMonthItalic);
    visit("Calendar_bMonthStrike", c.bMonthStrike);
    visit("Calendar_bWeekBold", c.bWeekBold);
    visit("Calendar_bWeekItalic", c.bWeekItalic);
    visit("Calendar_bWeekStrike", c.bWeekStrike);
    visit("Calendar_bDay06Bold", c.bDay06Bold);
    visit("Calendar_bDay06Italic", c.bDay06Italic);
    visit("Calendar_bDay06Strike", c.bDay06Strike);
    visit("Calendar_bDay15Bold", c.bDay15Bold);
    visit("Calendar_bDay15Italic", c.bDay15Italic);
    visit("Calendar_bDay15Strike", c.bDay15Strike);
    visit("Calendar_bDayNotDiaryBold", c.bDayNotDiaryBold);
    visit("Calendar_bDayNotDiaryItalic", c.bDayNotDiaryItalic);
    visit("Calendar_bDayNotDiaryStrike", c.bDayNotDiaryStrike);
}

} // namespace

void LoadCalendarStyle(const char* file, const char* section)
{
    const IniSection ini(file, section);
    CalendarStyle& c = g_calendarStyle;
    c.Month_Align = ini.Int("Calendar_Month_Align", 0);
    c.ABlankRowAfterAmonth = ini.Bool2("Calendar_ABlankRowAfterAmonth", 1);
    c.font_name = ini.TextOr("Calendar_font_name", "Microsoft Sans Serif");
    c.line_type = ini.TextOr("Calendar_line_type", "dotted");
    if (g_strMonthFormat.IsEmpty())
        g_strMonthFormat = "%B %Y";
    c.MonthFormat = g_strMonthFormat;
    c.line_color = ini.TextOr("Calendar_line_color", "777777");
    c.month_bk_color = ini.TextOr("Calendar_month_bk_color", "FFFFFF");
    c.week_bk_color = ini.TextOr("Calendar_week_bk_color", "808080");
    c.month_font_color = ini.TextOr("Calendar_month_font_color", "000000");
    c.week_font_color = ini.TextOr("Calendar_week_font_color", "FFFFFF");
    c.day0And6_font_color = ini.TextOr("Calendar_day0And6_font_color", "777777");
    c.day1To5_font_color = ini.TextOr("Calendar_day1To5_font_color", "3A5FCD");
    c.day_nolink_font_color = ini.TextOr("Calendar_day_nolink_font_color", "777777");
    c.back_color_day06 = ini.TextOr("Calendar_back_color_day06", "FFFFFF");
    c.back_color_day15 = ini.TextOr("Calendar_back_color_day15", "FFFFFF");
    c.back_color_nodiary = ini.TextOr("Calendar_back_color_nodiary", "FFFFFF");
    c.back_color_empty = ini.TextOr("Calendar_back_color_empty", "F3F3F3");
    ForEachCalendarFlag(c, [&](const char* key, BYTE& flag) { flag = ini.Bool(key); });
}

bool SaveCalendarStyle(const char* file, const char* section)
{
    IniSection ini(file, section);
    const CalendarStyle& c = g_calendarStyle;
    ini.WriteText("Calendar_line_color", c.line_color);
    ini.WriteText("Calendar_line_type", c.line_type);
    ini.WriteText("Calendar_month_bk_color", c.month_bk_color);
    ini.WriteText("Calendar_week_bk_color", c.week_bk_color);
    ini.WriteText("Calendar_month_font_color", c.month_font_color);
    ini.WriteText("Calendar_week_font_color", c.week_font_color);
    ini.WriteText("Calendar_day0And6_font_color", c.day0And6_font_color);
    ini.WriteText("Calendar_day1To5_font_color", c.day1To5_font_color);
    ini.WriteText("Calendar_day_nolink_font_color", c.day_nolink_font_color);
    ini.WriteText("Calendar_back_color_day06", c.back_color_day06);
    ini.WriteText("Calendar_back_color_day15", c.back_color_day15);
    ini.WriteText("Calendar_back_color_nodiary", c.back_color_nodiary);
    ini.WriteText("Calendar_back_color_empty", c.back_color_empty);
    ini.WriteText("Calendar_font_name", c.font_name);
    ini.WriteInt("Calendar_ABlankRowAfterAmonth", c.ABlankRowAfterAmonth);
    ini.WriteInt("Calendar_Month_Align", c.Month_Align);
    ForEachCalendarFlag(c, [&](const char* key, const BYTE& flag) { ini.WriteInt(key, flag); });
    return ini.AllWritten();
}

namespace {

// The row style flags, 06 then 15 for bold, italic and strike-through, in file order.
template <typename Settings, typename Visit>
void ForEachRowStyleFlag(Settings& m, Visit visit)
{
    struct Run {
        const char* stem;
        decltype((m.line06_FontBold_)) flags;
    };
    const Run runs[] = {
        {"line06_FontBold_", m.line06_FontBold_},         {"line15_FontBold_", m.line15_FontBold_},
        {"line06_FontItalic_", m.line06_FontItalic_},     {"line15_FontItalic_", m.line15_FontItalic_},
        {"line06_Strikethrough_", m.line06_Strikethrough_}, {"line15_Strikethrough_", m.line15_Strikethrough_},
    };
    for (const Run& run : runs)
        for (int i = 0; i < kRows; ++i)
            visit(RowKey(run.stem, i), run.flags[i]);
}

// The four colour runs of the rows, in file order.
template <typename Settings, typename Visit>
void ForEachRowColour(Settings& m, Visit visit)
{
    struct Run {
        const char* stem;
        decltype((m.line06_BKColor_)) colours;
        const char* defaultValue;
    };
    const Run runs[] = {
        {"line06_BKColor_", m.line06_BKColor_, "FFFFFF"},
        {"line15_BKColor_", m.line15_BKColor_, "FFFFFF"},
        {"line06_FontColor_", m.line06_FontColor_, "000000"},
        {"line15_FontColor_", m.line15_FontColor_, "000000"},
    };
    for (const Run& run : runs)
        for (int i = 0; i < kRows; ++i)
            visit(RowKey(run.stem, i), run.colours[i], run.defaultValue);
}

} // namespace

void LoadMonthCalendarSettings(const char* file, const char* section)
{
    const IniSection ini(file, section);
    const MonthCalendarSettings d = MonthCalendarDefaults();
    MonthCalendarSettings& m = g_monthCalendar;
    m.bAddMonthOfCalendar = ini.Bool("MonthOfCale_bAddMonthOfCalendar");
    m.FontName = ini.TextOr("MonthOfCale_FontName", d.FontName);
    m.FontSize = ini.TextOr("MonthOfCale_FontSize", d.FontSize);
    m.bLineSnapToGrid = ini.Bool("MonthOfCale_bLineSnapToGrid");
    m.bWeekNameUpper = ini.Bool("MonthOfCale_bWeekNameUpper");
    m.FontAlign_Day = ini.Int("MonthOfCale_FontAlign_Day", 0);
    for (int i = 0; i < kRows; ++i)
        m.bAddLine[i] = ini.Bool2(RowKey("bAddLine", i).c_str(), 1);
    ForEachRowColour(m, [&](const std::string& key, CString& colour, const char* fallback) {
        colour = ini.TextOr(key.c_str(), fallback);
    });
    ForEachRowStyleFlag(m, [&](const std::string& key, BYTE& flag) { flag = ini.Bool(key.c_str()); });
    for (int i = 0; i < kRows; ++i)
        m.b21Days[i] = ini.Bool(RowKey("b21Days", i).c_str());
    for (int i = 0; i < kRows; ++i)
        m.b21DaysRest[i] = ini.Bool(RowKey("b21DaysRest", i).c_str());
    for (int i = 0; i < kRows; ++i)
        m.i21DaysNotWorkDays[i] = ini.Int(RowKey("i21DaysNotWorkDays", i).c_str(), 1);
    for (int i = 0; i < kRows; ++i)
        m.bAddSpecialSign_06[i] = ini.Bool(RowKey("bAddSpecialSign", i, "_06").c_str());
    for (int i = 0; i < kRows; ++i)
        m.iSpecialSign_06[i] = ini.Int(RowKey("iSpecialSign", i, "_06").c_str(), 1);
    for (int i = 0; i < kRows; ++i)
        m.bAddSpecialSign_15[i] = ini.Bool(RowKey("bAddSpecialSign", i, "_15").c_str());
    for (int i = 0; i < kRows; ++i)
        m.iSpecialSign_15[i] = ini.Int(RowKey("iSpecialSign", i, "_15").c_str(), 1);
    for (int i = 0; i < kRows; ++i)
        m.SpecialSignColor_15[i] = ini.TextOr(RowKey("SpecialSignColor", i, "_15").c_str(), d.SpecialSignColor_15[i]);
    for (int i = 0; i < kRows; ++i)
        m.SpecialSignColor_06[i] = ini.TextOr(RowKey("SpecialSignColor", i, "_06").c_str(), d.SpecialSignColor_06[i]);
    m.FontName_Day = ini.TextOr("MonthOfCale_FontName_Day", d.FontName_Day);
    m.FontSize_Day = ini.TextOr("MonthOfCale_FontSize_Day", d.FontSize_Day);
    m.FontBold_Day = ini.Bool("MonthOfCale_FontBold_Day");
    m.FontItalic_Day = ini.Bool("MonthOfCale_FontItalic_Day");
    m.FontUnderlined_Day = ini.Bool("MonthOfCale_FontUnderlined_Day");
    for (int i = 0; i < kRows; ++i)
        m.LineTop[i] = ini.TextOr(RowKey("LineTop", i).c_str(), d.LineTop[i]);
    for (int i = 0; i < kRows; ++i)
        m.LineBottom[i] = ini.TextOr(RowKey("LineBottom", i).c_str(), d.LineBottom[i]);
    for (int i = 0; i < kRows; ++i)
        m.LineColor_Top[i] = ini.TextOr(RowKey("LineColor_Top", i).c_str(), d.LineColor_Top[i]);
    for (int i = 0; i < kRows; ++i)
        m.LineColor_Bottom[i] = ini.TextOr(RowKey("LineColor_Bottom", i).c_str(), d.LineColor_Bottom[i]);
    m.LineType_Grid = ini.TextOr("MonthOfCale_LineType_Grid", d.LineType_Grid);
    m.LineColor_Grid = ini.TextOr("MonthOfCale_LineColor_Grid", d.LineColor_Grid);
}

bool SaveMonthCalendarSettings(const char* file, const char* section)
{
    IniSection ini(file, section);
    const MonthCalendarSettings& m = g_monthCalendar;
    const auto writeRows = [&](const char* stem, const auto& values, const char* tail = "") {
        for (int i = 0; i < kRows; ++i) {
            if constexpr (std::is_same_v<std::decay_t<decltype(values[0])>, CString>)
                ini.WriteText(RowKey(stem, i, tail).c_str(), values[i]);
            else
                ini.WriteInt(RowKey(stem, i, tail).c_str(), values[i]);
        }
    };
    ini.WriteInt("MonthOfCale_bAddMonthOfCalendar", m.bAddMonthOfCalendar);
    ini.WriteText("MonthOfCale_FontName", m.FontName);
    ini.WriteText("MonthOfCale_FontSize", m.FontSize);
    ini.WriteInt("MonthOfCale_bLineSnapToGrid", m.bLineSnapToGrid);
    ini.WriteInt("MonthOfCale_bWeekNameUpper", m.bWeekNameUpper);
    writeRows("bAddLine", m.bAddLine);
    ForEachRowColour(m, [&](const std::string& key, const CString& colour, const char*) {
        ini.WriteText(key.c_str(), colour);
    });
    ForEachRowStyleFlag(m, [&](const std::string& key, const BYTE& flag) { ini.WriteInt(key.c_str(), flag); });
    writeRows("b21Days", m.b21Days);
    writeRows("b21DaysRest", m.b21DaysRest);
    writeRows("i21DaysNotWorkDays", m.i21DaysNotWorkDays);
    writeRows("bAddSpecialSign", m.bAddSpecialSign_06, "_06");
    writeRows("iSpecialSign", m.iSpecialSign_06, "_06");
    writeRows("bAddSpecialSign", m.bAddSpecialSign_15, "_15");
    writeRows("iSpecialSign", m.iSpecialSign_15, "_15");
    writeRows("SpecialSignColor", m.SpecialSignColor_15, "_15");
    writeRows("SpecialSignColor", m.SpecialSignColor_06, "_06");
    ini.WriteText("MonthOfCale_FontName_Day", m.FontName_Day);
    ini.WriteText("MonthOfCale_FontSize_Day", m.FontSize_Day);
    ini.WriteInt("MonthOfCale_FontAlign_Day", m.FontAlign_Day);
    ini.WriteInt("MonthOfCale_FontBold_Day", m.FontBold_Day);
    ini.WriteInt("MonthOfCale_FontItalic_Day", m.FontItalic_Day);
    ini.WriteInt("MonthOfCale_FontUnderlined_Day", m.FontUnderlined_Day);
    writeRows("LineTop", m.LineTop);
    writeRows("LineColor_Top", m.LineColor_Top);
    writeRows("LineBottom", m.LineBottom);
    writeRows("LineColor_Bottom", m.LineColor_Bottom);
    ini.WriteText("MonthOfCale_LineType_Grid", m.LineType_Grid);
    ini.WriteText("MonthOfCale_LineColor_Grid", m.LineColor_Grid);
    return ini.AllWritten();
}

void LoadYearPlannerSettings(const char* file, const char* section)
{
    const IniSection ini(file, section);
    const YearPlannerSettings d = YearPlannerDefaults();
    YearPlannerSettings& y = g_yearPlanner;
    g_bConfigYearPlanner = ini.BoolDefault("Config_YearPlanner", 0);
    y.YearPlanner1Page = ini.BoolDefault("Config_YearPlanner1Page", 0);
    y.YearPlannerQuarterPlanner = ini.BoolDefault("Config_YearPlannerQuarterPlanner", 0);
    y.YearPlanner1Page_MonthUppercase = ini.BoolDefault("Config_YearPlanner1Page_MonthUppercase", 0);
    y.str_FontName = ini.TextOr("YearPlanner_str_FontName", d.str_FontName);
    y.str_FontSize = ini.TextOr("YearPlanner_str_FontSize", d.str_FontSize);
    y.MonthFormat_For1PageYearPlanner =
        ini.TextOr("Config_MonthFormat_For1PageYearPlanner", d.MonthFormat_For1PageYearPlanner);
    y.color_for_day_is_empty_bk =
        ini.TextOr("Config_YearPlanner_color_for_day_is_empty_bk", d.color_for_day_is_empty_bk);
    y.color_for_month_bk = ini.TextOr("YearPlanner_color_for_month_bk", d.color_for_month_bk);
    y.color_for_weekname_bk = ini.TextOr("YearPlanner_color_for_weekname_bk", d.color_for_weekname_bk);
    y.color_for_week1to5_bk = ini.TextOr("YearPlanner_color_for_week1to5_bk", d.color_for_week1to5_bk);
    y.color_for_week0and6_bk = ini.TextOr("YearPlanner_color_for_week0and6_bk", d.color_for_week0and6_bk);
    y.color_for_double_month_bk = ini.TextOr("YearPlanner_color_for_double_month_bk", d.color_for_double_month_bk);
    y.color_for_month_font = ini.TextOr("YearPlanner_color_for_month_font", d.color_for_month_font);
    y.color_for_weekname_font = ini.TextOr("YearPlanner_color_for_weekname_font", d.color_for_weekname_font);
    y.color_for_week1to5_font = ini.TextOr("YearPlanner_color_for_week1to5_font", d.color_for_week1to5_font);
    y.color_for_week0and6_font = ini.TextOr("YearPlanner_color_for_week0and6_font", d.color_for_week0and6_font);
    y.line_color = ini.TextOr("YearPlanner_line_color", d.line_color);
    y.line_type_name_in_xml = ini.TextOr("YearPlanner_line_type_name_in_xml", d.line_type_name_in_xml);
}

bool SaveYearPlannerSettings(const char* file, const char* section)
{
    IniSection ini(file, section);
    const YearPlannerSettings& y = g_yearPlanner;
    ini.WriteText("YearPlanner_str_FontName", y.str_FontName);
    ini.WriteText("YearPlanner_str_FontSize", y.str_FontSize);
    ini.WriteText("YearPlanner_color_for_month_bk", y.color_for_month_bk);
    ini.WriteText("YearPlanner_color_for_weekname_bk", y.color_for_weekname_bk);
    ini.WriteText("YearPlanner_color_for_week1to5_bk", y.color_for_week1to5_bk);
    ini.WriteText("YearPlanner_color_for_week0and6_bk", y.color_for_week0and6_bk);
    ini.WriteText("YearPlanner_color_for_double_month_bk", y.color_for_double_month_bk);
    ini.WriteText("Config_YearPlanner_color_for_day_is_empty_bk", y.color_for_day_is_empty_bk);
    ini.WriteText("Config_MonthFormat_For1PageYearPlanner", y.MonthFormat_For1PageYearPlanner);
    ini.WriteText("YearPlanner_color_for_month_font", y.color_for_month_font);
    ini.WriteText("YearPlanner_color_for_weekname_font", y.color_for_weekname_font);
    ini.WriteText("YearPlanner_color_for_week1to5_font", y.color_for_week1to5_font);
    ini.WriteText("YearPlanner_color_for_week0and6_font", y.color_for_week0and6_font);
    ini.WriteText("YearPlanner_line_color", y.line_color);
    ini.WriteText("YearPlanner_line_type_name_in_xml", y.line_type_name_in_xml);
    ini.WriteInt("Config_YearPlanner1Page", y.YearPlanner1Page);
    ini.WriteInt("Config_YearPlannerQuarterPlanner", y.YearPlannerQuarterPlanner);
    ini.WriteInt("Config_YearPlanner1Page_MonthUppercase", y.YearPlanner1Page_MonthUppercase);
    return ini.AllWritten();
}
