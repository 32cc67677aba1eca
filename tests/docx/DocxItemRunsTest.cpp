// Runs of the writing lines, the numbered cell, the motto line with its frame, title paragraphs
// and the cutting of a date caption.
#include "DocxCheck.h"
#include "docx/DocxBuilder.h"
#include "docx/DocxTableWriter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>

using B = CDocxBuilder;

namespace {

const std::string kFonts = CDocxTableWriter::GetFontsXml("Tahoma");

// A builder whose revision ids are 11111111 .. 55555555 in order.
B Builder()
{
    TempFolder folder;
    folder.Write("s.xml", "<w:rsids><w:rsidRoot w:val=\"11111111\"/><w:rsid w:val=\"33333333\"/>"
                          "<w:rsid w:val=\"22222222\"/><w:rsid w:val=\"44444444\"/><w:rsid w:val=\"55555555\"/>"
                          "<w:rsid w:val=\"66666666\"/></w:rsids>");
    B builder;
    builder.LoadRsids(folder.File("s.xml"));
    return builder;
}

} // namespace

TEST(DocxItemRuns, SignsAndTheirSymbolRun)
{
    // The two fonts' tables meet at 24; 28 is the last sign.
    EXPECT_EQ(B::GetSymbolFont(24), "Wingdings 2");
    EXPECT_EQ(B::GetSymbolCode(28), "F05D");
    EXPECT_EQ(B::GetSymbolCode(29), "");
    EXPECT_EQ(B::GetSymbolRunXml("FF0000", 20, 1),
              "<w:r><w:rPr><w:color w:val=\"FF0000\"/>\r\n<w:sz w:val=\"28\" /><w:szCs w:val=\"28\" /></w:rPr>"
              "<w:sym w:font=\"Wingdings\" w:char=\"F052\" /></w:r><w:r><w:t xml:space=\"preserve\"> </w:t></w:r>");
    // No sign, no symbol element (it takes no empty font or character).
    EXPECT_EQ(B::GetSymbolRunXml("", 20, 0),
              "<w:r><w:rPr><w:sz w:val=\"28\" /><w:szCs w:val=\"28\" /></w:rPr></w:r>"
              "<w:r><w:t xml:space=\"preserve\"> </w:t></w:r>");
}

TEST(DocxItemRuns, WriteInRunInSchemaOrder)
{
    EXPECT_EQ(B::GetDottedUnderlineRunXml("333333", "21", 1, "Tahoma", "DDDDDD", 1, 1, 1),
              "<w:r><w:rPr>" + kFonts +
                  "<w:b /><w:bCs /><w:i /><w:iCs /><w:strike /><w:color w:val=\"333333\" />"
                  "<w:sz w:val=\"21\" /><w:szCs w:val=\"21\" /><w:u w:val=\"dotted\" />"
                  "<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"DDDDDD\" />\n"
                  "</w:rPr><w:t xml:space=\"preserve\"> </w:t> </w:r>\r\n");
    EXPECT_EQ(B::GetDottedUnderlineRunXml("333333", "21", 0, "Tahoma", "", 0, 0, 0),
              "<w:r><w:rPr>" + kFonts +
                  "<w:color w:val=\"333333\" /><w:sz w:val=\"21\" /><w:szCs w:val=\"21\" />"
                  "</w:rPr><w:t xml:space=\"preserve\"> </w:t> </w:r>\r\n");
}

TEST(DocxItemRuns, NumberedCellByItsTwoFlags)
{
    const B builder = Builder();
    const std::string start = "<w:tc><w:tcPr><w:tcW w:w=\"468\" w:type=\"dxa\" /></w:tcPr>"
                              "<w:p w:rsidR= \"11111111\" w:rsidRDefault=\"22222222\" w:rsidP=\"33333333\"";
    const std::string tail = "<w:jc w:val=\"left\" /> <w:rPr>" + kFonts +
                             " <w:b /> <w:bCs /> <w:color w:val=\"000000\"/>\r\n"
                             "<w:sz w:val=\"21\" /><w:szCs w:val=\"21\" /></w:rPr></w:pPr>\n</w:p></w:tc>";
    EXPECT_EQ(builder.GetNumberedCellXml(0, "23", 1, 5, 2, "Tahoma", "000000", "21", 0),
              start + "><w:pPr>\n" + B::GetNumPrXml(5) + "<w:snapToGrid w:val=\"0\" />" + tail);
    EXPECT_EQ(builder.GetNumberedCellXml(1, "23", 0, 5, 1, "Tahoma", "000000", "21", 3),
              start + "><w:pPr>\n<w:numPr>\n<w:ilvl w:val=\" 0\" />\n<w:numId w:val=\"23\"/></w:numPr>" + tail);
    const std::string empty = start + "/></w:tc>";
    EXPECT_EQ(builder.GetNumberedCellXml(1, "23", 1, 5, 1, "Tahoma", "000000", "21", 0), empty);
    EXPECT_EQ(builder.GetNumberedCellXml(0, "23", 0, 5, 1, "Tahoma", "000000", "21", 0), empty);
    EXPECT_EQ(builder.GetNumberedCellXml(0, "23", 1, 22, 1, "Tahoma", "000000", "21", 0), empty);
}

