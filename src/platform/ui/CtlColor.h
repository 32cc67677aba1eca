#pragma once
// WM_CTLCOLOR reflected to the control (ON_WM_CTLCOLOR_REFLECT): before an edit or a static
// paints, its parent is asked for its colours (WM_CTLCOLOREDIT, WM_CTLCOLORSTATIC) and by
// default hands the question to the control. The handler sets the DC's text and background
// colours and returns the brush of the background; the null brush leaves the background
// showing through; a null handle declines, so the parent's own colours stand.

#include "platform/ui/DC.h"
#include "platform/ui/MessageMap.h"

namespace msgmap {

template <typename T>
MessageMapEntry CtlColorReflect(HBRUSH (T::*handler)(CDC*, UINT))
{
    return {MapKind::Message, WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0, [handler](CWnd& self, WPARAM w, LPARAM l, LRESULT& r) {
                HBRUSH brush = (static_cast<T&>(self).*handler)(CDC::FromHandle(reinterpret_cast<HDC>(w)),
                                                                static_cast<UINT>(l));
                r = reinterpret_cast<LRESULT>(brush);
                return brush != nullptr;
            }};
}

} // namespace msgmap
