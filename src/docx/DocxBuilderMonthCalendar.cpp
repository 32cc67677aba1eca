// The monthly calendar pages: one table per month whose day numbers link to the diary pages,
// with writing rows under each week that can carry a special sign and a 21-day counter.
#include "docx/Appended.h"
#include "docx/CalendarCells.h"
#include "docx/DocxBuilder.h"
#include "docx/DocxTableWriter.h"
#include "docx/TableSeparator.h"
#include "docx/XmlText.h"

#include <algorithm>

namespace {

using docx::AppendValueXml;
using docx::Appended;
using docx::calendar::AppendDayParagraphStart;
using docx::calendar::DoubledSize;
using docx::calendar::Rsids;
using W = CDocxTableWriter;

constexpr int kCycleLength = 21;
// A day column of a month page: seven fill the text column.
constexpr int kColumnWidth = 1368;
constexpr const char* kLineCellWidth = "<w:tcW w:w=\"1368\" w:type=\"dxa\" />";

void AppendShading(std::string& xml, const std::string& fill)
{
    AppendValueXml(xml, "<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"", fill, "\" />\n");
}

const char* AlignmentWord(int align)
{
    switch (align) {
    case 0: return "left";
    case 1: return "center";
    case 2: return "right";
    default: return "";
    }
}

const W::MonthDayLook& LookOf(const W::MonthRowStyle& row, int weekday)
{
    return weekday == 0 || weekday == 6 ? row.weekend : row.workday;
}

void AppendBorders(std::string& xml, const W::MonthRowStyle& row)
{
    if (!row.topType.empty() || !row.bottomType.empty())
        W::AppendTopBottomBordersXml(xml, row.topType, row.topColor, row.bottomType, row.bottomColor);
}

W::MonthRowStyle DayRowStyle(const CalendarStyle& style, const MonthCalendarSettings& settings, BYTE twoDigits)
{
    W::MonthRowStyle row;
    row.dayRow = true;
    row.topType = style.line_type.str();
    row.topColor = style.line_color.str();
    row.bottomType = settings.LineTop[0].str();
    row.bottomColor = settings.LineColor_Top[0].str();
    row.weekend = {style.day0And6_font_color.str(), style.back_color_day06.str(), settings.FontBold_Day,
                   style.bDay06Italic, style.bDay06Strike, 0, 0, ""};
    row.workday = {style.day1To5_font_color.str(), style.back_color_day15.str(), settings.FontBold_Day,
                   style.bDay15Italic, style.bDay15Strike, 0, 0, ""};
    row.outside = {style.day_nolink_font_color.str(), style.back_color_nodiary.str(), style.bDayNotDiaryBold,
                   style.bDayNotDiaryItalic, style.bDayNotDiaryStrike, 0, 0, ""};
    row.font = settings.FontName_Day.str();
    row.size = DoubledSize(settings.FontSize_Day.str());
    row.emptyBackground = style.back_color_empty.str();
    row.underline = settings.FontUnderlined_Day;
    row.alignment = AlignmentWord(settings.FontAlign_Day);
    row.twoDigits = twoDigits;
    return row;
}

W::MonthRowStyle LineRowStyle(const CalendarStyle& style, const MonthCalendarSettings& s, size_t k)
{
    W::MonthRowStyle row;
    row.topType = s.LineTop[k].str();
    row.topColor = s.LineColor_Top[k].str();
    row.bottomType = s.LineBottom[k].str();
    row.bottomColor = s.LineColor_Bottom[k].str();
    row.weekend = {s.line06_FontColor_[k].str(), s.line06_BKColor_[k].str(), s.line06_FontBold_[k],
                   s.line06_FontItalic_[k], s.line06_Strikethrough_[k], s.bAddSpecialSign_06[k],
                   s.iSpecialSign_06[k], s.SpecialSignColor_06[k].str()};
    row.workday = {s.line15_FontColor_[k].str(), s.line15_BKColor_[k].str(), s.line15_FontBold_[k],
                   s.line15_FontItalic_[k], s.line15_Strikethrough_[k], s.bAddSpecialSign_15[k],
                   s.iSpecialSign_15[k], s.SpecialSignColor_15[k].str()};
    row.outside.textColor = style.day_nolink_font_color.str();
    row.outside.background = style.back_color_nodiary.str();
    row.font = s.FontName.str();
    row.size = DoubledSize(s.FontSize.str());
    row.emptyBackground = style.back_color_empty.str();
    row.counter = s.b21Days[k];
    row.counterDaysLeft = s.b21DaysRest[k];
    row.restDays = s.i21DaysNotWorkDays[k];
    row.underline = 1;
    row.snapToGrid = s.bLineSnapToGrid;
    return row;
}

// The next text of the counter: "1D+2-19" is day 2 of cycle 1 with 19 days left. Between two
// cycles lie the rest days: cells holding a blank, the last one empty.
std::string NextCounterText(W::DayCycle& cycle, BYTE daysLeft, int restDays)
{
    ++cycle.nCycleDay;
    if (cycle.nCycleDay > kCycleLength) {
        if (restDays <= 0) {
            ++cycle.nCycleNumber;
            cycle.nCycleDay = 1;
            cycle.nRestDays = 0;
        } else if (++cycle.nRestDays < restDays) {
            return " ";
        } else {
            cycle.nCycleDay = 0;
            ++cycle.nCycleNumber;
            cycle.nRestDays = 0;
            return {};
        }
    }
    std::string text = std::to_string(cycle.nCycleNumber) + "D+" + std::to_string(cycle.nCycleDay);
    const int left = kCycleLength - cycle.nCycleDay;
    if (left != 0 && daysLeft == 1)
        text += "-" + std::to_string(left);
    return text;
}

// A line cell of a diary day up to its text element; the counter cell takes its shading only
// from a complete colour. kLineCellEnd closes it after the text element.
void AppendLineCellStart(std::string& xml, const Rsids& rsids, const W::MonthRowStyle& row, int weekday,
                         bool counterCell)
{
    const W::MonthDayLook& look = LookOf(row, weekday);
    xml.append("<w:tc>\n<w:tcPr>").append(kLineCellWidth);
    AppendBorders(xml, row);
    if (!counterCell || look.background.size() == 6)
        AppendShading(xml, look.background);
    xml += "</w:tcPr>";
    AppendDayParagraphStart(xml, rsids);
    xml += "<w:pPr>";
    if (row.snapToGrid == 1)
        xml += "<w:snapToGrid w:val=\"0\" />";
    xml += " <w:jc w:val=\"left\" /></w:pPr>";
    if (look.sign == 1 && look.signNumber > 0)
        xml += W::GetMonthSymbolRunXml(rsids.r5, look.signColor, row.size, 1, 0, look.signNumber);
    xml.append("<w:r w:rsidRPr=\"").append(rsids.r5).append("\" >\n<w:rPr>\n");
    if (!row.font.empty())
        W::AppendFontsXml(xml, row.font);
    if (look.bold == 1)
        xml += "<w:b />\n<w:bCs />\n";
    if (look.italic == 1)
        xml += "<w:i /> <w:iCs /> ";
    if (look.strike == 1)
        xml += "<w:strike />";
    AppendValueXml(xml, "<w:color w:val=\"", look.textColor, "\" />\n");
    docx::AppendSizeXml(xml, row.size, "\" />\n");
    xml += "</w:rPr>\n";
}

constexpr const char* kLineCellEnd = "</w:r>\n</w:p></w:tc>";

void AppendDayCounterCell(std::string& xml, const Rsids& rsids, const W::MonthRowStyle& row, int weekday,
                          W::DayCycle& cycle)
{
    const std::string text = NextCounterText(cycle, row.counterDaysLeft, row.restDays);
    AppendLineCellStart(xml, rsids, row, weekday, true);
    xml += "<w:t>";
    docx::AppendEscapedText(xml, text);
    xml.append("</w:t>\n").append(kLineCellEnd);
}

void AppendPreservedTextCell(std::string& xml, const Rsids& rsids, const W::MonthRowStyle& row, int weekday)
{
    AppendLineCellStart(xml, rsids, row, weekday, false);
    xml.append("<w:t xml:space=\"preserve\"> </w:t>\n").append(kLineCellEnd);
}

// A narrow cell that starts (restart 1) or continues a vertical merge, holding the run the
// callback appends.
template <typename AppendRun>
void AppendMergedCellContinue(std::string& xml, const Rsids& rsids, const std::string& background, BYTE restart,
                              AppendRun appendRun)
{
    xml.append("<w:tc>\n<w:tcPr>").append(kLineCellWidth);
    xml += restart == 1 ? "<w:vMerge w:val=\"restart\" />" : "<w:vMerge />";
    AppendShading(xml, background);
    xml += "</w:tcPr>";
    AppendDayParagraphStart(xml, rsids);
    xml += "<w:pPr><w:jc w:val=\"left\" /></w:pPr>";
    appendRun(xml);
    xml += "</w:p></w:tc>";
}

// The day-number cell: a day of the range is a HYPERLINK field to its date bookmark; a day
// outside it shows its number only, as no page carries a bookmark for it.
void AppendDayNumberCell(std::string& xml, const Rsids& rsids, const DocxDayCell& cell, const W::MonthRowStyle& row)
{
    const bool linked = cell.bookmarkNumber != 0;
    const W::MonthDayLook& look = linked ? LookOf(row, cell.weekday) : row.outside;
    xml += "<w:tc>\n";
    W::AppendMergedCellStartXml(xml, row.topType, row.topColor, row.bottomType, row.bottomColor, cell.bookmarkNumber,
                                cell.weekday, row.weekend.background, row.workday.background,
                                row.outside.background);
    AppendDayParagraphStart(xml, rsids);
    if (!row.alignment.empty())
        xml.append("<w:pPr>\n<w:jc w:val=\"").append(row.alignment).append("\" /> </w:pPr>\n");
    if (linked)
        W::AppendFieldStartXml(xml, look.textColor, cell.dateBookmarkName, rsids.r5);
    W::AppendDayNumberRunXml(xml, look.textColor, rsids.r5, cell.day, cell.bookmarkNumber, row.twoDigits, row.font,
                             row.size, look.bold, look.italic, look.strike, row.underline);
    if (linked)
        W::AppendFieldEndRunXml(xml, look.textColor);
    xml += "</w:p>\n</w:tc>\n";
}

// Cells without a day start a merge in the day-number row and continue it in the line rows, so
// they never join the weekday label or the week above.
void AppendMonthDayCellXml(std::string& xml, const Rsids& rsids, const DocxDayCell& cell,
                           const W::MonthRowStyle& row, W::DayCycle& cycle)
{
    if (cell.day == 0) {
        AppendMergedCellContinue(xml, rsids, row.emptyBackground, row.dayRow ? 1 : 0, [](std::string&) {});
    } else if (row.dayRow) {
        AppendDayNumberCell(xml, rsids, cell, row);
    } else if (cell.bookmarkNumber == 0) {
        const W::MonthDayLook& look = LookOf(row, cell.weekday);
        AppendMergedCellContinue(xml, rsids, row.outside.background, 0, [&](std::string& run) {
            W::AppendDayNumberRunXml(run, look.textColor, rsids.r5, cell.day, 0, 0, row.font, docx::kNoValue, look.bold, 0,
                                     0, 1);
        });
    } else if (row.counter == 1) {
        AppendDayCounterCell(xml, rsids, row, cell.weekday, cycle);
    } else {
        AppendPreservedTextCell(xml, rsids, row, cell.weekday);
    }
}

// The seven cells of the week, Sunday to Saturday.
void AppendMonthRowCellsXml(std::string& xml, const Rsids& rsids, const DocxWeek& week, const W::MonthRowStyle& row,
                            W::DayCycle& cycle)
{
    for (const DocxDayCell& cell : week)
        AppendMonthDayCellXml(xml, rsids, cell, row, cycle);
}

void AppendMonthRowXml(std::string& xml, const Rsids& rsids, const DocxWeek& week, const W::MonthRowStyle& row,
                       W::DayCycle& cycle)
{
    xml.append("<w:tr w:rsidR=\"").append(rsids.r1).append("\" w:rsidTr=\"").append(rsids.r1).append("\">\n");
    xml += W::GetRowPropertiesXml();
    AppendMonthRowCellsXml(xml, rsids, week, row, cycle);
    xml += "</w:tr>\n";
}

void AppendMonthTable(std::string& xml, const Rsids& rsids, const DocxCalendarMonth& weeks, const std::string& label,
                      const CalendarStyle& style, const MonthCalendarSettings& settings,
                      const W::MonthRowStyle& dayRow, const std::vector<W::MonthRowStyle>& lineRows,
                      W::DayCycle& cycle)
{
    docx::KeepApartFromTable(xml);
    xml += "<w:tbl>\n";
    xml += W::GetCalendarTablePropertiesXml(settings.LineType_Grid.str(), settings.LineColor_Grid.str());
    xml += W::GetCalendarGridXml(kColumnWidth, 1);
    docx::calendar::AppendHeaderRowStart(xml, rsids);
    xml += docx::calendar::MonthTitleCellXml(rsids, label, style, kColumnWidth);
    xml += "</w:tr>\n";
    docx::calendar::AppendHeaderRowStart(xml, rsids);
    for (const std::string& name : W::GetWeekdayNames(settings.bWeekNameUpper == 1 ? 1 : 0))
        xml += docx::calendar::WeekdayCellXml(rsids, kColumnWidth, name, style);
    xml += "</w:tr>";
    for (size_t w = 0; w < weeks.size(); ++w) {
        if (w == 5 && weeks[w][0].day == 0)
            continue;
        AppendMonthRowXml(xml, rsids, weeks[w], dayRow, cycle);
        for (const W::MonthRowStyle& line : lineRows)
            AppendMonthRowXml(xml, rsids, weeks[w], line, cycle);
    }
    xml += "</w:tbl>\n";
}

} // namespace

