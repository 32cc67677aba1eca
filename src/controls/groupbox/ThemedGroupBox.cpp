#include "controls/groupbox/ThemedGroupBox.h"

#include "controls/IconPixels.h"
#include "controls/groupbox/VisualStyles.h"
#include "platform/CodePage.h"
#include "platform/ui/Images.h"
#include "platform/ui/Resources.h"
#include "platform/ui/SysColors.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

RV_MESSAGE_MAP(CThemedGroupBox, CStatic,
               msgmap::EraseBackground(&T::OnEraseBkgnd),
               msgmap::Simple(WM_PAINT, &T::OnPaint))

namespace {

// One paint at a time over all boxes: a nested paint does nothing.
bool g_painting = false;

constexpr int kPointsPerInch = 72;
// A LOGFONT face holds 31 characters and its terminator.
constexpr size_t kLongestFace = 31;

int DisplayPixelsPerInch()
{
    CDC display;
    display.CreateDC("DISPLAY", nullptr, nullptr, nullptr);
    const int pixels = display.GetDeviceCaps(LOGPIXELSY);
    display.DeleteDC();
    return pixels;
}

} // namespace

std::array<COLORREF, 256> g_grayRamp;

CThemedGroupBox::CThemedGroupBox() : m_crText(GetSysColor(COLOR_BTNTEXT)), m_crBackground(GetSysColor(COLOR_BTNFACE))
{
}

CThemedGroupBox::~CThemedGroupBox()
{
    ClearIcons();
}

CThemedGroupBox& CThemedGroupBox::Done(BOOL redraw)
{
    if (redraw && m_hWnd)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return *this;
}

CThemedGroupBox& CThemedGroupBox::SetTextColor(COLORREF colour, BOOL redraw)
{
    m_crText = colour;
    return Done(redraw);
}

CThemedGroupBox& CThemedGroupBox::SetBorderColor(COLORREF colour, BOOL redraw)
{
    m_crBorder = colour;
    return Done(redraw);
}

CThemedGroupBox& CThemedGroupBox::SetBold(BOOL bold, BOOL redraw)
{
    LOGFONT logFont;
    GetLogFont(&logFont);
    logFont.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    return SetFont(&logFont, redraw);
}

CThemedGroupBox& CThemedGroupBox::SetAlignment(int alignment, BOOL redraw)
{
    m_nAlignment = alignment;
    return Done(redraw);
}

CThemedGroupBox& CThemedGroupBox::SetBorderStyle(int style, BOOL redraw)
{
    m_nBorderStyle = style;
    return Done(redraw);
}

CThemedGroupBox& CThemedGroupBox::SetControlStyle(int style, BOOL redraw)
{
    m_nControlStyle = style;
    return Done(redraw);
}

CThemedGroupBox& CThemedGroupBox::SetIconAlignment(int alignment, BOOL redraw)
{
    m_nIconAlignment = alignment;
    return Done(redraw);
}

CThemedGroupBox& CThemedGroupBox::SetDisabledStyle(BOOL grey, BOOL redraw)
{
    m_bGrayDisabled = grey;
    return Done(redraw);
}

CThemedGroupBox& CThemedGroupBox::SetMargins(int x, int y, BOOL redraw)
{
    m_nXMargin = x;
    m_nYMargin = y;
    return Done(redraw);
}

CThemedGroupBox& CThemedGroupBox::SetIconSpacing(int spacing, BOOL redraw)
{
    m_nIconSpacing = spacing;
    return Done(redraw);
}

void CThemedGroupBox::ClearIcons()
{
    if (m_hIcon && m_bDestroyIcon)
        DestroyIcon(m_hIcon);
    if (m_hGrayIcon)
        DestroyIcon(m_hGrayIcon);
    m_hIcon = m_hGrayIcon = nullptr;
}

CThemedGroupBox& CThemedGroupBox::SetIcon(HICON icon, int size, BOOL redraw)
{
    ClearIcons();
    m_hIcon = icon;
    m_nIconSize = icon ? size : 0;
    m_bDestroyIcon = FALSE;
    return Done(redraw);
}

