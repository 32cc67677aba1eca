// The lists whose rows are the alternatives of one choice (the line types of the table, box and
// calendar dialogs, the table presets, the yearly-calendar preset picker), driven by the keys: the
// row the arrows move to is the one chosen, Space leaves it the one ticked, and what the list
// shows chosen when 确定 or Return closes the dialog is what the dialog takes.
#include "app/CurrentClass.h"
#include "app/window/AppFixture.h"
#include "dialogs/calendar/Form_CalendarSettings.h"
#include "dialogs/calendar/Form_MonthOfCalendar.h"
#include "dialogs/calendar/Form_YearCalendarExample.h"
#include "dialogs/calendar/Form_YearPlanner.h"
#include "dialogs/diary/Form_ItemSpecial.h"
#include "dialogs/diary/Form_Table.h"
#include "dialogs/diary/Form_Table_ALine.h"
#include "platform/ui/TestWindows.h"
#include "resources/CalendarDialogIds.h"
#include "resources/DiaryDialogIds.h"
#include "resources/HeadingDialogIds.h"
#include "resources/PickerIds.h"
#include "resources/TableStyleIds.h"
#include "settings/SettingsRecords.h"

#include <functional>

namespace {

class ListChoiceKeysTest : public AppTest {};

struct ChoiceCase {
    const char* name;
    UINT dialog;
    int list;
    int ok;
    std::function<void()> prepare;   // the choice the dialog opens with
    std::function<void()> run;
    std::function<CString()> taken;
    int row;                         // the row the keys leave chosen
    const char* expected;
};

std::vector<int> RowsWith(CListCtrl& list, const std::function<bool(int)>& has)
{
    std::vector<int> rows;
    for (int row = 0; row < list.GetItemCount(); ++row)
        if (has(row))
            rows.push_back(row);
    return rows;
}

} // namespace

