#pragma once
// A report list on a white background whose rows may carry text and background colours per
// cell: the caller attaches a ColouredRow (which it owns) as a row's item data.

#include "platform/ui/ListCtrl.h"

#include <vector>

struct ColouredRow {
    std::vector<COLORREF> textColours;   // one per column; missing entries draw as the default
    std::vector<COLORREF> backColours;
};

class CColouredList : public CListCtrl {
    RV_DECLARE_MESSAGE_MAP()
public:
    CColouredList();

    // -1 stands for the list's default colour. A row without a record stores nothing; the
    // cell is redrawn either way.
    void SetItemColor(int item, int column, COLORREF text, COLORREF back);
    void RedrawCell(int item, int column);
    // The columns the header holds.
    int ColumnLimit() const;

    COLORREF m_defaultText;
    COLORREF m_defaultBack;
    COLORREF m_selectionBack;
    COLORREF m_selectionText;
    COLORREF m_firstRowColour = RGB(225, 225, 225);
    COLORREF m_secondRowColour = RGB(229, 232, 239);

protected:
    BOOL OnEraseBkgnd(CDC* dc);
    void OnCustomDraw(NMHDR* header, LRESULT* result);

private:
    bool ValidCell(int item, int column) const;
    ColouredRow* RowRecord(int item) const;
};
