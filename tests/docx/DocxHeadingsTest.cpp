// Headings of the daily page: the paragraph and run openings, the title, quarter and month
// headings, and the bookmarked, linked and optionally boxed date heading.
#include "DocxCheck.h"
#include "docx/DocxBuilder.h"
#include "docx/DocxTableWriter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using B = CDocxBuilder;

namespace {

const std::string kFonts = CDocxTableWriter::GetFontsXml("Tahoma");

size_t Count(const std::string& text, const std::string& pattern)
{
    size_t count = 0;
    for (size_t at = text.find(pattern); at != std::string::npos; at = text.find(pattern, at + 1))
        ++count;
    return count;
}

DayCaptionSettings Captions(BYTE split)
{
    DayCaptionSettings c;
    c.DEFERENCE = split;
    c.RestDay = " [ 还剩";
    c.RestDay_Back = " 天 ]";
    c.HadBeenDays = " [ 第";
    c.HadBeenDays_Back = " 天 ]";
    c.REST_COLOR = "808080";
    c.REST_NUMBER_COLOR = "FF0000";
    c.REST_NUMBER_BOLD = 1;
    c.THEDAY_NUMBER_COLOR = "0000FF";
    c.THEDAY_NUMBER_ITALIC = 1;
    return c;
}

TableLineSettings Boxed()
{
    TableLineSettings t;
    t.bTable = 1;
    t.line_type = "single";
    t.line_color = "000000";
    return t;
}

} // namespace

TEST(DocxHeadings, ParagraphAndRunOpenings)
{
    const B builder;
    EXPECT_EQ(builder.GetParagraphStartXml("921111", "32", "Tahoma", 1, 1, "2", "FFFF00", 1),
              "<w:p w:rsidR=\"00000000\" w:rsidRDefault=\"00000000\" w:rsidP=\"00000000\">\n<w:pPr>\n"
              "<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"FFFF00\" />\n<w:jc w:val=\"left\" />\n"
              "<w:outlineLvl w:val=\"2\" />\n<w:rPr>\n<w:rFonts w:ascii='Tahoma' w:eastAsia='Tahoma' "
              "w:hAnsi='Tahoma' />\n<w:b />\n<w:bCs />\n<w:i /><w:iCs /><w:color w:val=\"921111\" />\n"
              "<w:sz w:val=\"32\"/>\n<w:szCs w:val=\"32\"/>\n</w:rPr>\n</w:pPr>\n");
    // The shading follows the size: the schema's order of run properties.
    EXPECT_EQ(B::GetRunStartXml("921111", "32", "Tahoma", 1, 1, "FFFF00"),
              "<w:r>\n<w:rPr>\n" + kFonts +
                  "<w:b /><w:bCs /><w:i /> <w:iCs /><w:color w:val=\"921111\" />\n<w:sz w:val=\"32\" />\n"
                  "<w:szCs w:val=\"32\" />\n<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"FFFF00\" />\n"
                  "</w:rPr>\n");
}

TEST(DocxHeadings, TitleQuarterAndMonthHeadings)
{
    const B builder;
    EXPECT_EQ(builder.GetTitleParagraphXml("000000", "44", "Tahoma", 0, "My <diary>"),
              builder.GetParagraphStartXml("000000", "44", "Tahoma", 0, 1, "0", "", 0) +
                  B::GetRunStartXml("000000", "44", "Tahoma", 0, 0, "") +
                  "<w:t>\nMy &lt;diary&gt;</w:t>\n</w:r>\n</w:p>\n");
    EXPECT_EQ(builder.GetNumberParagraphXml(2, "921111", "32", "Tahoma", 1, "季度 ", "0"),
              builder.GetParagraphStartXml("921111", "32", "Tahoma", 1, 1, "0", "", 0) +
                  B::GetRunStartXml("921111", "32", "Tahoma", 1, 0, "") + "<w:t>季度 2</w:t></w:r></w:p>");
    EXPECT_EQ(builder.GetTextParagraphCloseXml("921111", "32", "Tahoma", 1, 1, "1", "MARCH"),
              builder.GetParagraphStartXml("921111", "32", "Tahoma", 1, 1, "1", "", 1) +
                  B::GetRunStartXml("921111", "32", "Tahoma", 1, 1, "") + "<w:t>MARCH</w:t></w:r></w:p>");
}

