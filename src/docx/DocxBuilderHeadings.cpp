// The headings of the document body: title, quarter, month and date headings. A date heading
// is a HYPERLINK field to the day's cell of the yearly calendar, inside a bookmark that the
// calendar links back to; both ends name the day by its ordinal in the range.
#include "docx/DocxBuilder.h"

#include "docx/DocxTableWriter.h"
#include "docx/XmlText.h"

#include <cstdio>

namespace {

using docx::AppendEscapedText;
using docx::AppendSizeXml;
using docx::AppendValueXml;
using docx::EscapeText;
using docx::SizeXml;

std::string FieldCharRun(const char* type)
{
    return std::string("<w:r>\n<w:fldChar w:fldCharType=\"") + type + "\" />\n</w:r>";
}

// A number as printf writes it; the buffer holds any int in the formats used here.
struct Formatted {
    Formatted(const char* format, int number) { length = std::snprintf(text, sizeof text, format, number); }
    std::string_view View() const { return {text, static_cast<size_t>(length)}; }
    char text[16];
    int length;
};

} // namespace

std::string CDocxBuilder::GetParagraphStartXml(const std::string& color, const std::string& size,
                                               const std::string& font, BYTE bold, BYTE outline,
                                               const std::string& outlineLevel, const std::string& fill,
                                               BYTE italic) const
{
    std::string xml;
    AppendParagraphStartXml(xml, color, size, font, bold, outline, outlineLevel, fill, italic);
    return xml;
}

void CDocxBuilder::AppendParagraphStartXml(std::string& xml, const std::string& color, const std::string& size,
                                           const std::string& font, BYTE bold, BYTE outline,
                                           const std::string& outlineLevel, const std::string& fill,
                                           BYTE italic) const
{
    AppendHeadingStartXml(xml, color, size, font, bold, outline, outlineLevel, fill, italic, Rsid(1), Rsid(2),
                          Rsid(3));
}

std::string CDocxBuilder::GetRunStartXml(const std::string& color, const std::string& size,
                                         const std::string& font, BYTE bold, BYTE italic, const std::string& fill)
{
    std::string xml;
    AppendRunStartXml(xml, color, size, font, bold, italic, fill);
    return xml;
}

// The shading goes last: the schema puts it after the size in run properties.
void CDocxBuilder::AppendRunStartXml(std::string& xml, const std::string& color, const std::string& size,
                                     const std::string& font, BYTE bold, BYTE italic, const std::string& fill)
{
    xml += "<w:r>\n<w:rPr>\n";
    CDocxTableWriter::AppendFontsXml(xml, font);
    if (bold == 1)
        xml += "<w:b /><w:bCs />";
    if (italic == 1)
        xml += "<w:i /> <w:iCs />";
    AppendValueXml(xml, "<w:color w:val=\"", color, "\" />\n");
    AppendSizeXml(xml, size, "\" />\n");
    AppendValueXml(xml, "<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"", fill, "\" />\n");
    xml += "</w:rPr>\n";
}

std::string CDocxBuilder::GetTitleParagraphXml(const std::string& color, const std::string& size,
                                               const std::string& font, BYTE bold, const std::string& text) const
{
    return GetTextParagraphXml(text, font, size, color, bold, "0", Rsid(1), Rsid(2), Rsid(3));
}

std::string CDocxBuilder::GetNumberParagraphXml(int number, const std::string& color, const std::string& size,
                                                const std::string& font, BYTE bold, const std::string& label,
                                                const std::string& outlineLevel) const
{
    return GetParagraphStartXml(color, size, font, bold, 1, outlineLevel, "", 0) +
           GetRunStartXml(color, size, font, bold, 0, "") + "<w:t>" + EscapeText(label) + std::to_string(number) +
           "</w:t></w:r></w:p>";
}

std::string CDocxBuilder::GetTextParagraphCloseXml(const std::string& color, const std::string& size,
                                                   const std::string& font, BYTE bold, BYTE italic,
                                                   const std::string& outlineLevel, const std::string& text) const
{
    return GetParagraphStartXml(color, size, font, bold, 1, outlineLevel, "", italic) +
           GetRunStartXml(color, size, font, bold, italic, "") + "<w:t>" + EscapeText(text) + "</w:t></w:r></w:p>";
}

std::string CDocxBuilder::GetDateHeadingXml(int bookmarkId, int ordinal, const std::string& color,
                                            const std::string& size, BYTE bold, BYTE underline,
                                            const std::string& outlineLevel, const std::string& caption,
                                            const std::string& background, BYTE italic, const std::string& font,
                                            BYTE strike, BYTE twoDigits, const DayCaptionSettings& captions,
                                            BYTE ticked, const TableLineSettings& dateTable) const
{
    std::string xml;
    AppendDateHeadingXml(xml, bookmarkId, ordinal, color, size, bold, underline, outlineLevel, caption, background,
                         italic, font, strike, twoDigits, captions, ticked, dateTable);
    return xml;
}