CThemedGroupBox& CThemedGroupBox::SetIcon(UINT iconId, int size, BOOL redraw)
{
    ClearIcons();
    m_hIcon = iconId != 0 ? LoadIconResource(iconId, size, size) : nullptr;
    m_nIconSize = m_hIcon ? size : 0;
    m_bDestroyIcon = TRUE;
    return Done(redraw);
}

CThemedGroupBox& CThemedGroupBox::SetImageList(CImageList* list, int index, BOOL redraw)
{
    ClearIcons();
    m_nIconSize = 0;
    if (list && list->GetSafeHandle() && index >= 0 && index < list->GetImageCount()) {
        int width = 0, height = 0;
        ImageList_GetIconSize(list->GetSafeHandle(), &width, &height);
        m_hIcon = list->ExtractIcon(index);
        m_nIconSize = m_hIcon ? height : 0;
        m_bDestroyIcon = TRUE;
    }
    return Done(redraw);
}

CThemedGroupBox& CThemedGroupBox::SetWindowText(LPCTSTR text, BOOL redraw)
{
    m_sizeText.cx = 0;
    CStatic::SetWindowText(text ? text : "");
    return Done(redraw);
}

CThemedGroupBox& CThemedGroupBox::SetWindowText(UINT stringId, BOOL redraw)
{
    return SetWindowText(LoadResourceString(stringId).value_or(CString()), redraw);
}

CThemedGroupBox& CThemedGroupBox::SetFont(const LOGFONT* logFont, BOOL redraw)
{
    if (!logFont)
        return *this;
    m_font.DeleteObject();
    m_font.CreateFontIndirect(logFont);
    m_sizeText.cx = 0;
    return Done(redraw);
}

CThemedGroupBox& CThemedGroupBox::SetFont(LPCTSTR face, int points, BOOL redraw)
{
    LOGFONT logFont;
    if (face && *face)
        logFont.lfFaceName = std::string(face, platform::Utf8CharactersLength(face, kLongestFace));
    else
        GetLogFont(&logFont);
    logFont.lfHeight = PointsToHeight(points);
    return SetFont(&logFont, redraw);
}

CThemedGroupBox& CThemedGroupBox::SetFont(CFont* font, BOOL redraw)
{
    LOGFONT logFont;
    if (font && font->GetSafeHandle()) {
        font->GetLogFont(&logFont);
        return SetFont(&logFont, redraw);
    }
    return GetUsableLogFont(&logFont) ? SetFont(&logFont, redraw) : *this;
}

BOOL CThemedGroupBox::GetUsableLogFont(LOGFONT* logFont) const
{
    CFont* usable = CStatic::GetFont();
    if (!usable && GetParent())
        usable = GetParent()->GetFont();
    if (usable && usable->GetSafeHandle()) {
        usable->GetLogFont(logFont);
        return TRUE;
    }
    return GetObject(GetStockObject(DEFAULT_GUI_FONT), sizeof(LOGFONT), logFont) != 0;
}

BOOL CThemedGroupBox::GetLogFont(LOGFONT* logFont) const
{
    if (!logFont)
        return FALSE;
    if (m_font.GetSafeHandle())
        m_font.GetLogFont(logFont);
    return TRUE;
}

BOOL CThemedGroupBox::GetBold() const
{
    LOGFONT logFont;
    GetLogFont(&logFont);
    return logFont.lfWeight == FW_BOLD;
}

CString CThemedGroupBox::GetFontFaceName() const
{
    if (!m_font.GetSafeHandle())
        return "MS Sans Serif";
    LOGFONT logFont;
    GetLogFont(&logFont);
    return CString(logFont.lfFaceName);
}

int CThemedGroupBox::GetFontPointSize() const
{
    if (!m_font.GetSafeHandle())
        return 8;
    LOGFONT logFont;
    GetLogFont(&logFont);
    return HeightToPoints(logFont.lfHeight);
}

