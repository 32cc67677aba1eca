#include "docx/CalendarCells.h"

#include "docx/DocxTableWriter.h"
#include "docx/XmlText.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace docx::calendar {
namespace {

// Word's largest font size, in half-points.
constexpr long kLargestSize = 3276;

struct RunLook {
    const std::string& font;
    BYTE bold;
    BYTE italic;
    BYTE strike;
    const std::string& color;
};

// A header cell: its properties, one paragraph with the alignment and one styled run.
std::string LabelCellXml(const Rsids& rsids, const std::string& widthAndSpan, const std::string& fill,
                         const char* alignment, const RunLook& look, const std::string& label)
{
    std::string xml = "<w:tc>\n<w:tcPr>\n" + widthAndSpan +
                      ValueXml("<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"", fill, "\" />\n") +
                      "</w:tcPr>\n<w:p w:rsidR=\"" + rsids.r1 + "\" w:rsidRPr=\"" + rsids.r5 + "\" w:rsidRDefault=\"" +
                      rsids.r2 + "\" w:rsidP=\"" + rsids.r3 + "\">\n<w:pPr>\n" + alignment + "</w:pPr>\n<w:r w:rsidRPr=\"" +
                      rsids.r5 + "\" >\n<w:rPr>\n";
    if (!look.font.empty())
        xml += CDocxTableWriter::GetFontsXml(look.font);
    if (look.bold == 1)
        xml += "<w:b />\n<w:bCs />\n";
    if (look.italic == 1)
        xml += "<w:i /> <w:iCs /> ";
    if (look.strike == 1)
        xml += "<w:strike />";
    xml += ValueXml("<w:color w:val=\"", look.color, "\" />\n");
    return xml + "</w:rPr>\n<w:t>" + EscapeText(label) + "</w:t>\n</w:r>\n</w:p>\n</w:tc>\n";
}

const char* MonthAlignment(int align)
{
    switch (align) {
    case 0: return "<w:jc w:val=\"left\" />";
    case 2: return "<w:jc w:val=\"right\" />";
    default: return "<w:jc w:val=\"center\" />";
    }
}

} // namespace

void AppendHeaderRowStart(std::string& xml, const Rsids& rsids)
{
    xml.append("<w:tr w:rsidR=\"").append(rsids.r1).append("\" w:rsidRPr=\"").append(rsids.r5);
    xml += "\">\n<w:trPr>\n<w:trHeight w:val=\"288\" /> \n</w:trPr>\n";
}

std::string MonthTitleCellXml(const Rsids& rsids, const std::string& label, const CalendarStyle& style,
                              int dayWidth)
{
    const RunLook look{style.font_name.str(), style.bMonthBold, style.bMonthItalic, style.bMonthStrike,
                       style.month_font_color.str()};
    return LabelCellXml(rsids,
                        "<w:tcW w:w=\"" + std::to_string(7 * dayWidth) +
                            "\" w:type=\"dxa\" />\n<w:gridSpan w:val=\"7\" />\n",
                        style.month_bk_color.str(), MonthAlignment(style.Month_Align), look, label);
}

std::string WeekdayCellXml(const Rsids& rsids, int width, const std::string& label, const CalendarStyle& style)
{
    const RunLook look{style.font_name.str(), style.bWeekBold, style.bWeekItalic, style.bWeekStrike,
                       style.week_font_color.str()};
    return LabelCellXml(rsids, "<w:tcW w:w=\"" + std::to_string(width) + "\" w:type=\"dxa\" />\n",
                        style.week_bk_color.str(), "<w:jc w:val=\"center\" /> ", look, label);
}

void AppendDayParagraphStart(std::string& xml, const Rsids& rsids)
{
    xml.append("<w:p w:rsidR=\"").append(rsids.r1).append("\" w:rsidRDefault=\"").append(rsids.r2);
    xml.append("\" w:rsidP=\"").append(rsids.r3).append("\">\n");
}

std::string DoubledSize(std::string_view points)
{
    const std::string text(points);
    const long whole = std::strtol(text.c_str(), nullptr, 10);
    if (whole <= 0)
        return {};
    return std::to_string(std::min(whole, kLargestSize / 2) * 2);
}

std::string Padded(int number, int digits)
{
    char text[24];
    std::snprintf(text, sizeof text, "%0*d", digits, number);
    return text;
}

} // namespace docx::calendar
