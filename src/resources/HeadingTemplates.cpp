#include "platform/ui/CommCtrl.h"
#include "platform/ui/WinMessages.h"
#include "resources/HeadingDialogIds.h"
#include "resources/HeadingDialogTemplates.h"
#include "resources/ResourceIds.h"

namespace {

using C = ControlClass;

constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kPush = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD kSettingsStyle = WS_CAPTION | WS_SYSMENU;

// Face, size, colour and bold of the two font twins, from their top edge down.
std::vector<ControlTemplate> FontRows(int top, bool colons)
{
    const char* suffix = colons ? ":" : "";
    return {
        {C::Static, IDC_STATIC, std::string("字体名称") + suffix, 14, top + 2, 40, 8, SS_LEFT},
        {C::ComboBox, IDC_HEADING_FONT, "", 56, top, 120, 150, kList},
        {C::Static, IDC_STATIC, std::string("字体大小") + suffix, 184, top + 2, 40, 8, SS_LEFT},
        {C::ComboBox, IDC_HEADING_SIZE, "", 226, top, 44, 150, kList},
        {C::Static, IDC_STATIC, std::string("字体颜色") + suffix, 14, top + 22, 40, 8, SS_LEFT},
        {C::Button, IDC_HEADING_COLOUR, "Font Color", 56, top + 19, 70, 14, kPush},
        {C::Button, IDC_HEADING_BOLD, "Blod", 136, top + 21, 34, 10, kCheck},
    };
}

} // namespace

DialogTemplate TableALineTemplate()
{
    DialogTemplate dialog = ProgramDialog(IDD_TABLE_ALINE, "设置表格", 530, 187, kSettingsStyle);
    dialog.controls = {
        {C::ListView, IDC_LINE_TABLE_TYPES, "", 7, 7, 100, 124,
         LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP},
        {C::Static, IDC_STATIC, "线条颜色:", 116, 10, 40, 8, SS_LEFT},
        {C::Button, IDC_LINE_TABLE_COLOUR, "", 158, 7, 70, 14, kPush},
        {C::Button, IDC_LINE_TABLE_TOP, "上边线", 116, 32, 50, 10, kCheck},
        {C::Button, IDC_LINE_TABLE_BOTTOM, "下边线", 116, 48, 50, 10, kCheck},
        StylePicture(IDB_BORDER_TOP, 154, 32),
        StylePicture(IDB_BORDER_BOTTOM, 154, 48),
        {C::Button, IDC_LINE_TABLE_LEFT, "左边线", 176, 32, 50, 10, kCheck},
        {C::Button, IDC_LINE_TABLE_RIGHT, "右边线", 176, 48, 50, 10, kCheck},
        {C::Button, IDC_LINE_TABLE_BACK_FLAG, "背景颜色", 116, 70, 50, 10, kCheck},
        {C::Button, IDC_LINE_TABLE_BACK, "", 176, 67, 70, 14, kPush},
        {C::Static, IDC_LINE_TABLE_FRAME, "", 258, 30, 258, 48, SS_WHITERECT},
        {C::Static, IDC_LINE_TABLE_SAMPLE, "", 262, 34, 250, 40, SS_LEFT},
        {C::Static, IDC_LINE_TABLE_NOTE, "", 7, 136, 516, 26, SS_LEFT},
        {C::Button, IDC_DIARY_OK, "确定", 410, 166, 56, 16, kPush},
        {C::Button, IDC_DIARY_CANCEL, "取消", 467, 166, 56, 16, kPush},
    };
    return dialog;
}

DialogTemplate MonthFontTemplate()
{
    DialogTemplate dialog = ProgramDialog(IDD_MONTH_FONT, "Month Settings", 330, 134, kSettingsStyle);
    dialog.controls = {{C::Static, IDC_MONTH_FONT_GROUP, "在日记中:月份标题格式设置", 7, 5, 316, 102, SS_LEFT}};
    for (ControlTemplate control : FontRows(20, true))
        dialog.controls.push_back(std::move(control));
    dialog.controls.push_back({C::Button, IDC_HEADING_ITALIC, "I", 176, 41, 24, 10, kCheck});
    dialog.controls.push_back({C::Static, IDC_MONTH_FONT_SAMPLE, "2012-01", 14, 62, 302, 38, SS_LEFT});
    dialog.controls.push_back({C::Button, IDC_DIARY_OK, "确定", 210, 112, 56, 16, kPush});
    dialog.controls.push_back({C::Button, IDC_HEADING_CANCEL, "取消", 267, 112, 56, 16, kPush});
    return dialog;
}

