#include "XProperties.h"

#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <xcb/xcb.h>

std::string XProperties(const QWindow* window, const std::string& names)
{
    const std::string target = window ? "-id " + std::to_string(window->winId()) : "-root";
    FILE* pipe = popen(("xprop " + target + " " + names + " 2>/dev/null").c_str(), "r");
    if (!pipe)
        return {};
    std::string printed;
    char line[512];
    while (std::fgets(line, sizeof line, pipe))
        printed += line;
    pclose(pipe);
    return printed;
}

std::vector<unsigned long> XWindowList(const std::string& printed)
{
    std::vector<unsigned long> ids;
    const auto start = printed.find('#');
    if (start == std::string::npos)
        return ids;
    std::istringstream list(printed.substr(start + 1));
    std::string id;
    while (std::getline(list, id, ','))
        ids.push_back(std::stoul(id, nullptr, 16));
    return ids;
}

void AskWindowManager(const QWindow& window, const char* type, const std::vector<unsigned>& data)
{
    // A connection of its own, as another program on the desktop would have.
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(type)), type), nullptr);
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window.winId());
    message.type = atom->atom;
    for (std::size_t i = 0; i < data.size() && i < 5; ++i)
        message.data.data32[i] = data[i];
    std::free(atom);
    xcb_send_event(connection, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    xcb_disconnect(connection);
}