TEST(DocxHeadings, DateHeadingIsBookmarkedAndLinkedToItsCalendarCell)
{
    const B builder;
    const std::string xml = builder.GetDateHeadingXml(7, 5, "000000", "28", 1, 0, "2", "03-01 Fri", "FFFF00", 0,
                                                      "Tahoma", 0, 1, Captions(0), 1, TableLineSettings());
    EXPECT_EQ(xml, "<w:bookmarkStart w:id=\"07\" w:name=\"BOOKMARK_Date005\" />\n" +
                       builder.GetParagraphStartXml("000000", "28", "Tahoma", 1, 1, "2", "FFFF00", 0) +
                       "<w:r>\n<w:fldChar w:fldCharType=\"begin\" />\n</w:r>"
                       "<w:r>\n<w:instrText xml:space=\"preserve\">HYPERLINK \\l \"BOOKMARK_Calendar005\""
                       "</w:instrText>\n</w:r>"
                       "<w:r>\n<w:fldChar w:fldCharType=\"separate\" />\n</w:r>" +
                       B::GetHyperlinkStyledRunXml("000000", "28", "Tahoma", 1, 0, "03-01 Fri", "00000000", 0, 0) +
                       "<w:bookmarkEnd w:id=\"07\" />\n<w:r>\n<w:fldChar w:fldCharType=\"end\" />\n</w:r></w:p>\n");
    EXPECT_EQ(Count(builder.GetDateHeadingXml(367, 12, "000000", "28", 1, 0, "2", "x", "", 0, "Tahoma", 0, 0,
                                              Captions(0), 1, TableLineSettings()),
                    "w:id=\"367\""),
              2u);
    EXPECT_EQ(Count(builder.GetDateHeadingXml(7, 5, "000000", "28", 1, 0, "2", "x", "", 0, "Tahoma", 0, 0,
                                              Captions(0), 1, TableLineSettings()),
                    "w:id=\"7\""),
              2u);
}

TEST(DocxHeadings, UntickedDayHasNeitherFrameNorBackgroundNorSplit)
{
    const B builder;
    const std::string caption = "03-02 Sat [ 还剩 5 天 ] [ 第 3 天 ]";
    const std::string unticked = builder.GetDateHeadingXml(8, 6, "AAAAAA", "28", 0, 1, "2", caption, "FFFF00", 0,
                                                           "Tahoma", 1, 0, Captions(1), 0, Boxed());
    EXPECT_EQ(unticked.find("<w:tbl>"), std::string::npos);
    EXPECT_EQ(unticked.find("FFFF00"), std::string::npos);
    EXPECT_EQ(Count(unticked, "<w:rStyle w:val=\"Hyperlink\" />"), 1u);
    EXPECT_EQ(Count(unticked, "<w:strike />"), 1u);

    const std::string ticked = builder.GetDateHeadingXml(8, 6, "000000", "28", 0, 0, "2", caption, "FFFF00", 0,
                                                         "Tahoma", 0, 0, Captions(0), 1, Boxed());
    EXPECT_EQ(ticked.rfind(builder.GetBoxTableStartXml(Boxed()), 0), 0u);
    EXPECT_EQ(ticked.substr(ticked.size() - B::GetBoxTableEndXml().size()), B::GetBoxTableEndXml());
    EXPECT_NE(ticked.find("w:fill=\"FFFF00\""), std::string::npos);
}

TEST(DocxHeadings, SplitCaptionGetsOneStyledRunPerPieceInReadingOrder)
{
    const B builder;
    const DayCaptionSettings captions = Captions(1);
    const std::string xml = builder.GetHyperlinkRunXml("000000", "28", "Tahoma", 1, 0, 0, 1,
                                                       "03-01 [ 还剩 5 天 ] [ 第 3 天 ]", captions, 1);
    const auto run = [](const std::string& text, const std::string& color, BYTE bold, BYTE italic) {
        return B::GetHyperlinkStyledRunXml(color, "28", "Tahoma", bold, 1, text, "00000000", italic, 0);
    };
    EXPECT_EQ(xml, run("03-01", "000000", 1, 0) + run(" [ 还剩", "808080", 0, 0) + run(" 5", "FF0000", 1, 0) +
                       run(" 天 ] [ 第", "808080", 0, 0) + run(" 3", "0000FF", 0, 1) + run(" 天 ]", "808080", 0, 0));
    // Split off: one run with the whole caption.
    EXPECT_EQ(builder.GetHyperlinkRunXml("000000", "28", "Tahoma", 1, 0, 0, 1, "03-01 & co", captions, 0),
              run("03-01 & co", "000000", 1, 0));
}

TEST(DocxHeadings, CaptionsWithMarkupStillGiveWellFormedXml)
{
    const B builder;
    DayCaptionSettings captions = Captions(1);
    captions.RestDay = " <&";
    captions.RestDay_Back = "\"'>";
    const std::string xml = builder.GetDateHeadingXml(8, 6, "000000", "28", 0, 0, "2",
                                                      "a&b <& 5\"'> [ 第 3 天 ] \x02", "", 0, "A'B", 0, 0,
                                                      captions, 1, TableLineSettings());
    EXPECT_EQ(docxcheck::XmlError("<root xmlns:w=\"w\">" + xml + "</root>"), "");
    EXPECT_NE(xml.find(">a&amp;b</w:t>"), std::string::npos);
    EXPECT_NE(xml.find("> &lt;&amp;</w:t>"), std::string::npos);
}

TEST(DocxHeadings, EmptyBoldRunInItsFixedColour)
{
    EXPECT_EQ(B::GetEmptyBoldRunXml("21.0"), "<w:r>\n<w:rPr>\n<w:b />\n<w:bCs />\n<w:color w:val=\"921111\" />\n"
                                             "<w:sz w:val=\"21\" />\n<w:szCs w:val=\"21\" />\n</w:rPr>\n</w:r>\n");
    EXPECT_EQ(B::GetEmptyBoldRunXml(""), "<w:r>\n<w:rPr>\n<w:b />\n<w:bCs />\n<w:color w:val=\"921111\" />\n"
                                         "</w:rPr>\n</w:r>\n");
}
