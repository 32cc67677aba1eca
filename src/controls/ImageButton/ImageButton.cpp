#include "controls/ImageButton/ImageButton.h"

#include "platform/ui/Resources.h"
#include "platform/ui/SysColors.h"

#include <algorithm>

RV_MESSAGE_MAP(CImageButton, CButton,
               msgmap::Message(WM_SETCURSOR, &T::OnSetCursor),
               msgmap::Focus(WM_KILLFOCUS, &T::OnKillFocus),
               msgmap::Mouse(WM_MOUSEMOVE, &T::OnMouseMove),
               msgmap::Simple(WM_SYSCOLORCHANGE, &T::OnSysColorChange),
               msgmap::ControlReflectEx(BN_CLICKED, &T::OnClicked),
               msgmap::Message(WM_ACTIVATE, &T::OnActivate),
               msgmap::Message(WM_ENABLE, &T::OnEnable),
               msgmap::Simple(WM_CANCELMODE, &T::OnCancelMode),
               msgmap::Message(WM_GETDLGCODE, &T::OnGetDlgCode),
               msgmap::CtlColorReflect(&T::CtlColor),
               msgmap::Message(WM_MENUCHAR, &T::OnNothing),
               msgmap::Message(WM_MEASUREITEM, &T::OnNothing),
               msgmap::Message(BM_SETSTYLE, &T::OnSetStyle),
               msgmap::Message(WM_MOUSELEAVE, &T::OnMouseLeave),
               msgmap::Message(BM_SETCHECK, &T::OnSetCheck),
               msgmap::Message(BM_GETCHECK, &T::OnGetCheck))

namespace {

constexpr DWORD kTypeBits = 0x1F;
constexpr UINT_PTR kTool = 1;
constexpr int kTipWidth = 400;
constexpr size_t kUrlMax = 259;

} // namespace

CImageButton::CImageButton()
{
    ResetColors(FALSE);
    SetURL(nullptr);
    FreeResources(FALSE);
}

CImageButton::~CImageButton()
{
    FreeResources(TRUE);
    if (m_hCursor)
        DestroyCursor(m_hCursor);
}

void CImageButton::Repaint(BOOL repaint)
{
    if (repaint && m_hWnd)
        Invalidate();
}

void CImageButton::PreSubclassWindow()
{
    m_nTypeStyle = GetStyle() & kTypeBits;
    if (m_nTypeStyle & BS_CHECKBOX)
        m_bIsCheckBox = TRUE;
    if (m_nTypeStyle == BS_DEFPUSHBUTTON) {
        m_bIsDefault = TRUE;
        m_nTypeStyle = BS_PUSHBUTTON;
    }
    ModifyStyle(kTypeBits, BS_OWNERDRAW, SWP_FRAMECHANGED);
    CButton::PreSubclassWindow();
}

BOOL CImageButton::PreTranslateMessage(MSG* message)
{
    EnsureTooltip();
    m_toolTip.RelayEvent(message);
    return CButton::PreTranslateMessage(message);
}

LRESULT CImageButton::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A fast second click counts as a click.
    return CButton::DefWindowProc(message == WM_LBUTTONDBLCLK ? WM_LBUTTONDOWN : message, wParam, lParam);
}

// ---- look -----------------------------------------------------------------------------------

DWORD CImageButton::SetFlat(BOOL flat, BOOL repaint)
{
    m_bIsFlat = flat;
    Repaint(repaint);
    return kOk;
}

DWORD CImageButton::SetAlign(BYTE alignment, BOOL repaint)
{
    if (alignment > kImageRight)
        return kBadAlignment;
    m_byAlign = alignment;
    Repaint(repaint);
    return kOk;
}

DWORD CImageButton::SetDrawBorder(BOOL draw, BOOL repaint)
{
    m_bDrawBorder = draw;
    Repaint(repaint);
    return kOk;
}