int CThemedGroupBox::PointsToHeight(int points)
{
    return -MulDiv(points, DisplayPixelsPerInch(), kPointsPerInch);
}

int CThemedGroupBox::HeightToPoints(int height)
{
    return std::abs(MulDiv(height, kPointsPerInch, DisplayPixelsPerInch()));
}

void CThemedGroupBox::TakeThemeTextColour()
{
    m_crText = kDefaultColour;
    if (!g_visualStyles.HasTheme() ||
        g_visualStyles.GetThemeColor(BP_GROUPBOX, GBS_NORMAL, TMT_TEXTCOLOR, &m_crText) != 0 ||
        m_crText == kDefaultColour)
        m_crText = GetSysColor(COLOR_HIGHLIGHT);
}

CThemedGroupBox& CThemedGroupBox::EnableTheme(BOOL enable, BOOL redraw)
{
    m_bThemeEnabled = enable;
    if (enable && m_bThemed) {
        m_crBorder = kDefaultColour;
        TakeThemeTextColour();
    }
    return Done(redraw);
}

BOOL CThemedGroupBox::EnableWindow(BOOL enable, BOOL recurse)
{
    const BOOL result = CStatic::EnableWindow(enable);
    CWnd* parent = GetParent();
    if (!recurse || !parent)
        return result;
    CRect box;
    GetWindowRect(&box);
    bool changed = false;
    for (CWnd* child = parent->GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT)) {
        if (child == this)
            continue;
        CRect rect;
        child->GetWindowRect(&rect);
        if (rect.left >= box.left && rect.right <= box.right && rect.top >= box.top && rect.bottom <= box.bottom) {
            child->EnableWindow(enable);
            changed = true;
        }
    }
    if (changed && IsWindow(parent->m_hWnd))
        parent->InvalidateRect(nullptr, FALSE);
    return result;
}

void CThemedGroupBox::PreSubclassWindow()
{
    ModifyStyle(WS_BORDER | SS_SUNKEN, 0);
    ModifyStyleEx(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE, 0);
    m_bThemed = g_visualStyles.IsThemeActive() && g_visualStyles.IsAppThemed()
                    ? g_visualStyles.OpenThemeData(nullptr, L"BUTTON")
                    : FALSE;
    if (m_bThemed)
        TakeThemeTextColour();
    else
        m_crText = GetSysColor(COLOR_BTNTEXT);
    // The caption draws in whatever character set its text needs, not the dialog font's.
    if (LOGFONT logFont; GetUsableLogFont(&logFont)) {
        logFont.lfCharSet = DEFAULT_CHARSET;
        SetFont(&logFont, FALSE);
    }
    CStatic::PreSubclassWindow();
}

BOOL CThemedGroupBox::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CThemedGroupBox::OnPaint()
{
    if (g_painting)
        return;
    g_painting = true;
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    Draw(&dc, client);
    g_painting = false;
}

void CThemedGroupBox::Draw(CDC* dc, const CRect& rc)
{
    if (!dc || !dc->GetSafeHdc())
        return;
    if (m_sizeText.cx == 0) {
        const CString text = GetWindowText();
        CFont* previous = dc->SelectObject(&m_font);
        if (!text.IsEmpty())
            m_sizeText = dc->GetTextExtent(text);
        dc->SelectObject(previous);
    }
    const int band = std::max<int>(m_sizeText.cy, m_nIconSize) + 1;
    CRect caption = rc;
    caption.bottom = rc.top + band;
    CRect textRect = caption;
    m_nHalfBand = band / 2;
    CRect frame = rc;
    frame.top += m_nHalfBand;
    CRect iconRect = rc;
    iconRect.top = frame.top - m_nIconSize / 2;
    iconRect.bottom = iconRect.top + m_nIconSize;

    const Colours colours = AskParentColours(dc);
    // The caption band is the box's own colour; below it (frame style) the parent shows through,
    // which is what copying the parent's pixels achieves on Windows. A brush from the parent
    // paints the whole box, as it paints any static.
    CRect fill = rc;
    if (IsFrameStyle() && !colours.background)
        fill.bottom = rc.top + 2 * m_nHalfBand;
    FillBackground(dc, fill, colours.background);
    CGdiObject* previousBrush = dc->SelectStockObject(NULL_BRUSH);
    if (IsFrameStyle())
        m_rcFrame = frame;
    DrawBorder(dc, frame);
    dc->SelectObject(previousBrush);

    CalcCaptionRect(caption);
    FillBackground(dc, caption, colours.background);
    textRect.left = iconRect.left = caption.left;
    DrawCaption(dc, textRect, iconRect, colours);
}

