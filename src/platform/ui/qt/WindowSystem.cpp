#include "platform/ui/qt/WindowSystem.h"

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>

namespace platform::ui::detail {

namespace {

bool Set(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

} // namespace

bool ChooseWindowSystem()
{
    if (Set("QT_QPA_PLATFORM"))
        return false;
    // Wayland stays the fallback for an X display that refuses the connection.
    if (Set("DISPLAY"))
        ::setenv("QT_QPA_PLATFORM", "xcb;wayland", 1);
    else if (!Set("WAYLAND_DISPLAY"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    else
        return false;
    return true;
}

void ForgetWindowSystemChoice()
{
    ::unsetenv("QT_QPA_PLATFORM");
}

bool OnWayland()
{
    return QGuiApplication::platformName() == "wayland";
}

bool IsDesktopWindow(const QWidget& widget)
{
    return widget.isWindow() && widget.windowType() != Qt::Popup && widget.windowType() != Qt::ToolTip;
}

} // namespace platform::ui::detail
