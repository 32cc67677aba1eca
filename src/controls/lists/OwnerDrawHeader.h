#pragma once
// The header of the owner-drawn list: items painted with a vertical colour gradient, captions
// in a font and colour of its own, and a height scaled by a factor.

#include "platform/ui/HeaderCtrl.h"

#include <vector>

class COwnerDrawHeader : public CHeaderCtrl {
    RV_DECLARE_MESSAGE_MAP()
public:
    std::vector<CString> m_captions;   // one per column, in insertion order
    CString m_alignDigits;             // one per column: '0' left, '1' centre, '2' right
    int m_baseRed = 171;
    int m_baseGreen = 199;
    int m_baseBlue = 235;
    int m_gradientStep = 8;
    float m_heightScale = 1.0f;
    int m_fontHeight = 15;
    int m_fontWidth = 0;
    COLORREF m_textColour = 0;

    // What a column needs to show its caption whole, in the caption font on the DC.
    int CaptionWidth(int column, CDC& dc) const;

protected:
    void OnPaint();
    LRESULT OnLayout(WPARAM wParam, LPARAM lParam);

private:
    void CreateCaptionFont(CFont& font) const;
};

// The header height the list gets: the default height times the factor (widened to double
// precision, as the product is formed), cut toward zero.
int ScaleHeaderHeight(int height, float scale);
