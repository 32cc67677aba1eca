#pragma once
// Private to the window layer: the system menu opened from the keyboard.

#include "platform/ui/WinDef.h"

namespace platform::ui::detail {

// Shows the window's system menu; the chosen item goes to the window as WM_SYSCOMMAND.
void ShowSystemMenu(HWND window);

} // namespace platform::ui::detail
