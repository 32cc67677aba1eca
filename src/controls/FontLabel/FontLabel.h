#pragma once
// A static label that paints its text in a face, size, style and colour of its own, on the
// button-face colour or a background colour of its own. The dialogs use it for live samples.

#include "platform/ui/DC.h"
#include "platform/ui/StandardControls.h"

// Style bits of SetLabelFont / SetFontStyle.
constexpr DWORD FST_BOLD = 1;
constexpr DWORD FST_ITALIC = 2;
constexpr DWORD FST_UNDERLINE = 4;
constexpr DWORD FST_STRIKEOUT = 8;
constexpr DWORD FST_ANTIALIAS = 16;
constexpr DWORD FST_CENTRE = 32;
constexpr DWORD FST_RIGHT = 128;

class CFontLabel : public CStatic {
    RV_DECLARE_MESSAGE_MAP()
public:
    bool m_bBold = false;
    bool m_bItalic = false;
    bool m_bUnderline = false;
    bool m_bStrikeOut = false;
    bool m_bAntialias = false;
    bool m_bBackground = false;
    bool m_bCenter = false;
    bool m_bLeft = true;
    bool m_bRight = false;
    CString m_strFace = "MS Sans Serif";
    COLORREF m_textColour = 0;
    COLORREF m_bkColour = 0;   // read only while m_bBackground is set
    int m_fontSize = 8;        // a font height: positive is the cell height

    // None of the setters repaints; the caller redraws the label.
    void SetLabelFont(const CString& face, int size, COLORREF textColour, DWORD styleFlags);
    // Bold, italic, underline, strike-out and smoothing are only ever turned on here; the
    // alignment is set afresh each time (centre wins over right).
    void SetFontStyle(DWORD styleFlags);
    void SetBackground(COLORREF colour);

protected:
    void PreSubclassWindow() override;
    void OnPaint();
};
