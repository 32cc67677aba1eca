// Dialog 131's range, weekday filter and storing rules, driven on a fixed day (15 June 2026).
#include "DateDialogFixture.h"

#include "settings/SettingsRecords.h"

namespace {

constexpr const char* kRangeError = "start months must be < end months!";
constexpr const char* kCountError = "Days Count must be > 0 and <366.";

struct Closing {
    const char* name;
    std::function<void(DialogProbe&)> close;
    INT_PTR result;
};

class ClosingStores : public DateDialogTest, public testing::WithParamInterface<Closing> {};

CString Status(DialogProbe& p)
{
    return p.Item(IDC_SM_STATUS)->GetWindowText();
}

COLORREF StatusColour(DialogProbe& p)
{
    return dynamic_cast<CFontLabel&>(*p.Item(IDC_SM_STATUS)).m_textColour;
}

} // namespace

TEST_P(ClosingStores, RangeWeekdaysAndLookOfUntickedDays)
{
    const INT_PTR result = RunDialog([](DialogProbe& p) {
        ChooseDate(p, IDC_SM_START_MONTH, IDC_SM_START_DAY, 3, 15);
        ChooseDate(p, IDC_SM_END_MONTH, IDC_SM_END_DAY, 4, 10);
        SetCheck(p, IDC_SM_SUNDAY, false);
        SetCheck(p, IDC_SM_UNTICKED_ITALIC, true);
        EXPECT_EQ(Text(p, IDC_SM_COUNT_LABEL), "23 天") << "27 days less 4 Sundays";
        p.PressEnter();
        ASSERT_TRUE(p.IsOpen()) << "Enter does nothing";
        GetParam().close(p);
    });
    EXPECT_EQ(result, GetParam().result);
    EXPECT_EQ((std::vector<int>{g_nMonthStart, g_nDayStart, g_nMonthEnd, g_nDayEnd}), (std::vector<int>{3, 15, 4, 10}));
    EXPECT_EQ(g_abUncheckedWeek[0], 0);
    EXPECT_EQ(g_abUncheckedWeek[1], 1);
    EXPECT_EQ(g_bUncheckedWeekFontItalic, 1);
    EXPECT_EQ(g_strDayFormat, "%Y年%m月%d日,%A") << "a new template's daily format";
    EXPECT_EQ(g_strMonthFormat, "%B %Y");
}

INSTANTIATE_TEST_SUITE_P(DateRange, ClosingStores,
                         testing::Values(Closing{"OkButton", [](DialogProbe& p) { p.Click(IDC_SM_OK); }, IDOK},
                                         Closing{"Escape", [](DialogProbe& p) { p.PressEscape(); }, IDCANCEL},
                                         Closing{"CloseBox", [](DialogProbe& p) { p.PressCloseBox(); }, IDCANCEL}),
                         [](const testing::TestParamInfo<Closing>& test) { return std::string(test.param.name); });

TEST_F(DateDialogTest, CancelStoresNothingAfterYearEndDefaultsOrAFailedCaptionCheck)
{
    g_strConfigPath = File("design.ini");
    g_nMonthEnd = 6;
    g_nDayEnd = 30;
    g_strHadBeenDays = " [ 第 ";
    g_strHadBeenDaysBack = " 天 ]";
    const CString dayFormat = g_strDayFormat;
    const DayCaptionSettings captions = g_dayCaptions;
    const int result = static_cast<int>(RunDialog([](DialogProbe& p) {
        EXPECT_EQ(Text(p, IDC_SM_END_DAY), "30");
        p.Click(IDC_SM_YEAR_END);
        EXPECT_EQ(Text(p, IDC_SM_END_DAY), "31");
        p.Click(IDC_SM_DEFAULTS);
        SetCheck(p, IDC_SM_OWN_STYLE, true);
        p.Type(IDC_SM_NUMBER_BEFORE, "  ");
        p.Click(IDC_SM_OK);
        ASSERT_TRUE(p.IsOpen()) << "one half of a caption is blank";
        EXPECT_EQ(Text(p, IDC_SM_NUMBER_BEFORE), "") << "the blank half is emptied";
        EXPECT_TRUE(p.Item(IDC_SM_MARK_NUMBER_BEFORE)->IsWindowVisible());
        p.Click(IDC_SM_CANCEL);
    }));
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(g_nMonthEnd, 6);
    EXPECT_EQ(g_nDayEnd, 30);
    EXPECT_EQ(g_strDayFormat, dayFormat);
    EXPECT_EQ(g_strHadBeenDays, " [ 第 ");
    EXPECT_EQ(g_dayCaptions, captions);
}

TEST_F(DateDialogTest, AWindowDestroyedWithoutClosingStoresNothing)
{
    g_nMonthEnd = 6;
    g_nDayEnd = 30;
    CForm_SetMonth dialog;
    ASSERT_TRUE(dialog.Create(IDD_SET_MONTH));
    static_cast<CComboBox*>(dialog.GetDlgItem(IDC_SM_END_DAY))->SetCurSel(0);
    dialog.DestroyWindow();
    EXPECT_EQ(g_nMonthEnd, 6);
    EXPECT_EQ(g_nDayEnd, 30) << "only 确定, Esc or the close box store";
}

struct TomorrowCase {
    int year, month, day;
    const char* startMonth;
    const char* startDay;
    int daysListed;
};

void PrintTo(const TomorrowCase& c, std::ostream* out)
{
    *out << c.year << "-" << c.month << "-" << c.day;
}

class Tomorrow : public DateDialogTest, public testing::WithParamInterface<TomorrowCase> {};

