#include "DesktopView.h"
#include "NestedLoopBound.h"

#include "platform/ui/TestHooks.h"
#include "platform/ui/Wnd.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QApplication>
#include <QProcess>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <optional>
#include <sstream>
#include <xcb/xcb.h>

std::string XProperties(const QWindow* window, const std::string& names)
{
    QStringList arguments = window ? QStringList{"-id", QString::number(window->winId())} : QStringList{"-root"};
    QProcess xprop;
    xprop.start("xprop", arguments + QString::fromStdString(names).split(' '));
    xprop.waitForFinished();
    return xprop.readAllStandardOutput().toStdString();
}

std::vector<unsigned long> XWindowList(const std::string& printed)
{
    std::vector<unsigned long> ids;
    const auto start = printed.find('#');
    std::istringstream list(start == std::string::npos ? "" : printed.substr(start + 1));
    for (std::string id; std::getline(list, id, ',');)
        ids.push_back(std::stoul(id, nullptr, 16));
    return ids;
}

QRect XPlace(const QWindow& window)
{
    QProcess xwininfo;
    xwininfo.start("xwininfo", {"-id", QString::number(window.winId())});
    xwininfo.waitForFinished();
    const QString printed = QString::fromLocal8Bit(xwininfo.readAllStandardOutput());
    const auto value = [&](const QString& name) {
        const qsizetype at = printed.indexOf(name + ":");
        return at < 0 ? 0 : printed.mid(at + name.size() + 1).section('\n', 0, 0).trimmed().toInt();
    };
    return QRect(value("Absolute upper-left X"), value("Absolute upper-left Y"), value("Width"), value("Height"));
}

std::optional<QMargins> XFrameExtents(const QWindow& window)
{
    int left = 0, right = 0, top = 0, bottom = 0;
    if (std::sscanf(XProperties(&window, "_NET_FRAME_EXTENTS").c_str(), "_NET_FRAME_EXTENTS(CARDINAL) = %d, %d, %d, %d",
                    &left, &right, &top, &bottom) != 4)
        return std::nullopt;
    return QMargins(left, top, right, bottom);
}

std::optional<QRect> XWorkArea()
{
    int x = 0, y = 0, width = 0, height = 0;
    if (std::sscanf(XProperties(nullptr, "_NET_WORKAREA").c_str(), "_NET_WORKAREA(CARDINAL) = %d, %d, %d, %d", &x, &y,
                    &width, &height) != 4)
        return std::nullopt;
    return QRect(x, y, width, height);
}

namespace {

void SetXWorkArea(const std::string& numbers)
{
    QProcess xprop;
    xprop.start("xprop", numbers.empty() ? QStringList{"-root", "-remove", "_NET_WORKAREA"}
                                         : QStringList{"-root", "-f", "_NET_WORKAREA", "32c", "-set", "_NET_WORKAREA",
                                                       QString::fromStdString(numbers)});
    xprop.waitForFinished();
}

// The toolkit's own connection: what is asked on it comes after what the program asked.
xcb_connection_t* ProgramsConnection()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : XCB_NONE;
    std::free(reply);
    return atom;
}

// A request about a window, sent to the window manager as the conventions have it.
void SendToWindowManager(xcb_connection_t* connection, xcb_window_t window, const char* message,
                         const std::array<std::uint32_t, 5>& data)
{
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = Atom(connection, message);
    std::copy(data.begin(), data.end(), event.data.data32);
    xcb_send_event(connection, 0, xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
}

} // namespace

ChangedXWorkArea::ChangedXWorkArea(const QRect& area)
{
    const std::string printed = XProperties(nullptr, "_NET_WORKAREA");
    if (const auto values = printed.find("= "); values != std::string::npos)
        m_before = printed.substr(values + 2, printed.find('\n', values) - values - 2);
    SetXWorkArea(std::to_string(area.x()) + ", " + std::to_string(area.y()) + ", " + std::to_string(area.width()) +
                 ", " + std::to_string(area.height()));
}

