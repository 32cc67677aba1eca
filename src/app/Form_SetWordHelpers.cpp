// Combo fillers that the settings dialogs share with the main window.
#include "app/Form_SetWord.h"

void CForm_SetWord::FillFontSizeCombo(CComboBox* combo, int first, int last, int selected)
{
    double size = first;
    for (int step = first - 1; step <= last - 1; ++step) {
        const bool whole = (step - first + 1) % 2 == 0;
        CString text;
        text.Format(whole ? "%.0f" : "%.1f", size);
        combo->AddString(text);
        size += 0.5;
    }
    combo->SetCurSel(selected);
}

void CForm_SetWord::FillNumberCombo(CComboBox* combo, int first, int last)
{
    for (int number = first; number <= last; ++number) {
        CString text;
        text.Format("%d", number);
        combo->AddString(text);
    }
    combo->SetCurSel(0);
}
