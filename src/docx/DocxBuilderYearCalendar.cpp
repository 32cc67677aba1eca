// The yearly calendar: one table per quarter, three months side by side, each day of the date
// range a link to its diary page and the target of that page's link back.
#include "docx/Appended.h"
#include "docx/CalendarCells.h"
#include "docx/DocxBuilder.h"
#include "docx/DocxTableWriter.h"
#include "docx/TableSeparator.h"
#include "docx/XmlText.h"
#include "settings/CivilDate.h"

namespace {

using docx::calendar::AppendDayParagraphStart;
using docx::calendar::Padded;
using docx::calendar::Rsids;

constexpr int kMonths = 12;
constexpr int kCellsPerMonth = 42;
const std::string kSpacerWidth =
    "<w:tcW w:w=\"" + std::to_string(CDocxTableWriter::kMonthSpacerWidth) + "\" w:type=\"dxa\" />\n";

bool InRange(int month, int day, int firstMonth, int lastMonth, int firstDay, int lastDay)
{
    if (firstMonth == lastMonth)
        return month == firstMonth && day >= firstDay && day <= lastDay;
    if (month < firstMonth || month > lastMonth)
        return false;
    if (month == firstMonth)
        return day >= firstDay;
    if (month == lastMonth)
        return day <= lastDay;
    return true;
}

std::string SpacerParagraph(const Rsids& rsids, const char* colorLine)
{
    return "<w:p w:rsidR=\"" + rsids.r1 + "\" w:rsidRPr=\"" + rsids.r5 + "\" w:rsidRDefault=\"" + rsids.r2 +
           "\" w:rsidP=\"" + rsids.r3 + "\">\n<w:pPr>\n<w:rPr>\n" + colorLine + "</w:rPr>\n</w:pPr>\n</w:p>\n";
}

// Between two months of the title and weekday rows: a dotted line on the left only.
std::string MonthSpacerCellXml(const Rsids& rsids)
{
    return std::string("<w:tc>\n<w:tcPr>\n") + kSpacerWidth +
           "<w:tcBorders>\n"
           "<w:top w:val=\"dotted\" w:sz=\"6\" w:space=\"0\" w:color=\"FFFFFF\" /> \n"
           "<w:left w:val=\"dotted\" w:sz=\"6\" w:space=\"0\" w:color=\"000000\" />"
           "<w:bottom w:val=\"dotted\" w:sz=\"6\" w:space=\"0\" w:color=\"FFFFFF\" /> \n"
           "<w:right w:val=\"dotted\" w:sz=\"6\" w:space=\"0\" w:color=\"FFFFFF\" /> \n"
           "</w:tcBorders>\n</w:tcPr>\n" +
           SpacerParagraph(rsids, "<w:color w:val=\"000000\" /> \n") + "</w:tc>\n";
}

std::string WeekSpacerCellXml(const Rsids& rsids, const CalendarStyle& style)
{
    return std::string("<w:tc>\n<w:tcPr>\n") + kSpacerWidth +
           CDocxTableWriter::GetCellBordersWhiteXml(style.line_type.str(), style.line_color.str()) + "</w:tcPr>\n" +
           SpacerParagraph(rsids, "<w:color w:val=\"000000\" />\n") + "</w:tc>\n";
}

void AppendCellStart(std::string& xml, const Rsids& rsids, const DocxDayCell& cell, const CalendarStyle& style,
                     int dayWidth)
{
    xml += "<w:tc>\n";
    CDocxTableWriter::AppendCellPropertiesXml(xml, 0, cell.day, style.line_type.str(), style.line_color.str(),
                                              style.back_color_empty.str(), cell.bookmarkNumber, cell.weekday,
                                              style.back_color_day06.str(), style.back_color_day15.str(),
                                              style.back_color_nodiary.str(), dayWidth);
    AppendDayParagraphStart(xml, rsids);
}

void AppendEmptyDayCell(std::string& xml, const Rsids& rsids, const DocxDayCell& cell, const CalendarStyle& style,
                        int dayWidth)
{
    AppendCellStart(xml, rsids, cell, style, dayWidth);
    CDocxTableWriter::AppendTextRunXml(xml, style.day1To5_font_color.str(), rsids.r5, "");
    xml += "</w:p></w:tc>";
}

// A day of the range is a HYPERLINK field to its diary page inside its calendar bookmark; any
// other day only shows its number, since no page carries a bookmark for it.
void AppendDayCell(std::string& xml, const Rsids& rsids, const DocxDayCell& cell, BYTE twoDigits,
                   const CalendarStyle& style, int dayWidth)
{
    const bool linked = cell.bookmarkNumber != 0;
    const bool weekend = cell.weekday == 0 || cell.weekday == 6;
    const std::string& color = !linked ? style.day_nolink_font_color.str()
                               : weekend ? style.day0And6_font_color.str()
                                         : style.day1To5_font_color.str();
    const BYTE bold = !linked ? style.bDayNotDiaryBold : weekend ? style.bDay06Bold : style.bDay15Bold;
    const BYTE italic = !linked ? style.bDayNotDiaryItalic : weekend ? style.bDay06Italic : style.bDay15Italic;
    const BYTE strike = !linked ? style.bDayNotDiaryStrike : weekend ? style.bDay06Strike : style.bDay15Strike;
    const auto number = [&] {
        CDocxTableWriter::AppendDayNumberRunXml(xml, color, rsids.r5, cell.day, cell.bookmarkNumber, twoDigits,
                                                style.font_name.str(), docx::kNoValue, bold, italic, strike, 1);
    };
    if (!linked) {
        AppendCellStart(xml, rsids, cell, style, dayWidth);
        number();
        xml += "</w:p>\n</w:tc>\n";
        return;
    }
    const std::string id = Padded(cell.bookmarkNumber, 2);
    xml.append("<w:bookmarkStart w:id=\"").append(id).append("\" w:name=\"").append(cell.calendarBookmarkName);
    xml += "\" />\n";
    AppendCellStart(xml, rsids, cell, style, dayWidth);
    CDocxTableWriter::AppendFieldStartXml(xml, color, cell.dateBookmarkName, rsids.r5);
    number();
    xml.append("<w:bookmarkEnd w:id=\"").append(id).append("\" /> \n");
    CDocxTableWriter::AppendFieldEndRunXml(xml, color);
    xml += "</w:p>\n</w:tc>\n";
}

void AppendQuarterTable(std::string& xml, const Rsids& rsids, const DocxCalendarModel& model, size_t group,
                        int dayWidth, BYTE twoDigits, const CalendarStyle& style,
                        const std::vector<std::string>& names)
{
    const DocxCalendarMonth* months[3] = {&model[3 * group], &model[3 * group + 1], &model[3 * group + 2]};
    docx::KeepApartFromTable(xml);
    xml += "<w:tbl>\n";
    xml += CDocxTableWriter::GetCalendarTablePropertiesXml(style.line_type.str(), style.line_color.str());
    xml += CDocxTableWriter::GetCalendarGridXml(dayWidth, 3);

    docx::calendar::AppendHeaderRowStart(xml, rsids);
    for (size_t i = 0; i < 3; ++i) {
        const size_t month = 3 * group + i;
        xml += docx::calendar::MonthTitleCellXml(rsids, month < names.size() ? names[month] : "", style, dayWidth);
        if (i < 2)
            xml += MonthSpacerCellXml(rsids);
    }
    xml += "</w:tr>\n";
    docx::calendar::AppendHeaderRowStart(xml, rsids);
    const auto letters = CDocxTableWriter::GetWeekdayLetters(0);
    for (int i = 0; i < 3; ++i) {
        for (const std::string& letter : letters)
            xml += docx::calendar::WeekdayCellXml(rsids, dayWidth, letter, style);
        if (i < 2)
            xml += MonthSpacerCellXml(rsids);
    }
    xml += "</w:tr>";

    const std::string weekSpacer = WeekSpacerCellXml(rsids, style);
    for (size_t week = 0; week < 6; ++week) {
        const auto allEmpty = [&](size_t weekday) {
            return (*months[0])[week][weekday].day == 0 && (*months[1])[week][weekday].day == 0 &&
                   (*months[2])[week][weekday].day == 0;
        };
        if ((week == 0 && allEmpty(6)) || (week == 5 && allEmpty(0)))
            continue;
        xml.append("<w:tr w:rsidR=\"").append(rsids.r1).append("\" w:rsidTr=\"").append(rsids.r1).append("\">\n");
        xml += CDocxTableWriter::GetRowPropertiesXml();
        for (int i = 0; i < 3; ++i) {
            for (const DocxDayCell& cell : (*months[i])[week]) {
                if (cell.day == 0)
                    AppendEmptyDayCell(xml, rsids, cell, style, dayWidth);
                else
                    AppendDayCell(xml, rsids, cell, twoDigits, style, dayWidth);
            }
            if (i < 2)
                xml += weekSpacer;
        }
        xml += "</w:tr>\n";
    }
    xml += "</w:tbl>\n";
    if (style.ABlankRowAfterAmonth == 1)
        CDocxTableWriter::AppendEmptyParagraphXml(xml, rsids.r1, rsids.r2);
}

bool HoldsRangeDay(const DocxCalendarModel& model, size_t group)
{
    for (size_t month = 3 * group; month < 3 * group + 3; ++month)
        for (const DocxWeek& week : model[month])
            for (const DocxDayCell& cell : week)
                if (cell.bookmarkNumber != 0)
                    return true;
    return false;
}

} // namespace

