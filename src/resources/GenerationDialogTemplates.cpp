// The dialogs of a generation run: the progress window and the success dialog.
#include "platform/ui/CommCtrl.h"
#include "platform/ui/WinMessages.h"
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"

namespace {

using C = ControlClass;

constexpr DWORD kPush = BS_PUSHBUTTON | WS_TABSTOP;

} // namespace

DialogTemplate ProgressTemplate()
{
    DialogTemplate dialog = ProgramDialog(IDD_PROGRESS, "", 379, 63, 0);
    dialog.controls = {
        {C::Static, IDC_PROGRESS_WAIT_TEXT, "Static", 7, 7, 365, 10, SS_LEFT},
        {C::Progress, IDC_PROGRESS_BAR, "", 7, 22, 320, 12, WS_BORDER},
        {C::Static, IDC_PROGRESS_PERCENT, "0%", 333, 24, 39, 10, SS_LEFT},
        {C::Button, IDC_PROGRESS_OK, "OK", 322, 41, 50, 15, kPush},
    };
    return dialog;
}

DialogTemplate CongratulationTemplate()
{
    DialogTemplate dialog = ProgramDialog(IDD_CONGRATULATION, "成功！", 523, 138, WS_CAPTION | WS_SYSMENU);
    dialog.controls = {
        {C::Static, IDC_CONGRATS_DONE, "恭喜，您刚才的操作成功！", 10, 8, 503, 18, SS_LEFT},
        {C::Static, IDC_CONGRATS_FILE_IS, "您刚生成Microsoft Office Word /20032007文件是:", 10, 30, 503, 12, SS_LEFT},
        {C::Static, IDC_CONGRATS_PATH, "", 10, 45, 503, 14, SS_LEFT},
        {C::Button, IDC_CONGRATS_OPEN_FILE, "直接打开WORD文件,需要等几秒。", 10, 66, 180, 18, kPush},
        {C::Button, IDC_CONGRATS_OPEN_FOLDER, "打开所在的文件夹", 197, 66, 110, 18, kPush},
        {C::Button, IDC_CONGRATS_CLOSE, "关闭", 443, 66, 70, 18, kPush},
        {C::Static, IDC_CONGRATS_TIP,
         "特别提醒: 如果您的Word是2003，那么需要等几秒,如果你想快一些，可以打开后，令存为' Word document(*.doc) "
         "',这样下一次打开就比较快，而且没有无必要的提醒对话框了。",
         10, 92, 503, 38, SS_LEFT},
    };
    return dialog;
}
