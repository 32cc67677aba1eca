#include "platform/ui/qt/ChildControl.h"

#include "platform/ui/qt/ControlFactory.h"
#include "platform/ui/qt/ScrolledDialog.h"
#include "platform/ui/qt/WindowAccess.h"
#include "platform/ui/qt/WindowRecord.h"

namespace platform::ui::detail {

BOOL CreateChildControl(CWnd& object, ControlClass cls, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    QWidget* parentWidget = parent ? ClientWidget(WidgetOf(parent->m_hWnd)) : nullptr;
    CREATESTRUCT cs{parent ? parent->m_hWnd : nullptr, rect.bottom - rect.top, rect.right - rect.left, rect.top,
                    rect.left, style, 0};
    if (!parentWidget || object.m_hWnd || !object.PreCreateWindow(cs))
        return FALSE;
    ControlTemplate control;
    control.cls = cls;
    control.id = static_cast<int>(id);
    control.style = cs.style;
    control.exStyle = cs.dwExStyle;
    control.visible = (cs.style & WS_VISIBLE) != 0;
    const QRect pixels(cs.x, cs.y, cs.cx, cs.cy);
    const HWND window = HandleOf(CreateControlAt(control, parentWidget, pixels));
    object.SubclassWindow(window);
    if (Deliver(window, WM_CREATE, 0, 0) == -1) {
        Destroy(window);
        return FALSE;
    }
    return TRUE;
}

} // namespace platform::ui::detail
