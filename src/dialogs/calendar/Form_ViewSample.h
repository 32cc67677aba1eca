#pragma once
// The sample picture dialogs: each shows one picture of what a generated part looks like, a
// bitmap resource that its template's picture control names. Closing changes nothing.

#include "platform/ui/Dialog.h"
#include "resources/ResourceIds.h"

template <UINT templateId>
class CViewSampleDialog : public CDialog {
public:
    explicit CViewSampleDialog(CWnd* parent = nullptr) : CDialog(templateId, parent) {}
};

// 298 "例子: 日记预览", from the main window.
using CForm_ViewSampleDailyDiary = CViewSampleDialog<IDD_SAMPLE_DAILY_DIARY>;
// 297 "例子: 月日历预览", from the monthly-calendar dialog.
using CForm_ViewSampleMonthlyCalendar = CViewSampleDialog<IDD_SAMPLE_MONTHLY_CALENDAR>;
// 295 "例子: 年计划表预览", from the year planner dialog.
using CForm_ViewSamplePlanner = CViewSampleDialog<IDD_SAMPLE_PLANNER>;
// 299 "例子: 全年日历预览", from the yearly-calendar dialog.
using CForm_ViewSampleYearlyCalendar = CViewSampleDialog<IDD_SAMPLE_YEARLY_CALENDAR>;
