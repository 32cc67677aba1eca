#include "controls/ColourButton/ColourDropDown.h"

#include "platform/ui/Monitors.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/WndClass.h"

#include <algorithm>
#include <iterator>

RV_MESSAGE_MAP(CColourDropDown, CWnd,
               msgmap::Simple(WM_NCDESTROY, &T::OnNcDestroy),
               msgmap::Mouse(WM_LBUTTONUP, &T::OnLButtonUp),
               msgmap::Simple(WM_PAINT, &T::OnPaint),
               msgmap::Mouse(WM_MOUSEMOVE, &T::OnMouseMove),
               msgmap::KeyDown(&T::OnKeyDown),
               msgmap::Focus(WM_KILLFOCUS, &T::OnKillFocus),
               msgmap::Message(WM_ACTIVATEAPP, &T::OnActivateApp))

static_assert(std::size(CColourDropDown::g_colourTable) <= 100, "the popup shows at most 100 colours");

CColourDropDown::CColourDropDown()
{
    InitMembers();
}

CColourDropDown::CColourDropDown(CPoint topLeft, COLORREF colour, CWnd* parent, LPCTSTR defaultText,
                                 LPCTSTR customText)
{
    InitMembers();
    m_crColour = m_crInitialColour = colour;
    m_pParent = parent;
    m_strDefaultText = defaultText;
    m_strCustomText = customText;
    Create(topLeft, colour, parent, defaultText, customText);
}

CColourDropDown::~CColourDropDown() = default;

void CColourDropDown::InitMembers()
{
    m_nNumColours = static_cast<int>(std::size(g_colourTable));
    m_nNumColumns = 0;
    m_nNumRows = 0;
    m_nBoxSize = 18;
    m_nMargin = GetSystemMetrics(SM_CXEDGE);
    m_nCurrentSel = INVALID_COLOUR;
    m_nChosenColourSel = INVALID_COLOUR;
    m_pParent = nullptr;
    m_crColour = m_crInitialColour = 0;
    m_bChildWindowVisible = FALSE;
    // A cell must keep room for its swatch inside the edges.
    if (m_nBoxSize - 2 * m_nMargin - 2 < 5)
        m_nBoxSize = 2 * m_nMargin + 7;
    NONCLIENTMETRICS metrics;
    SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    m_Font.CreateFontIndirect(&metrics.lfMessageFont);
}

BOOL CColourDropDown::Create(CPoint topLeft, COLORREF colour, CWnd* parent, LPCTSTR defaultText, LPCTSTR customText)
{
    if (!parent || !IsWindow(parent->m_hWnd))
        return FALSE;
    m_pParent = parent;
    m_crColour = m_crInitialColour = colour;
    const LPCTSTR windowClass = AfxRegisterWndClass(CS_CLASSDC | CS_SAVEBITS | CS_HREDRAW | CS_VREDRAW, nullptr,
                                                    GetSysColorBrush(COLOR_BTNFACE), nullptr);
    if (!CreateEx(0, windowClass, "", WS_VISIBLE | WS_POPUP, topLeft.x, topLeft.y, 100, 100, parent->m_hWnd, 0))
        return FALSE;
    if (defaultText)
        m_strDefaultText = defaultText;
    if (customText)
        m_strCustomText = customText;
    LayoutWindow();
    AddCellTooltips();
    FindChosenBox(colour);
    SetCapture();
    return TRUE;
}

int CColourDropDown::BoxIndex(int row, int column) const
{
    if ((row == CUSTOM_BOX_VALUE || column == CUSTOM_BOX_VALUE) && HasCustomBox())
        return CUSTOM_BOX_VALUE;
    if ((row == DEFAULT_BOX_VALUE || column == DEFAULT_BOX_VALUE) && HasDefaultBox())
        return DEFAULT_BOX_VALUE;
    if (row < 0 || column < 0 || row >= m_nNumRows || column >= m_nNumColumns)
        return INVALID_COLOUR;
    const int index = row * m_nNumColumns + column;
    return index < m_nNumColours ? index : INVALID_COLOUR;
}

int CColourDropDown::BoxRow(int index) const
{
    if (index == CUSTOM_BOX_VALUE && HasCustomBox())
        return CUSTOM_BOX_VALUE;
    if (index == DEFAULT_BOX_VALUE && HasDefaultBox())
        return DEFAULT_BOX_VALUE;
    // Before the layout there is no grid.
    if (index < 0 || index >= m_nNumColours || m_nNumColumns <= 0)
        return INVALID_COLOUR;
    return index / m_nNumColumns;
}

int CColourDropDown::BoxColumn(int index) const
{
    if (index == CUSTOM_BOX_VALUE && HasCustomBox())
        return CUSTOM_BOX_VALUE;
    if (index == DEFAULT_BOX_VALUE && HasDefaultBox())
        return DEFAULT_BOX_VALUE;
    if (index < 0 || index >= m_nNumColours || m_nNumColumns <= 0)
        return INVALID_COLOUR;
    return index % m_nNumColumns;
}

