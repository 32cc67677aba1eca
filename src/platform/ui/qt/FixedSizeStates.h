#pragma once
// Private to the window layer: a window of fixed size stays as the program made it, whatever
// the desktop offers. Under Wayland the toolkit draws the title bar itself, with maximise and
// minimise buttons for every window, and a strict compositor ends the program when a maximised
// window keeps a size other than the one it was given.

class QWidget;

namespace platform::ui::detail {

// A maximise (or full screen) is let in at the desktop's size, as the compositor demands, and
// then undone, the fixed size coming back; a minimise is undone at once unless the window may
// be minimised (a modal dialog hidden that way would leave its owner disabled for good).
void KeepFixedSizeWindowNormal(QWidget& window, bool minimisable);

} // namespace platform::ui::detail
