#pragma once
// A push button showing its colour as a swatch beside a drop arrow. A click opens the colour
// popup under it; what the popup reports reaches the dialog as colour messages.

#include "controls/ColourButton/ColourMessages.h"
#include "platform/ui/DC.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/StandardControls.h"

class CColorButton : public CButton {
    RV_DECLARE_MESSAGE_MAP()
public:
    CColorButton();

    // CLR_DEFAULT stands for the default colour.
    COLORREF GetColor() const { return m_crColour; }
    // Redraws at once when the button has a window.
    void SetColor(COLORREF colour);
    COLORREF GetDefaultColor() const { return m_crDefaultColour; }
    void SetDefaultColor(COLORREF colour) { m_crDefaultColour = colour; }
    // Captions of the popup's default and custom boxes; an empty one leaves the box out.
    void SetDefaultText(LPCTSTR text) { m_strDefaultText = text; }
    void SetCustomText(LPCTSTR text) { m_strCustomText = text; }
    // With tracking on, the button takes each colour the popup's selection moves onto.
    void SetTrackSelection(BOOL track) { m_bTrackSelection = track; }
    BOOL GetTrackSelection() const { return m_bTrackSelection; }

    // A filled triangle pointing down (0), up (1), left (2) or right (3) in the rectangle.
    static void DrawArrow(CDC* dc, RECT* rect, int direction, COLORREF colour);

    void DrawItem(LPDRAWITEMSTRUCT item) override;
    void PreSubclassWindow() override;

    COLORREF m_crColour;
    COLORREF m_crDefaultColour;
    CString m_strDefaultText;
    CString m_strCustomText;
    BOOL m_bPopupActive = FALSE;
    BOOL m_bTrackSelection = FALSE;
    // The colour the dialog was last told of since the popup opened.
    COLORREF m_crLastReported = 0;

protected:
    BOOL OnClicked();
    LRESULT OnCreate(WPARAM wParam, LPARAM lParam);
    LRESULT OnSelEndOK(WPARAM wParam, LPARAM lParam);
    LRESULT OnSelEndCancel(WPARAM wParam, LPARAM lParam);
    LRESULT OnSelChange(WPARAM wParam, LPARAM lParam);

private:
    void NotifyParent(UINT message, COLORREF colour);
};

// Loading sets the colour button nIDC's colour from the value, saving stores its colour in it.
void DDX_ColorButton(CDataExchange* dx, int nIDC, COLORREF& value);
