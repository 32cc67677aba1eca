#include "resources/DialogTemplates.h"
#include "platform/ui/CommCtrl.h"
#include "platform/ui/WinMessages.h"
#include "resources/ResourceIds.h"

namespace {

using C = ControlClass;

constexpr DWORD kPush = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kKnownFilesList = LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDRAWFIXED | WS_BORDER | WS_TABSTOP;

// The configuration dialogs have a caption but no system menu, so no close box.
DialogTemplate ConfigDialog(UINT id, const char* caption, int cx, int cy)
{
    return ProgramDialog(id, caption, cx, cy, WS_CAPTION);
}

} // namespace

DialogTemplate SaveConfigTemplate()
{
    DialogTemplate dialog = ConfigDialog(IDD_SAVE_CONFIG, "保存", 579, 329);
    dialog.controls = {
        {C::Static, IDC_STATIC, "替换文件:", 10, 10, 45, 8, SS_LEFT},
        {C::Edit, IDC_CONFIG_PATH, "", 57, 6, 435, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
        {C::Button, IDC_SAVE_CHOOSE_FILE, "选择文件", 499, 3, 71, 17, kPush},
        {C::Button, IDC_STATIC, "", 7, 24, 563, 275, BS_GROUPBOX},
        {C::ListView, IDC_CONFIG_LIST, "", 17, 36, 543, 254, kKnownFilesList},
        {C::Button, IDC_SAVE_DELETE, "删除", 7, 305, 71, 17, kPush},
        {C::Button, IDC_CONFIG_OK, "确定", 422, 304, 71, 17, kPush},
        {C::Button, IDC_CONFIG_CANCEL, "取消", 499, 304, 71, 17, kPush},
    };
    return dialog;
}

DialogTemplate SelectConfigTemplate()
{
    DialogTemplate dialog = ConfigDialog(IDD_SELECT_CONFIG, "选择模板配置", 579, 329);
    dialog.controls = {
        {C::Button, IDC_STATIC, "", 9, 4, 557, 277, BS_GROUPBOX},
        {C::ListView, IDC_CONFIG_LIST, "", 18, 16, 538, 257, kKnownFilesList},
        {C::Button, IDC_SELECT_CHOOSE_FILE, "选择文件", 9, 286, 71, 17, kPush},
        {C::Edit, IDC_CONFIG_PATH, "", 86, 288, 480, 14, ES_AUTOHSCROLL | ES_READONLY | WS_BORDER | WS_TABSTOP},
        {C::Button, IDC_SELECT_DELETE, "删除", 9, 308, 71, 17, kPush},
        {C::Button, IDC_CONFIG_OK, "确定", 419, 308, 71, 17, kPush},
        {C::Button, IDC_CONFIG_CANCEL, "取消", 495, 308, 71, 17, kPush},
    };
    return dialog;
}

DialogTemplate SaveConfirmTemplate()
{
    DialogTemplate dialog = ConfigDialog(IDD_SAVE_CONFIRM, "保存和生成提示:", 347, 98);
    dialog.controls = {
        {C::Button, IDC_CONFIRM_GENERATE, "生成一个Word文件(DOCX格式 2003和2007都可以打开)", 7, 7, 221, 20, kPush},
        {C::Static, IDC_STATIC, "(先生成看一下,之后保存)", 235, 12, 78, 8, SS_LEFT},
        {C::Button, IDC_CONFIRM_SAVE_FIRST, "先保存,再生成Word文件。", 7, 40, 221, 20, kPush},
        {C::Static, IDC_STATIC, "(建议最好先保存好配置) ", 235, 45, 78, 8, SS_LEFT},
        {C::Static, IDC_STATIC, "", 7, 66, 334, 1, SS_ETCHEDHORZ},
        {C::Button, IDC_CONFIRM_CANCEL, "取消", 276, 73, 64, 17, kPush},
    };
    return dialog;
}
