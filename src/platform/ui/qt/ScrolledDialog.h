#pragma once
// Private to the window layer: a dialog larger than the screen's work area (a laptop's 1280 x 720
// less a desktop bar) opens inside it, its controls on a page that scrolls.

#include <QRect>
#include <QWidget>

namespace platform::ui::detail {

// The widget a dialog of that client size puts its controls on: the dialog itself when it fits
// the work area with its frame; else a page of that size in a scroll area filling the dialog,
// which is made as large as the work area allows and placed inside it. Where the program draws
// the title bar (Wayland), the page, scrolled or not, stands below it. Events and lookups on
// the page reach the dialog's window, whose client area the page is.
QWidget* ClientPageFor(QWidget* dialog, QSize client, const QRect& workArea);

// The widget that holds a window's client area: a scrolled dialog's page, else the window's own.
QWidget* ClientWidget(QWidget* window);

// The work area of the screen that holds most of `owner` (the primary screen without one); empty
// on no screen.
QRect WorkAreaFor(const QWidget* owner);

} // namespace platform::ui::detail
