#include "platform/ui/qt/OwnedStates.h"

#include "platform/ui/qt/WindowSystem.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace platform::ui::detail {

namespace {

bool Minimised(const QWindow& window)
{
    return (window.windowStates() & Qt::WindowMinimized) != 0;
}

const QWindow* Outermost(const QWindow& window)
{
    const QWindow* outermost = &window;
    while (outermost->transientParent())
        outermost = outermost->transientParent();
    return outermost;
}

bool OwnedBy(const QWindow& window, const QWindow& owner)
{
    for (const QWindow* each = window.transientParent(); each; each = each->transientParent())
        if (each == &owner)
            return true;
    return false;
}

bool GoesWithItsGroup(const QWidget& widget)
{
    return IsDesktopWindow(widget) && widget.windowHandle();
}

// A shown window of the group that the outermost window heads.
bool InGroup(const QWidget& widget, const QWindow& outermost)
{
    return GoesWithItsGroup(widget) && widget.isVisible() &&
           (widget.windowHandle() == &outermost || OwnedBy(*widget.windowHandle(), outermost));
}

} // namespace

bool OwnerMinimised(const QWindow& window)
{
    for (const QWindow* each = window.transientParent(); each; each = each->transientParent())
        if (Minimised(*each))
            return true;
    return false;
}

void MinimiseGroup(const QWindow& window)
{
    const QWindow& outermost = *Outermost(window);
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (InGroup(*widget, outermost) && !Minimised(*widget->windowHandle()))
            widget->windowHandle()->setWindowStates(widget->windowHandle()->windowStates() | Qt::WindowMinimized);
}

void BringBackGroup(const QWindow& window)
{
    const QWindow& outermost = *Outermost(window);
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (InGroup(*widget, outermost) && Minimised(*widget->windowHandle()))
            BringBack(*widget);
}

void BringBack(QWidget& window)
{
    if (OnWayland()) {
        // A compositor has no request that brings a minimised window back.
        window.hide();
        window.showNormal();
        return;
    }
    window.windowHandle()->setWindowStates(window.windowHandle()->windowStates() & ~Qt::WindowMinimized);
}

} // namespace platform::ui::detail
