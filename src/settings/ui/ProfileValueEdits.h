#pragma once
// Edits whose text goes into a profile file (a design, the date format list, the path file)
// take no more than a load of the file keeps, so what they show is what comes back.

#include "platform/ui/Wnd.h"

#include <initializer_list>

// Each edit of the dialog takes at most CIniFile::kMaxValueBytes bytes as stored.
void LimitToProfileValue(CWnd& dialog, std::initializer_list<int> editIds);
