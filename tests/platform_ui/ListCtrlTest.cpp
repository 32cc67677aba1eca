// List views in report view and their headers: texts, states, geometry in pixels,
// notifications in Windows order, owner-drawn rows and header layout, painting.
#include "platform/ui/DC.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Gdi.h"
#include "platform/ui/HeaderCtrl.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using platform::ui::detail::WidgetOf;

namespace {

constexpr UINT kListDialog = 9101;
constexpr int kList = 1207;

void RegisterListDialog(DWORD listStyle)
{
    DialogTemplate dialog;
    dialog.id = kListDialog;
    dialog.caption = "Lists";
    dialog.cx = 220;
    dialog.cy = 140;
    dialog.controls = {
        {ControlClass::ListView, kList, "", 7, 7, 200, 110, LVS_REPORT | WS_BORDER | WS_TABSTOP | listStyle},
        {ControlClass::Button, IDOK, "OK", 160, 122, 50, 14, BS_DEFPUSHBUTTON},
    };
    RegisterDialogTemplate(dialog);
}

// A dialog that writes down what its list tells it.
class ListDialog : public CDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    ListDialog() : CDialog(kListDialog) {}
    CListCtrl& List() { return *static_cast<CListCtrl*>(GetDlgItem(kList)); }

    std::vector<std::string> events;
    // Whether the clicked row was already selected when NM_CLICK came.
    bool clickedRowSelected = false;

    void OnClick(NMHDR* header, LRESULT* result)
    {
        const auto* activate = reinterpret_cast<NMITEMACTIVATE*>(header);
        events.push_back("click " + std::to_string(activate->iItem) + " col " + std::to_string(activate->iSubItem));
        clickedRowSelected = activate->iItem >= 0 && List().GetItemState(activate->iItem, LVIS_SELECTED);
        *result = 0;
    }
    void OnDoubleClick(NMHDR* header, LRESULT*)
    {
        events.push_back("dblclk " + std::to_string(reinterpret_cast<NMITEMACTIVATE*>(header)->iItem));
    }
    void OnRightClick(NMHDR* header, LRESULT*)
    {
        events.push_back("rclick " + std::to_string(reinterpret_cast<NMITEMACTIVATE*>(header)->iItem));
    }
    void OnKeyDown(NMHDR* header, LRESULT*)
    {
        const auto* key = reinterpret_cast<NMLVKEYDOWN*>(header);
        // The list has not moved yet: the focus is where it was.
        events.push_back("key " + std::to_string(key->wVKey) + " at " +
                         std::to_string(List().GetNextItem(-1, LVNI_FOCUSED)));
    }
    void OnItemChanged(NMHDR* header, LRESULT*)
    {
        const auto* change = reinterpret_cast<NMLISTVIEW*>(header);
        events.push_back("changed " + std::to_string(change->iItem) + " " + std::to_string(change->uOldState) + ">" +
                         std::to_string(change->uNewState));
    }
    void OnColumnClick(NMHDR* header, LRESULT*)
    {
        events.push_back("column " + std::to_string(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem));
    }
};

RV_MESSAGE_MAP(ListDialog, CDialog,
               msgmap::Notify(NM_CLICK, kList, &T::OnClick),
               msgmap::Notify(NM_DBLCLK, kList, &T::OnDoubleClick),
               msgmap::Notify(NM_RCLICK, kList, &T::OnRightClick),
               msgmap::Notify(LVN_KEYDOWN, kList, &T::OnKeyDown),
               msgmap::Notify(LVN_ITEMCHANGED, kList, &T::OnItemChanged),
               msgmap::Notify(LVN_COLUMNCLICK, kList, &T::OnColumnClick))

// Three columns (the middle one hidden) and `rows` rows "r<row>c<column>".
void Fill(CListCtrl& list, int rows)
{
    list.InsertColumn(0, "Name", LVCFMT_LEFT, 80);
    list.InsertColumn(1, "Hidden", LVCFMT_LEFT, 0);
    list.InsertColumn(2, "No", LVCFMT_CENTER, 40);
    for (int row = 0; row < rows; ++row) {
        list.InsertItem(row, ("r" + std::to_string(row) + "c0").c_str());
        for (int column = 1; column < 3; ++column)
            list.SetItemText(row, column, ("r" + std::to_string(row) + "c" + std::to_string(column)).c_str());
    }
}

QWidget* WidgetOfWindow(CWnd& window)
{
    return WidgetOf(window.m_hWnd);
}

