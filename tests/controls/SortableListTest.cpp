// The sortable list: the order of cells, headings, sorting by clicks, the arrow, saved widths.
#include "ControlDialog.h"
#include "controls/lists/CellOrder.h"
#include "controls/lists/SortableList.h"
#include "platform/ui/App.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/TestWindows.h"
#include "support/Printers.h"
#include "support/TempFolder.h"

using platform::ui::CaptureWindow;

namespace {

struct Order {
    const char* a;
    const char* b;
    int sign;
};

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

} // namespace

TEST(CellOrder, NumbersDatesAndTextsEachInTheirOwnWayAndInThatOrder)
{
    const Order orders[] = {
        {"9", "10", -1},
        {"100", "10", 1},
        {"007", "7", 0},
        {"", "0", 0},
        {"99999999999999999999", "4294967296", 1},   // past any integer type
        {"31/01/2003", "01/02/2003", -1},             // the month decides before the day
        {"01/01/2004", "31/12/2003", 1},
        {"10", "abc", -1},                             // numbers before texts, from either side
        {"abc", "10", 1},
        {"01/02/2003", "10", 1},
        {"01/02/2003", "abc", -1},
        {"abc", "abd", -1},
        {"Banana", "apple", 1},                        // texts as the user's language orders them
        {"apple", "BANANA", -1},
        {"Apple", "apple", 1},                         // case decides last, lower case first
        {"apple", "Apple", -1},
        {"Apple", "banana", -1},
    };
    for (const Order& order : orders)
        EXPECT_EQ(Sign(CompareCells(order.a, order.b)), order.sign) << order.a << " vs " << order.b;
}

class SortableListTest : public ControlDialogTest {
protected:
    void SetUp() override
    {
        ControlDialogTest::SetUp();
        ASSERT_TRUE(list.SubclassDlgItem(kList, &dialog));
    }
    std::vector<std::string> Column(int column)
    {
        std::vector<std::string> texts;
        for (int row = 0; row < list.GetItemCount(); ++row)
            texts.push_back(list.GetItemText(row, column).str());
        return texts;
    }
    void ClickHeading(int column)
    {
        NMLISTVIEW click;
        click.hdr.hwndFrom = list.m_hWnd;
        click.hdr.idFrom = kList;
        click.hdr.code = LVN_COLUMNCLICK;
        click.iSubItem = column;
        dialog.SendMessage(WM_NOTIFY, kList, reinterpret_cast<LPARAM>(&click));
    }
    CSortableList list;
};

TEST_F(SortableListTest, HeadingSpecificationsAddPairsUpToTheLastComma)
{
    EXPECT_TRUE(list.SetColumnHeadings("Name,120;Size"));
    EXPECT_EQ(list.GetColumnCount(), 1);
    EXPECT_EQ(list.GetColumnWidth(0), 120);
    EXPECT_TRUE(list.SetColumnHeadings("Size,"));
    EXPECT_EQ(list.GetColumnCount(), 2);
    EXPECT_EQ(list.GetColumnWidth(1), 0);
    EXPECT_TRUE(list.SetColumnHeadings("no pairs"));
    EXPECT_EQ(list.GetColumnCount(), 2);
}

TEST_F(SortableListTest, RowsTakeOneTextPerColumnAndGrowWithLaterHeadings)
{
    list.SetColumnHeadings("A,50;");
    list.AppendRow({"early"});
    list.SetColumnHeadings("B,50;C,50");
    EXPECT_EQ(list.AppendRow({"x", "y", "z", "extra"}), 1);
    EXPECT_EQ(list.AppendRow({"only"}), 2);
    EXPECT_EQ(list.GetColumnCount(), 3);
    EXPECT_EQ(Column(2), (std::vector<std::string>{"", "z", ""}));
    EXPECT_TRUE(list.SetItemText(0, 2, "late"));
    list.SortByColumn(2, TRUE);
    EXPECT_EQ(Column(2), (std::vector<std::string>{"", "late", "z"})) << "the stored copy of the new cell sorts";
    EXPECT_EQ(list.GetItemData(0), 0u);
    EXPECT_TRUE(list.SetItemData(0, 42));
    EXPECT_EQ(list.GetItemData(0), 42u);
}

TEST_F(SortableListTest, ClicksOnHeadingsSortAscendingThenDescending)
{
    list.SetColumnHeadings("Name,60;Size,60;Date,80");
    list.AppendRow({"b", "10", "31/01/2003"});
    list.AppendRow({"a", "9", "01/02/2003"});
    list.AppendRow({"c", "100", "15/01/2003"});
    ClickHeading(2);
    EXPECT_EQ(Column(2), (std::vector<std::string>{"15/01/2003", "31/01/2003", "01/02/2003"}));
    EXPECT_TRUE(list.GetSortAscending());
    ClickHeading(2);
    EXPECT_EQ(Column(2), (std::vector<std::string>{"01/02/2003", "31/01/2003", "15/01/2003"}));
    EXPECT_FALSE(list.GetSortAscending());
    ClickHeading(1);
    EXPECT_EQ(Column(1), (std::vector<std::string>{"9", "10", "100"}));
    EXPECT_EQ(list.GetSortColumn(), 1);
    EXPECT_TRUE(list.GetSortAscending());
}

