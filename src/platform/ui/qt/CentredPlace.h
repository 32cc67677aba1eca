#pragma once
// Private to the window layer: where a window opens that the program centres, over its owner or
// on its screen, as the framework places a dialog that did not place itself.

#include <QPoint>

class QWidget;

namespace platform::ui::detail {

// The outer corner of the window's frame, title bar included: centred over `over` while that is
// on the screen, else on the work area of its screen (of the window's own without `over`), then
// moved into that work area as far as it fits, the top left corner kept inside first. Before the
// desktop framed the window, the owner's frame stands in for its own. False without a screen.
bool CentredPlace(const QWidget& window, const QWidget* over, QPoint* place);

} // namespace platform::ui::detail
