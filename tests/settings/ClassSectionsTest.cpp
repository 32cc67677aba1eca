// The class sections of a configuration file: what the load makes of written, missing and odd
// values, and that a save reads back as it was.
#include "SettingsFixture.h"
#include "platform/CodePage.h"
#include "settings/ClassCells.h"
#include "settings/ClassSections.h"
#include "support/OwnFileMarks.h"

namespace {

std::string Section(int position, const std::string& keys)
{
    return "[LIST" + std::to_string(position) + "]\r\nCOL_ID=" + std::to_string(position + 1) + "\r\n" + keys;
}

ClassListRow SampleRow(const std::string& title)
{
    ClassListRow row;
    DiaryClassRecord record;
    record.COL_bCLASS_TITLE = 1;
    record.COL_CLASS_TITLE = title;
    record.COL_CLASS_FONT_BOLD = 1;
    record.COL_CLASS_FONT_COLOR = "921111";
    record.COL_CLASS_FONT_NAME = "微软雅黑";
    record.COL_CLASS_FONT_SIZE = "21.0";
    record.COL_LINE_COUNT = 4;
    record.COL_UNDONE_TEXT = "[完成]";
    record.COL_UNDONE_TONT_COLOR = "3A5FCD";
    record.COL_LINE_TEXT_FONT_COLOR = "333333";
    record.COL_LINE_TEXT_FONT_SIZE = "22.0";
    record.COL_LINE_FONT_NAME = "Tahoma";
    record.COL_LINE_bBACKGROUND_COLOR = 1;
    record.COL_LINE_BACKGROUND_COLOR = "F5F5F5";
    record.COL_LINE_Underline = 1;
    record.bTable = 1;
    record.classTable.line_type = "dashSmallGap";
    record.classTable.bLineMiddle = 0;
    record.classTable.line_table_bk_color2 = "FAFAFA";
    record.COL_bItemSpecial = 1;
    record.COL_ItemSpecial = 3;
    record.COL_SpecialSign = 28;
    record.SpaceRow_ForEveryClass = 1;
    SetListRowFromRecord(row, record);
    row.checked = true;
    return row;
}

class ClassSections : public SettingsTest {
protected:
    ClassListModel Load(const std::string& ini)
    {
        Folder().Write("design.ini", ini);
        ClassListModel rows(3);   // whatever the list held before goes
        LoadClassList(File("design.ini").c_str(), rows);
        return rows;
    }
};

} // namespace

TEST_F(ClassSections, LoadingStopsAtTheFirstGapAndAfterThirtySections)
{
    EXPECT_EQ(Load(Section(0, "") + Section(1, "") + Section(3, "")).size(), 2u);
    std::string many;
    for (int i = 0; i < 31; ++i)
        many += Section(i, "");
    EXPECT_EQ(Load(many).size(), 30u);
    EXPECT_TRUE(Load("").empty());
    ClassListModel rows(2);
    LoadClassList(File("missing.ini").c_str(), rows);
    EXPECT_TRUE(rows.empty());
}

TEST_F(ClassSections, OnlyTheFirstFiveNumberedClassesKeepTheirNumbers)
{
    std::string seven;
    for (int i = 0; i < 7; ++i)
        seven += Section(i, "COL_ItemNumber=1\r\n");
    const ClassListModel rows = Load(seven);
    ASSERT_EQ(rows.size(), 7u);
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].cells[kCellItemNumber], i < 5 ? "Y" : "N") << "class " << i;
}

