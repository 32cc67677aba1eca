#pragma once
// A static label that behaves as a web link: underlined in the link colour, red while the
// pointer is over it, purple once visited, a hand cursor and a tip with its address; a click
// opens the address with the desktop's opener.

#include "platform/ui/Cursors.h"
#include "platform/ui/CtlColor.h"
#include "platform/ui/StandardControls.h"
#include "platform/ui/ToolTipCtrl.h"

class CLinkLabel : public CStatic {
    RV_DECLARE_MESSAGE_MAP()
public:
    CLinkLabel() = default;
    ~CLinkLabel() override;

    void SetURL(const CString& url);
    CString GetURL() const { return m_strURL; }
    // A hover colour of -1 takes the system's highlight colour.
    void SetColours(COLORREF link, COLORREF visited, COLORREF hover = static_cast<COLORREF>(-1));
    COLORREF GetLinkColour() const { return m_linkColour; }
    COLORREF GetVisitedColour() const { return m_visitedColour; }
    COLORREF GetHoverColour() const { return m_hoverColour; }
    void SetVisited(BOOL visited = TRUE);
    BOOL GetVisited() const { return m_bVisited; }
    // A null cursor takes the hand cursor; the label owns the cursor.
    void SetLinkCursor(HCURSOR cursor);
    HCURSOR GetLinkCursor() const { return m_hLinkCursor; }
    void SetUnderline(BOOL underline = TRUE);
    BOOL GetUnderline() const { return m_bUnderline; }
    void SetFitToText(BOOL fit = TRUE);
    BOOL GetFitToText() const { return m_bFitToText; }
    BOOL GetHovering() const { return m_bHovering; }

    // Hands the address to the desktop's opener as one argument; FALSE when it could not start.
    BOOL GotoURL(LPCTSTR url);
    void ShowOpenError(int error);

    void PreSubclassWindow() override;
    BOOL PreTranslateMessage(MSG* message) override;

protected:
    void OnClicked();
    HBRUSH CtlColor(CDC* dc, UINT kind);
    void OnTimer(UINT_PTR id);
    LRESULT OnSetCursor(WPARAM, LPARAM);
    void OnDestroy();

private:
    void FitToText();
    void LoadHandCursor();
    void MakeUnderlineFont();

    COLORREF m_linkColour = RGB(0, 0, 255);
    COLORREF m_visitedColour = RGB(85, 26, 139);
    COLORREF m_hoverColour = RGB(255, 0, 0);
    BOOL m_bHovering = FALSE;
    BOOL m_bVisited = FALSE;
    BOOL m_bUnderline = TRUE;
    BOOL m_bFitToText = TRUE;
    CString m_strURL;
    CFont m_underlineFont;
    HCURSOR m_hLinkCursor = nullptr;
    CToolTipCtrl m_toolTip;
};
