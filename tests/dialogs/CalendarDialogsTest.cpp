// The yearly-calendar, year planner and monthly-calendar dialogs, their preset picker and the
// sample pictures, each run modally and driven as a user would.
#include "app/CurrentClass.h"
#include "app/window/AppFixture.h"
#include "dialogs/calendar/Form_CalendarSettings.h"
#include "dialogs/calendar/Form_MonthOfCalendar.h"
#include "dialogs/calendar/Form_ViewSample.h"
#include "dialogs/calendar/Form_YearCalendarExample.h"
#include "dialogs/calendar/Form_YearPlanner.h"
#include "dialogs/diary/Form_SpecialSign.h"
#include "resources/CalendarDialogIds.h"
#include "resources/DiaryDialogIds.h"
#include "settings/SettingsRecords.h"
#include "support/BmpFile.h"
#include "support/RepeatedText.h"

#include <filesystem>
#include <set>

namespace {

// The signs a picture shows in the colour of the full-year sample's sign: groups of touching
// pixels of that colour at least 6 pixels wide and high. LibreOffice, having no face for the
// sign's character, draws a box 1 to 3 pixels wide there instead.
int SignPictures(const platform::ui::WindowPicture& picture)
{
    const auto isSign = [&picture](int x, int y) {
        const COLORREF c = picture.Pixel(x, y);
        const int dr = GetRValue(c) - 0xC0, dg = GetGValue(c) - 0x39, db = GetBValue(c) - 0x2B;
        return c != 0xFFFFFFFF && dr * dr + dg * dg + db * db < 40 * 40;
    };
    std::set<std::pair<int, int>> seen;
    int signs = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            if (!isSign(x, y) || !seen.insert({x, y}).second)
                continue;
            std::vector<std::pair<int, int>> todo = {{x, y}};
            int left = x, right = x, top = y, bottom = y;
            while (!todo.empty()) {
                const auto [px, py] = todo.back();
                todo.pop_back();
                left = std::min(left, px), right = std::max(right, px);
                top = std::min(top, py), bottom = std::max(bottom, py);
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        if (isSign(px + dx, py + dy) && seen.insert({px + dx, py + dy}).second)
                            todo.push_back({px + dx, py + dy});
            }
            signs += right - left >= 5 && bottom - top >= 5 ? 1 : 0;
        }
    return signs;
}

class CalendarDialogsTest : public AppTest {
protected:
    template <typename Dialog>
    int Run(platform::ui::ModalHandler handler)
    {
        Dialog dialog;
        driver->Expect(dialog.GetTemplateId(), std::move(handler));
        return static_cast<int>(dialog.DoModal());
    }
    static bool Checked(DialogProbe& p, int id) { return static_cast<CButton*>(p.Item(id))->GetCheck() == BST_CHECKED; }
    static CalendarStyle FullStyle()
    {
        CalendarStyle s;
        s.month_font_color = "112233";
        s.month_bk_color = "445566";
        s.week_font_color = "778899";
        s.week_bk_color = "AABBCC";
        s.line_type = "dotDash";
        s.line_color = "DDEEFF";
        s.day0And6_font_color = "102030";
        s.day1To5_font_color = "405060";
        s.day_nolink_font_color = "708090";
        s.back_color_day06 = "A0B0C0";
        s.back_color_day15 = "D0E0F0";
        s.back_color_nodiary = "0A0B0C";
        s.back_color_empty = "0D0E0F";
        s.ABlankRowAfterAmonth = 0;
        s.font_name = "微软雅黑";   // not installed here
        s.Month_Align = 2;
        s.bMonthItalic = s.bWeekStrike = s.bDay06Bold = s.bDay15Italic = s.bDayNotDiaryStrike = 1;
        return s;
    }
    // Sections LIST0 to LIST2 only, each with its own line colour.
    void WritePresets()
    {
        std::string text;
        const char* colours[] = {"111111", "222222", "333333"};
        for (int index = 0; index < 3; ++index)
            text += "[LIST" + std::to_string(index) + "]\r\nCalendar_line_color=" + colours[index] +
                    "\r\nCalendar_line_type=dashed\r\nCalendar_Month_Align=0\r\nCalendar_bMonthBold=0\r\n"
                    "Calendar_bDayNotDiaryItalic=1\r\nCalendar_font_name=Tahoma\r\n";
        std::filesystem::create_directories(File("config/pic/YearlyCalendar"));
        Write("config/pic/YearlyCalendar/YearlyCalendarStyle.ini", text);
    }
    void PickPreset(int row)
    {
        driver->Expect(IDD_YEAR_CALENDAR_EXAMPLE, [row](DialogProbe& p) {
            ClickListRow(p.Dialog(), IDC_EXAMPLE_LIST, row);
            p.Click(IDC_EXAMPLE_OK);
        });
    }
};

} // namespace

