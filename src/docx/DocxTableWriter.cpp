#include "docx/DocxTableWriter.h"

#include "docx/Appended.h"
#include "docx/AttributeValues.h"
#include "docx/XmlText.h"

#include <cstdio>

namespace {

using docx::AppendEscapedAttribute;
using docx::AppendValueXml;
using docx::Appended;

// The start of a bold coloured run, up to where its one inner element goes.
void AppendBoldColorRunStart(std::string& xml, const std::string& color, const char* boldCsLine)
{
    xml.append("<w:r>\n<w:rPr>\n<w:b />\n").append(boldCsLine);
    AppendValueXml(xml, "<w:color w:val=\"", color, "\" />\n");
    xml += "</w:rPr>\n";
}

void AppendFieldCharRun(std::string& xml, const std::string& color, const char* type)
{
    AppendBoldColorRunStart(xml, color, "<w:bCs />\n");
    xml.append("<w:fldChar w:fldCharType=\"").append(type).append("\" />\n</w:r>\n");
}

void AppendFieldInstrRun(std::string& xml, const std::string& color, const std::string& bookmark)
{
    AppendBoldColorRunStart(xml, color, "<w:bCs /> \n");
    xml += "<w:instrText xml:space=\"preserve\">HYPERLINK \\l \"";
    docx::AppendEscapedText(xml, bookmark);
    xml += "\"</w:instrText>\n</w:r>\n";
}

void AppendRsidBoldColorRunStart(std::string& xml, const std::string& color, const std::string& rsid)
{
    xml.append("<w:r w:rsidRPr=\"").append(rsid).append("\">\n<w:rPr>\n<w:b />\n<w:bCs />\n");
    AppendValueXml(xml, "<w:color w:val=\"", color, "\" />\n");
    xml += "</w:rPr>\n";
}

struct BorderFlags {
    BYTE left, right, top, bottom, middle;
};

// Width, indent, the border set, what the caller adds in schema order before the look, the look.
void AppendTableProperties(std::string& xml, const std::string& lineType, const std::string& lineColor,
                           const BorderFlags& sides, std::string_view layout)
{
    xml += "<w:tblPr>\n"
           "<w:tblW w:w=\"0\" w:type=\"auto\" />\n"
           "<w:tblInd w:w=\"-106\" w:type=\"dxa\" />\n"
           "<w:tblBorders>";
    CDocxTableWriter::AppendTableBordersBoxedXml(xml, lineType, lineColor, sides.left, sides.right, sides.top,
                                                 sides.bottom, sides.middle);
    xml += "</w:tblBorders>";
    xml += layout;
    xml += "<w:tblLook w:val=\"01E0\" />\n"
           "</w:tblPr>";
}

} // namespace

std::string CDocxTableWriter::GetTablePropertiesXml(const std::string& lineType, const std::string& lineColor)
{
    return GetTablePropertiesBoxedXml(lineType, lineColor, 1, 1, 1, 1, 1);
}

std::string CDocxTableWriter::GetTablePropertiesBoxedXml(const std::string& lineType, const std::string& lineColor,
                                                         BYTE left, BYTE right, BYTE top, BYTE bottom, BYTE middle)
{
    std::string xml;
    AppendTablePropertiesBoxedXml(xml, lineType, lineColor, left, right, top, bottom, middle);
    return xml;
}

void CDocxTableWriter::AppendTablePropertiesBoxedXml(std::string& xml, const std::string& lineType,
                                                     const std::string& lineColor, BYTE left, BYTE right, BYTE top,
                                                     BYTE bottom, BYTE middle)
{
    AppendTableProperties(xml, lineType, lineColor, {left, right, top, bottom, middle}, "");
}

// Calendar columns are narrow: the grid's widths are kept whatever the cells hold, and the cell
// margins are small enough for a two-digit day to stay on one line.
std::string CDocxTableWriter::GetCalendarTablePropertiesXml(const std::string& lineType,
                                                            const std::string& lineColor)
{
    std::string xml;
    AppendTableProperties(xml, lineType, lineColor, {1, 1, 1, 1, 1},
                          "<w:tblLayout w:type=\"fixed\" />\n"
                          "<w:tblCellMar><w:left w:w=\"43\" w:type=\"dxa\" /><w:right w:w=\"43\" w:type=\"dxa\" />"
                          "</w:tblCellMar>\n");
    return xml;
}