void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, held, modifiers);
    QCoreApplication::sendEvent(widget, &event);
}

void Click(CWnd& window, CPoint at, Qt::MouseButton button = Qt::LeftButton,
           Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* widget = WidgetOfWindow(window);
    SendMouse(widget, QEvent::MouseButtonPress, QPoint(at.x, at.y), button, modifiers);
    SendMouse(widget, QEvent::MouseButtonRelease, QPoint(at.x, at.y), button, modifiers);
}

void PressKey(CWnd& window, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(WidgetOfWindow(window), &press);
}

CPoint CentreOf(const CRect& rect)
{
    return rect.CenterPoint();
}

CRect CellRect(CListCtrl& list, int row, int column, int area = LVIR_BOUNDS)
{
    CRect rect;
    EXPECT_TRUE(list.GetSubItemRect(row, column, area, rect));
    return rect;
}

COLORREF PixelAt(const QImage& image, int x, int y)
{
    const QRgb pixel = image.pixel(x, y);
    return RGB(static_cast<BYTE>(qRed(pixel)), static_cast<BYTE>(qGreen(pixel)), static_cast<BYTE>(qBlue(pixel)));
}

constexpr COLORREF kWhite = RGB(255, 255, 255);

// A colour laid at half strength over another, as the painter blends an alpha of 128.
COLORREF HalfOver(COLORREF top, COLORREF below)
{
    const auto mix = [](int a, int b) { return static_cast<BYTE>((a * 128 + b * 127 + 127) / 255); };
    return RGB(mix(GetRValue(top), GetRValue(below)), mix(GetGValue(top), GetGValue(below)),
               mix(GetBValue(top), GetBValue(below)));
}

QImage Picture(CWnd& window)
{
    return WidgetOfWindow(window)->grab().toImage();
}

} // namespace

TEST(ListCtrl, ColumnsAndRowsKeepTheirTextsAndData)
{
    RegisterListDialog(0);
    ListDialog dialog;
    ASSERT_TRUE(dialog.Create(kListDialog));
    CListCtrl& list = dialog.List();
    ASSERT_NE(dynamic_cast<CListCtrl*>(dialog.GetDlgItem(kList)), nullptr);
    Fill(list, 3);
    EXPECT_EQ(list.GetItemCount(), 3);
    EXPECT_EQ(list.GetItemText(1, 2), "r1c2");
    // A column 0 pixels wide is hidden, and still holds its texts.
    EXPECT_EQ(list.GetColumnWidth(1), 0);
    EXPECT_EQ(list.GetItemText(2, 1), "r2c1");
    EXPECT_EQ(list.GetItemText(7, 0), "");

    // An index past the end appends; item data rides with the row.
    EXPECT_EQ(list.InsertItem(99, "tail"), 3);
    list.SetItemData(3, 0xBEEF);
    EXPECT_EQ(list.GetItemData(3), 0xBEEFu);
    EXPECT_EQ(list.InsertItem(LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM, 0, "head", 0, 0, 5, 77), 0);
    EXPECT_EQ(list.GetItemText(4, 0), "tail");
    LVITEM item;
    char text[256];
    item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
    item.iItem = 0;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ASSERT_TRUE(list.GetItem(&item));
    EXPECT_STREQ(text, "head");
    EXPECT_EQ(item.lParam, 77);
    EXPECT_EQ(item.iImage, 5);

    // Buffers get what fits with the closing NUL; a 256-byte buffer holds 255 of a long cell.
    const std::string longText(1500, 'x');
    list.SetItemText(1, 2, longText.c_str());
    item.mask = LVIF_TEXT;
    item.iItem = 1;
    item.iSubItem = 2;
    ASSERT_TRUE(list.GetItem(&item));
    EXPECT_EQ(std::string(text).size(), 255u);
    char cell[1024];
    EXPECT_EQ(list.GetItemText(1, 2, cell, sizeof cell), 1023);
    list.SetItemText(1, 2, "短文");
    EXPECT_EQ(list.GetItemText(1, 2, cell, 5), 3) << "a character is never split";
    EXPECT_STREQ(cell, "短");

    LVITEM setting;
    setting.mask = LVIF_TEXT | LVIF_PARAM;
    setting.iItem = 2;
    setting.iSubItem = 0;
    setting.pszText = const_cast<char*>("set");
    setting.lParam = 9;
    EXPECT_TRUE(list.SetItem(&setting));
    EXPECT_EQ(list.GetItemText(2, 0), "set");
    EXPECT_EQ(list.GetItemData(2), 9u);

    // Columns are there until GetColumn says no; deleting one takes its texts along.
    LVCOLUMN column;
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.pszText = text;
    column.cchTextMax = sizeof text;
    int columns = 0;
    while (list.GetColumn(columns, &column))
        ++columns;
    EXPECT_EQ(columns, 3);
    ASSERT_TRUE(list.GetColumn(2, &column));
    EXPECT_STREQ(text, "No");
    EXPECT_EQ(column.fmt, LVCFMT_CENTER);
    EXPECT_EQ(column.cx, 40);
    EXPECT_EQ(column.iSubItem, 2);
    EXPECT_TRUE(list.DeleteColumn(1));
    EXPECT_EQ(list.GetItemText(3, 1), "r2c2");
    EXPECT_FALSE(list.DeleteColumn(5));

    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(list.GetItemText(0, 0), "r0c0");
    EXPECT_FALSE(list.DeleteItem(10));
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
}

