#include "docx/DocxTableWriter.h"

#include "docx/XmlText.h"

#include <cstdio>

namespace {

using docx::EscapeAttribute;
using docx::EscapeText;
using docx::ValueXml;

std::string TableProperties(const std::string& borders)
{
    return "<w:tblPr>\n"
           "<w:tblW w:w=\"0\" w:type=\"auto\" />\n"
           "<w:tblInd w:w=\"-106\" w:type=\"dxa\" />\n"
           "<w:tblBorders>" + borders + "</w:tblBorders>"
           "<w:tblLook w:val=\"01E0\" />\n"
           "</w:tblPr>";
}

// A bold coloured run around one inner element.
std::string BoldColorRun(const std::string& color, const char* boldCsLine, const std::string& inner)
{
    return std::string("<w:r>\n<w:rPr>\n<w:b />\n") + boldCsLine +
           ValueXml("<w:color w:val=\"", color, "\" />\n") +
           "</w:rPr>\n" + inner + "</w:r>\n";
}

std::string FieldCharRun(const std::string& color, const char* type)
{
    return BoldColorRun(color, "<w:bCs />\n", std::string("<w:fldChar w:fldCharType=\"") + type + "\" />\n");
}

std::string RsidBoldColorRun(const std::string& color, const std::string& rsid, const std::string& inner)
{
    return "<w:r w:rsidRPr=\"" + rsid + "\">\n<w:rPr>\n<w:b />\n<w:bCs />\n" +
           ValueXml("<w:color w:val=\"", color, "\" />\n") + "</w:rPr>\n" + inner + "</w:r>\n";
}

} // namespace

std::string CDocxTableWriter::GetTablePropertiesXml(const std::string& lineType, const std::string& lineColor)
{
    return TableProperties(GetTableBordersXml(lineType, lineColor));
}

std::string CDocxTableWriter::GetTablePropertiesBoxedXml(const std::string& lineType, const std::string& lineColor,
                                                         BYTE left, BYTE right, BYTE top, BYTE bottom, BYTE middle)
{
    return TableProperties(GetTableBordersBoxedXml(lineType, lineColor, left, right, top, bottom, middle));
}

std::string CDocxTableWriter::GetTablePropertiesLinedXml(const std::string& lineType, const std::string& lineColor,
                                                         BYTE bottom, BYTE middle)
{
    return TableProperties(GetTableBordersLinedXml(lineType, lineColor, bottom, middle));
}

// The schema wants the sides in the order top, left, bottom, right, insideH, insideV.
std::string CDocxTableWriter::GetTableBordersXml(const std::string& lineType, const std::string& lineColor)
{
    return GetTableBordersBoxedXml(lineType, lineColor, 1, 1, 1, 1, 1);
}

std::string CDocxTableWriter::GetTableBordersBoxedXml(const std::string& lineType, const std::string& lineColor,
                                                      BYTE left, BYTE right, BYTE top, BYTE bottom, BYTE middle)
{
    return GetBorderXml(top, "top", lineType, lineColor) + GetBorderXml(left, "left", lineType, lineColor) +
           GetBorderXml(bottom, "bottom", lineType, lineColor) + GetBorderXml(right, "right", lineType, lineColor) +
           GetBorderXml(middle, "insideH", lineType, lineColor) + GetBorderXml(1, "insideV", lineType, lineColor);
}

std::string CDocxTableWriter::GetTableBordersLinedXml(const std::string& lineType, const std::string& lineColor,
                                                      BYTE bottom, BYTE middle)
{
    return GetTableBordersBoxedXml(lineType, lineColor, 0, 0, 0, bottom, middle);
}

std::string CDocxTableWriter::GetBorderXml(BYTE enable, const std::string& side, const std::string& lineType,
                                           const std::string& color)
{
    if (enable != 1 || lineType.empty())
        return {};
    return "<w:" + side + " w:val=\"" + EscapeAttribute(lineType) + "\" w:sz=\"4\" w:space=\"0\"" +
           ValueXml(" w:color=\"", color, "\"") + " />";
}

std::string CDocxTableWriter::GetCellBordersXml(const std::string& lineType, const std::string& color)
{
    return "<w:tcBorders>\n" + GetBorderXml(1, "top", lineType, color) + GetBorderXml(1, "left", lineType, color) +
           GetBorderXml(1, "bottom", lineType, color) + GetBorderXml(1, "right", lineType, color) +
           "</w:tcBorders>\n";
}

std::string CDocxTableWriter::GetCellBordersWhiteXml(const std::string& lineType, const std::string& color)
{
    const std::string white = "FFFFFF";
    return "<w:tcBorders>\n" + GetBorderXml(1, "top", lineType, white) + GetBorderXml(1, "left", lineType, color) +
           GetBorderXml(1, "bottom", lineType, white) + GetBorderXml(1, "right", lineType, white) +
           "</w:tcBorders>\n";
}

