// Template of the monthly-calendar dialog (274): the controls of the whole calendar on the
// left, the five writing rows and the editors of the current row on the right.
#include "resources/CalendarDialogIds.h"
#include "resources/CalendarDialogTemplates.h"
#include "resources/ResourceIds.h"

#include <string>

using namespace calendar_template;

namespace {

ControlTemplate Hidden(ControlTemplate control)
{
    control.visible = false;
    return control;
}

std::vector<ControlTemplate> WholeCalendarControls()
{
    return {
        {C::Static, IDC_MC_GROUP_ROWS_ALL, "所有月日历中日期内的行设置:", 7, 5, 283, 63, SS_LEFT},
        {C::Static, IDC_STATIC, "字体名称:", 14, 19, 38, 8, SS_LEFT},
        {C::ComboBox, IDC_CAL_FONT, "", 54, 17, 120, 140, kFontList},
        {C::Button, IDC_MC_FONT_DEFAULT, "默认", 178, 16, 30, 14, kPush},
        {C::Static, IDC_STATIC, "字体大小", 14, 37, 38, 8, SS_LEFT},
        {C::ComboBox, IDC_MC_SIZE, "", 54, 35, 50, 140, kSizeList},
        {C::Button, IDC_MC_SIZE_DEFAULT, "默认", 108, 34, 30, 14, kPush},
        {C::Button, IDC_MC_LOWER_ROWS, "行高变低", 150, 36, 60, 10, kCheck},
        {C::Button, IDC_MC_UPPER, "大写", 220, 36, 40, 10, kCheck},
        {C::Static, IDC_MC_WEEK_HEADER, "", 14, 51, 270, 12, SS_LEFT},

        {C::Static, IDC_MC_GROUP_DAY, "日期格式", 7, 72, 283, 70, SS_LEFT},
        {C::Static, IDC_MC_DAY_SAMPLE, "1", 14, 86, 40, 24, SS_LEFT},
        {C::Static, IDC_STATIC, "字体名称:", 60, 86, 38, 8, SS_LEFT},
        {C::ComboBox, IDC_MC_DAY_FONT, "", 100, 84, 120, 140, kFontList},
        {C::Static, IDC_STATIC, "字体大小:", 60, 104, 38, 8, SS_LEFT},
        {C::ComboBox, IDC_MC_DAY_SIZE, "", 100, 102, 50, 140, kSizeList},
        {C::Button, IDC_MC_DAY_BOLD, "B", 160, 104, 22, 10, kCheck},
        Hidden({C::Button, IDC_MC_DAY_ITALIC, "I", 184, 104, 22, 10, kCheck}),
        {C::Button, IDC_MC_DAY_UNDERLINE, "Underline", 208, 104, 60, 10, kCheck},
        {C::Static, IDC_STATIC, "对齐:", 60, 123, 24, 8, SS_LEFT},
        {C::Button, IDC_MC_ALIGN_LEFT, "左", 86, 122, 24, 10, kRadio | WS_GROUP},
        {C::Button, IDC_MC_ALIGN_CENTRE, "中", 112, 122, 24, 10, kRadio},
        {C::Button, IDC_MC_ALIGN_RIGHT, "右", 138, 122, 24, 10, kRadio},
        {C::Button, IDC_MC_YEAR_FORMAT, "设置成年日历的格式", 170, 120, 112, 14, kPush},

        {C::Button, IDC_STATIC, "月日历的网格设置", 7, 146, 283, 118, BS_GROUPBOX},
        {C::ListView, IDC_MC_GRID_LINES, "", 14, 157, 92, 104, kPictureList},
        {C::Static, IDC_STATIC, "线条颜色:", 120, 159, 60, 8, SS_LEFT},
        {C::Button, IDC_MC_GRID_COLOUR, "", 120, 170, 60, 14, kPush},

        {C::Static, IDC_MC_GROUP_EXAMPLE, "例子", 7, 268, 283, 64, SS_LEFT},
        PictureStatic(IDC_MC_EXAMPLE_PICTURE, IDB_MONTH_CALENDAR_EXAMPLE, 14, 279, 190, 48),
        {C::Button, IDC_CAL_EXAMPLE, "预览例子", 210, 296, 74, 16, kPush},
    };
}

std::vector<ControlTemplate> RowControls()
{
    std::vector<ControlTemplate> controls = {
        {C::Static, IDC_MC_GROUP_EACH_DAY, "每天的设置", 296, 5, 276, 100, SS_LEFT},
        {C::Static, IDC_STATIC, "请选择行:", 302, 16, 32, 8, SS_LEFT},
        {C::Static, IDC_STATIC, "增加行", 336, 16, 24, 8, SS_LEFT},
        {C::Static, 1405, "周日和周六", 376, 16, 60, 8, SS_LEFT},
        {C::Static, 1406, "周一到周五", 454, 16, 60, 8, SS_LEFT},
    };
    for (int row = 0; row < kMonthRows; ++row) {
        const int y = 28 + row * 15;
        const std::string number = std::to_string(row + 1);
        controls.push_back({C::Button, kMonthRowRadioIds[row], number + ")", 302, y, 30, 10,
                            kRadio | (row == 0 ? WS_GROUP : 0)});
        controls.push_back({C::Button, kMonthRowAddIds[row], number, 336, y, 24, 10, kCheck});
        controls.push_back(SignPicture(kMonthRowWeekendSignPictureIds[row], 362, y - 1, 12, 12));
        controls.push_back({C::Static, kMonthRowWeekendIds[row], "例如1", 376, y - 2, 60, 13, SS_LEFT});
        controls.push_back(SignPicture(kMonthRowWeekdaySignPictureIds[row], 440, y - 1, 12, 12));
        controls.push_back({C::Static, kMonthRowWeekdayIds[row], "例如1", 454, y - 2, 60, 13, SS_LEFT});
        controls.push_back({C::Button, kMonthRow21DaysIds[row], "21 Days.", 518, y, 50, 10, kCheck | WS_DISABLED});
    }
    return controls;
}

// The editors of the weekend cells (left) or the weekday cells of the current row.
void AddCellEditors(std::vector<ControlTemplate>& controls, int x, int group, const char* caption, int back,
                    int font, const int (&styles)[3], int signCheck, int sign, int same)
{
    controls.push_back({C::Static, group, caption, x, 119, 132, 95, SS_LEFT});
    controls.push_back({C::Static, IDC_STATIC, "背景颜色:", x + 6, 133, 36, 8, SS_LEFT});
    controls.push_back({C::Button, back, "", x + 44, 131, 52, 14, kPush});
    controls.push_back({C::Static, IDC_STATIC, "字体颜色:", x + 6, 151, 36, 8, SS_LEFT});
    controls.push_back({C::Button, font, "", x + 44, 149, 52, 14, kPush});
    const char* captions[] = {"Blod", "斜体", "删除线"};
    const UINT pictures[] = {IDB_STYLE_BOLD, IDB_STYLE_ITALIC, IDB_STYLE_STRIKE_OUT};
    const int offsets[] = {6, 38, 70};
    for (int index = 0; index < 3; ++index)
        controls.push_back(WithPicture(
            {C::Button, styles[index], captions[index], x + offsets[index], 167, 32, 10, kCheck}, pictures[index]));
    controls.push_back({C::Button, signCheck, "增加特殊符号:", x + 6, 183, 66, 10, kCheck});
    controls.push_back({C::Button, sign, "", x + 74, 179, 22, 16, kPush});
    controls.push_back({C::Button, same, "每行相同背景和字体颜色", x + 6, 197, 120, 14, kPush});
}

std::vector<ControlTemplate> RowEditorControls()
{
    std::vector<ControlTemplate> controls = {
        {C::Static, IDC_MC_GROUP_ROW, "每天的行设置", 296, 108, 276, 224, SS_LEFT},
    };
    AddCellEditors(controls, 302, IDC_MC_GROUP_WEEKEND, "周日和周六", IDC_MC_WEEKEND_BACK, IDC_MC_WEEKEND_FONT,
                   {IDC_MC_WEEKEND_BOLD, IDC_MC_WEEKEND_ITALIC, IDC_MC_WEEKEND_STRIKE}, IDC_MC_WEEKEND_SIGN_CHECK,
                   IDC_MC_WEEKEND_SIGN, IDC_MC_SAME_WEEKEND);
    AddCellEditors(controls, 436, IDC_MC_GROUP_WEEKDAY, "周一到周五", IDC_MC_WEEKDAY_BACK, IDC_MC_WEEKDAY_FONT,
                   {IDC_MC_WEEKDAY_BOLD, IDC_MC_WEEKDAY_ITALIC, IDC_MC_WEEKDAY_STRIKE}, IDC_MC_WEEKDAY_SIGN_CHECK,
                   IDC_MC_WEEKDAY_SIGN, IDC_MC_SAME_WEEKDAY);
    const std::vector<ControlTemplate> lower = {
        {C::Static, IDC_MC_GROUP_21_DAYS, "21天设置", 302, 217, 110, 111, SS_LEFT},
        {C::Button, IDC_MC_21_DAYS, "增加21天计数器", 308, 229, 100, 10, kCheck},
        {C::Static, IDC_STATIC, "#1D+2-19", 320, 241, 60, 8, SS_LEFT},
        {C::Button, IDC_MC_REST, "增加剩余天数", 308, 254, 100, 10, kCheck},
        {C::Static, IDC_STATIC, "每个21天相隔休息:", 308, 269, 100, 8, SS_LEFT},
        {C::Edit, IDC_MC_REST_DAYS, "", 308, 280, 26, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
        {C::Static, IDC_STATIC, "天。", 336, 282, 16, 8, SS_LEFT},
        {C::Button, IDC_MC_REST_APPLY, "确定", 358, 279, 40, 14, kPush},
        {C::Static, IDC_STATIC, "(例如 0,1,2,3...)", 308, 298, 100, 8, SS_LEFT},
        {C::Static, IDC_MC_GROUP_TOP_LINE, "每行顶部线条类型设置", 416, 217, 152, 111, SS_LEFT},
        {C::ListView, IDC_MC_TOP_LINES, "", 421, 228, 99, 98, kPictureList},
        {C::Static, IDC_STATIC, "线条颜色", 523, 230, 42, 8, SS_LEFT},
        {C::Button, IDC_MC_TOP_COLOUR, "", 523, 241, 42, 14, kPush},
        {C::Button, IDC_MC_SAME_TOP_COLOUR, "相同颜色", 523, 259, 42, 14, kPush},
    };
    controls.insert(controls.end(), lower.begin(), lower.end());
    return controls;
}

} // namespace

DialogTemplate MonthCalendarTemplate()
{
    DialogTemplate dialog = ProgramDialog(IDD_MONTH_CALENDAR, "月日历设置", 579, 359, WS_CAPTION | WS_SYSMENU);
    for (auto part : {WholeCalendarControls(), RowControls(), RowEditorControls()})
        dialog.controls.insert(dialog.controls.end(), part.begin(), part.end());
    dialog.controls.push_back(
        {C::Button, IDC_MC_APPLY, "应用到日记里,不选中，就不在日记里显示。", 7, 340, 300, 10, kCheck});
    dialog.controls.push_back(Hidden({C::Button, IDC_MC_HIDDEN_DEFAULT, "默认", 330, 337, 50, 16, kPush}));
    dialog.controls.push_back({C::Button, IDC_CAL_OK, "确定", 455, 337, 56, 16, kPush});
    dialog.controls.push_back({C::Button, IDC_CAL_CANCEL, "取消", 516, 337, 56, 16, kPush});
    return dialog;
}
