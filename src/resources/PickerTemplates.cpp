// Templates of the item symbol picker (245) and the special sign picker (256).
#include "platform/ui/CommCtrl.h"
#include "platform/ui/WinMessages.h"
#include "resources/DiaryDialogIds.h"
#include "resources/DiaryDialogTemplates.h"
#include "resources/PickerIds.h"
#include "resources/ResourceIds.h"

#include <string>

namespace {

using C = ControlClass;

constexpr DWORD kPush = BS_PUSHBUTTON | WS_TABSTOP;
// Each symbol is a one-item list showing its 32 x 32 picture.
constexpr DWORD kSymbolList = LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP;
constexpr int kSymbolStep = 26;
constexpr int kSignStep = 28;
constexpr int kSignsPerRow = 14;

} // namespace

DialogTemplate ItemSpecialTemplate()
{
    DialogTemplate dialog = ProgramDialog(IDD_ITEM_SPECIAL, "Item Special Character", 568, 86, WS_CAPTION | WS_SYSMENU);
    const int groupWidth = 14 + kItemSymbolCount * kSymbolStep;
    dialog.controls.push_back({C::Button, IDC_SYMBOL_GROUP, "选择特殊符号", 7, 5, groupWidth, 56, BS_GROUPBOX});
    for (int index = 0; index < kItemSymbolCount; ++index) {
        const int x = 14 + index * kSymbolStep;
        dialog.controls.push_back({C::ListView, kItemSymbolListIds[index], "", x, 18, 24, 26, kSymbolList});
        dialog.controls.push_back({C::Static, IDC_STATIC, std::to_string(index + 1), x, 47, 24, 9, SS_CENTER});
    }
    dialog.controls.push_back({C::Button, IDC_DIARY_OK, "确定", 444, 65, 56, 16, kPush});
    dialog.controls.push_back({C::Button, IDC_DIARY_CANCEL, "取消", 504, 65, 56, 16, kPush});
    return dialog;
}

DialogTemplate SpecialSignTemplate()
{
    DialogTemplate dialog = ProgramDialog(IDD_SPECIAL_SIGN, "选择特殊字符作为在WORD项目编号", 410, 150, WS_CAPTION | WS_SYSMENU);
    for (int index = 0; index < kSpecialSignCount; ++index) {
        const int x = 10 + (index % kSignsPerRow) * kSignStep;
        const int y = 8 + (index / kSignsPerRow) * 40;
        dialog.controls.push_back({C::Button, kSpecialSignButtonIds[index], "", x, y, 26, 24,
                                   BS_PUSHBUTTON | BS_BITMAP | WS_TABSTOP});
        dialog.controls.push_back({C::Static, IDC_STATIC, std::to_string(index + 1), x, y + 26, 26, 9, SS_CENTER});
    }
    dialog.controls.push_back({C::Static, IDC_SIGN_PICTURE, "", 10, 92, 26, 24, SS_BITMAP});
    dialog.controls.push_back({C::Static, IDC_SIGN_SAMPLE, "for example: here is your text.", 40, 96, 170, 16, SS_LEFT});
    dialog.controls.push_back({C::Static, IDC_SIGN_NUMBER, "", 214, 98, 20, 10, SS_LEFT});
    dialog.controls.push_back({C::Button, IDC_SIGN_COLOUR, "", 240, 95, 60, 14, kPush});
    dialog.controls.push_back({C::Button, IDC_DIARY_OK, "确定", 286, 128, 56, 16, kPush});
    dialog.controls.push_back({C::Button, IDC_DIARY_CANCEL, "取消", 346, 128, 56, 16, kPush});
    return dialog;
}
