#include "platform/ui/qt/ModalOwner.h"

#include "platform/ui/qt/WindowAccess.h"
#include "platform/ui/qt/WindowRecord.h"

#include <algorithm>

namespace platform::ui::detail {

ModalOwnerScope::ModalOwnerScope(CWnd* owner, QWidget* dialog) : m_dialog(dialog)
{
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
