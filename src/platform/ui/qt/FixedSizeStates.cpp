#include "platform/ui/qt/FixedSizeStates.h"

#include "platform/ui/qt/NativeWindow.h"
#include "platform/ui/qt/OwnedStates.h"
#include "platform/ui/qt/WindowSystem.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QEvent>
#include <QLayout>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace platform::ui::detail {

namespace {

constexpr Qt::WindowStates kLarger = Qt::WindowMaximized | Qt::WindowFullScreen;
constexpr char kKeeperName[] = "rvStateKeeper";
constexpr QSize kNoLimit(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);

// Lives with the window; watches its states as asked (the signal) and as the desktop applied
// them (the window's state change event).
class StateKeeper : public QObject {
public:
    explicit StateKeeper(QWidget& window) : QObject(&window), m_window(window) { setObjectName(kKeeperName); }

    void Watch(QWindow& handle)
    {
        m_states = handle.windowStates();
        handle.installEventFilter(this);
        connect(&handle, &QWindow::windowStateChanged, this, &StateKeeper::Asked);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::WindowStateChange)
            Applied(m_window.windowHandle()->windowStates());
        else if (event->type() == QEvent::Expose && WindowManagerTellsStates())
            Exposed();
        else if (event->type() == QEvent::Expose && m_askBack)
            AskBackAfterThisFrame();
        else if (event->type() == QEvent::Resize && OnWayland())
            QTimer::singleShot(0, this, [this] { KeepFixedSize(); });
        if (OnWayland())
            LeaveTheSizeToTheKeeper();
        return false;
    }

private:
    bool Fixed() const { return m_window.minimumSize() == m_window.maximumSize(); }

    bool Minimisable() const { return m_window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint); }

    void Asked(Qt::WindowState)
    {
        QWindow& handle = *m_window.windowHandle();
        const Qt::WindowStates before = std::exchange(m_states, handle.windowStates());
        // Before the desktop answers a maximise, the size limits go, so the size it gives is taken.
        if (m_states & kLarger)
            Lift();
        const bool minimised = m_states & Qt::WindowMinimized;
        if (minimised && !(before & Qt::WindowMinimized)) {
            // A window manager may minimise a dialog and its owner one after the other, or the
            // dialog alone: the group leaves with it. A compositor tells no window that it came
            // back, so there one without a minimise box comes back at once, and one with it
            // leaves alone: the windows it owns stay to answer for it.
            if (WindowManagerTellsStates() || (Minimisable() && !OnWayland()))
                MinimiseGroup(handle);
            else if (!Minimisable())
                QTimer::singleShot(0, this, [this] { ComeBackUnlessWithOwner(); });
        } else if (!minimised && (before & Qt::WindowMinimized) && !WindowManagerTellsStates()) {
            QTimer::singleShot(0, this, [this] { BringBackGroup(*m_window.windowHandle()); });
        }
    }

    // Under X a window is back when the window manager maps it again: the state read between the
    // updates of its two properties can say "normal" for a moment while it is being iconified.
    void Exposed()
    {
        const QWindow& handle = *m_window.windowHandle();
        const bool cameBack = handle.isExposed() && !m_exposed;
        m_exposed = handle.isExposed();
        if (cameBack && !(handle.windowStates() & Qt::WindowMinimized))
            BringBackGroup(handle);
    }

    static bool WindowManagerTellsStates() { return QGuiApplication::platformName() == "xcb"; }

    // Asked once the window manager has also minimised its owner, if it does. Under Wayland the
    // toolkit takes the state back at once, before this when the title bar asked it from inside
    // the compositor's input, the compositor telling nothing: there the window comes back.
    void ComeBackUnlessWithOwner()
    {
        const QWindow& handle = *m_window.windowHandle();
        if (!OnWayland() && (!(handle.windowStates() & Qt::WindowMinimized) || OwnerMinimised(handle)))
            return;
        BringBack(m_window);
        m_window.raise();
        m_window.activateWindow();
    }

    // Once the desktop has it maximised, it is asked back; once normal, the size is fixed again.
    // A layout that fixes the size would put the limits back at its next change.
    void Lift()
    {
        if (m_lifted || !Fixed())
            return;
        m_lifted = true;
        m_fixed = m_window.size();
        if (QLayout* layout = m_window.layout()) {
            m_layoutConstraint = layout->sizeConstraint();
            layout->setSizeConstraint(QLayout::SetNoConstraint);
        }
        m_window.setMinimumSize(0, 0);
        m_window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }

    // A state the compositor configured by itself (its own keys) is told by this event alone,
    // the state's signal coming after it.
    void Applied(Qt::WindowStates states)
    {
        if (states & kLarger)
            Lift();
        if (!m_lifted)
            return;
        if ((states & kLarger) && OnWayland())
            m_askBack = true;
        else if (states & kLarger)
            QTimer::singleShot(0, this, [this] { AskBack(); });
        else if (!(states & Qt::WindowMinimized))
            QTimer::singleShot(0, this, [this] { FixAgain(); });
    }

    void FixAgain()
    {
        if (!m_lifted)
            return;
        m_lifted = false;
        m_window.setFixedSize(m_fixed);
        if (QLayout* layout = m_window.layout())
            layout->setSizeConstraint(m_layoutConstraint);
        if (OnWayland())
            LeaveTheSizeToTheKeeper();
    }

    void AskBack() { m_window.windowHandle()->setWindowStates(Qt::WindowNoState); }

    // A compositor acts on a state asked after the frame that shows the state it configured
    // (the one this expose paints): weston drops a request to leave a state not yet shown.
    void AskBackAfterThisFrame()
    {
        m_askBack = false;
        QTimer::singleShot(0, this, [this] { AskBack(); });
    }

    // The toolkit gives a Wayland window no size outside its native window's limits, and a
    // compositor that configures one maximised or full screen ends the program unless the next
    // frame has the size configured: it learns of the state only as it clips the size, too late
    // to lift the limits. So a fixed window's native window has none, and the keeper keeps its size.
    void LeaveTheSizeToTheKeeper()
    {
        QWindow& handle = *m_window.windowHandle();
        if (!Fixed() || (handle.minimumSize().isNull() && handle.maximumSize() == kNoLimit))
            return;
        handle.setMinimumSize(QSize(0, 0));
        handle.setMaximumSize(kNoLimit);
    }

    // A size the compositor configured without a larger state (a drag on the frame) is refused.
    void KeepFixedSize()
    {
        if (!m_lifted && Fixed() && !(m_window.windowHandle()->windowStates() & kLarger) &&
            m_window.size() != m_window.minimumSize())
            m_window.resize(m_window.minimumSize());
    }

    QWidget& m_window;
    Qt::WindowStates m_states;
    QSize m_fixed;
    QLayout::SizeConstraint m_layoutConstraint = QLayout::SetDefaultConstraint;
    bool m_lifted = false;
    bool m_exposed = false;
    bool m_askBack = false;
};

// Installed on the application: gives each top-level window its keeper at its first show.
class EveryWindowWatch : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (IsDesktopWindow(*widget) &&
            !widget->findChild<QObject*>(kKeeperName, Qt::FindDirectChildrenOnly)) {
            auto* keeper = new StateKeeper(*widget);
            OnNativeWindow(*widget, [keeper](QWindow& handle) { keeper->Watch(handle); });
        }
        return false;
    }
};

} // namespace

void KeepEveryWindowsStates(QCoreApplication& application)
{
    static EveryWindowWatch watch;
    application.installEventFilter(&watch);
}

} // namespace platform::ui::detail
