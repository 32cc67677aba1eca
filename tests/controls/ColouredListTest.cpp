// The coloured list: white background, bounded cell records, cell colours in custom draw.
#include "ControlDialog.h"
#include "controls/lists/ColouredList.h"
#include "platform/ui/TestHooks.h"
#include "support/Printers.h"

using platform::ui::CaptureWindow;

class ColouredListTest : public ControlDialogTest {
protected:
    void SetUp() override
    {
        ControlDialogTest::SetUp();
        ASSERT_TRUE(list.SubclassDlgItem(kList, &dialog));
        for (int column = 0; column < 3; ++column)
            list.InsertColumn(column, "C", LVCFMT_LEFT, 60);
        for (int row = 0; row < 3; ++row)
            list.InsertItem(row, "r");
        list.SetItemData(0, reinterpret_cast<DWORD_PTR>(&record));
    }
    COLORREF CellPixel(int row, int column)
    {
        CRect cell;
        list.GetSubItemRect(row, column, LVIR_BOUNDS, cell);
        return CaptureWindow(list).Pixel(cell.right - 4, cell.top + cell.Height() / 2);
    }
    CColouredList list;
    ColouredRow record;
};

TEST_F(ColouredListTest, CountsTheHeadersColumnsAndPaintsWhite)
{
    EXPECT_EQ(list.ColumnLimit(), 3);
    EXPECT_EQ(CellPixel(2, 1), RGB(255, 255, 255));
    const auto picture = CaptureWindow(list);
    EXPECT_EQ(picture.Pixel(picture.Width() / 2, picture.Height() - 4), RGB(255, 255, 255));
}

TEST_F(ColouredListTest, CellColoursGoToTheRowsRecordAndAreDrawn)
{
    list.SetItemColor(0, 2, RGB(255, 0, 0), RGB(0, 0, 255));
    ASSERT_EQ(record.backColours.size(), 3u) << "as many colours as columns";
    EXPECT_EQ(record.backColours[2], RGB(0, 0, 255));
    EXPECT_EQ(record.textColours[2], RGB(255, 0, 0));
    EXPECT_EQ(CellPixel(0, 2), RGB(0, 0, 255));
    list.SetItemColor(0, 2, static_cast<COLORREF>(-1), static_cast<COLORREF>(-1));
    EXPECT_EQ(record.backColours[2], list.m_defaultBack);
}

TEST_F(ColouredListTest, OutOfRangeCellsAndRowsWithoutRecordsChangeNothing)
{
    for (const auto& [row, column] : {std::pair{0, 3}, {0, 8}, {-1, 0}, {0, -1}, {3, 0}}) {
        list.SetItemColor(row, column, RGB(1, 2, 3), RGB(4, 5, 6));
        EXPECT_TRUE(record.backColours.empty()) << row << "," << column;
    }
    list.SetItemColor(1, 1, RGB(1, 2, 3), RGB(4, 5, 6));
    EXPECT_EQ(CellPixel(1, 1), RGB(255, 255, 255));
}