DWORD CImageButton::SetDrawFlatFocus(BOOL draw, BOOL repaint)
{
    m_bDrawFlatFocus = draw;
    Repaint(repaint);
    return kOk;
}

DWORD CImageButton::SetTrackAlways(BOOL track)
{
    m_bAlwaysTrack = track;
    return kOk;
}

// Parent windows show through our buttons, so transparent mode just leaves the background
// unpainted; no snapshot of the parent is needed.
void CImageButton::SetTransparent(BOOL repaint)
{
    m_bDrawTransparent = TRUE;
    Repaint(repaint);
}

DWORD CImageButton::SetChecked(int check, BOOL repaint)
{
    if (m_bIsCheckBox) {
        m_nCheck = check ? 1 : 0;
        Repaint(repaint);
    }
    return kOk;
}

DWORD CImageButton::ResetColors(BOOL repaint)
{
    for (BYTE index = 0; index < ColourCount; ++index)
        m_crColors[index] = GetSysColor(index % 2 == 0 ? COLOR_BTNFACE : COLOR_BTNTEXT);
    Repaint(repaint);
    return kOk;
}

DWORD CImageButton::SetColor(BYTE index, COLORREF colour, BOOL repaint)
{
    if (index >= ColourCount)
        return kBadColourIndex;
    m_crColors[index] = colour;
    Repaint(repaint);
    return kOk;
}

DWORD CImageButton::GetColor(BYTE index, COLORREF* colour) const
{
    if (index >= ColourCount)
        return kBadColourIndex;
    if (colour)
        *colour = m_crColors[index];
    return kOk;
}

