#include "controls/ImageButton/IconButton.h"

#include "platform/ui/Images.h"
#include "platform/ui/Resources.h"
#include "platform/ui/SysColors.h"

RV_MESSAGE_MAP(CIconButton, CButton, msgmap::Mouse(WM_MOUSEMOVE, &T::OnMouseMove))

int StripAccelerator(CString& caption)
{
    const int at = caption.Find('&');
    if (at < 0)
        return -1;
    caption = caption.Left(at) + caption.Mid(at + 1);
    return at;
}

CIconButton::CIconButton()
    : m_iconSize(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)), m_textColour(GetSysColor(COLOR_BTNTEXT))
{
}

CIconButton::~CIconButton()
{
    m_font.DeleteObject();
}

void CIconButton::RecreateFont()
{
    m_font.DeleteObject();
    m_font.CreateFont(m_tm.tmHeight, m_tm.tmMaxCharWidth, 0, 0, m_tm.tmWeight, m_tm.tmItalic, m_tm.tmUnderlined,
                      m_tm.tmStruckOut, m_tm.tmCharSet, 0, 0, 0, m_tm.tmPitchAndFamily, m_strFace);
}

void CIconButton::SetFaceName(LPCTSTR face)
{
    m_strFace = face;
    RecreateFont();
}

void CIconButton::SetFontHeight(int height)
{
    m_tm.tmHeight = height;
    RecreateFont();
}

void CIconButton::Disable()
{
    EnableWindow(FALSE);
    Invalidate(TRUE);
    UpdateWindow();
}

void CIconButton::Enable()
{
    EnableWindow(TRUE);
    Invalidate(TRUE);
    UpdateWindow();
}

void CIconButton::DrawItem(LPDRAWITEMSTRUCT item)
{
    if (item->CtlType != ODT_BUTTON)
        return;
    CDC* dc = CDC::FromHandle(item->hDC);
    CRect rect = item->rcItem;
    const int width = rect.right;
    const int height = rect.bottom;
    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    const bool disabled = (item->itemState & ODS_DISABLED) != 0;
    if (selected && m_bTipEnabled && m_bTipShown)
        HideTip();

    CGdiObject* previousBrush = dc->SelectStockObject(NULL_BRUSH);
    dc->FillSolidRect(&rect, GetSysColor(COLOR_BTNFACE));
    dc->DrawFrameControl(&rect, DFC_BUTTON, DFCS_BUTTONPUSH | (selected ? DFCS_PUSHED : 0));

    const int iconWidth = m_iconSize.cx ? m_iconSize.cx : 32;
    const int iconHeight = m_iconSize.cy ? m_iconSize.cy : 32;
    CString text = GetWindowText();
    CPoint iconAt((width - iconWidth) / 2, (height - iconHeight) / 2);
    CPoint textAt;
    CSize textSize;
    int accelerator = -1;
    CFont* previousFont = nullptr;
    if (!text.IsEmpty()) {
        accelerator = StripAccelerator(text);
        if (m_font.GetSafeHandle())
            previousFont = dc->SelectObject(&m_font);
        textSize = dc->GetTextExtent(text);
        dc->SetBkMode(TRANSPARENT);
        dc->SetTextColor(m_textColour);
        const int textTop = height / 2 - textSize.cy / 2;
        if (m_nIconID == 0)
            textAt = CPoint(width / 2 - textSize.cx / 2, textTop);
        else if (!m_bIconRight)
            textAt = CPoint((width - iconWidth) / 2 - textSize.cx / 2 + iconWidth, textTop);
        else
            textAt = CPoint((width - iconWidth) / 2 - textSize.cx / 2, textTop);
        const int iconTop = (rect.Height() - iconHeight + 1) / 2;
        iconAt = m_bIconRight ? CPoint(width - iconWidth - 6, iconTop) : CPoint(6, iconTop);
    }
    HICON icon = m_nIconID != 0 ? LoadIconResource(m_nIconID, iconWidth, iconHeight) : nullptr;
    if (selected) {
        iconAt.Offset(1, 1);
        textAt.Offset(1, 1);
    }
    if (!disabled) {
        if (!text.IsEmpty())
            dc->TextOut(textAt.x, textAt.y, text);
        if (icon)
            DrawIconEx(dc->GetSafeHdc(), rect.left + iconAt.x, rect.top + iconAt.y, icon, iconWidth, iconHeight, 0,
                       nullptr, DI_NORMAL);
    } else {
        if (!text.IsEmpty())
            dc->DrawState(textAt, textSize, text, DSS_DISABLED, TRUE, 0, nullptr);
        if (icon) {
            HGDIOBJ mono = CopyImage(icon, IMAGE_ICON, iconWidth, iconHeight, LR_MONOCHROME);
            dc->DrawState(iconAt, CSize(iconWidth, iconHeight), mono, DSS_DISABLED, nullptr);
            DestroyIcon(mono);
        }
    }
    if (icon)
        DestroyIcon(icon);

    if (item->itemState & ODS_FOCUS) {
        CBrush frame(GetSysColor(COLOR_3DDKSHADOW));
        dc->FrameRect(&rect, &frame);
        rect.DeflateRect(4, 4);
        dc->DrawFocusRect(&rect);
    }
    if (selected) {
        const CRect& whole = item->rcItem;
        CPen shadow(PS_SOLID, 1, GetSysColor(COLOR_3DDKSHADOW));
        CPen light(PS_SOLID, 1, GetSysColor(COLOR_3DHIGHLIGHT));
        CPen* previousPen = dc->SelectObject(&shadow);
        dc->MoveTo(whole.left, whole.bottom - 1);
        dc->LineTo(whole.left, whole.top);
        dc->LineTo(whole.right - 1, whole.top);
        dc->SelectObject(&light);
        dc->LineTo(whole.right - 1, whole.bottom - 1);
        dc->LineTo(whole.left, whole.bottom - 1);
        dc->SelectObject(previousPen);
    }
    if (accelerator >= 0 && accelerator < text.GetLength() && !disabled) {
        CPen underline(PS_SOLID, 1, m_textColour);
        CPen* previousPen = dc->SelectObject(&underline);
        const int before = dc->GetTextExtent(text.Left(accelerator)).cx;
        const int letter = dc->GetTextExtent(text.Mid(accelerator, 1)).cx;
        dc->MoveTo(textAt.x + before, textAt.y + textSize.cy);
        dc->LineTo(textAt.x + before + letter, textAt.y + textSize.cy);
        dc->SelectObject(previousPen);
    }
    if (previousFont)
        dc->SelectObject(previousFont);
    dc->SelectObject(previousBrush);
}

