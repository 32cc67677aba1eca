// The block of one diary class on a ticked day: its title and its writing lines, laid out as a
// boxed table, a lined table (dotted rules only) or plain paragraphs.
#include "docx/DocxBuilder.h"

#include "docx/DocxTableWriter.h"
#include "docx/TableSeparator.h"
#include "docx/XmlText.h"

#include <cstdlib>

namespace {

using docx::EscapeText;
using docx::ValueXml;

enum class Layout { Boxed, Lined, Plain };

// The rules of a lined table.
constexpr const char* kRuleType = "dotted";
constexpr const char* kRuleColor = "8D826D";

Layout LayoutOf(const DiaryClassRecord& c)
{
    if (c.bTable == 1 && c.COL_LINE_ClassTable == 0)
        return Layout::Boxed;
    if (c.bTable == 0 && c.COL_LINE_ClassTable == 1)
        return Layout::Lined;
    return Layout::Plain;
}

// Odd = the first, third ... line (i even), even = the others.
void AppendRowShading(std::string& xml, const ClassTableSettings& t, int line)
{
    const std::string& odd = t.line_table_bk_color.str();
    const std::string& even = t.line_table_bk_color2.str();
    const std::string& fill = (line % 2 == 1 && !even.empty()) ? even : odd;
    docx::AppendValueXml(xml, "<w:shd w:val=\"clear\" w:color=\"000000\" w:fill=\"", fill, "\" />");
}

void AppendRowStart(std::string& xml, const std::string& rsid1, const std::string& rsid4)
{
    xml.append("<w:tr w:rsidR=\"").append(rsid1).append("\" w:rsidRPr=\"").append(rsid4).append("\">\n");
}

} // namespace

std::string CDocxBuilder::GetItemTableXml(const DiaryClassRecord& c, int numberingId) const
{
    std::string xml;
    AppendItemTableXml(xml, c, numberingId);
    return xml;
}

// A block with no rows at all is left out: a table without rows is no valid table.
void CDocxBuilder::AppendItemTableXml(std::string& xml, const DiaryClassRecord& c, int numberingId) const
{
    const Layout layout = LayoutOf(c);
    const ClassTableSettings& t = c.classTable;
    const bool title = c.COL_bCLASS_TITLE == 1;
    const bool extraColumn = t.bInsertACol == 1;
    const bool boxed = layout == Layout::Boxed && (title || c.COL_LINE_COUNT > 0);
    if (boxed) {
        docx::KeepApartFromTable(xml);
        xml += "<w:tbl>\n";
        CDocxTableWriter::AppendTablePropertiesBoxedXml(xml, t.line_type.str(), t.line_color.str(), t.bLineLeft,
                                                        t.bLineRight, t.bLineTop, t.bLineBottom, t.bLineMiddle);
        xml += "<w:tblGrid>";
        xml += extraColumn ? "<w:gridCol w:w=\"468\" /> <w:gridCol w:w=\"9648\" /> " : "<w:gridCol w:w=\"9936\" /> ";
        xml += "</w:tblGrid>";
        if (title) {
            AppendRowStart(xml, Rsid(1), Rsid(4));
            xml += "<w:tc><w:tcPr><w:tcW w:w=\"9936\" w:type=\"dxa\" /> ";
            if (extraColumn)
                xml += "<w:gridSpan w:val=\"2\" />";
            docx::AppendValueXml(xml, "<w:shd w:val=\"clear\" w:color=\"000000\" w:fill=\"",
                                 t.class_table_bk_color.str(), "\" />");
            xml += "</w:tcPr>";
        }
    }
    if (title)
        AppendTextRunCloseXml(xml, c.COL_CLASS_TITLE.str(), c.COL_CLASS_FONT_COLOR.str(), c.COL_CLASS_FONT_SIZE.str(),
                              c.COL_CLASS_FONT_BOLD, c.COL_CLASS_FONT_NAME.str(), c.COL_CLASS_FONT_ITALIC,
                              c.bCOL_CLASS_BK_COLOR == 1 ? c.COL_CLASS_BK_COLOR.str() : docx::kNoValue);
    if (boxed && title)
        xml += "</w:tc></w:tr>";
    AppendItemsBoxXml(xml, c, numberingId);
    if (boxed)
        xml += "</w:tbl>";
    if (c.SpaceRow_ForEveryClass == 1)
        CDocxTableWriter::AppendEmptyParagraphXml(xml, Rsid(1), Rsid(2));
}

