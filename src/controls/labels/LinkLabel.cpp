#include "controls/labels/LinkLabel.h"

#include "platform/Shell.h"
#include "platform/ui/DC.h"
#include "platform/ui/Menu.h"
#include "platform/ui/SysColors.h"

RV_MESSAGE_MAP(CLinkLabel, CStatic,
               msgmap::ControlReflect(STN_CLICKED, &T::OnClicked),
               msgmap::CtlColorReflect(&T::CtlColor),
               msgmap::Timer(&T::OnTimer),
               msgmap::Message(WM_SETCURSOR, &T::OnSetCursor),
               msgmap::Simple(WM_DESTROY, &T::OnDestroy))

namespace {

constexpr UINT_PTR kHoverTimer = 1;
constexpr UINT kHoverPeriodMs = 100;
constexpr UINT_PTR kTool = 1;

} // namespace

CLinkLabel::~CLinkLabel()
{
    m_underlineFont.DeleteObject();
    if (m_hLinkCursor)
        DestroyCursor(m_hLinkCursor);
}

void CLinkLabel::PreSubclassWindow()
{
    ModifyStyle(0, SS_NOTIFY);
    const CString text = GetWindowText();
    if (m_strURL.IsEmpty())
        m_strURL = text;
    if (text.IsEmpty())
        SetWindowText(m_strURL);
    MakeUnderlineFont();
    FitToText();
    LoadHandCursor();
    m_toolTip.Create(this);
    CRect client;
    GetClientRect(&client);
    m_toolTip.AddTool(this, m_strURL, &client, kTool);
    SetTimer(kHoverTimer, kHoverPeriodMs);
    CStatic::PreSubclassWindow();
}

void CLinkLabel::MakeUnderlineFont()
{
    LOGFONT description;
    CFont* current = GetFont();
    if (!current && GetParent())
        current = GetParent()->GetFont();
    if (current)
        current->GetLogFont(&description);
    else
        CFont::FromHandle(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)))->GetLogFont(&description);
    description.lfUnderline = static_cast<BYTE>(m_bUnderline ? 1 : 0);
    m_underlineFont.DeleteObject();
    m_underlineFont.CreateFontIndirect(&description);
    SetFont(&m_underlineFont, TRUE);
}

void CLinkLabel::FitToText()
{
    CWnd* parent = GetParent();
    if (!m_hWnd || !m_bFitToText || !parent)
        return;
    CRect rect;
    GetWindowRect(&rect);
    parent->ScreenToClient(&rect);
    CSize text;
    {
        CClientDC dc(this);
        CFont* previous = dc.SelectObject(&m_underlineFont);
        text = dc.GetTextExtent(GetWindowText());
        dc.SelectObject(previous);
    }
    const DWORD style = GetStyle();
    if (style & SS_CENTERIMAGE) {
        const int excess = (rect.Height() - text.cy) / 2;
        rect.top += excess;
        rect.bottom -= excess;
    } else {
        rect.bottom = rect.top + text.cy;
    }
    const DWORD alignment = style & SS_TYPEMASK;
    if (alignment == SS_CENTER) {
        const int excess = (rect.Width() - text.cx) / 2;
        rect.left += excess;
        rect.right -= excess;
    } else if (alignment == SS_RIGHT) {
        rect.left = rect.right - text.cx;
    } else {
        rect.right = rect.left + text.cx;
    }
    SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER);
}

// The desktop's own hand, copied so the label owns what it destroys.
void CLinkLabel::LoadHandCursor()
{
    if (!m_hLinkCursor)
        m_hLinkCursor = CopyCursor(LoadCursor(nullptr, IDC_HAND));
}

void CLinkLabel::SetURL(const CString& url)
{
    m_strURL = url;
    if (m_hWnd) {
        FitToText();
        m_toolTip.UpdateTipText(url, this, kTool);
    }
}

void CLinkLabel::SetColours(COLORREF link, COLORREF visited, COLORREF hover)
{
    m_linkColour = link;
    m_visitedColour = visited;
    m_hoverColour = hover == static_cast<COLORREF>(-1) ? GetSysColor(COLOR_HIGHLIGHT) : hover;
    if (m_hWnd)
        Invalidate();
}

void CLinkLabel::SetVisited(BOOL visited)
{
    m_bVisited = visited;
    if (m_hWnd)
        Invalidate();
}

void CLinkLabel::SetLinkCursor(HCURSOR cursor)
{
    if (m_hLinkCursor && m_hLinkCursor != cursor)
        DestroyCursor(m_hLinkCursor);
    m_hLinkCursor = cursor;
    if (!m_hLinkCursor)
        LoadHandCursor();
}

void CLinkLabel::SetUnderline(BOOL underline)
{
    m_bUnderline = underline;
    if (m_hWnd) {
        MakeUnderlineFont();
        Invalidate();
    }
}

void CLinkLabel::SetFitToText(BOOL fit)
{
    m_bFitToText = fit;
    if (m_hWnd)
        FitToText();
}

BOOL CLinkLabel::GotoURL(LPCTSTR url)
{
    return platform::ShellOpen(url ? url : "") ? TRUE : FALSE;
}

void CLinkLabel::ShowOpenError(int error)
{
    CString text;
    text.Format("Unable to open hyperlink:\n\nUnknown error (%d) occurred.", error);
    MessageBox(text, nullptr, MB_ICONEXCLAMATION);
}

BOOL CLinkLabel::PreTranslateMessage(MSG* message)
{
    m_toolTip.RelayEvent(message);
    return CStatic::PreTranslateMessage(message);
}

void CLinkLabel::OnClicked()
{
    m_bVisited = TRUE;
    SetVisited(TRUE);
    GotoURL(m_strURL);
}

HBRUSH CLinkLabel::CtlColor(CDC* dc, UINT)
{
    dc->SetTextColor(m_bHovering ? m_hoverColour : m_bVisited ? m_visitedColour : m_linkColour);
    dc->SetBkMode(TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

void CLinkLabel::OnTimer(UINT_PTR id)
{
    if (id != kHoverTimer)
        return;
    POINT pointer;
    GetCursorPos(&pointer);
    CRect rect;
    GetWindowRect(&rect);
    m_bHovering = rect.PtInRect(pointer);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
}

LRESULT CLinkLabel::OnSetCursor(WPARAM, LPARAM)
{
    if (!m_hLinkCursor)
        return FALSE;
    SetCursor(m_hLinkCursor);
    return TRUE;
}

void CLinkLabel::OnDestroy()
{
    KillTimer(kHoverTimer);
    Default();
}
