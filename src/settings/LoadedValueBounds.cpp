#include "settings/LoadedValueBounds.h"

#include "settings/DialogHelpers.h"
#include "settings/Settings.h"
#include "settings/SettingsRecords.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>

namespace {

constexpr size_t kLongestFaceName = 31;       // the system's face buffer holds 32 with its end
constexpr double kSmallestFontSize = 1;
constexpr double kLargestFontSize = 1638;
constexpr std::string_view kLineTypes[] = {"single", "dotted", "dashSmallGap", "dashed",
                                           "dotDash", "dotDotDash", "wave"};
constexpr int kMostLines = 30;                // the line-count list of the class dialog
constexpr int kItemSymbols = 21;
constexpr int kLongestRestRun = 366;

using Check = bool (*)(std::string_view);

// A non-empty value that fails its check becomes the fallback.
void Bound(CString& value, Check check, const CString& fallback)
{
    if (!value.IsEmpty() && !check(value.str()))
        value = fallback;
}

// The whole text as a decimal integer: digits with an optional minus sign, nothing else.
std::optional<long long> WholeNumber(std::string_view text)
{
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool InRange(std::string_view text, long long low, long long high)
{
    const auto value = WholeNumber(text);
    return value && *value >= low && *value <= high;
}

void BoundInt(int& value, int low, int high, int fallback)
{
    if (value < low || value > high)
        value = fallback;
}

void BoundColours(CString* colours, const CString* fallbacks, int count)
{
    for (int i = 0; i < count; ++i)
        Bound(colours[i], IsColourText, fallbacks[i]);
}

void BoundLineTypes(CString* types, const CString* fallbacks, int count)
{
    for (int i = 0; i < count; ++i)
        Bound(types[i], IsLineTypeName, fallbacks[i]);
}

void BoundMainSettings()
{
    Bound(g_strUncheckedWeekFontColor, IsColourText, "666666");
    Bound(g_strMonthsFontColor, IsColourText, "");
    Bound(g_strDaysFontColor, IsColourText, "");
    Bound(g_strDaysBackGround, IsColourText, "");
    Bound(g_strMonthsFontSize, IsFontSizeText, "11");
    Bound(g_strDaysFontSize, IsFontSizeText, "11");
    Bound(g_strMonthsFontName, IsFaceName, "Tahoma");
    Bound(g_strDaysFontName, IsFaceName, "Tahoma");
}

void BoundTable(TableLineSettings& table, const TableLineSettings& defaults)
{
    Bound(table.line_color, IsColourText, defaults.line_color);
    Bound(table.line_type, IsLineTypeName, defaults.line_type);
    // A bad background becomes the record's own, as a missing key leaves it at the first load;
    // an empty one is no background and stays.
    Bound(table.table_bk_color, IsColourText, defaults.table_bk_color);
}

void BoundAddTextAndCaptions()
{
    AddTextSettings& a = g_addText;
    Bound(a.FontName, IsFaceName, "");
    Bound(a.FontSize, IsFontSizeText, "");
    a.FontSizeCopy = a.FontSize;
    Bound(a.FontColor, IsColourText, "");
    Bound(a.BackgroundColor, IsColourText, "");
    DayCaptionSettings& d = g_dayCaptions;
    for (CString* colour : {&d.REST_COLOR, &d.REST_NUMBER_COLOR, &d.THEDAY_NUMBER_COLOR})
        Bound(*colour, IsColourText, "000000");
}

void BoundCalendarStyle()
{
    CalendarStyle& c = g_calendarStyle;
    const std::pair<CString*, const char*> colours[] = {
        {&c.month_font_color, "000000"},      {&c.month_bk_color, "FFFFFF"},
        {&c.week_font_color, "FFFFFF"},       {&c.week_bk_color, "808080"},
        {&c.line_color, "777777"},            {&c.day0And6_font_color, "777777"},
        {&c.day1To5_font_color, "3A5FCD"},    {&c.day_nolink_font_color, "777777"},
        {&c.back_color_day06, "FFFFFF"},      {&c.back_color_day15, "FFFFFF"},
        {&c.back_color_nodiary, "FFFFFF"},    {&c.back_color_empty, "F3F3F3"},
    };
    for (const auto& [colour, fallback] : colours)
        Bound(*colour, IsColourText, fallback);
    Bound(c.line_type, IsLineTypeName, "dotted");
    Bound(c.font_name, IsFaceName, "Microsoft Sans Serif");
    BoundInt(c.Month_Align, 0, 2, 0);
}

void BoundMonthCalendar()
{
    constexpr int kRows = MonthCalendarSettings::kRows;
    const MonthCalendarSettings d = MonthCalendarDefaults();
    MonthCalendarSettings& m = g_monthCalendar;
    Bound(m.FontName, IsFaceName, d.FontName);
    Bound(m.FontName_Day, IsFaceName, d.FontName_Day);
    Bound(m.FontSize, IsFontSizeText, d.FontSize);
    Bound(m.FontSize_Day, IsFontSizeText, d.FontSize_Day);
    Bound(m.LineType_Grid, IsLineTypeName, d.LineType_Grid);
    Bound(m.LineColor_Grid, IsColourText, d.LineColor_Grid);
    BoundColours(m.line06_BKColor_, d.line06_BKColor_, kRows);
    BoundColours(m.line15_BKColor_, d.line15_BKColor_, kRows);
    BoundColours(m.line06_FontColor_, d.line06_FontColor_, kRows);
    BoundColours(m.line15_FontColor_, d.line15_FontColor_, kRows);
    BoundColours(m.SpecialSignColor_06, d.SpecialSignColor_06, kRows);
    BoundColours(m.SpecialSignColor_15, d.SpecialSignColor_15, kRows);
    BoundColours(m.LineColor_Top, d.LineColor_Top, kRows);
    BoundColours(m.LineColor_Bottom, d.LineColor_Bottom, kRows);
    BoundLineTypes(m.LineTop, d.LineTop, kRows);
    BoundLineTypes(m.LineBottom, d.LineBottom, kRows);
    for (int i = 0; i < kRows; ++i) {
        BoundInt(m.i21DaysNotWorkDays[i], 0, kLongestRestRun, 1);
        BoundInt(m.iSpecialSign_06[i], 1, kSpecialSigns, 1);
        BoundInt(m.iSpecialSign_15[i], 1, kSpecialSigns, 1);
    }
    BoundInt(m.FontAlign_Day, 0, 2, 0);
}

void BoundYearPlanner()
{
    const YearPlannerSettings d = YearPlannerDefaults();
    YearPlannerSettings& y = g_yearPlanner;
    Bound(y.str_FontName, IsFaceName, d.str_FontName);
    Bound(y.str_FontSize, IsFontSizeText, d.str_FontSize);
    Bound(y.line_type_name_in_xml, IsLineTypeName, d.line_type_name_in_xml);
    const std::pair<CString YearPlannerSettings::*, CString> colours[] = {
        {&YearPlannerSettings::color_for_month_bk, d.color_for_month_bk},
        {&YearPlannerSettings::color_for_month_font, d.color_for_month_font},
        {&YearPlannerSettings::color_for_weekname_bk, d.color_for_weekname_bk},
        {&YearPlannerSettings::color_for_weekname_font, d.color_for_weekname_font},
        {&YearPlannerSettings::color_for_week1to5_bk, d.color_for_week1to5_bk},
        {&YearPlannerSettings::color_for_week1to5_font, d.color_for_week1to5_font},
        {&YearPlannerSettings::color_for_week0and6_bk, d.color_for_week0and6_bk},
        {&YearPlannerSettings::color_for_week0and6_font, d.color_for_week0and6_font},
        {&YearPlannerSettings::color_for_day_is_empty_bk, d.color_for_day_is_empty_bk},
        {&YearPlannerSettings::line_color, d.line_color},
        {&YearPlannerSettings::color_for_double_month_bk, d.color_for_double_month_bk},
    };
    for (const auto& [field, fallback] : colours)
        Bound(y.*field, IsColourText, fallback);
}

// Month level 2 to 5, date level 3 to 6 and always below the month, as the two boxes allow. An
// empty level is the box's first, which a save writes.
void BoundOutlineLevels(OutlineLevelTexts& levels)
{
    const auto level = [](CString& text, int low, int high) {
        if (!InRange(text.str(), low, high))
            text = std::to_string(low);
        return *WholeNumber(text.str());
    };
    const long long month = level(levels.month, 2, 5);
    if (level(levels.day, 3, 6) <= month)
        levels.day = std::to_string(month + 1);
}

void BoundCell(ClassListRow& row, ClassColumn column, Check check, const char* fallback)
{
    Bound(row.cells[column], check, fallback);
}

// The fallback itself always stands (-1 is "no symbol"). An empty cell is saved as 0, which
// reads back out of range, so it takes the fallback as well.
void BoundNumberCell(ClassListRow& row, ClassColumn column, int low, int high, const char* fallback)
{
    const std::string& text = row.cells[column].str();
    if (text != fallback && !InRange(text, low, high))
        row.cells[column] = fallback;
}

void BoundClassRow(ClassListRow& row)
{
    for (ClassColumn column : {kCellClassFontColor, kCellClassBackColor, kCellUndoneColor, kCellLineTextColor,
                               kCellLineColor, kCellLineBackColor, kCellOddRowBack, kCellEvenRowBack,
                               kCellTitleRowBack, kCellSignColor})
        BoundCell(row, column, IsColourText, "");
    BoundCell(row, kCellTableLineColor, IsColourText, "8D826D");
    BoundCell(row, kCellTableLineType, IsLineTypeName, "dotted");
    BoundCell(row, kCellClassFontName, IsFaceName, "");
    BoundCell(row, kCellLineFontName, IsFaceName, "");
    BoundCell(row, kCellClassFontSize, IsFontSizeText, "");
    BoundCell(row, kCellLineFontSize, IsFontSizeText, "");
    BoundNumberCell(row, kCellLineCount, 1, kMostLines, "1");
    BoundNumberCell(row, kCellItemSpecial, 1, kItemSymbols, "-1");
    BoundNumberCell(row, kCellSign, 1, kSpecialSigns, "-1");
    // A table wins over letter-paper lines; a save writes the lines off.
    if (row.cells[kCellTable] == "Y")
        row.cells[kCellLinedTable] = "N";
    row.titleColor = ParseHexColor(row.cells[kCellClassFontColor]);
    row.undoneColor = ParseHexColor(row.cells[kCellUndoneColor]);
}

} // namespace

bool IsColourText(std::string_view text)
{
    return text.size() == 6 && std::all_of(text.begin(), text.end(), [](char ch) {
               return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F') || (ch >= 'a' && ch <= 'f');
           });
}

bool IsLineTypeName(std::string_view text)
{
    return std::find(std::begin(kLineTypes), std::end(kLineTypes), text) != std::end(kLineTypes);
}

bool IsFontSizeText(std::string_view text)
{
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string_view::npos)
        return false;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= kSmallestFontSize &&
           value <= kLargestFontSize;
}

bool IsFaceName(std::string_view text)
{
    size_t characters = 0;
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x20 || byte == 0x7F)
            return false;
        characters += (byte & 0xC0) != 0x80 ? 1 : 0;
    }
    return characters <= kLongestFaceName;
}

void BoundLoadedSettings(OutlineLevelTexts& levels)
{
    BoundMainSettings();
    BoundTable(g_dateTable, DateTableDefaults());
    BoundTable(g_textTable, TextTableDefaults());
    BoundAddTextAndCaptions();
    BoundCalendarStyle();
    BoundMonthCalendar();
    BoundYearPlanner();
    BoundOutlineLevels(levels);
}

void BoundLoadedClasses(ClassListModel& rows)
{
    for (size_t i = 0; i < rows.size(); ++i) {
        // A save numbers the classes by their places.
        rows[i].cells[kCellId] = std::to_string(i + 1);
        BoundClassRow(rows[i]);
    }
}
