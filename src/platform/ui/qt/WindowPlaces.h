#pragma once
// Private to the window layer: under X the toolkit's idea of where each top-level window lies
// (where popups, drop-down lists, menus and the windows placed from it open) is what the X server
// says, whatever the window manager tells. icewm tells a modal dialog the place of its client
// area in a frame not yet placed, (0,19), and nothing more until the user moves it, so every
// popup of a new dialog opened near the screen's corner; a window manager may also move a frame
// without telling at all.

class QCoreApplication;

namespace platform::ui::detail {

// From now on, when X is the window system; elsewhere nothing changes.
void FollowRealWindowPlaces(QCoreApplication& application);

} // namespace platform::ui::detail