TEST(ListCtrl, TheHeaderIsAChildWindowWithIdZero)
{
    RegisterListDialog(0);
    ListDialog dialog;
    ASSERT_TRUE(dialog.Create(kListDialog));
    CListCtrl& list = dialog.List();
    Fill(list, 1);
    CHeaderCtrl* header = list.GetHeaderCtrl();
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(list.GetDlgItem(0), header);
    EXPECT_EQ(header->GetParent(), &list);
    EXPECT_EQ(header->GetItemCount(), 3);
    CRect item;
    ASSERT_TRUE(header->GetItemRect(2, &item));
    EXPECT_EQ(item.left, 80);
    EXPECT_EQ(item.Width(), 40);

    char text[256];
    HDITEM hd;
    hd.mask = HDI_TEXT | HDI_FORMAT | HDI_WIDTH;
    hd.pszText = text;
    hd.cchTextMax = 255;
    ASSERT_TRUE(header->GetItem(2, &hd));
    EXPECT_STREQ(text, "No");
    EXPECT_EQ(hd.fmt & HDF_JUSTIFYMASK, HDF_CENTER);
    EXPECT_EQ(hd.cxy, 40);
    // Widths set on the header are the list's column widths.
    hd.mask = HDI_WIDTH;
    hd.cxy = 55;
    ASSERT_TRUE(header->SetItem(1, &hd));
    EXPECT_EQ(list.GetColumnWidth(1), 55);
    EXPECT_EQ(CellRect(list, 0, 2).left, 135);
    EXPECT_TRUE(list.SetColumnWidth(1, 0));
    EXPECT_EQ(CellRect(list, 0, 2).left, 80);
    EXPECT_FALSE(header->GetItem(3, &hd));
}

TEST(ListCtrl, SelectionFocusAndChecksAreStatesOfTheirOwn)
{
    RegisterListDialog(0);
    ListDialog dialog;
    ASSERT_TRUE(dialog.Create(kListDialog));
    CListCtrl& list = dialog.List();
    Fill(list, 5);
    dialog.events.clear();

    // Selected and not focused.
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(list.GetItemState(1, LVIS_SELECTED | LVIS_FOCUSED), LVIS_SELECTED);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), -1);
    list.SetItemState(3, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    list.SetItemState(4, LVIS_FOCUSED, LVIS_FOCUSED);
    EXPECT_EQ(list.GetItemState(3, LVIS_FOCUSED), 0u) << "only one item holds the focus";
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 1);
    EXPECT_EQ(list.GetNextItem(1, LVNI_SELECTED), 3);
    EXPECT_EQ(list.GetNextItem(3, LVNI_SELECTED), -1);
    std::vector<int> selected;
    for (POSITION at = list.GetFirstSelectedItemPosition(); at;)
        selected.push_back(list.GetNextSelectedItem(at));
    EXPECT_EQ(selected, (std::vector<int>{1, 3}));
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"changed 1 0>2", "changed 3 0>3", "changed 3 3>2",
                                                       "changed 4 0>1"}));
    list.SetItemState(-1, 0, LVIS_SELECTED);
    EXPECT_EQ(list.GetFirstSelectedItemPosition(), nullptr);

    // Without check boxes every row reads as checked.
    EXPECT_NE(list.GetCheck(0), 0);
    EXPECT_EQ(list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | 0x2000), 0u);
    EXPECT_EQ(list.GetExtendedStyle(), LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | 0x2000u);
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_CHECKBOXES);
    EXPECT_EQ(list.GetCheck(0), 0);
    dialog.events.clear();
    list.SetCheck(2, TRUE);
    EXPECT_EQ(list.GetCheck(2), 1);
    EXPECT_EQ(list.GetItemState(2, LVIS_SELECTED), 0u);
    list.SetCheck(2, FALSE);
    EXPECT_EQ(list.GetCheck(2), 0);
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"changed 2 4096>8192", "changed 2 8192>4096"}));
    list.InsertItem(5, "new");
    EXPECT_EQ(list.GetCheck(5), 0);
}

