#pragma once
// Private to the window layer: the classic Windows look of the parts the layer's own controls
// draw (3-D edges, check boxes), in the system colours.

#include "platform/ui/GdiDefs.h"

#include <QColor>
#include <QPainter>
#include <QRect>

namespace platform::ui::detail {

QColor SysColour(int index);
QColor Colour(COLORREF colour);

// A button face's edge inside the rectangle: raised, or pushed in.
void DrawButtonEdge(QPainter& painter, const QRect& rect, bool pushed);
// A 13 x 13 check box centred in the rectangle.
void DrawCheckBox(QPainter& painter, const QRect& rect, bool checked);

} // namespace platform::ui::detail
