#include "controls/groupbox/PanelGroupBox.h"

#include "platform/CodePage.h"
#include "platform/ui/SysColors.h"

RV_MESSAGE_MAP(CPanelGroupBox, CButton, msgmap::Simple(WM_PAINT, &T::OnPaint))

namespace {

// The caption stands this far in from the frame's sides in the frame look, and from the
// panel's sides and top in the panel look.
constexpr int kFrameInset = 10;
constexpr int kPanelInset = 2;

CString Padded(const CString& text)
{
    return " " + text + " ";
}

} // namespace

CPanelGroupBox::CPanelGroupBox()
    : m_crBorder(GetSysColor(COLOR_3DSHADOW)), m_crTitleBack(GetSysColor(COLOR_BTNFACE)),
      m_crClientBack(GetSysColor(COLOR_BTNFACE)), m_crTitleText(GetSysColor(COLOR_WINDOWTEXT))
{
}

CPanelGroupBox::~CPanelGroupBox()
{
    m_font.DeleteObject();
}

BOOL CPanelGroupBox::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= BS_ICON;
    return CButton::PreCreateWindow(cs);
}

void CPanelGroupBox::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    ModifyStyle(0, BS_ICON);
    CFont* font = GetFont();
    if (!font)
        font = CFont::FromHandle(static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
    font->GetLogFont(&m_lfFont);
    m_font.CreateFontIndirect(&m_lfFont);
}

CPanelGroupBox& CPanelGroupBox::UpdateSurface()
{
    if (!m_hWnd)
        return *this;
    CRect rect;
    GetWindowRect(&rect);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    if (CWnd* parent = GetParent()) {
        parent->ScreenToClient(&rect);
        parent->InvalidateRect(&rect, TRUE);
        parent->UpdateWindow();
    }
    return *this;
}

CPanelGroupBox& CPanelGroupBox::RebuildFont()
{
    m_font.DeleteObject();
    m_font.CreateFontIndirect(&m_lfFont);
    return UpdateSurface();
}

CPanelGroupBox& CPanelGroupBox::SetBorderColor(COLORREF colour)
{
    m_crBorder = colour;
    return UpdateSurface();
}

CPanelGroupBox& CPanelGroupBox::SetCaptionTextColor(COLORREF colour)
{
    m_crTitleText = colour;
    return UpdateSurface();
}

CPanelGroupBox& CPanelGroupBox::SetBackgroundColor(COLORREF title, COLORREF client)
{
    m_crTitleBack = title;
    m_crClientBack = client;
    return UpdateSurface();
}

CPanelGroupBox& CPanelGroupBox::SetBackgroundColor(COLORREF colour)
{
    return SetBackgroundColor(colour, colour);
}

CPanelGroupBox& CPanelGroupBox::SetGroupStyle(int style)
{
    m_nType = style;
    return UpdateSurface();
}

CPanelGroupBox& CPanelGroupBox::SetText(LPCTSTR text)
{
    if (m_hWnd)
        m_strTitle = Padded(text ? text : "");
    return UpdateSurface();
}

CPanelGroupBox& CPanelGroupBox::SetFontBold(BOOL bold)
{
    m_lfFont.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    return RebuildFont();
}

CPanelGroupBox& CPanelGroupBox::SetFontName(const CString& face, BYTE charSet)
{
    m_lfFont.lfFaceName = platform::CutToEncodedBytes(face.str(), kFaceBytes, platform::DiskEncoding::Gb18030);
    m_lfFont.lfCharSet = charSet;
    return RebuildFont();
}

CPanelGroupBox& CPanelGroupBox::SetFontUnderline(BOOL underline)
{
    m_lfFont.lfUnderline = static_cast<BYTE>(underline ? 1 : 0);
    return RebuildFont();
}

CPanelGroupBox& CPanelGroupBox::SetFontItalic(BOOL italic)
{
    m_lfFont.lfItalic = static_cast<BYTE>(italic ? 1 : 0);
    return RebuildFont();
}