TEST_F(SortableListTest, TextsDifferingInCaseAloneKeepLowerCaseFirst)
{
    list.SetColumnHeadings("Name,60;");
    for (const char* name : {"banana", "Apple", "apple", "APPLE", "Banana"})
        list.AppendRow({name});
    list.SortByColumn(0, TRUE);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"apple", "Apple", "APPLE", "banana", "Banana"}));
    list.SortByColumn(0, FALSE);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"Banana", "banana", "APPLE", "Apple", "apple"}));
}

TEST_F(SortableListTest, TheSortHeadingShowsItsArrow)
{
    list.SetColumnHeadings("Name,60;Size,80");
    list.SortByColumn(1, TRUE);
    HDITEM item;
    item.mask = HDI_FORMAT;
    list.Header().GetItem(1, &item);
    EXPECT_TRUE(item.fmt & HDF_OWNERDRAW);
    CRect heading;
    list.Header().GetItemRect(1, &heading);
    const int off = heading.Height() / 4;
    const auto up = CaptureWindow(list.Header());
    // An upward arrow stands on a light base.
    EXPECT_EQ(up.Pixel(heading.right - 2 * off, heading.bottom - off - 1), GetSysColor(COLOR_3DHILIGHT));
    list.SortByColumn(1, FALSE);
    const auto down = CaptureWindow(list.Header());
    // A downward arrow's dark edge runs along its top.
    EXPECT_EQ(down.Pixel(heading.right - 2 * off - 1, off), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(down.Pixel(heading.right - 2 * off, heading.bottom - off - 1), GetSysColor(COLOR_3DFACE));
}

TEST_F(SortableListTest, CellColoursAreDrawn)
{
    list.SetColumnHeadings("Name,60;Size,80");
    list.AppendRow({"a", "1"});
    list.SetCellColours(0, 1, RGB(255, 255, 255), RGB(0, 128, 0));
    CRect cell;
    ASSERT_TRUE(list.GetSubItemRect(0, 1, LVIR_BOUNDS, cell));
    EXPECT_EQ(CaptureWindow(list).Pixel(cell.right - 3, cell.top + 2), RGB(0, 128, 0));
    CRect first;
    ASSERT_TRUE(list.GetSubItemRect(0, 0, LVIR_BOUNDS, first));
    EXPECT_EQ(first.right, cell.left) << "column 0 ends where column 1 begins";
}

TEST_F(SortableListTest, WidthsAreSavedInTheProfileAndOnlyAMatchingBlockIsRestored)
{
    TempFolder folder(true);
    CWinApp app;
    app.m_strProfileName = folder.File("profile.ini");
    list.SetColumnHeadings("A,50;B,60;C,70;D,80");
    list.SaveColumnWidths();
    EXPECT_EQ(app.GetProfileBinary("ListCtrls", std::to_string(kList).c_str()),
              (std::vector<BYTE>{4, 0, 0, 0, 50, 0, 0, 0, 60, 0, 0, 0, 70, 0, 0, 0, 80, 0, 0, 0}))
        << "the count, then each width, 32 bits little-endian";
    list.SetColumnWidth(0, 5);
    list.RestoreColumnWidths();
    EXPECT_EQ(list.GetColumnWidth(0), 50);
    EXPECT_EQ(list.GetColumnWidth(3), 80);

    const std::vector<std::vector<BYTE>> foreign = {
        {3, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0},   // three widths for four columns
        {4, 0, 0, 0, 1, 0, 0, 0},                           // a count the block does not hold
        {4, 0, 0},
        {4, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 4, 0, 0, 0, 5},   // a byte left over
    };
    for (const auto& block : foreign) {
        ASSERT_TRUE(app.WriteProfileBinary("ListCtrls", std::to_string(kList).c_str(), block));
        list.RestoreColumnWidths();
        EXPECT_EQ(list.GetColumnWidth(0), 50);
    }
}

TEST_F(SortableListTest, AWidthTheUserDraggedIsTheOneSaved)
{
    TempFolder folder(true);
    CWinApp app;
    app.m_strProfileName = folder.File("profile.ini");
    list.SetColumnHeadings("A,50;B,0;C,70");
    CHeaderCtrl& header = *list.GetHeaderCtrl();
    CRect client;
    header.GetClientRect(&client);
    const int middle = client.Height() / 2;
    // B, hidden, ends where A does: the drag takes A's divider.
    platform::ui::SimulateMouse(header, WM_LBUTTONDOWN, POINT{50, middle});
    platform::ui::SimulateMouse(header, WM_MOUSEMOVE, POINT{75, middle});
    platform::ui::SimulateMouse(header, WM_LBUTTONUP, POINT{90, middle});
    list.SaveColumnWidths();
    EXPECT_EQ(app.GetProfileBinary("ListCtrls", std::to_string(kList).c_str()),
              (std::vector<BYTE>{3, 0, 0, 0, 90, 0, 0, 0, 0, 0, 0, 0, 70, 0, 0, 0}));
}
