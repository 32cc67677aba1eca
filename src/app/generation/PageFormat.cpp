#include "app/generation/PageFormat.h"

#include "settings/ClassCells.h"
#include "settings/Settings.h"

#include <algorithm>
#include <cctype>

namespace {

BYTE OneOrZero(bool set)
{
    return set ? 1 : 0;
}

// A colour the document can take: six hexadecimal digits; anything else counts as no colour.
CString ColourOrUnset(const CString& colour)
{
    const std::string& text = colour.str();
    const bool hex = text.size() == 6 && std::all_of(text.begin(), text.end(), [](char c) {
                         return std::isxdigit(static_cast<unsigned char>(c)) != 0;
                     });
    return hex ? colour : CString();
}

} // namespace

DiaryPageFormat BuildPageFormat(const OutlineLevelTexts& levels)
{
    if (g_strMonthsFontName.IsEmpty())
        g_strMonthsFontName = "Tahoma";
    if (g_strDaysFontName.IsEmpty())
        g_strDaysFontName = "Tahoma";

    DiaryPageFormat f;
    f.Months_FontItalic = g_bMonthsFontItalic;
    f.Months_FontName = g_strMonthsFontName;
    f.Months_FontSize = FontSizeToHalfPoints(g_strMonthsFontSize);
    f.Months_FontColor = ColourOrUnset(g_strMonthsFontColor);
    f.Months_FontBold = g_bMonthsFontBold;
    f.Months_Grade = levels.month;
    f.Days_FontSize = FontSizeToHalfPoints(g_strDaysFontSize);
    f.Days_FontColor = ColourOrUnset(g_strDaysFontColor);
    f.Days_FontBold = g_bDaysFontBold;
    f.Days_Underline = g_bDaysUnderline;
    f.Days_Grade = levels.day;
    f.QuarterText = g_strQuarterText;
    if (g_bDaysBackGround == 1)
        f.Days_BackGround = ColourOrUnset(g_strDaysBackGround);
    f.Days_FontItalic = OneOrZero(g_bDaysFontItalic == 1);
    f.Days_FontName = g_strDaysFontName;
    f.UncheckedWeekFontColor = ColourOrUnset(g_strUncheckedWeekFontColor);
    f.UncheckedWeekFontBold = g_bUncheckedWeekFontBold;
    f.UncheckedWeekFontItalic = g_bUncheckedWeekFontItalic;
    f.UncheckedWeekFontDelLine = g_bUncheckedWeekFontDelLine;
    f.Page_Breaks = OneOrZero(g_bPageBreaks == 1);
    f.AddABlankLineBeforeClass = g_bAddBlankLineBeforeClass;
    f.CalendarFormat2Bit = OneOrZero(g_bCalendarFormat2Bit != 0);
    return f;
}