TEST_F(ClassSections, MissingAndOddValuesLoadAsTheirDefaults)
{
    const ClassListModel rows = Load(Section(0, "COL_LINE_COLOR=00FF00\r\nbTable=2\r\nCOL_ItemSpecial=abc\r\n"
                                                "COL_LINE_COUNT= 12 lines\r\nbLineTop=x\r\nCOL_CLASS_FONT_SIZE=10.5\r\n"
                                                "COL_CLASS_FONT_COLOR=0000FF\r\n") +
                                     Section(1, "COL_bCLASS_TITLE=0\r\nCOL_CLASS_BK_COLOR=EEEEEE\r\n"));
    ASSERT_EQ(rows.size(), 2u);
    const auto& first = rows[0].cells;
    EXPECT_EQ(first[kCellTitleFlag], "Y");
    EXPECT_EQ(first[kCellLineColorFlag], "Y");
    EXPECT_EQ(first[kCellLineBackFlag], "N");
    EXPECT_EQ(first[kCellClassBackFlag], "N");
    EXPECT_EQ(first[kCellTable], "N");
    EXPECT_EQ(first[kCellItemSpecial], "-1");
    EXPECT_EQ(first[kCellSign], "-1");
    EXPECT_EQ(first[kCellLineCount], "12");
    EXPECT_EQ(first[kCellTableTop], "Y");
    EXPECT_EQ(first[kCellClassBold], "N");
    EXPECT_EQ(first[kCellClassFontSize], "10.5");
    EXPECT_EQ(first[kCellTitle], "");
    EXPECT_TRUE(rows[0].checked);
    EXPECT_EQ(rows[0].titleColor, RGB(0, 0, 0xFF));
    EXPECT_EQ(rows[0].undoneColor, 0u);
    EXPECT_EQ(rows[1].cells[kCellTitleFlag], "N");
    EXPECT_EQ(rows[1].cells[kCellLineColorFlag], "N");
    EXPECT_EQ(rows[1].cells[kCellClassBackFlag], "Y");
}

TEST_F(ClassSections, SavedListLoadsBackWithItsPositionsAsNumbers)
{
    ClassListModel saved = {SampleRow("工作 & <计划>"), SampleRow("Reading \"notes\""), SampleRow("运动")};
    saved[0].cells[kCellId] = "7";
    saved[2].cells[kCellId] = "2";
    const std::string file = File("design.ini");
    ASSERT_TRUE(SaveClassList(file.c_str(), saved));

    ClassListModel loaded;
    LoadClassList(file.c_str(), loaded);
    ASSERT_EQ(loaded.size(), saved.size());
    for (size_t i = 0; i < saved.size(); ++i) {
        EXPECT_EQ(loaded[i].cells[kCellId], std::to_string(i + 1));
        for (size_t column = 1; column < saved[i].cells.size(); ++column)
            EXPECT_EQ(loaded[i].cells[column], saved[i].cells[column]) << "class " << i << " column " << column;
        EXPECT_TRUE(loaded[i].checked);
        EXPECT_EQ(loaded[i].titleColor, saved[i].titleColor);
    }

    // Written as the program's own files are: GB18030, points, flags as digits, 47 keys a class.
    const std::string bytes = Folder().Read("design.ini");
    EXPECT_FALSE(platform::IsValidUtf8(bytes));
    ASSERT_EQ(bytes.rfind(kProfileMarkerLine, 0), 0u);
    const std::string text = platform::DecodeDiskText(bytes.substr(kProfileMarkerLine.size())).utf8;
    EXPECT_NE(text.find("[LIST2]\r\nCOL_ID=3\r\nCOL_bCLASS_TITLE=1\r\nCOL_CLASS_TITLE=运动\r\nCOL_LINE_COUNT=4\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("COL_CLASS_FONT_SIZE=10.5\r\n"), std::string::npos);
    EXPECT_NE(text.find("COL_LINE_TEXT_FONT_SIZE=11\r\n"), std::string::npos);
    EXPECT_EQ(text.find("[LIST3]"), std::string::npos);
    size_t keys = 0;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
        ++keys;
    EXPECT_EQ(keys, 3u * (1 + 47));
}

TEST_F(ClassSections, SaveWritesWhatAGenerationWouldTake)
{
    ClassListRow both = SampleRow("x");
    both.cells[kCellLinedTable] = "Y";
    ClassListModel rows(31, both);
    const std::string file = File("design.ini");
    ASSERT_TRUE(SaveClassList(file.c_str(), rows));
    ClassListModel loaded;
    LoadClassList(file.c_str(), loaded);
    ASSERT_EQ(loaded.size(), 30u);
    EXPECT_EQ(loaded[0].cells[kCellLinedTable], "N");
    EXPECT_EQ(loaded[0].cells[kCellTable], "Y");
}
