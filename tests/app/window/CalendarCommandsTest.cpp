// The toolbar's calendar commands and the sample button of the main window: each opens its
// dialog, and the monthly calendar reaches the design only through OK.
#include "AppFixture.h"
#include "app/Form_SetWord.h"
#include "dialogs/calendar/Form_CalendarSettings.h"
#include "resources/CalendarDialogIds.h"
#include "settings/SettingsRecords.h"

namespace {

class CalendarCommandsTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        Write("ZaDuzed_Simple.ini", PreparedConfig());
        window = std::make_unique<CForm_SetWord>();
        ASSERT_TRUE(window->Create(IDD_FORM_SETWORD));
    }
    void TearDown() override
    {
        window.reset();
        AppTest::TearDown();
    }
    void Command(UINT id) { window->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED), 0); }
    std::unique_ptr<CForm_SetWord> window;
};

} // namespace

TEST_F(CalendarCommandsTest, MonthlyRowEditsReachTheDesignOnlyThroughOk)
{
    const MonthCalendarSettings before = g_monthCalendar;
    const auto editRows = [](DialogProbe& p) {
        p.Click(kMonthRowRadioIds[1]);
        p.Click(IDC_MC_21_DAYS);
        p.Click(kMonthRowAddIds[4]);
        p.Click(IDC_MC_UPPER);
        ClickListRow(p.Dialog(), IDC_MC_TOP_LINES, 3);
    };
    driver->Expect(IDD_MONTH_CALENDAR, [&](DialogProbe& p) {
        editRows(p);
        p.Click(IDC_CAL_CANCEL);
    });
    Command(ID_TOOLBAR_MONTH_CALENDAR);
    EXPECT_EQ(g_monthCalendar, before);

    driver->Expect(IDD_MONTH_CALENDAR, [&](DialogProbe& p) {
        editRows(p);
        p.Click(IDC_CAL_OK);
    });
    Command(ID_TOOLBAR_MONTH_CALENDAR);
    EXPECT_EQ(g_monthCalendar.b21Days[1], 1);
    EXPECT_EQ(g_monthCalendar.LineTop[1], "dashed");
    EXPECT_EQ(g_monthCalendar.LineBottom[0], "dashed") << "row 1 ends on row 2's top border";
    EXPECT_EQ(g_monthCalendar.bAddLine[4], before.bAddLine[4] == 0 ? 1 : 0);
    EXPECT_EQ(g_monthCalendar.bWeekNameUpper, before.bWeekNameUpper == 0 ? 1 : 0);
}

TEST_F(CalendarCommandsTest, TheOtherCommandsOpenTheirDialogs)
{
    driver->Expect(IDD_YEAR_CALENDAR, [](DialogProbe& p) {
        EXPECT_EQ(p.Item(IDC_YC_MONTH_TITLE)->GetWindowText(), "2026-01") << "the window's month format";
        p.Click(IDC_CAL_CANCEL);
    });
    Command(ID_TOOLBAR_YEAR_CALENDAR);
    EXPECT_EQ(g_strMonthFormatCopy, "%Y-%m");
    driver->Expect(IDD_YEAR_PLANNER, [](DialogProbe& p) {
        p.Click(IDC_YP_APPLY);
        p.Click(IDC_CAL_OK);
    });
    Command(ID_TOOLBAR_YEAR_PLANNER);
    EXPECT_EQ(g_bConfigYearPlanner, 1);
    driver->Expect(IDD_SAMPLE_DAILY_DIARY, [](DialogProbe& p) { p.PressCloseBox(); });
    Command(IDC_BUTTON_VIEW_EXAMPLE);
    EXPECT_EQ(driver->Ran(), std::vector<UINT>({IDD_YEAR_CALENDAR, IDD_YEAR_PLANNER, IDD_SAMPLE_DAILY_DIARY}));
}
