// The program in a Wayland session, as run_desktop_tests.sh starts it: with XWayland it runs on
// X11, whose global coordinates the window layer places windows by; without, it runs on Wayland,
// where the toolkit draws every title bar with maximise and minimise buttons and the compositor
// ends a program whose maximised window keeps another size.
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/WndClass.h"
#include "platform/ui/qt/WindowAccess.h"
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"

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

// Shows a window of its kind over the owner, hands it to `check` while it is up, and ends it.
struct WindowKind {
    const char* name;
    std::function<void(CWnd& owner, const std::function<void(QWidget&)>& check)> show;
};

void PrintTo(const WindowKind& kind, std::ostream* out)
{
    *out << kind.name;
}

// A modal window runs its own loop: it is checked from inside, then closed.
void WhileModal(const std::function<void(QWidget&)>& check, const std::function<void()>& run)
{
    QTimer::singleShot(0, [&] {
        QWidget* modal = nullptr;
        ASSERT_TRUE(PumpEventsUntil([&] { return (modal = QApplication::activeModalWidget()) != nullptr; }, 5000));
        check(*modal);
        modal->close();
    });
    run();
}

// A window the program shows and ends itself.
void WhileShown(CWnd& window, const std::function<void(QWidget&)>& check)
{
    window.ShowWindow(SW_SHOW);
    check(*WidgetOf(window.m_hWnd));
    window.DestroyWindow();
}

// The folder browser is the Save As dialog's kind; shown on a compositor without a seat, as the
// test's is, its focused path box ends the toolkit as it draws the text cursor.
const WindowKind kKinds[] = {
    {"TemplatedDialog",
     [](CWnd& owner, const auto& check) {
         CDialog dialog(kFixed);
         ASSERT_TRUE(dialog.Create(kFixed, &owner));
         WhileShown(dialog, check);
     }},
    {"ModalTemplatedDialog",
     [](CWnd& owner, const auto& check) {
         CDialog dialog(kFixed, &owner);
         WhileModal(check, [&] { dialog.DoModal(); });
     }},
    {"ProgressWindow",
     [](CWnd& owner, const auto& check) {
         RegisterDialogTemplate(ProgressTemplate());
         CDialog progress(IDD_PROGRESS);
         ASSERT_TRUE(progress.Create(IDD_PROGRESS, &owner));
         progress.CenterWindow();
         WhileShown(progress, check);
     }},
    {"MessageBox",
     [](CWnd& owner, const auto& check) {
         WhileModal(check, [&] { owner.MessageBox("无法保存文件 'D:\\diary\\NewDiary1.ini'。", nullptr, MB_ICONSTOP); });
     }},
    {"MessageBoxOfAFileDialog",
     [](CWnd& owner, const auto& check) {
         WhileModal(check, [&] { owner.MessageBox("Please enter a file name.", "Sava As", MB_ICONEXCLAMATION); });
     }},
    {"ColourDialog",
     [](CWnd& owner, const auto& check) {
         CColorDialog dialog(RGB(1, 2, 3), CC_FULLOPEN | CC_ANYCOLOR, &owner);
         WhileModal(check, [&] { dialog.DoModal(); });
     }},
    {"SaveAsDialog",
     [](CWnd& owner, const auto& check) {
         CFileDialog dialog(FALSE, "ini", "your_diary", OFN_OVERWRITEPROMPT, "ini(*.ini)|*.ini||", &owner);
         WhileModal(check, [&] { dialog.DoModal(); });
     }},
    {"Popup",
     [](CWnd& owner, const auto& check) {
         CWnd popup;
         LPCTSTR windowClass = AfxRegisterWndClass(CS_SAVEBITS, nullptr, nullptr, nullptr);
         ASSERT_TRUE(popup.CreateEx(0, windowClass, "", WS_POPUP, 300, 200, 160, 120, owner.m_hWnd, 0));
         WhileShown(popup, check);
     }},
};

// Any change in the window commits a new frame, which the compositor checks against the state it
// gave the window.
void CommitAFrame(QWidget& widget)
{
    widget.repaint();
    PumpEventsUntil([] { return false; }, 500);
}

class WaylandOnly : public ::testing::TestWithParam<WindowKind> {};

// The title bar's maximise and minimise buttons, pressed as the toolkit's decoration presses
// them, leave a window of fixed size as it was and no window off the screen, and the program
// goes on; a window the user may size takes the maximised size.
TEST_P(WaylandOnly, EveryWindowOutlivesTheTitleBarButtons)
{
    ASSERT_EQ(QGuiApplication::platformName().toStdString(), "wayland");
    RegisterDialog(kOwner, "Rorovavozir", WS_MINIMIZEBOX);
    RegisterDialog(kFixed, "保存", 0);
    CDialog owner(kOwner);
    ASSERT_TRUE(owner.Create(kOwner));
    owner.ShowWindow(SW_SHOW);
    bool checked = false;
    GetParam().show(owner, [&](QWidget& widget) {
        QWindow* window = widget.windowHandle();
        ASSERT_TRUE(PumpEventsUntil([&] { return window->isExposed(); }, 5000));
        const QSize given = widget.size();
        const bool fixed = widget.minimumSize() == widget.maximumSize();

        window->setWindowStates(window->windowStates() ^ Qt::WindowMaximized);
        if (fixed) {
            EXPECT_TRUE(PumpEventsUntil(
                [&] { return window->windowStates() == Qt::WindowNoState && widget.size() == given; }, 5000))
                << widget.width() << " x " << widget.height() << " where it was " << given.width() << " x "
                << given.height();
        } else {
            EXPECT_TRUE(PumpEventsUntil([&] { return widget.size() != given; }, 5000)) << "maximised";
            CommitAFrame(widget);
            window->setWindowStates(Qt::WindowNoState);
        }
        CommitAFrame(widget);
        if (fixed) {
            EXPECT_EQ(widget.size(), given);
        }

        window->setWindowState(Qt::WindowMinimized);
        EXPECT_TRUE(PumpEventsUntil(
            [&] { return window->windowStates() == Qt::WindowNoState && widget.isVisible() && window->isExposed(); },
            5000));
        CommitAFrame(widget);
        checked = true;
    });
    EXPECT_TRUE(checked);
    owner.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfWindow, WaylandOnly, ::testing::ValuesIn(kKinds),
                         [](const ::testing::TestParamInfo<WindowKind>& param) { return param.param.name; });

} // namespace
