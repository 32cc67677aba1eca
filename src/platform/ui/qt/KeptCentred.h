#pragma once
// Private to the window layer: a window centred before the desktop framed it was centred with a
// frame that stood in for its own (its owner's, or none) and on the work area the toolkit knew
// then. Under fluxbox a dialog centred so in the screen's corner over an owner without a title
// bar, or over one whose frame the toolkit had not yet heard of, hung past the work area by its
// own frame.

class QWidget;

namespace platform::ui::detail {

// Moves the window's frame to its centred place (CentredPlace), and there again whenever the
// desktop tells its frame or a screen's work area changes while the window is as it was put (not
// moved or sized since), until it is hidden or its owner is gone.
void KeepCentred(QWidget& window, const QWidget* over);

} // namespace platform::ui::detail
