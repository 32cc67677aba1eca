#pragma once
// The settings as the program holds them at start-up, right before the configuration is loaded.
// For test programs that link the settings library.

#include "settings/Settings.h"
#include "settings/SettingsRecords.h"

inline void ResetAllSettings()
{
    SetStartValues();
    g_addText = AddTextSettings{};
    g_dayCaptions = DayCaptionSettings{};
    InitHeadingDefaults();
    InitMonthCalendarDefaults();
    InitYearPlannerDefaults();
    InitSameFormatDefaults();
}
