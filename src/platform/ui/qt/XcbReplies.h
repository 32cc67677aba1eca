#pragma once
// Replies of the X server, which the caller frees, held so that they are freed on every path.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace platform::ui::detail {

template <typename Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
Owned<Reply> Own(Reply* reply)
{
    return Owned<Reply>(reply, &std::free);
}

inline xcb_atom_t Atom(xcb_connection_t& connection, const char* name)
{
    const auto reply = Own(xcb_intern_atom_reply(
        &connection, xcb_intern_atom(&connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

} // namespace platform::ui::detail
