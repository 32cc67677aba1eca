#include "controls/lists/SortableHeader.h"

#include "platform/ui/DC.h"
#include "platform/ui/SysColors.h"

#include <cstdint>
#include <cstdio>
#include <vector>

RV_MESSAGE_MAP(CSortableHeader, CHeaderCtrl)

namespace {

constexpr int kTextMax = 256;

} // namespace

void CSortableHeader::SetSortArrow(int column, BOOL ascending)
{
    m_nSortColumn = column;
    m_bSortAscending = ascending;
    HDITEM item;
    item.mask = HDI_FORMAT;
    if (GetItem(column, &item)) {
        item.fmt |= HDF_OWNERDRAW;
        SetItem(column, &item);
    }
    Invalidate();
}

void CSortableHeader::Serialize(CArchive& archive)
{
    const int count = GetItemCount();
    HDITEM item;
    item.mask = HDI_WIDTH;
    if (archive.IsStoring()) {
        archive << count;
        for (int column = 0; column < count; ++column) {
            GetItem(column, &item);
            archive << item.cxy;
        }
        return;
    }
    std::int32_t stored = 0;
    archive >> stored;
    std::vector<std::int32_t> widths(stored == count ? static_cast<size_t>(count) : 0);
    for (std::int32_t& width : widths)
        archive >> width;
    if (stored != count || archive.Failed() || !archive.AtEnd()) {
        std::fprintf(stderr, "Different number of columns in registry.\n");
        return;
    }
    for (int column = 0; column < count; ++column) {
        item.cxy = widths[static_cast<size_t>(column)];
        SetItem(column, &item);
    }
}

void CSortableHeader::DrawItem(LPDRAWITEMSTRUCT draw)
{
    CDC* dc = CDC::FromHandle(draw->hDC);
    const int saved = dc->SaveDC();
    const CRect rect = draw->rcItem;
    dc->IntersectClipRect(&rect);
    CBrush face(GetSysColor(COLOR_3DFACE));
    dc->FillRect(&rect, &face);

    char text[kTextMax] = {};
    HDITEM item;
    item.mask = HDI_TEXT | HDI_FORMAT;
    item.pszText = text;
    item.cchTextMax = kTextMax;
    GetItem(static_cast<int>(draw->itemID), &item);
    UINT format = DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP | DT_VCENTER | DT_END_ELLIPSIS;
    if (item.fmt & HDF_CENTER)
        format |= DT_CENTER;
    else if (item.fmt & HDF_RIGHT)
        format |= DT_RIGHT;

    CRect label = rect;
    if (draw->itemState == ODS_SELECTED) {
        label.left += 1;
        label.right += 1;
        label.top += 2;
    }
    const int off = rect.Height() / 4;
    const bool sortColumn = static_cast<int>(draw->itemID) == m_nSortColumn;
    if (sortColumn)
        label.right -= 3 * off;
    label.left += off;
    label.right -= off;
    if (label.left < label.right) {
        dc->SetBkMode(TRANSPARENT);
        dc->SetTextColor(GetSysColor(COLOR_BTNTEXT));
        dc->DrawText(CString(text), &label, format);
    }

    if (sortColumn) {
        const int r = rect.right;
        const int b = rect.bottom;
        CPen light(PS_SOLID, 1, GetSysColor(COLOR_3DHILIGHT));
        CPen dark(PS_SOLID, 1, GetSysColor(COLOR_3DSHADOW));
        CPen* previous = dc->SelectObject(&light);
        if (m_bSortAscending) {
            dc->MoveTo(r - 2 * off, off);
            dc->LineTo(r - off, b - off - 1);
            dc->LineTo(r - 3 * off - 2, b - off - 1);
            dc->SelectObject(&dark);
            dc->MoveTo(r - 3 * off - 1, b - off - 1);
            dc->LineTo(r - 2 * off, off - 1);
        } else {
            dc->MoveTo(r - off - 1, off);
            dc->LineTo(r - 2 * off - 1, b - off);
            dc->SelectObject(&dark);
            dc->MoveTo(r - 2 * off - 2, b - off);
            dc->LineTo(r - 3 * off - 1, off);
            dc->LineTo(r - off - 1, off);
        }
        dc->SelectObject(previous);
    }
    dc->RestoreDC(saved);
}