TEST_P(Tomorrow, StartsTheDayAfterTodayWithinTheYear)
{
    const TomorrowCase& c = GetParam();
    FixClock(c.year, c.month, c.day);
    RunDialog([&](DialogProbe& p) {
        p.Click(IDC_SM_TOMORROW);
        EXPECT_EQ(Text(p, IDC_SM_START_MONTH), c.startMonth);
        EXPECT_EQ(Text(p, IDC_SM_START_DAY), c.startDay);
        EXPECT_EQ(static_cast<CComboBox*>(p.Item(IDC_SM_START_DAY))->GetCount(), c.daysListed);
        p.Click(IDC_SM_CANCEL);
    });
}

INSTANTIATE_TEST_SUITE_P(DateRange, Tomorrow,
                         testing::Values(TomorrowCase{2026, 4, 30, "5", "1", 31}, TomorrowCase{2026, 12, 31, "12", "31", 31},
                                         TomorrowCase{2028, 2, 28, "2", "29", 29}));

TEST_F(DateDialogTest, ADayCountEndsOnItsLastTickedDay)
{
    RunDialog([](DialogProbe& p) {
        ChooseDate(p, IDC_SM_START_MONTH, IDC_SM_START_DAY, 3, 14);   // a Saturday
        SetCheck(p, IDC_SM_SATURDAY, false);
        SetCheck(p, IDC_SM_SUNDAY, false);
        p.Type(IDC_SM_DAY_COUNT, "5");
        p.Click(IDC_SM_COUNT_DAYS);
        EXPECT_EQ(Text(p, IDC_SM_END_MONTH), "3");
        EXPECT_EQ(Text(p, IDC_SM_END_DAY), "20") << "the following Friday";
        EXPECT_EQ(Text(p, IDC_SM_COUNT_LABEL), "5 天");
        EXPECT_EQ(Status(p), "");

        ChooseDate(p, IDC_SM_START_MONTH, IDC_SM_START_DAY, 12, 20);
        p.Type(IDC_SM_DAY_COUNT, "300");
        p.Click(IDC_SM_COUNT_DAYS);
        EXPECT_EQ(Text(p, IDC_SM_END_DAY), "31") << "the year ends first";
        EXPECT_EQ(Text(p, IDC_SM_COUNT_LABEL), "9 天") << "the weekdays of 21 to 31 December";
        EXPECT_EQ(Text(p, IDC_SM_DAY_COUNT), "9");
        p.Click(IDC_SM_CANCEL);
    });
}

TEST_F(DateDialogTest, ADayCountOutOfRangeChangesNothing)
{
    RunDialog([](DialogProbe& p) {
        ChooseDate(p, IDC_SM_END_MONTH, IDC_SM_END_DAY, 5, 5);
        for (const char* count : {"0", "", "366", "99999999999999999999"}) {
            p.Type(IDC_SM_DAY_COUNT, count);
            p.Click(IDC_SM_COUNT_DAYS);
            EXPECT_EQ(Status(p), kCountError) << count;
            EXPECT_EQ(StatusColour(p), RGB(255, 0, 0));
            EXPECT_EQ(Text(p, IDC_SM_END_DAY), "5") << count;
        }
        p.Type(IDC_SM_DAY_COUNT, "12a");
        p.Click(IDC_SM_COUNT_DAYS);
        EXPECT_EQ(Text(p, IDC_SM_DAY_COUNT), "");
        EXPECT_EQ(Text(p, IDC_SM_END_MONTH), "5");
        p.Click(IDC_SM_CANCEL);
    });
}

TEST_F(DateDialogTest, ARangeWithoutADiaryDayIsStoredEndingOn31December)
{
    RunDialog([](DialogProbe& p) {
        ChooseDate(p, IDC_SM_START_MONTH, IDC_SM_START_DAY, 3, 15);
        ChooseDate(p, IDC_SM_END_MONTH, IDC_SM_END_DAY, 3, 10);
        EXPECT_EQ(Text(p, IDC_SM_COUNT_LABEL), "0 天");
        EXPECT_EQ(Status(p), kRangeError);
        EXPECT_EQ(StatusColour(p), RGB(255, 0, 0));
        p.Click(IDC_SM_OK);
    });
    EXPECT_EQ((std::vector<int>{g_nMonthStart, g_nDayStart, g_nMonthEnd, g_nDayEnd}), (std::vector<int>{3, 15, 12, 31}));

    RunDialog([](DialogProbe& p) {
        for (const int box : {IDC_SM_SUNDAY, IDC_SM_MONDAY, IDC_SM_TUESDAY, IDC_SM_WEDNESDAY, IDC_SM_THURSDAY,
                              IDC_SM_FRIDAY, IDC_SM_SATURDAY})
            SetCheck(p, box, false);
        EXPECT_EQ(Text(p, IDC_SM_COUNT_LABEL), "0 天");
        EXPECT_EQ(Status(p), kRangeError);
        p.Click(IDC_SM_WEEKDAY_DEFAULT);
        EXPECT_EQ(Text(p, IDC_SM_COUNT_LABEL), "365 天") << "every day of 2026";
        p.Click(IDC_SM_CANCEL);
    });
}

TEST_F(DateDialogTest, DayListsHoldTheDaysOfTheirMonth)
{
    g_strConfigPath = File("design.ini");
    g_nMonthStart = 4;
    g_nDayStart = 30;
    g_nMonthEnd = 2;
    g_nDayEnd = 28;
    RunDialog([](DialogProbe& p) {
        EXPECT_EQ(static_cast<CComboBox*>(p.Item(IDC_SM_START_DAY))->GetCount(), 30);
        EXPECT_EQ(static_cast<CComboBox*>(p.Item(IDC_SM_END_DAY))->GetCount(), 28);
        EXPECT_EQ(Status(p), kRangeError);
        p.Click(IDC_SM_CANCEL);
    });
}
