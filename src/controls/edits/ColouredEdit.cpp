#include "controls/edits/ColouredEdit.h"

#include "platform/ui/SysColors.h"

RV_MESSAGE_MAP(CColouredEdit, CEdit, msgmap::CtlColorReflect(&T::CtlColor))

CColouredEdit::CColouredEdit() : m_backgroundColour(GetSysColor(COLOR_BTNFACE)), m_shownColour(m_backgroundColour)
{
    m_backgroundBrush.CreateSolidBrush(m_backgroundColour);
}

void CColouredEdit::SetTextColor(COLORREF colour)
{
    m_textColour = colour;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CColouredEdit::SetBkColor(COLORREF colour)
{
    m_backgroundColour = colour;
    ShowBackground(colour);
}

void CColouredEdit::ShowBackground(COLORREF colour)
{
    m_shownColour = colour;
    m_backgroundBrush.DeleteObject();
    m_backgroundBrush.CreateSolidBrush(colour);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

BOOL CColouredEdit::EnableWindow(BOOL enable)
{
    ShowBackground(enable ? m_backgroundColour : RGB(255, 255, 255));
    return CEdit::EnableWindow(enable);
}

HBRUSH CColouredEdit::CtlColor(CDC* dc, UINT)
{
    dc->SetBkColor(m_shownColour);
    dc->SetTextColor(m_textColour);
    return static_cast<HBRUSH>(m_backgroundBrush.GetSafeHandle());
}
