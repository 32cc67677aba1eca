// The compositor's own keys, as a user presses them in a Wayland session: weston maximises
// (Super+Shift+M) or fills the screen with (Super+Shift+F) whichever window has the keyboard,
// and then ends a program whose window keeps another size; mutter minimises it (Super+H).
// weston leaves Alt+F4 to the window.
// run_compositor_keys.sh runs either in a window of an X server, whose keys it takes from XTEST;
// the program runs on Wayland.
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
// could start weston's terminal from its launcher. `presses` are xdotool's commands.
bool PressCompositorKeys(const std::string& presses)
{
    const char* display = std::getenv("RV_COMPOSITOR_X_DISPLAY");
    return display && std::system(("DISPLAY=" + std::string(display) + " xdotool mousemove 1500 900 " + presses)
                                      .c_str()) == 0;
}

// Waits until the window has the keyboard, then watches it leave the screen: the keyboard
// leaving, or, when the compositor's leave and the program's showing anew come together, the
// window hidden on its way back. The keyboard is the window's own: the toolkit counts a dialog
// active while its owner has the keyboard.
class LeavingWatch {
public:
    explicit LeavingWatch(QWindow& window) : m_window(window)
    {
        m_ready = PumpEventsUntil([&] { return window.isExposed() && HasTheKeyboard(); }, 10000);
        m_watches[0] = QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged,
                                        [this] { m_left |= !HasTheKeyboard(); });
        m_watches[1] = QObject::connect(&window, &QWindow::visibleChanged, [this](bool shown) { m_left |= !shown; });
    }
    ~LeavingWatch()
    {
        for (const auto& watch : m_watches)
            QObject::disconnect(watch);
    }
    LeavingWatch(const LeavingWatch&) = delete;
    LeavingWatch& operator=(const LeavingWatch&) = delete;

    bool Ready() const { return m_ready; }
    bool Left() const { return m_left; }
    bool HasTheKeyboard() const { return QGuiApplication::focusWindow() == &m_window; }

    // Whether it left and is back with the keyboard within ten seconds.
    bool CameBack() const { return PumpEventsUntil([&] { return m_left && HasTheKeyboard(); }, 10000); }

private:
    QWindow& m_window;
    bool m_ready = false;
    bool m_left = false;
    QMetaObject::Connection m_watches[2];
};

// Each key puts the window in the compositor's state; the window comes back to its own size and
// state, and the program goes on.
void PressTheCompositorsKeys(QWidget* widget)
{
    QWindow* window = widget->windowHandle();
    ASSERT_TRUE(PumpEventsUntil([&] { return window->isExposed() && QGuiApplication::focusWindow() == window; }, 10000))
        << "the window never had the keyboard";
    const QSize given = widget->size();
    for (const char* keys : {"super+shift+m", "super+shift+f"}) {
        bool configured = false;
        const auto watch = QObject::connect(window, &QWindow::windowStateChanged,
                                            [&](Qt::WindowState state) { configured |= (kLarger & state) != 0; });
        ASSERT_TRUE(PressCompositorKeys(std::string("key ") + keys)) << "xdotool could not send " << keys;
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
    LeavingWatch watch(*window);
    ASSERT_TRUE(watch.Ready()) << "the window never had the keyboard";
    bool asked = false;
    InputHandler minimise(*window, [&] {
        if (!std::exchange(asked, true))
            window->setWindowState(Qt::WindowMinimized);
    });
    ASSERT_TRUE(PressCompositorKeys("key shift")) << "xdotool could not send a key";
    EXPECT_TRUE(watch.CameBack()) << (asked ? "" : "never asked; ") << (watch.Left() ? "" : "never left the screen; ")
                                  << (watch.HasTheKeyboard() ? "" : "not back with the keyboard");
}

// mutter minimises the window with the keyboard by itself (Super+H) and tells the program
// nothing: the window just stops being drawn, and the owner the dialog disables gets the keyboard.
void MinimiseByTheCompositor(QWidget* widget)
{
    QWindow* window = widget->windowHandle();
    LeavingWatch watch(*window);
    ASSERT_TRUE(watch.Ready()) << "the window never had the keyboard";
    ASSERT_TRUE(PressCompositorKeys("sleep 0.3 keydown super sleep 0.3 key h sleep 0.3 keyup super"))
        << "xdotool could not send Super+H";
    EXPECT_TRUE(watch.CameBack()) << (watch.Left() ? "not back with the keyboard" : "never left the screen");
}

// Counts the requests to close the window: what its close box asks, and what the desktop asks
// when a window manager takes Alt+F4. A modal dialog ends only once the test hands back its loop.
class CloseWatch : public QObject {
public:
    explicit CloseWatch(QWidget& window) { window.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        asked += event->type() == QEvent::Close ? 1 : 0;
        return false;
    }
    int asked = 0;
};

// Alt+F4 asks the window with the keyboard to close, as its close box would; under weston it
// asked none.
void CloseWithAltF4(QWidget* widget)
{
    ASSERT_TRUE(PumpEventsUntil(
        [&] { return widget->windowHandle()->isExposed() && QGuiApplication::focusWindow() == widget->windowHandle(); },
        10000))
        << "the window never had the keyboard";
    const CloseWatch watch(*widget);
    ASSERT_TRUE(PressCompositorKeys("key alt+F4")) << "xdotool could not send Alt+F4";
    EXPECT_TRUE(PumpEventsUntil([&] { return watch.asked > 0; }, 10000)) << "not asked to close";
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

class AltF4 : public ::testing::TestWithParam<WindowKind> {};

TEST_P(AltF4, ClosesEveryWindowWithACloseBox)
{
    ASSERT_EQ(QGuiApplication::platformName().toStdString(), "wayland");
    GetParam().show(CloseWithAltF4);
}

class CompositorMinimise : public ::testing::TestWithParam<WindowKind> {};

TEST_P(CompositorMinimise, AModalWindowComesBackOverItsDisabledOwner)
{
    ASSERT_EQ(QGuiApplication::platformName().toStdString(), "wayland");
    GetParam().show(MinimiseByTheCompositor);
}

INSTANTIATE_TEST_SUITE_P(CompositorKeys, TitleBarMinimise, ::testing::ValuesIn(KindsWithoutAMinimiseBox()), KindName());

INSTANTIATE_TEST_SUITE_P(CompositorKeys, AltF4, ::testing::ValuesIn(EveryKindAndTheModalDialog()), KindName());

INSTANTIATE_TEST_SUITE_P(UnderMutter, CompositorMinimise, ::testing::ValuesIn(ModalKinds()), KindName());

INSTANTIATE_TEST_SUITE_P(EveryKindOfWindow, CompositorKeys, ::testing::ValuesIn(EveryKindOfWindow()), KindName());

} // namespace
