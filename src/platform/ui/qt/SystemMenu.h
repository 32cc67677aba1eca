#pragma once
// Private to the window layer: the system menu opened from the keyboard or by a right click.

#include "platform/ui/WinDef.h"

namespace platform::ui::detail {

// Shows the window's system menu at a point of the screen, or at the window's corner; the chosen
// item goes to the window as WM_SYSCOMMAND.
void ShowSystemMenu(HWND window, const POINT* at = nullptr);

} // namespace platform::ui::detail