TEST_F(CalendarDialogsTest, YearlyCalendarOkWithoutChangesKeepsTheStyle)
{
    g_calendarStyle = FullStyle();
    g_bShowAllMonths = 0;
    EXPECT_EQ(Run<CForm_CalendarSettings>([](DialogProbe& p) { p.Click(IDC_CAL_OK); }), IDOK);
    EXPECT_EQ(g_calendarStyle, FullStyle());
    EXPECT_EQ(g_bShowAllMonths, 0);
}

TEST_F(CalendarDialogsTest, YearlyCalendarDefaultsAndAnAlignmentNoRadioHas)
{
    g_calendarStyle = FullStyle();
    g_calendarStyle.Month_Align = 3;
    Run<CForm_CalendarSettings>([](DialogProbe& p) {
        for (int id : {IDC_YC_ALIGN_LEFT, IDC_YC_ALIGN_CENTRE, IDC_YC_ALIGN_RIGHT})
            EXPECT_FALSE(Checked(p, id));
        p.Click(IDC_CAL_OK);
    });
    EXPECT_EQ(g_calendarStyle.Month_Align, 3);

    g_bShowAllMonths = 0;
    Run<CForm_CalendarSettings>([](DialogProbe& p) {
        p.Click(IDC_YC_DEFAULT_ALL);
        p.Click(IDC_CAL_OK);
    });
    const CalendarStyle& s = g_calendarStyle;
    EXPECT_EQ(s.font_name, "Microsoft Sans Serif");
    EXPECT_EQ(s.Month_Align, 1);
    EXPECT_EQ(s.week_bk_color, "808080");
    EXPECT_EQ(s.day1To5_font_color, "0000CD");
    EXPECT_EQ(s.line_type, "dotted");
    EXPECT_EQ(s.line_color, "808080");
    EXPECT_EQ(s.ABlankRowAfterAmonth, 1);
    EXPECT_EQ(std::vector<int>({s.bMonthBold, s.bWeekBold, s.bDay06Bold, s.bDay15Bold, s.bDayNotDiaryItalic,
                                s.bDayNotDiaryStrike, s.bMonthItalic, s.bDayNotDiaryBold}),
              std::vector<int>({1, 1, 0, 1, 1, 1, 0, 0}));
    EXPECT_EQ(g_bShowAllMonths, 0);
}

TEST_F(CalendarDialogsTest, APresetPictureTakesItsOwnSectionAndCancelKeepsTheStyle)
{
    WritePresets();
    g_calendarStyle = FullStyle();
    PickPreset(1);
    Run<CForm_CalendarSettings>([](DialogProbe& p) {
        p.Click(IDC_CAL_EXAMPLE);
        p.Click(IDC_CAL_OK);
    });
    EXPECT_EQ(g_calendarStyle.line_color, "222222") << "picture 2 is section LIST1";
    EXPECT_EQ(g_calendarStyle.line_type, "dashed");
    EXPECT_EQ(g_calendarStyle.Month_Align, 0);
    EXPECT_EQ(g_calendarStyle.bDayNotDiaryItalic, 1);
    EXPECT_EQ(g_calendarStyle.month_bk_color, "445566") << "a key the section lacks leaves its control";

    const CalendarStyle before = g_calendarStyle;
    PickPreset(0);
    Run<CForm_CalendarSettings>([](DialogProbe& p) {
        p.Click(IDC_CAL_EXAMPLE);
        p.Click(IDC_CAL_CANCEL);
    });
    EXPECT_EQ(g_calendarStyle, before);

    PickPreset(4);
    Run<CForm_CalendarSettings>([](DialogProbe& p) {
        p.Click(IDC_CAL_EXAMPLE);
        p.Click(IDC_CAL_OK);
    });
    EXPECT_EQ(g_calendarStyle.line_color, "222222") << "picture 5 has no section: nothing applied";
}

