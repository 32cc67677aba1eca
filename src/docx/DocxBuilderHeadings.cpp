// The headings of the document body: title, quarter, month and date headings. A date heading
// is a HYPERLINK field to the day's cell of the yearly calendar, inside a bookmark that the
// calendar links back to; both ends name the day by its ordinal in the range.
#include "docx/DocxBuilder.h"

#include "docx/DocxTableWriter.h"
#include "docx/XmlText.h"

#include <cstdio>

namespace {

using docx::EscapeText;
using docx::ValueXml;

std::string FieldCharRun(const char* type)
{
    return std::string("<w:r>\n<w:fldChar w:fldCharType=\"") + type + "\" />\n</w:r>";
}

std::string Formatted(const char* format, int number)
{
    char text[16];
    std::snprintf(text, sizeof text, format, number);
    return text;
}

} // namespace

std::string CDocxBuilder::GetParagraphStartXml(const std::string& color, const std::string& size,
                                               const std::string& font, BYTE bold, BYTE outline,
                                               const std::string& outlineLevel, const std::string& fill,
                                               BYTE italic) const
{
    return GetHeadingStartXml(color, size, font, bold, outline, outlineLevel, fill, italic, Rsid(1), Rsid(2),
                              Rsid(3));
}

// The shading goes last: the schema puts it after the size in run properties.
std::string CDocxBuilder::GetRunStartXml(const std::string& color, const std::string& size,
                                         const std::string& font, BYTE bold, BYTE italic, const std::string& fill)
{
    std::string xml = "<w:r>\n<w:rPr>\n" + CDocxTableWriter::GetFontsXml(font);
    if (bold == 1)
        xml += "<w:b /><w:bCs />";
    if (italic == 1)
        xml += "<w:i /> <w:iCs />";
    xml += ValueXml("<w:color w:val=\"", color, "\" />\n") + docx::SizeXml(size, "\" />\n") +
           ValueXml("<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"", fill, "\" />\n");
    return xml + "</w:rPr>\n";
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
    const bool framed = dateTable.bTable == 1 && ticked == 1;
    const std::string id = Formatted(twoDigits == 1 ? "%02d" : "%d", bookmarkId);
    const std::string day = Formatted("%03d", ordinal);
    std::string xml = framed ? GetBoxTableStartXml(dateTable) : std::string();
    xml += "<w:bookmarkStart w:id=\"" + id + "\" w:name=\"BOOKMARK_Date" + day + "\" />\n";
    xml += GetParagraphStartXml(color, size, font, bold, 1, outlineLevel, ticked == 1 ? background : "", italic);
    xml += GetFieldBeginRunXml() + GetHyperlinkInstrRunXml("BOOKMARK_Calendar" + day) + GetFieldSeparateRunXml();
    xml += GetHyperlinkRunXml(color, size, font, bold, italic, strike, underline, caption, captions,
                              captions.DEFERENCE == 1 && ticked == 1 ? 1 : 0);
    xml += "<w:bookmarkEnd w:id=\"" + id + "\" />\n" + GetFieldEndRunXml() + "</w:p>\n";
    return framed ? xml + GetBoxTableEndXml() : xml;
}

std::string CDocxBuilder::GetFieldBeginRunXml()
{
    return FieldCharRun("begin");
}

std::string CDocxBuilder::GetHyperlinkInstrRunXml(const std::string& bookmark)
{
    return "<w:r>\n<w:instrText xml:space=\"preserve\">HYPERLINK \\l \"" + EscapeText(bookmark) +
           "\"</w:instrText>\n</w:r>";
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
    const auto run = [&](const std::string& text, const std::string& runColor, BYTE runBold, BYTE runItalic) {
        return GetHyperlinkStyledRunXml(runColor, size, font, runBold, underline, text, Rsid(4), runItalic, strike);
    };
    if (split != 1)
        return run(caption, color, bold, italic);
    // Pieces: M1, date, days-left number, day number, M2 + M3, the rest.
    const auto pieces = SplitTextRuns(captions.RestDay.str(), captions.RestDay_Back.str(),
                                      captions.HadBeenDays.str(), captions.HadBeenDays_Back.str(),
                                      captions.WeekEnd.str(), caption);
    const std::string& restColor = captions.REST_COLOR.str();
    std::string xml = run(pieces[1], color, bold, italic);
    const auto piece = [&](const std::string& text, const std::string& runColor, BYTE runBold, BYTE runItalic) {
        if (!text.empty())
            xml += run(text, runColor, runBold, runItalic);
    };
    piece(pieces[0], restColor, captions.REST_BOLD, captions.REST_ITALIC);
    piece(pieces[2], captions.REST_NUMBER_COLOR.str(), captions.REST_NUMBER_BOLD, captions.REST_NUMBER_ITALIC);
    piece(pieces[4], restColor, captions.REST_BOLD, captions.REST_ITALIC);
    piece(pieces[3], captions.THEDAY_NUMBER_COLOR.str(), captions.THEDAY_NUMBER_BOLD, captions.THEDAY_NUMBER_ITALIC);
    piece(pieces[5], restColor, captions.REST_BOLD, captions.REST_ITALIC);
    return xml;
}
