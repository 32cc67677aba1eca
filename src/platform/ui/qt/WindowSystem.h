#pragma once
// Private to the window layer: which window system the application runs on.

class QWidget;

namespace platform::ui::detail {

// The layer places windows by global coordinates (a popup at its button, a dialog centred over
// its owner), which a Wayland session ignores. So wherever an X display exists, XWayland in a
// Wayland session included, the application runs on X11 unless the user chose a platform
// (QT_QPA_PLATFORM); with no X display it runs on Wayland, and with no display at all offscreen.
// Called before the application object is made; true when the layer made the choice.
bool ChooseWindowSystem();

// Programs the application starts get the user's own choice, not the layer's.
void ForgetWindowSystemChoice();

// Whether the application runs on Wayland, where the compositor places windows, tells none of
// its states and takes no request to raise or activate one.
bool OnWayland();

// A top-level window that the desktop frames, minimises and groups: popups and tool tips close
// instead.
bool IsDesktopWindow(const QWidget& widget);

} // namespace platform::ui::detail