TEST(ListCtrl, GeometryIsInPixelsBelowTheHeader)
{
    RegisterListDialog(0);
    ListDialog dialog;
    ASSERT_TRUE(dialog.Create(kListDialog));
    CListCtrl& list = dialog.List();
    Fill(list, 30);

    CRect header;
    list.GetHeaderCtrl()->GetWindowRect(&header);
    list.ScreenToClient(&header);
    EXPECT_EQ(header.top, 0);
    EXPECT_GT(header.Height(), 10);

    const CRect row0 = CellRect(list, 0, 0);
    const CRect row1 = CellRect(list, 1, 0);
    const int rowHeight = row0.Height();
    EXPECT_EQ(row0.top, header.bottom) << "rows begin where the header ends";
    EXPECT_EQ(row1.top, row0.bottom);
    EXPECT_GT(rowHeight, 10);
    // LVIR_BOUNDS of column 0 is the whole row; of the others, the column.
    EXPECT_EQ(row0.left, 0);
    EXPECT_EQ(row0.right, 120);
    EXPECT_EQ(CellRect(list, 0, 2), CRect(80, row0.top, 120, row0.bottom));
    EXPECT_EQ(CellRect(list, 0, 1), CRect(80, row0.top, 80, row0.bottom));
    EXPECT_EQ(CellRect(list, 0, 0, LVIR_LABEL), CRect(2, row0.top, 80, row0.bottom));
    EXPECT_EQ(CellRect(list, 0, 2, LVIR_LABEL), CRect(80, row0.top, 120, row0.bottom));
    CRect rect;
    EXPECT_FALSE(list.GetSubItemRect(0, 3, LVIR_BOUNDS, rect));
    EXPECT_FALSE(list.GetSubItemRect(30, 0, LVIR_BOUNDS, rect));
    ASSERT_TRUE(list.GetItemRect(1, &rect, LVIR_BOUNDS));
    EXPECT_EQ(CRect(rect), row1);
    POINT position;
    ASSERT_TRUE(list.GetItemPosition(1, &position));
    EXPECT_EQ(position.y, row1.top);

    CRect client;
    list.GetClientRect(&client);
    EXPECT_EQ(list.GetCountPerPage(), (client.bottom - row0.top) / rowHeight);

    UINT flags = 0;
    EXPECT_EQ(list.HitTest(CPoint(40, row1.top + 1), &flags), 1);
    EXPECT_EQ(flags, LVHT_ONITEMLABEL);
    EXPECT_EQ(list.HitTest(CPoint(100, row1.top + 1), &flags), -1) << "beside column 0 without full-row select";
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    LVHITTESTINFO hit;
    hit.pt = CPoint(100, row1.top + 1);
    EXPECT_EQ(list.HitTest(&hit), 1);
    EXPECT_EQ(hit.iSubItem, 2);
    EXPECT_EQ(list.HitTest(CPoint(40, header.bottom - 1), &flags), -1);
    EXPECT_EQ(flags, LVHT_NOWHERE);

    // Scrolling a row into view moves every row up by whole rows.
    ASSERT_TRUE(list.EnsureVisible(29, FALSE));
    const CRect last = CellRect(list, 29, 0);
    EXPECT_LE(last.bottom, client.bottom);
    EXPECT_GT(last.bottom, client.bottom - rowHeight);
    EXPECT_EQ((row0.top - CellRect(list, 0, 0).top) % rowHeight, 0);
    list.EnsureVisible(0, FALSE);
    EXPECT_EQ(CellRect(list, 0, 0), row0);

    // Deleting rows a scroll away brings them back in view.
    list.EnsureVisible(29, FALSE);
    for (int row = 29; row >= 3; --row)
        list.DeleteItem(row);
    EXPECT_EQ(CellRect(list, 0, 0), row0);
}

