#include "controls/ColourButton/ColourButton.h"

#include "controls/ColourButton/ColourDropDown.h"
#include "platform/ui/SysColors.h"

#include <stdexcept>
#include <string>

RV_MESSAGE_MAP(CColorButton, CButton,
               msgmap::ControlReflectEx(BN_CLICKED, &T::OnClicked),
               msgmap::Message(WM_CREATE, &T::OnCreate),
               msgmap::Message(WM_COLOUR_SELENDOK, &T::OnSelEndOK),
               msgmap::Message(WM_COLOUR_SELENDCANCEL, &T::OnSelEndCancel),
               msgmap::Message(WM_COLOUR_PICKED, &T::OnSelChange))

CColorButton::CColorButton()
    : m_crColour(CLR_DEFAULT), m_crDefaultColour(GetSysColor(COLOR_APPWORKSPACE)), m_strDefaultText("Automatic"),
      m_strCustomText("More Colors...")
{
}

void CColorButton::SetColor(COLORREF colour)
{
    m_crColour = colour;
    if (IsWindow(m_hWnd))
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CColorButton::PreSubclassWindow()
{
    ModifyStyle(0, BS_OWNERDRAW);
    CButton::PreSubclassWindow();
}

LRESULT CColorButton::OnCreate(WPARAM, LPARAM)
{
    return Default() == -1 ? -1 : 0;
}

void CColorButton::NotifyParent(UINT message, COLORREF colour)
{
    if (message == WM_COLOUR_PICKED)
        m_crLastReported = colour;
    if (CWnd* parent = GetParent())
        parent->SendMessage(message, colour, static_cast<LPARAM>(GetDlgCtrlID()));
}

BOOL CColorButton::OnClicked()
{
    m_bPopupActive = TRUE;
    m_crLastReported = m_crColour;
    CRect rect;
    GetWindowRect(&rect);
    auto* popup = new CColourDropDown(CPoint(rect.left, rect.bottom), m_crColour, this, m_strDefaultText,
                                      m_strCustomText);
    NotifyParent(WM_COLOUR_DROPDOWN, m_crColour);
    // A popup without a window would never end the selection; it has sent nothing, so it
    // cannot have deleted itself.
    if (!popup->GetSafeHwnd()) {
        delete popup;
        OnSelEndCancel(m_crColour, 0);
    }
    return TRUE;
}

LRESULT CColorButton::OnSelEndOK(WPARAM wParam, LPARAM)
{
    const auto colour = static_cast<COLORREF>(wParam);
    m_bPopupActive = FALSE;
    const COLORREF before = m_crColour;
    SetColor(colour);
    NotifyParent(WM_COLOUR_CLOSEUP, colour);
    NotifyParent(WM_COLOUR_SELENDOK, colour);
    if (colour != before)
        NotifyParent(WM_COLOUR_PICKED, colour);
    return 1;
}

LRESULT CColorButton::OnSelEndCancel(WPARAM wParam, LPARAM)
{
    const auto colour = static_cast<COLORREF>(wParam);
    m_bPopupActive = FALSE;
    SetColor(colour);
    NotifyParent(WM_COLOUR_CLOSEUP, colour);
    NotifyParent(WM_COLOUR_SELENDCANCEL, colour);
    // Dialogs follow WM_COLOUR_PICKED only: without this they would keep the colour the
    // selection last passed over.
    if (colour != m_crLastReported)
        NotifyParent(WM_COLOUR_PICKED, colour);
    return 1;
}

LRESULT CColorButton::OnSelChange(WPARAM wParam, LPARAM)
{
    const auto colour = static_cast<COLORREF>(wParam);
    if (m_bTrackSelection)
        SetColor(colour);
    NotifyParent(WM_COLOUR_PICKED, colour);
    return 1;
}

void DDX_ColorButton(CDataExchange* dx, int nIDC, COLORREF& value)
{
    auto* button = dynamic_cast<CColorButton*>(CWnd::FromHandle(dx->PrepareCtrl(nIDC)));
    if (!button)
        throw std::runtime_error("control " + std::to_string(nIDC) + " is no colour button");
    if (dx->m_bSaveAndValidate)
        value = button->GetColor();
    else
        button->SetColor(value);
}
