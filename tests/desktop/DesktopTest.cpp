// The program in a Wayland session, as run_desktop_tests.sh starts it: with XWayland it runs on
// X11, whose global coordinates the window layer places windows by; without, it runs on Wayland,
// where the toolkit draws every title bar with maximise and minimise buttons and the compositor
// ends a program whose maximised window keeps another size.
#include "WindowKinds.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/qt/OwnTitleBar.h"
#include "platform_ui/NestedLoopBound.h"

#include <QApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <gtest/gtest.h>

using platform::ui::PumpEventsUntil;
using platform::ui::detail::OwnTitleBarBoxes;
using platform::ui::detail::TitleBarBoxes;

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

void Click(QWidget& widget, QPoint at)
{
    const QPointF global = widget.mapToGlobal(QPointF(at));
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, QPointF(at), global, Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&widget, &event);
    }
}

// The program draws the title bar in place of the toolkit's, whose minimise and maximise boxes
// were on every window: a close box, a minimise box only where the window has one, a maximise
// box only where it can be resized. Its close box closes the window as the desktop's would.
void SeeTheProgramsTitleBar(QWidget* widget, bool minimiseBox, bool resizable)
{
    QPointer<QWidget> window(widget);
    ASSERT_TRUE(PumpEventsUntil([&] { return widget->windowHandle()->isExposed(); }, 5000));
    EXPECT_TRUE(widget->windowHandle()->flags().testFlag(Qt::FramelessWindowHint)) << "the toolkit's title bar is on";
    const TitleBarBoxes boxes = OwnTitleBarBoxes(*widget);
    ASSERT_NE(boxes.bar, nullptr) << "no title bar of the program's";
    EXPECT_FALSE(boxes.close.isEmpty());
    EXPECT_EQ(!boxes.minimise.isEmpty(), minimiseBox);
    EXPECT_EQ(!boxes.maximise.isEmpty(), resizable);
    Click(*boxes.bar, boxes.close.center());
    EXPECT_TRUE(PumpEventsUntil([&] { return window.isNull() || !window->isVisible(); }, 5000)) << "the close box left it open";
}

TEST_P(WaylandOnly, EveryWindowHasTheProgramsTitleBarWithOnlyTheBoxesItMayUse)
{
    ASSERT_EQ(QGuiApplication::platformName().toStdString(), "wayland");
    const bool minimiseBox = GetParam().minimiseBox;
    GetParam().show([&](QWidget* widget) { SeeTheProgramsTitleBar(widget, minimiseBox, false); });
}

TEST(WaylandFileDialog, HasTheProgramsTitleBarWithAMaximiseBoxAndNoMinimiseBox)
{
    ASSERT_EQ(QGuiApplication::platformName().toStdString(), "wayland");
    QTimer::singleShot(0, [] {
        QPointer<QFileDialog> dialog;
        const auto shown = [&] {
            for (QWidget* each : QApplication::topLevelWidgets())
                if (auto* files = qobject_cast<QFileDialog*>(each); files && files->isVisible())
                    dialog = files;
            return !dialog.isNull();
        };
        ASSERT_TRUE(PumpEventsUntil(shown, 5000));
        SeeTheProgramsTitleBar(dialog, false, true);
        if (!dialog.isNull() && dialog->isVisible())
            dialog->reject();
    });
    CFileDialog dialog(FALSE, "ini", "NewDiary1.ini", 0, "INI (*.ini)|*.ini||");
    const NestedLoopBound bound(60000);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_FALSE(bound.Closed()) << "the dialog was still open after a minute";
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfWindow, WaylandOnly, ::testing::ValuesIn(EveryKindOfWindow()), KindName());

} // namespace
