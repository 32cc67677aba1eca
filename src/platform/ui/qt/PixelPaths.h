#pragma once
// Private to the window layer: the pixels GDI lights for one-pixel outlines.

#include <QPoint>
#include <QRect>
#include <vector>

namespace platform::ui::detail {

// From `from` towards `to`, leaving `to` out, one pixel per step along the longer axis.
std::vector<QPoint> LinePixels(QPoint from, QPoint to);

// The border pixels of a rectangle, clockwise from the top-left corner, each once.
std::vector<QPoint> RectOutline(const QRect& rect);

// The pixels as whole logical pixels, neighbours along a row or a column joined, so a pen one
// pixel wide covers every device pixel of each pixel it lights at any device pixel ratio.
std::vector<QRect> PixelRuns(const std::vector<QPoint>& pixels);

} // namespace platform::ui::detail
