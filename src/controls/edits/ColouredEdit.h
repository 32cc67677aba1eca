#pragma once
// An edit box drawn in a text and background colour of its own; disabled, its background is
// white, and the chosen colour comes back when it is enabled again.

#include "platform/ui/CtlColor.h"
#include "platform/ui/StandardControls.h"

class CColouredEdit : public CEdit {
    RV_DECLARE_MESSAGE_MAP()
public:
    CColouredEdit();

    void SetTextColor(COLORREF colour);
    void SetBkColor(COLORREF colour);
    // In place of the window's own: the background follows the state.
    BOOL EnableWindow(BOOL enable = TRUE);

protected:
    HBRUSH CtlColor(CDC* dc, UINT kind);

private:
    void ShowBackground(COLORREF colour);

    CBrush m_backgroundBrush;
    COLORREF m_backgroundColour;   // the caller's, kept while disabled
    COLORREF m_shownColour;
    COLORREF m_textColour = RGB(0, 0, 0);
};
