#pragma once
// A whole design in one configuration file: section Main and the class sections. The main
// window adds what belongs to its controls around these two.

#include "settings/ClassListModel.h"
#include "settings/MainSettings.h"

// Loads the date settings, the rest of section Main and the classes, in the order the program's
// configuration load takes them. Returns the texts of the two outline-level boxes.
OutlineLevelTexts LoadDesignFile(const char* file, ClassListModel& rows);

// Writes the design whole into a new file that then replaces the old one, so a failed write
// leaves the old file as it was. True when everything was written.
bool WriteDesignFile(const char* file, const ClassListModel& rows, const OutlineLevelTexts& levels);
