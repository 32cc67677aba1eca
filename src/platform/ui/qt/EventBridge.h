#pragma once
// Private to the window layer: turns Qt's events into the window messages the program handles.

#include <QObject>

namespace platform::ui::detail {

// Installed on every window's widget: paint, mouse, keys, focus and close become messages
// for the window's object when its map handles them; anything else stays with Qt.
class EventBridge : public QObject {
public:
    static EventBridge& Instance();
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Installed on the application: the dialog keys (Enter, Esc) and PreTranslateMessage,
// which on Windows run before the focused control sees a message.
class DialogKeys : public QObject {
public:
    static DialogKeys& Instance();
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The Windows virtual-key code of a Qt key (0 when there is none).
unsigned VirtualKeyOf(int qtKey);

} // namespace platform::ui::detail
