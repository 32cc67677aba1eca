// Any bytes as a design file: the load must neither crash nor leave a value no dialog can store.
#include "FuzzScratch.h"

#include "settings/DesignFile.h"
#include "settings/LoadedValueBounds.h"
#include "settings/Settings.h"
#include "settings/SettingsRecords.h"
#include "settings/StartUp.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ResetAllSettings();
    ClassListModel rows;
    LoadDesignFile(WriteDesignInput(data, size).c_str(), rows);
    // Spot checks of the bounds: one value of each kind.
    const bool bounded = rows.size() <= static_cast<size_t>(kMaxClasses) &&
                         (g_strMonthsFontColor.IsEmpty() || IsColourText(g_strMonthsFontColor.str())) &&
                         (g_calendarStyle.line_type.IsEmpty() || IsLineTypeName(g_calendarStyle.line_type.str())) &&
                         (g_strDaysFontSize.IsEmpty() || IsFontSizeText(g_strDaysFontSize.str())) &&
                         (g_strDaysFontName.IsEmpty() || IsFaceName(g_strDaysFontName.str()));
    if (!bounded)
        std::abort();
    return 0;
}