TEST_F(CalendarDialogsTest, ThePresetPickerKeepsEachPictureInItsRowAndStartsAtRowZero)
{
    const std::string folder = File("config/pic/YearlyCalendar");
    std::filesystem::create_directories(folder);
    for (int number = 1; number <= 8; ++number)
        WriteSolidBmp(folder + "/" + std::to_string(number) + ".bmp", 221, 163, RGB(static_cast<BYTE>(number), 0, 0));
    std::filesystem::remove(folder + "/5.bmp");
    g_nYearCalendarPreset = 6;
    Run<CForm_YearCalendarExample>([](DialogProbe& p) {
        auto& picker = static_cast<CForm_YearCalendarExample&>(p.Dialog());
        ASSERT_EQ(picker.m_list.GetItemCount(), 8);
        LVITEM item{};
        item.mask = LVIF_IMAGE;
        item.iItem = 4;
        picker.m_list.GetItem(&item);
        EXPECT_EQ(item.iImage, -1) << "the missing fifth picture leaves its own row empty";
        item.iItem = 5;
        picker.m_list.GetItem(&item);
        EXPECT_EQ(item.iImage, 4) << "the sixth stays in row 5";
        EXPECT_EQ(picker.m_list.GetItemText(3, 1), "4");
        p.Click(IDC_EXAMPLE_OK);
    });
    EXPECT_EQ(g_nYearCalendarPreset, 0) << "OK before any click takes row 0";
    Run<CForm_YearCalendarExample>([](DialogProbe& p) {
        ClickListRow(p.Dialog(), IDC_EXAMPLE_LIST, 3);
        p.PressEnter();
    });
    EXPECT_EQ(g_nYearCalendarPreset, 3);
    Run<CForm_YearCalendarExample>([](DialogProbe& p) {
        ClickListRow(p.Dialog(), IDC_EXAMPLE_LIST, 6);
        p.PressEscape();
    });
    EXPECT_EQ(g_nYearCalendarPreset, 3);
}

TEST_F(CalendarDialogsTest, YearPlannerOkKeepsTheRecordAndDefaultKeepsThePages)
{
    YearPlannerSettings planner = YearPlannerDefaults();
    planner.str_FontName = "Georgia Pro";
    planner.str_FontSize = "38.5";
    planner.color_for_month_bk = "123456";
    planner.line_type_name_in_xml = "wave";
    planner.YearPlanner1Page = 1;
    planner.YearPlannerQuarterPlanner = 1;
    planner.MonthFormat_For1PageYearPlanner = "%B";
    g_yearPlanner = planner;
    g_bConfigYearPlanner = 1;
    Run<CForm_YearPlanner>([](DialogProbe& p) { p.Click(IDC_CAL_OK); });
    EXPECT_EQ(g_yearPlanner, planner);
    EXPECT_EQ(g_bConfigYearPlanner, 1);

    Run<CForm_YearPlanner>([](DialogProbe& p) {
        p.Click(IDC_YP_DEFAULT);
        p.Click(IDC_YP_ONE_PAGE);
        EXPECT_FALSE(p.Item(IDC_YP_UPPER)->IsWindowEnabled());
        EXPECT_FALSE(p.Item(IDC_YP_ONE_PAGE_FORMAT)->IsWindowEnabled());
        p.Click(IDC_CAL_OK);
    });
    const YearPlannerSettings& y = g_yearPlanner;
    EXPECT_EQ(y.str_FontName, "Tahoma");
    EXPECT_EQ(y.str_FontSize, "9");
    EXPECT_EQ(y.MonthFormat_For1PageYearPlanner, "%m月") << "stored though the edit is disabled";
    EXPECT_EQ(std::vector<CString>({y.color_for_month_bk, y.color_for_weekname_bk, y.color_for_week1to5_font,
                                    y.color_for_week0and6_bk, y.line_color, y.color_for_double_month_bk}),
              std::vector<CString>({"535353", "B0B095", "666666", "999999", "EAEAEA", "F7F7F7"}));
    EXPECT_EQ(y.line_type_name_in_xml, "single");
    EXPECT_EQ(y.YearPlanner1Page, 0);
    EXPECT_EQ(y.YearPlannerQuarterPlanner, 1);
}

