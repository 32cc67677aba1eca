#include "platform/ui/qt/ToolbarWidget.h"

#include "platform/ui/DC.h"
#include "platform/ui/Images.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/qt/DcFactory.h"
#include "platform/ui/qt/WindowAccess.h"
#include "platform/ui/qt/WindowRecord.h"

#include <QPainter>

namespace platform::ui::detail {
namespace {

CRect RectOf(const QRect& rect)
{
    return CRect(rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height());
}

} // namespace

UINT ToolbarWidget::ItemState(int index) const
{
    const BYTE state = m_data.buttons[static_cast<size_t>(index)].fsState;
    return (index == m_data.hot ? CDIS_HOT : 0) | ((state & TBSTATE_CHECKED) ? CDIS_CHECKED : 0) |
           ((state & TBSTATE_PRESSED) ? CDIS_SELECTED : 0) | ((state & TBSTATE_ENABLED) ? 0 : CDIS_DISABLED);
}

LRESULT ToolbarWidget::CustomDraw(NMTBCUSTOMDRAW& draw)
{
    WindowRecord* record = RecordOf(Handle());
    if (!record || !RecordOf(m_data.notify))
        return CDRF_DODEFAULT;
    draw.nmcd.hdr.hwndFrom = Handle();
    draw.nmcd.hdr.idFrom = record->id;
    draw.nmcd.hdr.code = NM_CUSTOMDRAW;
    return Deliver(m_data.notify, WM_NOTIFY, record->id, reinterpret_cast<LPARAM>(&draw));
}

void ToolbarWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const std::unique_ptr<CDC> dc = MakeDcOnPainter(painter);
    CRect client(0, 0, width(), height());
    dc->FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    if (!(Style() & CCS_NODIVIDER))
        dc->DrawEdge(&client, EDGE_ETCHED, BF_TOP);

    NMTBCUSTOMDRAW draw;
    draw.nmcd.dwDrawStage = CDDS_PREPAINT;
    draw.nmcd.hdc = dc->m_hDC;
    draw.nmcd.rc = CRect(0, 0, width(), height());
    draw.clrText = GetSysColor(COLOR_BTNTEXT);
    const LRESULT whole = CustomDraw(draw);
    if (whole & CDRF_SKIPDEFAULT)
        return;

    CFont* font = dc->SelectObject(&m_font);
    const int mode = dc->SetBkMode(TRANSPARENT);
    for (int i = 0; i < static_cast<int>(m_data.buttons.size()); ++i) {
        const QRect place = ItemRect(i);
        if (place.isEmpty())
            continue;
        const TBBUTTON& button = m_data.buttons[static_cast<size_t>(i)];
        CRect rect = RectOf(place);
        if (button.fsStyle & TBSTYLE_SEP) {
            if (Style() & TBSTYLE_FLAT) {
                CRect line(rect.CenterPoint().x - 1, rect.top, rect.CenterPoint().x + 1, rect.bottom);
                dc->DrawEdge(&line, EDGE_ETCHED, BF_LEFT);
            }
            continue;
        }
        const bool enabled = (button.fsState & TBSTATE_ENABLED) != 0;
        LRESULT item = CDRF_DODEFAULT;
        draw.clrText = GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
        if (whole & CDRF_NOTIFYITEMDRAW) {
            draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
            draw.nmcd.rc = rect;
            draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(button.idCommand);
            draw.nmcd.uItemState = ItemState(i);
            draw.nmcd.lItemlParam = static_cast<LPARAM>(button.dwData);
            item = CustomDraw(draw);
            if (item & CDRF_SKIPDEFAULT)
                continue;
        }
        DrawButton(*dc, i, rect, (item & TBCDRF_NOEDGES) == 0, draw.clrText);
    }
    dc->SetBkMode(mode);
    dc->SelectObject(font);
}

void ToolbarWidget::DrawButton(CDC& dc, int index, CRect rect, bool edges, COLORREF textColour)
{
    const TBBUTTON& button = m_data.buttons[static_cast<size_t>(index)];
    const bool enabled = (button.fsState & TBSTATE_ENABLED) != 0;
    const bool down = (button.fsState & (TBSTATE_PRESSED | TBSTATE_CHECKED)) != 0;
    const bool hot = index == m_data.hot;
    if (edges && (down || hot)) {
        CRect edge = rect;
        dc.DrawEdge(&edge, down ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    }
    if (down)
        rect.OffsetRect(1, 1);
    const bool list = (Style() & TBSTYLE_LIST) != 0;
    const CSize bitmap = m_data.bitmapSize;
    const CPoint image = list ? CPoint(rect.left + kPadding, rect.top + (rect.Height() - bitmap.cy) / 2)
                              : CPoint(rect.left + (rect.Width() - bitmap.cx) / 2, rect.top + kPadding);
    DrawImage(dc, button.iBitmap, image, hot, enabled);
    const CString text = TextOf(button);
    if (text.IsEmpty())
        return;
    CRect textRect = list ? CRect(image.x + bitmap.cx + kListGap, rect.top, rect.right - kPadding, rect.bottom)
                          : CRect(rect.left + kPadding, image.y + bitmap.cy, rect.right - kPadding, rect.bottom);
    dc.SetTextColor(textColour);
    dc.DrawText(text, &textRect,
                DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS | (list ? DT_LEFT | DT_VCENTER : DT_CENTER | DT_TOP));
}

void ToolbarWidget::DrawImage(CDC& dc, int image, CPoint at, bool hot, bool enabled)
{
    CImageList* images = hot && m_data.hotImages ? m_data.hotImages : Images();
    if (!images || image < 0 || image >= images->GetImageCount())
        return;
    if (enabled) {
        images->Draw(&dc, image, at, ILD_TRANSPARENT);
        return;
    }
    const HICON icon = images->ExtractIcon(image);
    dc.DrawState(at, CSize(), icon, DST_ICON | DSS_DISABLED);
    DestroyIcon(icon);
}

} // namespace platform::ui::detail
