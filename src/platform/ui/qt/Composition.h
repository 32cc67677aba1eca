#pragma once
// Private to the window layer: the input-method composition of the edits the layer makes, the
// text an input method draws underlined in an edit while the user picks a candidate. It is not
// the edit's text until the input method commits it.

class QWidget;

namespace platform::ui::detail {

// Follows the composition of an edit (single- or multi-line, or a drop-down combo box's edit),
// and drops a commit of a composition the input method cleared undrawn (Esc).
void WatchComposition(QWidget* edit);

// Commits the composition drawn in the window's focused edit, so that it becomes the edit's text.
// Called while the window still takes text: the toolkit's own commit comes at the next focus
// change, which finds a window that refuses input once a modal dialog has opened over it.
void FinishComposition(QWidget* window);

} // namespace platform::ui::detail