TEST(DocxItemRuns, SpanCellIsEmptyAndTwoColumnsWide)
{
    EXPECT_EQ(Builder().GetSpanCellXml(),
              "<w:tc><w:tcPr><w:tcW w:w=\"468\" w:type=\"dxa\" /><w:gridSpan w:val=\"2\" /></w:tcPr>"
              "<w:p w:rsidR= \"11111111\" w:rsidRDefault=\"22222222\" w:rsidP=\"33333333\" /></w:tc>");
}

TEST(DocxItemRuns, MottoLineWithAndWithoutItsFrame)
{
    const B builder = Builder();
    TableLineSettings frame;
    frame.line_type = "single";
    frame.line_color = "8D826D";
    frame.table_bk_color = "FFF8E0";
    frame.bLineTop = frame.bLineBottom = 1;
    const std::string paragraph = "<w:p w:rsidR= \"a\" w:rsidRDefault=\"b\" w:rsidP=\"c\"><w:pPr>"
                                  "<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"FFFFCC\" />\n"
                                  "<w:snapToGrid w:val=\"0\" /></w:pPr>";
    const std::string run = "<w:r>\n<w:rPr>\n" + kFonts +
                            "<w:b /><w:bCs /><w:i /> <w:iCs /><w:color w:val=\"000000\" />\n<w:sz w:val=\"21\" />\n"
                            "<w:szCs w:val=\"21\" />\n<w:u w:val=\"dotted\" /></w:rPr>\n<w:t>Seize &amp; day</w:t>"
                            "</w:r>\r\n";
    EXPECT_EQ(builder.GetAddedTextParagraphXml("Seize & day", "Tahoma", "21", "000000", "FFFFCC", 1, 1, 1, "a", "b",
                                               "c", frame),
              paragraph + run + "</w:p>");
    frame.bTable = 1;
    EXPECT_EQ(builder.GetBoxTableStartXml(frame),
              "<w:tbl>\n" + CDocxTableWriter::GetTablePropertiesBoxedXml("single", "8D826D", 0, 0, 1, 1, 0) +
                  "<w:tblGrid><w:gridCol w:w=\"9936\" /> </w:tblGrid><w:tr w:rsidR=\"11111111\" "
                  "w:rsidRPr=\"44444444\">\n<w:tc><w:tcPr><w:tcW w:w=\"9936\" w:type=\"dxa\" /> "
                  "<w:shd w:val=\"clear\" w:color=\"000000\" w:fill=\"FFF8E0\" /></w:tcPr>");
    EXPECT_EQ(builder.GetAddedTextParagraphXml("Seize & day", "Tahoma", "21", "000000", "FFFFCC", 1, 1, 1, "a", "b",
                                               "c", frame),
              builder.GetBoxTableStartXml(frame) + paragraph + run + "</w:p>" + B::GetBoxTableEndXml());
    EXPECT_EQ(B::GetBoxTableEndXml(), "</w:tc></w:tr></w:tbl>");
    // An empty text gives a run without a text element.
    EXPECT_EQ(B::GetAddedTextRunXml("Tahoma", "21", "000000", 0, 0, 0, ""),
              "<w:r>\n<w:rPr>\n" + kFonts +
                  "<w:color w:val=\"000000\" />\n<w:sz w:val=\"21\" />\n<w:szCs w:val=\"21\" />\n</w:rPr>\n</w:r>\r\n");
}

TEST(DocxItemRuns, TitleParagraphStartsItsTextOnANewLine)
{
    EXPECT_EQ(B::GetTextParagraphXml("年计划:", "Tahoma", "28", "921111", 1, "1", "a", "b", "c"),
              "<w:p w:rsidR=\"a\" w:rsidRDefault=\"b\" w:rsidP=\"c\">\n<w:pPr>\n<w:jc w:val=\"left\" />\n"
              "<w:outlineLvl w:val=\"1\" />\n<w:rPr>\n<w:rFonts w:ascii='Tahoma' w:eastAsia='Tahoma' "
              "w:hAnsi='Tahoma' />\n<w:b />\n<w:bCs />\n<w:color w:val=\"921111\" />\n<w:sz w:val=\"28\"/>\n"
              "<w:szCs w:val=\"28\"/>\n</w:rPr>\n</w:pPr>\n<w:r>\n<w:rPr>\n" +
                  kFonts +
                  "<w:b /><w:bCs /><w:color w:val=\"921111\" />\n<w:sz w:val=\"28\" />\n<w:szCs w:val=\"28\" />\n"
                  "</w:rPr>\n<w:t>\n年计划:</w:t>\n</w:r>\n</w:p>\n");
    EXPECT_EQ(B::GetHeadingStartXml("", "", "F", 0, 0, "3", "EEEEEE", 1, "a", "b", "c"),
              "<w:p w:rsidR=\"a\" w:rsidRDefault=\"b\" w:rsidP=\"c\">\n<w:pPr>\n"
              "<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"EEEEEE\" />\n<w:jc w:val=\"left\" />\n<w:rPr>\n"
              "<w:rFonts w:ascii='F' w:eastAsia='F' w:hAnsi='F' />\n<w:i /><w:iCs /></w:rPr>\n</w:pPr>\n");
}

