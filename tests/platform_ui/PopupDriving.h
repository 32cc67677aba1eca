#pragma once
// Popups driven as a user drives them: keys as the window system gives them, to a window, which
// hands them to the open popup; a watch that finds the popup once it is open, also inside the
// loop of a menu that runs until it closes.

#include "platform/ui/TestHooks.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <utility>
#include <vector>

inline void Press(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(window.windowHandle(), key, modifiers);
}

// While it lives, looks every 10 ms for an open popup and hands it over, with the number of
// looks that found one open before.
class PopupWatch {
public:
    explicit PopupWatch(std::function<void(QWidget& popup, int looks)> found)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this, found = std::move(found)] {
            if (QWidget* popup = QApplication::activePopupWidget())
                found(*popup, m_looks++);
        });
        m_timer.start(10);
    }
    int Looks() const { return m_looks; }

private:
    QTimer m_timer;
    int m_looks = 0;
};

// Opens a popup and gives it the keys once it is open; true when it opened.
inline bool ChooseInPopup(QWidget& window, const std::function<void()>& open, const std::vector<Qt::Key>& keys)
{
    PopupWatch watch([&](QWidget&, int looks) {
        if (looks == 0)
            for (Qt::Key key : keys)
                Press(window, key);
    });
    open();
    return platform::ui::PumpEventsUntil([&] { return watch.Looks() > 0; });
}
