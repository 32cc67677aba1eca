#pragma once
// The colour popup a colour button opens under itself: a grid of 40 named colours, with a
// default box above it and a custom box below it when their captions are not empty. It holds
// the mouse capture, so the first button release anywhere ends it; it reports to the button
// and deletes itself when its window is destroyed.

#include "controls/ColourButton/ColourMessages.h"
#include "platform/ui/DC.h"
#include "platform/ui/ToolTipCtrl.h"

#include <initializer_list>

struct ColourTableEntry {
    COLORREF crColour;
    const char* szName;
};

class CColourDropDown : public CWnd {
    RV_DECLARE_MESSAGE_MAP()
public:
    // Box indices besides the cells 0 to 39.
    static constexpr int INVALID_COLOUR = -1;
    static constexpr int CUSTOM_BOX_VALUE = -2;
    static constexpr int DEFAULT_BOX_VALUE = -3;

    static const ColourTableEntry g_colourTable[40];

    CColourDropDown();
    // Always made with new; null captions leave their boxes out.
    CColourDropDown(CPoint topLeft, COLORREF colour, CWnd* parent, LPCTSTR defaultText, LPCTSTR customText);
    ~CColourDropDown() override;

    BOOL Create(CPoint topLeft, COLORREF colour, CWnd* parent, LPCTSTR defaultText, LPCTSTR customText);
    BOOL PreTranslateMessage(MSG* message) override;

    int BoxIndex(int row, int column) const;
    int BoxRow(int index) const;
    int BoxColumn(int index) const;
    static COLORREF CellColour(int index);
    static LPCTSTR CellName(int index);
    // Client coordinates; FALSE for an index that is no cell or box.
    BOOL GetBoxRect(int index, RECT* rect) const;
    void FindChosenBox(COLORREF colour);
    void ChangeSelection(int index);
    void EndSelection(UINT message);
    void LayoutWindow();
    void AddCellTooltips();
    void DrawBox(CDC* dc, int index);

    int m_nNumColours = 0;
    int m_nNumColumns = 0;
    int m_nNumRows = 0;
    int m_nBoxSize = 0;
    int m_nMargin = 0;
    int m_nCurrentSel = INVALID_COLOUR;
    int m_nChosenColourSel = INVALID_COLOUR;
    CString m_strDefaultText;
    CString m_strCustomText;
    CRect m_CustomTextRect;
    CRect m_DefaultTextRect;
    CRect m_WindowRect;        // on the screen
    CFont m_Font;
    COLORREF m_crInitialColour = 0;
    COLORREF m_crColour = 0;
    CToolTipCtrl m_ToolTip;
    CWnd* m_pParent = nullptr;
    BOOL m_bChildWindowVisible = FALSE;

protected:
    void InitMembers();
    void OnNcDestroy();
    void OnLButtonUp(UINT flags, CPoint point);
    void OnPaint();
    void OnMouseMove(UINT flags, CPoint point);
    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    void OnKillFocus(CWnd* newFocus);
    LRESULT OnActivateApp(WPARAM active, LPARAM thread);

private:
    struct Place {
        int row;
        int column;
    };
    bool HasDefaultBox() const { return !m_strDefaultText.IsEmpty(); }
    bool HasCustomBox() const { return !m_strCustomText.IsEmpty(); }
    // The place of the first of the boxes that exists (cells always do).
    Place FirstOf(std::initializer_list<int> boxes) const;
    Place KeyMove(UINT key, Place from) const;
    void DrawBoxEdge(CDC* dc, CRect rect, int index) const;
    void DrawCaption(CDC* dc, const CString& text, CRect rect);
};