std::string CDocxTableWriter::GetTablePropertiesLinedXml(const std::string& lineType, const std::string& lineColor,
                                                         BYTE bottom, BYTE middle)
{
    return GetTablePropertiesBoxedXml(lineType, lineColor, 0, 0, 0, bottom, middle);
}

// The schema wants the sides in the order top, left, bottom, right, insideH, insideV.
std::string CDocxTableWriter::GetTableBordersXml(const std::string& lineType, const std::string& lineColor)
{
    return GetTableBordersBoxedXml(lineType, lineColor, 1, 1, 1, 1, 1);
}

std::string CDocxTableWriter::GetTableBordersBoxedXml(const std::string& lineType, const std::string& lineColor,
                                                      BYTE left, BYTE right, BYTE top, BYTE bottom, BYTE middle)
{
    std::string xml;
    AppendTableBordersBoxedXml(xml, lineType, lineColor, left, right, top, bottom, middle);
    return xml;
}

void CDocxTableWriter::AppendTableBordersBoxedXml(std::string& xml, const std::string& lineType,
                                                  const std::string& lineColor, BYTE left, BYTE right, BYTE top,
                                                  BYTE bottom, BYTE middle)
{
    AppendBorderXml(xml, top, "top", lineType, lineColor);
    AppendBorderXml(xml, left, "left", lineType, lineColor);
    AppendBorderXml(xml, bottom, "bottom", lineType, lineColor);
    AppendBorderXml(xml, right, "right", lineType, lineColor);
    AppendBorderXml(xml, middle, "insideH", lineType, lineColor);
    AppendBorderXml(xml, 1, "insideV", lineType, lineColor);
}

std::string CDocxTableWriter::GetTableBordersLinedXml(const std::string& lineType, const std::string& lineColor,
                                                      BYTE bottom, BYTE middle)
{
    return GetTableBordersBoxedXml(lineType, lineColor, 0, 0, 0, bottom, middle);
}

std::string CDocxTableWriter::GetBorderXml(BYTE enable, const std::string& side, const std::string& lineType,
                                           const std::string& color)
{
    std::string xml;
    AppendBorderXml(xml, enable, side, lineType, color);
    return xml;
}

void CDocxTableWriter::AppendBorderXml(std::string& xml, BYTE enable, std::string_view side,
                                      const std::string& lineType, const std::string& color)
{
    if (enable != 1 || !docx::IsBorderType(lineType))
        return;
    xml += "<w:";
    xml += side;
    xml += " w:val=\"";
    AppendEscapedAttribute(xml, lineType);
    xml += "\" w:sz=\"4\" w:space=\"0\"";
    AppendValueXml(xml, " w:color=\"", color, "\"");
    xml += " />";
}

std::string CDocxTableWriter::GetCellBordersXml(const std::string& lineType, const std::string& color)
{
    std::string xml;
    AppendCellBordersXml(xml, lineType, color, color);
    return xml;
}

std::string CDocxTableWriter::GetCellBordersWhiteXml(const std::string& lineType, const std::string& color)
{
    std::string xml;
    AppendCellBordersXml(xml, lineType, "FFFFFF", color);
    return xml;
}

void CDocxTableWriter::AppendCellBordersXml(std::string& xml, const std::string& lineType, const std::string& color,
                                           const std::string& leftColor)
{
    xml += "<w:tcBorders>\n";
    AppendBorderXml(xml, 1, "top", lineType, color);
    AppendBorderXml(xml, 1, "left", lineType, leftColor);
    AppendBorderXml(xml, 1, "bottom", lineType, color);
    AppendBorderXml(xml, 1, "right", lineType, color);
    xml += "</w:tcBorders>\n";
}

