#include "settings/StartUp.h"

#include "settings/Settings.h"
#include "settings/SettingsRecords.h"

void ResetAllSettings()
{
    SetStartValues();
    g_addText = AddTextSettings{};
    g_dayCaptions = DayCaptionSettings{};
    InitHeadingDefaults();
    InitMonthCalendarDefaults();
    InitYearPlannerDefaults();
    InitSameFormatDefaults();
}
