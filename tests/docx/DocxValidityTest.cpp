// Every emitter's output, assembled into one document the way a run assembles it, must give a
// package that an independent XML parser, the Open XML schema validator and LibreOffice accept,
// even with hostile user texts.
#include "DocxCheck.h"
#include "docx/DocxBuilder.h"
#include "docx/DocxTableWriter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

// User text with every character that means something to XML, a control character and a
// broken UTF-8 byte.
const std::string kHostile = "A&B <c> \"q\" 'a' \x01 \xFF 日记";

DiaryClassRecord ClassRecord(BYTE table, BYTE lined, BYTE extraColumn, BYTE numbered, BYTE special)
{
    DiaryClassRecord c;
    c.COL_bCLASS_TITLE = 1;
    c.COL_CLASS_TITLE = kHostile;
    c.COL_CLASS_FONT_BOLD = 1;
    c.COL_CLASS_FONT_COLOR = "921111";
    c.bCOL_CLASS_BK_COLOR = 1;
    c.COL_CLASS_BK_COLOR = "EEEAE2";
    c.COL_CLASS_FONT_NAME = "Tahoma";
    c.COL_CLASS_FONT_SIZE = "21.0";
    c.COL_LINE_COUNT = 3;
    c.COL_UNDONE_TEXT = "<todo>";
    c.COL_UNDONE_FONT_BOLD = 1;
    c.COL_UNDONE_TONT_COLOR = "0000FF";
    c.COL_LINE_TEXT_FONT_COLOR = "333333";
    c.COL_LINE_TEXT_FONT_SIZE = "20.0";
    c.COL_bLINE_COLOR = 1;
    c.COL_LINE_COLOR = "DDDDDD";
    c.COL_LINE_bBACKGROUND_COLOR = 1;
    c.COL_LINE_BACKGROUND_COLOR = "F5F5F5";
    c.COL_LINE_FONT_NAME = "O'Brien & Sons";
    c.COL_LINE_Underline = 1;
    c.COL_LINE_DeleteLine = 1;
    c.COL_LINE_FontItalic = 1;
    c.bTable = table;
    c.COL_LINE_ClassTable = lined;
    c.classTable.bInsertACol = extraColumn;
    c.classTable.line_table_bk_color = "FAFAFA";
    c.classTable.line_table_bk_color2 = "F0F0F0";
    c.classTable.class_table_bk_color = "CCCCCC";
    c.COL_ItemNumber = numbered;
    c.COL_bItemSpecial = special;
    c.COL_ItemSpecial = 5;
    c.COL_bSpecialSign = 1;
    c.COL_SpecialSign = 7;
    c.COL_SpecialSign_Color = "FF0000";
    c.SpaceRow_ForEveryClass = 1;
    return c;
}

std::string Body(CDocxBuilder& builder)
{
    const std::string r1 = builder.Rsid(1), r2 = builder.Rsid(2), r3 = builder.Rsid(3), r4 = builder.Rsid(4);
    TableLineSettings frame;
    frame.bTable = 1;
    frame.line_type = "single";
    frame.line_color = "8D826D";
    frame.table_bk_color = "FFF8E0";
    frame.bLineTop = frame.bLineBottom = frame.bLineLeft = frame.bLineRight = 1;
    DayCaptionSettings captions;
    captions.DEFERENCE = 1;
    captions.RestDay = " [ 还剩";
    captions.RestDay_Back = " 天 ]";
    captions.HadBeenDays = " [ 第";
    captions.HadBeenDays_Back = " 天 ]";
    captions.WeekEnd = " <周末>";
    captions.REST_COLOR = "808080";
    captions.REST_NUMBER_COLOR = "FF0000";
    captions.REST_NUMBER_BOLD = 1;
    captions.THEDAY_NUMBER_COLOR = "0000FF";
    const std::string caption = "2024-03-01 & Fri [ 还剩 5 天 ] [ 第 3 天 ] <周末>";

    std::string body = builder.GetTitleParagraphXml("000000", "44", "Tahoma", 1, kHostile);
    body += builder.GetNumberParagraphXml(1, "921111", "32", "Tahoma", 1, kHostile, "0");
    body += builder.GetTextParagraphCloseXml("921111", "32", "Tahoma", 1, 1, "1", kHostile);
    body += CDocxBuilder::GetTextParagraphXml(kHostile, "宋体", "28", "000000", 1, "2", r1, r2, r3);
    for (BYTE ticked : {BYTE{1}, BYTE{0}})
        for (BYTE twoDigits : {BYTE{1}, BYTE{0}})
            body += builder.GetDateHeadingXml(367 + ticked * 2 + twoDigits, 1 + ticked * 2 + twoDigits, "000000",
                                              "28", 1, 1, "2", caption, "FFFF00", 1, "Tahoma", ticked == 0 ? 1 : 0,
                                              twoDigits, captions, ticked, frame);
    for (BYTE table : {BYTE{0}, BYTE{1}})
        for (BYTE lined : {BYTE{0}, BYTE{1}})
            for (BYTE extra : {BYTE{0}, BYTE{1}})
                for (BYTE numbered : {BYTE{0}, BYTE{1}})
                    for (BYTE special : {BYTE{0}, BYTE{1}}) {
                        const DiaryClassRecord c = ClassRecord(table, lined, extra, numbered, special);
                        body += builder.GetItemTableXml(c, builder.NextListId(c));
                    }
    DiaryClassRecord empty = ClassRecord(1, 0, 0, 0, 0);
    empty.COL_bCLASS_TITLE = 0;
    empty.COL_LINE_COUNT = 0;
    body += builder.GetItemTableXml(empty, 0);
    body += CDocxTableWriter::GetEmptyParagraphXml(r1, r2);
    body += builder.GetAddedTextParagraphXml(kHostile, "Tahoma", "21", "000000", "FFFFCC", 1, 1, 1, r1, r2, r3, frame);
    frame.bTable = 0;
    body += builder.GetAddedTextParagraphXml("", "", "", "", "", 0, 0, 0, r1, r2, r3, frame);

    // A calendar-like table from the table writer's pieces.
    body += "<w:tbl>" + CDocxTableWriter::GetCalendarTablePropertiesXml("single", "000000") +
            CDocxTableWriter::GetCalendarGridXml(437, 3) + "<w:tr>" + CDocxTableWriter::GetRowPropertiesXml();
    for (int cell = 0; cell < 23; ++cell) {
        body += "<w:tc>" + CDocxTableWriter::GetCellPropertiesXml(cell % 5 == 0, cell % 8, "single", "000000", "EEEEEE",
                                                                  cell % 3, cell % 7, "FFEEEE", "", "DDDDDD", 437);
        body += "<w:p>";
        if (cell % 2 == 0) {
            body += CDocxTableWriter::GetFieldBeginRunXml("0000FF") +
                    CDocxTableWriter::GetFieldInstrRunXml("0000FF", "BOOKMARK_Date001") +
                    CDocxTableWriter::GetFieldSeparateRunXml("0000FF");
        }
        body += CDocxTableWriter::GetDayNumberRunXml("0000FF", r4, cell % 8, cell % 3, 1, cell % 4 ? "Tahoma" : "",
                                                     "18", 1, 1, 1, 1);
        if (cell % 2 == 0)
            body += CDocxTableWriter::GetFieldEndRunXml("0000FF");
        body += CDocxTableWriter::GetBoldColorRunXml("", r4) + CDocxTableWriter::GetTextRunXml("112233", r4, kHostile);
        body += "</w:p></w:tc>";
    }
    body += "</w:tr></w:tbl>";
    body += "<w:tbl>" + CDocxTableWriter::GetTablePropertiesLinedXml("dotted", "", 1, 1) +
            "<w:tblGrid><w:gridCol w:w=\"468\"/></w:tblGrid><w:tr>" +
            builder.GetNumberedCellXml(0, "", 1, 30, 1, "", "", "", 0) + "</w:tr></w:tbl>";
    body += CDocxTableWriter::GetPageBreakXml(r1, r2, r3);
    body += "<w:p>" + CDocxBuilder::GetSymbolRunXml("", 20, 0) + "</w:p>";
    return body + CDocxTableWriter::GetEmptyParagraphXml(r1, r2);
}

} // namespace

