#pragma once
// Dialog 131 run on a fixed day, with what a test reads back from its controls.

#include "app/window/AppFixture.h"
#include "dialogs/calendar/Form_SetMonth.h"
#include "platform/ui/StandardControls.h"
#include "resources/DateDialogIds.h"

#include <functional>

class DateDialogTest : public AppTest {
protected:
    static void FixClock(int year, int month, int day)
    {
        platform::SetFixedClock(static_cast<std::time_t>(civil::DaysFromCivil(year, month, day)) * 86400 + 12 * 3600);
    }
    INT_PTR RunDialog(const std::function<void(DialogProbe&)>& handler)
    {
        driver->Expect(IDD_SET_MONTH, handler);
        CForm_SetMonth dialog;
        return dialog.DoModal();
    }
    static CString Text(DialogProbe& p, int id) { return p.Item(id)->GetWindowText(); }
    static bool Checked(DialogProbe& p, int id) { return static_cast<CButton*>(p.Item(id))->GetCheck() == BST_CHECKED; }
    static void SetCheck(DialogProbe& p, int id, bool on)
    {
        if (Checked(p, id) != on)
            p.Click(id);
    }
    static void ChooseDate(DialogProbe& p, int monthList, int dayList, int month, int day)
    {
        p.Choose(monthList, month - 1);
        p.Choose(dayList, day - 1);
    }
    std::string FormatFile() const { return File("config/date_format.ini"); }
};