std::string CDocxTableWriter::GetMonthCalendarXml(const std::string& r1, const std::string& r2, const std::string& r3,
                                                  const std::string& r5, int year, BYTE twoDigits,
                                                  const CalendarStyle& style, BYTE monthUpper,
                                                  const MonthCalendarSettings& settings, int firstMonth,
                                                  int lastMonth, const DocxDateRange& range)
{
    return Appended([&](std::string& xml) {
        AppendMonthCalendarXml(xml, r1, r2, r3, r5, year, twoDigits, style, monthUpper, settings,
                               firstMonth, lastMonth, range);
    });
}

void CDocxTableWriter::AppendMonthCalendarXml(std::string& xml, const std::string& r1, const std::string& r2,
                                              const std::string& r3, const std::string& r5, int year,
                                              BYTE twoDigits, const CalendarStyle& style, BYTE monthUpper,
                                              const MonthCalendarSettings& settings, int firstMonth, int lastMonth,
                                              const DocxDateRange& range)
{
    const Rsids rsids{r1, r2, r3, r5};
    DayCycle cycle;
    const std::string daySize = DoubledSize(settings.FontSize_Day.str());
    const std::vector<std::string> labels = GetMonthNames(style.MonthFormat.str(), monthUpper, year);
    DocxCalendarModel model;
    BuildCalendarModel(year, model, range.firstMonth, range.lastMonth, range.firstDay, range.lastDay);
    const MonthRowStyle dayRow = DayRowStyle(style, settings, twoDigits);
    std::vector<MonthRowStyle> lineRows;
    for (size_t k = 0; k < MonthCalendarSettings::kRows; ++k)
        if (settings.bAddLine[k] == 1)
            lineRows.push_back(LineRowStyle(style, settings, k));

    const auto heading = [&](const std::string& text, const char* level) {
        xml += CDocxBuilder::GetTextParagraphXml(text, style.font_name.str(), daySize, style.month_font_color.str(),
                                                 style.bMonthBold, level, r1, r2, r3);
    };
    const int first = std::max(firstMonth, 1);
    for (int month = first; month <= std::min(lastMonth, 12); ++month) {
        const auto index = static_cast<size_t>(month - 1);
        AppendPageBreakXml(xml, r1, r2, r3);
        if (month == first)
            heading("月日历", "1");
        const std::string label = index < labels.size() ? labels[index] : std::string();
        heading(label, "2");
        AppendMonthTable(xml, rsids, model[index], label, style, settings, dayRow, lineRows, cycle);
    }
}

