#pragma once
// The dialog templates of the program, one function per dialog. Rectangles are in dialog units.

#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Menu.h"

DialogTemplate MainWindowTemplate();
DialogTemplate SaveConfigTemplate();
DialogTemplate SelectConfigTemplate();
DialogTemplate SaveConfirmTemplate();
DialogTemplate SetMonthTemplate();
DialogTemplate AddDateFormatTemplate();
MenuTemplate RightDateFormatMenu();