// The one-page planner's month titles are shown in 49 bytes at most, two a Chinese character: a
// longer format is told at 确定, which keeps the dialog open. September is the longest
// month; unticked, the planner's format is not used.
TEST_F(CalendarDialogsTest, AOnePagePlannerFormatPastWhatTheWindowsShowIsToldAtOk)
{
    const std::string fits = "%B" + Repeated("汉", 20);
    g_yearPlanner = YearPlannerDefaults();
    g_yearPlanner.YearPlanner1Page = 1;
    Run<CForm_YearPlanner>([&](DialogProbe& p) {
        p.Type(IDC_YP_ONE_PAGE_FORMAT, (fits + "x").c_str());
        p.Click(IDC_YP_PREVIEW_FORMAT);
        EXPECT_NE(p.Item(IDC_YP_FORMAT_SAMPLE)->GetWindowText(), "") << "June's title is shown";
        p.Click(IDC_CAL_OK);
        ASSERT_TRUE(p.IsOpen());
        p.Type(IDC_YP_ONE_PAGE_FORMAT, fits.c_str());
        p.Click(IDC_CAL_OK);
    });
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"一页年计划表的月份格式太长：一个月份标题最多 49 字节，即 24 个汉字"
                                                       "（一个字母或数字算 1 字节）。请缩短格式。"});
    EXPECT_EQ(g_yearPlanner.MonthFormat_For1PageYearPlanner, fits);

    g_yearPlanner.YearPlanner1Page = 0;
    g_yearPlanner.MonthFormat_For1PageYearPlanner = (fits + "x").c_str();
    EXPECT_EQ(Run<CForm_YearPlanner>([](DialogProbe& p) { p.Click(IDC_CAL_OK); }), IDOK);
    EXPECT_EQ(MessageTexts().size(), 1u);
}

TEST_F(CalendarDialogsTest, MonthlyCalendarOkStoresTheRowsAndDerivesTheBottomBorders)
{
    MonthCalendarSettings m = MonthCalendarDefaults();
    m.FontName = "微软雅黑";
    m.FontSize_Day = "38.5";
    m.FontAlign_Day = 3;
    m.bAddMonthOfCalendar = 1;
    for (int row = 0; row < 5; ++row) {
        m.LineTop[row] = row == 2 ? "double" : "dashed";
        m.LineColor_Top[row] = "00000" + std::to_string(row + 1);
        m.line15_BKColor_[row] = "ABCDE" + std::to_string(row);
        m.iSpecialSign_06[row] = row + 3;
        m.bAddSpecialSign_06[row] = static_cast<BYTE>(row % 2);
        m.i21DaysNotWorkDays[row] = row;
    }
    m.b21Days[0] = m.b21Days[3] = 1;
    m.line06_FontItalic_[4] = 1;
    g_monthCalendar = m;
    g_monthCalendarEdit = MonthCalendarSettings{};
    EXPECT_EQ(Run<CForm_MonthOfCalendar>([](DialogProbe& p) {
                  for (int id : {IDC_MC_ALIGN_LEFT, IDC_MC_ALIGN_CENTRE, IDC_MC_ALIGN_RIGHT})
                      EXPECT_FALSE(Checked(p, id));
                  p.Click(IDC_CAL_OK);
              }),
              IDOK);
    MonthCalendarSettings expected = m;
    for (int row = 0; row < 4; ++row) {
        expected.LineBottom[row] = m.LineTop[row + 1];
        expected.LineColor_Bottom[row] = m.LineColor_Top[row + 1];
    }
    expected.LineBottom[4] = expected.LineColor_Bottom[4] = "";
    EXPECT_EQ(g_monthCalendarEdit, expected);
    EXPECT_EQ(g_monthCalendar, m) << "the dialog stores into the working copy only";
    EXPECT_EQ(CForm_MonthOfCalendar::ColorToHex(RGB(0x0A, 0xBC, 0x01)), "0ABC01");
}

