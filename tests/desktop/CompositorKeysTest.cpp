// The compositor's own keys, as a user presses them in a Wayland session: weston maximises
// (Super+Shift+M) or fills the screen with (Super+Shift+F) whichever window has the keyboard,
// and then ends a program whose window keeps another size. run_compositor_keys.sh runs weston
// in a window of an X server, whose keys it takes from XTEST; the program runs on Wayland.
#include "WindowKinds.h"
#include "platform/ui/TestHooks.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

using platform::ui::PumpEventsUntil;

namespace {

constexpr Qt::WindowStates kLarger = Qt::WindowMaximized | Qt::WindowFullScreen;

// Keys go to the compositor's window on the X server once the pointer is in it; a click there
// could start weston's terminal from its launcher.
bool PressCompositorKeys(const std::string& keys)
{
    const char* display = std::getenv("RV_COMPOSITOR_X_DISPLAY");
    return display && std::system(("DISPLAY=" + std::string(display) + " xdotool mousemove 1500 900 key " + keys)
                                      .c_str()) == 0;
}

// Each key puts the window in the compositor's state; the window comes back to its own size and
// state, and the program goes on.
void PressTheCompositorsKeys(QWidget* widget)
{
    QWindow* window = widget->windowHandle();
    ASSERT_TRUE(PumpEventsUntil([&] { return window->isExposed() && window->isActive(); }, 10000))
        << "the window never had the keyboard";
    const QSize given = widget->size();
    for (const char* keys : {"super+shift+m", "super+shift+f"}) {
        bool configured = false;
        const auto watch = QObject::connect(window, &QWindow::windowStateChanged,
                                            [&](Qt::WindowState state) { configured |= (kLarger & state) != 0; });
        ASSERT_TRUE(PressCompositorKeys(keys)) << "xdotool could not send " << keys;
        EXPECT_TRUE(PumpEventsUntil(
            [&] { return configured && window->windowStates() == Qt::WindowNoState && widget->size() == given; },
            10000))
            << keys << ": state " << window->windowStates() << ", " << widget->width() << " x " << widget->height()
            << " where it was " << given.width() << " x " << given.height() << (configured ? "" : ", never configured");
        QObject::disconnect(watch);
        // Any change in the window commits a new frame, which the compositor checks.
        widget->repaint();
        PumpEventsUntil([] { return false; }, 500);
        EXPECT_EQ(widget->size(), given) << keys;
    }
}

class CompositorKeys : public ::testing::TestWithParam<WindowKind> {};

TEST_P(CompositorKeys, EveryWindowOutlivesTheCompositorsMaximiseAndFullScreen)
{
    ASSERT_EQ(QGuiApplication::platformName().toStdString(), "wayland");
    GetParam().show(PressTheCompositorsKeys);
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfWindow, CompositorKeys, ::testing::ValuesIn(EveryKindOfWindow()),
                         [](const ::testing::TestParamInfo<WindowKind>& param) { return param.param.name; });

} // namespace
