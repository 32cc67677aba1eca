#pragma once
// Private to the window layer: the colours an edit or a static paints in, asked of its parent
// with WM_CTLCOLOREDIT / WM_CTLCOLORSTATIC before each paint, as Windows asks.

#include "platform/ui/WinDef.h"

class QWidget;

namespace platform::ui::detail {

void ApplyControlColours(HWND window, QWidget* widget);

} // namespace platform::ui::detail
