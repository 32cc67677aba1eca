#include "platform/ui/qt/OwnedWindow.h"

#include <QWidget>
#include <QWindow>

namespace platform::ui::detail {

void KeepWithOwner(QWidget& window, const QWidget* owner)
{
    if (!owner)
        return;
    window.winId();
    QWindow* ownerWindow = owner->window()->windowHandle();
    if (window.windowHandle() && ownerWindow)
        window.windowHandle()->setTransientParent(ownerWindow);
}

void KeepModalWithOwner(QWidget& window, const QWidget* owner)
{
    if (owner)
        window.setWindowModality(Qt::WindowModal);
    KeepWithOwner(window, owner);
}

} // namespace platform::ui::detail