DialogTemplate SameSettingTemplate()
{
    DialogTemplate dialog = ProgramDialog(IDD_SAME_SETTING, "每类相同格式设置", 330, 134, kSettingsStyle);
    dialog.controls = FontRows(10, false);
    dialog.controls.push_back({C::Static, IDC_SAME_FORMAT_GROUP, "预览", 7, 52, 316, 52, SS_LEFT});
    dialog.controls.push_back({C::Static, IDC_SAME_FORMAT_SAMPLE, "2012-01", 14, 68, 302, 30, SS_LEFT});
    dialog.controls.push_back({C::Button, IDC_DIARY_OK, "确定", 210, 112, 56, 16, kPush});
    dialog.controls.push_back({C::Button, IDC_HEADING_CANCEL, "取消", 267, 112, 56, 16, kPush});
    return dialog;
}

DialogTemplate DateFontTemplate()
{
    DialogTemplate dialog = ProgramDialog(IDD_DATE_FONT, "Date Settings", 551, 179, kSettingsStyle);
    dialog.controls = {
        {C::Static, IDC_DATE_FONT_GROUP, "在每天日记中: 日期标题格式设置", 7, 5, 537, 150, SS_LEFT},
        {C::Static, IDC_DATE_FONT_SAMPLE, "2012-01-01", 14, 18, 523, 30, SS_LEFT},
        {C::Static, IDC_STATIC, "字体名称:", 14, 58, 40, 8, SS_LEFT},
        {C::ComboBox, IDC_HEADING_FONT, "", 56, 56, 120, 150, kList},
        {C::Static, IDC_STATIC, "字体大小:", 184, 58, 40, 8, SS_LEFT},
        {C::ComboBox, IDC_HEADING_SIZE, "", 226, 56, 44, 150, kList},
        {C::Static, IDC_STATIC, "字体颜色", 280, 58, 34, 8, SS_LEFT},
        {C::Button, IDC_HEADING_COLOUR, "Font Color", 316, 55, 70, 14, kPush},
        {C::Button, IDC_HEADING_BOLD, "B", 396, 57, 24, 10, kCheck},
        {C::Button, IDC_HEADING_ITALIC, "I", 424, 57, 24, 10, kCheck},
        {C::Button, IDC_HEADING_UNDERLINE, "U", 452, 57, 24, 10, kCheck},
        StylePicture(IDB_STYLE_BOLD, 410, 57),
        StylePicture(IDB_STYLE_ITALIC, 438, 57),
        StylePicture(IDB_STYLE_UNDERLINE, 466, 57),
        {C::Button, IDC_DATE_BACK_FLAG, "字体背景颜色:", 14, 78, 70, 10, kCheck},
        {C::Button, IDC_DATE_BACK, "", 88, 75, 70, 14, kPush},
        {C::Button, IDC_DATE_PAGE_BREAKS, "每天的日记分页显示。", 280, 78, 160, 10, kCheck},
        {C::Button, IDC_DATE_BLANK_LINE, "在日期标题下面增加一空白行。", 14, 96, 200, 10, kCheck},
        {C::Button, IDC_DATE_TABLE, "将日记标题放入表格中:", 280, 96, 110, 10, kCheck},
        {C::Button, IDC_DATE_TABLE_BUTTON, "", 394, 91, 36, 20, kPush},
        {C::Button, IDC_DATE_MOTTO, "每天日记里增加一句名言警句：点右边按钮，选择名言警语的文本文件：", 14, 118, 330, 10,
         kCheck},
        {C::Button, IDC_DATE_MOTTO_BUTTON, "", 348, 113, 36, 20, kPush},
        {C::Static, IDC_STATIC, "文件路径：", 14, 138, 44, 8, SS_LEFT},
        {C::Static, IDC_DATE_MOTTO_PATH, "", 60, 138, 476, 8, SS_LEFT},
        {C::Button, IDC_DIARY_OK, "确定", 430, 158, 56, 16, kPush},
        {C::Button, IDC_HEADING_CANCEL, "取消", 488, 158, 56, 16, kPush},
    };
    return dialog;
}

