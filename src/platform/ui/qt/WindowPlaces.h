#pragma once
// Private to the window layer: under X the toolkit's idea of where each top-level window lies
// (where popups, drop-down lists, menus and the windows placed from it open) is what the X server
// says, whatever the window manager tells. icewm tells a modal dialog the place of its client
// area in a frame not yet placed, (0,19), and nothing more until the user moves it, so every
// popup of a new dialog opened near the screen's corner; a window manager may also move a frame
// without telling at all. So is the frame around each window what the window manager told.

#include <QEvent>
#include <QMargins>
#include <optional>

class QCoreApplication;
class QWidget;

namespace platform::ui::detail {

// From now on, when X is the window system; elsewhere nothing changes.
void FollowRealWindowPlaces(QCoreApplication& application);

// Posted to a top-level widget when the window manager tells its frame anew (_NET_FRAME_EXTENTS):
// the toolkit takes the new frame without telling the widget, and a window manager may tell it
// after the window's last move.
QEvent::Type FrameToldEvent();

// The frame the desktop put around the top-level window; nullopt before it has told one. Under X
// that is the window manager's word (_NET_FRAME_EXTENTS): while it is missing the toolkit guesses
// from the window tree, and under fluxbox, framing a window, guessed a frame as large as the
// window's place on the screen (1321 by 491 pixels).
std::optional<QMargins> ToldFrame(const QWidget& window);

} // namespace platform::ui::detail
