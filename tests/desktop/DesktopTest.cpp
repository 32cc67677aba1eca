// The program in a Wayland session, as run_desktop_tests.sh starts it: with XWayland it runs on
// X11, whose global coordinates the window layer places windows by; without, it runs on Wayland,
// where the toolkit draws every title bar with maximise and minimise buttons and the compositor
// ends a program whose maximised window keeps another size.
#include "WindowKinds.h"
#include "platform/ui/TestHooks.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <gtest/gtest.h>

using platform::ui::PumpEventsUntil;

namespace {

TEST(WithXWayland, TheProgramRunsOnX11)
{
    EXPECT_EQ(QGuiApplication::platformName().toStdString(), "xcb");
    EXPECT_EQ(std::getenv("QT_QPA_PLATFORM"), nullptr) << "programs the user opens from it choose for themselves";
}

// The title bar's maximise and minimise buttons, pressed as the toolkit's decoration presses
// them, leave a window of fixed size as it was and on the screen, and the program goes on.
void PressTheTitleBarButtons(QWidget* widget)
{
    QWindow* window = widget->windowHandle();
    ASSERT_TRUE(PumpEventsUntil([&] { return window->isExposed(); }, 5000));
    const QSize given = widget->size();

    window->setWindowStates(window->windowStates() ^ Qt::WindowMaximized);
    EXPECT_TRUE(PumpEventsUntil([&] { return window->windowStates() == Qt::WindowNoState && widget->size() == given; },
                                5000));
    // Any change in the window commits a new frame, which the compositor checks.
    widget->repaint();
    PumpEventsUntil([] { return false; }, 500);
    EXPECT_EQ(widget->size(), given);

    window->setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(PumpEventsUntil(
        [&] { return window->windowStates() == Qt::WindowNoState && widget->isVisible() && window->isExposed(); },
        5000));
    widget->repaint();
    PumpEventsUntil([] { return false; }, 500);
}

class WaylandOnly : public ::testing::TestWithParam<WindowKind> {};

TEST_P(WaylandOnly, EveryWindowOutlivesTheTitleBarButtons)
{
    ASSERT_EQ(QGuiApplication::platformName().toStdString(), "wayland");
    GetParam().show(PressTheTitleBarButtons);
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfWindow, WaylandOnly, ::testing::ValuesIn(EveryKindOfWindow()), KindName());

} // namespace
