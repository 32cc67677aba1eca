#pragma once
// Private to the window layer: a disabled top-level window refuses the user's input but keeps
// its look, as on Windows, where disabling a dialog greys none of its controls. Input here is
// every source the user types or clicks through: mouse, keys and input-method text.

#include <QObject>

class QWidget;

namespace platform::ui::detail {

// Installed on the application: drops input meant for a window whose top level refuses it, and
// input-method text meant for a read-only edit. A window that refuses input hands its
// activation on to the dialog that holds it, or else to an enabled window it owns, as Windows
// activates a disabled window's enabled popup; under Wayland that window is shown anew.
class InputGate : public QObject {
public:
    static InputGate& Instance();
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Top-level windows are disabled through the gate; controls are greyed as usual.
bool IsGatedWindow(const QWidget* widget);
// Opens or closes the gate of a top-level window. Before it closes, the composition drawn in the
// window's focused edit is committed; after, an input method attached inside lets go.
void SetRefusesInput(QWidget* window, bool refuses);

} // namespace platform::ui::detail
