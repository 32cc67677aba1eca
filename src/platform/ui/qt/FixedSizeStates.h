#pragma once
// Private to the window layer: a window stays as the program made it, whatever the desktop
// offers. Under Wayland the toolkit draws the title bar itself, with maximise and minimise
// buttons for every window, and a strict compositor ends the program when a maximised window
// keeps a size other than the one it was given; openbox draws both buttons on every window too.

class QCoreApplication;

namespace platform::ui::detail {

// Watches every top-level window the application shows, whatever made it (a templated dialog, a
// message box, a common dialog or a window the toolkit opens from one). A maximise (or full
// screen) of a fixed-size window is let in at the desktop's size, as the compositor demands, and
// then undone, the fixed size coming back; under Wayland, where the toolkit clips a configured
// size to the native window's limits before the program learns of the state, a fixed window's
// native window has none and the keeper keeps its size. A window minimised without a minimise button is
// brought back at once (a modal dialog hidden that way would leave its owner disabled for good),
// unless it went with its owner: then it comes back with the owner (outside Wayland, where no
// window is told it came back).
void KeepEveryWindowsStates(QCoreApplication& application);

} // namespace platform::ui::detail
