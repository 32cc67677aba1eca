#include "platform/ui/qt/ModalOwner.h"

#include "platform/ui/Wnd.h"
#include "platform/ui/qt/OwnedWindow.h"
#include "platform/ui/qt/WindowAccess.h"
#include "platform/ui/qt/WindowRecord.h"

#include <QWidget>
#include <algorithm>

namespace platform::ui::detail {

namespace {

// As on Windows, a child window given as the owner (a link label telling its failure) stands for
// its top-level window, which is the one that must refuse input; a popup (the colour popup
// running its colour dialog) for the window it belongs to.
CWnd* TopLevelOwner(CWnd* owner)
{
    const QWidget* widget = owner ? OwnerWindowOf(WidgetOf(owner->m_hWnd)) : nullptr;
    return widget ? CWnd::FromHandle(HandleOf(widget)) : nullptr;
}

} // namespace

ModalOwnerScope::ModalOwnerScope(CWnd* given, QWidget* dialog) : m_dialog(dialog)
{
    CWnd* owner = TopLevelOwner(given);
    WindowRecord* record = owner ? RecordOf(owner->m_hWnd) : nullptr;
    if (!record)
        return;
    m_owner = owner->m_hWnd;
    m_disabledOwner = owner->IsWindowEnabled() != FALSE;
    if (m_disabledOwner)
        owner->EnableWindow(FALSE);
    record->modalDialogs.emplace_back(dialog);
}

ModalOwnerScope::~ModalOwnerScope()
{
    WindowRecord* record = RecordOf(m_owner);
    if (!record)
        return;
    auto& running = record->modalDialogs;
    running.erase(std::remove_if(running.begin(), running.end(),
                                 [this](const QPointer<QWidget>& each) { return each.isNull() || each == m_dialog; }),
                  running.end());
    record->enableAfterModals = record->enableAfterModals || m_disabledOwner;
    if (running.empty() && record->enableAfterModals) {
        record->enableAfterModals = false;
        record->Object()->EnableWindow(TRUE);
    }
}

CWnd* ModalOwnerFor(CWnd* parent)
{
    if (parent)
        return parent;
    if (CWnd* active = CWnd::GetActiveWindow())
        return active;
    return AfxGetMainWnd();
}

QWidget* RunningModalDialog(HWND window)
{
    const WindowRecord* record = RecordOf(window);
    if (!record)
        return nullptr;
    for (auto each = record->modalDialogs.rbegin(); each != record->modalDialogs.rend(); ++each)
        if (!each->isNull())
            return each->data();
    return nullptr;
}

} // namespace platform::ui::detail
