#pragma once
// Private to the window layer: a disabled top-level window refuses the user's input but keeps
// its look, as on Windows, where disabling a dialog greys none of its controls.

#include <QObject>

class QWidget;

namespace platform::ui::detail {

// Installed on the application: drops input meant for a window whose top level refuses it.
class InputGate : public QObject {
public:
    static InputGate& Instance();
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Top-level windows are disabled through the gate; controls are greyed as usual.
bool IsGatedWindow(const QWidget* widget);

} // namespace platform::ui::detail
