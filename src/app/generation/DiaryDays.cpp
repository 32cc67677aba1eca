#include "app/generation/DiaryDays.h"

#include "docx/DocxBuilder.h"
#include "settings/Settings.h"

#include <algorithm>

bool RangeHasDiaryDay(int year)
{
    // With no texts each caption line is its marker alone: "1" for a ticked day.
    const std::vector<std::string> days =
        CDocxBuilder::BuildDayCaptions("", 0, "", "", "", year, 0, g_nMonthStart, g_nMonthEnd, g_nDayStart,
                                       g_nDayEnd, 0, "", "");
    return std::find(days.begin(), days.end(), "1") != days.end();
}
