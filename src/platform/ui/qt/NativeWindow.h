#pragma once
// Private to the window layer: what the layer ties to a window's native window is tied when the
// toolkit makes it, at the window's first show, and never by making it earlier. A native window
// made before the program places the window is placed by a configure request at the show, which
// a window manager answers while it frames the window: under openbox the toolkit then kept the
// frame's first place as the window's, and every point it mapped to the screen was off by the
// window's real place.

#include <functional>

class QWidget;
class QWindow;

namespace platform::ui::detail {

// Runs `tie` with the window's native window now if it exists, else as soon as the toolkit makes
// it, and again for every native window the toolkit makes for it anew.
void OnNativeWindow(QWidget& window, std::function<void(QWindow&)> tie);

} // namespace platform::ui::detail
