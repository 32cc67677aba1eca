// A modal window and its owner leave the screen and come back together under a window manager
// that draws a minimise box on every window (openbox), whichever of the two the user minimises
// and whichever the desktop brings back: the modal window stays modal, transient for its owner
// and above it, and once it ends its owner is on the screen.
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/MessageBox.h"
#include "TwoScreens.h"
#include "XProperties.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <tuple>

using platform::ui::PumpEventsUntil;

namespace {

constexpr UINT kMainWindow = 9421, kModalDialog = 9422;
constexpr unsigned kNormalState = 1, kIconicState = 3;

void RegisterDialog(UINT id, DWORD style)
{
    DialogTemplate dialog;
    dialog.id = id;
    dialog.caption = "设置日期范围";
    dialog.cx = 200;
    dialog.cy = 100;
    dialog.style = WS_CAPTION | WS_SYSMENU | style;
    dialog.controls = {{ControlClass::Button, IDCANCEL, "取消", 120, 70, 50, 14, BS_PUSHBUTTON}};
    RegisterDialogTemplate(dialog);
}

struct ModalKind {
    const char* name;
    std::function<void(CWnd& owner)> run;
};

const ModalKind kKinds[] = {
    {"TemplatedDialog",
     [](CWnd& owner) {
         CDialog dialog(kModalDialog, &owner);
         dialog.DoModal();
     }},
    {"MessageBox", [](CWnd& owner) { owner.MessageBox("无法保存文件", "Rorovavozir", MB_OK | MB_ICONSTOP); }},
    {"ColourDialog",
     [](CWnd& owner) {
         CColorDialog dialog(RGB(1, 2, 3), CC_FULLOPEN, &owner);
         dialog.DoModal();
     }},
};

void PrintTo(const ModalKind& kind, std::ostream* out)
{
    *out << kind.name;
}

// The user minimises this one; the desktop brings back the other.
enum class Minimised { TheModalWindow, TheOwner };

void PrintTo(Minimised minimised, std::ostream* out)
{
    *out << (minimised == Minimised::TheModalWindow ? "the modal window minimised" : "its owner minimised");
}

bool InState(const QWindow& window, const char* state)
{
    return XProperties(&window, "WM_STATE").find(std::string("window state: ") + state) != std::string::npos;
}

std::string Described(const QWindow& window)
{
    return XProperties(&window, "WM_STATE _NET_WM_STATE");
}

// Asks the window manager for a state of one window, and is true when both windows are in it for
// the window manager and for the program, and still so once the program has answered. openbox
// now and then lets a request pass unanswered just after the windows appear; a user would click
// again, and so does this.
bool Settled(const QWindow& asked, const char* type, unsigned request, const QWindow& owner, const QWindow& modal,
             const char* state, Qt::WindowStates programState)
{
    const auto taken = [&] { return InState(owner, state) || InState(modal, state); };
    for (int attempt = 0; attempt < 3 && !taken(); ++attempt) {
        AskWindowManager(asked, type, {request});
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

class MinimiseTogether : public ::testing::TestWithParam<std::tuple<ModalKind, Minimised>> {};

TEST_P(MinimiseTogether, AModalWindowAndItsOwnerLeaveAndComeBackTogether)
{
    if (TestDesktop() != "openbox-1600x1000")
        GTEST_SKIP() << "needs a window manager";
    const auto& [kind, minimised] = GetParam();
    RegisterDialog(kMainWindow, WS_MINIMIZEBOX);
    RegisterDialog(kModalDialog, 0);
    CDialog owner(kMainWindow);
    ASSERT_TRUE(owner.Create(kMainWindow));
    owner.ShowWindow(SW_SHOW);
    QWindow* ownerWindow = platform::ui::detail::WidgetOf(owner.m_hWnd)->windowHandle();
    ASSERT_TRUE(PumpEventsUntil([&] { return ownerWindow->isExposed(); }, 3000));

    bool seen = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = nullptr;
        ASSERT_TRUE(PumpEventsUntil(
            [&] { return (modal = QApplication::activeModalWidget()) && modal->windowHandle()->isExposed(); }, 3000));
        QWindow* modalWindow = modal->windowHandle();
        // The user reaches for a title bar once the window manager has made the window active.
        ASSERT_TRUE(PumpEventsUntil(
            [&] {
                return XWindowList(XProperties(nullptr, "_NET_ACTIVE_WINDOW")) ==
                       std::vector<unsigned long>{modalWindow->winId()};
            },
            3000));
        const bool modalMinimised = minimised == Minimised::TheModalWindow;
        EXPECT_TRUE(Settled(modalMinimised ? *modalWindow : *ownerWindow, "WM_CHANGE_STATE", kIconicState,
                            *ownerWindow, *modalWindow, "Iconic", Qt::WindowMinimized))
            << "owner " << Described(*ownerWindow) << "modal window " << Described(*modalWindow);

        EXPECT_TRUE(Settled(modalMinimised ? *ownerWindow : *modalWindow, "WM_CHANGE_STATE", kNormalState,
                            *ownerWindow, *modalWindow, "Normal", Qt::WindowNoState))
            << "owner " << Described(*ownerWindow) << "modal window " << Described(*modalWindow);
        // What the window manager keeps it modal, over its owner and above it by.
        EXPECT_NE(Described(*modalWindow).find("_NET_WM_STATE_MODAL"), std::string::npos);
        const auto transientFor = XWindowList(XProperties(modalWindow, "WM_TRANSIENT_FOR"));
        EXPECT_EQ(transientFor, std::vector<unsigned long>{ownerWindow->winId()});
        const auto stacking = XWindowList(XProperties(nullptr, "_NET_CLIENT_LIST_STACKING"));
        const auto ownerPlace = std::find(stacking.begin(), stacking.end(), ownerWindow->winId());
        EXPECT_LT(ownerPlace, std::find(ownerPlace, stacking.end(), modalWindow->winId())) << "the owner over it";
        seen = true;
        modal->close();
    });
    kind.run(owner);

    EXPECT_TRUE(seen);
    EXPECT_TRUE(PumpEventsUntil([&] { return InState(*ownerWindow, "Normal"); }, 3000))
        << "no window of the program on the screen: " << Described(*ownerWindow);
    owner.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(
    UnderAWindowManager, MinimiseTogether,
    ::testing::Combine(::testing::ValuesIn(kKinds), ::testing::Values(Minimised::TheModalWindow, Minimised::TheOwner)),
    [](const ::testing::TestParamInfo<std::tuple<ModalKind, Minimised>>& param) {
        return std::string(std::get<0>(param.param).name) +
               (std::get<1>(param.param) == Minimised::TheModalWindow ? "Minimised" : "WithItsOwnerMinimised");
    });

} // namespace
