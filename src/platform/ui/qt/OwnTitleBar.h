#pragma once
// Private to the window layer: under Wayland the program draws its windows' title bars itself.
// The toolkit's own title bar there offers minimise and maximise on every window, whatever the
// window allows, and a dialog a user minimised that way left its owner disabled with nothing on
// the screen to answer it.

#include <QRect>

class QApplication;
class QWidget;

namespace platform::ui::detail {

// The height a window keeps above its client area for the program's title bar: the style's
// title bar height under Wayland, 0 where the desktop or the toolkit draws title bars.
int OwnTitleBarHeight(const QWidget& window);

// Installed on the application: each titled top-level window that has room for it (a dialog of
// the program's templates, whose controls stand below the bar, or a window with a layout) gets,
// at its first show, the program's title bar in place of the toolkit's: the title, a close box
// where the window has one, a minimise box only where it has one and a maximise box only where
// it can be resized. The bar moves the window when dragged; a resizable window's edges size it.
// Alt+F4 in a window with a close box does what the box does.
void GiveOwnTitleBars(QApplication& application);

// What the program's title bar of the window offers, as the style finds it across the bar: the
// bar (nullptr without one) and each box's place on it (empty where it has none).
struct TitleBarBoxes {
    QWidget* bar = nullptr;
    QRect close;
    QRect minimise;
    QRect maximise;
};
TitleBarBoxes OwnTitleBarBoxes(QWidget& window);

} // namespace platform::ui::detail
