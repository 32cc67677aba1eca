// The block of one diary class on a ticked day: its title and its writing lines, laid out as a
// boxed table, a lined table (dotted rules only) or plain paragraphs.
#include "docx/DocxBuilder.h"

#include "docx/DocxTableWriter.h"
#include "docx/XmlText.h"

#include <cstdlib>

namespace {

using docx::EscapeText;
using docx::ValueXml;

enum class Layout { Boxed, Lined, Plain };

// The rules of a lined table.
constexpr const char* kRuleType = "dotted";
constexpr const char* kRuleColor = "8D826D";
// Numbering instances 1..21 are the item-number styles; the lists of the body follow them.
constexpr int kItemStyles = 21;

Layout LayoutOf(const DiaryClassRecord& c)
{
    if (c.bTable == 1 && c.COL_LINE_ClassTable == 0)
        return Layout::Boxed;
    if (c.bTable == 0 && c.COL_LINE_ClassTable == 1)
        return Layout::Lined;
    return Layout::Plain;
}

// Odd = the first, third ... line (i even), even = the others.
std::string RowShading(const ClassTableSettings& t, int line)
{
    const std::string& odd = t.line_table_bk_color.str();
    const std::string& even = t.line_table_bk_color2.str();
    const std::string& fill = (line % 2 == 1 && !even.empty()) ? even : odd;
    return ValueXml("<w:shd w:val=\"clear\" w:color=\"000000\" w:fill=\"", fill, "\" />");
}

std::string RowStart(const std::string& rsid1, const std::string& rsid4)
{
    return "<w:tr w:rsidR=\"" + rsid1 + "\" w:rsidRPr=\"" + rsid4 + "\">\n";
}

} // namespace

// A block with no rows at all is left out: a table without rows is no valid table.
std::string CDocxBuilder::GetItemTableXml(const DiaryClassRecord& c, int numberingId) const
{
    const Layout layout = LayoutOf(c);
    const ClassTableSettings& t = c.classTable;
    const bool title = c.COL_bCLASS_TITLE == 1;
    const bool extraColumn = t.bInsertACol == 1;
    const bool boxed = layout == Layout::Boxed && (title || c.COL_LINE_COUNT > 0);
    std::string xml;
    if (boxed) {
        xml += "<w:tbl>\n" +
               CDocxTableWriter::GetTablePropertiesBoxedXml(t.line_type.str(), t.line_color.str(), t.bLineLeft,
                                                            t.bLineRight, t.bLineTop, t.bLineBottom, t.bLineMiddle) +
               "<w:tblGrid>" +
               (extraColumn ? "<w:gridCol w:w=\"468\" /> <w:gridCol w:w=\"9648\" /> " : "<w:gridCol w:w=\"9936\" /> ") +
               "</w:tblGrid>";
        if (title)
            xml += RowStart(Rsid(1), Rsid(4)) + "<w:tc><w:tcPr><w:tcW w:w=\"9936\" w:type=\"dxa\" /> " +
                   (extraColumn ? "<w:gridSpan w:val=\"2\" />" : "") +
                   ValueXml("<w:shd w:val=\"clear\" w:color=\"000000\" w:fill=\"", t.class_table_bk_color.str(),
                            "\" />") +
                   "</w:tcPr>";
    }
    if (title)
        xml += GetTextRunCloseXml(c.COL_CLASS_TITLE.str(), c.COL_CLASS_FONT_COLOR.str(), c.COL_CLASS_FONT_SIZE.str(),
                                  c.COL_CLASS_FONT_BOLD, c.COL_CLASS_FONT_NAME.str(), c.COL_CLASS_FONT_ITALIC,
                                  c.bCOL_CLASS_BK_COLOR == 1 ? c.COL_CLASS_BK_COLOR.str() : std::string());
    if (boxed && title)
        xml += "</w:tc></w:tr>";
    xml += GetItemsBoxXml(c, numberingId);
    if (boxed)
        xml += "</w:tbl>";
    if (c.SpaceRow_ForEveryClass == 1)
        xml += CDocxTableWriter::GetEmptyParagraphXml(Rsid(1), Rsid(2));
    return xml;
}