TEST_F(CalendarDialogsTest, TheTwentyOneDayCounterStaysInOneRowAndRestDaysAreChecked)
{
    g_monthCalendar = MonthCalendarDefaults();
    g_monthCalendar.b21Days[0] = 1;
    Run<CForm_MonthOfCalendar>([](DialogProbe& p) {
        EXPECT_TRUE(p.Item(IDC_MC_REST)->IsWindowEnabled());
        p.Click(kMonthRowRadioIds[2]);
        EXPECT_FALSE(p.Item(IDC_MC_REST)->IsWindowEnabled());
        p.Click(IDC_MC_21_DAYS);
        EXPECT_TRUE(p.Item(IDC_MC_REST_DAYS)->IsWindowEnabled());
        p.Type(IDC_MC_REST_DAYS, "2147483648");
        p.Click(IDC_MC_REST_APPLY);
        EXPECT_EQ(p.Item(IDC_MC_REST_DAYS)->GetWindowText(), "") << "a count past a year is refused";
        p.Type(IDC_MC_REST_DAYS, "");
        p.Click(IDC_MC_REST_APPLY);
        p.Click(IDC_CAL_OK);
    });
    const MonthCalendarSettings& m = g_monthCalendarEdit;
    EXPECT_EQ(std::vector<int>(m.b21Days, m.b21Days + 5), std::vector<int>({0, 0, 1, 0, 0}));
    EXPECT_EQ(m.i21DaysNotWorkDays[2], 0) << "an empty count is 0";

    int days = -1;
    EXPECT_FALSE(CForm_MonthOfCalendar::ParseRestDays("3a", &days));
    EXPECT_FALSE(CForm_MonthOfCalendar::ParseRestDays("367", &days));
    EXPECT_TRUE(CForm_MonthOfCalendar::ParseRestDays("366", &days));
    EXPECT_EQ(days, 366);
}

// The count reaches its row when the edit loses the focus, which neither Enter nor a click the
// focus stays through gives: both take the count typed last, by the edit's own rule.
TEST_F(CalendarDialogsTest, EnterAndOkTakeTheRestDaysTypedLast)
{
    const struct {
        const char* typed;
        int stored;
    } cases[] = {{"5", 5}, {"366", 366}, {"", 0}, {"3a", 1}, {"367", 1}};
    for (const auto& c : cases)
        for (const bool enter : {true, false}) {
            SCOPED_TRACE(std::string("\"") + c.typed + (enter ? "\" and Enter" : "\" and 确定"));
            g_monthCalendar = MonthCalendarDefaults();
            g_monthCalendar.b21Days[1] = 1;
            g_monthCalendar.i21DaysNotWorkDays[0] = g_monthCalendar.i21DaysNotWorkDays[1] = 2;
            EXPECT_EQ(Run<CForm_MonthOfCalendar>([&](DialogProbe& p) {
                          p.Click(kMonthRowRadioIds[1]);
                          p.Type(IDC_MC_REST_DAYS, c.typed);
                          if (enter)
                              p.PressEnter();
                          else
                              p.Click(IDC_CAL_OK);
                      }),
                      IDOK);
            EXPECT_EQ(g_monthCalendarEdit.i21DaysNotWorkDays[1], c.stored);
            EXPECT_EQ(g_monthCalendarEdit.i21DaysNotWorkDays[0], 2) << "another row keeps its count";
        }
}

