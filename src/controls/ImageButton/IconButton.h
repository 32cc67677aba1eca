#pragma once
// An owner-drawn push button with an optional icon and a caption in a font and colour of its
// own, a pressed look, a focus frame, a disabled look and an underlined accelerator letter.
// It can show a hover tip, off unless m_bTipEnabled is set (no window of the program sets it).

#include "platform/ui/DC.h"
#include "platform/ui/StandardControls.h"

class CIconButton : public CButton {
    RV_DECLARE_MESSAGE_MAP()
public:
    CIconButton();
    ~CIconButton() override;

    void RecreateFont();
    void SetFaceName(LPCTSTR face);
    void SetFontHeight(int height);
    void SetTextColor(COLORREF colour) { m_textColour = colour; }
    void Disable();
    void Enable();

    bool m_bIconRight = false;
    TEXTMETRIC m_tm;
    CSize m_iconSize;
    UINT m_nIconID = 0;
    COLORREF m_textColour;
    CFont m_font;
    CString m_strFace;
    bool m_bTipEnabled = false;
    bool m_bTipShown = false;
    CString m_strTip;
    CSize m_tipSize;
    CPoint m_ptTip;
    CRect m_rcTip;

    void DrawItem(LPDRAWITEMSTRUCT item) override;

protected:
    void OnMouseMove(UINT flags, CPoint point);
    // The tip opens when the pointer first comes over the button.
    void OnMouseEnter(UINT flags, CPoint point);

private:
    void ShowTip();
    void HideTip();
};

// Removes the first "&" of a caption; returns the index of the letter that followed it, or -1.
int StripAccelerator(CString& caption);
