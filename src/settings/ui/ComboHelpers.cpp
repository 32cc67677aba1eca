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

namespace {

// Each installed family in turn: all but the vertical-writing ones ('@') join the list; 1 asks
// for the next.
int EnumFontFamProc(const LOGFONT* logFont, LPARAM combo)
{
    if (!logFont->lfFaceName.empty() && logFont->lfFaceName[0] != '@')
        reinterpret_cast<CComboBox*>(combo)->AddString(logFont->lfFaceName.c_str());
    return 1;
}

} // namespace

void FillFontNameCombo(CComboBox* combo, CDC*)
{
    EnumFontFamilies(EnumFontFamProc, reinterpret_cast<LPARAM>(combo));
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