std::string CDocxBuilder::GetItemsBoxXml(const DiaryClassRecord& c, int numberingId) const
{
    std::string xml;
    AppendItemsBoxXml(xml, c, numberingId);
    return xml;
}

// Every line is the same but for its row shading and whether it is the first or last, so the
// pieces are built once and the lines put together from them.
void CDocxBuilder::AppendItemsBoxXml(std::string& xml, const DiaryClassRecord& c, int numberingId) const
{
    if (c.COL_LINE_COUNT <= 0)
        return;
    const Layout layout = LayoutOf(c);
    const ClassTableSettings& t = c.classTable;
    const bool extraColumn = t.bInsertACol == 1;
    const bool lined = layout == Layout::Lined && c.COL_LINE_COUNT > 0;
    const std::string numText = std::to_string(numberingId + kItemStyles);
    // Lines numbered in an item style count in the table's own instance too (each table from 1),
    // so they are written as a list of their own is.
    const bool ownList = c.COL_ItemNumber == 1 || ItemStyleOf(c) != 0;
    const std::string& textColor = c.COL_LINE_TEXT_FONT_COLOR.str();
    const std::string& size = c.COL_LINE_TEXT_FONT_SIZE.str();
    const std::string& font = c.COL_LINE_FONT_NAME.str();
    const std::string& prefix = c.COL_UNDONE_TEXT.str();
    const std::string& lineColor = c.COL_bLINE_COLOR == 1 ? c.COL_LINE_COLOR.str() : docx::kNoValue;
    const std::string& background = c.COL_LINE_bBACKGROUND_COLOR == 1 ? c.COL_LINE_BACKGROUND_COLOR.str() : docx::kNoValue;

    // What comes before a line's paragraph, for the first, third ... line and for the others.
    std::string rowStart[2];
    for (int parity = 0; parity < 2; ++parity) {
        std::string& start = rowStart[parity];
        if (lined) {
            AppendRowStart(start, Rsid(1), Rsid(4));
            start += "<w:tc><w:tcPr><w:tcW w:w=\"9936\" w:type=\"dxa\" /> </w:tcPr>";
        } else if (layout == Layout::Boxed) {
            AppendRowStart(start, Rsid(1), Rsid(4));
            if (extraColumn)
                start += GetNumberedCellXml(ownList ? 1 : 0, numText, ownList ? 0 : c.COL_bItemSpecial,
                                            c.COL_ItemSpecial, c.COL_LINE_TEXT_FONT_BOLD, font, textColor, size,
                                            c.COL_LINE_SnapToGrid);
            start += "<w:tc><w:tcPr>";
            start += extraColumn ? "<w:tcW w:w=\"9648\" w:type=\"dxa\" /> " : "<w:tcW w:w=\"9936\" w:type=\"dxa\" /> ";
            AppendRowShading(start, t, parity);
            start += "</w:tcPr>";
        }
    }
    // The paragraph start of the first and last line carries the run revision id too.
    const auto paragraphStart = [&](bool marked) {
        std::string start = "<w:p w:rsidR= \"" + Rsid(1) + "\"";
        if (marked)
            start += " w:rsidRPr= \"" + Rsid(4) + "\"";
        return start + " w:rsidRDefault=\"" + Rsid(2) + "\" w:rsidP=\"" + Rsid(3) + "\">";
    };
    const std::string plainStart = paragraphStart(false);
    const std::string markedStart = paragraphStart(true);

    // Paragraph properties in schema order: numbering, shading, grid, alignment, mark.
    std::string rest = "<w:pPr>\n";
    if (!extraColumn && ownList)
        rest += "<w:numPr>\n<w:ilvl w:val=\" 0\" />\n<w:numId w:val=\"" + numText + "\"/></w:numPr>";
    docx::AppendValueXml(rest, "<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"", background, "\" />\n");
    if (c.COL_LINE_SnapToGrid == 0)
        rest += "<w:snapToGrid w:val=\"0\" />";
    rest += "<w:jc w:val='left'/><w:rPr>\r\n";
    CDocxTableWriter::AppendFontsXml(rest, font);
    if ((prefix.empty() ? c.COL_LINE_TEXT_FONT_BOLD : c.COL_UNDONE_FONT_BOLD) == 1)
        rest += " <w:b /> <w:bCs /> ";
    docx::AppendValueXml(rest, "<w:color w:val=\"", textColor, "\"/>\r\n");
    docx::AppendSizeXml(rest, size, "\" />");
    if (c.COL_LINE_Underline == 1)
        rest += "<w:u w:val=\"dotted\" />";
    rest += "</w:rPr>\r\n</w:pPr>\r\n";

    const std::string writeIn = GetDottedUnderlineRunXml(textColor, size, c.COL_LINE_TEXT_FONT_BOLD, font, lineColor,
                                                         c.COL_LINE_Underline, c.COL_LINE_DeleteLine,
                                                         c.COL_LINE_FontItalic);
    if ((c.COL_bItemSpecial == 1 || c.COL_ItemNumber == 1) && (c.COL_bSpecialSign == 1 || !prefix.empty()))
        rest += writeIn;
    if (c.COL_bSpecialSign == 1)
        rest += GetSymbolRunXml(c.COL_SpecialSign_Color.str(), std::atoi(size.c_str()), c.COL_SpecialSign);
    rest += GetFormattedRunXml(prefix, c.COL_UNDONE_FONT_BOLD, c.COL_UNDONE_TONT_COLOR.str(), size, font,
                               c.COL_LINE_FontItalicPre);
    rest += writeIn + "</w:p>";
    if (layout != Layout::Plain)
        rest += "</w:tc></w:tr>";

    if (lined) {
        docx::KeepApartFromTable(xml);
        xml += "<w:tbl>\n";
        xml += CDocxTableWriter::GetTablePropertiesLinedXml(kRuleType, kRuleColor, t.bLineBottom, t.bLineMiddle);
        xml += "<w:tblGrid><w:gridCol w:w=\"9936\" /> </w:tblGrid>";
    }
    for (int i = 0; i < c.COL_LINE_COUNT; ++i) {
        xml += rowStart[i % 2];
        xml += i == 0 || i == c.COL_LINE_COUNT - 1 ? markedStart : plainStart;
        xml += rest;
    }
    if (lined)
        xml += "</w:tbl>";
}