TEST(ListCtrl, MouseAndKeysTellTheParentInWindowsOrder)
{
    RegisterListDialog(0);
    ListDialog dialog;
    ASSERT_TRUE(dialog.Create(kListDialog));
    CListCtrl& list = dialog.List();
    Fill(list, 4);
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    dialog.events.clear();

    // A click selects and focuses the row first, then tells of the click.
    Click(list, CentreOf(CellRect(list, 1, 2)));
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"changed 1 0>3", "click 1 col 2"}));
    EXPECT_TRUE(dialog.clickedRowSelected);

    dialog.events.clear();
    Click(list, CentreOf(CellRect(list, 2, 0)));
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"changed 1 3>0", "changed 2 0>3", "click 2 col 0"}));

    // Beside the rows: nothing is selected any more, and the click hit no row.
    dialog.events.clear();
    CRect client;
    list.GetClientRect(&client);
    Click(list, CPoint(40, client.bottom - 3));
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"changed 2 3>1", "click -1 col 0"}));
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), -1);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), 2) << "the focus stays";

    dialog.events.clear();
    QWidget* widget = WidgetOfWindow(list);
    const CPoint onRow3 = CentreOf(CellRect(list, 3, 0));
    Click(list, onRow3);
    SendMouse(widget, QEvent::MouseButtonDblClick, QPoint(onRow3.x, onRow3.y), Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, QPoint(onRow3.x, onRow3.y), Qt::LeftButton);
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"changed 2 1>0", "changed 3 0>3", "click 3 col 0", "dblclk 3"}));

    dialog.events.clear();
    Click(list, CentreOf(CellRect(list, 0, 2)), Qt::RightButton);
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"changed 3 3>0", "changed 0 0>3", "rclick 0"}));

    // Keys are told before the list moves its selection.
    dialog.events.clear();
    PressKey(list, Qt::Key_Down);
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"key 40 at 0", "changed 0 3>0", "changed 1 0>3"}));
    dialog.events.clear();
    PressKey(list, Qt::Key_End);
    PressKey(list, Qt::Key_Down);
    PressKey(list, Qt::Key_Home);
    PressKey(list, Qt::Key_Left);
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"key 35 at 1", "changed 1 3>0", "changed 3 0>3", "key 40 at 3",
                                                       "key 36 at 3", "changed 3 3>0", "changed 0 0>3",
                                                       "key 37 at 0"}));

    // Control adds to the selection and Shift takes the range from the last click.
    Click(list, CentreOf(CellRect(list, 2, 0)), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(list.GetItemState(0, LVIS_SELECTED), LVIS_SELECTED);
    EXPECT_EQ(list.GetItemState(2, LVIS_SELECTED | LVIS_FOCUSED), LVIS_SELECTED | LVIS_FOCUSED);
    Click(list, CentreOf(CellRect(list, 1, 0)));
    Click(list, CentreOf(CellRect(list, 3, 0)), Qt::LeftButton, Qt::ShiftModifier);
    std::vector<int> selected;
    for (POSITION at = list.GetFirstSelectedItemPosition(); at;)
        selected.push_back(list.GetNextSelectedItem(at));
    EXPECT_EQ(selected, (std::vector<int>{1, 2, 3}));

    dialog.events.clear();
    CRect caption;
    list.GetHeaderCtrl()->GetItemRect(2, &caption);
    Click(*list.GetHeaderCtrl(), CentreOf(caption));
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"column 2"}));
}

TEST(ListCtrl, ACheckBoxClickTogglesTheCheckAndLeavesTheSelection)
{
    RegisterListDialog(LVS_SINGLESEL);
    ListDialog dialog;
    ASSERT_TRUE(dialog.Create(kListDialog));
    CListCtrl& list = dialog.List();
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES);
    Fill(list, 3);
    const CRect row1 = CellRect(list, 1, 0);
    // The check box stands in front of the label.
    const CRect label = CellRect(list, 1, 0, LVIR_LABEL);
    EXPECT_EQ(label.left, 2 + 16);
    dialog.events.clear();
    Click(list, CPoint(10, row1.top + row1.Height() / 2));
    EXPECT_EQ(list.GetCheck(1), 1);
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"changed 1 4096>8192", "click 1 col 0"}));
    // A single-selection list keeps one row selected.
    Click(list, CentreOf(CellRect(list, 0, 2)));
    Click(list, CentreOf(CellRect(list, 2, 2)), Qt::LeftButton, Qt::ControlModifier);
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 1);
    EXPECT_EQ(list.GetNextItem(1, LVNI_SELECTED), -1);
    // Space toggles the focused row's check.
    Click(list, CentreOf(CellRect(list, 2, 2)));
    PressKey(list, Qt::Key_Space);
    EXPECT_EQ(list.GetCheck(2), 1);
}

