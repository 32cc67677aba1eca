#pragma once
// The 47 columns of the main window's class list, in the order of the class cells.

#include "platform/WinTypes.h"

#include <array>

struct ClassListColumn {
    const char* heading;
    int width;   // pixels; 0 hides the column until every column is shown
    int format;  // LVCFMT_LEFT or LVCFMT_CENTER
};

const std::array<ClassListColumn, 47>& ClassListColumns();
