// A modal window and its owner leave the screen and come back together under a window manager
// that draws a minimise box on every window (openbox), whichever of the two the user minimises
// and whichever the desktop brings back: the modal window stays modal, transient for its owner
// and above it, and once it ends its owner is on the screen.
#include "DesktopView.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "TwoScreens.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>
#include <string>

using platform::ui::PumpEventsUntil;

namespace {

constexpr UINT kMainWindow = 9421, kModalDialog = 9422;

void RegisterDialog(UINT id, DWORD style)
{
    RegisterDialogTemplate({.id = id, .cx = 200, .cy = 100, .style = WS_CAPTION | WS_SYSMENU | style,
                            .controls = {{ControlClass::Button, IDCANCEL, "取消", 120, 70, 50, 14, BS_PUSHBUTTON}}});
}

// Asks the window manager, as a panel does, to iconify the window (WM_CHANGE_STATE, as
// XIconifyWindow sends it) or to bring it back (activating it, as a task bar's click does).
void AskForState(const QWindow& window, bool minimised)
{
    constexpr uint32_t kIconicState = 3, kFromAPager = 2;
    if (minimised)
        AskWindowManager(window, "WM_CHANGE_STATE", {kIconicState, 0, 0, 0, 0});
    else
        AskWindowManager(window, "_NET_ACTIVE_WINDOW", {kFromAPager, 0, 0, 0, 0});
}

bool InState(const QWindow& window, const std::string& state)
{
    return XProperties(&window, "WM_STATE").find("window state: " + state) != std::string::npos;
}

// Asks once for the state of one window; true when both windows are in it for the window manager
// and for the program, and still so once the program has answered.
bool Settled(const QWindow& asked, bool minimised, const QWindow& owner, const QWindow& modal)
{
    const std::string state = minimised ? "Iconic" : "Normal";
    const Qt::WindowStates programState = minimised ? Qt::WindowMinimized : Qt::WindowNoState;
    AskForState(asked, minimised);
    const auto inState = [&] {
        return InState(owner, state) && InState(modal, state) && owner.windowStates() == programState &&
               modal.windowStates() == programState;
    };
    if (!PumpEventsUntil(inState, 30000))
        return false;
    PumpEventsUntil([] { return false; }, 300);
    return inState();
}

// Whether the user minimises the modal dialog, else its owner.
class MinimiseTogether : public ::testing::TestWithParam<bool> {};

TEST_P(MinimiseTogether, AModalWindowAndItsOwnerLeaveAndComeBackTogether)
{
    if (TestDesktop() != "openbox-1600x1000")
        GTEST_SKIP() << "needs a window manager";
    const bool modalMinimised = GetParam();
    RegisterDialog(kMainWindow, WS_MINIMIZEBOX);
    RegisterDialog(kModalDialog, 0);
    CDialog owner(kMainWindow);
    ASSERT_TRUE(owner.Create(kMainWindow));
    owner.ShowWindow(SW_SHOW);
    QWindow* ownerWindow = platform::ui::detail::WidgetOf(owner.m_hWnd)->windowHandle();
    ASSERT_TRUE(PumpEventsUntil([&] { return ownerWindow->isExposed(); }, 3000));

    CDialog dialog(kModalDialog, &owner);
    const DesktopView seen = WhileModalOver(owner, [&] { dialog.DoModal(); }, [&](QWidget& modal) {
        const QWindow& modalWindow = *modal.windowHandle();
        // The user reaches for a title bar once the window manager has made the window active and
        // the program has it on the screen: until the program has seen it mapped, the activation
        // it asked for at the show is still to come, and would bring back a minimised window.
        const auto active = [&] { return XWindowList(XProperties(nullptr, "_NET_ACTIVE_WINDOW")); };
        ASSERT_TRUE(PumpEventsUntil(
            [&] { return modalWindow.isExposed() && active() == std::vector<unsigned long>{modalWindow.winId()}; },
            30000));
        const QWindow& minimised = modalMinimised ? modalWindow : *ownerWindow;
        const QWindow& broughtBack = modalMinimised ? *ownerWindow : modalWindow;
        EXPECT_TRUE(Settled(minimised, true, *ownerWindow, modalWindow));
        EXPECT_TRUE(Settled(broughtBack, false, *ownerWindow, modalWindow));
    });

    EXPECT_TRUE(seen.shown);
    EXPECT_TRUE(seen.modal);
    EXPECT_TRUE(seen.transientForOwner);
    EXPECT_TRUE(seen.keptAboveOwner);
    EXPECT_TRUE(PumpEventsUntil([&] { return InState(*ownerWindow, "Normal"); }, 30000))
        << "no window of the program on the screen";
    owner.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(UnderAWindowManager, MinimiseTogether, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& param) {
                             return param.param ? "DialogMinimised" : "OwnerMinimised";
                         });

} // namespace