std::string CDocxTableWriter::GetCellPropertiesXml(BYTE white, int day, const std::string& lineType,
                                                   const std::string& lineColor, const std::string& emptyShading,
                                                   int bookmark, int weekday, const std::string& weekendShading,
                                                   const std::string& workdayShading,
                                                   const std::string& outsideShading, int width)
{
    return Appended([&](std::string& xml) {
        AppendCellPropertiesXml(xml, white, day, lineType, lineColor, emptyShading, bookmark, weekday, weekendShading,
                                workdayShading, outsideShading, width);
    });
}

void CDocxTableWriter::AppendCellPropertiesXml(std::string& xml, BYTE white, int day, const std::string& lineType,
                                               const std::string& lineColor, const std::string& emptyShading,
                                               int bookmark, int weekday, const std::string& weekendShading,
                                               const std::string& workdayShading, const std::string& outsideShading,
                                               int width)
{
    xml.append("<w:tcPr>\n<w:tcW w:w=\"").append(std::to_string(width)).append("\" w:type=\"dxa\" />\n");
    if (white == 1) {
        AppendCellBordersXml(xml, lineType, "FFFFFF", lineColor);
        xml += "</w:tcPr>\n";
        return;
    }
    const std::string& shading = day == 0 ? emptyShading
                                 : bookmark == 0 ? outsideShading
                                 : (weekday == 0 || weekday == 6) ? weekendShading
                                                                  : workdayShading;
    AppendCellBordersXml(xml, lineType, lineColor, lineColor);
    AppendValueXml(xml, "<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"", shading, "\" />\n");
    xml += "</w:tcPr>\n";
}

std::string CDocxTableWriter::GetFieldBeginRunXml(const std::string& color)
{
    return Appended([&](std::string& xml) { AppendFieldCharRun(xml, color, "begin"); });
}

std::string CDocxTableWriter::GetFieldInstrRunXml(const std::string& color, const std::string& bookmark)
{
    return Appended([&](std::string& xml) { AppendFieldInstrRun(xml, color, bookmark); });
}

std::string CDocxTableWriter::GetFieldSeparateRunXml(const std::string& color)
{
    return Appended([&](std::string& xml) { AppendFieldCharRun(xml, color, "separate"); });
}

std::string CDocxTableWriter::GetFieldEndRunXml(const std::string& color)
{
    return Appended([&](std::string& xml) { AppendFieldEndRunXml(xml, color); });
}

void CDocxTableWriter::AppendFieldStartXml(std::string& xml, const std::string& color, const std::string& bookmark,
                                           const std::string& rsid)
{
    AppendFieldCharRun(xml, color, "begin");
    AppendFieldInstrRun(xml, color, bookmark);
    AppendRsidBoldColorRunStart(xml, color, rsid);
    xml += "</w:r>\n";
    AppendFieldCharRun(xml, color, "separate");
}

void CDocxTableWriter::AppendFieldEndRunXml(std::string& xml, const std::string& color)
{
    AppendFieldCharRun(xml, color, "end");
}

std::string CDocxTableWriter::GetBoldColorRunXml(const std::string& color, const std::string& rsid)
{
    return Appended([&](std::string& xml) {
        AppendRsidBoldColorRunStart(xml, color, rsid);
        xml += "</w:r>\n";
    });
}

std::string CDocxTableWriter::GetTextRunXml(const std::string& color, const std::string& rsid,
                                            const std::string& text)
{
    return Appended([&](std::string& xml) { AppendTextRunXml(xml, color, rsid, text); });
}

void CDocxTableWriter::AppendTextRunXml(std::string& xml, const std::string& color, const std::string& rsid,
                                        std::string_view text)
{
    AppendRsidBoldColorRunStart(xml, color, rsid);
    xml += "<w:t>";
    docx::AppendEscapedText(xml, text);
    xml += "</w:t>\n</w:r>\n";
}

std::string CDocxTableWriter::GetDayNumberRunXml(const std::string& color, const std::string& rsid, int day,
                                                 int bookmark, BYTE twoDigits, const std::string& font,
                                                 const std::string& size, BYTE bold, BYTE italic, BYTE strike,
                                                 BYTE underline)
{
    return Appended([&](std::string& xml) {
        AppendDayNumberRunXml(xml, color, rsid, day, bookmark, twoDigits, font, size, bold, italic, strike, underline);
    });
}

