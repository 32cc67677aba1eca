#include "platform/ui/qt/OwnedWindow.h"

#include "platform/ui/qt/NativeWindow.h"
#include "platform/ui/qt/WindowAccess.h"
#include "platform/ui/qt/WindowRecord.h"

#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace platform::ui::detail {

QWidget* OwnerWindowOf(const QWidget* owner)
{
    QWidget* window = owner ? owner->window() : nullptr;
    for (const WindowRecord* record = RecordOf(HandleOf(window)); record && record->kind == WindowKind::Popup;
         record = RecordOf(HandleOf(window))) {
        const QWidget* popupOwner = WidgetOf(record->owner);
        window = popupOwner ? popupOwner->window() : nullptr;
    }
    return window;
}

void KeepWithOwner(QWidget& window, const QWidget* owner)
{
    if (!owner)
        return;
    OnNativeWindow(window, [owner = QPointer<const QWidget>(owner)](QWindow& handle) {
        const QWidget* ownerWindow = owner ? OwnerWindowOf(owner) : nullptr;
        if (QWindow* ownerHandle = ownerWindow ? ownerWindow->windowHandle() : nullptr)
            handle.setTransientParent(ownerHandle);
    });
}

void KeepModalWithOwner(QWidget& window, const QWidget* owner)
{
    if (owner)
        window.setWindowModality(Qt::WindowModal);
    KeepWithOwner(window, owner);
}

} // namespace platform::ui::detail