int CDocxTableWriter::GetWeekday(int year, int month, int day)
{
    return civil::WeekdayOf(year, month, day);
}

bool CDocxTableWriter::IsLeapYear(int year)
{
    return civil::IsLeapYear(year);
}

void CDocxTableWriter::FixFebruary(std::array<int, 12>& monthLengths, int year)
{
    monthLengths[1] = IsLeapYear(year) ? 29 : 28;
}

void CDocxTableWriter::BuildCalendarModel(int year, DocxCalendarModel& model, int firstMonth, int lastMonth,
                                          int firstDay, int lastDay)
{
    std::array<int, 12> monthLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    FixFebruary(monthLengths, year);
    int dayOfYear = 0;
    int rangeDays = 0;
    for (int index = 0; index < kMonths; ++index) {
        const int month = index + 1;
        const int length = monthLengths[static_cast<size_t>(index)];
        const int leadingBlanks = GetWeekday(year, month, 1);
        DocxCalendarMonth& weeks = model[static_cast<size_t>(index)];
        for (int position = 0; position < kCellsPerMonth; ++position) {
            DocxDayCell& cell = weeks[static_cast<size_t>(position / 7)][static_cast<size_t>(position % 7)];
            cell = DocxDayCell{};
            cell.monthIndex = index;
            const int day = position - leadingBlanks + 1;
            if (day < 1 || day > length)
                continue;
            cell.day = day;
            cell.dayOfYear = ++dayOfYear;
            cell.weekday = position % 7;
            cell.bookmarkNumber = InRange(month, day, firstMonth, lastMonth, firstDay, lastDay) ? ++rangeDays : 0;
            const std::string ordinal = Padded(cell.bookmarkNumber, 3);
            cell.calendarBookmarkName = "BOOKMARK_Calendar" + ordinal;
            cell.dateBookmarkName = "BOOKMARK_Date" + ordinal;
        }
    }
}

