#include "platform/ui/qt/ListViewData.h"

#include <algorithm>

namespace platform::ui::detail {

int ListViewData::InsertColumn(int column, ListColumn info)
{
    const int at = std::clamp(column, 0, ColumnCount());
    m_columns.insert(m_columns.begin() + at, info);
    // Before the first column the item text already stood at index 0; it stays the first.
    if (ColumnCount() > 1)
        for (ListRow& row : m_rows)
            if (static_cast<int>(row.texts.size()) > at)
                row.texts.insert(row.texts.begin() + at, std::string());
    return at;
}

void ListViewData::DeleteColumn(int column)
{
    m_columns.erase(m_columns.begin() + column);
    for (ListRow& row : m_rows) {
        if (static_cast<int>(row.texts.size()) > column)
            row.texts.erase(row.texts.begin() + column);
        if (row.texts.empty())
            row.texts.emplace_back();
    }
}

int ListViewData::InsertRow(int item, ListRow row)
{
    const int at = std::clamp(item, 0, RowCount());
    if (row.texts.empty())
        row.texts.emplace_back();
    m_rows.insert(m_rows.begin() + at, std::move(row));
    return at;
}

void ListViewData::SortRows(PFNLVCOMPARE compare, LPARAM sortData)
{
    std::stable_sort(m_rows.begin(), m_rows.end(), [compare, sortData](const ListRow& first, const ListRow& second) {
        return compare(first.param, second.param, sortData) < 0;
    });
}

void ListViewData::DeleteRow(int item)
{
    m_rows.erase(m_rows.begin() + item);
}

bool ListViewData::HasCell(int item, int subItem) const
{
    return HasRow(item) && subItem >= 0 && (subItem == 0 || subItem < ColumnCount());
}

const std::string& ListViewData::Text(int item, int subItem) const
{
    static const std::string none;
    const ListRow& row = Row(item);
    return subItem < static_cast<int>(row.texts.size()) ? row.texts[static_cast<size_t>(subItem)] : none;
}

void ListViewData::SetText(int item, int subItem, std::string text)
{
    ListRow& row = Row(item);
    if (static_cast<int>(row.texts.size()) <= subItem)
        row.texts.resize(static_cast<size_t>(subItem) + 1);
    row.texts[static_cast<size_t>(subItem)] = std::move(text);
}

void ListViewData::Change(int item, UINT state, UINT mask, std::vector<StateChange>& changes)
{
    ListRow& row = Row(item);
    const UINT next = (row.state & ~mask) | (state & mask);
    if (next == row.state)
        return;
    changes.push_back({item, row.state, next});
    row.state = next;
}

std::vector<StateChange> ListViewData::SetState(int item, UINT state, UINT mask, bool singleSelection)
{
    std::vector<StateChange> changes;
    const bool selecting = (mask & LVIS_SELECTED) && (state & LVIS_SELECTED);
    // The one row shown selected is where the keys go on from, whoever selected it.
    if (selecting && singleSelection) {
        state |= LVIS_FOCUSED;
        mask |= LVIS_FOCUSED;
    }
    const bool focusing = (mask & LVIS_FOCUSED) && (state & LVIS_FOCUSED);
    for (int other = 0; other < RowCount(); ++other) {
        if (other == item)
            continue;
        const UINT lose = (focusing ? LVIS_FOCUSED : 0) | (selecting && singleSelection ? LVIS_SELECTED : 0);
        if (lose)
            Change(other, 0, lose, changes);
    }
    Change(item, state, mask, changes);
    return changes;
}

int ListViewData::NextItem(int start, UINT flags) const
{
    const UINT wanted = flags & (LVNI_SELECTED | LVNI_FOCUSED);
    for (int item = std::max(start + 1, 0); item < RowCount(); ++item)
        if ((Row(item).state & wanted) == wanted)
            return item;
    return -1;
}

} // namespace platform::ui::detail
