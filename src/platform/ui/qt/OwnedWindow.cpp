#include "platform/ui/qt/OwnedWindow.h"

#include "platform/ui/qt/NativeWindow.h"

#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace platform::ui::detail {

void KeepWithOwner(QWidget& window, const QWidget* owner)
{
    if (!owner)
        return;
    OnNativeWindow(window, [owner = QPointer<const QWidget>(owner)](QWindow& handle) {
        if (QWindow* ownerWindow = owner ? owner->window()->windowHandle() : nullptr)
            handle.setTransientParent(ownerWindow);
    });
}

void KeepModalWithOwner(QWidget& window, const QWidget* owner)
{
    if (owner)
        window.setWindowModality(Qt::WindowModal);
    KeepWithOwner(window, owner);
}

} // namespace platform::ui::detail
