#pragma once
// The diary classes in a configuration file: one section per class, "LIST" followed by the
// class's 0-based position, holding the 47 keys of the class.

#include "settings/ClassListModel.h"

// Writes the first 30 rows as sections LIST0 onward, numbered from 1 in display order. The
// configuration save deletes the file first, so no stale section stays behind. The sizes are
// written in points as the rows show them. True when every key was written.
bool SaveClassList(const char* file, const ClassListModel& rows);

// Replaces the rows with the classes of the file: sections from LIST0 on, up to the first one
// without a COL_ID and at most 30. Every loaded row is ticked; only the first five classes with
// item numbers keep them. A missing file gives no rows.
void LoadClassList(const char* file, ClassListModel& rows);
