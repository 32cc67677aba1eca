#pragma once
// Templates of the diary class dialog and the dialogs it opens. Rectangles are in dialog units.

#include "resources/DialogTemplates.h"

DialogTemplate DailyDiaryTemplate();
DialogTemplate ItemSpecialTemplate();
DialogTemplate SpecialSignTemplate();
DialogTemplate TableStyleTemplate();