COLORREF CColourDropDown::CellColour(int index)
{
    return index >= 0 && index < static_cast<int>(std::size(g_colourTable)) ? g_colourTable[index].crColour : 0;
}

LPCTSTR CColourDropDown::CellName(int index)
{
    return index >= 0 && index < static_cast<int>(std::size(g_colourTable)) ? g_colourTable[index].szName : "";
}

BOOL CColourDropDown::GetBoxRect(int index, RECT* rect) const
{
    if (index == CUSTOM_BOX_VALUE) {
        *rect = m_CustomTextRect;
        return TRUE;
    }
    if (index == DEFAULT_BOX_VALUE) {
        *rect = m_DefaultTextRect;
        return TRUE;
    }
    const int row = BoxRow(index);
    if (row < 0)
        return FALSE;
    const int left = BoxColumn(index) * m_nBoxSize + m_nMargin;
    int top = row * m_nBoxSize + m_nMargin;
    if (HasDefaultBox())
        top += m_nMargin + m_DefaultTextRect.Height();
    *rect = CRect(left, top, left + m_nBoxSize, top + m_nBoxSize);
    return TRUE;
}

void CColourDropDown::FindChosenBox(COLORREF colour)
{
    if (colour == CLR_DEFAULT && HasDefaultBox()) {
        m_nChosenColourSel = DEFAULT_BOX_VALUE;
        return;
    }
    for (int i = 0; i < m_nNumColours; ++i) {
        if (CellColour(i) == colour) {
            m_nChosenColourSel = i;
            return;
        }
    }
    m_nChosenColourSel = HasCustomBox() ? CUSTOM_BOX_VALUE : INVALID_COLOUR;
}

void CColourDropDown::LayoutWindow()
{
    const int m = m_nMargin;
    CSize text(0, 0);
    if (HasDefaultBox() || HasCustomBox()) {
        CClientDC dc(this);
        CFont* font = dc.SelectObject(&m_Font);
        for (const CString* caption : {&m_strDefaultText, &m_strCustomText}) {
            if (caption->IsEmpty())
                continue;
            const CSize size = dc.GetTextExtent(*caption);
            text.cx = std::max(text.cx, size.cx);
            text.cy = std::max(text.cy, size.cy);
        }
        dc.SelectObject(font);
        text.cx += 2 * m;
        text.cy += 4 * m + 2;
    }

    m_nNumColumns = 8;
    m_nNumRows = m_nNumColours / m_nNumColumns + (m_nNumColours % m_nNumColumns ? 1 : 0);

    CRect window;
    GetWindowRect(&window);
    m_WindowRect.SetRect(window.left, window.top, window.left + m_nNumColumns * m_nBoxSize + 2 * m,
                         window.top + m_nNumRows * m_nBoxSize + 2 * m);
    if (HasDefaultBox()) {
        if (text.cx > m_WindowRect.Width())
            m_WindowRect.right = m_WindowRect.left + text.cx;
        text.cx = m_WindowRect.Width() - 2 * m;
        m_DefaultTextRect.SetRect(m, m, m + text.cx, text.cy + 2 * m);
        m_WindowRect.bottom += m_DefaultTextRect.Height() + 2 * m;
    }
    if (HasCustomBox()) {
        if (text.cx > m_WindowRect.Width())
            m_WindowRect.right = m_WindowRect.left + text.cx;
        text.cx = m_WindowRect.Width() - 2 * m;
        const int top = m_WindowRect.Height();
        m_CustomTextRect.SetRect(m, top, m + text.cx, top + m + text.cy);
        m_WindowRect.bottom += m_CustomTextRect.Height() + 2 * m;
    }

    // Keep the popup on the part of its button's screen that panels leave free; below its bottom
    // edge the popup goes above its button instead.
    MONITORINFO screen;
    const bool onScreen = GetMonitorInfo(MonitorFromWindow(m_pParent->m_hWnd, MONITOR_DEFAULTTONEAREST), &screen);
    const CRect area = onScreen ? CRect(screen.rcWork) : m_WindowRect;
    if (m_WindowRect.right > area.right)
        m_WindowRect.OffsetRect(area.right - m_WindowRect.right, 0);
    if (m_WindowRect.left < area.left)
        m_WindowRect.OffsetRect(area.left - m_WindowRect.left, 0);
    if (m_WindowRect.bottom > area.bottom) {
        CRect button;
        m_pParent->GetWindowRect(&button);
        m_WindowRect.OffsetRect(0, -(button.Height() + m_WindowRect.Height()));
    }
    MoveWindow(&m_WindowRect, TRUE);
}

void CColourDropDown::AddCellTooltips()
{
    if (!m_ToolTip.Create(this))
        return;
    for (int i = 0; i < m_nNumColours; ++i) {
        CRect rect;
        if (GetBoxRect(i, &rect))
            m_ToolTip.AddTool(this, CellName(i), &rect, 1);
    }
}

BOOL CColourDropDown::PreTranslateMessage(MSG* message)
{
    m_ToolTip.RelayEvent(message);
    CWnd* holder = GetCapture();
    if (holder && holder != this)
        SetCapture();
    return CWnd::PreTranslateMessage(message);
}
