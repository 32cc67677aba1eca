// The pieces of a daily page that are neither headings nor tables of their own: the runs of a
// writing line, the numbered first cell, the motto line and its frame, plain title paragraphs,
// and the cutting of a date caption into the pieces that get runs of their own.
// Run and paragraph properties are written in the order the schema requires.
#include "docx/DocxBuilder.h"

#include "docx/AttributeValues.h"
#include "docx/DocxTableWriter.h"
#include "docx/TableSeparator.h"
#include "docx/XmlText.h"

#include <algorithm>

namespace {

using docx::AppendEscapedText;
using docx::AppendSizeXml;
using docx::AppendValueXml;
using docx::EscapeAttribute;
using docx::EscapeText;
using docx::SizeXml;
using docx::ValueXml;

struct Sign {
    const char* character;
    const char* font;
};

constexpr const char* kWingdings = "Wingdings";
constexpr int kLargestHalfPoints = 3276;   // 1638 points, the largest size Word shows
constexpr const char* kWingdings2 = "Wingdings 2";

// Special signs 1..28.
constexpr Sign kSigns[28] = {
    {"F052", kWingdings},  {"F051", kWingdings},  {"F050", kWingdings},  {"F04F", kWingdings},
    {"F097", kWingdings},  {"F0A8", kWingdings2}, {"F075", kWingdings2}, {"F06E", kWingdings2},
    {"F08E", kWingdings},  {"F02A", kWingdings2}, {"F028", kWingdings2}, {"F04A", kWingdings2},
    {"F026", kWingdings2}, {"F025", kWingdings2}, {"F0B5", kWingdings2}, {"F059", kWingdings2},
    {"F07C", kWingdings2}, {"F03A", kWingdings2}, {"F0D8", kWingdings2}, {"F054", kWingdings2},
    {"F05A", kWingdings2}, {"F039", kWingdings},  {"F027", kWingdings2}, {"F04F", kWingdings2},
    {"F03F", kWingdings2}, {"F028", kWingdings},  {"F041", kWingdings2}, {"F05D", kWingdings2},
};

const Sign* FindSign(int sign)
{
    return sign >= 1 && sign <= 28 ? &kSigns[sign - 1] : nullptr;
}

// The part of the text before the first occurrence of the marker, if the text holds it.
std::optional<std::string_view> Before(std::string_view text, std::string_view marker)
{
    const size_t at = marker.empty() ? std::string_view::npos : text.find(marker);
    if (at == std::string_view::npos)
        return std::nullopt;
    return text.substr(0, at);
}

// Length of the number a caption text starts with: up to its suffix where the text holds it,
// else the blank and the digits the caption writer put there (a suffix may be empty).
size_t NumberLength(std::string_view text, std::string_view suffix)
{
    if (auto number = Before(text, suffix))
        return number->size();
    const size_t blank = text.starts_with(' ') ? 1 : 0;
    size_t length = blank;
    while (length < text.size() && text[length] >= '0' && text[length] <= '9')
        ++length;
    return length > blank ? length : 0;
}

} // namespace

std::string CDocxBuilder::GetSymbolCode(int sign)
{
    const Sign* found = FindSign(sign);
    return found ? found->character : "";
}

std::string CDocxBuilder::GetSymbolFont(int sign)
{
    const Sign* found = FindSign(sign);
    return found ? found->font : "";
}

// A sign outside the table has no character, and <w:sym> takes no empty one: the run then
// keeps its properties only.
std::string CDocxBuilder::GetSymbolRunXml(const std::string& color, int size, int sign)
{
    // Sizes are unsigned in the schema; a size read from no number is 0.
    const std::string symbolSize = std::to_string(std::clamp(size, 0, kLargestHalfPoints) + 8);
    std::string xml = "<w:r><w:rPr>" + ValueXml("<w:color w:val=\"", color, "\"/>\r\n") + "<w:sz w:val=\"" +
                      symbolSize + "\" /><w:szCs w:val=\"" + symbolSize + "\" /></w:rPr>";
    if (const Sign* found = FindSign(sign))
        xml += std::string("<w:sym w:font=\"") + found->font + "\" w:char=\"" + found->character + "\" />";
    return xml + "</w:r><w:r><w:t xml:space=\"preserve\"> </w:t></w:r>";
}