std::string CDocxBuilder::GetTextRunCloseXml(const std::string& text, const std::string& color,
                                             const std::string& size, BYTE bold, const std::string& font,
                                             BYTE italic, const std::string& fill) const
{
    std::string xml;
    AppendTextRunCloseXml(xml, text, color, size, bold, font, italic, fill);
    return xml;
}

void CDocxBuilder::AppendTextRunCloseXml(std::string& xml, const std::string& text, const std::string& color,
                                         const std::string& size, BYTE bold, const std::string& font, BYTE italic,
                                         const std::string& fill) const
{
    AppendParagraphStartXml(xml, color, size, font, 1, 0, docx::kNoValue, fill, italic);
    AppendRunStartXml(xml, color, size, font, bold, italic, fill);
    xml += "<w:t>\r\n";
    docx::AppendEscapedText(xml, text);
    xml += "</w:t>\r\n</w:r>\r\n</w:p>\r\n";
}

std::string CDocxBuilder::GetFormattedRunXml(const std::string& text, BYTE bold, const std::string& color,
                                             const std::string& size, const std::string& font, BYTE italic) const
{
    if (text.empty())
        return {};
    std::string xml = "<w:r w:rsidRPr=\"" + Rsid(4) + "\"><w:rPr>" + CDocxTableWriter::GetFontsXml(font);
    if (bold == 1)
        xml += " <w:b /> <w:bCs /> ";
    if (italic == 1)
        xml += "<w:i /> <w:iCs /> ";
    xml += ValueXml("<w:color w:val=\"", color, "\" /> ") + docx::SizeXml(size, "\" />");
    return xml + "</w:rPr><w:t>" + EscapeText(text) + "</w:t></w:r>\r\n";
}
