#pragma once
// A whole design in one configuration file: section Main and the class sections. The main
// window adds what belongs to its controls around these two.

#include "platform/Profile.h"
#include "settings/ClassListModel.h"
#include "settings/MainSettings.h"

// Whether a file, as platform::GetProfileFileState finds it, holds no design: it is too large
// (platform::kMaxProfileFileBytes), unreadable, or no INI text at all. A missing file loads as
// an empty design.
bool HoldsNoDesign(platform::ProfileFileState state);

// Each load below takes a file that holds no design as a missing one, and bounds what it read
// (settings/LoadedValueBounds).
// The date settings, then the rest of section Main; returns the texts of the two outline-level
// boxes.
OutlineLevelTexts LoadDesignSettings(const char* file);
// The classes.
void LoadDesignClasses(const char* file, ClassListModel& rows);
// Both, in the order the program's configuration load takes them.
OutlineLevelTexts LoadDesignFile(const char* file, ClassListModel& rows);

// Writes the design whole into one new file of a unique name beside the old one, which it then
// replaces with one rename, keeping the old file's permissions, so a failed write leaves the old
// file as it was. A read-only file is refused; through a symbolic link the link's target is
// written, and a loop of links is refused. Only for a save whose file the user named: a file
// that holds no design is replaced as well. True when everything was written; on failure errno
// tells why.
bool WriteDesignFile(const char* file, const ClassListModel& rows, const OutlineLevelTexts& levels);
