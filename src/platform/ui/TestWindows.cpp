#include "platform/ui/TestWindows.h"

#include "platform/ui/qt/EventBridge.h"
#include "platform/ui/qt/ScrolledDialog.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>

using namespace platform::ui::detail;

namespace {

int g_failures = 0;
// Between a press and its release a move is a drag: the button is held.
bool g_leftHeld = false;

int QtKeyOf(UINT virtualKey)
{
    if (virtualKey >= 'A' && virtualKey <= 'Z')
        return Qt::Key_A + static_cast<int>(virtualKey - 'A');
    if (virtualKey >= '0' && virtualKey <= '9')
        return Qt::Key_0 + static_cast<int>(virtualKey - '0');
    for (int key : {Qt::Key_Backspace, Qt::Key_Tab, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_PageUp,
                    Qt::Key_PageDown, Qt::Key_End, Qt::Key_Home, Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down,
                    Qt::Key_Delete}) {
        if (VirtualKeyOf(key) == virtualKey)
            return key;
    }
    return 0;
}

} // namespace

namespace platform::ui {

void SimulateMouse(CWnd& window, UINT message, POINT client)
{
    // The client area: a dialog's page where it has one (below the program's title bar).
    QWidget* widget = ClientWidget(WidgetOf(window.m_hWnd));
    if (!widget)
        return;
    // Windows just shown become active and take the focus once the window system says so.
    QCoreApplication::processEvents();
    const QPoint global = widget->mapToGlobal(QPoint(client.x, client.y));
    // A window holding the capture gets the mouse wherever it is.
    QWidget* target = QWidget::mouseGrabber() ? QWidget::mouseGrabber() : widget;
    QEvent::Type type = QEvent::MouseMove;
    Qt::MouseButton button = Qt::NoButton;
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
        type = message == WM_LBUTTONDOWN ? QEvent::MouseButtonPress : QEvent::MouseButtonDblClick;
        button = Qt::LeftButton;
        g_leftHeld = true;
    } else if (message == WM_LBUTTONUP) {
        type = QEvent::MouseButtonRelease;
        button = Qt::LeftButton;
        g_leftHeld = false;
    } else if (message == WM_RBUTTONDOWN || message == WM_RBUTTONUP) {
        type = message == WM_RBUTTONDOWN ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease;
        button = Qt::RightButton;
    }
    const Qt::MouseButtons held = (g_leftHeld ? Qt::LeftButton : Qt::NoButton) |
                                  (message == WM_RBUTTONDOWN ? Qt::RightButton : Qt::NoButton);
    QMouseEvent event(type, QPointF(target->mapFromGlobal(global)), QPointF(global), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

void SimulateKey(CWnd& window, UINT virtualKey)
{
    QWidget* widget = WidgetOf(window.m_hWnd);
    if (!widget)
        return;
    QCoreApplication::processEvents();
    if (virtualKey == VK_APPS) {
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(), widget->mapToGlobal(QPoint()));
        QCoreApplication::sendEvent(widget, &menu);
        return;
    }
    const int key = QtKeyOf(virtualKey);
    const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : QString();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &press);
}

WindowCreationFailure::WindowCreationFailure()
{
    ++g_failures;
}

WindowCreationFailure::~WindowCreationFailure()
{
    --g_failures;
}

bool WindowCreationFails()
{
    return g_failures > 0;
}

} // namespace platform::ui
