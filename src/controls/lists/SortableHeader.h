#pragma once
// The header of the sortable list: the sort column's heading drawn with an arrow of the
// direction, and the column widths as a block of bytes (a 32-bit count, then each width).

#include "platform/ui/HeaderCtrl.h"

#include <vector>

class CSortableHeader : public CHeaderCtrl {
    RV_DECLARE_MESSAGE_MAP()
public:
    void SetSortArrow(int column, BOOL ascending);
    int GetSortColumn() const { return m_nSortColumn; }
    BOOL GetSortAscending() const { return m_bSortAscending; }

    std::vector<BYTE> StoreWidths() const;
    // FALSE, changing nothing, unless the block holds exactly one width per column.
    BOOL LoadWidths(const std::vector<BYTE>& block);

    void DrawItem(LPDRAWITEMSTRUCT item) override;

private:
    int m_nSortColumn = -1;
    BOOL m_bSortAscending = TRUE;
};
