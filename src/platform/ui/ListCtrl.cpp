#include "platform/ui/ListCtrl.h"

#include "platform/ui/HeaderCtrl.h"
#include "platform/ui/qt/ListViewWidget.h"
#include "platform/ui/qt/TextCopy.h"
#include "platform/ui/qt/WindowAccess.h"

#include <algorithm>

using namespace platform::ui::detail;

RV_MESSAGE_MAP(CListCtrl, CWnd)

namespace {

ListViewWidget* List(const CWnd* window)
{
    return dynamic_cast<ListViewWidget*>(WidgetOf(window->m_hWnd));
}

RECT RectOf(const QRect& r)
{
    return RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

POSITION PositionOf(int index)
{
    return index < 0 ? nullptr : reinterpret_cast<POSITION>(static_cast<std::uintptr_t>(index) + 1);
}

} // namespace

// ---- columns --------------------------------------------------------------------------------

int CListCtrl::InsertColumn(int column, const LVCOLUMN* info)
{
    ListViewWidget* list = List(this);
    return list && info && column >= 0 ? list->InsertColumn(column, *info) : -1;
}

int CListCtrl::InsertColumn(int column, LPCTSTR heading, int format, int width, int subItem)
{
    LVCOLUMN info;
    info.mask = LVCF_FMT | LVCF_TEXT | (width != -1 ? LVCF_WIDTH : 0u) | (subItem != -1 ? LVCF_SUBITEM : 0u);
    info.fmt = format;
    info.cx = width;
    info.pszText = const_cast<char*>(heading ? heading : "");
    info.iSubItem = subItem;
    return InsertColumn(column, &info);
}

BOOL CListCtrl::DeleteColumn(int column)
{
    ListViewWidget* list = List(this);
    if (!list || column < 0 || column >= list->Data().ColumnCount())
        return FALSE;
    list->DeleteColumn(column);
    return TRUE;
}

BOOL CListCtrl::GetColumn(int column, LVCOLUMN* info) const
{
    ListViewWidget* list = List(this);
    if (!list || !info || column < 0 || column >= list->Data().ColumnCount())
        return FALSE;
    const HeaderItem& shown = list->Header()->Item(column);
    if (info->mask & LVCF_FMT)
        info->fmt = list->Data().Column(column).fmt;
    if (info->mask & LVCF_WIDTH)
        info->cx = shown.width;
    if (info->mask & LVCF_TEXT)
        CopyText(shown.text, info->pszText, info->cchTextMax);
    if (info->mask & LVCF_SUBITEM)
        info->iSubItem = list->Data().Column(column).subItem;
    return TRUE;
}

int CListCtrl::GetColumnWidth(int column) const
{
    ListViewWidget* list = List(this);
    return list && list->Header()->Has(column) ? list->Header()->Item(column).width : 0;
}

BOOL CListCtrl::SetColumnWidth(int column, int width)
{
    ListViewWidget* list = List(this);
    if (!list || !list->Header()->Has(column))
        return FALSE;
    HeaderItem item = list->Header()->Item(column);
    item.width = width == LVSCW_AUTOSIZE ? list->FittingWidth(column) : std::max(width, 0);
    list->Header()->Update(column, item);
    return TRUE;
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl() const
{
    ListViewWidget* list = List(this);
    return list ? dynamic_cast<CHeaderCtrl*>(CWnd::FromHandle(list->Header()->Handle())) : nullptr;
}

// ---- items ----------------------------------------------------------------------------------

int CListCtrl::GetItemCount() const
{
    ListViewWidget* list = List(this);
    return list ? list->Data().RowCount() : 0;
}

int CListCtrl::InsertItem(const LVITEM* item)
{
    ListViewWidget* list = List(this);
    if (!list || !item || item->iItem < 0 || item->iSubItem != 0)
        return -1;
    ListRow row;
    if ((item->mask & LVIF_TEXT) && item->pszText)
        row.texts.emplace_back(item->pszText);
    if (item->mask & LVIF_IMAGE)
        row.image = item->iImage;
    if (item->mask & LVIF_PARAM)
        row.param = item->lParam;
    const UINT stateMask = (item->mask & LVIF_STATE) ? item->stateMask : 0u;
    // The item arrives plain; states it starts with are set, and told, like any other change.
    const int at = list->InsertItem(item->iItem, row);
    if (stateMask & ~LVIS_STATEIMAGEMASK)
        list->SetState(at, item->state, stateMask & ~LVIS_STATEIMAGEMASK);
    if ((stateMask & LVIS_STATEIMAGEMASK) && list->Data().HasRow(at)) {
        UINT& state = list->Data().Row(at).state;
        state = (state & ~LVIS_STATEIMAGEMASK) | (item->state & LVIS_STATEIMAGEMASK);
    }
    return at;
}

int CListCtrl::InsertItem(int index, LPCTSTR text)
{
    return InsertItem(LVIF_TEXT, index, text, 0, 0, 0, 0);
}

int CListCtrl::InsertItem(int index, LPCTSTR text, int image)
{
    return InsertItem(LVIF_TEXT | LVIF_IMAGE, index, text, 0, 0, image, 0);
}

int CListCtrl::InsertItem(UINT mask, int index, LPCTSTR text, UINT state, UINT stateMask, int image, LPARAM param)
{
    LVITEM item;
    item.mask = mask;
    item.iItem = index;
    item.pszText = const_cast<char*>(text);
    item.state = state;
    item.stateMask = stateMask;
    item.iImage = image;
    item.lParam = param;
    return InsertItem(&item);
}

BOOL CListCtrl::DeleteItem(int index)
{
    ListViewWidget* list = List(this);
    if (!list || !list->Data().HasRow(index))
        return FALSE;
    list->DeleteItem(index);
    return TRUE;
}

BOOL CListCtrl::DeleteAllItems()
{
    ListViewWidget* list = List(this);
    if (!list)
        return FALSE;
    list->DeleteAllItems();
    return TRUE;
}

BOOL CListCtrl::GetItem(LVITEM* item) const
{
    ListViewWidget* list = List(this);
    if (!list || !item || !list->Data().HasCell(item->iItem, item->iSubItem))
        return FALSE;
    const ListRow& row = list->Data().Row(item->iItem);
    if (item->mask & LVIF_TEXT)
        CopyText(list->Data().Text(item->iItem, item->iSubItem), item->pszText, item->cchTextMax);
    if (item->mask & LVIF_IMAGE)
        item->iImage = row.image;
    if (item->mask & LVIF_PARAM)
        item->lParam = row.param;
    if (item->mask & LVIF_STATE)
        item->state = row.state & item->stateMask;
    return TRUE;
}

BOOL CListCtrl::SetItem(const LVITEM* item)
{
    ListViewWidget* list = List(this);
    if (!list || !item || !list->Data().HasCell(item->iItem, item->iSubItem))
        return FALSE;
    ListRow& row = list->Data().Row(item->iItem);
    if (item->mask & LVIF_TEXT)
        list->Data().SetText(item->iItem, item->iSubItem, item->pszText ? item->pszText : "");
    if (item->mask & LVIF_IMAGE)
        row.image = item->iImage;
    if (item->mask & LVIF_PARAM)
        row.param = item->lParam;
    list->Changed();
    if (item->mask & LVIF_STATE)
        list->SetState(item->iItem, item->state, item->stateMask);
    return TRUE;
}

BOOL CListCtrl::SetItemText(int index, int subItem, LPCTSTR text)
{
    LVITEM item;
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.iSubItem = subItem;
    item.pszText = const_cast<char*>(text ? text : "");
    return SetItem(&item);
}

CString CListCtrl::GetItemText(int index, int subItem) const
{
    ListViewWidget* list = List(this);
    return list && list->Data().HasCell(index, subItem) ? CString(list->Data().Text(index, subItem)) : CString();
}

int CListCtrl::GetItemText(int index, int subItem, char* buffer, int length) const
{
    ListViewWidget* list = List(this);
    if (!list || !list->Data().HasCell(index, subItem))
        return CopyText(std::string(), buffer, length);
    return CopyText(list->Data().Text(index, subItem), buffer, length);
}

DWORD_PTR CListCtrl::GetItemData(int index) const
{
    ListViewWidget* list = List(this);
    return list && list->Data().HasRow(index) ? static_cast<DWORD_PTR>(list->Data().Row(index).param) : 0;
}

BOOL CListCtrl::SetItemData(int index, DWORD_PTR data)
{
    ListViewWidget* list = List(this);
    if (!list || !list->Data().HasRow(index))
        return FALSE;
    list->Data().Row(index).param = static_cast<LPARAM>(data);
    return TRUE;
}

BOOL CListCtrl::SortItems(PFNLVCOMPARE compare, DWORD_PTR sortData)
{
    ListViewWidget* list = List(this);
    if (!list || !compare)
        return FALSE;
    list->Data().SortRows(compare, static_cast<LPARAM>(sortData));
    list->Changed();
    return TRUE;
}

// ---- states ---------------------------------------------------------------------------------

UINT CListCtrl::GetItemState(int index, UINT mask) const
{
    ListViewWidget* list = List(this);
    return list && list->Data().HasRow(index) ? list->Data().Row(index).state & mask : 0;
}

BOOL CListCtrl::SetItemState(int index, UINT state, UINT mask)
{
    ListViewWidget* list = List(this);
    if (!list || (index != -1 && !list->Data().HasRow(index)))
        return FALSE;
    list->SetState(index, state, mask);
    return TRUE;
}

int CListCtrl::GetNextItem(int start, UINT flags) const
{
    ListViewWidget* list = List(this);
    return list ? list->Data().NextItem(start, flags) : -1;
}

POSITION CListCtrl::GetFirstSelectedItemPosition() const
{
    return PositionOf(GetNextItem(-1, LVNI_SELECTED));
}

int CListCtrl::GetNextSelectedItem(POSITION& position) const
{
    const int index = static_cast<int>(reinterpret_cast<std::uintptr_t>(position)) - 1;
    position = PositionOf(GetNextItem(index, LVNI_SELECTED));
    return index;
}

BOOL CListCtrl::GetCheck(int index) const
{
    return static_cast<BOOL>(GetItemState(index, LVIS_STATEIMAGEMASK) >> 12) - 1;
}

BOOL CListCtrl::SetCheck(int index, BOOL check)
{
    return SetItemState(index, INDEXTOSTATEIMAGEMASK(check ? 2 : 1), LVIS_STATEIMAGEMASK);
}

// ---- geometry -------------------------------------------------------------------------------

BOOL CListCtrl::EnsureVisible(int index, BOOL partialOk)
{
    ListViewWidget* list = List(this);
    if (!list || !list->Data().HasRow(index))
        return FALSE;
    list->EnsureVisible(index, partialOk != FALSE);
    return TRUE;
}

BOOL CListCtrl::RedrawItems(int first, int last)
{
    ListViewWidget* list = List(this);
    if (!list || first > last || !list->Data().HasRow(first))
        return FALSE;
    const QRect top = list->RowBounds(first);
    const QRect bottom = list->RowBounds(std::min(last, list->Data().RowCount() - 1));
    list->update(QRect(0, top.top(), list->width(), bottom.top() + bottom.height() - top.top()));
    return TRUE;
}

BOOL CListCtrl::Update(int index)
{
    return RedrawItems(index, index);
}

BOOL CListCtrl::GetItemRect(int index, LPRECT rect, UINT area) const
{
    ListViewWidget* list = List(this);
    const std::optional<QRect> found = list ? list->CellRect(index, 0, area) : std::nullopt;
    if (!found)
        return FALSE;
    *rect = RectOf(*found);
    return TRUE;
}

BOOL CListCtrl::GetSubItemRect(int index, int subItem, int area, CRect& rect) const
{
    ListViewWidget* list = List(this);
    const std::optional<QRect> found = list ? list->CellRect(index, subItem, static_cast<UINT>(area)) : std::nullopt;
    if (!found)
        return FALSE;
    rect = RectOf(*found);
    return TRUE;
}

int CListCtrl::GetCountPerPage() const
{
    ListViewWidget* list = List(this);
    return list ? list->CountPerPage() : 0;
}

BOOL CListCtrl::GetItemPosition(int index, LPPOINT point) const
{
    ListViewWidget* list = List(this);
    if (!list || !list->Data().HasRow(index))
        return FALSE;
    const QRect bounds = list->RowBounds(index);
    *point = POINT{bounds.left(), bounds.top()};
    return TRUE;
}

int CListCtrl::HitTest(LVHITTESTINFO* info) const
{
    ListViewWidget* list = List(this);
    if (!list || !info)
        return -1;
    info->iItem = list->HitTest(QPoint(info->pt.x, info->pt.y), &info->flags, &info->iSubItem);
    return info->iItem;
}

int CListCtrl::HitTest(CPoint point, UINT* flags) const
{
    LVHITTESTINFO info;
    info.pt = point;
    const int item = HitTest(&info);
    if (flags)
        *flags = info.flags;
    return item;
}

// ---- looks ----------------------------------------------------------------------------------

COLORREF CListCtrl::GetBkColor() const
{
    ListViewWidget* list = List(this);
    return list ? list->Background() : 0;
}

BOOL CListCtrl::SetBkColor(COLORREF colour)
{
    ListViewWidget* list = List(this);
    if (!list)
        return FALSE;
    list->SetBackground(colour);
    return TRUE;
}

COLORREF CListCtrl::GetTextColor() const
{
    ListViewWidget* list = List(this);
    return list ? list->TextColour() : 0;
}

BOOL CListCtrl::SetTextColor(COLORREF colour)
{
    ListViewWidget* list = List(this);
    if (!list)
        return FALSE;
    list->SetTextColour(colour);
    return TRUE;
}

DWORD CListCtrl::GetExtendedStyle() const
{
    ListViewWidget* list = List(this);
    return list ? list->ExtendedStyle() : 0;
}

DWORD CListCtrl::SetExtendedStyle(DWORD style)
{
    ListViewWidget* list = List(this);
    if (!list)
        return 0;
    const DWORD previous = list->ExtendedStyle();
    list->SetExtendedStyle(style);
    return previous;
}

CImageList* CListCtrl::SetImageList(CImageList* images, int kind)
{
    ListViewWidget* list = List(this);
    if (!list || kind != LVSIL_SMALL)
        return nullptr;
    CImageList* previous = list->Images();
    list->SetImages(images);
    return previous;
}

// ---- messages -------------------------------------------------------------------------------

BOOL CListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_DRAWITEM) {
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        *result = TRUE;
        return TRUE;
    }
    return CWnd::OnChildNotify(message, wParam, lParam, result);
}

LRESULT CListCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    ListViewWidget* list = List(this);
    if (message == WM_WINDOWPOSCHANGED && list) {
        list->WindowPosChanged();
        return 0;
    }
    // A double click on a divider of the header fits the column to its texts.
    const auto* notice = reinterpret_cast<const NMHEADER*>(lParam);
    if (message == WM_NOTIFY && list && notice && notice->hdr.hwndFrom == list->Header()->Handle() &&
        notice->hdr.code == HDN_DIVIDERDBLCLICK) {
        SetColumnWidth(notice->iItem, LVSCW_AUTOSIZE);
        return 0;
    }
    return CWnd::DefWindowProc(message, wParam, lParam);
}
