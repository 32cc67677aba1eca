#pragma once
// The calendar model shared by the yearly calendar, the monthly calendar pages and the main
// window's preview: 12 months of 6 weeks of 7 cells, Sunday first. Quarter group g holds the
// months 3g to 3g + 2.

#include <array>
#include <string>

struct DocxDayCell {
    int day = 0;              // 1..31; 0 for a cell outside the month
    int bookmarkNumber = 0;   // 1, 2, ... for the days of the date range in date order; else 0
    int dayOfYear = 0;        // 1-based; 0 for an empty cell
    std::string calendarBookmarkName;   // "BOOKMARK_Calendar" + number as %03d; "" for an empty cell
    std::string dateBookmarkName;       // "BOOKMARK_Date" + number as %03d; "" for an empty cell
    int weekday = -1;         // 0 Sunday .. 6 Saturday; -1 for an empty cell
    int monthIndex = 0;       // 0..11
};

using DocxWeek = std::array<DocxDayCell, 7>;
using DocxCalendarMonth = std::array<DocxWeek, 6>;
using DocxCalendarModel = std::array<DocxCalendarMonth, 12>;
