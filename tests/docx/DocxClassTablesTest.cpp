// The block of one diary class: its layouts, the extra number column, numbering ids, row
// shading and the runs of each writing line.
#include "DocxCheck.h"
#include "docx/DocxBuilder.h"
#include "docx/DocxTableWriter.h"

#include <gtest/gtest.h>

using B = CDocxBuilder;

namespace {

size_t Count(const std::string& text, const std::string& pattern)
{
    size_t count = 0;
    for (size_t at = text.find(pattern); at != std::string::npos; at = text.find(pattern, at + 1))
        ++count;
    return count;
}

DiaryClassRecord Record(BYTE table, BYTE lined)
{
    DiaryClassRecord c;
    c.COL_bCLASS_TITLE = 1;
    c.COL_CLASS_TITLE = "Work";
    c.COL_CLASS_FONT_COLOR = "921111";
    c.COL_CLASS_FONT_NAME = "Tahoma";
    c.COL_CLASS_FONT_SIZE = "24.0";
    c.COL_LINE_COUNT = 3;
    c.COL_LINE_TEXT_FONT_COLOR = "333333";
    c.COL_LINE_TEXT_FONT_SIZE = "21.0";
    c.COL_LINE_FONT_NAME = "Tahoma";
    c.COL_LINE_SnapToGrid = 1;
    c.bTable = table;
    c.COL_LINE_ClassTable = lined;
    return c;
}

std::string Xml(const DiaryClassRecord& c, int id = 0)
{
    return B().GetItemTableXml(c, id);
}

std::string WellFormed(const std::string& xml)
{
    return docxcheck::XmlError("<w:body xmlns:w=\"w\">" + xml + "</w:body>");
}

} // namespace

TEST(DocxClassTables, LayoutFollowsTheTwoTableSwitches)
{
    EXPECT_EQ(Count(Xml(Record(1, 0)), "<w:tbl>"), 1u);
    EXPECT_EQ(Count(Xml(Record(1, 0)), "<w:tr "), 4u);   // title row and three lines
    EXPECT_EQ(Count(Xml(Record(0, 1)), "<w:tbl>"), 1u);
    EXPECT_EQ(Count(Xml(Record(0, 1)), "<w:tr "), 3u);   // the title is a paragraph of its own
    EXPECT_NE(Xml(Record(0, 1)).find(CDocxTableWriter::GetTablePropertiesLinedXml("dotted", "8D826D", 1, 1)),
              std::string::npos);
    EXPECT_EQ(Xml(Record(0, 0)).find("<w:tbl>"), std::string::npos);
    EXPECT_EQ(Xml(Record(1, 1)).find("<w:tbl>"), std::string::npos);
    for (BYTE table : {BYTE{0}, BYTE{1}})
        for (BYTE lined : {BYTE{0}, BYTE{1}})
            EXPECT_EQ(WellFormed(Xml(Record(table, lined))), "");
}

TEST(DocxClassTables, TitleStandsInItsShadedRowOrNowhere)
{
    DiaryClassRecord c = Record(1, 0);
    c.COL_CLASS_TITLE = "A & B";
    c.bCOL_CLASS_BK_COLOR = 1;
    c.COL_CLASS_BK_COLOR = "EEEEEE";
    c.classTable.class_table_bk_color = "CCCCCC";
    EXPECT_NE(Xml(c).find("<w:tr w:rsidR=\"00000000\" w:rsidRPr=\"00000000\">\n<w:tc><w:tcPr><w:tcW w:w=\"9936\" "
                          "w:type=\"dxa\" /> <w:shd w:val=\"clear\" w:color=\"000000\" w:fill=\"CCCCCC\" />"
                          "</w:tcPr><w:p "),
              std::string::npos);
    EXPECT_NE(Xml(c).find("<w:t>\r\nA &amp; B</w:t>\r\n</w:r>\r\n</w:p>\r\n</w:tc></w:tr>"), std::string::npos);
    c.COL_bCLASS_TITLE = 0;
    EXPECT_EQ(Xml(c).find("A &amp; B"), std::string::npos);
    c.bTable = 0;
    EXPECT_EQ(Xml(c).find("<w:tr"), std::string::npos);   // only the line paragraphs
    EXPECT_EQ(Xml(c, 2), B().GetItemsBoxXml(c, 2));
    EXPECT_EQ(Count(Xml(c), "</w:p>"), 3u);
}

