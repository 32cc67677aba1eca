#pragma once
// Private to the window layer: controls the program makes with their class's Create.

#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Wnd.h"

namespace platform::ui::detail {

// Makes a control of that class as a child of `parent` at a place in pixels and attaches
// `object` to it; FALSE when there is no parent window or the object has a window already.
BOOL CreateChildControl(CWnd& object, ControlClass cls, DWORD style, const RECT& rect, CWnd* parent, UINT id);

} // namespace platform::ui::detail
