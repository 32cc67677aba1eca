// Popup windows the program makes itself with CWnd::CreateEx, and the window classes they
// come from.
#include "platform/ui/TestWindows.h"
#include "platform/ui/WndClass.h"
#include "platform/ui/qt/EventBridge.h"
#include "platform/ui/qt/GdiAccess.h"
#include "platform/ui/qt/GdiRecord.h"
#include "platform/ui/qt/GuardedApplication.h"
#include "platform/ui/qt/OwnedWindow.h"
#include "platform/ui/qt/WindowAccess.h"
#include "platform/ui/qt/WindowRecord.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <map>
#include <optional>
#include <string>
#include <vector>

using namespace platform::ui::detail;
using platform::ui::Guarded;

namespace {

struct WindowClass {
    std::optional<COLORREF> background;
};

std::map<std::string, WindowClass>& Classes()
{
    static std::map<std::string, WindowClass> classes;
    return classes;
}

// The toolkit's popup, tied to its owner's window: desktops that place windows themselves (any
// Wayland session) put it where it was asked relative to its owner, and it has the mouse and the
// keys while it is open, as a popup holding the capture does. Its own handling decides when it
// ends, from the messages the layer sends it; the toolkit only hides it when a dialog opens over
// it or the desktop dismisses it.
class PopupWidget : public QWidget {
public:
    explicit PopupWidget(std::optional<COLORREF> background)
    {
        setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
        // Moves without a button held reach the window too, as WM_MOUSEMOVE does.
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
        if (background) {
            // Qt fills the background before the paint that WM_PAINT may take over.
            QPalette palette = this->palette();
            palette.setColor(QPalette::Window, ColourOf(*background));
            setPalette(palette);
            setAutoFillBackground(true);
        } else {
            setAttribute(Qt::WA_NoSystemBackground);
        }
    }

protected:
    // A press outside does not close it: the release there is the popup's to judge.
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void paintEvent(QPaintEvent*) override
    {
        WindowRecord* record = RecordOf(HandleOf(this));
        if (record && !record->overlay.isNull()) {
            QPainter painter(this);
            painter.drawImage(0, 0, record->overlay);
        }
    }
};

// WM_ACTIVATEAPP goes to every top-level window when the application as a whole becomes
// active or inactive. The toolkit tells of it halfway through handing the activation to another
// program's window, still holding the window that had it; a popup that had it destroys itself on
// the message, so the message waits until the toolkit is done.
void BridgeApplicationState()
{
    static bool bridged = false;
    if (bridged)
        return;
    bridged = true;
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, Guarded([](Qt::ApplicationState state) {
        static bool wasActive = true;
        const bool active = state == Qt::ApplicationActive;
        if (active == wasActive)
            return;
        wasActive = active;
        QMetaObject::invokeMethod(
            qApp,
            [active] {
                std::vector<HWND> windows;
                for (QWidget* top : QApplication::topLevelWidgets())
                    if (HWND window = HandleOf(top))
                        windows.push_back(window);
                for (HWND window : windows)
                    Deliver(window, WM_ACTIVATEAPP, active ? TRUE : FALSE, 0);
            },
            Qt::QueuedConnection);
    }));
}

QWidget* TopLevelOf(HWND window)
{
    QWidget* widget = WidgetOf(window);
    return widget ? widget->window() : nullptr;
}

} // namespace

LPCTSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon)
{
    const std::optional<COLORREF> colour = BrushColour(background);
    std::string name = "Rv:" + std::to_string(classStyle) + ":" +
                       std::to_string(reinterpret_cast<std::uintptr_t>(cursor)) + ":" +
                       std::to_string(reinterpret_cast<std::uintptr_t>(icon)) + ":" +
                       (colour ? std::to_string(*colour) : std::string("none"));
    const auto entry = Classes().emplace(std::move(name), WindowClass{colour}).first;
    return entry->first.c_str();
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, UINT_PTR idOrMenu, void*)
{
    CREATESTRUCT cs{parent, height, width, y, x, style, exStyle};
    const auto found = Classes().find(className ? className : "");
    if (found == Classes().end() || m_hWnd || !PreCreateWindow(cs) || !(cs.style & WS_POPUP) ||
        platform::ui::WindowCreationFails())
        return FALSE;
    auto* widget = new PopupWidget(found->second.background);
    widget->setWindowTitle(QString::fromUtf8(windowName ? windowName : ""));
    widget->setGeometry(cs.x, cs.y, cs.cx, cs.cy);
    const HWND window = Register(widget, WindowKind::Popup, static_cast<UINT>(idOrMenu), cs.style, cs.dwExStyle);
    widget->installEventFilter(&EventBridge::Instance());
    // As on Windows, a popup made with a child window as parent belongs to that child's
    // top-level window.
    QWidget* owner = TopLevelOf(parent);
    RecordOf(window)->owner = HandleOf(owner);
    KeepWithOwner(*widget, owner);
    SubclassWindow(window);
    if (Deliver(window, WM_CREATE, 0, 0) == -1) {
        Destroy(window);
        return FALSE;
    }
    BridgeApplicationState();
    if (cs.style & WS_VISIBLE) {
        // A visible popup is activated and takes the keyboard focus.
        ShowWindow(SW_SHOW);
        widget->activateWindow();
        widget->setFocus(Qt::ActiveWindowFocusReason);
    }
    return TRUE;
}
