#pragma once
// Popups driven as a user drives them: keys as the window system gives them, to a window, which
// hands them to the open popup.

#include "platform/ui/TestHooks.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <vector>

inline void Press(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(window.windowHandle(), key, modifiers);
}

// Opens a popup and, once it is open (also inside the loop of a menu that runs until it closes),
// gives the window the keys; true when they closed it. A popup they leave open is closed after
// half a second, so that no test waits for ever.
inline bool PressInPopup(QWidget& window, const std::function<void()>& open, const std::vector<Qt::Key>& keys)
{
    constexpr int kPatience = 50;
    int looks = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* popup = QApplication::activePopupWidget();
        if (!popup)
            return;
        if (looks++ == 0)
            for (Qt::Key key : keys)
                Press(window, key);
        else if (looks > kPatience)
            popup->close();
    });
    watch.start(10);
    open();
    const bool closed = platform::ui::PumpEventsUntil([&] { return looks > 0 && !QApplication::activePopupWidget(); });
    return closed && looks <= kPatience;
}
