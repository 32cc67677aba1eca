#include "controls/lists/OwnerDrawList.h"

#include "platform/CodePage.h"
#include "platform/ui/DC.h"
#include "platform/ui/HeaderCtrl.h"
#include "platform/ui/SysColors.h"

#include <algorithm>

RV_MESSAGE_MAP(COwnerDrawList, CListCtrl,
               msgmap::Message(WM_MEASUREITEM, &T::OnMeasureItem),
               msgmap::MeasureItemReflect(&T::MeasureItem),
               msgmap::Notify(HDN_DIVIDERDBLCLICK, 0, &T::OnDividerDoubleClick))

namespace {

// A cell shows at most this many characters of its text.
constexpr size_t kCellCharacters = 255;
// Text aligned left starts this far into its cell; a fitted column leaves as much on the right.
constexpr int kCellTextMargin = 6;

// One entry per column (or cell): setting again replaces the colour.
void Put(std::vector<ListColourEntry>& entries, int column, int row, COLORREF colour)
{
    for (ListColourEntry& entry : entries)
        if (entry.column == column && entry.row == row) {
            entry.colour = colour;
            return;
        }
    entries.push_back({row, column, colour});
}

bool Find(const std::vector<ListColourEntry>& entries, int column, int row, COLORREF& colour)
{
    for (const ListColourEntry& entry : entries)
        if (entry.column == column && entry.row == row) {
            colour = entry.colour;
            return true;
        }
    return false;
}

char AlignDigit(int format)
{
    switch (format) {
    case LVCFMT_LEFT: return '0';
    case LVCFMT_RIGHT: return '2';
    default: return '1';
    }
}

} // namespace

COwnerDrawList::COwnerDrawList()
    : m_selectedBkColour(GetSysColor(COLOR_HIGHLIGHT)), m_selectedTextColour(GetSysColor(COLOR_HIGHLIGHTTEXT))
{
}

int COwnerDrawList::InsertColumn(int column, LPCTSTR heading, int format, int width, int subItem)
{
    m_header.m_captions.emplace_back(heading ? heading : "");
    m_header.m_alignDigits += AlignDigit(format);
    return CListCtrl::InsertColumn(column, heading, format, width, subItem);
}

void COwnerDrawList::SetHeaderBackground(int red, int green, int blue, int gradientStep)
{
    m_header.m_baseRed = red;
    m_header.m_baseGreen = green;
    m_header.m_baseBlue = blue;
    m_header.m_gradientStep = gradientStep;
}

void COwnerDrawList::SetHeaderHeight(float scale)
{
    m_header.m_heightScale = scale;
}

void COwnerDrawList::SetHeaderFontSize(int height, int width)
{
    m_header.m_fontHeight = height;
    m_header.m_fontWidth = width;
}

void COwnerDrawList::SetHeaderTextColor(COLORREF colour)
{
    m_header.m_textColour = colour;
}

void COwnerDrawList::SetRowHeight(int height)
{
    m_rowHeight = height;
    CRect window;
    GetWindowRect(&window);
    WINDOWPOS position;
    position.hwnd = m_hWnd;
    position.cx = window.Width();
    position.cy = window.Height();
    position.flags = SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOOWNERZORDER | SWP_NOZORDER;
    SendMessage(WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&position));
}

BOOL COwnerDrawList::SetTextColor(COLORREF colour)
{
    m_textColour = colour;
    return TRUE;
}

void COwnerDrawList::SetFontHW(int height, int width)
{
    m_fontHeight = height;
    m_fontWidth = width;
}

void COwnerDrawList::SetColColor(int column, COLORREF colour) { Put(m_colBkColours, column, 0, colour); }
void COwnerDrawList::SetItemColor(int column, int row, COLORREF colour) { Put(m_cellBkColours, column, row, colour); }
void COwnerDrawList::SetColTextColor(int column, COLORREF colour) { Put(m_colTextColours, column, 0, colour); }
void COwnerDrawList::SetItemTextColor(int column, int row, COLORREF colour)
{
    Put(m_cellTextColours, column, row, colour);
}

bool COwnerDrawList::FindColColor(int column, COLORREF& colour) const { return Find(m_colBkColours, column, 0, colour); }
bool COwnerDrawList::FindItemColor(int column, int row, COLORREF& colour) const
{
    return Find(m_cellBkColours, column, row, colour);
}
bool COwnerDrawList::FindColTextColor(int column, COLORREF& colour) const
{
    return Find(m_colTextColours, column, 0, colour);
}
bool COwnerDrawList::FindItemTextColor(int column, int row, COLORREF& colour) const
{
    return Find(m_cellTextColours, column, row, colour);
}

