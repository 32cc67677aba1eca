#pragma once
// A report list that keeps its own copy of every cell's text and colours, sorts its rows when
// a column heading is clicked (see CompareCells), shows the direction as an arrow in that
// heading, and keeps its column widths in the application's profile (section "ListCtrls",
// the control id as the key).

#include "controls/lists/SortableHeader.h"
#include "platform/ui/ListCtrl.h"

#include <initializer_list>
#include <memory>
#include <vector>

class CSortableList : public CListCtrl {
    RV_DECLARE_MESSAGE_MAP()
public:
    CSortableList();
    ~CSortableList() override;

    // Pairs of a title and a width, "Name,120;Size,60"; a title without a comma after it is
    // left out. Rows already there get cells for the new columns.
    BOOL SetColumnHeadings(const CString& spec);
    BOOL SetColumnHeadings(UINT stringId);
    // One text per column: missing ones are empty, extra ones are left out. Returns the row.
    int AppendRow(std::initializer_list<CString> texts);
    BOOL DeleteItem(int row);
    BOOL DeleteAllItems();
    BOOL SetItemText(int row, int column, LPCTSTR text);
    // The caller's value of a row (0 until set).
    DWORD GetItemData(int row) const;
    BOOL SetItemData(int row, DWORD data);
    // -1 stands for the list's default colour.
    void SetCellColours(int row, int column, COLORREF text, COLORREF back);
    void SortByColumn(int column, BOOL ascending);
    void RestoreColumnWidths();
    void SaveColumnWidths();
    // As the base class, but column 0 ends where column 1 begins.
    BOOL GetSubItemRect(int row, int column, int area, CRect& rect) const;
    void InvalidateCell(int row, int column);
    int GetColumnCount() const;

    int GetSortColumn() const { return m_nSortColumn; }
    BOOL GetSortAscending() const { return m_bSortAscending; }
    CSortableHeader& Header() { return m_ctlHeader; }

    void PreSubclassWindow() override;

    COLORREF m_crText;
    COLORREF m_crBack;
    COLORREF m_crHighlight;
    COLORREF m_crHighlightText;

protected:
    void OnColumnClick(NMHDR* header, LRESULT* result);
    void OnDestroy();
    void OnCustomDraw(NMHDR* header, LRESULT* result);
    void OnSysColorChange();

private:
    struct RowData {
        std::vector<CString> texts;
        DWORD userData = 0;
        std::vector<COLORREF> textColours;
        std::vector<COLORREF> backColours;
    };

    RowData* Record(int row) const;
    bool ValidCell(int row, int column) const;
    void FreeRecord(int row);
    void FreeAllRecords();
    void DrawCell(CDC* dc, const CRect& rect, const CString& text, int column, COLORREF textColour,
                  COLORREF backColour);
    static int CompareRows(LPARAM first, LPARAM second, LPARAM list);

    CSortableHeader m_ctlHeader;
    int m_nNumColumns = 0;
    int m_nSortColumn = -1;
    BOOL m_bSortAscending = TRUE;
    std::vector<std::unique_ptr<RowData>> m_records;
};