std::string CDocxBuilder::GetItemsBoxXml(const DiaryClassRecord& c, int numberingId) const
{
    const Layout layout = LayoutOf(c);
    const ClassTableSettings& t = c.classTable;
    const bool extraColumn = t.bInsertACol == 1;
    const bool lined = layout == Layout::Lined && c.COL_LINE_COUNT > 0;
    const std::string numText = std::to_string(numberingId + kItemStyles);
    const std::string& textColor = c.COL_LINE_TEXT_FONT_COLOR.str();
    const std::string& size = c.COL_LINE_TEXT_FONT_SIZE.str();
    const std::string& font = c.COL_LINE_FONT_NAME.str();
    const std::string& prefix = c.COL_UNDONE_TEXT.str();
    const std::string lineColor = c.COL_bLINE_COLOR == 1 ? c.COL_LINE_COLOR.str() : std::string();
    const std::string background = c.COL_LINE_bBACKGROUND_COLOR == 1 ? c.COL_LINE_BACKGROUND_COLOR.str() : std::string();
    const std::string writeIn = GetDottedUnderlineRunXml(textColor, size, c.COL_LINE_TEXT_FONT_BOLD, font, lineColor,
                                                         c.COL_LINE_Underline, c.COL_LINE_DeleteLine,
                                                         c.COL_LINE_FontItalic);

    std::string xml;
    if (lined)
        xml += "<w:tbl>\n" +
               CDocxTableWriter::GetTablePropertiesLinedXml(kRuleType, kRuleColor, t.bLineBottom, t.bLineMiddle) +
               "<w:tblGrid><w:gridCol w:w=\"9936\" /> </w:tblGrid>";
    for (int i = 0; i < c.COL_LINE_COUNT; ++i) {
        if (lined) {
            xml += RowStart(Rsid(1), Rsid(4)) + "<w:tc><w:tcPr><w:tcW w:w=\"9936\" w:type=\"dxa\" /> </w:tcPr>";
        } else if (layout == Layout::Boxed) {
            xml += RowStart(Rsid(1), Rsid(4));
            if (extraColumn)
                xml += GetNumberedCellXml(c.COL_ItemNumber, numText, c.COL_bItemSpecial, c.COL_ItemSpecial,
                                          c.COL_LINE_TEXT_FONT_BOLD, font, textColor, size, c.COL_LINE_SnapToGrid);
            xml += std::string("<w:tc><w:tcPr>") +
                   (extraColumn ? "<w:tcW w:w=\"9648\" w:type=\"dxa\" /> " : "<w:tcW w:w=\"9936\" w:type=\"dxa\" /> ") +
                   RowShading(t, i) + "</w:tcPr>";
        }
        const bool firstOrLast = i == 0 || i == c.COL_LINE_COUNT - 1;
        xml += "<w:p w:rsidR= \"" + Rsid(1) + "\"" + (firstOrLast ? " w:rsidRPr= \"" + Rsid(4) + "\"" : "") +
               " w:rsidRDefault=\"" + Rsid(2) + "\" w:rsidP=\"" + Rsid(3) + "\">";

        // Paragraph properties in schema order: numbering, shading, grid, alignment, mark.
        xml += "<w:pPr>\n";
        if (!extraColumn) {
            if (c.COL_ItemNumber == 1)
                xml += "<w:numPr>\n<w:ilvl w:val=\" 0\" />\n<w:numId w:val=\"" + numText + "\"/></w:numPr>";
            else if (c.COL_bItemSpecial == 1 && c.COL_ItemSpecial >= 1 && c.COL_ItemSpecial <= kItemStyles)
                xml += GetNumPrXml(c.COL_ItemSpecial);
        }
        xml += ValueXml("<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"", background, "\" />\n");
        if (c.COL_LINE_SnapToGrid == 0)
            xml += "<w:snapToGrid w:val=\"0\" />";
        xml += "<w:jc w:val='left'/><w:rPr>\r\n" + CDocxTableWriter::GetFontsXml(font);
        if ((prefix.empty() ? c.COL_LINE_TEXT_FONT_BOLD : c.COL_UNDONE_FONT_BOLD) == 1)
            xml += " <w:b /> <w:bCs /> ";
        xml += ValueXml("<w:color w:val=\"", textColor, "\"/>\r\n") + docx::SizeXml(size, "\" />");
        if (c.COL_LINE_Underline == 1)
            xml += "<w:u w:val=\"dotted\" />";
        xml += "</w:rPr>\r\n</w:pPr>\r\n";

        if ((c.COL_bItemSpecial == 1 || c.COL_ItemNumber == 1) && (c.COL_bSpecialSign == 1 || !prefix.empty()))
            xml += writeIn;
        if (c.COL_bSpecialSign == 1)
            xml += GetSymbolRunXml(c.COL_SpecialSign_Color.str(), std::atoi(size.c_str()), c.COL_SpecialSign);
        xml += GetFormattedRunXml(prefix, c.COL_UNDONE_FONT_BOLD, c.COL_UNDONE_TONT_COLOR.str(), size, font,
                                  c.COL_LINE_FontItalicPre);
        xml += writeIn + "</w:p>";
        if (layout != Layout::Plain)
            xml += "</w:tc></w:tr>";
    }
    if (lined)
        xml += "</w:tbl>";
    return xml;
}

std::string CDocxBuilder::GetTextRunCloseXml(const std::string& text, const std::string& color,
                                             const std::string& size, BYTE bold, const std::string& font,
                                             BYTE italic, const std::string& fill) const
{
    return GetParagraphStartXml(color, size, font, 1, 0, "", fill, italic) +
           GetRunStartXml(color, size, font, bold, italic, fill) + "<w:t>\r\n" + EscapeText(text) +
           "</w:t>\r\n</w:r>\r\n</w:p>\r\n";
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
