#include "platform/ui/qt/FixedSizeStates.h"

#include "platform/ui/qt/NativeWindow.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace platform::ui::detail {

namespace {

constexpr Qt::WindowStates kLarger = Qt::WindowMaximized | Qt::WindowFullScreen;

// Lives with the window; watches its states as asked (the signal) and as the desktop applied
// them (the window's state change event).
class StateKeeper : public QObject {
public:
    StateKeeper(QWidget& window, bool minimisable)
        : QObject(&window), m_window(window), m_fixed(window.size()), m_minimisable(minimisable)
    {
    }

    void Watch(QWindow& handle)
    {
        handle.installEventFilter(this);
        connect(&handle, &QWindow::windowStateChanged, this, &StateKeeper::Asked);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::WindowStateChange)
            Applied(m_window.windowHandle()->windowStates());
        return false;
    }

private:
    // Before the desktop answers a maximise, the size limits go, so the size it gives is taken.
    void Asked(Qt::WindowState state)
    {
        if ((state & kLarger) && !m_lifted) {
            m_lifted = true;
            m_fixed = m_window.size();
            m_window.setMinimumSize(0, 0);
            m_window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        }
        if ((state & Qt::WindowMinimized) && !m_minimisable)
            QTimer::singleShot(0, this, [this] {
                // Shown anew: a compositor has no request that brings a minimised window back.
                m_window.hide();
                m_window.showNormal();
                m_window.activateWindow();
            });
    }

    // Once the desktop has it maximised, it is asked back; once normal, the size is fixed again.
    void Applied(Qt::WindowStates states)
    {
        if (states & kLarger)
            QTimer::singleShot(0, this, [this] { m_window.windowHandle()->setWindowStates(Qt::WindowNoState); });
        else if (m_lifted && !(states & Qt::WindowMinimized))
            QTimer::singleShot(0, this, [this] {
                m_lifted = false;
                m_window.setFixedSize(m_fixed);
            });
    }

    QWidget& m_window;
    QSize m_fixed;
    bool m_minimisable;
    bool m_lifted = false;
};

} // namespace

void KeepFixedSizeWindowNormal(QWidget& window, bool minimisable)
{
    auto* keeper = new StateKeeper(window, minimisable);
    OnNativeWindow(window, [keeper](QWindow& handle) { keeper->Watch(handle); });
}

} // namespace platform::ui::detail
