#pragma once
// The installed font families, for font name lists. Free of Qt.

#include "platform/CString.h"
#include "platform/ui/GdiDefs.h"

#include <vector>

// Every installed family in the order the system lists them, without the vertical-writing
// names that start with '@'.
std::vector<CString> EnumFontFamilies();

// The same families handed one by one to a callback, as Windows hands them: the family's LOGFONT
// (its face name) and the caller's value; enumeration stops when the callback returns 0.
// Returns the callback's last answer, 1 when there was no family.
using FONTENUMPROC = int (*)(const LOGFONT* logFont, LPARAM lParam);
int EnumFontFamilies(FONTENUMPROC proc, LPARAM lParam);
