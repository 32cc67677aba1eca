#include "settings/ui/PublicOper.h"

void CPublicOper::ClearCombo(CComboBox* combo) const
{
    for (int index = combo->GetCount() - 1; index >= 0; --index)
        combo->DeleteString(static_cast<UINT>(index));
}

void CPublicOper::FillComboRange(CComboBox* combo, int first, int last) const
{
    ClearCombo(combo);
    combo->ResetContent();
    for (int number = first; number <= last; ++number) {
        CString text;
        text.Format("%d", number);
        combo->AddString(text);
    }
    combo->SetCurSel(0);
}
