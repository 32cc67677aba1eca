// The program in a Wayland session, as run_desktop_tests.sh starts it: with XWayland it runs on
// X11, whose global coordinates the window layer places windows by; without, it runs on Wayland,
// where the toolkit draws every title bar with maximise and minimise buttons and the compositor
// ends a program whose maximised window keeps another size.
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <functional>
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

// A modal window runs its own loop: its buttons are pressed from inside, then it is closed.
void WhileModal(const std::function<void()>& run)
{
    QTimer::singleShot(0, [] {
        QWidget* modal = nullptr;
        ASSERT_TRUE(PumpEventsUntil([&] { return (modal = QApplication::activeModalWidget()) != nullptr; }, 5000));
        PressTheTitleBarButtons(modal);
        modal->close();
    });
    run();
}

// Shows a window over the owner and presses its buttons: a dialog of the program's templates, and
// the kinds the compositor once ended when maximised.
struct WindowKind {
    const char* name;
    std::function<void(CWnd& owner)> show;
};

const WindowKind kKinds[] = {
    {"TemplatedDialog",
     [](CWnd& owner) {
         CDialog dialog(kFixed);
         ASSERT_TRUE(dialog.Create(kFixed, &owner));
         dialog.ShowWindow(SW_SHOW);
         PressTheTitleBarButtons(WidgetOf(dialog.m_hWnd));
         dialog.DestroyWindow();
     }},
    {"MessageBox",
     [](CWnd& owner) {
         WhileModal([&] { owner.MessageBox("无法保存文件 'D:\\diary\\NewDiary1.ini'。", nullptr, MB_ICONSTOP); });
     }},
    {"ColourDialog",
     [](CWnd& owner) {
         CColorDialog dialog(RGB(1, 2, 3), CC_FULLOPEN | CC_ANYCOLOR, &owner);
         WhileModal([&] { dialog.DoModal(); });
     }},
};

class WaylandOnly : public ::testing::TestWithParam<WindowKind> {};

TEST_P(WaylandOnly, EveryWindowOutlivesTheTitleBarButtons)
{
    ASSERT_EQ(QGuiApplication::platformName().toStdString(), "wayland");
    RegisterDialog(kOwner, "Rorovavozir", WS_MINIMIZEBOX);
    RegisterDialog(kFixed, "保存", 0);
    CDialog owner(kOwner);
    ASSERT_TRUE(owner.Create(kOwner));
    owner.ShowWindow(SW_SHOW);
    GetParam().show(owner);
    owner.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfWindow, WaylandOnly, ::testing::ValuesIn(kKinds),
                         [](const ::testing::TestParamInfo<WindowKind>& param) { return param.param.name; });

} // namespace
