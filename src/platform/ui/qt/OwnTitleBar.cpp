#include "platform/ui/qt/OwnTitleBar.h"

#include "platform/ui/qt/NativeWindow.h"
#include "platform/ui/qt/ScrolledDialog.h"
#include "platform/ui/qt/WindowSystem.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace platform::ui::detail {

namespace {

constexpr char kBarName[] = "rvOwnTitleBar";
// How near a resizable window's edge a press sizes it.
constexpr int kEdge = 5;

bool Resizable(const QWidget& window)
{
    return window.minimumSize() != window.maximumSize();
}

// The edges of the window a press at `at` (in its coordinates) sizes.
Qt::Edges EdgesAt(const QWidget& window, QPoint at)
{
    Qt::Edges edges;
    if (at.x() < kEdge)
        edges |= Qt::LeftEdge;
    if (at.x() >= window.width() - kEdge)
        edges |= Qt::RightEdge;
    if (at.y() < kEdge)
        edges |= Qt::TopEdge;
    if (at.y() >= window.height() - kEdge)
        edges |= Qt::BottomEdge;
    return edges;
}

// The bar across the top of its window, drawn by the style as it draws a title bar inside a
// window; it follows the window's size, title and activation.
class TitleBar : public QWidget {
public:
    explicit TitleBar(QWidget& window) : QWidget(&window), m_window(window)
    {
        setObjectName(kBarName);
        setGeometry(0, 0, window.width(), OwnTitleBarHeight(window));
        window.installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Resize:
            setGeometry(0, 0, m_window.width(), height());
            break;
        case QEvent::WindowTitleChange:
        case QEvent::ActivationChange:
        case QEvent::WindowStateChange:
            update();
            break;
        case QEvent::MouseButtonPress:
            return SizeFromEdge(static_cast<QMouseEvent&>(*event));
        default:
            break;
        }
        return false;
    }

    // Alt+F4, which no compositor turns into a close as window managers do: what the close box does.
    bool CloseOnAltF4(const QKeyEvent& key)
    {
        if (key.key() != Qt::Key_F4 || key.modifiers() != Qt::AltModifier || !Closable())
            return false;
        Act(QStyle::SC_TitleBarCloseButton);
        return true;
    }

    TitleBarBoxes Boxes()
    {
        TitleBarBoxes boxes;
        boxes.bar = this;
        const QStyleOptionTitleBar option = Option();
        const auto place = [&](QStyle::SubControl control) {
            const QRect box = style()->subControlRect(QStyle::CC_TitleBar, &option, control, this);
            return ControlAt(box.center()) == control ? box : QRect();
        };
        boxes.close = place(QStyle::SC_TitleBarCloseButton);
        boxes.minimise = place(QStyle::SC_TitleBarMinButton);
        boxes.maximise = place(m_window.isMaximized() ? QStyle::SC_TitleBarNormalButton : QStyle::SC_TitleBarMaxButton);
        return boxes;
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QStyleOptionTitleBar option = Option();
        style()->drawComplexControl(QStyle::CC_TitleBar, &option, &painter, this);
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        m_pressed = ControlAt(event->position().toPoint());
        if (m_pressed == QStyle::SC_TitleBarLabel) {
            m_pressed = QStyle::SC_None;
            if (QWindow* handle = m_window.windowHandle())
                handle->startSystemMove();
        }
        update();
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        const QStyle::SubControl pressed = std::exchange(m_pressed, QStyle::SC_None);
        update();
        if (event->button() == Qt::LeftButton && pressed != QStyle::SC_None &&
            ControlAt(event->position().toPoint()) == pressed)
            Act(pressed);
    }

    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && ControlAt(event->position().toPoint()) == QStyle::SC_TitleBarLabel &&
            Maximisable())
            Act(m_window.isMaximized() ? QStyle::SC_TitleBarNormalButton : QStyle::SC_TitleBarMaxButton);
    }