TEST(DocxItemRuns, CaptionLineSplitsIntoSixPieces)
{
    using Pieces = std::array<std::string, 6>;
    struct Case {
        std::array<std::string_view, 5> markers;   // days left before and after, day number before and after, weekend
        std::string_view text;
        Pieces pieces;   // M1, head, days left, day number, M2 + M3, tail
    };
    const std::array<std::string_view, 5> both = {" [ 还剩", " 天 ]", " [ 第", " 天 ]", " 周末"};
    const Case cases[] = {
        {both,
         "03-01 [ 还剩 5 天 ] [ 第 3 天 ] 周末",
         {" [ 还剩", "03-01", " 5", " 3", " 天 ] [ 第", " 天 ] 周末"}},
        // Markers the line does not hold are not shown.
        {both, "03-02 Sat", {"", "03-02 Sat", "", "", "", ""}},
        {both, "03-02 Sat 周末", {"", "03-02 Sat", "", "", "", " 周末"}},
        {both, "03-02 [ 还剩 5 天 ] 周末 [ 2 ]", {" [ 还剩", "03-02", " 5", "", "", " 天 ] 周末 [ 2 ]"}},
        {both, "03-02 [ 第 3 天 ]", {"", "03-02", "", " 3", " [ 第", " 天 ]"}},
        {{"", "", "", "", ""}, "plain", {"", "plain", "", "", "", ""}},
        // One half of a caption empty: the numbers and everything after them still show.
        {{" (", "", "", "", " - weekend"},
         "Sunday, 15 March ( 26 - weekend",
         {" (", "Sunday, 15 March", " 26", "", "", " - weekend"}},
        {{" (", "", " [ 第", " 天 ]", " 周末"},
         "03-15 ( 26 [ 第 3 天 ] 周末",
         {" (", "03-15", " 26", " 3", " [ 第", " 天 ] 周末"}},
        {{" [ 还剩", " 天 ]", " #", "", ""},
         "03-15 [ 还剩 26 天 ] # 3",
         {" [ 还剩", "03-15", " 26", " 3", " 天 ] #", ""}},
        {{"", " days left", " [ 第", " 天 ]", ""},
         "03-15 26 days left [ 第 3 天 ]",
         {"", "03-15 26 days left", "", " 3", " [ 第", " 天 ]"}},
    };
    for (const Case& c : cases) {
        const auto& m = c.markers;
        EXPECT_EQ(B::SplitTextRuns(m[0], m[1], m[2], m[3], m[4], c.text), c.pieces) << c.text;
    }
    // No piece is cut short, however long.
    const std::string longDate(300, 'd');
    const std::string longLine = longDate + " [ 还剩 5 天 ] [ 第 3 天 ]";
    EXPECT_EQ(B::SplitTextRuns(both[0], both[1], both[2], both[3], both[4], longLine)[1], longDate);
    EXPECT_TRUE(B::ContainsText("周", "周末"));
    EXPECT_FALSE(B::ContainsText("", "周末"));
    EXPECT_FALSE(B::ContainsText("x", "周末"));
}

TEST(DocxItemRuns, HyperlinkStyledRunEscapesItsPieceAndPutsTheUnderlineLast)
{
    EXPECT_EQ(B::GetHyperlinkStyledRunXml("0000FF", "28", "Tahoma", 1, 1, " <5> & ", "44444444", 1, 1),
              "<w:r w:rsidRPr=\"44444444\">\n<w:rPr>\n<w:rStyle w:val=\"Hyperlink\" /> " + kFonts +
                  "<w:b />\n<w:bCs />\n<w:i /><w:iCs /><w:strike /><w:color w:val=\"0000FF\" />\n"
                  "<w:sz w:val=\"28\" />\n<w:szCs w:val=\"28\" />\n<w:u w:val=\"single\" /></w:rPr>\n"
                  "<w:t xml:space=\"preserve\"> &lt;5&gt; &amp; </w:t>\n</w:r>\n");
}
