// A list's header as the user sizes its columns: drags on the dividers, double clicks on them,
// the pointer over them; hidden columns (width 0) stay hidden.
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/HeaderCtrl.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/TestWindows.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QFontMetrics>
#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

using platform::ui::SimulateMouse;
using platform::ui::detail::WidgetOf;

namespace {

constexpr UINT kDragDialog = 9111;
constexpr int kList = 1211;

// Column 0 and 2 hidden, as the program hides columns: 0 | 80 | 0 | 40.
const std::vector<int> kWidths = {0, 80, 0, 40};

class HeaderDragTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DialogTemplate form;
        form.id = kDragDialog;
        form.cx = 260;
        form.cy = 160;
        form.controls = {{ControlClass::ListView, kList, "", 7, 7, 240, 140, LVS_REPORT | WS_BORDER}};
        RegisterDialogTemplate(form);
        ASSERT_TRUE(dialog.Create(kDragDialog));
        dialog.ShowWindow(SW_SHOW);
        list().SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
        const char* headings[] = {"Key", "Name", "Pattern", "No"};
        for (int column = 0; column < 4; ++column)
            list().InsertColumn(column, headings[column], LVCFMT_LEFT, kWidths[static_cast<size_t>(column)]);
        const char* names[] = {"a", "a much longer name than fits", "mid"};
        for (int row = 0; row < 3; ++row) {
            list().InsertItem(row, "k");
            list().SetItemText(row, 1, names[row]);
            list().SetItemText(row, 2, "%Y-%m-%d and more");
            list().SetItemText(row, 3, "7");
        }
    }
    CListCtrl& list() { return *static_cast<CListCtrl*>(dialog.GetDlgItem(kList)); }
    CHeaderCtrl& header() { return *list().GetHeaderCtrl(); }
    std::vector<int> Widths()
    {
        std::vector<int> widths;
        for (int column = 0; column < header().GetItemCount(); ++column)
            widths.push_back(list().GetColumnWidth(column));
        return widths;
    }
    int Middle()
    {
        CRect client;
        header().GetClientRect(&client);
        return client.Height() / 2;
    }
    void Mouse(UINT message, int x) { SimulateMouse(header(), message, POINT{x, Middle()}); }
    void Drag(int from, std::vector<int> through)
    {
        Mouse(WM_LBUTTONDOWN, from);
        for (int x : through)
            Mouse(WM_MOUSEMOVE, x);
        Mouse(WM_LBUTTONUP, through.back());
    }
    void DoubleClick(int x)
    {
        Mouse(WM_LBUTTONDOWN, x);
        Mouse(WM_LBUTTONUP, x);
        Mouse(WM_LBUTTONDBLCLK, x);
        Mouse(WM_LBUTTONUP, x);
    }
    Qt::CursorShape CursorAt(int x)
    {
        Mouse(WM_MOUSEMOVE, x);
        return WidgetOf(header().m_hWnd)->cursor().shape();
    }

    CDialog dialog{kDragDialog};
};

} // namespace

TEST_F(HeaderDragTest, ADragOnADividerSizesTheVisibleColumnLeftOfItAsThePointerMoves)
{
    // Taken hold of 2 pixels right of the edge the Name and hidden Pattern columns share.
    Mouse(WM_LBUTTONDOWN, 82);
    Mouse(WM_MOUSEMOVE, 102);
    EXPECT_EQ(Widths(), (std::vector<int>{0, 100, 0, 40})) << "the edge keeps its distance to the pointer";
    CRect cell;
    ASSERT_TRUE(list().GetSubItemRect(0, 3, LVIR_BOUNDS, cell));
    EXPECT_EQ(cell.left, 100) << "the rows follow while the pointer moves";
    Mouse(WM_MOUSEMOVE, 142);
    Mouse(WM_LBUTTONUP, 152);
    EXPECT_EQ(Widths(), (std::vector<int>{0, 150, 0, 40}));

    // The rows are painted at the new widths: the grid line of Name's edge moved along.
    const platform::ui::WindowPicture picture = platform::ui::CaptureWindow(list());
    const int below = picture.Height() - 10;
    EXPECT_EQ(picture.Pixel(149, below), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(picture.Pixel(79, below), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(picture.Pixel(189, below), GetSysColor(COLOR_BTNFACE)) << "No's edge";

    // Narrowed past its left edge the column keeps a sliver, which can be widened again.
    Drag(150, {60, 3});
    const int sliver = list().GetColumnWidth(1);
    EXPECT_GT(sliver, 0);
    EXPECT_LE(sliver, 10);
    Drag(sliver, {sliver + 30, 70});
    EXPECT_EQ(Widths(), (std::vector<int>{0, 70, 0, 40}));
}

TEST_F(HeaderDragTest, AHiddenColumnIsNeverTakenHoldOf)
{
    // At x 0 only the hidden first column ends: the press is on Name, and no drag follows.
    Drag(1, {30, 60});
    Drag(0, {50});
    EXPECT_EQ(Widths(), kWidths);
    // Narrowing Name to its sliver does not give the hidden Pattern column's divider away.
    Drag(80, {2});
    const int sliver = list().GetColumnWidth(1);
    Drag(sliver + 1, {sliver + 51});
    EXPECT_EQ(Widths(), (std::vector<int>{0, sliver + 50, 0, 40}));
}

TEST_F(HeaderDragTest, ThePointerOverADividerShowsTheSplitCursor)
{
    EXPECT_EQ(CursorAt(80), Qt::SplitHCursor);
    EXPECT_EQ(CursorAt(77), Qt::SplitHCursor) << "a few pixels either side";
    EXPECT_EQ(CursorAt(123), Qt::SplitHCursor);
    EXPECT_NE(CursorAt(40), Qt::SplitHCursor);
    EXPECT_NE(CursorAt(1), Qt::SplitHCursor) << "the hidden first column has no divider";
}

TEST_F(HeaderDragTest, ADoubleClickOnADividerFitsTheColumnToItsWidestText)
{
    const QFontMetrics metrics(WidgetOf(list().m_hWnd)->font());
    // Cells keep 6 pixels from either side.
    const int fitted = metrics.horizontalAdvance("a much longer name than fits") + 12;
    ASSERT_GT(fitted, 80);
    DoubleClick(80);
    EXPECT_EQ(Widths(), (std::vector<int>{0, fitted, 0, 40}));

    ASSERT_TRUE(list().SetColumnWidth(3, LVSCW_AUTOSIZE));
    EXPECT_EQ(list().GetColumnWidth(3), metrics.horizontalAdvance("7") + 12) << "narrower too";
    ASSERT_TRUE(list().SetColumnWidth(1, -5));
    EXPECT_EQ(list().GetColumnWidth(1), 0) << "other widths below 0 hide the column";
}
