#include "controls/lists/SortableList.h"

#include "controls/lists/CellOrder.h"
#include "platform/ui/App.h"
#include "platform/ui/DC.h"
#include "platform/ui/Resources.h"
#include "platform/ui/SysColors.h"

#include <algorithm>
#include <cstdlib>

RV_MESSAGE_MAP(CSortableList, CListCtrl,
               msgmap::NotifyReflect(LVN_COLUMNCLICK, &T::OnColumnClick),
               msgmap::Simple(WM_DESTROY, &T::OnDestroy),
               msgmap::NotifyReflect(NM_CUSTOMDRAW, &T::OnCustomDraw),
               msgmap::Simple(WM_SYSCOLORCHANGE, &T::OnSysColorChange))

namespace {

constexpr COLORREF kListDefault = static_cast<COLORREF>(-1);
constexpr const char* kWidthSection = "ListCtrls";

CString WidthKey(int controlId)
{
    CString key;
    key.Format("%d", controlId);
    return key;
}

} // namespace

CSortableList::CSortableList()
    : m_crText(GetSysColor(COLOR_WINDOWTEXT)), m_crBack(GetSysColor(COLOR_WINDOW)),
      m_crHighlight(GetSysColor(COLOR_HIGHLIGHT)), m_crHighlightText(GetSysColor(COLOR_HIGHLIGHTTEXT))
{
}

CSortableList::~CSortableList() = default;

void CSortableList::PreSubclassWindow()
{
    CListCtrl::PreSubclassWindow();
    if (CHeaderCtrl* header = GetHeaderCtrl())
        m_ctlHeader.SubclassWindow(header->m_hWnd);
}

BOOL CSortableList::SetColumnHeadings(const CString& spec)
{
    const std::string& text = spec.str();
    size_t at = 0;
    for (;;) {
        const size_t comma = text.find(',', at);
        if (comma == std::string::npos)
            break;
        const size_t semicolon = text.find(';', comma + 1);
        const std::string title = text.substr(at, comma - at);
        const std::string width = text.substr(comma + 1, semicolon == std::string::npos ? std::string::npos
                                                                                          : semicolon - comma - 1);
        if (InsertColumn(m_nNumColumns, title.c_str(), LVCFMT_LEFT, std::atoi(width.c_str())) < 0)
            return FALSE;
        ++m_nNumColumns;
        if (semicolon == std::string::npos)
            break;
        at = semicolon + 1;
    }
    // Rows made before the columns get cells for them.
    const auto columns = static_cast<size_t>(m_nNumColumns);
    for (const std::unique_ptr<RowData>& record : m_records) {
        record->texts.resize(columns);
        record->textColours.resize(columns, m_crText);
        record->backColours.resize(columns, m_crBack);
    }
    return TRUE;
}

BOOL CSortableList::SetColumnHeadings(UINT stringId)
{
    const std::optional<CString> spec = LoadResourceString(stringId);
    return spec ? SetColumnHeadings(*spec) : FALSE;
}

int CSortableList::AppendRow(std::initializer_list<CString> texts)
{
    const auto columns = static_cast<size_t>(std::max(m_nNumColumns, 1));
    auto record = std::make_unique<RowData>();
    record->texts.assign(columns, CString());
    std::copy_n(texts.begin(), std::min(texts.size(), columns), record->texts.begin());
    record->textColours.assign(columns, m_crText);
    record->backColours.assign(columns, m_crBack);
    const int row = InsertItem(GetItemCount(), record->texts[0]);
    if (row < 0)
        return -1;
    for (size_t column = 1; column < columns; ++column)
        CListCtrl::SetItemText(row, static_cast<int>(column), record->texts[column]);
    CListCtrl::SetItemData(row, reinterpret_cast<DWORD_PTR>(record.get()));
    m_records.push_back(std::move(record));
    return row;
}

CSortableList::RowData* CSortableList::Record(int row) const
{
    return row >= 0 && row < GetItemCount() ? reinterpret_cast<RowData*>(CListCtrl::GetItemData(row)) : nullptr;
}

bool CSortableList::ValidCell(int row, int column) const
{
    return row >= 0 && row < GetItemCount() && column >= 0 && column < GetColumnCount();
}

void CSortableList::FreeRecord(int row)
{
    RowData* record = Record(row);
    if (!record)
        return;
    std::erase_if(m_records, [record](const std::unique_ptr<RowData>& kept) { return kept.get() == record; });
    CListCtrl::SetItemData(row, 0);
}

void CSortableList::FreeAllRecords()
{
    for (int row = 0; row < GetItemCount(); ++row)
        CListCtrl::SetItemData(row, 0);
    m_records.clear();
}

BOOL CSortableList::DeleteItem(int row)
{
    FreeRecord(row);
    return CListCtrl::DeleteItem(row);
}

BOOL CSortableList::DeleteAllItems()
{
    FreeAllRecords();
    return CListCtrl::DeleteAllItems();
}

BOOL CSortableList::SetItemText(int row, int column, LPCTSTR text)
{
    if (!CListCtrl::SetItemText(row, column, text))
        return FALSE;
    if (RowData* record = Record(row); record && column >= 0 && column < static_cast<int>(record->texts.size()))
        record->texts[static_cast<size_t>(column)] = text ? text : "";
    return TRUE;
}

DWORD CSortableList::GetItemData(int row) const
{
    const RowData* record = Record(row);
    return record ? record->userData : 0;
}

BOOL CSortableList::SetItemData(int row, DWORD data)
{
    RowData* record = Record(row);
    if (!record)
        return FALSE;
    record->userData = data;
    return TRUE;
}