// ---- hover tip -----------------------------------------------------------------------------

void CIconButton::OnMouseMove(UINT flags, CPoint point)
{
    if (m_bTipEnabled) {
        CRect client;
        GetClientRect(&client);
        if (!client.PtInRect(point)) {
            HideTip();
            ReleaseCapture();
        } else if (!m_bTipShown) {
            OnMouseEnter(flags, point);
        }
    }
    Default();
}

void CIconButton::OnMouseEnter(UINT, CPoint point)
{
    ClientToScreen(&point);
    m_ptTip = point;
    SetCapture();
    ShowTip();
}

void CIconButton::ShowTip()
{
    CWnd* parent = GetParent();
    if (m_bTipShown || !parent)
        return;
    CClientDC dc(parent);
    m_tipSize = dc.GetTextExtent(m_strTip);
    m_tipSize.cx += 4;
    m_tipSize.cy += 4;
    m_rcTip = CRect(CPoint(m_ptTip.x, m_ptTip.y), m_tipSize);
    CRect parentRect;
    parent->GetWindowRect(&parentRect);
    if (m_rcTip.right > parentRect.right)
        m_rcTip.OffsetRect(-(m_rcTip.right - parentRect.right + 5), 0);
    parent->ScreenToClient(&m_rcTip);
    CBrush yellow(RGB(255, 255, 0));
    CPen black(PS_SOLID, 1, RGB(0, 0, 0));
    CBrush* previousBrush = dc.SelectObject(&yellow);
    CPen* previousPen = dc.SelectObject(&black);
    dc.Rectangle(&m_rcTip);
    dc.SetBkMode(TRANSPARENT);
    CRect textRect = m_rcTip;
    dc.DrawText(m_strTip, &textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc.SelectObject(previousBrush);
    dc.SelectObject(previousPen);
    m_bTipShown = true;
}

void CIconButton::HideTip()
{
    if (!m_bTipShown)
        return;
    // What was drawn on the parent outside its paint goes when that area is erased.
    if (CWnd* parent = GetParent())
        parent->InvalidateRect(&m_rcTip, TRUE);
    m_bTipShown = false;
}