// As every static does, the box asks its parent for its colours: the answer's brush paints the
// background, and what the parent leaves in the DC draws the caption. Without an answer the
// box's own colours stand.
CThemedGroupBox::Colours CThemedGroupBox::AskParentColours(CDC* dc)
{
    dc->SetTextColor(Disabled() && m_bGrayDisabled ? GetSysColor(COLOR_GRAYTEXT) : m_crText);
    dc->SetBkColor(GetSysColor(COLOR_BTNFACE));
    dc->SetBkMode(OPAQUE);
    CWnd* parent = GetParent();
    const LRESULT answer = parent ? parent->SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc->GetSafeHdc()),
                                                        reinterpret_cast<LPARAM>(m_hWnd))
                                  : 0;
    return Colours{reinterpret_cast<HBRUSH>(answer), dc->GetTextColor(), dc->GetBkColor(), dc->GetBkMode()};
}

void CThemedGroupBox::FillBackground(CDC* dc, const CRect& rect, HBRUSH brush) const
{
    if (brush)
        dc->FillRect(&rect, CBrush::FromHandle(brush));
    else
        dc->FillSolidRect(&rect, m_crBackground);
}

void CThemedGroupBox::CalcCaptionRect(CRect& r) const
{
    const CRect incoming = r;
    r.OffsetRect(0, m_nYMargin);
    int width = m_sizeText.cx + m_nIconSize;
    if (m_sizeText.cx != 0 && m_hIcon)
        width += m_nIconSpacing;
    if (IsFrameStyle()) {
        width += 6;
        if (m_nAlignment == 0)
            r.left += m_nXMargin;
        else if (m_nAlignment == 1)
            r.left += (incoming.Width() - width) / 2;
        else
            r.left = incoming.right - width - m_nXMargin;
        r.right = r.left + width;
        return;
    }
    if (m_nAlignment == 0) {
        r.right = r.left + width + 3;
    } else if (m_nAlignment == 1) {
        width += 6;
        r.left += (incoming.Width() - width) / 2;
        r.right = r.left + width;
    } else {
        r.left = incoming.right - (width + 3);
        r.right = r.left + width + 3;
    }
}

void CThemedGroupBox::DrawBorder(CDC* dc, const CRect& frame)
{
    const bool themed = g_visualStyles.HasTheme() && m_bThemeEnabled;
    if (!IsFrameStyle()) {
        DrawHeaderLine(dc, frame, m_crBorder == kDefaultColour ? GetSysColor(COLOR_3DSHADOW) : m_crBorder);
        return;
    }
    if (m_crBorder == kDefaultColour && themed)
        g_visualStyles.DrawThemeBackground(dc->GetSafeHdc(), BP_GROUPBOX, GBS_NORMAL, &frame, nullptr);
    else
        DrawFrameRect(dc, frame, m_crBorder == kDefaultColour ? GetSysColor(COLOR_3DSHADOW) : m_crBorder);
}

void CThemedGroupBox::DrawFrameRect(CDC* dc, CRect rect, COLORREF colour)
{
    CPen pen(PS_SOLID, 1, Disabled() ? GetSysColor(COLOR_3DSHADOW) : colour);
    CPen* previous = dc->SelectObject(&pen);
    if (m_nBorderStyle == 1) {
        rect.right -= 1;
        rect.bottom -= 1;
        CPen highlight(PS_SOLID, 2, GetSysColor(COLOR_3DHILIGHT));
        dc->SelectObject(&highlight);
        CRect shifted = rect;
        shifted.OffsetRect(1, 1);
        dc->Rectangle(&shifted);
        dc->SelectObject(&pen);
    }
    dc->Rectangle(&rect);
    dc->SelectObject(previous);
}

