// The table writer's emitters write the exact WordprocessingML text, with the border sides in
// schema order and elements with an empty value left out.
#include "DocxCheck.h"
#include "docx/DocxTableWriter.h"

#include <gtest/gtest.h>

using W = CDocxTableWriter;

namespace {

std::string Border(const std::string& side, const std::string& color = "FF0000")
{
    return "<w:" + side + " w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"" + color + "\" />";
}

std::string TableProperties(const std::string& borders)
{
    return "<w:tblPr>\n<w:tblW w:w=\"0\" w:type=\"auto\" />\n<w:tblInd w:w=\"-106\" w:type=\"dxa\" />\n"
           "<w:tblBorders>" + borders + "</w:tblBorders><w:tblLook w:val=\"01E0\" />\n</w:tblPr>";
}

} // namespace

TEST(TableWriter, BorderIsDrawnOnlyForFlagOneAndNeedsALineType)
{
    EXPECT_EQ(W::GetBorderXml(1, "top", "single", "FF0000"), Border("top"));
    EXPECT_EQ(W::GetBorderXml(0, "top", "single", "FF0000"), "");
    EXPECT_EQ(W::GetBorderXml(2, "top", "single", "FF0000"), "");
    EXPECT_EQ(W::GetBorderXml(1, "top", "", "FF0000"), "");
    EXPECT_EQ(W::GetBorderXml(1, "left", "single", ""), "<w:left w:val=\"single\" w:sz=\"4\" w:space=\"0\" />");
    // A line type or colour the schema does not know is never written.
    EXPECT_EQ(W::GetBorderXml(1, "top", "a\"b", "FF0000"), "");
    EXPECT_EQ(W::GetBorderXml(1, "top", "double", "<c>"), "<w:top w:val=\"double\" w:sz=\"4\" w:space=\"0\" />");
}

TEST(TableWriter, TablePropertiesCarryTheirBorderSetsInSchemaOrder)
{
    const std::string all = Border("top") + Border("left") + Border("bottom") + Border("right") + Border("insideH") +
                            Border("insideV");
    EXPECT_EQ(W::GetTablePropertiesXml("single", "FF0000"), TableProperties(all));
    EXPECT_EQ(W::GetTablePropertiesBoxedXml("single", "FF0000", 1, 0, 0, 1, 0),
              TableProperties(Border("left") + Border("bottom") + Border("insideV")));
    EXPECT_EQ(W::GetTablePropertiesBoxedXml("single", "FF0000", 0, 1, 1, 0, 1),
              TableProperties(Border("top") + Border("right") + Border("insideH") + Border("insideV")));
    EXPECT_EQ(W::GetTablePropertiesLinedXml("single", "FF0000", 1, 1),
              TableProperties(Border("bottom") + Border("insideH") + Border("insideV")));
    EXPECT_EQ(W::GetTablePropertiesLinedXml("single", "FF0000", 0, 0), TableProperties(Border("insideV")));
}

TEST(TableWriter, CellBordersAndTheWhiteVariant)
{
    EXPECT_EQ(W::GetCellBordersXml("single", "FF0000"),
              "<w:tcBorders>\n" + Border("top") + Border("left") + Border("bottom") + Border("right") +
                  "</w:tcBorders>\n");
    EXPECT_EQ(W::GetCellBordersWhiteXml("single", "FF0000"),
              "<w:tcBorders>\n" + Border("top", "FFFFFF") + Border("left") + Border("bottom", "FFFFFF") +
                  Border("right", "FFFFFF") + "</w:tcBorders>\n");
}

TEST(TableWriter, CellShadingFollowsTheDayInItsOrder)
{
    const auto shading = [](BYTE white, int day, int bookmark, int weekday) {
        const std::string xml =
            W::GetCellPropertiesXml(white, day, "single", "FF0000", "E0E0E0", bookmark, weekday, "FFE0E0", "E0FFE0",
                                    "C0C0C0", 437);
        const size_t at = xml.find("w:fill=\"");
        return at == std::string::npos ? std::string("none") : xml.substr(at + 8, 6);
    };
    EXPECT_EQ(shading(0, 0, 5, 0), "E0E0E0");   // empty cell, whatever else
    EXPECT_EQ(shading(0, 7, 0, 0), "C0C0C0");   // outside the range on a Sunday
    EXPECT_EQ(shading(0, 7, 5, 6), "FFE0E0");
    EXPECT_EQ(shading(0, 7, 5, 0), "FFE0E0");
    EXPECT_EQ(shading(0, 7, 5, 3), "E0FFE0");
    EXPECT_EQ(shading(1, 0, 0, 0), "none");
    EXPECT_EQ(W::GetCellPropertiesXml(0, 7, "single", "FF0000", "", 5, 3, "", "E0FFE0", "", 437),
              "<w:tcPr>\n<w:tcW w:w=\"437\" w:type=\"dxa\" />\n" + W::GetCellBordersXml("single", "FF0000") +
                  "<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"E0FFE0\" />\n</w:tcPr>\n");
    EXPECT_EQ(W::GetCellPropertiesXml(0, 7, "single", "FF0000", "", 5, 3, "", "", "", 437),
              "<w:tcPr>\n<w:tcW w:w=\"437\" w:type=\"dxa\" />\n" + W::GetCellBordersXml("single", "FF0000") +
                  "</w:tcPr>\n");
}

