#include "platform/ui/qt/CentredPlace.h"

#include "platform/ui/Monitors.h"
#include "platform/ui/qt/WindowAccess.h"
#include "platform/ui/qt/WindowPlaces.h"

#include <QMargins>
#include <QRect>
#include <QWidget>
#include <algorithm>
#include <optional>

namespace platform::ui::detail {

namespace {

// The frame as the desktop told it, not the widget's, which only a move or a resize brings up to
// date. Until the window manager has said how large the window's frame is, its owner's frame,
// from the same window manager, stands in.
QMargins FrameOf(const QWidget& window)
{
    return ToldFrame(window).value_or(QMargins());
}

QSize FrameSize(const QWidget& window, const QWidget* shownOwner)
{
    const std::optional<QMargins> told = ToldFrame(window);
    return window.size().grownBy(told ? *told : shownOwner ? FrameOf(*shownOwner) : QMargins());
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
    placed.moveCenter(shownOwner ? shownOwner->geometry().marginsAdded(FrameOf(*shownOwner)).center() : area.center());
    *place = QPoint(KeptInside(placed.x(), frame.width(), work.left, work.right),
                    KeptInside(placed.y(), frame.height(), work.top, work.bottom));
    return true;
}

} // namespace platform::ui::detail