void CDocxBuilder::AppendDateHeadingXml(std::string& xml, int bookmarkId, int ordinal, const std::string& color,
                                        const std::string& size, BYTE bold, BYTE underline,
                                        const std::string& outlineLevel, const std::string& caption,
                                        const std::string& background, BYTE italic, const std::string& font,
                                        BYTE strike, BYTE twoDigits, const DayCaptionSettings& captions,
                                        BYTE ticked, const TableLineSettings& dateTable) const
{
    const bool framed = dateTable.bTable == 1 && ticked == 1;
    const Formatted id(twoDigits == 1 ? "%02d" : "%d", bookmarkId);
    const Formatted day("%03d", ordinal);
    if (framed)
        AppendBoxTableStartXml(xml, dateTable);
    xml.append("<w:bookmarkStart w:id=\"").append(id.View()).append("\" w:name=\"BOOKMARK_Date");
    xml.append(day.View()).append("\" />\n");
    AppendParagraphStartXml(xml, color, size, font, bold, 1, outlineLevel, ticked == 1 ? background : docx::kNoValue, italic);
    xml += GetFieldBeginRunXml();
    AppendHyperlinkInstrRunXml(xml, "BOOKMARK_Calendar", day.View());
    xml += GetFieldSeparateRunXml();
    AppendHyperlinkRunXml(xml, color, size, font, bold, italic, strike, underline, caption, captions,
                          captions.DEFERENCE == 1 && ticked == 1 ? 1 : 0);
    xml.append("<w:bookmarkEnd w:id=\"").append(id.View()).append("\" />\n");
    xml += GetFieldEndRunXml();
    xml += "</w:p>\n";
    if (framed)
        xml += GetBoxTableEndXml();
}

std::string CDocxBuilder::GetFieldBeginRunXml()
{
    return FieldCharRun("begin");
}

std::string CDocxBuilder::GetHyperlinkInstrRunXml(const std::string& bookmark)
{
    std::string xml;
    AppendHyperlinkInstrRunXml(xml, bookmark, "");
    return xml;
}

// The bookmark's name comes in two pieces, so a caller need not join them first.
void CDocxBuilder::AppendHyperlinkInstrRunXml(std::string& xml, std::string_view bookmark, std::string_view number)
{
    xml += "<w:r>\n<w:instrText xml:space=\"preserve\">HYPERLINK \\l \"";
    AppendEscapedText(xml, bookmark);
    AppendEscapedText(xml, number);
    xml += "\"</w:instrText>\n</w:r>";
}

std::string CDocxBuilder::GetFieldSeparateRunXml()
{
    return FieldCharRun("separate");
}

std::string CDocxBuilder::GetFieldEndRunXml()
{
    return FieldCharRun("end");
}

std::string CDocxBuilder::GetHyperlinkRunXml(const std::string& color, const std::string& size,
                                             const std::string& font, BYTE bold, BYTE italic, BYTE strike,
                                             BYTE underline, const std::string& caption,
                                             const DayCaptionSettings& captions, BYTE split) const
{
    std::string xml;
    AppendHyperlinkRunXml(xml, color, size, font, bold, italic, strike, underline, caption, captions, split);
    return xml;
}

void CDocxBuilder::AppendHyperlinkRunXml(std::string& xml, const std::string& color, const std::string& size,
                                         const std::string& font, BYTE bold, BYTE italic, BYTE strike,
                                         BYTE underline, const std::string& caption,
                                         const DayCaptionSettings& captions, BYTE split) const
{
    const auto run = [&](const std::string& text, const std::string& runColor, BYTE runBold, BYTE runItalic) {
        AppendHyperlinkStyledRunXml(xml, runColor, size, font, runBold, underline, text, Rsid(4), runItalic, strike);
    };
    if (split != 1) {
        run(caption, color, bold, italic);
        return;
    }
    // Pieces: M1, date, days-left number, day number, M2 + M3, the rest.
    const auto pieces = SplitTextRuns(captions.RestDay.str(), captions.RestDay_Back.str(),
                                      captions.HadBeenDays.str(), captions.HadBeenDays_Back.str(),
                                      captions.WeekEnd.str(), caption);
    const std::string& restColor = captions.REST_COLOR.str();
    run(pieces[1], color, bold, italic);
    const auto piece = [&](const std::string& text, const std::string& runColor, BYTE runBold, BYTE runItalic) {
        if (!text.empty())
            run(text, runColor, runBold, runItalic);
    };
    piece(pieces[0], restColor, captions.REST_BOLD, captions.REST_ITALIC);
    piece(pieces[2], captions.REST_NUMBER_COLOR.str(), captions.REST_NUMBER_BOLD, captions.REST_NUMBER_ITALIC);
    piece(pieces[4], restColor, captions.REST_BOLD, captions.REST_ITALIC);
    piece(pieces[3], captions.THEDAY_NUMBER_COLOR.str(), captions.THEDAY_NUMBER_BOLD, captions.THEDAY_NUMBER_ITALIC);
    piece(pieces[5], restColor, captions.REST_BOLD, captions.REST_ITALIC);
}

std::string CDocxBuilder::GetEmptyBoldRunXml(const std::string& size)
{
    return "<w:r>\n<w:rPr>\n<w:b />\n<w:bCs />\n<w:color w:val=\"921111\" />\n" + SizeXml(size, "\" />\n") +
           "</w:rPr>\n</w:r>\n";
}
