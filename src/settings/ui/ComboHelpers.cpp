#include "settings/ui/ComboHelpers.h"

#include "platform/ui/FontFamilies.h"
#include "settings/IniValues.h"

#include <cmath>
#include <cstdlib>

BOOL SelectComboString(CComboBox* combo, const CString& text)
{
    for (int index = 0; index < combo->GetCount(); ++index) {
        combo->SetCurSel(index);
        if (combo->GetWindowText() == text)
            return TRUE;
    }
    return FALSE;
}

void SelectComboStringKept(CComboBox* combo, const CString& text)
{
    if (text.IsEmpty()) {
        combo->SetCurSel(-1);
        return;
    }
    if (combo->FindStringExact(-1, text) < 0)
        combo->AddString(text);
    SelectComboString(combo, text);
}

void SelectFontSizeKept(CComboBox* combo, const CString& size)
{
    if (size.IsEmpty()) {
        combo->SetCurSel(-1);
        return;
    }
    const double index = 2 * std::atof(size) - 10;
    if (index >= 0 && index < combo->GetCount() && index == std::floor(index))
        combo->SetCurSel(static_cast<int>(index));
    else
        SelectComboStringKept(combo, size);
}

void FillFontNameCombo(CComboBox* combo, CDC*)
{
    for (const CString& family : EnumFontFamilies())
        if (!family.IsEmpty() && family.GetAt(0) != '@')
            combo->AddString(family);
}

int ComboNumber(const CComboBox& combo)
{
    return ParseInt(combo.GetWindowText());
}

BOOL SelectComboNumber(CComboBox& combo, int number)
{
    CString text;
    text.Format("%d", number);
    return SelectComboString(&combo, text);
}
