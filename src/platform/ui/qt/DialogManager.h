#pragma once
// Private to the window layer: the part of the Windows dialog manager that asks controls what
// they are (WM_GETDLGCODE): which push button is the default, and what Enter clicks.

#include "platform/ui/WinDef.h"

class QWidget;
struct WindowRecord;

namespace platform::ui::detail {

// The dialog a window belongs to (itself when it is one), or nullptr.
HWND DialogOf(HWND window);

// Enter in a dialog: the focused push button, else the dialog's default push button when it is
// enabled, else IDOK, reaches the dialog as a click.
void DialogEnter(HWND dialog, HWND focused);

// Once per process: as the focus moves inside a dialog, a push button that takes it becomes the
// default (BM_SETSTYLE), and the dialog's own default takes the role back when the focus goes to
// a control that is no push button.
void FollowDialogFocus();

// The button class's own handling of WM_GETDLGCODE (what the dialog manager takes the button
// for: only push buttons count as push buttons, owner-drawn ones do not) and of BM_SETSTYLE (a
// new button type).
LRESULT ButtonDlgCode(const WindowRecord& button);
void SetButtonType(WindowRecord& button, DWORD style, bool redraw);

} // namespace platform::ui::detail
