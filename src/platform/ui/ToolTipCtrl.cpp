#include "platform/ui/ToolTipCtrl.h"

#include "platform/ui/qt/ChildControl.h"
#include "platform/ui/qt/ToolTipWidget.h"
#include "platform/ui/qt/WindowAccess.h"

using namespace platform::ui::detail;

RV_MESSAGE_MAP(CToolTipCtrl, CWnd)

namespace {

ToolTipWidget* Tips(const CWnd* control)
{
    return dynamic_cast<ToolTipWidget*>(WidgetOf(control->m_hWnd));
}

} // namespace

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style)
{
    return CreateChildControl(*this, ControlClass::ToolTip, style & ~WS_VISIBLE, CRect(), parent, 0);
}

BOOL CToolTipCtrl::AddTool(CWnd* window, LPCTSTR text, LPCRECT rect, UINT_PTR id)
{
    ToolTipWidget* tips = Tips(this);
    if (!tips || !window || !rect)
        return FALSE;
    tips->Add({window->m_hWnd, id, *rect, CString(text)});
    return TRUE;
}

int CToolTipCtrl::GetToolCount() const
{
    ToolTipWidget* tips = Tips(this);
    return tips ? tips->Count() : 0;
}

void CToolTipCtrl::RelayEvent(MSG* message)
{
    if (ToolTipWidget* tips = Tips(this); tips && message)
        tips->Relay(*message);
}

void CToolTipCtrl::SetDelayTime(DWORD duration, int milliseconds)
{
    if (ToolTipWidget* tips = Tips(this); tips && duration == TTDT_INITIAL)
        tips->SetInitialDelay(milliseconds);
}

BOOL CToolTipCtrl::GetCurrentTool(LPTOOLINFO info) const
{
    ToolTipWidget* tips = Tips(this);
    const ToolTipWidget::Tool* tool = tips ? tips->Current() : nullptr;
    if (!tool || !info)
        return FALSE;
    info->hwnd = tool->window;
    info->uId = tool->id;
    info->rect = tool->rect;
    info->lpszText = tool->text.GetString();
    return TRUE;
}

void CToolTipCtrl::UpdateTipText(LPCTSTR text, CWnd* window, UINT_PTR id)
{
    if (ToolTipWidget* tips = Tips(this); tips && window)
        tips->SetText(window->m_hWnd, id, CString(text));
}

void CToolTipCtrl::Activate(BOOL activate)
{
    if (ToolTipWidget* tips = Tips(this))
        tips->SetActive(activate != FALSE);
}

BOOL CToolTipCtrl::IsActive() const
{
    ToolTipWidget* tips = Tips(this);
    return tips && tips->Active();
}

int CToolTipCtrl::SetMaxTipWidth(int width)
{
    ToolTipWidget* tips = Tips(this);
    return tips ? tips->SetMaxWidth(width) : -1;
}
