// How the popup draws its boxes: the default box, the colour cells, the custom box.
#include "controls/ColourButton/ColourDropDown.h"

#include "platform/ui/SysColors.h"

void CColourDropDown::OnPaint()
{
    CPaintDC dc(this);
    if (HasDefaultBox())
        DrawBox(&dc, DEFAULT_BOX_VALUE);
    for (int i = 0; i < m_nNumColours; ++i)
        DrawBox(&dc, i);
    if (HasCustomBox())
        DrawBox(&dc, CUSTOM_BOX_VALUE);
    CRect client;
    GetClientRect(&client);
    dc.DrawEdge(&client, EDGE_RAISED, BF_RECT);
}

void CColourDropDown::DrawBoxEdge(CDC* dc, CRect rect, int index) const
{
    if (index == m_nCurrentSel)
        dc->DrawEdge(&rect, BDR_RAISEDINNER, BF_RECT);
    else if (index == m_nChosenColourSel)
        dc->DrawEdge(&rect, BDR_SUNKENOUTER, BF_RECT);
}

void CColourDropDown::DrawCaption(CDC* dc, const CString& text, CRect rect)
{
    CFont* font = dc->SelectObject(&m_Font);
    const int mode = dc->SetBkMode(TRANSPARENT);
    dc->DrawText(text, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc->SetBkMode(mode);
    dc->SelectObject(font);
}

void CColourDropDown::DrawBox(CDC* dc, int index)
{
    const bool chosenOnly = index == m_nChosenColourSel && index != m_nCurrentSel;
    const int m = m_nMargin;

    if (index == CUSTOM_BOX_VALUE && HasCustomBox()) {
        CRect inner = m_CustomTextRect;
        inner.top += 2 * m;
        dc->FillSolidRect(&inner, GetSysColor(COLOR_3DFACE));
        // The separator between the grid and the box.
        const int left = m_CustomTextRect.left + 2 * m;
        const int width = m_CustomTextRect.Width() - 4 * m;
        dc->FillSolidRect(left, m_CustomTextRect.top, width, 1, GetSysColor(COLOR_3DSHADOW));
        dc->FillSolidRect(left, m_CustomTextRect.top + 1, width, 1, GetSysColor(COLOR_3DHILIGHT));
        inner.DeflateRect(1, 1);
        dc->FillSolidRect(&inner, GetSysColor(chosenOnly ? COLOR_3DLIGHT : COLOR_3DFACE));
        DrawBoxEdge(dc, inner, index);
        DrawCaption(dc, m_strCustomText, inner);
        return;
    }

    if (index == DEFAULT_BOX_VALUE && HasDefaultBox()) {
        dc->FillSolidRect(&m_DefaultTextRect, GetSysColor(COLOR_3DFACE));
        CRect inner = m_DefaultTextRect;
        inner.DeflateRect(1, 1);
        dc->FillSolidRect(&inner, GetSysColor(chosenOnly ? COLOR_3DLIGHT : COLOR_3DFACE));
        CRect frame = inner;
        frame.DeflateRect(2 * m, 2 * m);
        CPen pen(PS_SOLID, 1, GetSysColor(COLOR_3DSHADOW));
        CPen* oldPen = dc->SelectObject(&pen);
        CGdiObject* oldBrush = dc->SelectStockObject(NULL_BRUSH);
        dc->Rectangle(&frame);
        dc->SelectObject(oldBrush);
        dc->SelectObject(oldPen);
        DrawBoxEdge(dc, inner, index);
        DrawCaption(dc, m_strDefaultText, inner);
        return;
    }

    CRect rect;
    if (!GetBoxRect(index, &rect) || index < 0)
        return;
    dc->FillSolidRect(&rect, GetSysColor(chosenOnly ? COLOR_3DHILIGHT : COLOR_3DFACE));
    DrawBoxEdge(dc, rect, index);
    rect.DeflateRect(m + 1, m + 1);
    CBrush brush(CellColour(index));
    CPen pen(PS_SOLID, 1, GetSysColor(COLOR_3DSHADOW));
    CBrush* oldBrush = dc->SelectObject(&brush);
    CPen* oldPen = dc->SelectObject(&pen);
    dc->Rectangle(&rect);
    dc->SelectObject(oldPen);
    dc->SelectObject(oldBrush);
}