TEST(DocxValidity, AssembledDocumentIsValidWordprocessingML)
{
    TempFolder folder;
    const std::string package = folder.File("my_diary");
    docxcheck::CopySkeleton(package);
    const std::string word = package + "/word";
    CDocxBuilder builder;
    ASSERT_TRUE(builder.LoadRsids(word + "/settings.xml"));
    ASSERT_TRUE(CDocxBuilder::SplitTemplateHead(word + "/document.xml", word + "/document_temp.xml"));
    ASSERT_TRUE(CDocxBuilder::SplitTemplateTail(word + "/document.xml", word + "/document_end.xml"));
    const std::string document = docxcheck::ReadFile(word + "/document_temp.xml") + Body(builder) +
                                 docxcheck::ReadFile(word + "/document_end.xml");
    folder.Write("my_diary/word/document.xml", document);
    ASSERT_TRUE(CDocxBuilder::WritePackageParts(word + "/_rels/document.xml.rels", word + "/settings.xml",
                                                package + "/[Content_Types].xml", word + "/numbering.xml",
                                                builder.ListStyles(), word + "/numbering_item_number.xml"));
    EXPECT_EQ(builder.ListStyles().size(), 24u);   // three numbered tables of each eight

    for (const std::string& part : docxcheck::PackageParts())
        EXPECT_EQ(docxcheck::XmlError(docxcheck::ReadFile(package + "/" + part)), "") << part;
    if (!docxcheck::ValidatorInstalled() || !docxcheck::LibreOfficeInstalled())
        GTEST_SKIP() << "the schema validator or LibreOffice is not installed (test.sh installs both)";
    const std::string docx = folder.File("my_diary.docx");
    ASSERT_TRUE(docxcheck::PackFolder(package, docx));
    EXPECT_EQ(docxcheck::ValidatorFindings(docx), "[]");
    EXPECT_GE(docxcheck::PdfPages(docx, folder.Path()), 2);
}

// The numbering part of the largest run, 30 numbered classes on every day of a leap year (10,980
// lists, every third in an item style), defines each abstract numbering once, and the validator
// takes every id it holds.
TEST(DocxValidity, NumberingPartOfTheLargestRunIsValid)
{
    if (!docxcheck::ValidatorInstalled())
        GTEST_SKIP() << "the schema validator is not installed (test.sh installs it)";
    TempFolder folder;
    const std::string package = folder.File("my_diary");
    docxcheck::CopySkeleton(package);
    std::vector<int> listStyles(30 * 366);
    for (size_t k = 0; k < listStyles.size(); k += 3)
        listStyles[k] = 1 + static_cast<int>(k) % CDocxBuilder::kItemStyles;
    const std::string word = package + "/word";
    ASSERT_TRUE(CDocxBuilder::WritePackageParts(word + "/_rels/document.xml.rels", word + "/settings.xml",
                                                package + "/[Content_Types].xml", word + "/numbering.xml",
                                                listStyles, word + "/numbering_item_number.xml"));
    const std::string docx = folder.File("my_diary.docx");
    ASSERT_TRUE(docxcheck::PackFolder(package, docx));
    EXPECT_EQ(docxcheck::ValidatorFindings(docx), "[]");
}
