#include "controls/lists/ColouredList.h"

#include "platform/ui/DC.h"
#include "platform/ui/HeaderCtrl.h"
#include "platform/ui/SysColors.h"

RV_MESSAGE_MAP(CColouredList, CListCtrl,
               msgmap::EraseBackground(&T::OnEraseBkgnd),
               msgmap::NotifyReflect(NM_CUSTOMDRAW, &T::OnCustomDraw))

namespace {

constexpr COLORREF kUseDefault = static_cast<COLORREF>(-1);
constexpr int kHighlightedColumn = 2;
constexpr int kHighlightedRow = 1;

COLORREF Stored(const std::vector<COLORREF>& colours, int column, COLORREF fallback)
{
    return column < static_cast<int>(colours.size()) ? colours[static_cast<size_t>(column)] : fallback;
}

} // namespace

CColouredList::CColouredList()
    : m_defaultText(GetSysColor(COLOR_WINDOWTEXT)), m_defaultBack(GetSysColor(COLOR_WINDOW)),
      m_selectionBack(GetSysColor(COLOR_HIGHLIGHT)), m_selectionText(GetSysColor(COLOR_HIGHLIGHTTEXT))
{
}

int CColouredList::ColumnLimit() const
{
    const CHeaderCtrl* header = GetHeaderCtrl();
    return header ? header->GetItemCount() : 0;
}

bool CColouredList::ValidCell(int item, int column) const
{
    return item >= 0 && item < GetItemCount() && column >= 0 && column < ColumnLimit();
}

ColouredRow* CColouredList::RowRecord(int item) const
{
    return reinterpret_cast<ColouredRow*>(GetItemData(item));
}

void CColouredList::SetItemColor(int item, int column, COLORREF text, COLORREF back)
{
    if (!ValidCell(item, column))
        return;
    if (ColouredRow* row = RowRecord(item)) {
        const auto columns = static_cast<size_t>(ColumnLimit());
        if (row->textColours.size() < columns)
            row->textColours.resize(columns, m_defaultText);
        if (row->backColours.size() < columns)
            row->backColours.resize(columns, m_defaultBack);
        row->textColours[static_cast<size_t>(column)] = text == kUseDefault ? m_defaultText : text;
        row->backColours[static_cast<size_t>(column)] = back == kUseDefault ? m_defaultBack : back;
    }
    RedrawCell(item, column);
}

void CColouredList::RedrawCell(int item, int column)
{
    if (!ValidCell(item, column))
        return;
    CRect cell;
    GetSubItemRect(item, column, LVIR_BOUNDS, cell);
    InvalidateRect(&cell, TRUE);
    UpdateWindow();
}

BOOL CColouredList::OnEraseBkgnd(CDC* dc)
{
    CRect client;
    GetClientRect(&client);
    CBrush white(RGB(255, 255, 255));
    dc->FillRect(&client, &white);
    for (int row = 0; row <= GetCountPerPage(); ++row) {
        CPoint top;
        CPoint next;
        if (!GetItemPosition(row, &top) || !GetItemPosition(row + 1, &next))
            break;
        const CRect band(client.left, top.y, client.right, next.y);
        dc->FillRect(&band, &white);
    }
    return FALSE;
}

void CColouredList::OnCustomDraw(NMHDR* header, LRESULT* result)
{
    auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
    *result = CDRF_DODEFAULT;
    switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        *result = CDRF_NOTIFYITEMDRAW;
        break;
    case CDDS_ITEMPREPAINT:
        if (draw->iSubItem == kHighlightedColumn)
            draw->clrText = m_secondRowColour;
        *result = CDRF_NOTIFYSUBITEMDRAW;
        break;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
        const int item = static_cast<int>(draw->nmcd.dwItemSpec);
        const int column = draw->iSubItem;
        draw->clrText = item == kHighlightedRow && column == kHighlightedColumn ? m_secondRowColour : RGB(0, 0, 0);
        // The cell colours a row carries win over the fixed ones.
        if (const ColouredRow* row = reinterpret_cast<const ColouredRow*>(draw->nmcd.lItemlParam)) {
            draw->clrText = Stored(row->textColours, column, draw->clrText);
            draw->clrTextBk = Stored(row->backColours, column, draw->clrTextBk);
        }
        break;
    }
    default:
        break;
    }
}