private:
    bool Closable() const
    {
        const Qt::WindowFlags flags = m_window.windowFlags();
        return !flags.testFlag(Qt::CustomizeWindowHint) || flags.testFlag(Qt::WindowCloseButtonHint);
    }

    bool Minimisable() const { return m_window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint); }

    bool Maximisable() const
    {
        const Qt::WindowFlags flags = m_window.windowFlags();
        return Resizable(m_window) &&
               (!flags.testFlag(Qt::CustomizeWindowHint) || flags.testFlag(Qt::WindowMaximizeButtonHint));
    }

    // The style draws and finds only the boxes the flags name; the close box goes with the
    // system menu's flag, whose icon is left out.
    QStyleOptionTitleBar Option() const
    {
        QStyleOptionTitleBar option;
        option.initFrom(this);
        option.rect = rect();
        option.text = m_window.windowTitle();
        option.titleBarFlags = Qt::WindowTitleHint;
        if (Closable())
            option.titleBarFlags |= Qt::WindowSystemMenuHint;
        if (Minimisable())
            option.titleBarFlags |= Qt::WindowMinimizeButtonHint;
        if (Maximisable())
            option.titleBarFlags |= Qt::WindowMaximizeButtonHint;
        option.titleBarState = static_cast<int>(m_window.windowState().toInt());
        if (m_window.isActiveWindow()) {
            option.titleBarState |= Qt::WindowActive;
            option.state |= QStyle::State_Active;
        } else {
            option.state &= ~QStyle::State_Active;
        }
        option.subControls = QStyle::SC_TitleBarLabel | QStyle::SC_TitleBarCloseButton | QStyle::SC_TitleBarMinButton |
                             QStyle::SC_TitleBarMaxButton | QStyle::SC_TitleBarNormalButton;
        option.activeSubControls = m_pressed;
        if (m_pressed != QStyle::SC_None)
            option.state |= QStyle::State_Sunken;
        return option;
    }

    QStyle::SubControl ControlAt(QPoint at) const
    {
        const QStyleOptionTitleBar option = Option();
        return style()->hitTestComplexControl(QStyle::CC_TitleBar, &option, at, this);
    }

    void Act(QStyle::SubControl control)
    {
        switch (control) {
        case QStyle::SC_TitleBarCloseButton:
            m_window.close();
            break;
        case QStyle::SC_TitleBarMinButton:
            m_window.showMinimized();
            break;
        case QStyle::SC_TitleBarMaxButton:
            m_window.showMaximized();
            break;
        case QStyle::SC_TitleBarNormalButton:
            m_window.showNormal();
            break;
        default:
            break;
        }
    }

    // A press on the window's own edge (its layout leaves a margin there) sizes it, as does the
    // size grip of the toolkit's dialogs.
    bool SizeFromEdge(const QMouseEvent& event)
    {
        const Qt::Edges edges = EdgesAt(m_window, event.position().toPoint());
        if (event.button() != Qt::LeftButton || !edges || !Resizable(m_window) || m_window.isMaximized())
            return false;
        if (QWindow* handle = m_window.windowHandle())
            handle->startSystemResize(edges);
        return true;
    }

    QWidget& m_window;
    QStyle::SubControl m_pressed = QStyle::SC_None;
};

// Room below the bar: a templated dialog's controls stand on a page placed there when it was
// built; a window with a layout has its contents moved down.
bool MakeRoom(QWidget& window)
{
    if (ClientWidget(&window) != &window)
        return true;
    if (!window.layout())
        return false;
    const int bar = OwnTitleBarHeight(window);
    const QMargins margins = window.contentsMargins();
    window.setContentsMargins(margins.left(), margins.top() + bar, margins.right(), margins.bottom());
    return true;
}

bool Titled(const QWidget& widget)
{
    return IsDesktopWindow(widget) && !widget.windowFlags().testFlag(Qt::FramelessWindowHint);
}

class EveryTitledWindow : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!watched->isWidgetType())
            return false;
        if (event->type() == QEvent::KeyPress) {
            auto* bar = static_cast<QWidget*>(watched)->window()->findChild<TitleBar*>(kBarName, Qt::FindDirectChildrenOnly);
            return bar && bar->CloseOnAltF4(static_cast<QKeyEvent&>(*event));
        }
        if (event->type() != QEvent::Show)
            return false;
        auto* window = static_cast<QWidget*>(watched);
        if (!Titled(*window) || window->findChild<QWidget*>(kBarName, Qt::FindDirectChildrenOnly) || !MakeRoom(*window))
            return false;
        (new TitleBar(*window))->show();
        // The toolkit's own title bar goes before the window is first on the screen.
        OnNativeWindow(*window, [](QWindow& handle) { handle.setFlags(handle.flags() | Qt::FramelessWindowHint); });
        return false;
    }
};

} // namespace

int OwnTitleBarHeight(const QWidget& window)
{
    return OnWayland() ? window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window) : 0;
}

TitleBarBoxes OwnTitleBarBoxes(QWidget& window)
{
    auto* bar = window.findChild<TitleBar*>(kBarName, Qt::FindDirectChildrenOnly);
    return bar ? bar->Boxes() : TitleBarBoxes();
}

void GiveOwnTitleBars(QApplication& application)
{
    if (!OnWayland())
        return;
    static EveryTitledWindow watch;
    application.installEventFilter(&watch);
}

} // namespace platform::ui::detail