void CThemedGroupBox::DrawHeaderLine(CDC* dc, const CRect& rect, COLORREF colour)
{
    CPen pen(PS_SOLID, 1, Disabled() ? GetSysColor(COLOR_3DSHADOW) : colour);
    CPen* previous = dc->SelectObject(&pen);
    dc->MoveTo(rect.left, rect.top);
    dc->LineTo(rect.right, rect.top);
    if (m_nBorderStyle == 1) {
        CPen highlight(PS_SOLID, 1, GetSysColor(COLOR_3DHILIGHT));
        dc->SelectObject(&highlight);
        dc->MoveTo(rect.left, rect.top + 1);
        dc->LineTo(rect.right, rect.top + 1);
    }
    dc->SelectObject(previous);
}

void CThemedGroupBox::DrawCaption(CDC* dc, CRect textRect, CRect iconRect, const Colours& colours)
{
    const int indent = IsFrameStyle() || m_nAlignment != 0 ? 3 : 0;
    if (m_nIconAlignment == 2) {
        textRect.left += indent;
        iconRect.left = DrawCaptionText(dc, textRect, colours) + (m_sizeText.cx != 0 ? m_nIconSpacing : 0);
        iconRect.right = iconRect.left + m_nIconSize;
        DrawCaptionIcon(dc, iconRect);
        return;
    }
    iconRect.left += indent;
    iconRect.right = iconRect.left + m_nIconSize;
    textRect.left = DrawCaptionIcon(dc, iconRect) + (m_hIcon ? m_nIconSpacing : 0);
    DrawCaptionText(dc, textRect, colours);
}

int CThemedGroupBox::DrawCaptionIcon(CDC* dc, const CRect& rect)
{
    if (!m_hIcon)
        return rect.left;
    HICON icon = m_hIcon;
    if (Disabled() && m_bGrayDisabled) {
        if (!m_hGrayIcon)
            m_hGrayIcon = CreateGrayscaleIcon(m_hIcon);
        icon = m_hGrayIcon;
    }
    if (icon)
        DrawIconEx(dc->GetSafeHdc(), rect.left, rect.top, icon, m_nIconSize, m_nIconSize, 0, nullptr, DI_NORMAL);
    return rect.right;
}

int CThemedGroupBox::DrawCaptionText(CDC* dc, CRect rect, const Colours& colours)
{
    const CString text = GetWindowText();
    if (text.IsEmpty())
        return rect.left;
    dc->SetTextColor(colours.text);
    dc->SetBkColor(colours.textBackground);
    dc->SetBkMode(colours.textMode);
    CFont* previous = dc->SelectObject(&m_font);
    rect.right = rect.left + m_sizeText.cx;
    dc->DrawText(text, &rect, DT_SINGLELINE | DT_VCENTER);
    dc->SelectObject(previous);
    return rect.right;
}

HICON CThemedGroupBox::CreateGrayscaleIcon(HICON icon)
{
    if (!m_bGrayRampBuilt) {
        for (size_t i = 0; i < g_grayRamp.size(); ++i) {
            const auto grey = static_cast<BYTE>(255 - i);
            g_grayRamp[i] = RGB(grey, grey, grey);
        }
        m_bGrayRampBuilt = TRUE;
    }
    return RecolourIcon(icon, [](std::uint32_t pixel) {
        const std::uint32_t b = pixel & 0xFF, g = (pixel >> 8) & 0xFF, r = (pixel >> 16) & 0xFF;
        const std::uint32_t alpha = pixel >> 24;
        std::uint32_t level = 255 - (b + g + r) / 3;
        if (alpha == 0 && level == 255)
            return pixel;
        if (level == 0)
            level = 1;
        return (alpha << 24) | g_grayRamp[level];
    });
}