namespace {

constexpr COLORREF kOwnerFill = RGB(10, 200, 30);
constexpr COLORREF kOwnerSelected = RGB(200, 20, 20);

// Owner-drawn rows as the program's lists make them: the style is added when the list is
// attached, and the row height comes from MeasureItem.
class OwnerList : public CListCtrl {
    RV_DECLARE_MESSAGE_MAP()
public:
    struct Drawn {
        UINT item;
        UINT state;
        CRect rect;
    };
    std::vector<Drawn> drawn;
    int rowHeight = 0;

    void PreSubclassWindow() override { ModifyStyle(0, LVS_OWNERDRAWFIXED); }
    void SetRowHeight(int height)
    {
        rowHeight = height;
        CRect window;
        GetWindowRect(&window);
        WINDOWPOS position;
        position.hwnd = m_hWnd;
        position.cx = window.Width();
        position.cy = window.Height();
        position.flags = SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOOWNERZORDER | SWP_NOZORDER;
        SendMessage(WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&position));
    }
    void MeasureItem(LPMEASUREITEMSTRUCT measure)
    {
        if (rowHeight > 0)
            measure->itemHeight = static_cast<UINT>(rowHeight);
    }
    void DrawItem(LPDRAWITEMSTRUCT draw) override
    {
        drawn.push_back({draw->itemID, draw->itemState, CRect(draw->rcItem)});
        CDC* dc = CDC::FromHandle(draw->hDC);
        ASSERT_NE(dc, nullptr);
        CRect label;
        GetSubItemRect(static_cast<int>(draw->itemID), 2, LVIR_LABEL, label);
        dc->FillSolidRect(&label, (draw->itemState & ODS_SELECTED) ? kOwnerSelected : kOwnerFill);
    }
};

RV_MESSAGE_MAP(OwnerList, CListCtrl, msgmap::MeasureItemReflect(&T::MeasureItem))

// A header whose layout is scaled, as the program's painted header does.
class TallHeader : public CHeaderCtrl {
    RV_DECLARE_MESSAGE_MAP()
public:
    float scale = 1.3f;
    int natural = 0;
    int paints = 0;
    LRESULT OnLayout(WPARAM, LPARAM lParam)
    {
        const LRESULT result = Default();
        auto* layout = reinterpret_cast<HDLAYOUT*>(lParam);
        natural = layout->pwpos->cy;
        layout->pwpos->cy = static_cast<int>(layout->pwpos->cy * static_cast<double>(scale));
        layout->prc->top = layout->pwpos->cy;
        return result;
    }
    void OnPaint()
    {
        ++paints;
        CPaintDC dc(this);
        CRect client;
        GetClientRect(&client);
        dc.FillSolidRect(&client, RGB(139, 137, 137));
    }
};

RV_MESSAGE_MAP(TallHeader, CHeaderCtrl, msgmap::Message(HDM_LAYOUT, &T::OnLayout), msgmap::Simple(WM_PAINT, &T::OnPaint))

} // namespace

