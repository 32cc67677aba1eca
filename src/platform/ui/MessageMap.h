#pragma once
// Per-class message maps: each window class lists the messages, commands and notifications
// it handles; a message is looked up in the class's own map first, then in its base's.

#include "platform/ui/WinMessages.h"

#include <functional>
#include <vector>

class CWnd;
class CDC;

// Which part of a message an entry matches.
enum class MapKind {
    Message,            // a window message, any parameters
    Command,            // WM_COMMAND with a notification code from one control id (or a range)
    Notify,             // WM_NOTIFY with a code from one control id
    ReflectedCommand,   // the control's own WM_COMMAND notification, handed back by the parent
    ReflectedNotify,    // the control's own WM_NOTIFY, handed back by the parent
};

struct MessageMapEntry {
    MapKind kind = MapKind::Message;
    UINT message = 0;   // the message, or the notification code for the other kinds
    UINT idFirst = 0;
    UINT idLast = 0;
    // Runs the handler; false means "not handled after all" (reflection handlers that decline).
    std::function<bool(CWnd& self, WPARAM wParam, LPARAM lParam, LRESULT& result)> call;
};

struct MessageMap {
    const MessageMap* (*base)();
    std::vector<MessageMapEntry> entries;
};

// Entry builders. T is the class that owns the handler.
namespace msgmap {

template <typename T>
MessageMapEntry Message(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM))
{
    return {MapKind::Message, message, 0, 0, [handler](CWnd& self, WPARAM w, LPARAM l, LRESULT& r) {
                r = (static_cast<T&>(self).*handler)(w, l);
                return true;
            }};
}

// A message whose handler takes no arguments and whose result is 0 (WM_PAINT, WM_DESTROY, WM_CLOSE...).
template <typename T>
MessageMapEntry Simple(UINT message, void (T::*handler)())
{
    return {MapKind::Message, message, 0, 0, [handler](CWnd& self, WPARAM, LPARAM, LRESULT& r) {
                (static_cast<T&>(self).*handler)();
                r = 0;
                return true;
            }};
}

template <typename T>
MessageMapEntry Command(UINT id, void (T::*handler)(), UINT code = BN_CLICKED)
{
    return {MapKind::Command, code, id, id, [handler](CWnd& self, WPARAM, LPARAM, LRESULT& r) {
                (static_cast<T&>(self).*handler)();
                r = 0;
                return true;
            }};
}

template <typename T>
MessageMapEntry CommandRange(UINT first, UINT last, void (T::*handler)(UINT id), UINT code = BN_CLICKED)
{
    return {MapKind::Command, code, first, last, [handler](CWnd& self, WPARAM w, LPARAM, LRESULT& r) {
                (static_cast<T&>(self).*handler)(LOWORD(w));
                r = 0;
                return true;
            }};
}

template <typename T>
MessageMapEntry Notify(UINT code, UINT id, void (T::*handler)(NMHDR*, LRESULT*))
{
    return {MapKind::Notify, code, id, id, [handler](CWnd& self, WPARAM, LPARAM l, LRESULT& r) {
                r = 0;
                (static_cast<T&>(self).*handler)(reinterpret_cast<NMHDR*>(l), &r);
                return true;
            }};
}

// One notification from any control of an id range (ON_NOTIFY_RANGE); the handler gets the id.
template <typename T>
MessageMapEntry NotifyRange(UINT code, UINT first, UINT last, void (T::*handler)(UINT id, NMHDR*, LRESULT*))
{
    return {MapKind::Notify, code, first, last, [handler](CWnd& self, WPARAM, LPARAM l, LRESULT& r) {
                r = 0;
                auto* header = reinterpret_cast<NMHDR*>(l);
                (static_cast<T&>(self).*handler)(static_cast<UINT>(header->idFrom), header, &r);
                return true;
            }};
}

template <typename T>
MessageMapEntry NotifyReflect(UINT code, void (T::*handler)(NMHDR*, LRESULT*))
{
    return {MapKind::ReflectedNotify, code, 0, 0, [handler](CWnd& self, WPARAM, LPARAM l, LRESULT& r) {
                r = 0;
                (static_cast<T&>(self).*handler)(reinterpret_cast<NMHDR*>(l), &r);
                return true;
            }};
}

// A reflected notification (ON_NOTIFY_REFLECT_EX); the handler returns TRUE to keep it from the
// parent.
template <typename T>
MessageMapEntry NotifyReflectEx(UINT code, BOOL (T::*handler)(NMHDR*, LRESULT*))
{
    return {MapKind::ReflectedNotify, code, 0, 0, [handler](CWnd& self, WPARAM, LPARAM l, LRESULT& r) {
                r = 0;
                return (static_cast<T&>(self).*handler)(reinterpret_cast<NMHDR*>(l), &r) != FALSE;
            }};
}

// A reflected command notification; the handler returns TRUE to keep it from the parent.
template <typename T>
MessageMapEntry ControlReflectEx(UINT code, BOOL (T::*handler)())
{
    return {MapKind::ReflectedCommand, code, 0, 0, [handler](CWnd& self, WPARAM, LPARAM, LRESULT& r) {
                r = 0;
                return (static_cast<T&>(self).*handler)() != FALSE;
            }};
}

template <typename T>
MessageMapEntry ControlReflect(UINT code, void (T::*handler)())
{
    return {MapKind::ReflectedCommand, code, 0, 0, [handler](CWnd& self, WPARAM, LPARAM, LRESULT& r) {
                r = 0;
                (static_cast<T&>(self).*handler)();
                return true;
            }};
}

} // namespace msgmap

// Declares the map of a window class; define it with RV_MESSAGE_MAP in the class's .cpp.
#define RV_DECLARE_MESSAGE_MAP()                                                                    \
public:                                                                                             \
    static const MessageMap* GetThisMessageMap();                                                   \
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

#define RV_MESSAGE_MAP(Class, Base, ...)                                                            \
    const MessageMap* Class::GetThisMessageMap()                                                    \
    {                                                                                               \
        using T [[maybe_unused]] = Class;                                                           \
        static const MessageMap map{&Base::GetThisMessageMap, {__VA_ARGS__}};                       \
        return &map;                                                                                \
    }