std::string CDocxBuilder::GetDottedUnderlineRunXml(const std::string& color, const std::string& size, BYTE bold,
                                                   const std::string& font, const std::string& shading,
                                                   BYTE underline, BYTE strike, BYTE italic)
{
    std::string xml = "<w:r><w:rPr>" + CDocxTableWriter::GetFontsXml(font);
    if (bold == 1)
        xml += "<w:b /><w:bCs />";
    if (italic == 1)
        xml += "<w:i /><w:iCs />";
    if (strike == 1)
        xml += "<w:strike />";
    xml += ValueXml("<w:color w:val=\"", color, "\" />") + SizeXml(size, "\" />");
    if (underline == 1)
        xml += "<w:u w:val=\"dotted\" />";
    xml += ValueXml("<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"", shading, "\" />\n");
    return xml + "</w:rPr><w:t xml:space=\"preserve\"> </w:t> </w:r>\r\n";
}

std::string CDocxBuilder::GetNumberedCellXml(BYTE listFlag, const std::string& listNumberingId, BYTE styleFlag,
                                             int styleNumber, BYTE bold, const std::string& font,
                                             const std::string& color, const std::string& size, BYTE grid) const
{
    const std::string paragraph = ParagraphOpenXml();
    std::string numbering;
    if (styleFlag == 1 && listFlag == 0 && styleNumber >= 1 && styleNumber <= kItemStyles)
        numbering = GetNumPrXml(styleNumber);
    else if (styleFlag == 0 && listFlag == 1)
        numbering = "<w:numPr>\n<w:ilvl w:val=\" 0\" />\n<w:numId w:val=\"" + EscapeAttribute(listNumberingId) +
                    "\"/></w:numPr>";
    std::string xml = "<w:tc><w:tcPr><w:tcW w:w=\"468\" w:type=\"dxa\" /></w:tcPr>";
    if (numbering.empty())
        return xml + paragraph + "/></w:tc>";
    xml += paragraph + "><w:pPr>\n" + numbering;
    if (grid == 0)
        xml += "<w:snapToGrid w:val=\"0\" />";
    xml += "<w:jc w:val=\"left\" /> <w:rPr>" + CDocxTableWriter::GetFontsXml(font);
    if (bold != 0)
        xml += " <w:b /> <w:bCs /> ";
    xml += ValueXml("<w:color w:val=\"", color, "\"/>\r\n") + SizeXml(size, "\" />");
    return xml + "</w:rPr></w:pPr>\n</w:p></w:tc>";
}

std::string CDocxBuilder::GetSpanCellXml() const
{
    return "<w:tc><w:tcPr><w:tcW w:w=\"468\" w:type=\"dxa\" /><w:gridSpan w:val=\"2\" /></w:tcPr>" +
           ParagraphOpenXml() + " /></w:tc>";
}

std::string CDocxBuilder::ParagraphOpenXml() const
{
    return "<w:p w:rsidR= \"" + Rsid(1) + "\" w:rsidRDefault=\"" + Rsid(2) + "\" w:rsidP=\"" + Rsid(3) + "\"";
}

std::string CDocxBuilder::GetAddedTextParagraphXml(const std::string& text, const std::string& font,
                                                   const std::string& size, const std::string& color,
                                                   const std::string& shading, BYTE bold, BYTE italic,
                                                   BYTE underline, const std::string& rsidR,
                                                   const std::string& rsidRDefault, const std::string& rsidP,
                                                   TableLineSettings frame) const
{
    const bool framed = frame.bTable == 1;
    std::string xml = framed ? GetBoxTableStartXml(frame) : std::string();
    xml += "<w:p w:rsidR= \"" + rsidR + "\" w:rsidRDefault=\"" + rsidRDefault + "\" w:rsidP=\"" + rsidP +
           "\"><w:pPr>" + ValueXml("<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"", shading, "\" />\n") +
           "<w:snapToGrid w:val=\"0\" /></w:pPr>";
    xml += GetAddedTextRunXml(font, size, color, bold, italic, underline, text) + "</w:p>";
    return framed ? xml + GetBoxTableEndXml() : xml;
}

