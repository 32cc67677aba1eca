#include "controls/lists/ChoiceList.h"

RV_MESSAGE_MAP(CChoiceList, CListCtrl, msgmap::NotifyReflectEx(LVN_ITEMCHANGED, &T::OnItemChanged))

namespace {

constexpr UINT kTicked = INDEXTOSTATEIMAGEMASK(2);

bool Gained(const NMLISTVIEW& change, UINT state)
{
    return (change.uChanged & LVIF_STATE) && (change.uNewState & state) == state && (change.uOldState & state) != state;
}

} // namespace

std::optional<int> ChosenRow(const CListCtrl& list, const NMHDR* header)
{
    int row = -1;
    if (header->code == NM_CLICK)
        row = reinterpret_cast<const NMITEMACTIVATE*>(header)->iItem;
    else if (const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
             header->code == LVN_ITEMCHANGED && Gained(*change, LVIS_SELECTED))
        row = change->iItem;
    if (row < 0 || row >= list.GetItemCount() || !list.GetItemState(row, LVIS_SELECTED))
        return std::nullopt;
    return row;
}

int CChoiceList::Chosen() const
{
    return GetNextItem(-1, LVNI_SELECTED);
}

// Runs before the dialog hears the change, which it hears whatever the answer.
BOOL CChoiceList::OnItemChanged(NMHDR* header, LRESULT*)
{
    const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
    if (m_ticking || change->iItem < 0)
        return FALSE;
    if (!(GetExtendedStyle() & LVS_EX_CHECKBOXES))
        return FALSE;
    if (Gained(*change, kTicked) && !GetItemState(change->iItem, LVIS_SELECTED)) {
        // Selecting it ticks it alone, through the change that selection tells.
        SetItemState(change->iItem, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        return FALSE;
    }
    if (const int chosen = Chosen(); chosen >= 0)
        TickAlone(chosen);
    return FALSE;
}

void CChoiceList::TickAlone(int row)
{
    m_ticking = true;
    for (int other = 0; other < GetItemCount(); ++other)
        if ((GetCheck(other) != FALSE) != (other == row))
            SetCheck(other, other == row ? TRUE : FALSE);
    m_ticking = false;
}
