#pragma once
// Texts in the order of the user's language, as Windows' lstrcmpi compares them. Free of Qt.

#include "platform/ui/WinDef.h"

// Negative, 0 or positive as a sorts before, with or after b in the user's locale, case
// ignored ("apple" before "Banana"); a null text counts as empty.
int lstrcmpi(LPCTSTR a, LPCTSTR b);
