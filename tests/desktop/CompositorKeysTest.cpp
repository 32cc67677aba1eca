// The compositor's own keys, as a user presses them in a Wayland session: weston maximises
// (Super+Shift+M) or fills the screen with (Super+Shift+F) whichever window has the keyboard,
// and then ends a program whose window keeps another size. run_compositor_keys.sh runs weston
// in a window of an X server, whose keys it takes from XTEST; the program runs on Wayland.
#include "WindowKinds.h"
#include "platform/ui/TestHooks.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <utility>

using platform::ui::PumpEventsUntil;

namespace {

constexpr Qt::WindowStates kLarger = Qt::WindowMaximized | Qt::WindowFullScreen;

// Runs `handle` on each key the window receives, inside the toolkit's delivery of the input.
class InputHandler : public QObject {
public:
    InputHandler(QWindow& window, std::function<void()> handle) : m_handle(std::move(handle))
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress)
            m_handle();
        return false;
    }

private:
    std::function<void()> m_handle;
};

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

// The title bar the toolkit draws asks a minimise from inside the compositor's input, as a key
// handler does here: the toolkit takes the state back before the program sees that it was asked.
// A window without a minimise box is back on the screen when it has the keyboard again.
void MinimiseFromTheCompositorsInput(QWidget* widget)
{
    QWindow* window = widget->windowHandle();
    ASSERT_TRUE(PumpEventsUntil([&] { return window->isExposed() && window->isActive(); }, 10000))
        << "the window never had the keyboard";
    bool asked = false, left = false;
    // Leaving shows as the keyboard leaving, or, when the compositor's leave and the program's
    // showing anew come together, as the window hidden on its way back.
    const auto watch = QObject::connect(window, &QWindow::activeChanged, [&] { left |= !window->isActive(); });
    const auto hidden = QObject::connect(window, &QWindow::visibleChanged, [&](bool visible) { left |= !visible; });
    InputHandler minimise(*window, [&] {
        if (!std::exchange(asked, true))
            window->setWindowState(Qt::WindowMinimized);
    });
    ASSERT_TRUE(PressCompositorKeys("shift")) << "xdotool could not send a key";
    EXPECT_TRUE(PumpEventsUntil([&] { return asked && left && window->isActive(); }, 10000))
        << (asked ? "" : "never asked; ") << (left ? "" : "never left the screen; ")
        << (window->isActive() ? "" : "not back with the keyboard");
    QObject::disconnect(watch);
    QObject::disconnect(hidden);
}

class CompositorKeys : public ::testing::TestWithParam<WindowKind> {};

TEST_P(CompositorKeys, EveryWindowOutlivesTheCompositorsMaximiseAndFullScreen)
{
    ASSERT_EQ(QGuiApplication::platformName().toStdString(), "wayland");
    GetParam().show(PressTheCompositorsKeys);
}

class TitleBarMinimise : public ::testing::TestWithParam<WindowKind> {};

TEST_P(TitleBarMinimise, AWindowWithoutAMinimiseBoxComesBack)
{
    ASSERT_EQ(QGuiApplication::platformName().toStdString(), "wayland");
    GetParam().show(MinimiseFromTheCompositorsInput);
}

INSTANTIATE_TEST_SUITE_P(CompositorKeys, TitleBarMinimise, ::testing::ValuesIn(KindsWithoutAMinimiseBox()), KindName());

INSTANTIATE_TEST_SUITE_P(EveryKindOfWindow, CompositorKeys, ::testing::ValuesIn(EveryKindOfWindow()), KindName());

} // namespace