CPanelGroupBox& CPanelGroupBox::SetFontSize(int points)
{
    CFont sized;
    sized.CreatePointFont(points * 10, m_lfFont.lfFaceName.c_str());
    LOGFONT made;
    sized.GetLogFont(&made);
    m_lfFont.lfHeight = made.lfHeight;
    m_lfFont.lfWidth = made.lfWidth;
    return RebuildFont();
}

CPanelGroupBox& CPanelGroupBox::SetFont(const LOGFONT& font)
{
    m_lfFont = font;
    m_lfFont.lfFaceName = platform::CutToEncodedBytes(font.lfFaceName, kFaceBytes, platform::DiskEncoding::Gb18030);
    return RebuildFont();
}

CPanelGroupBox& CPanelGroupBox::SetAlignment(int alignment)
{
    m_nAlignment = alignment >= kLeft && alignment <= kRight ? alignment : kLeft;
    return UpdateSurface();
}

void CPanelGroupBox::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    rc.DeflateRect(1, 1);
    CFont* previousFont = dc.SelectObject(&m_font);
    if (m_strTitle.IsEmpty()) {
        const CString text = GetWindowText();
        if (!text.IsEmpty())
            m_strTitle = Padded(text);
    }
    const CSize text = m_strTitle.IsEmpty() ? CSize(0, 0) : dc.GetTextExtent(m_strTitle);
    CRect caption;
    if (m_nType == 0) {
        caption.top = rc.top;
        caption.bottom = caption.top + text.cy;
        caption.left = m_nAlignment == kLeft     ? rc.left + kFrameInset
                       : m_nAlignment == kCentre ? rc.left + (rc.Width() - text.cx) / 2
                                                 : rc.right - kFrameInset - text.cx;
        caption.right = caption.left + text.cx;
        CRect frame(rc.left, rc.top + text.cy / 2, rc.right, 0);
        frame.bottom = frame.top + rc.Height() - text.cy / 2;
        CPen border(PS_SOLID, 1, m_crBorder);
        CPen* previousPen = dc.SelectObject(&border);
        CGdiObject* previousBrush = dc.SelectStockObject(NULL_BRUSH);
        dc.RoundRect(&frame, CPoint(1, 1));
        dc.SelectObject(previousPen);
        dc.SelectObject(previousBrush);
        dc.IntersectClipRect(&caption);
        CBrush titleBack(m_crTitleBack);
        dc.FillRect(&caption, &titleBack);
    } else {
        CPen border(PS_SOLID, 0, m_crBorder);
        CBrush panel(m_crTitleBack);
        CPen* previousPen = dc.SelectObject(&border);
        CBrush* previousBrush = dc.SelectObject(&panel);
        dc.RoundRect(&rc, CPoint(0, 0));
        dc.SelectObject(previousPen);
        dc.SelectObject(previousBrush);
        caption.top = rc.top + kPanelInset;
        caption.bottom = caption.top + text.cy;
        caption.left = m_nAlignment == kLeft     ? rc.left + kPanelInset
                       : m_nAlignment == kCentre ? rc.left + (rc.Width() - text.cx) / 2
                                                 : rc.right - kPanelInset - text.cx;
        caption.right = caption.left + text.cx;
        // Below the caption band the panel shows its client colour.
        const CRect client(rc.left + 1, caption.bottom + kPanelInset, rc.right - 1, rc.bottom - 1);
        if (client.top < client.bottom) {
            CBrush clientBack(m_crClientBack);
            dc.FillRect(&client, &clientBack);
        }
    }
    const int previousMode = dc.SetBkMode(TRANSPARENT);
    const COLORREF previousColour = dc.SetTextColor(m_crTitleText);
    dc.DrawText(m_strTitle, &caption, DT_SINGLELINE | DT_VCENTER | DT_NOCLIP);
    dc.SetBkMode(previousMode);
    dc.SetTextColor(previousColour);
    dc.SelectObject(previousFont);
}
