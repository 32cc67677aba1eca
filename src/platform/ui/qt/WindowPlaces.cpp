#include "platform/ui/qt/WindowPlaces.h"

#include "platform/ui/qt/XcbReplies.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <xcb/xcb.h>

namespace platform::ui::detail {
namespace {

// The toolkit takes a synthetic configure event's place as the window's place on the screen,
// as the X conventions have a window manager send it, and asks the server only for a real one.
class RealPlaces : public QAbstractNativeEventFilter {
public:
    explicit RealPlaces(xcb_connection_t& connection)
        : m_connection(connection), m_root(xcb_setup_roots_iterator(xcb_get_setup(&connection)).data->root),
          m_frameExtents(Atom(connection, "_NET_FRAME_EXTENTS"))
    {
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        auto* event = static_cast<xcb_generic_event_t*>(message);
        const bool synthetic = event->response_type & 0x80;
        switch (event->response_type & 0x7f) {
        case XCB_REPARENT_NOTIFY: {
            const auto* reparent = reinterpret_cast<const xcb_reparent_notify_event_t*>(event);
            if (reparent->event == reparent->window && !m_frames.contains(reparent->window))
                WatchFrame(reparent->window, reparent->parent);
            break;
        }
        case XCB_CONFIGURE_NOTIFY: {
            auto* configure = reinterpret_cast<xcb_configure_notify_event_t*>(event);
            if (configure->event != configure->window)
                break;
            if (const auto frame = m_frames.find(configure->window); frame != m_frames.end())
                Tell(frame->second);
            else if (synthetic)
                Correct(*configure);
            break;
        }
        case XCB_PROPERTY_NOTIFY: {
            const auto* property = reinterpret_cast<const xcb_property_notify_event_t*>(event);
            // Posted, so it comes once the toolkit has read the property.
            if (property->atom == m_frameExtents)
                if (QWidget* window = QWidget::find(property->window))
                    QCoreApplication::postEvent(window, new QEvent(FrameToldEvent()));
            break;
        }
        case XCB_DESTROY_NOTIFY:
            m_frames.erase(reinterpret_cast<const xcb_destroy_notify_event_t*>(event)->window);
            break;
        default:
            break;
        }
        return false;
    }

    std::optional<QMargins> FrameExtents(xcb_window_t window)
    {
        const auto reply = Own(xcb_get_property_reply(
            &m_connection, xcb_get_property(&m_connection, 0, window, m_frameExtents, XCB_ATOM_CARDINAL, 0, 4), nullptr));
        if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
            return std::nullopt;
        const auto* sides = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
        // Left, right, top, bottom.
        return QMargins(static_cast<int>(sides[0]), static_cast<int>(sides[2]), static_cast<int>(sides[1]),
                        static_cast<int>(sides[3]));
    }

private:
    std::optional<xcb_translate_coordinates_reply_t> RealPlace(xcb_window_t window)
    {
        const auto reply = Own(xcb_translate_coordinates_reply(
            &m_connection, xcb_translate_coordinates(&m_connection, window, m_root, 0, 0), nullptr));
        return reply ? std::optional(*reply) : std::nullopt;
    }

    void Correct(xcb_configure_notify_event_t& configure)
    {
        if (const auto place = RealPlace(configure.window)) {
            configure.x = place->dst_x;
            configure.y = place->dst_y;
        }
    }

    // The frame the window manager moves is the window's outermost ancestor below the root;
    // its moves are heard from now on.
    void WatchFrame(xcb_window_t window, xcb_window_t parent)
    {
        xcb_window_t frame = parent;
        while (frame != m_root) {
            const auto tree = Own(xcb_query_tree_reply(&m_connection, xcb_query_tree(&m_connection, frame), nullptr));
            if (!tree)
                return;
            if (tree->parent == m_root)
                break;
            frame = tree->parent;
        }
        if (frame == m_root)
            return;
        const uint32_t structure = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        if (Own(xcb_request_check(&m_connection, xcb_change_window_attributes_checked(&m_connection, frame,
                                                                                      XCB_CW_EVENT_MASK, &structure))))
            return;
        m_frames[frame] = window;
        Tell(window);
    }

    // Tells the toolkit the window's real place as a window manager should: a synthetic
    // configure event, sent to this program alone (the window's creator).
    void Tell(xcb_window_t window)
    {
        const auto place = RealPlace(window);
        const auto geometry =
            Own(xcb_get_geometry_reply(&m_connection, xcb_get_geometry(&m_connection, window), nullptr));
        if (!place || !geometry)
            return;
        xcb_configure_notify_event_t told{};
        told.response_type = XCB_CONFIGURE_NOTIFY;
        told.event = window;
        told.window = window;
        told.x = place->dst_x;
        told.y = place->dst_y;
        told.width = geometry->width;
        told.height = geometry->height;
        told.border_width = geometry->border_width;
        xcb_send_event(&m_connection, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&told));
        xcb_flush(&m_connection);
    }

    xcb_connection_t& m_connection;
    const xcb_window_t m_root;
    const xcb_atom_t m_frameExtents;
    // Frames of the program's windows, to the window each holds.
    std::map<xcb_window_t, xcb_window_t> m_frames;
};

// Once installed, the window manager's word on frames is read through its connection.
RealPlaces* g_places = nullptr;

} // namespace

QEvent::Type FrameToldEvent()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void FollowRealWindowPlaces(QCoreApplication& application)
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return;
    static RealPlaces places(*x11->connection());
    application.installNativeEventFilter(&places);
    g_places = &places;
}

std::optional<QMargins> ToldFrame(const QWidget& window)
{
    const QWindow* native = window.windowHandle();
    if (!native)
        return std::nullopt;
    if (!g_places)
        return native->frameMargins();
    return g_places->FrameExtents(static_cast<xcb_window_t>(native->winId()));
}

} // namespace platform::ui::detail
