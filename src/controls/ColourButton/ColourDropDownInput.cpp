// The popup's selection: the mouse, the keys, and how the selection ends.
#include "controls/ColourButton/ColourDropDown.h"

#include "platform/ui/CommonDialogs.h"

void CColourDropDown::ChangeSelection(int index)
{
    if (index >= m_nNumColours)
        index = CUSTOM_BOX_VALUE;
    {
        CClientDC dc(this);
        if (m_nCurrentSel != INVALID_COLOUR) {
            const int previous = m_nCurrentSel;
            m_nCurrentSel = INVALID_COLOUR;
            DrawBox(&dc, previous);
        }
        m_nCurrentSel = index;
        DrawBox(&dc, index);
    }
    COLORREF reported = m_crInitialColour;
    if (index == DEFAULT_BOX_VALUE)
        reported = m_crColour = CLR_DEFAULT;
    else if (index != CUSTOM_BOX_VALUE)
        reported = m_crColour = CellColour(index);
    m_pParent->SendMessage(WM_COLOUR_PICKED, reported, 0);
}

void CColourDropDown::EndSelection(UINT message)
{
    ReleaseCapture();
    if (message != WM_COLOUR_SELENDCANCEL && m_nCurrentSel == CUSTOM_BOX_VALUE) {
        m_bChildWindowVisible = TRUE;
        CColorDialog dialog(m_crInitialColour, CC_FULLOPEN | CC_ANYCOLOR, this);
        if (dialog.DoModal() == IDOK)
            m_crColour = dialog.GetColor();
        else
            message = WM_COLOUR_SELENDCANCEL;
        m_bChildWindowVisible = FALSE;
    }
    if (message == WM_COLOUR_SELENDCANCEL)
        m_crColour = m_crInitialColour;
    m_pParent->SendMessage(message, m_crColour, 0);
    // An end while the colour dialog runs must not destroy the popup under it.
    if (!m_bChildWindowVisible)
        DestroyWindow();
}

void CColourDropDown::OnNcDestroy()
{
    Default();
    delete this;
}

void CColourDropDown::OnMouseMove(UINT, CPoint point)
{
    int index = INVALID_COLOUR;
    if (HasCustomBox() && m_CustomTextRect.PtInRect(point)) {
        index = CUSTOM_BOX_VALUE;
    } else if (HasDefaultBox() && m_DefaultTextRect.PtInRect(point)) {
        index = DEFAULT_BOX_VALUE;
    } else {
        const int column = (point.x - m_nMargin) / m_nBoxSize;
        const int row =
            (point.y - m_nMargin - (HasDefaultBox() ? m_DefaultTextRect.Height() + m_nMargin : 0)) / m_nBoxSize;
        const int cell = BoxIndex(row, column);
        CRect rect;
        if (cell >= 0 && GetBoxRect(cell, &rect) && rect.PtInRect(point))
            index = cell;
    }
    if (index != INVALID_COLOUR && index != m_nCurrentSel)
        ChangeSelection(index);
    Default();
}

void CColourDropDown::OnLButtonUp(UINT, CPoint point)
{
    Default();
    // Judged on the popup's own area: the window system may have put it elsewhere than it asked.
    CRect client;
    GetClientRect(&client);
    EndSelection(client.PtInRect(point) ? WM_COLOUR_SELENDOK : WM_COLOUR_SELENDCANCEL);
}

CColourDropDown::Place CColourDropDown::FirstOf(std::initializer_list<int> boxes) const
{
    for (int box : boxes) {
        if ((box == CUSTOM_BOX_VALUE && !HasCustomBox()) || (box == DEFAULT_BOX_VALUE && !HasDefaultBox()))
            continue;
        return {BoxRow(box), BoxColumn(box)};
    }
    return {INVALID_COLOUR, INVALID_COLOUR};
}

// The default box lies above the grid and the custom box below it; moves off either end of
// the grid go on to them, or wrap round when they are missing.
CColourDropDown::Place CColourDropDown::KeyMove(UINT key, Place from) const
{
    const int last = m_nNumColours - 1;
    const bool onDefault = from.row == DEFAULT_BOX_VALUE;
    const bool onCustom = from.row == CUSTOM_BOX_VALUE;
    switch (key) {
    case VK_DOWN:
        if (onDefault)
            return FirstOf({0});
        if (onCustom)
            return FirstOf({DEFAULT_BOX_VALUE, 0});
        if (BoxIndex(from.row + 1, from.column) == INVALID_COLOUR)
            return FirstOf({CUSTOM_BOX_VALUE, DEFAULT_BOX_VALUE, 0});
        return {from.row + 1, from.column};
    case VK_UP:
        if (onDefault)
            return FirstOf({CUSTOM_BOX_VALUE, last});
        if (onCustom)
            return FirstOf({last});
        if (from.row > 0)
            return {from.row - 1, from.column};
        return FirstOf({DEFAULT_BOX_VALUE, CUSTOM_BOX_VALUE, last});
    case VK_RIGHT: {
        if (onDefault)
            return FirstOf({0});
        if (onCustom)
            return FirstOf({DEFAULT_BOX_VALUE, 0});
        const Place next = from.column == m_nNumColumns - 1 ? Place{from.row + 1, 0} : Place{from.row, from.column + 1};
        if (BoxIndex(next.row, next.column) == INVALID_COLOUR)
            return FirstOf({CUSTOM_BOX_VALUE, DEFAULT_BOX_VALUE, 0});
        return next;
    }
    default:
        if (onDefault)
            return FirstOf({CUSTOM_BOX_VALUE, last});
        if (onCustom)
            return FirstOf({last});
        if (from.row == INVALID_COLOUR || (from.row == 0 && from.column == 0))
            return FirstOf({DEFAULT_BOX_VALUE, CUSTOM_BOX_VALUE, last});
        return from.column == 0 ? Place{from.row - 1, m_nNumColumns - 1} : Place{from.row, from.column - 1};
    }
}

void CColourDropDown::OnKeyDown(UINT key, UINT, UINT)
{
    switch (key) {
    case VK_ESCAPE:
        m_crColour = m_crInitialColour;
        EndSelection(WM_COLOUR_SELENDCANCEL);
        return;
    case VK_RETURN:
    case VK_SPACE:
        EndSelection(WM_COLOUR_SELENDOK);
        return;
    case VK_DOWN:
    case VK_UP:
    case VK_RIGHT:
    case VK_LEFT: {
        const Place to = KeyMove(key, {BoxRow(m_nCurrentSel), BoxColumn(m_nCurrentSel)});
        ChangeSelection(BoxIndex(to.row, to.column));
        break;
    }
    default:
        break;
    }
    Default();
}

void CColourDropDown::OnKillFocus(CWnd*)
{
    Default();
    ReleaseCapture();
}

LRESULT CColourDropDown::OnActivateApp(WPARAM active, LPARAM)
{
    Default();
    if (!active)
        EndSelection(WM_COLOUR_SELENDCANCEL);
    return 0;
}
