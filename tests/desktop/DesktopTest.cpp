// The program in a Wayland session, as run_desktop_tests.sh starts it: with XWayland it runs on
// X11, whose global coordinates the window layer places windows by; without, it runs on Wayland,
// where the toolkit draws every title bar with maximise and minimise buttons and the compositor
// ends a program whose maximised window keeps another size.
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <gtest/gtest.h>

using platform::ui::PumpEventsUntil;
using platform::ui::detail::WidgetOf;

namespace {

constexpr UINT kOwner = 9501, kFixed = 9502;

TEST(WithXWayland, TheProgramRunsOnX11)
{
    EXPECT_EQ(QGuiApplication::platformName().toStdString(), "xcb");
    EXPECT_EQ(std::getenv("QT_QPA_PLATFORM"), nullptr) << "programs the user opens from it choose for themselves";
}

void RegisterDialog(UINT id, const char* caption, DWORD style)
{
    DialogTemplate dialog;
    dialog.id = id;
    dialog.caption = caption;
    dialog.cx = 200;
    dialog.cy = 100;
    dialog.style = WS_SYSMENU | style;
    dialog.controls = {{ControlClass::Static, 1001, "替换文件:", 10, 10, 120, 8, SS_LEFT}};
    RegisterDialogTemplate(dialog);
}

// The title bar's maximise and minimise buttons, pressed as the toolkit's decoration presses
// them, leave the dialog where it was, and the program goes on.
TEST(WaylandOnly, FixedSizeDialogOutlivesTheTitleBarButtons)
{
    ASSERT_EQ(QGuiApplication::platformName().toStdString(), "wayland");
    RegisterDialog(kOwner, "Rorovavozir", WS_MINIMIZEBOX);
    RegisterDialog(kFixed, "保存", 0);
    CDialog owner(kOwner);
    ASSERT_TRUE(owner.Create(kOwner));
    owner.ShowWindow(SW_SHOW);
    CDialog dialog(kFixed);
    ASSERT_TRUE(dialog.Create(kFixed, &owner));
    dialog.ShowWindow(SW_SHOW);
    QWidget* widget = WidgetOf(dialog.m_hWnd);
    QWindow* window = widget->windowHandle();
    ASSERT_TRUE(PumpEventsUntil([&] { return window->isExposed(); }, 5000));
    const QSize given = widget->size();

    window->setWindowStates(window->windowStates() ^ Qt::WindowMaximized);
    EXPECT_TRUE(PumpEventsUntil([&] { return window->windowStates() == Qt::WindowNoState && widget->size() == given; },
                                5000));
    // Any change in the dialog commits a new frame, which the compositor checks.
    dialog.GetDlgItem(1001)->SetWindowText("D:\\diary\\NewDiary1.ini");
    PumpEventsUntil([] { return false; }, 500);
    EXPECT_EQ(widget->size(), given);

    window->setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(PumpEventsUntil(
        [&] { return window->windowStates() == Qt::WindowNoState && widget->isVisible() && window->isExposed(); },
        5000));
    dialog.GetDlgItem(1001)->SetWindowText("D:\\diary\\NewDiary2.ini");
    PumpEventsUntil([] { return false; }, 500);
    dialog.DestroyWindow();
    owner.DestroyWindow();
}

} // namespace