COLORREF OffsetColour(COLORREF colour, short shade)
{
    const int channels[3] = {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
    int amount = shade;
    for (const int channel : channels) {
        if (shade > 0 && channel + shade > 255)
            amount = std::min(amount, 255 - channel);
        if (shade <= 0 && channel + shade < 0)
            amount = std::max(amount, -channel);
    }
    return RGB(static_cast<BYTE>(channels[0] + amount), static_cast<BYTE>(channels[1] + amount),
               static_cast<BYTE>(channels[2] + amount));
}

DWORD CImageButton::OffsetColor(BYTE index, short shade, BOOL repaint)
{
    if (index >= ColourCount)
        return kBadColourIndex;
    if (shade < -255 || shade > 255)
        return kBadShade;
    m_crColors[index] = OffsetColour(m_crColors[index], shade);
    Repaint(repaint);
    return kOk;
}

DWORD CImageButton::SetHoverCursor(int id, BOOL repaint)
{
    if (m_hCursor)
        DestroyCursor(m_hCursor);
    m_hCursor = nullptr;
    if (id == 0)
        return kOk;
    m_hCursor = LoadCursorResource(static_cast<UINT>(id));
    Repaint(repaint);
    return m_hCursor ? kOk : kImageFailed;
}

DWORD CImageButton::SetURL(LPCTSTR url)
{
    m_strURL.Empty();
    if (url)
        m_strURL = CString(url).Left(static_cast<int>(kUrlMax));
    return kOk;
}

// ---- tip ------------------------------------------------------------------------------------

void CImageButton::EnsureTooltip()
{
    if (m_toolTip.m_hWnd || !m_hWnd)
        return;
    m_toolTip.Create(this, 0);
    m_toolTip.Activate(FALSE);
    m_toolTip.SetMaxTipWidth(kTipWidth);
}

void CImageButton::SetTooltipText(LPCTSTR text, BOOL activate)
{
    if (!text)
        return;
    EnsureTooltip();
    if (m_toolTip.GetToolCount() == 0) {
        CRect client;
        GetClientRect(&client);
        m_toolTip.AddTool(this, text, &client, kTool);
    }
    m_toolTip.UpdateTipText(text, this, kTool);
    m_toolTip.Activate(activate);
}

void CImageButton::SetTooltipText(int stringId, BOOL activate)
{
    const std::optional<CString> text = LoadResourceString(static_cast<UINT>(stringId));
    if (text && !text->IsEmpty())
        SetTooltipText(text->GetString(), activate);
}

void CImageButton::ActivateTooltip(BOOL activate)
{
    if (m_toolTip.GetToolCount() > 0)
        m_toolTip.Activate(activate);
}

// ---- messages -------------------------------------------------------------------------------

void CImageButton::CancelHover()
{
    if (m_bIsFlat && m_bMouseOnButton) {
        m_bMouseOnButton = FALSE;
        Invalidate();
    }
}

LRESULT CImageButton::OnSetCursor(WPARAM, LPARAM)
{
    if (!m_hCursor)
        return Default();
    SetCursor(m_hCursor);
    return TRUE;
}

void CImageButton::OnKillFocus(CWnd*)
{
    Default();
    CancelHover();
}

void CImageButton::OnMouseMove(UINT flags, CPoint point)
{
    Default();
    ClientToScreen(&point);
    const CWnd* under = WindowFromPoint(point);
    if ((flags & MK_LBUTTON) && !m_bMouseOnButton)
        return;
    if (!m_bIsFlat)
        return;
    const CWnd* active = m_bAlwaysTrack ? this : GetActiveWindow();
    if (under && under->m_hWnd == m_hWnd && active) {
        if (!m_bMouseOnButton) {
            m_bMouseOnButton = TRUE;
            Invalidate();
            TrackMouseLeave();
        }
    } else {
        CancelHover();
    }
}

void CImageButton::OnSysColorChange()
{
    Default();
}

BOOL CImageButton::OnClicked()
{
    SetFocus();
    if (m_bIsCheckBox) {
        m_nCheck = m_nCheck ? 0 : 1;
        Invalidate();
    }
    return FALSE;
}

LRESULT CImageButton::OnActivate(WPARAM state, LPARAM)
{
    const LRESULT result = Default();
    if (LOWORD(state) == WA_INACTIVE)
        CancelHover();
    return result;
}

LRESULT CImageButton::OnEnable(WPARAM enabled, LPARAM)
{
    const LRESULT result = Default();
    if (!enabled) {
        if (CWnd* parent = GetParent()) {
            CWnd* next = parent->GetNextDlgTabItem(this, FALSE);
            if (next && next != this)
                next->SetFocus();
            else
                parent->SetFocus();
        }
        CancelHover();
    }
    return result;
}

void CImageButton::OnCancelMode()
{
    Default();
    CancelHover();
}

LRESULT CImageButton::OnGetDlgCode(WPARAM, LPARAM)
{
    return static_cast<LRESULT>(Default()) | (m_bIsDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

HBRUSH CImageButton::CtlColor(CDC*, UINT)
{
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

LRESULT CImageButton::OnNothing(WPARAM, LPARAM)
{
    return 0;
}

LRESULT CImageButton::OnSetStyle(WPARAM style, LPARAM redraw)
{
    const DWORD type = static_cast<DWORD>(style) & kTypeBits;
    if (type == BS_DEFPUSHBUTTON)
        m_bIsDefault = TRUE;
    else if (type == BS_PUSHBUTTON)
        m_bIsDefault = FALSE;
    // The button stays owner-drawn whatever type the dialog manager gives it.
    return CButton::DefWindowProc(BM_SETSTYLE, (static_cast<DWORD>(style) & ~kTypeBits) | BS_OWNERDRAW, redraw);
}

LRESULT CImageButton::OnMouseLeave(WPARAM, LPARAM)
{
    CancelHover();
    return 0;
}

LRESULT CImageButton::OnSetCheck(WPARAM check, LPARAM)
{
    if (!m_bIsCheckBox)
        return 0;
    SetChecked(check == BST_CHECKED || check == BST_INDETERMINATE ? 1 : 0, TRUE);
    return 0;
}

LRESULT CImageButton::OnGetCheck(WPARAM, LPARAM)
{
    return m_bIsCheckBox ? GetChecked() : 0;
}
