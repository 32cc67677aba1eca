#include "settings/ui/ComboHelpers.h"

BOOL SelectComboString(CComboBox* combo, const CString& text)
{
    for (int index = 0; index < combo->GetCount(); ++index) {
        combo->SetCurSel(index);
        if (combo->GetWindowText() == text)
            return TRUE;
    }
    return FALSE;
}
