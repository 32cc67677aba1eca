#include "settings/ui/ComboHelpers.h"

#include "platform/ui/FontFamilies.h"
#include "settings/IniValues.h"

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
    if (!text.IsEmpty() && combo->FindStringExact(-1, text) < 0)
        combo->AddString(text);
    SelectComboString(combo, text);
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
