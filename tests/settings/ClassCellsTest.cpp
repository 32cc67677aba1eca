// The class list's cells and the records built from them: each field read from its own column,
// the sizes converted, and the two rules a generation run relies on.
#include "SettingsFixture.h"
#include "settings/ClassCells.h"

namespace {

// A row whose every cell differs, in the encoding of its column.
ClassListRow DistinctRow()
{
    ClassListRow row;
    for (size_t column = 0; column < row.cells.size(); ++column)
        row.cells[column] = "c" + std::to_string(column);
    for (ClassColumn flag : {kCellTitleFlag, kCellClassBold, kCellLinedTable, kCellClassBackFlag, kCellLineColorFlag,
                             kCellUndoneItalic, kCellLineItalic, kCellStrike, kCellTableTop, kCellTableLeft,
                             kCellTableMiddle, kCellItemNumber, kCellSignFlag})
        row.cells[flag] = "Y";
    for (ClassColumn flag : {kCellClassItalic, kCellTable, kCellLineBackFlag, kCellUndoneBold, kCellLineBold,
                             kCellUnderline, kCellSnapToGrid, kCellTableBottom, kCellTableRight, kCellInsertColumn,
                             kCellItemSpecialFlag, kCellBlankRow})
        row.cells[flag] = "N";
    row.cells[kCellLineCount] = "7";
    row.cells[kCellItemSpecial] = "12";
    row.cells[kCellSign] = "-1";
    row.cells[kCellClassFontSize] = "10.5";
    row.cells[kCellLineFontSize] = "11";
    row.cells[kCellClassFontColor] = "0000FF";
    row.cells[kCellUndoneColor] = "FF8000";
    return row;
}

DiaryClassRecord RecordOf(const ClassListRow& row)
{
    std::vector<DiaryClassRecord> records;
    ReadClassRecordsFromList(records, {row});
    return records.at(0);
}

} // namespace

TEST(ClassCells, SizesGoToHalfPointsAndBack)
{
    EXPECT_EQ(FontSizeToHalfPoints("11"), "22.0");
    EXPECT_EQ(FontSizeToHalfPoints("10.5"), "21.0");
    EXPECT_EQ(FontSizeToHalfPoints(" +12.5pt"), "25.0");
    EXPECT_EQ(FontSizeToHalfPoints("big"), "0.0");
    EXPECT_EQ(FontSizeToHalfPoints(""), "0.0");
    EXPECT_EQ(HalfPointsToFontSize("22.0"), "11");
    EXPECT_EQ(HalfPointsToFontSize("21.0"), "10.5");
    EXPECT_EQ(HalfPointsToFontSize("77"), "38.5");
    EXPECT_EQ(HalfPointsToFontSize(""), "0");
}

TEST(ClassCells, OnlyAnExactYIsSet)
{
    EXPECT_TRUE(YesNoToBool("Y"));
    EXPECT_FALSE(YesNoToBool("y"));
    EXPECT_FALSE(YesNoToBool("Yes"));
    EXPECT_FALSE(YesNoToBool(""));
}

