#pragma once
// Private to the window layer: a window and the windows it owns (its transient windows, a modal
// dialog over it above all) leave the screen and come back together. A window manager that
// iconifies a dialog with its owner, as openbox does, left the owner iconified when only the
// dialog came back, and one that iconifies an owner alone left its dialog floating; a dialog
// that ended then left the program with no window on the screen.

class QWidget;
class QWindow;

namespace platform::ui::detail {

// Whether a window that owns this one, directly or through others, is minimised.
bool OwnerMinimised(const QWindow& window);

// Minimises every shown window of the window's group: its owners and the windows they own. A
// window manager may minimise a dialog and its owner one after the other, or the dialog alone.
void MinimiseGroup(const QWindow& window);

// Brings back every minimised window of the window's group: its owners and the windows they own.
void BringBackGroup(const QWindow& window);

// Takes the window out of its minimised state. Only under Wayland is it shown anew, which no
// other desktop needs: a window manager may drop the modal state of a window mapped again.
void BringBack(QWidget& window);

} // namespace platform::ui::detail
