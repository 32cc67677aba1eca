#pragma once
// Private to the window layer: the rows and columns of a list view, apart from how they look.

#include "platform/ui/CommCtrl.h"

#include <string>
#include <vector>

namespace platform::ui::detail {

struct ListRow {
    std::vector<std::string> texts;   // one per column, by column index
    int image = 0;
    UINT state = 0;
    LPARAM param = 0;
};

struct ListColumn {
    int fmt = LVCFMT_LEFT;
    int subItem = 0;
};

// One item whose state changed, for LVN_ITEMCHANGED.
struct StateChange {
    int item = 0;
    UINT oldState = 0;
    UINT newState = 0;
};

class ListViewData {
public:
    int RowCount() const { return static_cast<int>(m_rows.size()); }
    int ColumnCount() const { return static_cast<int>(m_columns.size()); }
    bool HasRow(int item) const { return item >= 0 && item < RowCount(); }
    ListRow& Row(int item) { return m_rows[static_cast<size_t>(item)]; }
    const ListRow& Row(int item) const { return m_rows[static_cast<size_t>(item)]; }
    const ListColumn& Column(int column) const { return m_columns[static_cast<size_t>(column)]; }

    // Columns: the texts of the rows move with their columns.
    int InsertColumn(int column, ListColumn info);
    void DeleteColumn(int column);

    int InsertRow(int item, ListRow row);
    // A stable sort of the rows by the comparison of their item data.
    void SortRows(PFNLVCOMPARE compare, LPARAM sortData);
    void DeleteRow(int item);
    void DeleteAllRows() { m_rows.clear(); }

    // Sub-item 0 exists even in a list without columns.
    bool HasCell(int item, int subItem) const;
    const std::string& Text(int item, int subItem) const;
    void SetText(int item, int subItem, std::string text);

    // Only one item holds the focus, and a single-selection list has one selected item at
    // most, which holds the focus too; the changes come back in the order they were made.
    std::vector<StateChange> SetState(int item, UINT state, UINT mask, bool singleSelection);
    // The next item after `start` (-1: the first) that has every state of `flags`.
    int NextItem(int start, UINT flags) const;

private:
    void Change(int item, UINT state, UINT mask, std::vector<StateChange>& changes);

    std::vector<ListRow> m_rows;
    std::vector<ListColumn> m_columns;
};

} // namespace platform::ui::detail
