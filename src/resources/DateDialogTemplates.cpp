#include "platform/ui/CommCtrl.h"
#include "platform/ui/Menu.h"
#include "platform/ui/WinMessages.h"
#include "resources/DateDialogIds.h"
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"

namespace {

using C = ControlClass;

constexpr DWORD kPush = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kRadio = BS_AUTORADIOBUTTON | WS_TABSTOP;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kNumberList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;

// The days come from lists of the month's own days, so a day that does not exist cannot be typed.
std::vector<ControlTemplate> RangeControls()
{
    return {
        {C::Static, IDC_SM_GROUP_RANGE, "模板的日期范围:", 7, 4, 268, 128, SS_LEFT},
        {C::Static, IDC_STATIC, "开始日期:", 15, 21, 36, 8, SS_LEFT},
        {C::ComboBox, IDC_SM_START_MONTH, "", 53, 19, 28, 12, kNumberList},
        {C::Static, IDC_STATIC, "月", 83, 21, 10, 8, SS_LEFT},
        {C::ComboBox, IDC_SM_START_DAY, "", 95, 19, 28, 12, kNumberList},
        {C::Static, IDC_STATIC, "日", 125, 21, 10, 8, SS_LEFT},
        {C::Button, IDC_SM_TOMORROW, "明天", 140, 18, 40, 14, kPush},
        {C::Static, IDC_STATIC, "结束日期:", 15, 39, 36, 8, SS_LEFT},
        {C::ComboBox, IDC_SM_END_MONTH, "", 53, 37, 28, 12, kNumberList},
        {C::Static, IDC_STATIC, "月", 83, 39, 10, 8, SS_LEFT},
        {C::ComboBox, IDC_SM_END_DAY, "", 95, 37, 28, 12, kNumberList},
        {C::Static, IDC_STATIC, "日", 125, 39, 10, 8, SS_LEFT},
        {C::Button, IDC_SM_YEAR_END, "年底", 140, 36, 40, 14, kPush},
        {C::Static, IDC_STATIC, "天数:", 15, 57, 36, 8, SS_LEFT},
        {C::Edit, IDC_SM_DAY_COUNT, "", 53, 55, 40, 12, kEdit},
        {C::Button, IDC_SM_COUNT_DAYS, "确定", 97, 54, 36, 14, kPush},
        {C::Static, IDC_SM_COUNT_LABEL, "", 140, 53, 80, 16, SS_LEFT},
        {C::Static, IDC_SM_YEAR, "", 190, 16, 78, 30, SS_CENTER},
        {C::Static, IDC_SM_START_CAPTION, "开始:", 15, 76, 30, 12, SS_LEFT},
        {C::Static, IDC_SM_START_LABEL, "", 47, 75, 221, 14, SS_LEFT},
        {C::Static, IDC_SM_END_CAPTION, "结束:", 15, 93, 30, 12, SS_LEFT},
        {C::Static, IDC_SM_END_LABEL, "", 47, 92, 221, 14, SS_LEFT},
        {C::Static, IDC_SM_STATUS, "Attention!", 15, 112, 253, 14, SS_LEFT},
    };
}

std::vector<ControlTemplate> WeekdayControls()
{
    return {
        {C::Static, IDC_SM_GROUP_WEEKDAYS, "每周的日记日:", 7, 136, 268, 60, SS_LEFT},
        {C::Button, IDC_SM_SUNDAY, "周日", 15, 150, 32, 10, kCheck},
        {C::Button, IDC_SM_MONDAY, "周一", 49, 150, 32, 10, kCheck},
        {C::Button, IDC_SM_TUESDAY, "周二", 83, 150, 32, 10, kCheck},
        {C::Button, IDC_SM_WEDNESDAY, "周三", 117, 150, 32, 10, kCheck},
        {C::Button, IDC_SM_THURSDAY, "周四", 151, 150, 32, 10, kCheck},
        {C::Button, IDC_SM_FRIDAY, "周五", 185, 150, 32, 10, kCheck},
        {C::Button, IDC_SM_SATURDAY, "周六", 219, 150, 32, 10, kCheck},
        {C::Button, IDC_SM_WEEKDAY_DEFAULT, "默认", 228, 164, 40, 14, kPush},
        {C::Static, IDC_STATIC, "未选的日子在日历中:", 15, 167, 80, 8, SS_LEFT},
        {C::Button, IDC_SM_UNTICKED_BOLD, "粗体", 15, 180, 32, 10, kCheck},
        {C::Button, IDC_SM_UNTICKED_ITALIC, "斜体", 49, 180, 32, 10, kCheck},
        {C::Button, IDC_SM_UNTICKED_STRIKE, "删除线", 83, 180, 40, 10, kCheck},
        {C::Button, IDC_SM_UNTICKED_COLOUR, "", 127, 178, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
    };
}

std::vector<ControlTemplate> MonthFormatControls()
{
    return {
        {C::Static, IDC_SM_GROUP_MONTH_FORMAT, "月份标题的格式:", 7, 200, 268, 100, SS_LEFT},
        {C::Button, IDC_SM_MONTH_Y_M, "", 15, 213, 120, 10, kRadio | WS_GROUP},
        {C::Button, IDC_SM_MONTH_ABBR, "", 140, 213, 128, 10, kRadio},
        {C::Button, IDC_SM_MONTH_M_Y, "", 15, 226, 120, 10, kRadio},
        {C::Button, IDC_SM_MONTH_FULL, "", 140, 226, 128, 10, kRadio},
        {C::Button, IDC_SM_MONTH_CUSTOM, "其他格式:", 15, 240, 50, 10, kRadio},
        {C::Edit, IDC_SM_CUSTOM_FORMAT, "", 67, 239, 72, 12, kEdit | WS_GROUP},
        {C::Button, IDC_SM_PREVIEW_CUSTOM, "预览效果", 143, 238, 44, 14, kPush},
        {C::Static, IDC_SM_CUSTOM_PREVIEW, "", 191, 240, 77, 10, SS_LEFT},
        {C::Button, IDC_SM_MONTH_UPPER, "大写:", 15, 257, 36, 10, kCheck},
        {C::Static, IDC_SM_MONTH_PREVIEW, "", 55, 255, 213, 14, SS_LEFT},
        {C::Static, IDC_STATIC, "在Word里显示的季度名称:", 15, 276, 100, 8, SS_LEFT},
        {C::Edit, IDC_SM_QUARTER_TEXT, "", 117, 274, 60, 12, kEdit},
    };
}

std::vector<ControlTemplate> FormatListControls()
{
    return {
        {C::Static, IDC_SM_GROUP_CAPTIONS, "日期的格式和显示:", 282, 4, 271, 212, SS_LEFT},
        {C::ListView, IDC_SM_FORMAT_LIST, "", 290, 17, 255, 98,
         LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP},
        {C::Button, IDC_SM_ADD_FORMAT, "增加日期格式", 290, 118, 64, 14, kPush},
    };
}

// Each caption is a text before and a text after its number; a "*" marks an empty half.
std::vector<ControlTemplate> CaptionControls()
{
    return {
        {C::Button, IDC_SM_REST_DAY, "显示当前剩余天数:", 290, 140, 84, 10, kCheck},
        {C::Edit, IDC_SM_REST_BEFORE, "", 376, 139, 62, 12, kEdit},
        {C::Static, IDC_SM_MARK_REST_BEFORE, "*", 440, 139, 6, 10, SS_LEFT},
        {C::Static, IDC_STATIC, "n", 449, 141, 8, 8, SS_CENTER},
        {C::Edit, IDC_SM_REST_AFTER, "", 459, 139, 62, 12, kEdit},
        {C::Static, IDC_SM_MARK_REST_AFTER, "*", 523, 139, 6, 10, SS_LEFT},
        {C::Button, IDC_SM_DAY_NUMBER, "显示当前天数:", 290, 157, 84, 10, kCheck},
        {C::Edit, IDC_SM_NUMBER_BEFORE, "", 376, 156, 62, 12, kEdit},
        {C::Static, IDC_SM_MARK_NUMBER_BEFORE, "*", 440, 156, 6, 10, SS_LEFT},
        {C::Static, IDC_STATIC, "n", 449, 158, 8, 8, SS_CENTER},
        {C::Edit, IDC_SM_NUMBER_AFTER, "", 459, 156, 62, 12, kEdit},
        {C::Static, IDC_SM_MARK_NUMBER_AFTER, "*", 523, 156, 6, 10, SS_LEFT},
        {C::Button, IDC_SM_WEEKEND, "显示星期标志字符", 290, 174, 84, 10, kCheck},
        {C::Edit, IDC_SM_WEEKEND_TEXT, "", 376, 173, 62, 12, kEdit},
        {C::Button, IDC_SM_WEEKLY_NUMBER, "显示星期序列号。", 290, 191, 100, 10, kCheck},
    };
}

std::vector<ControlTemplate> CaptionStyleControls()
{
    return {
        {C::Static, IDC_SM_GROUP_STYLE, "", 282, 220, 271, 80, SS_LEFT},
        {C::Button, IDC_SM_OWN_STYLE, "不同设置：", 290, 226, 60, 10, kCheck},
        {C::Static, IDC_STATIC, "文本格式:", 290, 242, 44, 8, SS_LEFT},
        {C::Button, IDC_SM_TEXT_BOLD, "粗体", 336, 241, 32, 10, kCheck},
        {C::Button, IDC_SM_TEXT_ITALIC, "斜体", 370, 241, 32, 10, kCheck},
        {C::Button, IDC_SM_TEXT_COLOUR, "", 404, 239, 44, 14, BS_PUSHBUTTON | WS_TABSTOP},
        {C::Static, IDC_STATIC, "剩余天数:", 290, 258, 44, 8, SS_LEFT},
        {C::Button, IDC_SM_REST_NUMBER_BOLD, "粗体", 336, 257, 32, 10, kCheck},
        {C::Button, IDC_SM_REST_NUMBER_ITALIC, "斜体", 370, 257, 32, 10, kCheck},
        {C::Button, IDC_SM_REST_NUMBER_COLOUR, "", 404, 255, 44, 14, BS_PUSHBUTTON | WS_TABSTOP},
        {C::Static, IDC_STATIC, "当前天数:", 290, 274, 44, 8, SS_LEFT},
        {C::Button, IDC_SM_DAY_NUMBER_BOLD, "粗体", 336, 273, 32, 10, kCheck},
        {C::Button, IDC_SM_DAY_NUMBER_ITALIC, "斜体", 370, 273, 32, 10, kCheck},
        {C::Button, IDC_SM_DAY_NUMBER_COLOUR, "", 404, 271, 44, 14, BS_PUSHBUTTON | WS_TABSTOP},
        // The previews read as the caption will: text, number, text.
        {C::Static, IDC_SM_PREVIEW_REST_BEFORE, "", 452, 240, 44, 12, SS_RIGHT},
        {C::Static, IDC_SM_PREVIEW_REST_NUMBER, "1", 497, 240, 8, 12, SS_CENTER},
        {C::Static, IDC_SM_PREVIEW_REST_AFTER, "", 506, 240, 42, 12, SS_LEFT},
        {C::Static, IDC_SM_PREVIEW_NUMBER_BEFORE, "", 452, 256, 44, 12, SS_RIGHT},
        {C::Static, IDC_SM_PREVIEW_DAY_NUMBER, "1", 497, 256, 8, 12, SS_CENTER},
        {C::Static, IDC_SM_PREVIEW_NUMBER_AFTER, "", 506, 256, 42, 12, SS_LEFT},
        {C::Static, IDC_SM_PREVIEW_WEEKEND, "", 452, 272, 96, 12, SS_LEFT},
    };
}

std::vector<ControlTemplate> ClosingControls()
{
    return {
        {C::Button, IDC_SM_TWO_DIGITS,
         "在年日历中的数字双为显示 (01,02,03,04,05,06,07,08,09 ), 这样做使得连接更加容易。", 7, 306, 546, 10, kCheck},
        {C::Static, IDC_STATIC, "", 7, 320, 546, 1, SS_ETCHEDHORZ},
        {C::Button, IDC_SM_DEFAULTS, "默认", 7, 326, 50, 14, kPush},
        {C::Button, IDC_SM_OK, "确定", 447, 326, 50, 14, kPush},
        {C::Button, IDC_SM_CANCEL, "取消", 503, 326, 50, 14, kPush},
    };
}

// Both dialogs have a close box, which closes them as Esc does.
constexpr DWORD kDateDialogStyle = WS_CAPTION | WS_SYSMENU;

} // namespace

DialogTemplate SetMonthTemplate()
{
    DialogTemplate dialog = ProgramDialog(IDD_SET_MONTH, "设置模板的日期", 560, 346, kDateDialogStyle);
    for (auto part : {RangeControls(), WeekdayControls(), MonthFormatControls(), FormatListControls(), CaptionControls(),
                      CaptionStyleControls(), ClosingControls()})
        dialog.controls.insert(dialog.controls.end(), part.begin(), part.end());
    return dialog;
}

DialogTemplate AddDateFormatTemplate()
{
    DialogTemplate dialog = ProgramDialog(IDD_ADD_DATE_FORMAT, "增加日期格式", 260, 186, kDateDialogStyle);
    dialog.controls = {
        {C::Static, IDC_STATIC, "选择下面列表, 然后在这里修改:", 7, 7, 246, 8, SS_LEFT},
        {C::Edit, IDC_ADF_PATTERN, "", 7, 18, 246, 12, kEdit},
        {C::ListBox, IDC_ADF_SAMPLES, "", 7, 36, 246, 82, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
        {C::Static, IDC_STATIC, "yyyy/yy 年, mmmm/mmm/mm/m 月, dd/d 日, aaaa/aaa 星期", 7, 122, 246, 8, SS_LEFT},
        {C::Button, IDC_STATIC, "例如:", 7, 134, 246, 26, BS_GROUPBOX},
        {C::Static, IDC_ADF_EXAMPLE, "", 15, 145, 230, 12, SS_LEFT},
        {C::Button, IDC_ADF_OK, "确定", 147, 166, 50, 14, kPush},
        {C::Button, IDC_ADF_CANCEL, "取消", 203, 166, 50, 14, kPush},
    };
    return dialog;
}

MenuTemplate RightDateFormatMenu()
{
    return {IDR_RIGHT_DATE_FORMAT, {{{ID_DATE_FORMAT_DELETE, "&Delete"}}}};
}