// The schema puts the merge before the borders.
std::string CDocxTableWriter::GetMergedCellStartXml(const std::string& topType, const std::string& topColor,
                                                    const std::string& bottomType, const std::string& bottomColor,
                                                    int bookmark, int weekday, const std::string& weekendBackground,
                                                    const std::string& workdayBackground,
                                                    const std::string& outsideBackground)
{
    return Appended([&](std::string& xml) {
        AppendMergedCellStartXml(xml, topType, topColor, bottomType, bottomColor, bookmark, weekday,
                                 weekendBackground, workdayBackground, outsideBackground);
    });
}

void CDocxTableWriter::AppendMergedCellStartXml(std::string& xml, const std::string& topType,
                                                const std::string& topColor, const std::string& bottomType,
                                                const std::string& bottomColor, int bookmark, int weekday,
                                                const std::string& weekendBackground,
                                                const std::string& workdayBackground,
                                                const std::string& outsideBackground)
{
    xml.append("<w:tcPr>\n").append(kLineCellWidth).append("\n");
    if (bookmark == 0)
        xml += "<w:vMerge w:val=\"restart\" />";
    if (!topType.empty() || !bottomType.empty())
        AppendTopBottomBordersXml(xml, topType, topColor, bottomType, bottomColor);
    const std::string& fill = bookmark == 0                     ? outsideBackground
                              : (weekday == 0 || weekday == 6) ? weekendBackground
                                                               : workdayBackground;
    AppendShading(xml, fill);
    xml += "</w:tcPr>\n";
}