std::string CDocxTableWriter::GetCellPropertiesXml(BYTE white, int day, const std::string& lineType,
                                                   const std::string& lineColor, const std::string& emptyShading,
                                                   int bookmark, int weekday, const std::string& weekendShading,
                                                   const std::string& workdayShading,
                                                   const std::string& outsideShading)
{
    std::string xml = "<w:tcPr>\n<w:tcW w:w=\"8522\" w:type=\"dxa\" />\n";
    if (white == 1)
        return xml + GetCellBordersWhiteXml(lineType, lineColor) + "</w:tcPr>\n";
    const std::string& shading = day == 0 ? emptyShading
                                 : bookmark == 0 ? outsideShading
                                 : (weekday == 0 || weekday == 6) ? weekendShading
                                                                  : workdayShading;
    return xml + GetCellBordersXml(lineType, lineColor) +
           ValueXml("<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"", shading, "\" />\n") + "</w:tcPr>\n";
}

std::string CDocxTableWriter::GetFieldBeginRunXml(const std::string& color)
{
    return FieldCharRun(color, "begin");
}

std::string CDocxTableWriter::GetFieldInstrRunXml(const std::string& color, const std::string& bookmark)
{
    return BoldColorRun(color, "<w:bCs /> \n",
                        "<w:instrText xml:space=\"preserve\">HYPERLINK \\l \"" + EscapeText(bookmark) +
                            "\"</w:instrText>\n");
}

std::string CDocxTableWriter::GetFieldSeparateRunXml(const std::string& color)
{
    return FieldCharRun(color, "separate");
}

std::string CDocxTableWriter::GetFieldEndRunXml(const std::string& color)
{
    return FieldCharRun(color, "end");
}

std::string CDocxTableWriter::GetBoldColorRunXml(const std::string& color, const std::string& rsid)
{
    return RsidBoldColorRun(color, rsid, "");
}

std::string CDocxTableWriter::GetTextRunXml(const std::string& color, const std::string& rsid,
                                            const std::string& text)
{
    return RsidBoldColorRun(color, rsid, "<w:t>" + EscapeText(text) + "</w:t>\n");
}

// Run properties in schema order: the size follows the colour, the underline comes last.
std::string CDocxTableWriter::GetDayNumberRunXml(const std::string& color, const std::string& rsid, int day,
                                                 int bookmark, BYTE twoDigits, const std::string& font,
                                                 const std::string& size, BYTE bold, BYTE italic, BYTE strike,
                                                 BYTE underline)
{
    std::string xml = "<w:r w:rsidRPr=\"" + rsid + "\">\n<w:rPr>\n<w:rStyle w:val=\"Hyperlink\" />\n";
    if (!font.empty())
        xml += GetFontsXml(font);
    if (bold == 1)
        xml += "<w:b />\n<w:bCs />\n";
    if (italic == 1)
        xml += "<w:i /> <w:iCs /> ";
    if (strike == 1)
        xml += "<w:strike />";
    xml += ValueXml("<w:color w:val=\"", color, "\" />\n");
    xml += docx::SizeXml(size, "\" />\n");
    if (bookmark != 0 && underline == 1)
        xml += "<w:u w:val=\"single\" />";
    char number[16];
    std::snprintf(number, sizeof number, twoDigits == 1 ? "%02d" : "%d", day);
    return xml + "</w:rPr>\n<w:t>" + number + " </w:t>\n</w:r>\n";
}

std::string CDocxTableWriter::GetPageBreakXml(const std::string& rsidR, const std::string& rsidRDefault,
                                              const std::string& rsidP)
{
    return "<w:p w:rsidR= \"" + rsidR + "\" w:rsidRDefault=\"" + rsidRDefault + "\" w:rsidP=\"" + rsidP +
           "\"><w:r><w:br w:type=\"page\" /><w:t>  </w:t></w:r></w:p>";
}

std::string CDocxTableWriter::GetEmptyParagraphXml(const std::string& rsidR, const std::string& rsidRDefault)
{
    return "<w:p w:rsidR=\"" + rsidR + "\" w:rsidRDefault=\"" + rsidRDefault + "\" /> ";
}

std::string CDocxTableWriter::GetRowPropertiesXml()
{
    return "<w:trPr><w:trHeight w:val=\"288\" />\n</w:trPr>";
}

std::string CDocxTableWriter::GetCalendarGridXml(int dayWidth)
{
    std::string xml = "<w:tblGrid>";
    for (int column = 0; column < 24; ++column) {
        const int width = (column == 8 || column == 16) ? dayWidth / 2 : dayWidth;
        xml += "<w:gridCol w:w=\"" + std::to_string(width) + "\"/>\n";
    }
    return xml + "</w:tblGrid>";
}

std::string CDocxTableWriter::GetFontsXml(const std::string& font)
{
    const std::string name = EscapeAttribute(font);
    return "<w:rFonts w:ascii='" + name + "' w:eastAsia='" + name + "' w:hAnsi='" + name + "' w:cs='" + name +
           "' w:hint=\"eastAsia\" /> ";
}
