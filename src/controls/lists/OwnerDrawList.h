#pragma once
// The report list of every list of the program: it paints every cell itself, with background
// and text colours per list, per column and per cell, its own colours for selected rows, a
// fixed row height and per-column alignment, under a gradient header. A double click on a
// divider of the header fits the column to its caption and cells as they are drawn.

#include "controls/lists/OwnerDrawHeader.h"
#include "platform/ui/ListCtrl.h"

#include <optional>
#include <vector>

struct ListColourEntry {
    int row = 0;      // not used in the column lists
    int column = 0;
    COLORREF colour = 0;
};

class COwnerDrawList : public CListCtrl {
    RV_DECLARE_MESSAGE_MAP()
public:
    COwnerDrawList();

    // Remembers the caption and alignment for the header, then inserts the column.
    int InsertColumn(int column, LPCTSTR heading, int format = LVCFMT_LEFT, int width = -1, int subItem = -1);
    void SetHeaderBackground(int red, int green, int blue, int gradientStep);
    void SetHeaderHeight(float scale);
    void SetHeaderFontSize(int height, int width);
    // The names the windows know the two header setters by.
    void SetHeaderBKColor(int red, int green, int blue, int gradientStep)
    {
        SetHeaderBackground(red, green, blue, gradientStep);
    }
    void SetHeaderFontHW(int height, int width) { SetHeaderFontSize(height, width); }
    void SetHeaderTextColor(COLORREF colour);
    // Row height in pixels (0 or less keeps the system's); the list measures its rows again.
    void SetRowHeight(int height);
    void SetSelectedBkColor(COLORREF colour) { m_selectedBkColour = colour; }
    void SetSelectedTextColor(COLORREF colour) { m_selectedTextColour = colour; }
    BOOL SetTextColor(COLORREF colour);
    void SetFontHW(int height, int width);

    void SetColColor(int column, COLORREF colour);
    void SetItemColor(int column, int row, COLORREF colour);
    void SetColTextColor(int column, COLORREF colour);
    void SetItemTextColor(int column, int row, COLORREF colour);
    bool FindColColor(int column, COLORREF& colour) const;
    bool FindItemColor(int column, int row, COLORREF& colour) const;
    bool FindColTextColor(int column, COLORREF& colour) const;
    bool FindItemTextColor(int column, int row, COLORREF& colour) const;

    COwnerDrawHeader m_header;
    int m_rowHeight = 0;
    COLORREF m_selectedBkColour;
    COLORREF m_selectedTextColour;
    std::vector<ListColourEntry> m_colBkColours;
    std::vector<ListColourEntry> m_cellBkColours;
    std::vector<ListColourEntry> m_colTextColours;
    std::vector<ListColourEntry> m_cellTextColours;
    COLORREF m_textColour = 0;
    int m_fontHeight = 12;
    int m_fontWidth = 0;

    void DrawItem(LPDRAWITEMSTRUCT item) override;

protected:
    void PreSubclassWindow() override;
    // A measure request for an item of another window: the default handling answers it.
    LRESULT OnMeasureItem(WPARAM wParam, LPARAM lParam);
    // The list's own rows.
    void MeasureItem(LPMEASUREITEMSTRUCT item);
    void OnDividerDoubleClick(NMHDR* notice, LRESULT* result);

private:
    // The part of a cell's text that is drawn.
    CString CellText(int row, int column) const;
    void CreateCellFont(CFont& font) const;
    int FittingWidth(int column);
};