ChangedXWorkArea::~ChangedXWorkArea()
{
    SetXWorkArea(m_before);
}

std::uint32_t XKeyboardFocus()
{
    xcb_connection_t* connection = ProgramsConnection();
    if (!connection)
        return 0;
    xcb_get_input_focus_reply_t* reply =
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr);
    const std::uint32_t focus = reply ? reply->focus : 0;
    std::free(reply);
    return focus;
}

bool WindowManagerCaughtUp()
{
    xcb_connection_t* connection = ProgramsConnection();
    if (!connection)
        return false;
    // A window never shown, whose frame the window manager is asked to tell.
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_window_t probe = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, probe, root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      XCB_COPY_FROM_PARENT, 0, nullptr);
    const xcb_atom_t extents = Atom(connection, "_NET_FRAME_EXTENTS");
    SendToWindowManager(connection, probe, "_NET_REQUEST_FRAME_EXTENTS", {});
    const bool answered = platform::ui::PumpEventsUntil(
        [&] {
            xcb_get_property_reply_t* reply = xcb_get_property_reply(
                connection, xcb_get_property(connection, 0, probe, extents, XCB_ATOM_CARDINAL, 0, 4), nullptr);
            const bool told = reply && xcb_get_property_value_length(reply) > 0;
            std::free(reply);
            return told;
        },
        10000);
    xcb_destroy_window(connection, probe);
    xcb_flush(connection);
    return answered;
}

void AskWindowManager(const QWindow& window, const char* message, const std::array<std::uint32_t, 5>& data)
{
    AskWindowManager(static_cast<std::uint32_t>(window.winId()), message, data);
}

void AskWindowManager(std::uint32_t window, const char* message, const std::array<std::uint32_t, 5>& data)
{
    // A connection of its own, as another program on the desktop would have.
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    SendToWindowManager(connection, window, message, data);
    // The server drops what it has not read of a connection that closed, as a busy one may not have.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    xcb_disconnect(connection);
}

namespace {

void SeeAsTheDesktop(QWidget& window, QWidget& owner, DesktopView& view)
{
    if (QGuiApplication::platformName() != "xcb") {
        view.transientForOwner = window.windowHandle()->transientParent() == owner.windowHandle();
        view.modal = window.windowModality() == Qt::WindowModal;
        view.keptAboveOwner = view.transientForOwner;
        return;
    }
    view.transientForOwner = XWindowList(XProperties(window.windowHandle(), "WM_TRANSIENT_FOR")) ==
                             std::vector<unsigned long>{owner.winId()};
    view.modal = XProperties(window.windowHandle(), "_NET_WM_STATE").find("_NET_WM_STATE_MODAL") != std::string::npos;
    owner.raise();
    owner.activateWindow();
    EXPECT_TRUE(WindowManagerCaughtUp()) << "the window manager restacks in its own time";
    const auto stacking = XWindowList(XProperties(nullptr, "_NET_CLIENT_LIST_STACKING")); // bottom first
    view.keptAboveOwner = std::find(std::find(stacking.begin(), stacking.end(), owner.winId()), stacking.end(),
                                    window.winId()) != stacking.end();
}

} // namespace

DesktopView WhileModalOver(CWnd& owner, const std::function<void()>& open,
                           const std::function<void(QWidget& modal)>& meanwhile)
{
    DesktopView view;
    // Closed by the watch once it is up; until then, by the bound.
    std::optional<NestedLoopBound> bound(std::in_place, 30000);
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        watch.stop();
        bound.reset();
        view.shown = true;
        if (meanwhile)
            meanwhile(*modal);
        view.ownerEnabled = owner.IsWindowEnabled() != FALSE;
        SeeAsTheDesktop(*modal, *platform::ui::detail::WidgetOf(owner.m_hWnd), view);
        modal->close();
    });
    watch.start(10);
    open();
    return view;
}
