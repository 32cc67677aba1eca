#pragma once
// Templates of the heading dialogs and the dialogs they open. Rectangles are in dialog units.

#include "resources/DialogTemplates.h"

DialogTemplate TableALineTemplate();
DialogTemplate MonthFontTemplate();
DialogTemplate SameSettingTemplate();
DialogTemplate DateFontTemplate();
DialogTemplate AddTextTemplate();
DialogTemplate AddTextEditTemplate();