std::string CDocxTableWriter::GetMergedCellContinueXml(const std::string& r1, const std::string& r2,
                                                       const std::string& r3, const std::string& background,
                                                       BYTE restart, const std::string& run)
{
    return Appended([&](std::string& xml) {
        AppendMergedCellContinue(xml, Rsids{r1, r2, r3, ""}, background, restart,
                                 [&](std::string& cell) { cell += run; });
    });
}

std::string CDocxTableWriter::GetMonthRowXml(const std::string& r1, const std::string& r2, const std::string& r3,
                                             const std::string& r5, const DocxWeek& week, const MonthRowStyle& row,
                                             DayCycle& cycle)
{
    return Appended([&](std::string& xml) { AppendMonthRowXml(xml, Rsids{r1, r2, r3, r5}, week, row, cycle); });
}

std::string CDocxTableWriter::GetMonthRowCellsXml(const std::string& r1, const std::string& r2, const std::string& r3,
                                                  const std::string& r5, const DocxWeek& week,
                                                  const MonthRowStyle& row, DayCycle& cycle)
{
    return Appended([&](std::string& xml) { AppendMonthRowCellsXml(xml, Rsids{r1, r2, r3, r5}, week, row, cycle); });
}

std::string CDocxTableWriter::GetMonthDayCellXml(const std::string& r1, const std::string& r2, const std::string& r3,
                                                 const std::string& r5, const DocxDayCell& cell,
                                                 const MonthRowStyle& row, DayCycle& cycle)
{
    return Appended([&](std::string& xml) { AppendMonthDayCellXml(xml, Rsids{r1, r2, r3, r5}, cell, row, cycle); });
}

