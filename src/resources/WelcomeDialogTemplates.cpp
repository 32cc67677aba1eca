// The welcome dialog (102) and the About dialog (100).
#include "platform/ui/WinMessages.h"
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"

namespace {

using C = ControlClass;

constexpr DWORD kPush = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kRadio = BS_AUTORADIOBUTTON | WS_TABSTOP;

DialogTemplate ShellDialog(UINT id, const char* caption, int cx, int cy)
{
    DialogTemplate dialog;
    dialog.id = id;
    dialog.caption = caption;
    dialog.cx = cx;
    dialog.cy = cy;
    dialog.fontFace = "Tahoma";
    dialog.fontPoints = 9;
    dialog.style = WS_CAPTION | WS_SYSMENU;
    return dialog;
}

} // namespace

DialogTemplate WelcomeTemplate()
{
    DialogTemplate dialog = ShellDialog(IDD_WELCOME, "", kWelcomeWidth, 338);
    dialog.controls = {
        {C::Static, IDC_START_PICTURE, "", kWelcomePictureX, kWelcomePictureY, kWelcomePictureWidth,
         kWelcomePictureHeight, SS_BITMAP | SS_SUNKEN},
        {C::Button, IDC_RADIO_PICTURE_1, "图 1", 9, 300, 36, 10, kRadio | WS_GROUP},
        {C::Button, IDC_RADIO_PICTURE_1 + 1, "图 2", 51, 300, 36, 10, kRadio},
        {C::Button, IDC_RADIO_PICTURE_1 + 2, "图 3", 93, 300, 36, 10, kRadio},
        {C::Button, IDC_RADIO_PICTURE_1 + 3, "图 4", 135, 300, 36, 10, kRadio},
        {C::Button, IDC_RADIO_PICTURE_5, "", 177, 300, 12, 10, kRadio},
        {C::Static, IDC_WELCOME_NOTE, "", 200, 300, 200, 10, SS_LEFT},
        {C::Button, IDC_CHECK_NO_SHOW, "下一次不显示此界面。", 9, 318, 150, 10, BS_AUTOCHECKBOX | WS_TABSTOP},
        {C::Button, IDC_BUTTON_ABOUT, "About", 420, 314, 71, 17, kPush},
        {C::Button, IDC_BUTTON_NEXT, "下一步", 499, 314, 71, 17, BS_DEFPUSHBUTTON | WS_TABSTOP},
    };
    return dialog;
}

DialogTemplate AboutTemplate()
{
    DialogTemplate dialog = ShellDialog(IDD_ABOUTBOX, "关于Rorovavozir", kAboutWidth, 150);
    dialog.controls = {
        {C::Static, IDC_ABOUT_PICTURE, "", 0, 0, kAboutWidth, kAboutPictureHeight, SS_BITMAP},
        {C::Static, IDC_ABOUT_VERSION, "", 10, 70, 270, 10, SS_LEFT},
        {C::Static, IDC_ABOUT_TIP, "", 10, 84, 270, 20, SS_LEFT},
        {C::Static, IDC_ABOUT_LINK, kMakerPage, 10, 108, 200, 10, SS_LEFT},
        {C::Button, IDOK, "确定", 219, 127, 71, 17, BS_DEFPUSHBUTTON | WS_TABSTOP},
    };
    return dialog;
}
