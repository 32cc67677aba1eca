#include "resources/DialogTemplates.h"
#include "platform/ui/CommCtrl.h"
#include "platform/ui/WinMessages.h"
#include "resources/ResourceIds.h"

namespace {

using C = ControlClass;

// The toolbar band is made at run time above everything else, so the controls start below it.
// A drop-down list's height is that of its closed box here.
std::vector<ControlTemplate> DateControls()
{
    return {
        {C::Static, IDC_GROUP_DATES, "开始日期和结束日期 :", 7, 28, 180, 58, SS_LEFT},
        {C::Static, IDC_STATIC_START, "开始日期:", 15, 42, 40, 9, SS_LEFT},
        {C::Static, IDC_LABEL_START, "", 58, 40, 122, 12, SS_LEFT},
        {C::Static, IDC_STATIC_END, "结束日期:", 15, 56, 40, 9, SS_LEFT},
        {C::Static, IDC_LABEL_END, "", 58, 54, 122, 12, SS_LEFT},
        {C::Static, IDC_LABEL_DAYCOUNT, "", 15, 69, 165, 14, SS_LEFT},
        {C::Static, IDC_LABEL_MONTH_SAMPLE, "2012-01", 195, 28, 262, 18, SS_LEFT},
        {C::Button, IDC_BUTTON_MONTH_FORMAT, "设置\"月\"格式", 462, 30, 70, 14, BS_PUSHBUTTON | WS_TABSTOP},
        {C::ComboBox, IDC_COMBO_MONTH_LEVEL, "", 536, 30, 36, 14, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
        {C::Static, IDC_LABEL_DATE_SAMPLE, "2012-01-01", 195, 48, 262, 18, SS_LEFT},
        {C::Button, IDC_BUTTON_DATE_FORMAT, "设置\"日期\"格式", 462, 50, 70, 14, BS_PUSHBUTTON | WS_TABSTOP},
        {C::ComboBox, IDC_COMBO_DATE_LEVEL, "", 536, 50, 36, 14, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
        {C::Static, IDC_STATIC, "标题 :", 195, 72, 24, 9, SS_LEFT},
        {C::Edit, IDC_EDIT_TITLE, "", 220, 70, 237, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
        {C::Button, IDC_CHECK_ADD_DATE, "增加日期和时间。", 462, 71, 110, 10, BS_AUTOCHECKBOX | WS_TABSTOP},
    };
}

std::vector<ControlTemplate> DiaryControls()
{
    return {
        {C::Static, IDC_GROUP_DIARY, "日记部分设置", 5, 88, 570, 210, SS_LEFT},
        {C::Static, IDC_GROUP_PREVIEW, "Preview", 13, 98, 501, 94, SS_LEFT},
        {C::Static, IDC_PREVIEW_AREA, "", 20, 114, 487, 69, SS_WHITERECT},
        {C::Static, IDC_PREVIEW_TITLE, "", 26, 119, 476, 16, SS_LEFT},
        SignPicture(IDC_PREVIEW_ITEM_SYMBOL, 26, 138, 13, 12),
        {C::Static, IDC_PREVIEW_NUMBER, "", 26, 140, 18, 16, SS_LEFT},
        SignPicture(IDC_PREVIEW_SIGN, 48, 138, 13, 12),
        {C::Static, IDC_PREVIEW_PREFIX, "", 70, 140, 104, 18, SS_LEFT},
        {C::Static, IDC_PREVIEW_LINE, "", 174, 140, 328, 18, SS_LEFT},
        {C::Static, IDC_PREVIEW_NOTE, "", 26, 162, 476, 18, SS_LEFT},
        {C::Button, IDC_BUTTON_REFRESH_PREVIEW, "刷新预览", 518, 104, 52, 14, BS_PUSHBUTTON | WS_TABSTOP},
        {C::Button, IDC_BUTTON_VIEW_EXAMPLE, "查看例子", 518, 122, 52, 14, BS_PUSHBUTTON | WS_TABSTOP},
        {C::Button, IDC_BUTTON_SAME_FORMAT, "相同格式设置", 518, 140, 52, 14, BS_PUSHBUTTON | WS_TABSTOP},
        {C::ListView, IDC_LIST_CLASSES, "", 13, 196, 501, 86,
         LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDRAWFIXED | WS_BORDER | WS_TABSTOP},
        {C::Button, IDC_BUTTON_ADD, "增加...", 518, 196, 52, 14, BS_PUSHBUTTON | WS_TABSTOP},
        {C::Button, IDC_BUTTON_EDIT, "编辑...", 518, 213, 52, 14, BS_PUSHBUTTON | WS_TABSTOP},
        {C::Button, IDC_BUTTON_DELETE, "删除...", 518, 230, 52, 14, BS_PUSHBUTTON | WS_TABSTOP},
        {C::Button, IDC_BUTTON_MOVE_UP, "向上移动", 518, 251, 52, 14, BS_PUSHBUTTON | WS_TABSTOP},
        {C::Button, IDC_BUTTON_MOVE_DOWN, "向下移动", 518, 268, 52, 14, BS_PUSHBUTTON | WS_TABSTOP},
        {C::Button, IDC_CHECK_ALL_COLUMNS, "Show All List Columns", 13, 285, 120, 10, BS_AUTOCHECKBOX | WS_TABSTOP},
    };
}

std::vector<ControlTemplate> OutputControls()
{
    return {
        {C::Static, IDC_STATIC, "输出路径 :", 7, 306, 40, 9, SS_LEFT},
        {C::Edit, IDC_EDIT_OUT_FOLDER, "", 50, 304, 190, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
        {C::Button, IDC_BUTTON_CHOOSE_PATH, "选择路径", 244, 303, 44, 14, BS_PUSHBUTTON | WS_TABSTOP},
        {C::Button, IDC_BUTTON_DEFAULT_PATH, "默认", 291, 303, 30, 14, BS_PUSHBUTTON | WS_TABSTOP},
        {C::Button, IDC_BUTTON_OPEN_FOLDER, "打开文件夹", 324, 303, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
        {C::Static, IDC_STATIC, "输出文件 :", 7, 326, 40, 9, SS_LEFT},
        {C::Edit, IDC_EDIT_OUT_FILE, "", 50, 324, 190, 12, ES_AUTOHSCROLL | ES_READONLY | WS_BORDER | WS_TABSTOP},
        {C::Button, IDC_BUTTON_OPEN_FILE, "打开文件", 244, 323, 44, 14, BS_PUSHBUTTON | WS_DISABLED | WS_TABSTOP},
        {C::Button, IDC_BUTTON_GENERATE, "开始生成Word文档", 380, 302, 195, 36, BS_OWNERDRAW | WS_TABSTOP},
    };
}

} // namespace

DialogTemplate MainWindowTemplate()
{
    DialogTemplate dialog;
    dialog.id = IDD_FORM_SETWORD;
    dialog.cx = 579;
    dialog.cy = 359;
    dialog.fontFace = "Tahoma";
    dialog.fontPoints = 9;
    dialog.style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    for (auto part : {DateControls(), DiaryControls(), OutputControls()})
        dialog.controls.insert(dialog.controls.end(), part.begin(), part.end());
    return dialog;
}
