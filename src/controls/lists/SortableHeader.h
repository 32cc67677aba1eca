#pragma once
// The header of the sortable list: the sort column's heading drawn with an arrow of the
// direction, and the column widths stored or loaded through an archive (a 32-bit count, then
// each width).

#include "platform/Archive.h"
#include "platform/ui/HeaderCtrl.h"

class CSortableHeader : public CHeaderCtrl {
    RV_DECLARE_MESSAGE_MAP()
public:
    void SetSortArrow(int column, BOOL ascending);
    int GetSortColumn() const { return m_nSortColumn; }
    BOOL GetSortAscending() const { return m_bSortAscending; }

    // Loading changes nothing, and says so on the error output, unless the archive holds
    // exactly one width per column.
    void Serialize(CArchive& archive);

    void DrawItem(LPDRAWITEMSTRUCT item) override;

private:
    int m_nSortColumn = -1;
    BOOL m_bSortAscending = TRUE;
};