// Run properties in schema order: the size follows the colour, the underline comes last.
void CDocxTableWriter::AppendDayNumberRunXml(std::string& xml, const std::string& color, const std::string& rsid,
                                             int day, int bookmark, BYTE twoDigits, const std::string& font,
                                             const std::string& size, BYTE bold, BYTE italic, BYTE strike,
                                             BYTE underline)
{
    xml.append("<w:r w:rsidRPr=\"").append(rsid).append("\">\n<w:rPr>\n<w:rStyle w:val=\"Hyperlink\" />\n");
    if (!font.empty())
        AppendFontsXml(xml, font);
    if (bold == 1)
        xml += "<w:b />\n<w:bCs />\n";
    if (italic == 1)
        xml += "<w:i /> <w:iCs /> ";
    if (strike == 1)
        xml += "<w:strike />";
    AppendValueXml(xml, "<w:color w:val=\"", color, "\" />\n");
    docx::AppendSizeXml(xml, size, "\" />\n");
    if (bookmark != 0 && underline == 1)
        xml += "<w:u w:val=\"single\" />";
    char number[16];
    const int length = std::snprintf(number, sizeof number, twoDigits == 1 ? "%02d" : "%d", day);
    xml.append("</w:rPr>\n<w:t>").append(number, static_cast<size_t>(length)).append(" </w:t>\n</w:r>\n");
}

std::string CDocxTableWriter::GetPageBreakXml(const std::string& rsidR, const std::string& rsidRDefault,
                                              const std::string& rsidP)
{
    std::string xml;
    AppendPageBreakXml(xml, rsidR, rsidRDefault, rsidP);
    return xml;
}

void CDocxTableWriter::AppendPageBreakXml(std::string& xml, const std::string& rsidR, const std::string& rsidRDefault,
                                          const std::string& rsidP)
{
    xml.append("<w:p w:rsidR= \"").append(rsidR).append("\" w:rsidRDefault=\"").append(rsidRDefault);
    xml.append("\" w:rsidP=\"").append(rsidP).append("\"><w:r><w:br w:type=\"page\" /><w:t>  </w:t></w:r></w:p>");
}

std::string CDocxTableWriter::GetEmptyParagraphXml(const std::string& rsidR, const std::string& rsidRDefault)
{
    std::string xml;
    AppendEmptyParagraphXml(xml, rsidR, rsidRDefault);
    return xml;
}

void CDocxTableWriter::AppendEmptyParagraphXml(std::string& xml, const std::string& rsidR,
                                               const std::string& rsidRDefault)
{
    xml.append("<w:p w:rsidR=\"").append(rsidR).append("\" w:rsidRDefault=\"").append(rsidRDefault).append("\" /> ");
}

std::string CDocxTableWriter::GetRowPropertiesXml()
{
    return "<w:trPr><w:trHeight w:val=\"288\" />\n</w:trPr>";
}

std::string CDocxTableWriter::GetCalendarGridXml(int dayWidth, int months)
{
    std::string xml = "<w:tblGrid>";
    const std::string day = "<w:gridCol w:w=\"" + std::to_string(dayWidth) + "\"/>\n";
    for (int month = 0; month < months; ++month) {
        if (month > 0)
            xml += "<w:gridCol w:w=\"" + std::to_string(kMonthSpacerWidth) + "\"/>\n";
        for (int weekday = 0; weekday < 7; ++weekday)
            xml += day;
    }
    return xml + "</w:tblGrid>";
}

std::string CDocxTableWriter::GetSingleColumnGridXml()
{
    return "<w:tblGrid>\n<w:gridCol w:w=\"8522\" /> \n</w:tblGrid>\n";
}

std::string CDocxTableWriter::GetFontsXml(const std::string& font)
{
    std::string xml;
    AppendFontsXml(xml, font);
    return xml;
}

void CDocxTableWriter::AppendFontsXml(std::string& xml, std::string_view font)
{
    std::string name;
    docx::AppendFontNameAttribute(name, font);
    xml.append("<w:rFonts w:ascii='").append(name).append("' w:eastAsia='").append(name);
    xml.append("' w:hAnsi='").append(name).append("' w:cs='").append(name).append("' w:hint=\"eastAsia\" /> ");
}
