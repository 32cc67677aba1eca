#pragma once
// Private to the window layer: the input-method composition of the edits in the program's process,
// the text an input method draws underlined in an edit while the user picks a candidate. It is not
// the edit's text until the input method commits it.

class QApplication;
class QWidget;

namespace platform::ui::detail {

// Follows the composition of every widget that takes input-method text, the layer's edits and the
// toolkit's own (the file and folder dialogs' name and path boxes) alike, and drops a commit of a
// composition the input method cleared undrawn (Esc). Installed before the input gate, so it sees
// only the text that a window takes.
void WatchCompositions(QApplication& application);

// Commits the composition drawn in the window's focused edit, so that it becomes the edit's text.
// Called while the window still takes text: the toolkit's own commit comes at the next focus
// change, which finds a window that refuses input once a modal dialog has opened over it.
void FinishComposition(QWidget* window);

} // namespace platform::ui::detail
