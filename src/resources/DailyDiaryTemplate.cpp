#include "platform/ui/CommCtrl.h"
#include "platform/ui/WinMessages.h"
#include "resources/DiaryDialogIds.h"
#include "resources/DiaryDialogTemplates.h"
#include "resources/ResourceIds.h"

namespace {

using C = ControlClass;

constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kPush = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kSettingsStyle = WS_CAPTION | WS_SYSMENU;

std::vector<ControlTemplate> TitleControls()
{
    return {
        {C::Static, IDC_CLASS_GROUP_TITLE, "每天日记中: 分类标题格式设置", 7, 5, 240, 96, SS_LEFT},
        {C::Button, IDC_CLASS_TITLE_FLAG, "增加标题:", 14, 20, 50, 10, kCheck},
        {C::Static, IDC_STATIC, "标题:", 68, 21, 22, 8, SS_LEFT},
        {C::Edit, IDC_CLASS_TITLE, "", 92, 19, 148, 12, kEdit},
        {C::Static, IDC_STATIC, "字体名称:", 14, 38, 40, 8, SS_LEFT},
        {C::ComboBox, IDC_CLASS_TITLE_FONT, "", 56, 36, 100, 150, kList},
        {C::Static, IDC_STATIC, "字体大小:", 160, 38, 38, 8, SS_LEFT},
        {C::ComboBox, IDC_CLASS_TITLE_SIZE, "", 200, 36, 40, 150, kList},
        {C::Static, IDC_STATIC, "字体颜色:", 14, 56, 40, 8, SS_LEFT},
        {C::Button, IDC_CLASS_TITLE_COLOUR, "Color", 56, 53, 56, 14, kPush},
        {C::Button, IDC_CLASS_TITLE_BOLD, "B", 120, 55, 20, 10, kCheck},
        {C::Button, IDC_CLASS_TITLE_ITALIC, "I", 146, 55, 20, 10, kCheck},
        {C::Button, IDC_CLASS_TITLE_BACK_FLAG, "字体的段背景颜色:", 14, 77, 84, 10, kCheck},
        {C::Button, IDC_CLASS_TITLE_BACK, "Font Color", 100, 75, 56, 14, kPush},
    };
}

std::vector<ControlTemplate> LineControls()
{
    return {
        {C::Static, IDC_CLASS_GROUP_LINES, "每天日记中:每类里的行设置:", 7, 104, 240, 160, SS_LEFT},
        {C::Static, IDC_STATIC, "行数:(每天日记中每类下的行数量)", 14, 120, 130, 8, SS_LEFT},
        {C::ComboBox, IDC_CLASS_LINE_COUNT, "", 146, 118, 40, 150, kList},
        {C::Static, IDC_CLASS_GROUP_LINE_FONT, "行字体格式", 12, 134, 230, 125, SS_LEFT},
        {C::Static, IDC_STATIC, "字体名称:", 18, 150, 40, 8, SS_LEFT},
        {C::ComboBox, IDC_CLASS_LINE_FONT, "", 60, 148, 96, 150, kList},
        {C::Static, IDC_STATIC, "字体大小:", 160, 150, 38, 8, SS_LEFT},
        {C::ComboBox, IDC_CLASS_LINE_SIZE, "", 198, 148, 40, 150, kList},
        {C::Static, IDC_STATIC, "字体颜色:", 18, 168, 40, 8, SS_LEFT},
        {C::Button, IDC_CLASS_LINE_COLOUR, "Color", 60, 165, 56, 14, kPush},
        {C::Button, IDC_CLASS_LINE_BOLD, "Blod", 124, 167, 34, 10, kCheck},
        {C::Button, IDC_CLASS_LINE_ITALIC, "Italic", 162, 167, 36, 10, kCheck},
        {C::Button, IDC_CLASS_LINE_UNDERLINE, "Underline", 18, 185, 52, 10, kCheck},
        {C::Button, IDC_CLASS_LINE_STRIKE, "Strikeout", 76, 185, 52, 10, kCheck},
        StylePicture(IDB_STYLE_ITALIC, 198, 167),
        StylePicture(IDB_STYLE_STRIKE_OUT, 128, 185),
        {C::Button, IDC_CLASS_TEXT_BACK_FLAG, "文本背景颜色:", 18, 203, 76, 10, kCheck},
        {C::Button, IDC_CLASS_TEXT_BACK, "Font Color", 98, 201, 56, 14, kPush},
        {C::Button, IDC_CLASS_LINE_BACK_FLAG, "段落背景颜色", 18, 222, 76, 10, kCheck},
        {C::Button, IDC_CLASS_LINE_BACK, "Font Color", 98, 220, 56, 14, kPush},
        {C::Button, IDC_CLASS_SNAP_TO_GRID, "吸附网格,行高变低.", 18, 242, 120, 10, kCheck},
    };
}

std::vector<ControlTemplate> BeforeLineControls()
{
    return {
        {C::Static, IDC_CLASS_GROUP_BEFORE, "设置行前:", 252, 5, 244, 52, SS_LEFT},
        {C::Button, IDC_CLASS_NUMBERS, "增加序列号在每行前(如:1),2),3)...)", 258, 18, 200, 10, kCheck},
        {C::Button, IDC_CLASS_SYMBOL_FLAG, "增加特殊符号在每行前:", 258, 37, 110, 10, kCheck},
        {C::Button, IDC_CLASS_SYMBOL_BUTTON, "选择符号...", 372, 33, 64, 17, kPush},
        {C::Static, IDC_CLASS_GROUP_TABLE, "如果将每类内容设置成表格：", 252, 59, 244, 48, SS_LEFT},
        {C::Button, IDC_CLASS_LETTER_PAPER, "每行增加下划线：类似信签纸。", 258, 72, 160, 10, kCheck},
        {C::Button, IDC_CLASS_TABLE, "增加表格", 258, 90, 50, 10, kCheck},
        {C::Button, IDC_CLASS_TABLE_BUTTON, "表格设置...", 312, 86, 64, 17, kPush},
        {C::Static, IDC_CLASS_GROUP_PREFIX, "每行前的一些设置", 252, 109, 244, 64, SS_LEFT},
        {C::Static, IDC_STATIC, "在分类中，每行增加一些文字:例如 (开心)", 258, 122, 180, 8, SS_LEFT},
        {C::Edit, IDC_CLASS_PREFIX, "", 258, 133, 124, 12, kEdit},
        {C::Button, IDC_CLASS_PREFIX_BOLD, "Bold", 388, 134, 32, 10, kCheck},
        {C::Button, IDC_CLASS_PREFIX_ITALIC, "Italic", 424, 134, 34, 10, kCheck},
        {C::Static, IDC_STATIC, "字体颜色", 258, 154, 36, 8, SS_LEFT},
        {C::Button, IDC_CLASS_PREFIX_COLOUR, "Color", 296, 151, 56, 14, kPush},
        {C::Button, IDC_CLASS_SIGN_FLAG, "增加特殊符号:", 362, 154, 66, 10, kCheck},
        {C::Button, IDC_CLASS_SIGN_BUTTON, "", 432, 146, 26, 24, BS_PUSHBUTTON | BS_BITMAP | WS_TABSTOP},
        {C::Button, IDC_CLASS_BLANK_ROW, "在每类间隔中增加一空白行，更加宜于浏览日记。", 252, 177, 244, 10, kCheck},
    };
}

// The sample, across the dialog: the labels lie in the three rows of the outline drawn over
// the frame.
std::vector<ControlTemplate> SampleControls()
{
    return {
        {C::Static, IDC_CLASS_GROUP_SAMPLE, "预览", 7, 268, 489, 106, SS_LEFT},
        {C::Static, IDC_CLASS_SAMPLE_FRAME, "", 13, 281, 477, 87, SS_WHITERECT},
        {C::Static, IDC_CLASS_SAMPLE_TITLE, "", 17, 284, 469, 22, SS_LEFT},
        SignPicture(IDC_CLASS_SAMPLE_SYMBOL, 17, 316, 18, 18),
        {C::Static, IDC_CLASS_SAMPLE_NUMBER, "", 17, 315, 20, 20, SS_LEFT},
        SignPicture(IDC_CLASS_SAMPLE_SIGN, 38, 316, 18, 18),
        {C::Static, IDC_CLASS_SAMPLE_PREFIX, "", 59, 315, 60, 20, SS_LEFT},
        {C::Static, IDC_CLASS_SAMPLE_LINE, "", 121, 315, 365, 20, SS_LEFT},
        {C::Static, IDC_CLASS_SAMPLE_MORE, "", 17, 345, 469, 20, SS_LEFT},
    };
}

std::vector<ControlTemplate> ButtonControls()
{
    return {
        {C::Button, IDC_CLASS_DEFAULT, "默认", 252, 246, 56, 16, kPush},
        {C::Button, IDC_CLASS_REFRESH, "刷新预览", 314, 246, 60, 16, kPush},
        {C::Button, IDC_DIARY_OK, "确定", 380, 380, 56, 16, kPush},
        {C::Button, IDC_DIARY_CANCEL, "取消", 440, 380, 56, 16, kPush},
    };
}

} // namespace

DialogTemplate DailyDiaryTemplate()
{
    DialogTemplate dialog = ProgramDialog(IDD_DAILY_DIARY, "每天的日记设置:", 503, 402, kSettingsStyle);
    for (auto part : {TitleControls(), LineControls(), BeforeLineControls(), SampleControls(), ButtonControls()})
        dialog.controls.insert(dialog.controls.end(), part.begin(), part.end());
    return dialog;
}
