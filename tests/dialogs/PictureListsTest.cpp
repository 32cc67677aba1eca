// The picture lists of the table and calendar dialogs: the picture column reaches the list's
// right edge, so no empty column shows beside it.
#include "app/window/AppFixture.h"
#include "dialogs/calendar/Form_CalendarSettings.h"
#include "dialogs/calendar/Form_MonthOfCalendar.h"
#include "dialogs/calendar/Form_YearPlanner.h"
#include "dialogs/diary/Form_Table.h"
#include "dialogs/diary/Form_Table_ALine.h"
#include "platform/ui/HeaderCtrl.h"
#include "resources/CalendarDialogIds.h"
#include "resources/HeadingDialogIds.h"
#include "resources/TableStyleIds.h"

#include <functional>

namespace {

class PictureListsTest : public AppTest {};

// The width the columns take together and the list's client width.
std::pair<int, int> Widths(DialogProbe& p, int listId)
{
    auto* list = static_cast<CListCtrl*>(p.Item(listId));
    CRect client;
    list->GetClientRect(&client);
    int columns = 0;
    for (int column = 0; column < list->GetHeaderCtrl()->GetItemCount(); ++column)
        columns += list->GetColumnWidth(column);
    return {columns, client.Width()};
}

} // namespace

TEST_F(PictureListsTest, ThePictureColumnFillsEveryPictureList)
{
    const struct {
        UINT dialog;
        std::vector<int> lists;
        std::function<void()> run;
    } cases[] = {
        {IDD_TABLE_STYLE, {IDC_TABLE_LINE_TYPES, IDC_TABLE_PRESETS}, [] { CForm_Table().DoModal(); }},
        {IDD_TABLE_ALINE, {IDC_LINE_TABLE_TYPES}, [] { CForm_Table_ALine().DoModal(); }},
        {IDD_YEAR_CALENDAR, {IDC_CAL_LINE_TYPES}, [] { CForm_CalendarSettings().DoModal(); }},
        {IDD_MONTH_CALENDAR, {IDC_MC_GRID_LINES, IDC_MC_TOP_LINES}, [] { CForm_MonthOfCalendar().DoModal(); }},
        {IDD_YEAR_PLANNER, {IDC_CAL_LINE_TYPES}, [] { CForm_YearPlanner().DoModal(); }},
    };
    for (const auto& c : cases) {
        driver->Expect(c.dialog, [&](DialogProbe& p) {
            for (int list : c.lists) {
                const auto [columns, client] = Widths(p, list);
                EXPECT_EQ(columns, client) << "dialog " << c.dialog << " list " << list;
            }
            p.Dialog().EndDialog(IDCANCEL);
        });
        c.run();
    }
}
