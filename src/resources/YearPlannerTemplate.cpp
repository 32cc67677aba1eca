// Template of the year planner dialog (282).
#include "resources/CalendarDialogIds.h"
#include "resources/CalendarDialogTemplates.h"
#include "resources/ResourceIds.h"

using namespace calendar_template;

namespace {

// The sample: a column of weekday letters and two month columns of six day rows.
constexpr int kSampleLeft = 14;
constexpr int kSampleTop = 196;
constexpr int kLetterWidth = 24;
constexpr int kMonthWidth = 94;
constexpr int kSampleRow = 12;

std::vector<ControlTemplate> FontAndColourControls()
{
    std::vector<ControlTemplate> controls = {
        {C::Static, kYearPlannerGroupIds[0], "字体设置", 7, 5, 228, 34, SS_LEFT},
        {C::Static, IDC_STATIC, "名称:", 14, 20, 22, 8, SS_LEFT},
        {C::ComboBox, IDC_CAL_FONT, "", 38, 18, 100, 140, kFontList},
        {C::Static, IDC_STATIC, "大小:", 146, 20, 22, 8, SS_LEFT},
        {C::ComboBox, IDC_YP_SIZE, "", 170, 18, 44, 140, kSizeList},
        {C::Static, kYearPlannerGroupIds[1], "颜色设置", 7, 43, 228, 136, SS_LEFT},
        {C::Static, IDC_STATIC, "背景颜色", 110, 54, 50, 8, SS_LEFT},
        {C::Static, IDC_STATIC, "字体颜色", 168, 54, 50, 8, SS_LEFT},
    };
    const struct {
        const char* caption;
        int back;
        int text;
    } rows[] = {{"月份标题设置:", IDC_YP_MONTH_BACK, IDC_YP_MONTH_FONT},
                {"星期标题设置:", IDC_YP_WEEK_BACK, IDC_YP_WEEK_FONT},
                {"周日和周六 : 格式设置", IDC_YP_DAY06_BACK, IDC_YP_DAY06_FONT},
                {"周一到周五 : 格式设置", IDC_YP_DAY15_BACK, IDC_YP_DAY15_FONT},
                {"双月列背景颜色:", IDC_YP_DOUBLE_MONTH_BACK, 0},
                {"空白表格背景颜色:", IDC_YP_EMPTY_BACK, 0}};
    int y = 65;
    for (const auto& row : rows) {
        controls.push_back({C::Static, IDC_STATIC, row.caption, 14, y + 3, 92, 8, SS_LEFT});
        controls.push_back({C::Button, row.back, "", 108, y, 52, 14, kPush});
        if (row.text != 0)
            controls.push_back({C::Button, row.text, "", 166, y, 52, 14, kPush});
        y += 18;
    }
    return controls;
}

std::vector<ControlTemplate> SampleControls()
{
    std::vector<ControlTemplate> controls = {
        {C::Static, kYearPlannerGroupIds[2], "例子", 7, 183, 228, 101, SS_LEFT},
        {C::Static, IDC_YP_FRAME, "", kSampleLeft, kSampleTop, kLetterWidth + 2 * kMonthWidth, 7 * kSampleRow, SS_LEFT},
    };
    for (int month = 0; month < 2; ++month)
        controls.push_back({C::Static, kYearPlannerMonthIds[month], month == 0 ? "1月" : "2月",
                            kSampleLeft + kLetterWidth + month * kMonthWidth + 1, kSampleTop + 1, kMonthWidth - 2,
                            kSampleRow - 2, SS_LEFT});
    const char* letters[] = {"M", "T", "W", "T", "F", "S"};
    for (int row = 0; row < 6; ++row)
        controls.push_back({C::Static, kYearPlannerWeekIds[row], letters[row], kSampleLeft + 1,
                            kSampleTop + (row + 1) * kSampleRow + 1, kLetterWidth - 2, kSampleRow - 2, SS_LEFT});
    const char* days[] = {" 1", " 2", " 3", " 4", " 5", " 6", "", "", "", " 1", " 2", " 3"};
    for (int index = 0; index < 12; ++index) {
        const int month = index / 6;
        const int row = index % 6;
        controls.push_back({C::Static, kYearPlannerDayIds[index], days[index],
                            kSampleLeft + kLetterWidth + month * kMonthWidth + 1,
                            kSampleTop + (row + 1) * kSampleRow + 1, kMonthWidth - 2, kSampleRow - 2, SS_LEFT});
    }
    return controls;
}

std::vector<ControlTemplate> LineAndPageControls()
{
    return {
        {C::Static, kYearPlannerGroupIds[3], "线条设置", 241, 5, 222, 126, SS_LEFT},
        {C::ListView, IDC_CAL_LINE_TYPES, "", 247, 16, 92, 108, kPictureList},
        {C::Static, IDC_STATIC, "线条颜色:", 353, 18, 60, 8, SS_LEFT},
        {C::Button, IDC_YP_LINE_COLOUR, "", 353, 30, 60, 14, kPush},
        {C::Static, kYearPlannerGroupIds[4], "页面设置", 241, 135, 222, 149, SS_LEFT},
        {C::Button, IDC_YP_ONE_PAGE, "增加1页年计划表(12个月)", 248, 144, 200, 10, kCheck},
        {C::Static, IDC_STATIC, "月份格式:", 258, 162, 40, 8, SS_LEFT},
        {C::Edit, IDC_YP_ONE_PAGE_FORMAT, "", 300, 160, 80, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
        {C::Button, IDC_YP_PREVIEW_FORMAT, "预览", 386, 159, 40, 14, kPush},
        {C::Static, IDC_STATIC, "(e.g: %Y/%m, %b-%Y, %B-%Y, %Y-%m, %B,%b)", 258, 178, 200, 8, SS_LEFT},
        {C::Static, IDC_YP_FORMAT_SAMPLE, "", 258, 192, 120, 10, SS_LEFT},
        {C::Button, IDC_YP_UPPER, "大写", 386, 191, 50, 10, kCheck},
        {C::Button, IDC_YP_QUARTER, "增加4页季度计划表", 248, 214, 200, 10, kCheck},
        {C::Button, IDC_YP_APPLY, "应用到日记里.", 248, 236, 200, 10, kCheck},
    };
}

} // namespace

DialogTemplate YearPlannerTemplate()
{
    DialogTemplate dialog = ProgramDialog(IDD_YEAR_PLANNER, "年计划表设置", 470, 312, WS_CAPTION | WS_SYSMENU);
    for (auto part : {FontAndColourControls(), SampleControls(), LineAndPageControls()})
        dialog.controls.insert(dialog.controls.end(), part.begin(), part.end());
    dialog.controls.push_back({C::Button, IDC_YP_DEFAULT, "默认", 7, 290, 50, 16, kPush});
    dialog.controls.push_back({C::Button, IDC_YP_REFRESH, "刷新", 62, 290, 50, 16, kPush});
    dialog.controls.push_back({C::Button, IDC_CAL_EXAMPLE, "查看例子效果图", 117, 290, 90, 16, kPush});
    dialog.controls.push_back({C::Button, IDC_CAL_OK, "确定", 346, 290, 56, 16, kPush});
    dialog.controls.push_back({C::Button, IDC_CAL_CANCEL, "取消", 407, 290, 56, 16, kPush});
    return dialog;
}
