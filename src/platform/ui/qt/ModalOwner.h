#pragma once
// Private to the window layer: the owner of a running modal dialog, message box or common
// dialog. The owner refuses input while any of its modal dialogs runs: an enable asked for
// meanwhile waits for the last of them to end, so no window takes clicks under its own dialog.

#include "platform/ui/WinDef.h"

class CWnd;
class QWidget;

namespace platform::ui::detail {

// Disables the owner when it was enabled, and counts the dialog as running over it until the
// scope ends; then the owner is enabled again if this scope disabled it or an enable waited.
class ModalOwnerScope {
public:
    ModalOwnerScope(CWnd* owner, QWidget* dialog);
    ~ModalOwnerScope();
    ModalOwnerScope(const ModalOwnerScope&) = delete;
    ModalOwnerScope& operator=(const ModalOwnerScope&) = delete;

private:
    HWND m_owner = nullptr;
    QWidget* m_dialog = nullptr;
    bool m_disabledOwner = false;
};

// The owner of a modal window given that parent: the parent, else as the framework does, the
// active window, else the main window.
CWnd* ModalOwnerFor(CWnd* parent);

// The innermost modal dialog running over the window, or nullptr.
QWidget* RunningModalDialog(HWND window);

} // namespace platform::ui::detail
