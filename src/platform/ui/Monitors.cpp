#include "platform/ui/Monitors.h"

#include "platform/ui/qt/WindowAccess.h"

#include <QGuiApplication>
#include <algorithm>
#include <QScreen>

using namespace platform::ui::detail;

namespace {

HMONITOR HandleOf(QScreen* screen)
{
    return reinterpret_cast<HMONITOR>(screen);
}

RECT RectOf(const QRect& area)
{
    return RECT{area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
}

QRect OnScreen(const QWidget& widget)
{
    return widget.isWindow() ? widget.frameGeometry() : QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size());
}

// The squared distance from the window to the screen; 0 when they meet.
long long Distance(const QRect& window, const QRect& screen)
{
    const long long dx = std::max({0, screen.left() - window.right(), window.left() - screen.right()});
    const long long dy = std::max({0, screen.top() - window.bottom(), window.top() - screen.bottom()});
    return dx * dx + dy * dy;
}

} // namespace

HMONITOR MonitorFromWindow(HWND window, DWORD flags)
{
    const QWidget* widget = WidgetOf(window);
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (widget && !screens.isEmpty()) {
        const QRect rect = OnScreen(*widget);
        QScreen* most = nullptr;
        long long mostArea = 0;
        for (QScreen* screen : screens) {
            const QRect common = screen->geometry().intersected(rect);
            const long long area = static_cast<long long>(common.width()) * common.height();
            if (area > mostArea) {
                most = screen;
                mostArea = area;
            }
        }
        if (most)
            return HandleOf(most);
        if (flags == MONITOR_DEFAULTTONEAREST) {
            QScreen* nearest = screens.front();
            for (QScreen* screen : screens)
                if (Distance(rect, screen->geometry()) < Distance(rect, nearest->geometry()))
                    nearest = screen;
            return HandleOf(nearest);
        }
    }
    return flags == MONITOR_DEFAULTTONULL ? nullptr : HandleOf(QGuiApplication::primaryScreen());
}

BOOL GetMonitorInfo(HMONITOR monitor, MONITORINFO* info)
{
    auto* screen = reinterpret_cast<QScreen*>(monitor);
    if (!screen || !info || !QGuiApplication::screens().contains(screen))
        return FALSE;
    info->rcMonitor = RectOf(screen->geometry());
    info->rcWork = RectOf(screen->availableGeometry());
    info->dwFlags = screen == QGuiApplication::primaryScreen() ? MONITORINFOF_PRIMARY : 0;
    return TRUE;
}