std::string CDocxTableWriter::GetDayCounterCellXml(const std::string& r1, const std::string& r2,
                                                   const std::string& r3, const std::string& r5,
                                                   const MonthRowStyle& row, int weekday, DayCycle& cycle)
{
    return Appended([&](std::string& xml) { AppendDayCounterCell(xml, Rsids{r1, r2, r3, r5}, row, weekday, cycle); });
}

std::string CDocxTableWriter::GetPreservedTextCellXml(const std::string& r1, const std::string& r2,
                                                      const std::string& r3, const std::string& r5,
                                                      const MonthRowStyle& row, int weekday)
{
    return Appended([&](std::string& xml) { AppendPreservedTextCell(xml, Rsids{r1, r2, r3, r5}, row, weekday); });
}
std::string CDocxTableWriter::GetMonthSymbolRunXml(const std::string& r5, const std::string& color,
                                                   const std::string& size, BYTE bold, BYTE italic, int sign)
{
    std::string xml = "<w:r w:rsidRPr=\"" + r5 + "\" >\n<w:rPr>\n";
    if (bold == 1)
        xml += "<w:b />\n<w:bCs />\n";
    if (italic == 1)
        xml += "<w:i /> <w:iCs /> ";
    xml += docx::ValueXml("<w:color w:val=\"", color, "\"/>\r\n") + docx::SizeXml(size, "\" />") + "</w:rPr>";
    const std::string font = CDocxBuilder::GetSymbolFont(sign);
    if (!font.empty())
        xml += "<w:sym w:font=\"" + font + "\" w:char=\"" + CDocxBuilder::GetSymbolCode(sign) + "\" />";
    return xml + "</w:r>";
}

std::string CDocxTableWriter::GetTopBottomBordersXml(const std::string& topType, const std::string& topColor,
                                                     const std::string& bottomType, const std::string& bottomColor)
{
    return Appended([&](std::string& xml) { AppendTopBottomBordersXml(xml, topType, topColor, bottomType, bottomColor); });
}

void CDocxTableWriter::AppendTopBottomBordersXml(std::string& xml, const std::string& topType,
                                                 const std::string& topColor, const std::string& bottomType,
                                                 const std::string& bottomColor)
{
    xml += "<w:tcBorders>\n";
    AppendBorderXml(xml, topColor.empty() ? 0 : 1, "top", topType, topColor);
    AppendBorderXml(xml, bottomColor.empty() ? 0 : 1, "bottom", bottomType, bottomColor);
    xml += "</w:tcBorders>\n";
}