std::string CDocxBuilder::GetAddedTextRunXml(const std::string& font, const std::string& size,
                                             const std::string& color, BYTE bold, BYTE italic, BYTE underline,
                                             const std::string& text)
{
    std::string xml = "<w:r>\n<w:rPr>\n" + CDocxTableWriter::GetFontsXml(font);
    if (bold == 1)
        xml += "<w:b /><w:bCs />";
    if (italic == 1)
        xml += "<w:i /> <w:iCs />";
    xml += ValueXml("<w:color w:val=\"", color, "\" />\n") + SizeXml(size, "\" />\n");
    if (underline == 1)
        xml += "<w:u w:val=\"dotted\" />";
    xml += "</w:rPr>\n";
    if (!text.empty())
        xml += "<w:t>" + EscapeText(text) + "</w:t>";
    return xml + "</w:r>\r\n";
}

std::string CDocxBuilder::GetBoxTableStartXml(TableLineSettings frame) const
{
    std::string xml;
    AppendBoxTableStartXml(xml, frame);
    return xml;
}

void CDocxBuilder::AppendBoxTableStartXml(std::string& xml, const TableLineSettings& frame) const
{
    docx::KeepApartFromTable(xml);
    xml += "<w:tbl>\n";
    CDocxTableWriter::AppendTablePropertiesBoxedXml(xml, frame.line_type.str(), frame.line_color.str(),
                                                    frame.bLineLeft, frame.bLineRight, frame.bLineTop,
                                                    frame.bLineBottom, frame.bLineMiddle);
    xml.append("<w:tblGrid><w:gridCol w:w=\"9936\" /> </w:tblGrid><w:tr w:rsidR=\"").append(Rsid(1));
    xml.append("\" w:rsidRPr=\"").append(Rsid(4)).append("\">\n<w:tc><w:tcPr><w:tcW w:w=\"9936\" w:type=\"dxa\" /> ");
    AppendValueXml(xml, "<w:shd w:val=\"clear\" w:color=\"000000\" w:fill=\"", frame.table_bk_color.str(), "\" />");
    xml += "</w:tcPr>";
}

std::string CDocxBuilder::GetBoxTableEndXml()
{
    return "</w:tc></w:tr></w:tbl>";
}

std::string CDocxBuilder::GetTextParagraphXml(const std::string& text, const std::string& font,
                                              const std::string& size, const std::string& color, BYTE bold,
                                              const std::string& outlineLevel, const std::string& rsidR,
                                              const std::string& rsidRDefault, const std::string& rsidP)
{
    return GetHeadingStartXml(color, size, font, bold, 1, outlineLevel, "", 0, rsidR, rsidRDefault, rsidP) +
           GetRunStartXml(color, size, font, bold, 0, "") + "<w:t>\n" + EscapeText(text) +
           "</w:t>\n</w:r>\n</w:p>\n";
}

std::string CDocxBuilder::GetHeadingStartXml(const std::string& color, const std::string& size,
                                             const std::string& font, BYTE bold, BYTE outline,
                                             const std::string& outlineLevel, const std::string& shading,
                                             BYTE italic, const std::string& rsidR, const std::string& rsidRDefault,
                                             const std::string& rsidP)
{
    std::string xml;
    AppendHeadingStartXml(xml, color, size, font, bold, outline, outlineLevel, shading, italic, rsidR, rsidRDefault,
                          rsidP);
    return xml;
}

