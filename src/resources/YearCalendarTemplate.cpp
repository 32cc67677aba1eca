// Template of the yearly-calendar style dialog (266).
#include "resources/CalendarDialogIds.h"
#include "resources/CalendarDialogTemplates.h"
#include "resources/ResourceIds.h"

using namespace calendar_template;

namespace {

constexpr int kCellWidth = 23;
constexpr int kRowHeight = 16;
constexpr int kFrameLeft = 392;
constexpr int kFrameTop = 20;

// Bold, italic and strike-through checks of one style group, from the first of three ids; with
// pictures, each check stands after its style's picture.
void AddStyleChecks(std::vector<ControlTemplate>& controls, const int* ids, int x, int y, bool pictures = false)
{
    const char* captions[] = {"粗体", "斜体", "删除线"};
    const UINT bitmaps[] = {IDB_STYLE_BOLD, IDB_STYLE_ITALIC, IDB_STYLE_STRIKE_OUT};
    const int widths[] = {32, 32, 40};
    for (int index = 0; index < 3; ++index) {
        if (pictures) {
            controls.push_back(StylePicture(bitmaps[index], x, y));
            x += kStylePictureSize + 1;
        }
        controls.push_back({C::Button, ids[index], captions[index], x, y, widths[index], 10, kCheck});
        x += widths[index] + (pictures ? 4 : 2);
    }
}

// A colour button after its caption.
void AddColour(std::vector<ControlTemplate>& controls, const char* caption, int id, int x, int y, int captionWidth)
{
    controls.push_back({C::Static, IDC_STATIC, caption, x, y + 3, captionWidth, 8, SS_LEFT});
    controls.push_back({C::Button, id, "", x + captionWidth + 2, y, 42, 14, kPush});
}

std::vector<ControlTemplate> MonthAndWeekControls()
{
    std::vector<ControlTemplate> controls = {
        {C::Static, IDC_YC_GROUP_MONTH, "月", 7, 5, 175, 64, SS_LEFT},
        {C::Static, IDC_STATIC, "对齐:", 14, 37, 24, 8, SS_LEFT},
        {C::Button, IDC_YC_ALIGN_LEFT, "左", 40, 36, 26, 10, kRadio | WS_GROUP},
        {C::Button, IDC_YC_ALIGN_CENTRE, "中", 70, 36, 26, 10, kRadio},
        {C::Button, IDC_YC_ALIGN_RIGHT, "右", 100, 36, 26, 10, kRadio},
        {C::Static, IDC_YC_GROUP_WEEK, "星期", 7, 73, 175, 52, SS_LEFT},
    };
    AddColour(controls, "背景颜色:", IDC_YC_MONTH_BACK, 14, 16, 36);
    AddColour(controls, "字体颜色:", IDC_YC_MONTH_FONT, 98, 16, 36);
    AddStyleChecks(controls, &kYearCalendarStyleIds[0], 14, 53, true);
    AddColour(controls, "背景颜色:", IDC_YC_WEEK_BACK, 14, 86, 36);
    AddColour(controls, "字体颜色:", IDC_YC_WEEK_FONT, 98, 86, 36);
    AddStyleChecks(controls, &kYearCalendarStyleIds[3], 14, 108);
    return controls;
}

std::vector<ControlTemplate> DayControls()
{
    std::vector<ControlTemplate> controls = {
        {C::Static, IDC_YC_GROUP_DAYS, "天", 7, 129, 370, 130, SS_LEFT},
    };
    const struct {
        const char* caption;
        int font;
        int back;
        int firstStyle;
        int sample;
        const char* number;
    } rows[] = {{"星期日和星期六的字体颜色", IDC_YC_DAY06_FONT, IDC_YC_DAY06_BACK, 6, IDC_YC_SAMPLE_06, "06"},
                {"星期一到星期五的字体颜色", IDC_YC_DAY15_FONT, IDC_YC_DAY15_BACK, 9, IDC_YC_SAMPLE_07, "07"},
                {"不在设置日期内的字体颜色", IDC_YC_NOLINK_FONT, IDC_YC_NODIARY_BACK, 12, IDC_YC_SAMPLE_01, "01"}};
    int y = 142;
    for (const auto& row : rows) {
        AddColour(controls, row.caption, row.font, 14, y, 84);
        AddColour(controls, "背景颜色:", row.back, 148, y, 36);
        AddStyleChecks(controls, &kYearCalendarStyleIds[row.firstStyle], 234, y + 2);
        controls.push_back({C::Static, row.sample, row.number, 344, y - 1, 28, 16, SS_LEFT});
        y += 22;
    }
    controls.push_back({C::Static, IDC_STATIC, "字体:", 14, 213, 24, 8, SS_LEFT});
    controls.push_back({C::ComboBox, IDC_CAL_FONT, "", 40, 211, 120, 140, kFontList});
    controls.push_back({C::Button, IDC_YC_FONT_DEFAULT, "默认", 164, 210, 32, 14, kPush});
    AddColour(controls, "空白格的背景颜色:", IDC_YC_EMPTY_BACK, 208, 210, 70);
    controls.push_back({C::Button, IDC_YC_BLANK_ROW, "每三个月间隔之间插入一空白行.", 14, 236, 250, 10, kCheck});
    return controls;
}

std::vector<ControlTemplate> LineAndPreviewControls()
{
    std::vector<ControlTemplate> controls = {
        {C::Static, IDC_YC_GROUP_LINE, "线的类型设置", 187, 5, 190, 122, SS_LEFT},
        {C::ListView, IDC_CAL_LINE_TYPES, "", 193, 16, 92, 106, kPictureList},
        {C::Static, IDC_STATIC, "线的颜色:", 291, 18, 60, 8, SS_LEFT},
        {C::Button, IDC_YC_LINE_COLOUR, "", 291, 30, 60, 14, kPush},
        {C::Static, IDC_YC_GROUP_PREVIEW, "预览", 383, 5, 176, 254, SS_LEFT},
        {C::Static, IDC_YC_FRAME, "", kFrameLeft, kFrameTop, 7 * kCellWidth, 8 * kRowHeight, SS_LEFT},
        {C::Static, IDC_YC_MONTH_TITLE, "MONTH", kFrameLeft + 1, kFrameTop + 1, 7 * kCellWidth - 2, kRowHeight - 2,
         SS_LEFT},
        {C::Static, IDC_YC_WEEK_ROW, "WEEK", kFrameLeft + 1, kFrameTop + kRowHeight + 1, 7 * kCellWidth - 2,
         kRowHeight - 2, SS_LEFT},
    };
    const char* letters[] = {"S", "M", "T", "W", "T", "F", "S"};
    for (int day = 0; day < 7; ++day)
        controls.push_back({C::Static, kYearCalendarLetterIds[day], letters[day], kFrameLeft + day * kCellWidth + 1,
                            kFrameTop + kRowHeight + 1, kCellWidth - 2, kRowHeight - 2, SS_LEFT});
    ControlTemplate cell{C::Static, IDC_YC_CELL, "", kFrameLeft, kFrameTop, kCellWidth, kRowHeight, SS_LEFT};
    cell.visible = false;
    controls.push_back(cell);
    controls.push_back({C::Button, IDC_CAL_EXAMPLE, "选择设置的模版例子", kFrameLeft, 158, 161, 16, kPush});
    controls.push_back({C::Button, IDC_YC_VIEW_EXAMPLE, "浏览例子效果", kFrameLeft, 178, 161, 16, kPush});
    controls.push_back({C::Button, IDC_YC_SHOW_ALL_MONTHS, "所有的月份都显示.", kFrameLeft, 202, 161, 10, kCheck});
    return controls;
}

} // namespace

DialogTemplate YearCalendarTemplate()
{
    DialogTemplate dialog = ProgramDialog(IDD_YEAR_CALENDAR, "年日历表设置", 566, 295, WS_CAPTION | WS_SYSMENU);
    for (auto part : {MonthAndWeekControls(), DayControls(), LineAndPreviewControls()})
        dialog.controls.insert(dialog.controls.end(), part.begin(), part.end());
    dialog.controls.push_back({C::Button, IDC_YC_DEFAULT_ALL, "默认", 7, 270, 60, 16, kPush});
    dialog.controls.push_back({C::Button, IDC_YC_DEFAULT_STYLES, "默认... ( 粗体 , 斜体 , 删除线 )", 72, 270, 150, 16, kPush});
    dialog.controls.push_back({C::Button, IDC_CAL_OK, "确定", 440, 270, 56, 16, kPush});
    dialog.controls.push_back({C::Button, IDC_CAL_CANCEL, "取消", 503, 270, 56, 16, kPush});
    return dialog;
}