std::string CDocxTableWriter::GetYearCalendarXml(const std::string& r1, const std::string& r2, const std::string& r3,
                                                 const std::string& r5, int dayWidth, int year, BYTE twoDigits,
                                                 const CalendarStyle& style, BYTE upper, int firstQuarter,
                                                 int lastQuarter, const DocxDateRange& range)
{
    return docx::Appended([&](std::string& xml) {
        AppendYearCalendarXml(xml, r1, r2, r3, r5, dayWidth, year, twoDigits, style, upper, firstQuarter,
                              lastQuarter, range);
    });
}

void CDocxTableWriter::AppendYearCalendarXml(std::string& xml, const std::string& r1, const std::string& r2,
                                             const std::string& r3, const std::string& r5, int dayWidth, int year,
                                             BYTE twoDigits, const CalendarStyle& style, BYTE upper,
                                             int firstQuarter, int lastQuarter, const DocxDateRange& range)
{
    DocxCalendarModel model;
    BuildCalendarModel(year, model, range.firstMonth, range.lastMonth, range.firstDay, range.lastDay);
    const std::vector<std::string> names = GetMonthNames(style.MonthFormat.str(), upper, year);
    const Rsids rsids{r1, r2, r3, r5};
    for (size_t group = 0; group < 4; ++group) {
        const int quarter = static_cast<int>(group) + 1;
        const bool chosen = quarter >= firstQuarter && quarter <= lastQuarter;
        if (chosen || HoldsRangeDay(model, group))
            AppendQuarterTable(xml, rsids, model, group, dayWidth, twoDigits, style, names);
    }
}

std::vector<std::string> CDocxTableWriter::GetMonthNames(const std::string& format, BYTE upper, int year)
{
    return CDocxBuilder::BuildMonthLabels(format, 1, kMonths, upper, year);
}

std::array<std::string, 7> CDocxTableWriter::GetWeekdayLetters(int style)
{
    if (style == 0)
        return {"S", "M", "T", "W", "T", "F", "S"};
    return {"日", "一", "二", "三", "四", "五", "六"};
}

std::array<std::string, 7> CDocxTableWriter::GetWeekdayNames(int style)
{
    switch (style) {
    case 0: return {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    case 1: return {"SUNDAY", "MONDAY", "TUESDAY", "WEDNESDAY", "THURSDAY", "FRIDAY", "SATURDAY"};
    case 3: return GetWeekdayLetters(0);
    default: return {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
    }
}