void CDocxBuilder::AppendHeadingStartXml(std::string& xml, const std::string& color, const std::string& size,
                                         const std::string& font, BYTE bold, BYTE outline,
                                         const std::string& outlineLevel, const std::string& shading, BYTE italic,
                                         const std::string& rsidR, const std::string& rsidRDefault,
                                         const std::string& rsidP)
{
    xml.append("<w:p w:rsidR=\"").append(rsidR).append("\" w:rsidRDefault=\"").append(rsidRDefault);
    xml.append("\" w:rsidP=\"").append(rsidP).append("\">\n<w:pPr>\n");
    AppendValueXml(xml, "<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"", shading, "\" />\n");
    xml += "<w:jc w:val=\"left\" />\n";
    if (outline == 1)
        AppendValueXml(xml, "<w:outlineLvl w:val=\"", outlineLevel, "\" />\n");
    std::string name;
    docx::AppendFontNameAttribute(name, font);
    xml.append("<w:rPr>\n<w:rFonts w:ascii='").append(name).append("' w:eastAsia='").append(name);
    xml.append("' w:hAnsi='").append(name).append("' />\n");
    if (bold == 1)
        xml += "<w:b />\n<w:bCs />\n";
    if (italic == 1)
        xml += "<w:i /><w:iCs />";
    AppendValueXml(xml, "<w:color w:val=\"", color, "\" />\n");
    AppendSizeXml(xml, size, "\"/>\n");
    xml += "</w:rPr>\n</w:pPr>\n";
}

std::array<std::string, 6> CDocxBuilder::SplitTextRuns(std::string_view m1, std::string_view m2,
                                                       std::string_view m3, std::string_view m4,
                                                       std::string_view m5, std::string_view text)
{
    std::string_view head = text;
    if (auto part = Before(text, m1))
        head = *part;
    else if (auto part3 = Before(text, m3))
        head = *part3;
    else if (auto part5 = Before(text, m5))
        head = *part5;
    // Cut only at markers the text holds, so that the pieces always make up the whole text.
    std::string_view rest = text.substr(head.size());
    const auto take = [&rest](size_t length) {
        const std::string_view piece = rest.substr(0, length);
        rest.remove_prefix(piece.size());
        return std::string(piece);
    };
    std::array<std::string, 6> pieces;
    if (!m1.empty() && rest.starts_with(m1)) {
        pieces[0] = take(m1.size());
        pieces[2] = take(NumberLength(rest, m2));
    }
    if (auto beforeM3 = Before(rest, m3)) {
        pieces[4] = take(beforeM3->size() + m3.size());
        pieces[3] = take(NumberLength(rest, m4));
    }
    pieces[1] = std::string(head);
    pieces[5] = std::string(rest);
    return pieces;
}

std::string CDocxBuilder::GetHyperlinkStyledRunXml(const std::string& color, const std::string& size,
                                                   const std::string& font, BYTE bold, BYTE underline,
                                                   const std::string& text, const std::string& rsid, BYTE italic,
                                                   BYTE strike)
{
    std::string xml;
    AppendHyperlinkStyledRunXml(xml, color, size, font, bold, underline, text, rsid, italic, strike);
    return xml;
}

void CDocxBuilder::AppendHyperlinkStyledRunXml(std::string& xml, const std::string& color, const std::string& size,
                                               const std::string& font, BYTE bold, BYTE underline,
                                               std::string_view text, const std::string& rsid, BYTE italic,
                                               BYTE strike)
{
    xml.append("<w:r w:rsidRPr=\"").append(rsid).append("\">\n<w:rPr>\n<w:rStyle w:val=\"Hyperlink\" /> ");
    CDocxTableWriter::AppendFontsXml(xml, font);
    if (bold == 1)
        xml += "<w:b />\n<w:bCs />\n";
    if (italic == 1)
        xml += "<w:i /><w:iCs />";
    if (strike == 1)
        xml += "<w:strike />";
    AppendValueXml(xml, "<w:color w:val=\"", color, "\" />\n");
    AppendSizeXml(xml, size, "\" />\n");
    if (underline == 1)
        xml += "<w:u w:val=\"single\" />";
    xml += "</w:rPr>\n<w:t xml:space=\"preserve\">";
    AppendEscapedText(xml, text);
    xml += "</w:t>\n</w:r>\n";
}

bool CDocxBuilder::ContainsText(std::string_view needle, std::string_view text)
{
    return !needle.empty() && text.find(needle) != std::string_view::npos;
}