TEST(DocxClassTables, NoLinesGiveAtMostTheTitleRowAndNeverAnEmptyTable)
{
    DiaryClassRecord c = Record(1, 0);
    c.COL_LINE_COUNT = 0;
    EXPECT_EQ(Count(Xml(c), "<w:tr "), 1u);
    c.COL_bCLASS_TITLE = 0;
    EXPECT_EQ(Xml(c), "");
    c = Record(0, 1);
    c.COL_LINE_COUNT = 0;
    EXPECT_EQ(Xml(c).find("<w:tbl>"), std::string::npos);
}

TEST(DocxClassTables, ExtraColumnCarriesTheNumberInItsOwnCell)
{
    DiaryClassRecord c = Record(1, 0);
    c.classTable.bInsertACol = 1;
    c.COL_ItemNumber = 1;
    const std::string xml = Xml(c, 4);
    EXPECT_NE(xml.find("<w:tblGrid><w:gridCol w:w=\"468\" /> <w:gridCol w:w=\"9648\" /> </w:tblGrid>"),
              std::string::npos);
    EXPECT_NE(xml.find("<w:tcW w:w=\"9936\" w:type=\"dxa\" /> <w:gridSpan w:val=\"2\" />"), std::string::npos);
    EXPECT_EQ(Count(xml, B().GetNumberedCellXml(1, "25", 0, -1, 0, "Tahoma", "333333", "21.0", 1)), 3u);
    EXPECT_EQ(Count(xml, "<w:tcW w:w=\"9648\" w:type=\"dxa\" /> "), 3u);
    EXPECT_EQ(Count(xml, "<w:numPr>"), 3u);   // in the number cells only
}

TEST(DocxClassTables, NumberingIdsOfListsAndItemStyles)
{
    DiaryClassRecord c = Record(0, 0);
    c.COL_ItemNumber = 1;
    EXPECT_EQ(Count(Xml(c, 1), "<w:numPr>\n<w:ilvl w:val=\" 0\" />\n<w:numId w:val=\"22\"/></w:numPr>"), 3u);
    EXPECT_EQ(Count(Xml(c, 2), "<w:numId w:val=\"23\"/>"), 3u);
    // Lines in an item style count in the table's own instance, so each table starts at 1.
    c.COL_ItemNumber = 0;
    c.COL_bItemSpecial = 1;
    c.COL_ItemSpecial = 21;
    EXPECT_EQ(Count(Xml(c, 1), "<w:numPr>\n<w:ilvl w:val=\" 0\" />\n<w:numId w:val=\"22\"/></w:numPr>"), 3u);
    c.classTable.bInsertACol = 1;
    c.bTable = 1;
    EXPECT_EQ(Count(Xml(c, 2), B().GetNumberedCellXml(1, "23", 0, 21, 0, "Tahoma", "333333", "21.0", 1)), 3u);
    c.COL_ItemSpecial = 22;
    EXPECT_EQ(Xml(c, 1).find("<w:numPr>"), std::string::npos);
}

TEST(DocxClassTables, RowShadingAlternatesOverTheLines)
{
    const auto fills = [](const std::string& odd, const std::string& even) {
        DiaryClassRecord c = Record(1, 0);
        c.COL_bCLASS_TITLE = 0;
        c.COL_LINE_COUNT = 4;
        c.classTable.line_table_bk_color = odd;
        c.classTable.line_table_bk_color2 = even;
        const std::string xml = Xml(c);
        std::string found;
        for (size_t at = xml.find("<w:tcPr>"); at != std::string::npos; at = xml.find("<w:tcPr>", at + 1)) {
            const std::string cell = xml.substr(at, xml.find("</w:tcPr>", at) - at);
            const size_t fill = cell.find("w:fill=\"");
            found += fill == std::string::npos ? "-" : cell.substr(fill + 8, 1);
        }
        return found;
    };
    EXPECT_EQ(fills("AAAAAA", "BBBBBB"), "ABAB");
    EXPECT_EQ(fills("AAAAAA", ""), "AAAA");
    EXPECT_EQ(fills("", "BBBBBB"), "-B-B");
    EXPECT_EQ(fills("", ""), "----");
}

