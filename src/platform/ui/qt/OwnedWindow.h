#pragma once
// Private to the window layer: a window the program opens for an owner stays with the owner's
// window on the desktop, as an owned window does on Windows.

class QWidget;

namespace platform::ui::detail {

// The window that stands for an owner on the desktop: its top-level window, and for a popup the
// window the popup belongs to. A popup is hidden while the windows it opens run, and the desktop
// keeps no window above or with one it does not manage.
QWidget* OwnerWindowOf(const QWidget* owner);

// Transient for the owner's window: the desktop places it over the owner and keeps it
// above. Without an owner nothing changes.
void KeepWithOwner(QWidget& window, const QWidget* owner);

// The same for a window about to run modally, which is also modal to that window in the
// toolkit's terms, so a compositor that ignores the program's own disabling keeps the two
// together.
void KeepModalWithOwner(QWidget& window, const QWidget* owner);

} // namespace platform::ui::detail
