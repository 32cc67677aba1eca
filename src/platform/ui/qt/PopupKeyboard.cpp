#include "platform/ui/qt/PopupKeyboard.h"

#include "platform/ui/qt/XcbReplies.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace platform::ui::detail {
namespace {

// The X server's focus, which a grab does not move, unlike the toolkit's.
xcb_window_t KeyboardFocus(xcb_connection_t& connection)
{
    const auto reply = Own(xcb_get_input_focus_reply(&connection, xcb_get_input_focus(&connection), nullptr));
    return reply ? reply->focus : xcb_window_t{XCB_NONE};
}

// The first window a window property of the root names (xfwm4 lists more after the active one).
xcb_window_t NamedWindow(xcb_connection_t& connection, xcb_window_t root, xcb_atom_t property)
{
    const auto reply = Own(xcb_get_property_reply(
        &connection, xcb_get_property(&connection, 0, root, property, XCB_ATOM_WINDOW, 0, 1), nullptr));
    if (!reply || xcb_get_property_value_length(reply.get()) < static_cast<int>(sizeof(xcb_window_t)))
        return XCB_NONE;
    return *static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
}

class GrabWatch : public QAbstractNativeEventFilter {
public:
    explicit GrabWatch(xcb_connection_t& connection)
        : m_connection(connection), m_root(xcb_setup_roots_iterator(xcb_get_setup(&connection)).data->root),
          m_activeWindow(Atom(connection, "_NET_ACTIVE_WINDOW"))
    {
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_FOCUS_IN)
            return false;
        const auto* focusIn = reinterpret_cast<const xcb_focus_in_event_t*>(event);
        const QPointer<QWidget> popup = focusIn->mode == XCB_NOTIFY_MODE_GRAB ? PopupOf(focusIn->event) : nullptr;
        // Once the toolkit has taken the event: it closes nothing in the middle of its own handling.
        if (popup)
            QMetaObject::invokeMethod(
                qApp,
                [this, popup] {
                    if (popup && popup->isVisible() && AnotherProgramIsActive())
                        popup->close();
                },
                Qt::QueuedConnection);
        return false;
    }

private:
    static QWidget* PopupOf(xcb_window_t window)
    {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->windowType() == Qt::Popup && top->internalWinId() == window)
                return top;
        return nullptr;
    }

    // The window the window manager names active is another program's and has the keys. While
    // no window is active a window manager may hold the keys in a window of its own: that is no
    // other program.
    bool AnotherProgramIsActive() const
    {
        const xcb_window_t active = NamedWindow(m_connection, m_root, m_activeWindow);
        // The program's windows all have ids of its own connection's range.
        const xcb_setup_t* setup = xcb_get_setup(&m_connection);
        return active != XCB_NONE && (active & ~setup->resource_id_mask) != setup->resource_id_base &&
               KeyboardFocus(m_connection) == active;
    }

    xcb_connection_t& m_connection;
    const xcb_window_t m_root;
    const xcb_atom_t m_activeWindow;
};

} // namespace

void EndPopupsOpenedAwayFromTheKeyboard(QCoreApplication& application)
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return;
    static GrabWatch watch(*x11->connection());
    application.installNativeEventFilter(&watch);
}

} // namespace platform::ui::detail