void CSortableList::SetCellColours(int row, int column, COLORREF text, COLORREF back)
{
    RowData* record = Record(row);
    if (!ValidCell(row, column) || !record || column >= static_cast<int>(record->texts.size()))
        return;
    record->textColours[static_cast<size_t>(column)] = text == kListDefault ? m_crText : text;
    record->backColours[static_cast<size_t>(column)] = back == kListDefault ? m_crBack : back;
    InvalidateCell(row, column);
}

void CSortableList::OnColumnClick(NMHDR* header, LRESULT* result)
{
    const int column = reinterpret_cast<NMLISTVIEW*>(header)->iSubItem;
    SortByColumn(column, column != m_nSortColumn ? TRUE : !m_bSortAscending);
    *result = 0;
}

int CSortableList::CompareRows(LPARAM first, LPARAM second, LPARAM list)
{
    const auto* self = reinterpret_cast<const CSortableList*>(list);
    const auto* a = reinterpret_cast<const RowData*>(first);
    const auto* b = reinterpret_cast<const RowData*>(second);
    const auto column = static_cast<size_t>(self->m_nSortColumn);
    const CString none;
    const CString& left = a && column < a->texts.size() ? a->texts[column] : none;
    const CString& right = b && column < b->texts.size() ? b->texts[column] : none;
    return self->m_bSortAscending ? CompareCells(left, right) : CompareCells(right, left);
}

void CSortableList::SortByColumn(int column, BOOL ascending)
{
    m_nSortColumn = column;
    m_bSortAscending = ascending;
    m_ctlHeader.SetSortArrow(column, ascending);
    SortItems(&CSortableList::CompareRows, reinterpret_cast<DWORD_PTR>(this));
}

void CSortableList::SaveColumnWidths()
{
    CWinApp* app = AfxGetApp();
    if (GetColumnCount() < 1 || !app)
        return;
    std::vector<BYTE> bytes;
    CArchive archive(bytes, CArchive::store);
    m_ctlHeader.Serialize(archive);
    app->WriteProfileBinary(kWidthSection, WidthKey(GetDlgCtrlID()), bytes);
}

void CSortableList::RestoreColumnWidths()
{
    CWinApp* app = AfxGetApp();
    std::optional<std::vector<BYTE>> block = app ? app->GetProfileBinary(kWidthSection, WidthKey(GetDlgCtrlID()))
                                                 : std::nullopt;
    if (!block || block->empty())
        return;
    CArchive archive(*block, CArchive::load);
    m_ctlHeader.Serialize(archive);
    Invalidate();
}

BOOL CSortableList::GetSubItemRect(int row, int column, int area, CRect& rect) const
{
    if (!ValidCell(row, column) || !CListCtrl::GetSubItemRect(row, column, area, rect))
        return FALSE;
    if (column == 0 && GetColumnCount() > 1) {
        CRect next;
        if (CListCtrl::GetSubItemRect(row, 1, area, next))
            rect.right = next.left;
    }
    return TRUE;
}

void CSortableList::InvalidateCell(int row, int column)
{
    CRect cell;
    if (!GetSubItemRect(row, column, LVIR_BOUNDS, cell))
        return;
    InvalidateRect(&cell, TRUE);
    UpdateWindow();
}

int CSortableList::GetColumnCount() const
{
    const CHeaderCtrl* header = GetHeaderCtrl();
    return header ? header->GetItemCount() : 0;
}

void CSortableList::OnCustomDraw(NMHDR* header, LRESULT* result)
{
    auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
    *result = 0;
    switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        *result = CDRF_NOTIFYITEMDRAW;
        break;
    case CDDS_ITEMPREPAINT:
        // Each cell in its own colours.
        *result = CDRF_NOTIFYSUBITEMDRAW;
        break;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
        const int row = static_cast<int>(draw->nmcd.dwItemSpec);
        const int column = draw->iSubItem;
        const auto* record = reinterpret_cast<const RowData*>(draw->nmcd.lItemlParam);
        const auto at = static_cast<size_t>(column);
        const bool known = record && at < record->texts.size();
        draw->clrText = known ? record->textColours[at] : m_crText;
        draw->clrTextBk = known ? record->backColours[at] : m_crBack;
        CRect cell;
        GetSubItemRect(row, column, LVIR_BOUNDS, cell);
        const CString text = known ? record->texts[at] : GetItemText(row, column);
        const bool selected = GetItemState(row, LVIS_SELECTED) != 0;
        DrawCell(CDC::FromHandle(draw->nmcd.hdc), cell, text, column, selected ? m_crHighlightText : draw->clrText,
                 selected ? m_crHighlight : draw->clrTextBk);
        *result = CDRF_SKIPDEFAULT;
        break;
    }
    default:
        break;
    }
}

void CSortableList::DrawCell(CDC* dc, const CRect& rect, const CString& text, int column, COLORREF textColour,
                             COLORREF backColour)
{
    dc->FillSolidRect(&rect, backColour);
    if (text.IsEmpty())
        return;
    HDITEM item;
    item.mask = HDI_FORMAT;
    m_ctlHeader.GetItem(column, &item);
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_LEFT;
    if (item.fmt & HDF_CENTER)
        format = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
    else if (item.fmt & HDF_RIGHT)
        format = DT_SINGLELINE | DT_VCENTER | DT_RIGHT;
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(textColour);
    dc->SetBkColor(backColour);
    CRect area = rect;
    dc->DrawText(text, &area, format);
}

void CSortableList::OnSysColorChange()
{
    Default();
    m_crBack = GetSysColor(COLOR_WINDOW);
    m_crText = GetSysColor(COLOR_WINDOWTEXT);
    m_crHighlight = GetSysColor(COLOR_HIGHLIGHT);
    m_crHighlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
}

void CSortableList::OnDestroy()
{
    FreeAllRecords();
    Default();
}
