#pragma once
// Private to the window layer: turns Qt's events into the window messages the program handles.

#include "platform/ui/WinDef.h"

#include <QObject>
#include <QPointer>

class QKeyEvent;

namespace platform::ui::detail {

// Installed on every window's widget: paint, mouse, keys, focus and close become messages
// for the window's object when its map handles them; anything else stays with Qt.
class EventBridge : public QObject {
public:
    static EventBridge& Instance();
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Installed on the application: the dialog keys (Enter, Esc) and PreTranslateMessage,
// which on Windows run before the focused control sees a message. While a popup is open (a menu,
// a drop-down list, a popup the program made) its keys are its own.
class DialogKeys : public QObject {
public:
    static DialogKeys& Instance();
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A key's repeats go to the window that had its press, or to none: a popup or dialog the press
    // opened would take the held key again (Space picking a colour in the popup it opened, F4
    // closing the list it opened).
    bool RepeatForAnotherWindow(QObject* watched, const QKeyEvent& key);

    // Whether a popup was open when the window system began to give the key now given, and that
    // key's press while it is handed on.
    bool m_popupAtKeyStart = false;
    const QEvent* m_keyForPopup = nullptr;
    // The key held down and the window (or popup) its press went to.
    int m_heldKey = 0;
    QPointer<QObject> m_heldKeyReceiver;
};

// The window whose object should see a message aimed at a widget: the widget's own, or the
// nearest enclosing one (a combo box's inner line edit belongs to the combo box).
HWND OwningWindow(QObject* object);

// The Windows virtual-key code of a Qt key (0 when there is none).
unsigned VirtualKeyOf(int qtKey);

} // namespace platform::ui::detail
