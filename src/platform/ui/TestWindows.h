#pragma once
// Hooks for tests of windows the program makes and drives itself: input as a user gives it,
// and window creation that fails. Free of Qt.

#include "platform/ui/Wnd.h"

namespace platform::ui {

// Mouse input (WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, which comes in place
// of the second press of a double click, WM_RBUTTONDOWN, WM_RBUTTONUP) at a point in the window's
// client coordinates, and key presses: it takes the way a user's input does, PreTranslateMessage
// first, then the window's messages, then the control's own handling. A move between a press and
// its release drags. The context-menu key (VK_APPS) asks the window for its context menu, as the
// window system does.
void SimulateMouse(CWnd& window, UINT message, POINT client);
void SimulateKey(CWnd& window, UINT virtualKey);

// While it lives, CWnd::CreateEx fails as it does on Windows when the system is out of
// window resources.
class WindowCreationFailure {
public:
    WindowCreationFailure();
    ~WindowCreationFailure();
    WindowCreationFailure(const WindowCreationFailure&) = delete;
    WindowCreationFailure& operator=(const WindowCreationFailure&) = delete;
};

// The layer's side: whether creation fails now.
bool WindowCreationFails();

} // namespace platform::ui