TEST_F(ListChoiceKeysTest, TheRowTheKeysChooseIsTheOneShownAndTaken)
{
    // Each line-type list opens on "dashed" (row 3); Down, Down, Space, Up leave "dotDash" (row 4).
    const ChoiceCase cases[] = {
        {"box line type", IDD_TABLE_ALINE, IDC_LINE_TABLE_TYPES, IDC_DIARY_OK,
         [] { g_tableLineEdit.line_type = "dashed"; }, [] { CForm_Table_ALine().DoModal(); },
         [] { return g_tableLineEdit.line_type; }, 4, "dotDash"},
        {"table line type", IDD_TABLE_STYLE, IDC_TABLE_LINE_TYPES, IDC_DIARY_OK,
         [] { g_classTable.line_type = "dashed"; }, [] { CForm_Table().DoModal(); },
         [] { return g_classTable.line_type; }, 4, "dotDash"},
        // No preset is chosen at first: the first Down goes to row 0, the shipped style of colour 8D826D.
        {"table preset", IDD_TABLE_STYLE, IDC_TABLE_PRESETS, IDC_DIARY_OK,
         [] { g_classTable.line_color = "123456"; }, [] { CForm_Table().DoModal(); },
         [] { return g_classTable.line_color; }, 0, "8D826D"},
        {"yearly calendar line type", IDD_YEAR_CALENDAR, IDC_CAL_LINE_TYPES, IDC_CAL_OK,
         [] { g_calendarStyle.line_type = "dashed"; }, [] { CForm_CalendarSettings().DoModal(); },
         [] { return g_calendarStyle.line_type; }, 4, "dotDash"},
        {"year planner line type", IDD_YEAR_PLANNER, IDC_CAL_LINE_TYPES, IDC_CAL_OK,
         [] { g_yearPlanner.line_type_name_in_xml = "dashed"; }, [] { CForm_YearPlanner().DoModal(); },
         [] { return g_yearPlanner.line_type_name_in_xml; }, 4, "dotDash"},
        {"monthly calendar grid", IDD_MONTH_CALENDAR, IDC_MC_GRID_LINES, IDC_CAL_OK,
         [] { g_monthCalendar.LineType_Grid = "dashed"; }, [] { CForm_MonthOfCalendar().DoModal(); },
         [] { return g_monthCalendarEdit.LineType_Grid; }, 4, "dotDash"},
        {"monthly calendar row line", IDD_MONTH_CALENDAR, IDC_MC_TOP_LINES, IDC_CAL_OK,
         [] { g_monthCalendar.LineTop[0] = "dashed"; }, [] { CForm_MonthOfCalendar().DoModal(); },
         [] { return g_monthCalendarEdit.LineTop[0]; }, 4, "dotDash"},
        // Opens on picture 1 (row 0).
        {"yearly calendar preset", IDD_YEAR_CALENDAR_EXAMPLE, IDC_EXAMPLE_LIST, IDC_EXAMPLE_OK,
         [] { g_nYearCalendarPreset = 7; }, [] { CForm_YearCalendarExample().DoModal(); },
         [] {
             CString row;
             row.Format("%d", g_nYearCalendarPreset);
             return row;
         },
         1, "1"},
    };
    for (const ChoiceCase& c : cases)
        for (const bool byReturn : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (byReturn ? ", Return" : ", 确定"));
            ResetAllSettings();
            g_monthCalendar = MonthCalendarDefaults();
            c.prepare();
            driver->Expect(c.dialog, [&](DialogProbe& p) {
                auto& list = *static_cast<CListCtrl*>(p.Item(c.list));
                list.SetFocus();
                for (UINT key : {VK_DOWN, VK_DOWN, VK_SPACE, VK_UP})
                    platform::ui::SimulateKey(list, key);
                EXPECT_EQ(RowsWith(list, [&](int row) { return list.GetItemState(row, LVIS_SELECTED) != 0; }),
                          std::vector<int>{c.row});
                if (list.GetExtendedStyle() & LVS_EX_CHECKBOXES) {
                    EXPECT_EQ(RowsWith(list, [&](int row) { return list.GetCheck(row) != FALSE; }),
                              std::vector<int>{c.row});
                }
                if (byReturn)
                    platform::ui::SimulateKey(list, VK_RETURN);
                else
                    p.Click(c.ok);
            });
            c.run();
            EXPECT_EQ(c.taken().str(), c.expected);
        }
}

// Each item symbol is a list of its own: the one the keys or a click select is chosen, and the
// only one shown selected.
TEST_F(ListChoiceKeysTest, TheItemSymbolSelectedIsTheOneShownAndTaken)
{
    g_nItemSpecial = 7;
    driver->Expect(IDD_ITEM_SPECIAL, [](DialogProbe& p) {
        const auto selected = [&] {
            std::vector<int> symbols;
            for (int index = 0; index < kItemSymbolCount; ++index)
                if (static_cast<CListCtrl*>(p.Item(kItemSymbolListIds[index]))->GetItemState(0, LVIS_SELECTED))
                    symbols.push_back(index + 1);
            return symbols;
        };
        EXPECT_EQ(selected(), std::vector<int>{7});
        CWnd& ninth = *p.Item(kItemSymbolListIds[8]);
        ninth.SetFocus();
        platform::ui::SimulateKey(ninth, VK_HOME);
        EXPECT_EQ(selected(), std::vector<int>{9});
        ClickListRow(p.Dialog(), kItemSymbolListIds[2], 0);
        EXPECT_EQ(selected(), std::vector<int>{3});
        CWnd& fifth = *p.Item(kItemSymbolListIds[4]);
        fifth.SetFocus();
        platform::ui::SimulateKey(fifth, VK_DOWN);
        EXPECT_EQ(selected(), std::vector<int>{5});
        p.Click(IDC_DIARY_OK);
    });
    CForm_ItemSpecial().DoModal();
    EXPECT_EQ(g_nItemSpecial, 5);
}
