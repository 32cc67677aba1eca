#pragma once
// Cells and rows that the yearly calendar and the monthly calendar pages share: the month
// title, the weekday labels and the start of their header rows.

#include "settings/SettingsRecords.h"

#include <string>
#include <string_view>

namespace docx::calendar {

// The revision ids a calendar writes: rsidR, rsidRDefault, rsidP and the runs' rsidRPr.
struct Rsids {
    std::string r1;
    std::string r2;
    std::string r3;
    std::string r5;
};

// Row start of the month-title and weekday rows.
void AppendHeaderRowStart(std::string& xml, const Rsids& rsids);
// The month's label over seven day columns, in the style's month colours, fonts and alignment.
std::string MonthTitleCellXml(const Rsids& rsids, const std::string& label, const CalendarStyle& style,
                              int dayWidth);
// One weekday label, centred, in the style's weekday colours.
std::string WeekdayCellXml(const Rsids& rsids, int width, const std::string& label, const CalendarStyle& style);
// The paragraph start of a day cell.
void AppendDayParagraphStart(std::string& xml, const Rsids& rsids);
// A size setting in points as half-points: twice its leading whole number; "" when that is not
// above 0, so the size element is left out rather than written as nothing or zero.
std::string DoubledSize(std::string_view points);
// A number with at least `digits` digits.
std::string Padded(int number, int digits);

} // namespace docx::calendar