TEST(TableWriter, HyperlinkFieldRuns)
{
    const std::string head = "<w:r>\n<w:rPr>\n<w:b />\n<w:bCs />\n<w:color w:val=\"0000FF\" />\n</w:rPr>\n";
    EXPECT_EQ(W::GetFieldBeginRunXml("0000FF"), head + "<w:fldChar w:fldCharType=\"begin\" />\n</w:r>\n");
    EXPECT_EQ(W::GetFieldSeparateRunXml("0000FF"), head + "<w:fldChar w:fldCharType=\"separate\" />\n</w:r>\n");
    EXPECT_EQ(W::GetFieldEndRunXml("0000FF"), head + "<w:fldChar w:fldCharType=\"end\" />\n</w:r>\n");
    EXPECT_EQ(W::GetFieldInstrRunXml("0000FF", "BOOKMARK_Date001"),
              "<w:r>\n<w:rPr>\n<w:b />\n<w:bCs /> \n<w:color w:val=\"0000FF\" />\n</w:rPr>\n"
              "<w:instrText xml:space=\"preserve\">HYPERLINK \\l \"BOOKMARK_Date001\"</w:instrText>\n</w:r>\n");
    EXPECT_EQ(W::GetBoldColorRunXml("00FF00", "00AB12CD"),
              "<w:r w:rsidRPr=\"00AB12CD\">\n<w:rPr>\n<w:b />\n<w:bCs />\n<w:color w:val=\"00FF00\" />\n</w:rPr>\n"
              "</w:r>\n");
    EXPECT_EQ(W::GetTextRunXml("", "00AB12CD", "1 & 2"),
              "<w:r w:rsidRPr=\"00AB12CD\">\n<w:rPr>\n<w:b />\n<w:bCs />\n</w:rPr>\n<w:t>1 &amp; 2</w:t>\n</w:r>\n");
}

TEST(TableWriter, DayNumberRun)
{
    EXPECT_EQ(W::GetDayNumberRunXml("0000FF", "00AB12CD", 7, 3, 1, "Tahoma", "18", 1, 1, 1, 1),
              "<w:r w:rsidRPr=\"00AB12CD\">\n<w:rPr>\n<w:rStyle w:val=\"Hyperlink\" />\n" + W::GetFontsXml("Tahoma") +
                  "<w:b />\n<w:bCs />\n<w:i /> <w:iCs /> <w:strike /><w:color w:val=\"0000FF\" />\n"
                  "<w:sz w:val=\"18\" />\n<w:szCs w:val=\"18\" />\n<w:u w:val=\"single\" /></w:rPr>\n"
                  "<w:t>07 </w:t>\n</w:r>\n");
    // A day outside the range is never underlined; no font and no size leave their elements out.
    EXPECT_EQ(W::GetDayNumberRunXml("0000FF", "00AB12CD", 7, 0, 0, "", "", 0, 0, 0, 1),
              "<w:r w:rsidRPr=\"00AB12CD\">\n<w:rPr>\n<w:rStyle w:val=\"Hyperlink\" />\n"
              "<w:color w:val=\"0000FF\" />\n</w:rPr>\n<w:t>7 </w:t>\n</w:r>\n");
}

TEST(TableWriter, ParagraphsRowsGridsAndFonts)
{
    EXPECT_EQ(W::GetPageBreakXml("00000001", "00000002", "00000003"),
              "<w:p w:rsidR= \"00000001\" w:rsidRDefault=\"00000002\" w:rsidP=\"00000003\"><w:r>"
              "<w:br w:type=\"page\" /><w:t>  </w:t></w:r></w:p>");
    EXPECT_EQ(W::GetEmptyParagraphXml("00000001", "00000002"),
              "<w:p w:rsidR=\"00000001\" w:rsidRDefault=\"00000002\" /> ");
    EXPECT_EQ(W::GetRowPropertiesXml(), "<w:trPr><w:trHeight w:val=\"288\" />\n</w:trPr>");
    EXPECT_EQ(W::GetFontsXml("宋体"),
              "<w:rFonts w:ascii='宋体' w:eastAsia='宋体' w:hAnsi='宋体' w:cs='宋体' w:hint=\"eastAsia\" /> ");
    EXPECT_EQ(docxcheck::XmlError("<r xmlns:w=\"w\">" + W::GetFontsXml("O'Brien & \"Co\"") + "</r>"), "");

    // Seven day columns a month and a spacer between two months, as the rows have their cells.
    std::string expected = "<w:tblGrid>";
    for (int column = 0; column < 23; ++column)
        expected += std::string("<w:gridCol w:w=\"") + (column == 7 || column == 15 ? "248" : "437") + "\"/>\n";
    EXPECT_EQ(W::GetCalendarGridXml(437, 3), expected + "</w:tblGrid>");
    EXPECT_EQ(W::GetSingleColumnGridXml(), "<w:tblGrid>\n<w:gridCol w:w=\"8522\" /> \n</w:tblGrid>\n");
}

TEST(TableWriter, FebruaryFollowsTheYear)
{
    std::array<int, 12> lengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (const auto& [year, february] : {std::pair{2024, 29}, std::pair{1900, 28}, std::pair{2000, 29},
                                        std::pair{2023, 28}}) {
        W::FixFebruary(lengths, year);
        EXPECT_EQ(lengths[1], february) << year;
    }
    EXPECT_EQ(lengths[0] + lengths[2], 62) << "other months untouched";
}
