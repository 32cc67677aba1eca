#include "controls/FontLabel/FontLabel.h"

#include "platform/ui/SysColors.h"

#include <cstdio>

RV_MESSAGE_MAP(CFontLabel, CStatic, msgmap::Simple(WM_PAINT, &T::OnPaint))

void CFontLabel::SetLabelFont(const CString& face, int size, COLORREF textColour, DWORD styleFlags)
{
    m_strFace = face;
    m_fontSize = size;
    m_textColour = textColour;
    SetFontStyle(styleFlags);
}

void CFontLabel::SetFontStyle(DWORD styleFlags)
{
    if (styleFlags & FST_BOLD)
        m_bBold = true;
    if (styleFlags & FST_ITALIC)
        m_bItalic = true;
    if (styleFlags & FST_UNDERLINE)
        m_bUnderline = true;
    if (styleFlags & FST_STRIKEOUT)
        m_bStrikeOut = true;
    if (styleFlags & FST_ANTIALIAS)
        m_bAntialias = true;
    m_bCenter = m_bRight = m_bLeft = false;
    if (styleFlags & FST_CENTRE)
        m_bCenter = true;
    else if (styleFlags & FST_RIGHT)
        m_bRight = true;
    else
        m_bLeft = true;
}

void CFontLabel::SetBackground(COLORREF colour)
{
    m_bkColour = colour;
    m_bBackground = true;
}

void CFontLabel::PreSubclassWindow()
{
    ModifyStyle(0, SS_NOTIFY);
    CStatic::PreSubclassWindow();
}

void CFontLabel::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    const CString text = GetWindowText();
    dc.FillSolidRect(&client, m_bBackground ? m_bkColour : GetSysColor(COLOR_BTNFACE));
    dc.SetTextColor(m_textColour);
    dc.SetBkMode(TRANSPARENT);
    const UINT align = m_bCenter ? DT_CENTER : (m_bRight ? DT_RIGHT : DT_LEFT);
    CFont font;
    if (!font.CreateFont(m_fontSize, 0, 0, 0, m_bBold ? FW_HEAVY : FW_NORMAL, m_bItalic, m_bUnderline, m_bStrikeOut,
                         DEFAULT_CHARSET, OUT_CHARACTER_PRECIS, CLIP_CHARACTER_PRECIS,
                         m_bAntialias ? ANTIALIASED_QUALITY : 0, 0, m_strFace)) {
        // A box from inside a paint would come back with every repaint: say it once, show the background.
        static bool told = false;
        if (!told) {
            std::fputs("Font could not be created!\n", stderr);
            told = true;
        }
        return;
    }
    CFont* previous = dc.SelectObject(&font);
    // Wrapped lines that the label cannot hold whole would show as a cut stripe under the first;
    // then the text stays on one line, as much of it as fits.
    CRect needed = client;
    dc.DrawText(text, &needed, align | DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
    const UINT lines = needed.Height() > client.Height() ? DT_SINGLELINE : DT_WORDBREAK;
    dc.DrawText(text, &client, align | lines | DT_NOPREFIX);
    dc.SelectObject(previous);
}