DialogTemplate AddTextTemplate()
{
    DialogTemplate dialog = ProgramDialog(IDD_ADD_TEXT, "Add Text", 578, 383, kSettingsStyle);
    dialog.controls = {
        {C::Button, IDC_TEXT_CHOOSE_FILE, "选择文本文件", 7, 7, 70, 16, kPush},
        {C::Edit, IDC_TEXT_PATH, "", 82, 8, 368, 14, ES_AUTOHSCROLL | ES_READONLY | WS_BORDER | WS_TABSTOP},
        {C::Button, IDC_TEXT_OPEN_FILE, "Open Text(*.txt)", 454, 7, 64, 16, kPush},
        {C::Button, IDC_TEXT_OPEN_FOLDER, "Open Folder", 521, 7, 50, 16, kPush},
        {C::Static, IDC_STATIC, "字体名称", 7, 32, 34, 8, SS_LEFT},
        {C::ComboBox, IDC_HEADING_FONT, "", 42, 30, 110, 150, kList},
        {C::ComboBox, IDC_HEADING_SIZE, "", 156, 30, 44, 150, kList},
        {C::Static, IDC_STATIC, "字体颜色", 208, 32, 34, 8, SS_LEFT},
        {C::Button, IDC_HEADING_COLOUR, "Color", 244, 29, 56, 14, kPush},
        {C::Button, IDC_HEADING_BOLD, "Blod", 308, 31, 32, 10, kCheck},
        {C::Button, IDC_HEADING_ITALIC, "Italic", 344, 31, 34, 10, kCheck},
        {C::Button, IDC_HEADING_UNDERLINE, "Underline", 382, 31, 50, 10, kCheck},
        StylePicture(IDB_STYLE_BOLD, 332, 31),
        StylePicture(IDB_STYLE_ITALIC, 370, 31),
        StylePicture(IDB_STYLE_UNDERLINE, 423, 31),
        {C::Button, IDC_TEXT_BACK_FLAG, "段落的背景颜色", 7, 52, 72, 10, kCheck},
        {C::Button, IDC_TEXT_BACK, "", 82, 49, 56, 14, kPush},
        {C::Button, IDC_TEXT_TABLE, "将文本放入表格中:", 148, 52, 88, 10, kCheck},
        {C::Button, IDC_TEXT_TABLE_BUTTON, "...", 238, 46, 36, 20, kPush},
        {C::Button, IDC_TEXT_LOOP, "循环增加到每天的日记里。", 284, 52, 130, 10, kCheck},
        {C::Static, IDC_STATIC, "总行数", 472, 52, 28, 8, SS_LEFT},
        {C::Static, IDC_TEXT_LINE_COUNT, "", 502, 52, 69, 8, SS_LEFT},
        {C::Static, IDC_TEXT_PREVIEW, "", 7, 70, 564, 30, SS_LEFT},
        // One line at a time: the preview, Detail and Del each act on one row.
        {C::ListView, IDC_TEXT_LINES, "", 7, 104, 564, 252,
         LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDRAWFIXED | WS_BORDER | WS_TABSTOP},
        {C::Button, IDC_TEXT_DETAIL, "Detail", 7, 361, 50, 16, kPush},
        {C::Button, IDC_TEXT_DELETE, "Del", 61, 361, 50, 16, kPush},
        {C::Button, IDC_TEXT_DELETE_ALL, "Del All", 115, 361, 50, 16, kPush},
        {C::Button, IDC_TEXT_SAVE, "Save", 169, 361, 50, 16, kPush},
        {C::Button, IDC_TEXT_OK, "OK", 458, 361, 56, 16, kPush},
        {C::Button, IDC_TEXT_CANCEL, "Cancel", 515, 361, 56, 16, kPush},
    };
    return dialog;
}

DialogTemplate AddTextEditTemplate()
{
    DialogTemplate dialog = ProgramDialog(IDD_ADD_TEXT_EDIT, "Text Details", 578, 178, kSettingsStyle);
    dialog.controls = {
        {C::Static, IDC_STATIC, "NO:", 7, 9, 20, 8, SS_LEFT},
        {C::Static, IDC_TEXT_DETAIL_NUMBER, "", 30, 9, 80, 8, SS_LEFT},
        {C::Static, IDC_STATIC, "TEXT:", 7, 26, 30, 8, SS_LEFT},
        {C::Edit, IDC_TEXT_DETAIL_TEXT, "", 7, 38, 564, 112, ES_MULTILINE | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
        {C::Button, IDC_TEXT_DETAIL_CLOSE, "Close", 515, 156, 56, 16, kPush},
    };
    return dialog;
}