TEST(ListCtrl, OwnerDrawnRowsAreDrawnByDrawItemAtTheMeasuredHeight)
{
    RegisterListDialog(LVS_SHOWSELALWAYS);
    ListDialog dialog;
    ASSERT_TRUE(dialog.Create(kListDialog));
    OwnerList list;
    ASSERT_TRUE(list.SubclassDlgItem(kList, &dialog));
    EXPECT_TRUE(list.GetStyle() & LVS_OWNERDRAWFIXED);
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | 0x2000);
    Fill(list, 3);
    const int natural = CellRect(list, 0, 0).Height();
    list.SetRowHeight(0);
    EXPECT_EQ(CellRect(list, 0, 0).Height(), natural) << "no answer leaves the list's own height";
    list.SetRowHeight(24);
    EXPECT_EQ(CellRect(list, 0, 0).Height(), 24);
    EXPECT_EQ(CellRect(list, 2, 0).top - CellRect(list, 0, 0).top, 48);

    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    list.drawn.clear();
    const QImage picture = Picture(list);
    ASSERT_EQ(list.drawn.size(), 3u) << "one DrawItem per visible row";
    for (UINT row = 0; row < 3; ++row) {
        EXPECT_EQ(list.drawn[row].item, row);
        EXPECT_EQ(list.drawn[row].state & ODS_SELECTED, row == 1 ? ODS_SELECTED : 0u);
        EXPECT_EQ(list.drawn[row].rect, CellRect(list, static_cast<int>(row), 0));
    }
    // What DrawItem drew is there, and the grid lines over it.
    const CRect cell0 = CellRect(list, 0, 2);
    const CRect cell1 = CellRect(list, 1, 2);
    EXPECT_EQ(PixelAt(picture, cell0.left + 5, cell0.top + 5), kOwnerFill);
    EXPECT_EQ(PixelAt(picture, cell1.left + 5, cell1.top + 5), kOwnerSelected);
    EXPECT_EQ(PixelAt(picture, cell0.left + 5, cell0.bottom - 1), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(PixelAt(picture, cell0.right - 1, cell0.top + 5), GetSysColor(COLOR_BTNFACE));

    // A paint of part of the list asks only for the rows it covers.
    list.drawn.clear();
    const CRect row2 = CellRect(list, 2, 0);
    WidgetOfWindow(list)->grab(QRect(row2.left + 3, row2.top + 3, 20, 5));
    ASSERT_EQ(list.drawn.size(), 1u);
    EXPECT_EQ(list.drawn.front().item, 2u);
    EXPECT_TRUE(list.RedrawItems(0, 2));
    EXPECT_FALSE(list.RedrawItems(5, 6));
}

TEST(ListCtrl, AHeaderThatScalesItsLayoutMovesTheRowsDown)
{
    RegisterListDialog(0);
    ListDialog dialog;
    ASSERT_TRUE(dialog.Create(kListDialog));
    CListCtrl& list = dialog.List();
    Fill(list, 2);
    const CRect before = CellRect(list, 0, 0);
    TallHeader header;
    ASSERT_TRUE(header.SubclassWindow(list.GetDlgItem(0)->m_hWnd));
    EXPECT_EQ(list.GetHeaderCtrl(), &header);
    list.SendMessage(WM_WINDOWPOSCHANGED, 0, 0);
    EXPECT_EQ(header.natural, before.top);
    const int scaled = static_cast<int>(header.natural * static_cast<double>(1.3f));
    EXPECT_EQ(CellRect(list, 0, 0).top, scaled);
    CRect window;
    header.GetWindowRect(&window);
    EXPECT_EQ(window.Height(), scaled);

    // The header paints itself.
    const QImage picture = Picture(list);
    EXPECT_GT(header.paints, 0);
    EXPECT_EQ(PixelAt(picture, 5, scaled - 2), RGB(139, 137, 137));
    header.UnsubclassWindow();
}

