#pragma once
// The heading format of the daily page for one run, from the settings and the texts of the two
// outline-level boxes.

#include "settings/DiaryRecords.h"
#include "settings/MainSettings.h"

// Empty heading font names become "Tahoma" in the settings too, as the windows then show them.
DiaryPageFormat BuildPageFormat(const OutlineLevelTexts& levels);
