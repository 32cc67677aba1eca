// Headings of the daily page: the paragraph and run openings, the title, quarter and month
// headings, and the bookmarked, linked and optionally boxed date heading.
#include "DocxCheck.h"
#include "docx/DocxBuilder.h"
#include "docx/DocxTableWriter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <regex>

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

// The pieces stand in the text in this order.
bool InOrder(const std::string& text, std::initializer_list<std::string> pieces)
{
    size_t at = 0;
    for (const std::string& piece : pieces) {
        at = text.find(piece, at);
        if (at == std::string::npos) {
            ADD_FAILURE() << "no " << piece << " in order in\n" << text;
            return false;
        }
        at += piece.size();
    }
    return true;
}

// "colour:text" of each run, in order.
std::vector<std::string> ColouredTexts(const std::string& xml)
{
    std::vector<std::string> runs;
    const std::regex run(R"re(<w:color w:val="(\w+)" />[\s\S]*?<w:t xml:space="preserve">([^<]*)</w:t>)re");
    for (std::sregex_iterator it(xml.begin(), xml.end(), run), end; it != end; ++it)
        runs.push_back((*it)[1].str() + ":" + (*it)[2].str());
    return runs;
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

TEST(DocxHeadings, TitleQuarterAndMonthHeadingsEndInTheirEscapedText)
{
    const B builder;
    const std::string title = builder.GetTitleParagraphXml("000000", "44", "Tahoma", 0, "My <diary>");
    const std::string quarter = builder.GetNumberParagraphXml(2, "921111", "32", "Tahoma", 1, "季度 ", "0");
    const std::string month = builder.GetTextParagraphCloseXml("921111", "32", "Tahoma", 1, 1, "1", "MARCH");
    EXPECT_TRUE(InOrder(title, {"<w:outlineLvl w:val=\"0\" />", "<w:t>\nMy &lt;diary&gt;</w:t>\n</w:r>\n</w:p>\n"}));
    EXPECT_TRUE(InOrder(quarter, {"<w:b />", "<w:t>季度 2</w:t></w:r></w:p>"}));
    EXPECT_TRUE(InOrder(month, {"<w:outlineLvl w:val=\"1\" />", "<w:i />", "<w:t>MARCH</w:t></w:r></w:p>"}));
    for (const std::string& xml : {title, quarter, month})
        EXPECT_EQ(docxcheck::XmlError("<root xmlns:w=\"w\">" + xml + "</root>"), "");
}

TEST(DocxHeadings, DateHeadingIsBookmarkedAndLinkedToItsCalendarCell)
{
    const B builder;
    const std::string xml = builder.GetDateHeadingXml(7, 5, "000000", "28", 1, 0, "2", "03-01 Fri", "FFFF00", 0,
                                                      "Tahoma", 0, 1, Captions(0), 1, TableLineSettings());
    EXPECT_EQ(xml.rfind("<w:bookmarkStart w:id=\"07\" w:name=\"BOOKMARK_Date005\" />\n<w:p ", 0), 0u);
    EXPECT_TRUE(InOrder(xml, {"<w:r>\n<w:fldChar w:fldCharType=\"begin\" />\n</w:r>",
                              "<w:r>\n<w:instrText xml:space=\"preserve\">HYPERLINK \\l \"BOOKMARK_Calendar005\""
                              "</w:instrText>\n</w:r>",
                              "<w:r>\n<w:fldChar w:fldCharType=\"separate\" />\n</w:r>", ">03-01 Fri</w:t>",
                              "<w:bookmarkEnd w:id=\"07\" />\n<w:r>\n<w:fldChar w:fldCharType=\"end\" />\n</w:r></w:p>\n"}));
    // Ids are written as given, two digits at least.
    for (const auto& [id, written] : {std::pair{367, "w:id=\"367\""}, std::pair{7, "w:id=\"7\""}})
        EXPECT_EQ(Count(builder.GetDateHeadingXml(id, 12, "000000", "28", 1, 0, "2", "x", "", 0, "Tahoma", 0, 0,
                                                  Captions(0), 1, TableLineSettings()),
                        written),
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
    const std::string caption = "03-01 [ 还剩 5 天 ] [ 第 3 天 ]";
    const std::vector<std::string> split = {"000000:03-01", "808080: [ 还剩", "FF0000: 5", "808080: 天 ] [ 第",
                                            "0000FF: 3", "808080: 天 ]"};
    EXPECT_EQ(ColouredTexts(builder.GetHyperlinkRunXml("000000", "28", "Tahoma", 1, 0, 0, 1, caption, captions, 1)),
              split);
    EXPECT_EQ(ColouredTexts(builder.GetHyperlinkRunXml("000000", "28", "Tahoma", 1, 0, 0, 1, caption, captions, 0)),
              std::vector<std::string>{"000000:" + caption});
}

TEST(DocxHeadings, SplitCaptionShowsTheWholeLineWhenHalfOfACaptionIsEmpty)
{
    struct Case {
        std::array<const char*, 5> texts;   // RestDay, RestDay_Back, HadBeenDays, HadBeenDays_Back, WeekEnd
        std::string caption;
        std::vector<std::string> runs;
    };
    const Case cases[] = {
        {{" (", "", "", "", " - weekend"},
         "Sunday, 15 March ( 26 - weekend",
         {"000000:Sunday, 15 March", "808080: (", "FF0000: 26", "808080: - weekend"}},
        {{" (", "", " [ 第", " 天 ]", " 周末"},
         "03-15 ( 26 [ 第 3 天 ] 周末",
         {"000000:03-15", "808080: (", "FF0000: 26", "808080: [ 第", "0000FF: 3", "808080: 天 ] 周末"}},
        {{" [ 还剩", " 天 ]", " #", "", ""},
         "03-15 [ 还剩 26 天 ] # 3",
         {"000000:03-15", "808080: [ 还剩", "FF0000: 26", "808080: 天 ] #", "0000FF: 3"}},
        {{" [ 还剩", " 天 ]", "", " days in", " 周末"},
         "03-15 [ 还剩 26 天 ] 3 days in 周末",
         {"000000:03-15", "808080: [ 还剩", "FF0000: 26", "808080: 天 ] 3 days in 周末"}},
        {{" [ 还剩", " 天 ]", " [ 第", " 天 ]", " 周末"}, "03-14 周末", {"000000:03-14", "808080: 周末"}},
    };
    const B builder;
    for (const Case& c : cases) {
        DayCaptionSettings captions = Captions(1);
        captions.RestDay = c.texts[0];
        captions.RestDay_Back = c.texts[1];
        captions.HadBeenDays = c.texts[2];
        captions.HadBeenDays_Back = c.texts[3];
        captions.WeekEnd = c.texts[4];
        const std::string xml = builder.GetHyperlinkRunXml("000000", "28", "Tahoma", 1, 0, 0, 1, c.caption, captions, 1);
        EXPECT_EQ(ColouredTexts(xml), c.runs) << c.caption;
    }
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