TEST(ListCtrl, PaintsTextsSelectionGridAndImages)
{
    RegisterListDialog(LVS_SHOWSELALWAYS);
    ListDialog dialog;
    ASSERT_TRUE(dialog.Create(kListDialog));
    CListCtrl& list = dialog.List();
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    CImageList images;
    ASSERT_TRUE(images.Create(20, 30, ILC_COLOR32, 0, 1));
    std::vector<std::uint32_t> red(20 * 30, 0x00FF0000);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(20, 30, 1, 32, red.data()));
    ASSERT_EQ(images.Add(&bitmap, static_cast<CBitmap*>(nullptr)), 0);
    EXPECT_EQ(list.SetImageList(&images, LVSIL_SMALL), nullptr);
    Fill(list, 3);
    list.SetItemText(0, 2, "");
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);

    // Rows grow to hold the images, which stand before the label.
    const CRect row0 = CellRect(list, 0, 0);
    EXPECT_EQ(row0.Height(), 31);
    const CRect icon = [&] {
        CRect r;
        list.GetItemRect(0, &r, LVIR_ICON);
        return r;
    }();
    EXPECT_EQ(icon, CRect(2, row0.top, 22, row0.bottom));
    EXPECT_EQ(CellRect(list, 0, 0, LVIR_LABEL).left, 22);

    const QImage picture = Picture(list);
    EXPECT_EQ(PixelAt(picture, icon.left + 10, icon.top + 15), RGB(255, 0, 0));
    // An empty cell shows the background; the grid rules rows and columns.
    const CRect empty = CellRect(list, 0, 2);
    EXPECT_EQ(PixelAt(picture, empty.left + 5, empty.top + 5), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(PixelAt(picture, empty.left + 5, empty.bottom - 1), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(PixelAt(picture, CellRect(list, 0, 0).left + 79, empty.top + 5), GetSysColor(COLOR_BTNFACE));
    // Text is drawn in the text colour somewhere in the first cell.
    const CRect text = CellRect(list, 0, 0, LVIR_LABEL);
    bool inked = false;
    for (int x = text.left; x < text.right - 1; ++x)
        for (int y = text.top; y < text.bottom - 1; ++y)
            inked = inked || PixelAt(picture, x, y) != GetSysColor(COLOR_WINDOW);
    EXPECT_TRUE(inked);
    // Without the focus a selection kept in sight is grey across the row, at half strength in a
    // row with a picture.
    const CRect selected = CellRect(list, 1, 2);
    EXPECT_EQ(PixelAt(picture, selected.right - 3, selected.top + 3), HalfOver(GetSysColor(COLOR_BTNFACE), kWhite));

    // With the focus it takes the highlight colour.
    dialog.ShowWindow(SW_SHOW);
    WidgetOfWindow(dialog)->activateWindow();
    platform::ui::PumpEventsUntil([&] { return WidgetOfWindow(dialog)->isActiveWindow(); }, 1000);
    list.SetFocus();
    ASSERT_EQ(CWnd::GetFocus(), &list);
    const QImage focused = Picture(list);
    EXPECT_EQ(PixelAt(focused, selected.right - 3, selected.top + 3), HalfOver(GetSysColor(COLOR_HIGHLIGHT), kWhite));
    list.SetImageList(nullptr, LVSIL_SMALL);
    const CRect plain = CellRect(list, 1, 2);
    EXPECT_EQ(PixelAt(Picture(list), plain.right - 3, plain.top + 3), GetSysColor(COLOR_HIGHLIGHT))
        << "full strength in rows without pictures";
}

TEST(ListCtrl, APictureRowIsSelectedWholeAndScrollBarsLieOutsideTheClientArea)
{
    RegisterListDialog(LVS_SHOWSELALWAYS);
    ListDialog dialog;
    ASSERT_TRUE(dialog.Create(kListDialog));
    CListCtrl& list = dialog.List();
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES);
    // White pictures with a black rule across the middle, as the line-type pictures are.
    CImageList images;
    ASSERT_TRUE(images.Create(60, 20, ILC_COLOR32, 0, 1));
    std::vector<std::uint32_t> pixels(60 * 20, 0x00FFFFFF);
    std::fill_n(pixels.begin() + 10 * 60, 60, 0x00000000);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(60, 20, 1, 32, pixels.data()));
    ASSERT_EQ(images.Add(&bitmap, static_cast<CBitmap*>(nullptr)), 0);
    list.SetImageList(&images, LVSIL_SMALL);
    list.InsertColumn(0, "Lines", LVCFMT_LEFT, 100);
    list.InsertColumn(1, "Name", LVCFMT_LEFT, 0);
    for (int row = 0; row < 12; ++row)
        list.InsertItem(row, "", 0);
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);

    CRect client;
    list.GetClientRect(&client);
    const int scrollBar = WidgetOfWindow(list)->width() - client.Width();
    EXPECT_GT(scrollBar, 10) << "twelve rows need the vertical bar";
    EXPECT_EQ(client.Height(), WidgetOfWindow(list)->height());
    list.SetColumnWidth(0, client.Width());
    list.GetClientRect(&client);
    EXPECT_EQ(client.Height(), WidgetOfWindow(list)->height()) << "a column as wide as the client needs no bar";

    const QImage picture = Picture(list);
    const CRect row = CellRect(list, 1, 0);
    CRect icon;
    list.GetItemRect(1, &icon, LVIR_ICON);
    const COLORREF veil = HalfOver(GetSysColor(COLOR_BTNFACE), kWhite);
    const int y = row.top + 3;
    for (int x = icon.left; x < row.right - 1; ++x)
        ASSERT_EQ(PixelAt(picture, x, y), veil) << "at " << x << ": the picture and the rest of the row alike";
    const COLORREF rule = PixelAt(picture, icon.left + 30, icon.top + (icon.Height() - 20) / 2 + 10);
    EXPECT_EQ(rule, HalfOver(GetSysColor(COLOR_BTNFACE), RGB(0, 0, 0))) << "the picture shows through";
    EXPECT_EQ(PixelAt(picture, icon.left + 30, CellRect(list, 2, 0).top + 3), kWhite) << "other rows keep theirs";
    list.SetImageList(nullptr, LVSIL_SMALL);
}
