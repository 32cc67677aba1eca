#pragma once
// A group box on a button window that paints its own caption and frame: a thin frame with the
// caption on its top edge, or a filled panel with the caption inside its top band. Its
// setters chain and repaint the box and what lies under it.

#include "platform/ui/DC.h"
#include "platform/ui/StandardControls.h"

class CPanelGroupBox : public CButton {
    RV_DECLARE_MESSAGE_MAP()
public:
    // Caption places.
    static constexpr int kLeft = 0;
    static constexpr int kCentre = 1;
    static constexpr int kRight = 2;
    // The LOGFONT face field: 31 bytes in the system code page and a terminator.
    static constexpr size_t kFaceBytes = 31;

    CPanelGroupBox();
    ~CPanelGroupBox() override;

    virtual CPanelGroupBox& SetBorderColor(COLORREF colour);
    virtual CPanelGroupBox& SetCaptionTextColor(COLORREF colour);
    virtual CPanelGroupBox& SetBackgroundColor(COLORREF title, COLORREF client);
    virtual CPanelGroupBox& SetBackgroundColor(COLORREF colour);
    // 0 the frame look, any other value the panel look.
    virtual CPanelGroupBox& SetGroupStyle(int style);
    virtual CPanelGroupBox& SetText(LPCTSTR text);
    virtual CPanelGroupBox& SetFontBold(BOOL bold);
    // A face too long for the field is cut at a character boundary.
    virtual CPanelGroupBox& SetFontName(const CString& face, BYTE charSet = DEFAULT_CHARSET);
    virtual CPanelGroupBox& SetFontUnderline(BOOL underline);
    virtual CPanelGroupBox& SetFontItalic(BOOL italic);
    virtual CPanelGroupBox& SetFontSize(int points);
    virtual CPanelGroupBox& SetFont(const LOGFONT& font);
    // 0, 1 or 2; anything else is stored as 0.
    virtual CPanelGroupBox& SetAlignment(int alignment);

    // The window is made with BS_ICON, which keeps the button from drawing a box of its own.
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PreSubclassWindow() override;

    CString m_strTitle;
    COLORREF m_crBorder;
    COLORREF m_crTitleBack;
    COLORREF m_crClientBack;
    COLORREF m_crTitleText;
    int m_nType = 0;
    int m_nAlignment = kCentre;
    LOGFONT m_lfFont;
    CFont m_font;

protected:
    void OnPaint();

private:
    CPanelGroupBox& UpdateSurface();
    CPanelGroupBox& RebuildFont();
};
