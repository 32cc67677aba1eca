#pragma once
// Helpers the main window and the settings dialogs share to fill and select combo boxes.

#include "platform/ui/DC.h"
#include "platform/ui/StandardControls.h"

// Selects the items one after another from the first and compares the box's text with the
// text; TRUE at the first equal one (it stays selected), else FALSE with the last item selected.
BOOL SelectComboString(CComboBox* combo, const CString& text);

// Selects the text; a text the list lacks (a font not installed here, a size off the list) is
// added first, so a stored value survives a dialog that is merely opened and closed. An empty
// text leaves no entry selected, so it stays empty rather than becoming the list's last face.
void SelectComboStringKept(CComboBox* combo, const CString& text);

// Selects the entry of a font-size list (5, 5.5, 6 and on in steps of 0.5) at index 2v - 10 of
// the size v read as a number, so "10.5" selects index 11; a size off the list is kept as
// SelectComboStringKept keeps it, and an empty one leaves no entry selected.
void SelectFontSizeKept(CComboBox* combo, const CString& size);

// Adds the name of every installed font family, in the system's order, without the vertical
// ones (names starting with '@'), without removing duplicates.
void FillFontNameCombo(CComboBox* combo, CDC* dc);

// The number the box shows, as atoi reads it.
int ComboNumber(const CComboBox& combo);
// Selects the item that reads as the number ("%d"), as SelectComboString does.
BOOL SelectComboNumber(CComboBox& combo, int number);
