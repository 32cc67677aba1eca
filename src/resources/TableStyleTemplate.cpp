#include "platform/ui/CommCtrl.h"
#include "platform/ui/WinMessages.h"
#include "resources/DiaryDialogIds.h"
#include "resources/DiaryDialogTemplates.h"
#include "resources/ResourceIds.h"
#include "resources/TableStyleIds.h"

namespace {

using C = ControlClass;

constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kPush = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kPictureList = LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP;

std::vector<ControlTemplate> SettingControls()
{
    return {
        {C::Button, IDC_STATIC, "设置", 342, 5, 229, 178, BS_GROUPBOX},
        {C::ListView, IDC_TABLE_LINE_TYPES, "", 348, 17, 94, 106, kPictureList},
        {C::Button, IDC_TABLE_TOP, "上边线", 448, 18, 50, 10, kCheck},
        {C::Button, IDC_TABLE_MIDDLE, "中间线", 448, 33, 50, 10, kCheck},
        {C::Button, IDC_TABLE_BOTTOM, "下边线", 448, 48, 50, 10, kCheck},
        StylePicture(IDB_BORDER_TOP, 486, 18),
        StylePicture(IDB_BORDER_INNER, 486, 33),
        StylePicture(IDB_BORDER_BOTTOM, 486, 48),
        {C::Button, IDC_TABLE_LEFT, "左边线", 448, 63, 50, 10, kCheck},
        {C::Button, IDC_TABLE_RIGHT, "右边线", 448, 78, 50, 10, kCheck},
        {C::Static, IDC_TABLE_DIAGRAM_TOP, "", 510, 20, 52, 1, SS_BLACKRECT},
        {C::Static, IDC_TABLE_DIAGRAM_MIDDLE, "", 510, 52, 52, 1, SS_BLACKRECT},
        {C::Static, IDC_TABLE_DIAGRAM_BOTTOM, "", 510, 84, 52, 1, SS_BLACKRECT},
        {C::Static, IDC_TABLE_DIAGRAM_LEFT, "", 510, 20, 1, 65, SS_BLACKRECT},
        {C::Static, IDC_TABLE_DIAGRAM_RIGHT, "", 561, 20, 1, 65, SS_BLACKRECT},
        {C::Static, IDC_STATIC, "颜色设置", 448, 99, 40, 8, SS_LEFT},
        {C::Button, IDC_TABLE_LINE_COLOUR, "", 490, 96, 70, 14, kPush},
        {C::Button, IDC_TABLE_TITLE_BACK_FLAG, "表格标题行的背景颜色", 348, 130, 132, 10, kCheck},
        {C::Button, IDC_TABLE_TITLE_BACK, "", 490, 128, 70, 14, kPush},
        {C::Button, IDC_TABLE_ODD_BACK_FLAG, "表格单数行的背景颜色", 348, 147, 132, 10, kCheck},
        {C::Button, IDC_TABLE_ODD_BACK, "", 490, 145, 70, 14, kPush},
        {C::Button, IDC_TABLE_EVEN_BACK_FLAG, "表格双数行的背景颜色", 348, 164, 132, 10, kCheck},
        {C::Button, IDC_TABLE_EVEN_BACK, "", 490, 162, 70, 14, kPush},
    };
}

// The preview: seven rows over the frame, whose edges and row lines the dialog paints.
std::vector<ControlTemplate> PreviewControls()
{
    std::vector<ControlTemplate> controls = {
        {C::Button, IDC_TABLE_INSERT_COLUMN, "在表格前段增加一列(前面可以是项目编号或者项目特殊符号)", 342, 188, 229,
         10, kCheck},
        {C::Static, IDC_TABLE_PREVIEW_BACK, "", 342, 203, 229, 152, SS_WHITERECT},
        {C::Static, IDC_TABLE_PREVIEW_FRAME, "", 348, 209, 217, 140, SS_WHITERECT},
    };
    for (int row = 0; row < kTablePreviewRows; ++row)
        controls.push_back({C::Static, kTablePreviewRowIds[row], "", 350, 211 + row * 20, 213, 16, SS_LEFT});
    return controls;
}

} // namespace

DialogTemplate TableStyleTemplate()
{
    DialogTemplate dialog = ProgramDialog(IDD_TABLE_STYLE, "表格设置", 578, 383, WS_CAPTION | WS_SYSMENU);
    dialog.controls = {
        {C::Button, IDC_STATIC, "表格格式例子模版", 7, 5, 330, 372, BS_GROUPBOX},
        {C::ListView, IDC_TABLE_PRESETS, "", 13, 17, 318, 354, kPictureList},
    };
    for (auto part : {SettingControls(), PreviewControls()})
        dialog.controls.insert(dialog.controls.end(), part.begin(), part.end());
    dialog.controls.push_back({C::Button, IDC_DIARY_OK, "确定", 454, 361, 56, 16, kPush});
    dialog.controls.push_back({C::Button, IDC_DIARY_CANCEL, "取消", 515, 361, 56, 16, kPush});
    return dialog;
}