void COwnerDrawList::PreSubclassWindow()
{
    ModifyStyle(0, LVS_OWNERDRAWFIXED);
    CListCtrl::PreSubclassWindow();
    if (CHeaderCtrl* header = GetHeaderCtrl())
        m_header.SubclassWindow(header->m_hWnd);
}

LRESULT COwnerDrawList::OnMeasureItem(WPARAM, LPARAM)
{
    return Default();
}

void COwnerDrawList::MeasureItem(LPMEASUREITEMSTRUCT item)
{
    if (m_rowHeight >= 1)
        item->itemHeight = static_cast<UINT>(m_rowHeight);
}

CString COwnerDrawList::CellText(int row, int column) const
{
    const CString whole = GetItemText(row, column);
    return whole.Left(static_cast<int>(platform::Utf8CharactersLength(whole.str(), kCellCharacters)));
}

void COwnerDrawList::CreateCellFont(CFont& font) const
{
    font.CreateFont(m_fontHeight + 3, m_fontWidth, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Fixedsys");
}

// The cells are drawn in a font of the list's own, so the list view's fit (in the list's font)
// would cut them.
int COwnerDrawList::FittingWidth(int column)
{
    CClientDC dc(this);
    int width = m_header.CaptionWidth(column, dc);
    CFont font;
    CreateCellFont(font);
    CFont* previous = dc.SelectObject(&font);
    CRect label;
    for (int row = 0; row < GetItemCount(); ++row) {
        if (!GetSubItemRect(row, column, LVIR_LABEL, label))
            break;
        // Column 0's label starts a little into the column.
        const int indent = GetColumnWidth(column) - label.Width();
        width = std::max(width, indent + dc.GetTextExtent(CellText(row, column)).cx + 2 * kCellTextMargin);
    }
    dc.SelectObject(previous);
    return width;
}

void COwnerDrawList::OnDividerDoubleClick(NMHDR* notice, LRESULT* result)
{
    const int column = reinterpret_cast<NMHEADER*>(notice)->iItem;
    SetColumnWidth(column, FittingWidth(column));
    *result = 0;
}

void COwnerDrawList::DrawItem(LPDRAWITEMSTRUCT item)
{
    CDC* dc = CDC::FromHandle(item->hDC);
    const int row = static_cast<int>(item->itemID);
    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    LVCOLUMN column;
    column.mask = LVCF_FMT;
    for (int c = 0; GetColumn(c, &column); ++c) {
        CRect label;
        if (!GetSubItemRect(row, c, LVIR_LABEL, label))
            continue;
        const CString text = CellText(row, c);

        CRect background = label;
        if (c == 0)
            background.left -= 2;
        COLORREF colour = 0;
        if (selected) {
            dc->FillSolidRect(&background, m_selectedBkColour);
            dc->SetTextColor(m_selectedTextColour);
        } else {
            dc->FillSolidRect(&background, GetBkColor());
            if (FindColColor(c, colour))
                dc->FillSolidRect(&background, colour);
            if (FindItemColor(c, row, colour))
                dc->FillSolidRect(&background, colour);
            dc->SetTextColor(m_textColour);
        }
        dc->SelectStockObject(DEFAULT_GUI_FONT);
        const char digit = c < m_header.m_alignDigits.GetLength() ? m_header.m_alignDigits.GetAt(c) : '1';
        UINT align = DT_CENTER;
        int shift = 0;
        if (digit == '0') {
            align = DT_LEFT;
            shift = kCellTextMargin;
        } else if (digit == '2') {
            align = DT_RIGHT;
        }
        TEXTMETRIC metrics;
        dc->GetTextMetrics(&metrics);
        label.OffsetRect(shift, (label.Height() - metrics.tmHeight) / 2);
        if (FindColTextColor(c, colour))
            dc->SetTextColor(colour);
        if (FindItemTextColor(c, row, colour))
            dc->SetTextColor(colour);
        CFont font;
        CreateCellFont(font);
        dc->SelectObject(&font);
        dc->DrawText(text, -1, &label, align);
        dc->SelectStockObject(SYSTEM_FONT);
    }
}