TEST(ClassCells, EveryFieldComesFromItsOwnColumn)
{
    const DiaryClassRecord r = RecordOf(DistinctRow());
    EXPECT_EQ(r.COL_ID, "c0");
    EXPECT_EQ(r.COL_bCLASS_TITLE, 1);
    EXPECT_EQ(r.COL_CLASS_TITLE, "c2");
    EXPECT_EQ(r.COL_CLASS_FONT_NAME, "c3");
    EXPECT_EQ(r.COL_CLASS_FONT_SIZE, "21.0");
    EXPECT_EQ(r.COL_CLASS_FONT_COLOR, "0000FF");
    EXPECT_EQ(r.COL_CLASS_FONT_BOLD, 1);
    EXPECT_EQ(r.COL_CLASS_FONT_ITALIC, 0);
    EXPECT_EQ(r.COL_LINE_ClassTable, 1);
    EXPECT_EQ(r.bTable, 0);
    EXPECT_EQ(r.bCOL_CLASS_BK_COLOR, 1);
    EXPECT_EQ(r.COL_CLASS_BK_COLOR, "c11");
    EXPECT_EQ(r.COL_LINE_COUNT, 7);
    EXPECT_EQ(r.COL_LINE_bBACKGROUND_COLOR, 0);
    EXPECT_EQ(r.COL_LINE_BACKGROUND_COLOR, "c14");
    EXPECT_EQ(r.COL_bLINE_COLOR, 1);
    EXPECT_EQ(r.COL_LINE_COLOR, "c16");
    EXPECT_EQ(r.COL_UNDONE_TEXT, "c17");
    EXPECT_EQ(r.COL_UNDONE_TONT_COLOR, "FF8000");
    EXPECT_EQ(r.COL_UNDONE_FONT_BOLD, 0);
    EXPECT_EQ(r.COL_LINE_FontItalicPre, 1);
    EXPECT_EQ(r.COL_LINE_FONT_NAME, "c21");
    EXPECT_EQ(r.COL_LINE_TEXT_FONT_SIZE, "22.0");
    EXPECT_EQ(r.COL_LINE_TEXT_FONT_COLOR, "c23");
    EXPECT_EQ(r.COL_LINE_TEXT_FONT_BOLD, 0);
    EXPECT_EQ(r.COL_LINE_FontItalic, 1);
    EXPECT_EQ(r.COL_LINE_Underline, 0);
    EXPECT_EQ(r.COL_LINE_DeleteLine, 1);
    EXPECT_EQ(r.COL_LINE_SnapToGrid, 0);
    EXPECT_EQ(r.classTable.line_color, "c29");
    EXPECT_EQ(r.classTable.line_type, "c30");
    EXPECT_EQ(r.classTable.bLineTop, 1);
    EXPECT_EQ(r.classTable.bLineBottom, 0);
    EXPECT_EQ(r.classTable.bLineLeft, 1);
    EXPECT_EQ(r.classTable.bLineRight, 0);
    EXPECT_EQ(r.classTable.bLineMiddle, 1);
    EXPECT_EQ(r.classTable.class_table_bk_color, "c36");
    EXPECT_EQ(r.classTable.line_table_bk_color, "c37");
    EXPECT_EQ(r.classTable.line_table_bk_color2, "c38");
    EXPECT_EQ(r.classTable.bInsertACol, 0);
    EXPECT_EQ(r.COL_ItemNumber, 1);
    EXPECT_EQ(r.COL_bItemSpecial, 0);
    EXPECT_EQ(r.COL_ItemSpecial, 12);
    EXPECT_EQ(r.COL_bSpecialSign, 1);
    EXPECT_EQ(r.COL_SpecialSign, -1);
    EXPECT_EQ(r.COL_SpecialSign_Color, "c45");
    EXPECT_EQ(r.SpaceRow_ForEveryClass, 0);
}

TEST(ClassCells, RowWrittenFromItsRecordShowsTheSameCells)
{
    const ClassListRow row = DistinctRow();
    ClassListRow shown;
    shown.checked = true;
    SetListRowFromRecord(shown, RecordOf(row));
    for (size_t column = 0; column < row.cells.size(); ++column)
        EXPECT_EQ(shown.cells[column], row.cells[column]) << "column " << column;
    EXPECT_TRUE(shown.checked);
    EXPECT_EQ(shown.titleColor, RGB(0, 0, 0xFF));
    EXPECT_EQ(shown.undoneColor, RGB(0xFF, 0x80, 0));
}

TEST(ClassCells, GenerationRecordsFollowTheTableAndNumberingRules)
{
    ClassListRow both = DistinctRow();
    both.cells[kCellTable] = "Y";
    both.cells[kCellLinedTable] = "Y";
    ClassListModel rows(7, both);
    rows[2].cells[kCellItemNumber] = "N";
    rows[3].cells[kCellLineCount] = "many";

    std::vector<DiaryClassRecord> records(1);   // appended to, never cleared
    ReadClassRecordsFromList(records, rows);
    ASSERT_EQ(records.size(), 8u);
    for (size_t i = 1; i < records.size(); ++i) {
        EXPECT_EQ(records[i].bTable, 1);
        EXPECT_EQ(records[i].COL_LINE_ClassTable, 0);
    }
    // Rows 0, 1, 3, 4 and 5 are the first five numbered ones; row 6 loses its numbers.
    const std::vector<int> numbered = {1, 1, 0, 1, 1, 1, 0};
    for (size_t i = 0; i < numbered.size(); ++i)
        EXPECT_EQ(records[i + 1].COL_ItemNumber, numbered[i]) << "row " << i;
    EXPECT_EQ(records[4].COL_LINE_COUNT, 0);
    EXPECT_EQ(rows[0].cells[kCellLinedTable], "Y");
}
