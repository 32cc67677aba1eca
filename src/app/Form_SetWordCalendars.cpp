// The main window's commands that open the calendar dialogs and the sample picture.
#include "app/Form_SetWord.h"
#include "dialogs/calendar/Form_CalendarSettings.h"
#include "dialogs/calendar/Form_MonthOfCalendar.h"
#include "dialogs/calendar/Form_ViewSample.h"
#include "dialogs/calendar/Form_YearPlanner.h"
#include "settings/Settings.h"
#include "settings/SettingsRecords.h"

void CForm_SetWord::OnToolbarYearCalendar()
{
    g_bMonthUpperCopy = g_bMonthUpper;
    g_strMonthFormatCopy = g_strMonthFormat;
    CForm_CalendarSettings dialog(this);
    dialog.DoModal();
    OnButtonRefreshPreview();
}

// The dialog edits a working copy; only OK makes it the design's.
void CForm_SetWord::OnToolbarMonthCalendar()
{
    CForm_MonthOfCalendar dialog(this);
    if (dialog.DoModal() == IDOK)
        g_monthCalendar = g_monthCalendarEdit;
    OnButtonRefreshPreview();
}

void CForm_SetWord::OnToolbarYearPlanner()
{
    CForm_YearPlanner dialog(this);
    dialog.DoModal();
    OnButtonRefreshPreview();
}

void CForm_SetWord::OnButtonViewExample()
{
    CForm_ViewSampleDailyDiary sample(this);
    sample.DoModal();
    OnButtonRefreshPreview();
}
