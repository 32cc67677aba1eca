#pragma once
// The dialog templates of the program, one function per dialog. Rectangles are in dialog units.

#include "platform/ui/DialogTemplate.h"

DialogTemplate MainWindowTemplate();
DialogTemplate SaveConfigTemplate();
DialogTemplate SelectConfigTemplate();
DialogTemplate SaveConfirmTemplate();

// A dialog in Tahoma 9 with its caption and window style (WS_SYSMENU gives a close box).
DialogTemplate TahomaDialog(UINT id, const char* caption, int cx, int cy, DWORD style);
