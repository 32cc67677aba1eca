#pragma once
// A toolbar control drawn flat: a hot, checked or pressed button gets a light fill in a thin
// frame and no edges of the control's own; other buttons get no background and no edge. The
// control still draws the images and texts.

#include "platform/ui/ToolBarCtrl.h"

class CFlatToolBar : public CToolBarCtrl {
    RV_DECLARE_MESSAGE_MAP()
public:
    CFlatToolBar();

    // Buttons and their bitmap from the toolbar resource of that id and the bitmap resource
    // of the same id.
    BOOL LoadToolBar(UINT resourceId);

    void OnCustomDraw(NMHDR* header, LRESULT* result);

    COLORREF m_crHot;
    COLORREF m_crPressed;
    COLORREF m_crChecked;
    COLORREF m_crBorder;

private:
    void FillButton(CDC& dc, const RECT& rect, COLORREF fill) const;
};
