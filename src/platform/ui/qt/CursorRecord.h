#pragma once
// Private to the window layer: what a cursor handle stands for.

#include "platform/ui/Cursors.h"

#include <QCursor>

struct CursorRecord {
    QCursor cursor;
    bool shared = false;   // the desktop's own: DestroyCursor leaves it
};

namespace platform::ui::detail {

// Asks a window that maps WM_SETCURSOR which cursor to show over it, and shows it.
void AskCursor(HWND window);

} // namespace platform::ui::detail
