#pragma once
// CListCtrl: a list view in report view. Rows of cells under a header, selection and focus
// kept apart per item, optional check boxes and small images, notifications to the parent as
// Windows sends them. With LVS_OWNERDRAWFIXED the rows are drawn by DrawItem, their height
// asked with WM_MEASUREITEM (again whenever the list gets WM_WINDOWPOSCHANGED). Other lists
// tell the parent NM_CUSTOMDRAW for the whole paint, each row and, when asked, each cell; a
// list that maps WM_ERASEBKGND erases its own background. The user sizes columns by dragging
// the header's dividers; a double click on one (HDN_DIVIDERDBLCLICK from the header, id 0) fits
// the column to its texts unless the list's map answers it.

#include "platform/ui/CommCtrl.h"
#include "platform/ui/GdiDefs.h"
#include "platform/ui/Wnd.h"

class CHeaderCtrl;
class CImageList;

class CListCtrl : public CWnd {
    RV_DECLARE_MESSAGE_MAP()
public:
    // Columns. A width of -1 leaves the column 0 wide; a sub-item of -1 takes the column's index.
    int InsertColumn(int column, const LVCOLUMN* info);
    int InsertColumn(int column, LPCTSTR heading, int format = LVCFMT_LEFT, int width = -1, int subItem = -1);
    BOOL DeleteColumn(int column);
    // FALSE once the column does not exist.
    BOOL GetColumn(int column, LVCOLUMN* info) const;
    int GetColumnWidth(int column) const;
    // LVSCW_AUTOSIZE fits the column to its widest cell text; other widths below 0 hide it.
    BOOL SetColumnWidth(int column, int width);
    CHeaderCtrl* GetHeaderCtrl() const;

    // Items; an index past the end appends.
    int GetItemCount() const;
    int InsertItem(const LVITEM* item);
    int InsertItem(int index, LPCTSTR text);
    int InsertItem(int index, LPCTSTR text, int image);
    int InsertItem(UINT mask, int index, LPCTSTR text, UINT state, UINT stateMask, int image, LPARAM param);
    BOOL DeleteItem(int index);
    BOOL DeleteAllItems();
    // LVIF_TEXT (into pszText, at most cchTextMax - 1 bytes), LVIF_PARAM, LVIF_STATE, LVIF_IMAGE.
    BOOL GetItem(LVITEM* item) const;
    BOOL SetItem(const LVITEM* item);
    BOOL SetItemText(int index, int subItem, LPCTSTR text);
    CString GetItemText(int index, int subItem) const;
    // Copies at most length - 1 bytes; returns the bytes copied.
    int GetItemText(int index, int subItem, char* buffer, int length) const;
    DWORD_PTR GetItemData(int index) const;
    BOOL SetItemData(int index, DWORD_PTR data);
    // Orders the rows by the comparison of their item data; rows that compare equal keep
    // their order.
    BOOL SortItems(PFNLVCOMPARE compare, DWORD_PTR sortData);

    // States; setting them tells the parent (LVN_ITEMCHANGED). Index -1 sets every item.
    UINT GetItemState(int index, UINT mask) const;
    BOOL SetItemState(int index, UINT state, UINT mask);
    int GetNextItem(int start, UINT flags) const;
    POSITION GetFirstSelectedItemPosition() const;
    int GetNextSelectedItem(POSITION& position) const;
    // As on Windows: 1 checked, 0 not, and -1 (which reads as set) without check boxes.
    BOOL GetCheck(int index) const;
    BOOL SetCheck(int index, BOOL check = TRUE);

    // Geometry, in the list's client coordinates.
    BOOL EnsureVisible(int index, BOOL partialOk);
    // The rows are painted again at the next paint (UpdateWindow paints at once).
    BOOL RedrawItems(int first, int last);
    BOOL Update(int index);
    BOOL GetItemRect(int index, LPRECT rect, UINT area) const;
    // LVIR_BOUNDS of sub-item 0 is the whole row, as on Windows.
    BOOL GetSubItemRect(int index, int subItem, int area, CRect& rect) const;
    int GetCountPerPage() const;
    BOOL GetItemPosition(int index, LPPOINT point) const;
    int HitTest(LVHITTESTINFO* info) const;
    int HitTest(CPoint point, UINT* flags = nullptr) const;

    // Looks. LVS_EX_FULLROWSELECT, LVS_EX_GRIDLINES and LVS_EX_CHECKBOXES; other bits are kept
    // and change nothing.
    COLORREF GetBkColor() const;
    BOOL SetBkColor(COLORREF colour);
    COLORREF GetTextColor() const;
    BOOL SetTextColor(COLORREF colour);
    DWORD GetExtendedStyle() const;
    DWORD SetExtendedStyle(DWORD style);
    // LVSIL_SMALL: images in front of column 0; returns the list shown before.
    CImageList* SetImageList(CImageList* images, int kind);

    // Owner-drawn rows draw themselves here, when the parent hands the list WM_DRAWITEM.
    virtual void DrawItem(LPDRAWITEMSTRUCT) {}
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// A reflected WM_MEASUREITEM (ON_WM_MEASUREITEM_REFLECT): the owner-drawn list answers its
// own row height.
namespace msgmap {

template <typename T>
MessageMapEntry MeasureItemReflect(void (T::*handler)(LPMEASUREITEMSTRUCT))
{
    return {MapKind::Message, WM_REFLECT_BASE + WM_MEASUREITEM, 0, 0,
            [handler](CWnd& self, WPARAM, LPARAM l, LRESULT& r) {
                (static_cast<T&>(self).*handler)(reinterpret_cast<LPMEASUREITEMSTRUCT>(l));
                r = TRUE;
                return true;
            }};
}

} // namespace msgmap
