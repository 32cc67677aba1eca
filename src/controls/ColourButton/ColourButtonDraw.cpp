#include "controls/ColourButton/ColourButton.h"

#include "platform/ui/SysColors.h"

void CColorButton::DrawArrow(CDC* dc, RECT* rect, int direction, COLORREF colour)
{
    const CRect r(*rect);
    const CPoint middle = r.CenterPoint();
    POINT corners[3];
    switch (direction) {
    case 1:
        corners[0] = {r.left, r.bottom};
        corners[1] = {r.right, r.bottom};
        corners[2] = {middle.x, r.top};
        break;
    case 2:
        corners[0] = {r.right, r.top};
        corners[1] = {r.right, r.bottom};
        corners[2] = {r.left, middle.y};
        break;
    case 3:
        corners[0] = {r.left, r.top};
        corners[1] = {r.left, r.bottom};
        corners[2] = {r.right, middle.y};
        break;
    default:
        corners[0] = {r.left, r.top};
        corners[1] = {r.right, r.top};
        corners[2] = {middle.x, r.bottom};
        break;
    }
    CBrush brush(colour);
    CPen pen(PS_SOLID, 1, colour);
    CBrush* oldBrush = dc->SelectObject(&brush);
    CPen* oldPen = dc->SelectObject(&pen);
    dc->SetPolyFillMode(WINDING);
    dc->Polygon(corners, 3);
    dc->SelectObject(oldBrush);
    dc->SelectObject(oldPen);
}

void CColorButton::DrawItem(LPDRAWITEMSTRUCT item)
{
    CDC* dc = CDC::FromHandle(item->hDC);
    UINT state = item->itemState;
    CRect rect = item->rcItem;
    if (m_bPopupActive)
        state |= ODS_SELECTED | ODS_FOCUS;
    const bool selected = (state & ODS_SELECTED) != 0;
    const bool disabled = (state & ODS_DISABLED) != 0;
    const int edgeX = GetSystemMetrics(SM_CXEDGE);

    dc->DrawFrameControl(&rect, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (selected ? DFCS_PUSHED : 0) |
                                                (disabled ? DFCS_INACTIVE : 0));
    if (selected)
        rect.OffsetRect(1, 1);
    if (state & ODS_FOCUS) {
        const CRect focus(rect.left, rect.top, rect.right - 1, rect.bottom);
        dc->DrawFocusRect(&focus);
    }
    rect.DeflateRect(edgeX, GetSystemMetrics(SM_CYEDGE));

    CRect arrow;
    arrow.left = rect.right - 4 - edgeX / 2;
    arrow.right = arrow.left + 4;
    arrow.top = (rect.top + rect.bottom) / 2 - 1;
    arrow.bottom = (rect.top + rect.bottom) / 2 + 1;
    DrawArrow(dc, &arrow, 0, disabled ? GetSysColor(COLOR_GRAYTEXT) : RGB(0, 0, 0));

    rect.right = arrow.left - edgeX / 2;
    dc->DrawEdge(&rect, EDGE_ETCHED, BF_RIGHT);
    rect.right -= 2 * edgeX + 1;

    if (!disabled) {
        dc->FillSolidRect(&rect, m_crColour == CLR_DEFAULT ? m_crDefaultColour : m_crColour);
        dc->FrameRect(&rect, CBrush::FromHandle(static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))));
    }
}