TEST(DocxClassTables, LineParagraphWithSignPrefixAndWriteInRuns)
{
    DiaryClassRecord c = Record(0, 0);
    c.COL_bCLASS_TITLE = 0;
    c.COL_LINE_COUNT = 1;
    c.COL_LINE_SnapToGrid = 0;
    c.COL_LINE_Underline = 1;
    c.COL_LINE_bBACKGROUND_COLOR = 1;
    c.COL_LINE_BACKGROUND_COLOR = "F5F5F5";
    c.COL_bLINE_COLOR = 1;
    c.COL_LINE_COLOR = "DDDDDD";
    c.COL_UNDONE_TEXT = "To do:";
    c.COL_UNDONE_FONT_BOLD = 1;
    c.COL_UNDONE_TONT_COLOR = "0000FF";
    c.COL_bItemSpecial = 1;
    c.COL_ItemSpecial = 3;
    c.COL_bSpecialSign = 1;
    c.COL_SpecialSign = 2;
    c.COL_SpecialSign_Color = "FF0000";
    const std::string xml = Xml(c, 1);
    // The paragraph's properties in schema order, then write-in space, the sign, the prefix and
    // write-in space again.
    const std::string writeIn = "<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"DDDDDD\" />\n</w:rPr>"
                                "<w:t xml:space=\"preserve\"> </w:t> </w:r>\r\n";
    size_t at = 0;
    for (const std::string& piece :
         {std::string("<w:p w:rsidR= \"00000000\" w:rsidRPr= \"00000000\" w:rsidRDefault=\"00000000\" "
                      "w:rsidP=\"00000000\"><w:pPr>\n<w:numPr>\n<w:ilvl w:val=\" 0\" />\n<w:numId w:val=\"22\"/>"
                      "</w:numPr><w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"F5F5F5\" />\n"
                      "<w:snapToGrid w:val=\"0\" /><w:jc w:val='left'/><w:rPr>\r\n"),
          std::string("<w:u w:val=\"dotted\" /></w:rPr>\r\n</w:pPr>\r\n"), writeIn,
          std::string("<w:sym w:font=\"Wingdings\" w:char=\"F051\" />"), std::string("<w:t>To do:</w:t></w:r>\r\n"),
          writeIn + "</w:p>"}) {
        at = xml.find(piece, at);
        ASSERT_NE(at, std::string::npos) << piece;
        at += piece.size();
    }
    EXPECT_EQ(at, xml.size());
    const B builder;
    EXPECT_EQ(builder.GetFormattedRunXml("To do:", 1, "0000FF", "21.0", "Tahoma", 1),
              "<w:r w:rsidRPr=\"00000000\"><w:rPr>" + CDocxTableWriter::GetFontsXml("Tahoma") +
                  " <w:b /> <w:bCs /> <w:i /> <w:iCs /> <w:color w:val=\"0000FF\" /> <w:sz w:val=\"21\" />"
                  "<w:szCs w:val=\"21\" /></w:rPr><w:t>To do:</w:t></w:r>\r\n");
    EXPECT_EQ(builder.GetFormattedRunXml("", 1, "0000FF", "21", "Tahoma", 1), "");
}

TEST(DocxClassTables, OnlyTheFirstAndLastLineCarryTheRunRevisionId)
{
    DiaryClassRecord c = Record(0, 0);
    c.COL_LINE_COUNT = 4;
    EXPECT_EQ(Count(Xml(c), "w:rsidRPr= "), 2u);
    c.SpaceRow_ForEveryClass = 1;
    const std::string xml = Xml(c);
    EXPECT_EQ(xml.substr(xml.size() - CDocxTableWriter::GetEmptyParagraphXml("00000000", "00000000").size()),
              CDocxTableWriter::GetEmptyParagraphXml("00000000", "00000000"));
}
