#include "platform/ui/qt/CentredPlace.h"

#include "platform/ui/Monitors.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QMargins>
#include <QRect>
#include <QWidget>
#include <algorithm>

namespace platform::ui::detail {

namespace {

QMargins FrameOf(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                    frame.bottom() - client.bottom());
}

// Before its first show the window manager has not said how large the window's frame is; its
// owner's frame, from the same window manager, stands in.
QSize FrameSize(const QWidget& window, const QWidget* shownOwner)
{
    QMargins frame = FrameOf(window);
    if (frame.isNull() && shownOwner)
        frame = FrameOf(*shownOwner);
    return window.size().grownBy(frame);
}

// Within [low, high - length], the low end winning where the length does not fit.
int KeptInside(int at, int length, int low, int high)
{
    return std::max(low, std::min(at, high - length));
}

} // namespace

bool CentredPlace(const QWidget& window, const QWidget* over, QPoint* place)
{
    // An owner not on the screen yet (a main window opening a dialog while it starts) gives no place.
    const QWidget* shownOwner = over && over->isVisible() ? over : nullptr;
    MONITORINFO screen;
    if (!GetMonitorInfo(MonitorFromWindow(HandleOf(over ? over : &window), MONITOR_DEFAULTTONEAREST), &screen))
        return false;
    const RECT& work = screen.rcWork;
    const QRect area(QPoint(work.left, work.top), QPoint(work.right - 1, work.bottom - 1));
    const QSize frame = FrameSize(window, shownOwner);
    QRect placed(QPoint(), frame);
    placed.moveCenter(shownOwner ? shownOwner->frameGeometry().center() : area.center());
    *place = QPoint(KeptInside(placed.x(), frame.width(), work.left, work.right),
                    KeptInside(placed.y(), frame.height(), work.top, work.bottom));
    return true;
}

} // namespace platform::ui::detail
