#pragma once
// Private to the window layer: the DCs the window core makes for paints and for windows.

#include "platform/ui/DC.h"

#include <QPainter>
#include <memory>

namespace platform::ui::detail {

// A DC drawing with a painter that stays alive as long as the DC (a paint in progress).
// Its handle may go into a DRAWITEMSTRUCT or NMCUSTOMDRAW: CDC::FromHandle finds this object.
std::unique_ptr<CDC> MakeDcOnPainter(QPainter& painter);

// A DC drawing on a window outside its paint, as CClientDC does; for no window, a DC that
// answers questions about the screen and draws nowhere (GetDC(NULL)).
std::unique_ptr<CDC> MakeWindowDc(HWND window);

} // namespace platform::ui::detail
