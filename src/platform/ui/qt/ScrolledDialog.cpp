#include "platform/ui/qt/ScrolledDialog.h"

#include "platform/ui/Monitors.h"
#include "platform/ui/qt/ControlFactory.h"
#include "platform/ui/qt/EventBridge.h"
#include "platform/ui/qt/OwnTitleBar.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QApplication>
#include <QEvent>
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

// Keeps what holds a resizable dialog's client area filling the dialog below its title bar.
class FillBelow : public QObject {
public:
    FillBelow(QWidget& dialog, QWidget& holder, int top) : QObject(&holder), m_holder(holder), m_top(top)
    {
        dialog.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize) {
            const QSize size = static_cast<QWidget*>(watched)->size();
            m_holder.setGeometry(0, m_top, size.width(), size.height() - m_top);
        }
        return false;
    }

private:
    QWidget& m_holder;
    int m_top;
};

} // namespace

QWidget* ClientPageFor(QWidget* dialog, QSize client, const QRect& workArea)
{
    const int bar = OwnTitleBarHeight(*dialog);
    const QSize frame = bar > 0 ? QSize(0, bar) : FrameAllowance(dialog);
    const QSize room = workArea.isEmpty() ? QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX) : workArea.size() - frame;
    const bool fits = client.width() <= room.width() && client.height() <= room.height();
    if (fits && bar == 0)
        return dialog;
    auto* page = new DialogWidget;
    QWidget* holder = page;
    QSize shown = client;
    if (fits) {
        page->setParent(dialog);
    } else {
        auto* area = new QScrollArea(dialog);
        area->setFrameShape(QFrame::NoFrame);
        page->setFixedSize(client);
        area->setWidget(page);
        const int scrollBar = dialog->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        shown = QSize(std::min(client.width() + (client.height() > room.height() ? scrollBar : 0), room.width()),
                      std::min(client.height() + (client.width() > room.width() ? scrollBar : 0), room.height()));
        holder = area;
    }
    const bool fixed = dialog->minimumSize() == dialog->maximumSize();
    dialog->setMinimumSize(0, 0);
    dialog->resize(shown + QSize(0, bar));
    if (fixed)
        dialog->setFixedSize(shown + QSize(0, bar));
    holder->setGeometry(QRect(QPoint(0, bar), shown));
    if (!fixed && bar > 0)
        new FillBelow(*dialog, *holder, bar);
    if (!fits) {
        const QSize outer = shown + frame;
        dialog->move(workArea.left() + (workArea.width() - outer.width()) / 2,
                     workArea.top() + (workArea.height() - outer.height()) / 2);
    }
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