TEST_F(CalendarDialogsTest, TheSignPickerOpensOnTheSelectedRowsOwnSign)
{
    g_monthCalendar = MonthCalendarDefaults();
    for (int row = 0; row < 5; ++row) {
        g_monthCalendar.bAddSpecialSign_06[row] = 1;
        g_monthCalendar.iSpecialSign_06[row] = 10 + row;
    }
    std::vector<int> shown;
    const auto pick = [&shown](int sign) {
        return [&shown, sign](DialogProbe& p) {
            shown.push_back(static_cast<CForm_SpecialSign&>(p.Dialog()).m_nHighlighted);
            if (sign > 0) {
                p.Click(kSpecialSignButtonIds[sign - 1]);
                p.Click(IDC_DIARY_OK);
            } else {
                p.Click(IDC_DIARY_CANCEL);
            }
        };
    };
    driver->Expect(IDD_SPECIAL_SIGN, pick(0));
    driver->Expect(IDD_SPECIAL_SIGN, pick(20));
    driver->Expect(IDD_SPECIAL_SIGN, pick(0));
    driver->Expect(IDD_SPECIAL_SIGN, pick(0));
    Run<CForm_MonthOfCalendar>([](DialogProbe& p) {
        p.Click(kMonthRowRadioIds[1]);
        p.Click(IDC_MC_WEEKEND_SIGN);   // row 2's sign 11, cancelled
        p.Click(kMonthRowRadioIds[3]);
        p.Click(IDC_MC_WEEKEND_SIGN);   // row 4's sign 13, changed to 20
        p.Click(IDC_MC_WEEKEND_SIGN);   // a second visit shows 20
        p.Click(kMonthRowRadioIds[1]);
        p.Click(IDC_MC_WEEKEND_SIGN);   // row 2 still 11
        p.Click(IDC_CAL_OK);
    });
    EXPECT_EQ(shown, std::vector<int>({11, 13, 20, 11}));
    EXPECT_EQ(std::vector<int>(g_monthCalendarEdit.iSpecialSign_06, g_monthCalendarEdit.iSpecialSign_06 + 5),
              std::vector<int>({10, 11, 12, 20, 14}));
}

TEST_F(CalendarDialogsTest, ASamplePictureShowsItsPictureAndClosesWithEscape)
{
    std::filesystem::create_directories(File("config/pic/samples"));
    WriteSolidBmp(File("config/pic/samples/300.bmp"), 510, 550, RGB(10, 200, 30));
    EXPECT_EQ(Run<CForm_ViewSampleYearlyCalendar>([](DialogProbe& p) {
                  const auto picture = platform::ui::CaptureWindow(*p.Item(IDC_SAMPLE_PICTURE));
                  EXPECT_EQ(picture.Pixel(20, 20), RGB(10, 200, 30));
                  p.PressEscape();
              }),
              IDCANCEL);
}

// January 2026 of the full-year sample: its nine weekend cells of the second writing row carry a
// sign, the first (Saturday 3) within the example's top of the table.
TEST_F(CalendarDialogsTest, TheShippedMonthlyCalendarPicturesShowTheirSigns)
{
    Run<CForm_ViewSampleMonthlyCalendar>([](DialogProbe& p) {
        EXPECT_EQ(SignPictures(platform::ui::CaptureWindow(*p.Item(IDC_SAMPLE_PICTURE))), 9);
        p.PressEscape();
    });
    Run<CForm_MonthOfCalendar>([](DialogProbe& p) {
        EXPECT_EQ(SignPictures(platform::ui::CaptureWindow(*p.Item(IDC_MC_EXAMPLE_PICTURE))), 1);
        p.Click(IDC_CAL_CANCEL);
    });
}

TEST_F(CalendarDialogsTest, TheShippedPresetsHaveEightPicturesAndEightFullSections)
{
    Run<CForm_YearCalendarExample>([](DialogProbe& p) {
        EXPECT_EQ(static_cast<CForm_YearCalendarExample&>(p.Dialog()).m_images.GetImageCount(), 8);
        p.Click(IDC_EXAMPLE_CANCEL);
    });
    const std::string ini = File(kYearCalendarPresetFile);
    for (int index = 0; index < 8; ++index) {
        const std::string section = "LIST" + std::to_string(index);
        for (const char* key : {"Calendar_line_type", "Calendar_line_color", "Calendar_font_name",
                                "Calendar_back_color_empty", "Calendar_bDayNotDiaryStrike"})
            EXPECT_FALSE(Ini(ini, section.c_str(), key).IsEmpty()) << section << " " << key;
    }
}
