// The class being edited, moved to and from the rows of the class list.
#include "AppFixture.h"
#include "app/CurrentClass.h"
#include "app/Form_SetWord.h"

namespace {

ClassListRow Numbered(const char* number)
{
    ClassListRow row;
    row.cells[kCellId] = number;
    return row;
}

class CurrentClassTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        g_currentClass = DiaryClassRecord{};
        AllocSettingBuffers();
        ResetTableLineDefaults();
    }
};

} // namespace

TEST_F(CurrentClassTest, StartingValuesAreWhiteTahomaElevenPoints)
{
    EXPECT_EQ(g_currentClass.COL_CLASS_FONT_COLOR, "FFFFFF");
    EXPECT_EQ(g_currentClass.COL_SpecialSign_Color, "FFFFFF");
    EXPECT_EQ(g_currentClass.COL_LINE_FONT_NAME, "Tahoma");
    EXPECT_EQ(g_currentClass.COL_CLASS_FONT_SIZE, "11");
    EXPECT_EQ(g_classTable.line_color, "8D826D");
    EXPECT_EQ(g_classTable.line_type, "dotted");
}

TEST_F(CurrentClassTest, ANewClassIsNumberedAboveTheGreatestNumber)
{
    ClassListModel rows;
    EXPECT_EQ(GetMaxColumnNumber(rows), 0);
    AppendClassRow(rows);
    EXPECT_EQ(rows.back().cells[kCellId], "1");
    rows = {Numbered("1"), Numbered("5"), Numbered("3")};
    AppendClassRow(rows);
    EXPECT_EQ(rows.back().cells[kCellId], "6");
}

TEST_F(CurrentClassTest, StoringKeepsSizesInPointsAndTakesTheTableLook)
{
    g_currentClass.COL_CLASS_TITLE = "工作";
    g_currentClass.COL_LINE_TEXT_FONT_SIZE = "10.5";
    g_currentClass.COL_ItemNumber = 1;
    g_currentClass.COL_LINE_COUNT = 4;
    g_classTable.line_type.Empty();   // never set: the defaults come first
    g_classTable.bLineTop = 0;
    ClassListRow row = Numbered("7");
    StoreGlobalsToClassRow(row);
    EXPECT_EQ(row.cells[kCellId], "7") << "the number stays";
    EXPECT_EQ(row.cells[kCellTitle], "工作");
    EXPECT_EQ(row.cells[kCellClassFontSize], "11");
    EXPECT_EQ(row.cells[kCellLineFontSize], "10.5");
    EXPECT_EQ(row.cells[kCellItemNumber], "Y");
    EXPECT_EQ(row.cells[kCellLineCount], "4");
    EXPECT_EQ(row.cells[kCellTableLineType], "dotted");
    EXPECT_EQ(row.cells[kCellTableTop], "Y") << "the whole look was reset";
}

TEST_F(CurrentClassTest, LoadingARowLeavesItsTableLookAndItsLinedFlag)
{
    g_currentClass.COL_CLASS_TITLE = "Reading";
    g_currentClass.COL_LINE_ClassTable = 1;
    g_currentClass.bTable = 1;
    g_classTable.line_type = "wave";
    ClassListRow row = Numbered("2");
    StoreGlobalsToClassRow(row);
    AllocSettingBuffers();
    g_currentClass.COL_CLASS_TITLE = "other";
    g_currentClass.classTable.line_type = "kept";
    LoadClassRowToGlobals(row);
    EXPECT_EQ(g_currentClass.COL_CLASS_TITLE, "Reading");
    EXPECT_EQ(g_currentClass.COL_CLASS_FONT_SIZE, "11") << "points, as the row shows";
    EXPECT_EQ(g_currentClass.COL_LINE_ClassTable, 1) << "both flags stay, unlike in a generation record";
    EXPECT_EQ(g_currentClass.bTable, 1);
    EXPECT_EQ(g_currentClass.classTable.line_type, "kept");
}

TEST_F(CurrentClassTest, TheMainWindowAppendsAndEditsRowsOfItsList)
{
    Write("ZaDuzed_Simple.ini", PreparedConfig());
    CForm_SetWord window;
    ASSERT_TRUE(window.Create(IDD_FORM_SETWORD));
    g_currentClass.COL_CLASS_TITLE = "New";
    g_currentClass.COL_CLASS_FONT_COLOR = "00FF00";
    window.AppendClassRow();
    ASSERT_EQ(window.m_listClasses.GetItemCount(), 4);
    EXPECT_EQ(window.m_listClasses.GetItemText(3, kCellId), "4");
    EXPECT_EQ(window.m_listClasses.GetItemText(3, kCellTitle), "New");
    COLORREF colour = 0;
    ASSERT_TRUE(window.m_listClasses.FindItemTextColor(kCellTitle, 3, colour));
    EXPECT_EQ(colour, RGB(0, 255, 0));
    window.LoadClassRowToGlobals(1);
    EXPECT_EQ(g_currentClass.COL_CLASS_TITLE, "Reading");
    g_currentClass.COL_CLASS_TITLE = "Edited";
    window.StoreGlobalsToClassRow(1);
    EXPECT_EQ(window.m_listClasses.GetItemText(1, kCellTitle), "Edited");
    EXPECT_EQ(window.m_listClasses.GetItemText(1, kCellId), "2");
}
