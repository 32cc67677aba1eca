#pragma once
// The installed font families, for font name lists. Free of Qt.

#include "platform/CString.h"

#include <vector>

// Every installed family in the order the system lists them, without the vertical-writing
// names that start with '@'.
std::vector<CString> EnumFontFamilies();
