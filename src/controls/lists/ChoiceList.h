#pragma once
// A report list whose rows are the alternatives of one choice (a line type, a preset style): the
// selected row is the chosen one, whether a click or the keys put the selection there, and in a
// list with check boxes it alone is ticked; ticking a row (Space, a click on its box) chooses it,
// and the chosen row cannot be unticked. A click beside the rows leaves the choice shown, as in
// every single-selection list. The dialog hears the list's notifications as before and asks
// ChosenRow which of them chose a row.

#include "platform/ui/ListCtrl.h"

#include <optional>

// The row an NM_CLICK or LVN_ITEMCHANGED of a list chose: a clicked row that is selected, or the
// row the selection moved to (by the keys or a press); none for anything else.
std::optional<int> ChosenRow(const CListCtrl& list, const NMHDR* header);

class CChoiceList : public CListCtrl {
    RV_DECLARE_MESSAGE_MAP()
public:
    // The selected row, -1 for none.
    int Chosen() const;

private:
    BOOL OnItemChanged(NMHDR* header, LRESULT* result);
    void TickAlone(int row);

    bool m_ticking = false;   // the ticks this list sets itself are not choices
};
