#pragma once
// Texts in the order of the user's language, as Windows' lstrcmp compares them. Free of Qt.

#include "platform/ui/WinDef.h"

// -1, 0 or 1 as a sorts before, with or after b in the user's locale. Letters decide first, in
// the language's order with Latin before Han in every language; then accents; case decides only
// between texts otherwise equal, lower case first in every language ("apple", "Apple", "banana").
// Hyphens and apostrophes count only between texts otherwise equal ("coa", "co-op", "coop",
// "cop"), as a word sort does. A null text counts as empty.
int lstrcmp(LPCTSTR a, LPCTSTR b);
