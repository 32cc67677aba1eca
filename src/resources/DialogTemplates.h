#pragma once
// The dialog templates of the program, one function per dialog. Rectangles are in dialog units.

#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Menu.h"

// A dialog of the program's kind: the caption, the size and the style, in Tahoma 9.
DialogTemplate ProgramDialog(UINT id, const char* caption, int cx, int cy, DWORD style);

DialogTemplate MainWindowTemplate();
DialogTemplate SaveConfigTemplate();
DialogTemplate SelectConfigTemplate();
DialogTemplate SaveConfirmTemplate();
DialogTemplate ProgressTemplate();
DialogTemplate CongratulationTemplate();
DialogTemplate SetMonthTemplate();
DialogTemplate AddDateFormatTemplate();
MenuTemplate RightDateFormatMenu();
