// The planners: a year planner with one column per month whose rows each hold one weekday, and
// a quarter planner with three months side by side, a little writing space per day.
#include "docx/Appended.h"
#include "docx/CalendarCells.h"
#include "docx/DocxBuilder.h"
#include "docx/DocxTableWriter.h"
#include "docx/TableSeparator.h"
#include "docx/XmlText.h"
#include "settings/CivilDate.h"

#include <algorithm>
#include <cctype>

namespace {

using W = CDocxTableWriter;

constexpr int kMonths = 12;
constexpr int kTableWidth = 10008;
constexpr int kLetterWidth = 300;
// Quarter planner columns: a day number and a writing column per month, spacers between months.
constexpr int kNumberWidth = 648;
constexpr int kWritingWidth = 2520;
constexpr int kSpacerWidth = 253;
constexpr int kLongestMonth = 31;

// What a right border without its own type or colour is drawn with.
const std::string kSingle = "single";
const std::string kWhite = "FFFFFF";

const std::string kRowStart = "<w:tr w:rsidR=\"00F458AB\" w:rsidRPr=\"009D781D\" w:rsidTr=\"00FC5CF3\">"
                              "<w:trPr><w:trHeight w:val=\"288\" /> </w:trPr>";
constexpr const char* kRowEnd = "</w:tr>";

bool IsHexColor(const std::string& color)
{
    return color.size() == 6 &&
           std::all_of(color.begin(), color.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
}

void AppendRunProperties(std::string& xml, std::string_view font, std::string_view color, const std::string& size)
{
    W::AppendFontsXml(xml, font);
    xml.append("\t<w:color w:val=\"").append(color).append("\" /> ");
    docx::AppendSizeXml(xml, size, "\" />");
    xml += "\t</w:rPr>";
}

// The look every cell of one planner shares.
struct PlannerLook {
    const std::string& font;
    const std::string& size;
};

void AppendCell(std::string& xml, const PlannerLook& look, std::string_view text, const std::string& background,
                const std::string& textColor, int width, int alignment)
{
    W::AppendPlannerCellXml(xml, text, background, textColor, look.font, look.size, width, alignment, 1, 0, 0, docx::kNoValue,
                            docx::kNoValue);
}

const std::string& Label(const std::vector<std::string>& labels, int month)
{
    const auto index = static_cast<size_t>(month);
    return index < labels.size() ? labels[index] : docx::kNoValue;
}

BYTE Both(BYTE a, BYTE b)
{
    return a == 1 && b == 1 ? BYTE{1} : BYTE{0};
}

bool IsWeekend(int weekday)
{
    return weekday == 0 || weekday == 6;
}

void AppendYearPlannerLabelRow(std::string& xml, const PlannerLook& look, const YearPlannerSettings& s,
                               const std::vector<std::string>& labels, int first, int end, int width,
                               const std::string& cornerColor)
{
    xml += kRowStart;
    AppendCell(xml, look, "", s.color_for_month_bk.str(), cornerColor, kLetterWidth, 0);
    for (int month = first; month < end; ++month)
        AppendCell(xml, look, Label(labels, month), s.color_for_month_bk.str(), s.color_for_month_font.str(), width, 1);
    xml += kRowEnd;
}

} // namespace

std::string CDocxTableWriter::GetYearPlannerXml(const YearPlannerSettings& settings, const CalendarStyle& style,
                                                int first, int end, int year, BYTE monthUpper)
{
    return docx::Appended(
        [&](std::string& xml) { AppendYearPlannerXml(xml, settings, style, first, end, year, monthUpper); });
}

void CDocxTableWriter::AppendYearPlannerXml(std::string& xml, const YearPlannerSettings& settings,
                                            const CalendarStyle& style, int first, int end, int year, BYTE monthUpper)
{
    if (first < 0 || end > kMonths || first >= end)
        return;
    const YearPlannerSettings& s = settings;
    const int count = end - first;
    const int width = (kTableWidth - kLetterWidth) / count;
    const std::string size = docx::calendar::DoubledSize(s.str_FontSize.str());
    const PlannerLook look{s.str_FontName.str(), size};

    docx::KeepApartFromTable(xml);
    xml += "<w:tbl>";
    xml += GetPlannerTablePropertiesXml(s.line_type_name_in_xml.str(), s.line_color.str(), std::to_string(kTableWidth),
                                        "-106", 1, 1, 1, 1);
    xml += "<w:tblGrid><w:gridCol w:w=\"300\" />";
    for (int month = first; month < end; ++month)
        xml += "<w:gridCol w:w=\"" + std::to_string(width) + "\" />";
    xml += "</w:tblGrid>";

    const std::vector<std::string> labels =
        count > 6 ? GetMonthNames(s.MonthFormat_For1PageYearPlanner.str(), s.YearPlanner1Page_MonthUppercase, year)
                  : GetMonthNames(style.MonthFormat.str(), monthUpper, year);
    AppendYearPlannerLabelRow(xml, look, s, labels, first, end, width, s.color_for_weekname_font.str());

    const auto letters = GetWeekdayNames(3);
    std::vector<PlannerMonth> columns;
    const int lowest = GetAlignedMonthDays(columns, year, first, end);
    // The longest column: a month from the latest weekday, 6 - lowest fillers and 31 days.
    const int rows = (6 - lowest) + kLongestMonth;
    int letter = lowest;
    for (int row = 0; row < rows; ++row) {
        if (letter > 6)
            letter = 0;
        xml += kRowStart;
        AppendCell(xml, look, letters[static_cast<size_t>(letter)], s.color_for_weekname_bk.str(),
                   s.color_for_weekname_font.str(), kLetterWidth, 0);
        ++letter;
        for (size_t column = 0; column < columns.size(); ++column) {
            const PlannerMonth& days = columns[column];
            const PlannerDay entry = static_cast<size_t>(row) < days.size() ? days[static_cast<size_t>(row)] : PlannerDay{};
            const std::string text = entry.day != 0 ? std::to_string(entry.day) : std::string();
            const bool weekend = IsWeekend(entry.weekday);
            const std::string& color = weekend ? s.color_for_week0and6_font.str() : s.color_for_week1to5_font.str();
            const std::string& background = weekend             ? s.color_for_week0and6_bk.str()
                                            : text.empty()      ? s.color_for_day_is_empty_bk.str()
                                            : column % 2 == 1 ? s.color_for_double_month_bk.str()
                                                              : s.color_for_week1to5_bk.str();
            AppendCell(xml, look, text, background, color, width, 0);
        }
        xml += kRowEnd;
    }
    AppendYearPlannerLabelRow(xml, look, s, labels, first, end, width, s.color_for_month_font.str());
    xml += "</w:tbl>";
}

std::string CDocxTableWriter::GetQuarterPlannerXml(const YearPlannerSettings& settings, const CalendarStyle& style,
                                                   int first, int end, int year, BYTE monthUpper)
{
    return docx::Appended(
        [&](std::string& xml) { AppendQuarterPlannerXml(xml, settings, style, first, end, year, monthUpper); });
}

void CDocxTableWriter::AppendQuarterPlannerXml(std::string& xml, const YearPlannerSettings& settings,
                                               const CalendarStyle& style, int first, int end, int year,
                                               BYTE monthUpper)
{
    if (first < 0 || end > kMonths || end - first != 3)
        return;
    const YearPlannerSettings& s = settings;
    const std::string size = docx::calendar::DoubledSize(s.str_FontSize.str());
    const std::string& font = s.str_FontName.str();
    const std::string white = "FFFFFF";
    docx::KeepApartFromTable(xml);
    xml += "<w:tbl>";
    xml += GetPlannerTablePropertiesXml(s.line_type_name_in_xml.str(), s.line_color.str(), "", "", 1, 1, 0, 0);
    xml += "<w:tblGrid>";
    for (int month = 0; month < 3; ++month) {
        xml += " \t    <w:gridCol w:w=\"648\" /> \t<w:gridCol w:w=\"2520\" /> ";
        if (month < 2)
            xml += "\t<w:gridCol w:w=\"253\" /> ";
    }
    xml += "</w:tblGrid>";

    const std::vector<std::string> labels = GetMonthNames(style.MonthFormat.str(), monthUpper, year);
    xml += kRowStart;
    for (int month = first; month < end; ++month) {
        AppendPlannerCellXml(xml, Label(labels, month), s.color_for_month_bk.str(), s.color_for_month_font.str(), font,
                             size, kNumberWidth + kWritingWidth, 1, 1, 1, 0, docx::kNoValue, docx::kNoValue);
        if (month < end - 1)
            AppendPlannerCellXml(xml, "", white, s.color_for_month_font.str(), font, size, kSpacerWidth, 1, 0, 0, 0,
                                 docx::kNoValue, docx::kNoValue);
    }
    xml += kRowEnd;

    const auto letters = GetWeekdayNames(3);
    std::array<PlannerMonth, kMonths> months;
    GetMonthDays(months, year);
    for (size_t row = 0; row < kLongestMonth; ++row) {
        xml += kRowStart;
        for (int month = first; month < end; ++month) {
            const PlannerMonth& days = months[static_cast<size_t>(month)];
            std::string text;
            int weekday = 1;
            if (row < days.size()) {
                weekday = days[row].weekday;
                text = std::to_string(days[row].day) + " " + letters[static_cast<size_t>(weekday)];
            }
            const std::string& color = IsWeekend(weekday) ? s.color_for_week0and6_font.str()
                                                          : s.color_for_week1to5_font.str();
            const std::string& background = IsWeekend(weekday) ? s.color_for_week0and6_bk.str()
                                                               : s.color_for_week1to5_bk.str();
            AppendPlannerCellXml(xml, text, background, color, font, size, kNumberWidth, 0, 1, 0, 1,
                                 s.line_type_name_in_xml.str(), s.line_color.str());
            AppendPlannerCellXml(xml, "", background, color, font, size, kWritingWidth, 0, 1, 0, 0, docx::kNoValue, docx::kNoValue);
            if (month < end - 1)
                AppendPlannerCellXml(xml, "", white, color, font, size, kSpacerWidth, 1, 0, 0, 0, docx::kNoValue, docx::kNoValue);
        }
        xml += kRowEnd;
    }
    xml += "</w:tbl>";
}

std::string CDocxTableWriter::GetPlannerTablePropertiesXml(const std::string& lineType, const std::string& lineColor,
                                                           const std::string& width, const std::string& indent,
                                                           BYTE top, BYTE bottom, BYTE left, BYTE right)
{
    return "<w:tblPr><w:tblW w:w=\"" + docx::EscapeAttribute(width.empty() ? "10008" : width) +
           "\" w:type=\"dxa\" /><w:tblInd w:w=\"" + docx::EscapeAttribute(indent.empty() ? "-106" : indent) +
           "\" w:type=\"dxa\" />" + GetPlannerBordersXml(lineType, lineColor, top, bottom, left, right) +
           "<w:tblLayout w:type=\"fixed\" /><w:tblLook w:val=\"01E0\" /></w:tblPr>";
}

// The schema wants top, left, bottom, right, insideH, insideV in this order.
std::string CDocxTableWriter::GetPlannerBordersXml(const std::string& lineType, const std::string& lineColor, BYTE top,
                                                   BYTE bottom, BYTE left, BYTE right)
{
    const std::string type = lineType.empty() ? "single" : lineType;
    const std::string color = IsHexColor(lineColor) ? lineColor : "000000";
    return "<w:tblBorders>\n" + GetBorderXml(top, "top", type, color) + GetBorderXml(left, "left", type, color) +
           GetBorderXml(bottom, "bottom", type, color) + GetBorderXml(right, "right", type, color) +
           GetBorderXml(Both(top, bottom), "insideH", type, color) +
           GetBorderXml(Both(left, right), "insideV", type, color) + "</w:tblBorders>\n";
}

std::string CDocxTableWriter::GetPlannerCellXml(const std::string& text, const std::string& background,
                                                const std::string& textColor, const std::string& font,
                                                const std::string& size, int width, int alignment, BYTE keepTopBottom,
                                                BYTE spanTwo, BYTE rightBorder, const std::string& rightType,
                                                const std::string& rightColor)
{
    return docx::Appended([&](std::string& xml) {
        AppendPlannerCellXml(xml, text, background, textColor, font, size, width, alignment, keepTopBottom, spanTwo,
                             rightBorder, rightType, rightColor);
    });
}

// One set of cell borders: the schema takes no second.
void CDocxTableWriter::AppendPlannerCellXml(std::string& xml, std::string_view text, const std::string& background,
                                            const std::string& textColor, const std::string& font,
                                            const std::string& size, int width, int alignment, BYTE keepTopBottom,
                                            BYTE spanTwo, BYTE rightBorder, const std::string& rightType,
                                            const std::string& rightColor)
{
    const char* word = alignment == 1 ? "center" : alignment == 2 ? "right" : "left";
    // The paragraph mark and the run share their properties.
    std::string run;
    AppendRunProperties(run, font.empty() ? std::string_view("Tahoma") : std::string_view(font),
                        IsHexColor(textColor) ? std::string_view(textColor) : std::string_view("FFFFFF"), size);
    xml.append("<w:tc> <w:tcPr>\t<w:tcW w:w=\"").append(std::to_string(width)).append("\" w:type=\"dxa\" /> ");
    if (spanTwo == 1)
        xml += "<w:gridSpan w:val=\"2\" />";
    if (keepTopBottom != 1 || rightBorder == 1) {
        xml += "<w:tcBorders>";
        if (keepTopBottom != 1)
            xml += "<w:top w:val=\"nil\" /> <w:bottom w:val=\"nil\" /> ";
        if (rightBorder == 1)
            AppendBorderXml(xml, 1, "right", rightType.empty() ? kSingle : rightType,
                            rightColor.empty() ? kWhite : rightColor);
        xml += "</w:tcBorders>";
    }
    xml.append("\t<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"");
    xml.append(IsHexColor(background) ? std::string_view(background) : std::string_view("000000"));
    xml += "\" /> \t</w:tcPr>";
    xml += " <w:p w:rsidR=\"00F458AB\" w:rsidRPr=\"009D781D\" w:rsidRDefault=\"00F458AB\" w:rsidP=\"00BE39CD\">"
           " <w:pPr>\t<w:jc w:val=\"";
    xml.append(word).append("\" />  <w:rPr>").append(run).append("\t</w:pPr>");
    xml.append(" <w:r w:rsidRPr=\"009D781D\"><w:rPr>").append(run).append("\t<w:t>");
    docx::AppendEscapedText(xml, text);
    xml += "</w:t> \t</w:r>\t</w:p>\t</w:tc>";
}

void CDocxTableWriter::GetMonthDays(std::array<PlannerMonth, 12>& months, int year)
{
    for (int month = 1; month <= kMonths; ++month) {
        PlannerMonth& days = months[static_cast<size_t>(month - 1)];
        days.clear();
        for (int day = 1; day <= civil::DaysInMonth(year, month); ++day)
            days.push_back({day, GetWeekday(year, month, day)});
    }
}

int CDocxTableWriter::GetAlignedMonthDays(std::vector<PlannerMonth>& months, int year, int first, int end)
{
    months.clear();
    first = std::max(first, 0);
    end = std::min(end, kMonths);
    int lowest = 6;
    for (int month = first; month < end; ++month)
        lowest = std::min(lowest, GetWeekday(year, month + 1, 1));
    for (int month = first; month < end; ++month) {
        PlannerMonth days(static_cast<size_t>(GetWeekday(year, month + 1, 1) - lowest));
        for (int day = 1; day <= civil::DaysInMonth(year, month + 1); ++day)
            days.push_back({day, GetWeekday(year, month + 1, day)});
        months.push_back(std::move(days));
    }
    return lowest;
}
