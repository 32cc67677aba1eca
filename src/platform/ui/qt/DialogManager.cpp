#include "platform/ui/qt/DialogManager.h"

#include "platform/ui/qt/EventBridge.h"
#include "platform/ui/qt/GuardedApplication.h"
#include "platform/ui/qt/ScrolledDialog.h"
#include "platform/ui/qt/WindowAccess.h"
#include "platform/ui/qt/WindowRecord.h"

#include <QApplication>
#include <vector>

namespace platform::ui::detail {
namespace {

constexpr LRESULT kPushButton = DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON;

LRESULT DlgCode(HWND window)
{
    return window ? Deliver(window, WM_GETDLGCODE, 0, 0) : 0;
}

std::vector<HWND> ButtonsOf(HWND dialog)
{
    std::vector<HWND> buttons;
    if (QWidget* widget = WidgetOf(dialog))
        for (QWidget* child : ClientWidget(widget)->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (WindowRecord* record = RecordOf(HandleOf(child)); record && record->kind == WindowKind::Button)
                buttons.push_back(record);
    return buttons;
}

// The dialog's own default push button (from its template), or nullptr.
HWND DefaultButtonOf(HWND dialog)
{
    const WindowRecord* record = RecordOf(dialog);
    if (!record || record->defaultId == 0)
        return nullptr;
    for (HWND button : ButtonsOf(dialog))
        if (RecordOf(button)->id == record->defaultId)
            return button;
    return nullptr;
}

void Click(HWND dialog, WORD id, HWND button)
{
    Deliver(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void MoveDefault(HWND dialog, HWND focused)
{
    const HWND chosen = (DlgCode(focused) & kPushButton) ? focused : DefaultButtonOf(dialog);
    for (HWND button : ButtonsOf(dialog))
        if (button != chosen && RecordOf(button) && (DlgCode(button) & DLGC_DEFPUSHBUTTON))
            Deliver(button, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    if (RecordOf(chosen) && (DlgCode(chosen) & DLGC_UNDEFPUSHBUTTON))
        Deliver(chosen, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

} // namespace

HWND DialogOf(HWND window)
{
    for (WindowRecord* record = RecordOf(window); record && record->widget;) {
        if (record->kind == WindowKind::Dialog)
            return record;
        record = RecordOf(HandleOf(record->widget->parentWidget()));
    }
    return nullptr;
}

void DialogEnter(HWND dialog, HWND focused)
{
    if (focused && DialogOf(focused) == dialog && (DlgCode(focused) & kPushButton)) {
        Click(dialog, static_cast<WORD>(RecordOf(focused)->id), focused);
        return;
    }
    const HWND button = DefaultButtonOf(dialog);
    if (button && RecordOf(button)->widget->isEnabled())
        Click(dialog, static_cast<WORD>(RecordOf(button)->id), button);
    else
        Click(dialog, IDOK, nullptr);
}

void FollowDialogFocus()
{
    static bool following = false;
    if (following)
        return;
    following = true;
    QObject::connect(qApp, &QApplication::focusChanged, Guarded([](QWidget*, QWidget* now) {
        const HWND focused = OwningWindow(now);
        if (const HWND dialog = DialogOf(focused); dialog && focused != dialog)
            MoveDefault(dialog, focused);
    }));
}

LRESULT ButtonDlgCode(const WindowRecord& button)
{
    switch (button.style & BS_TYPEMASK) {
    case BS_PUSHBUTTON: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    default: return DLGC_BUTTON;
    }
}

void SetButtonType(WindowRecord& button, DWORD style, bool redraw)
{
    button.style = (button.style & ~BS_TYPEMASK) | (style & BS_TYPEMASK);
    if (redraw && button.widget)
        button.widget->update();
}

} // namespace platform::ui::detail
