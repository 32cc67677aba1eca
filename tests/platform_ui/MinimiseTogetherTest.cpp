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
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <xcb/xcb.h>

using platform::ui::PumpEventsUntil;

namespace {

constexpr UINT kMainWindow = 9421, kModalDialog = 9422;

void RegisterDialog(UINT id, DWORD style)
{
    RegisterDialogTemplate({.id = id, .cx = 200, .cy = 100, .style = WS_CAPTION | WS_SYSMENU | style,
                            .controls = {{ControlClass::Button, IDCANCEL, "取消", 120, 70, 50, 14, BS_PUSHBUTTON}}});
}

// Asks the window manager, as a panel or a title bar does, to iconify the window or bring it back.
void AskForState(const QWindow& window, bool minimised)
{
    // A connection of its own, as another program on the desktop would have.
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, 15, "WM_CHANGE_STATE"), nullptr);
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window.winId());
    message.type = atom->atom;
    message.data.data32[0] = minimised ? 3 : 1; // IconicState, NormalState
    std::free(atom);
    xcb_send_event(connection, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    xcb_disconnect(connection);
}

bool InState(const QWindow& window, const std::string& state)
{
    return XProperties(&window, "WM_STATE").find("window state: " + state) != std::string::npos;
}

// Asks for the state of one window; true when both windows are in it for the window manager and
// for the program, and still so once the program has answered. openbox now and then lets a
// request pass unanswered just after the windows appear, for seconds on a busy machine; a user
// would click again, and so does this.
bool Settled(const QWindow& asked, bool minimised, const QWindow& owner, const QWindow& modal)
{
    const std::string state = minimised ? "Iconic" : "Normal";
    const Qt::WindowStates programState = minimised ? Qt::WindowMinimized : Qt::WindowNoState;
    const auto taken = [&] { return InState(owner, state) || InState(modal, state); };
    for (int attempt = 0; attempt < 12 && !taken(); ++attempt) {
        AskForState(asked, minimised);
        PumpEventsUntil(taken, 2000);
    }
    const auto inState = [&] {
        return InState(owner, state) && InState(modal, state) && owner.windowStates() == programState &&
               modal.windowStates() == programState;
    };
    if (!PumpEventsUntil(inState, 5000))
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
        // The user reaches for a title bar once the window manager has made the window active.
        const auto active = [&] { return XWindowList(XProperties(nullptr, "_NET_ACTIVE_WINDOW")); };
        ASSERT_TRUE(PumpEventsUntil([&] { return active() == std::vector<unsigned long>{modalWindow.winId()}; }, 3000));
        const QWindow& minimised = modalMinimised ? modalWindow : *ownerWindow;
        const QWindow& broughtBack = modalMinimised ? *ownerWindow : modalWindow;
        EXPECT_TRUE(Settled(minimised, true, *ownerWindow, modalWindow));
        EXPECT_TRUE(Settled(broughtBack, false, *ownerWindow, modalWindow));
    });

    EXPECT_TRUE(seen.shown);
    EXPECT_TRUE(seen.modal);
    EXPECT_TRUE(seen.transientForOwner);
    EXPECT_TRUE(seen.keptAboveOwner);
    EXPECT_TRUE(PumpEventsUntil([&] { return InState(*ownerWindow, "Normal"); }, 3000))
        << "no window of the program on the screen";
    owner.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(UnderAWindowManager, MinimiseTogether, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& param) {
                             return param.param ? "DialogMinimised" : "OwnerMinimised";
                         });

} // namespace
