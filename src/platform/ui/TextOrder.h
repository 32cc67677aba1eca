#pragma once
// Texts in the order of the user's language, as Windows' lstrcmp compares them. Free of Qt.

#include "platform/ui/WinDef.h"

// -1, 0 or 1 as a sorts before, with or after b in the user's locale. Letters and accents
// decide first; case decides only between texts otherwise equal, lower case first in every
// language ("apple", "Apple", "banana"). A null text counts as empty.
int lstrcmp(LPCTSTR a, LPCTSTR b);
