#include "platform/ui/qt/ScrolledDialog.h"

#include "platform/ui/Monitors.h"
#include "platform/ui/qt/ControlFactory.h"
#include "platform/ui/qt/EventBridge.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

namespace platform::ui::detail {
namespace {

constexpr const char* kPageProperty = "rvClientPage";

// The window manager's frame is not known before the window shows: the style's title bar and
// borders stand in for it.
QSize FrameAllowance(const QWidget* dialog)
{
    const QStyle* style = dialog->style();
    const int border = style->pixelMetric(QStyle::PM_DefaultFrameWidth);
    return QSize(2 * border, style->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * border);
}

} // namespace

QWidget* ClientPageFor(QWidget* dialog, QSize client, const QRect& workArea)
{
    if (workArea.isEmpty())   // on no screen: nothing to fit
        return dialog;
    const QSize frame = FrameAllowance(dialog);
    const QSize room = workArea.size() - frame;
    if (client.width() <= room.width() && client.height() <= room.height())
        return dialog;
    auto* area = new QScrollArea(dialog);
    area->setFrameShape(QFrame::NoFrame);
    auto* page = new DialogWidget;
    page->setFixedSize(client);
    area->setWidget(page);
    const int bar = dialog->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QSize shown(std::min(client.width() + (client.height() > room.height() ? bar : 0), room.width()),
                      std::min(client.height() + (client.width() > room.width() ? bar : 0), room.height()));
    const bool fixed = dialog->minimumSize() == dialog->maximumSize();
    dialog->setMinimumSize(0, 0);
    dialog->resize(shown);
    if (fixed)
        dialog->setFixedSize(shown);
    area->setGeometry(QRect(QPoint(0, 0), shown));
    const QSize outer = shown + frame;
    dialog->move(workArea.left() + (workArea.width() - outer.width()) / 2,
                 workArea.top() + (workArea.height() - outer.height()) / 2);
    dialog->setProperty(kPageProperty, QVariant::fromValue<QObject*>(page));
    ActAsWindow(page, HandleOf(dialog));
    page->installEventFilter(&EventBridge::Instance());
    return page;
}

QWidget* ClientWidget(QWidget* window)
{
    if (!window)
        return nullptr;
    auto* page = qobject_cast<QWidget*>(window->property(kPageProperty).value<QObject*>());
    return page ? page : window;
}

QRect WorkAreaFor(const QWidget* owner)
{
    MONITORINFO screen;
    if (!GetMonitorInfo(MonitorFromWindow(owner ? HandleOf(owner->window()) : nullptr, MONITOR_DEFAULTTONEAREST),
                        &screen))
        return {};
    const RECT& work = screen.rcWork;
    return QRect(work.left, work.top, work.right - work.left, work.bottom - work.top);
}

} // namespace platform::ui::detail
