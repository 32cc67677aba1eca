// Popup windows made with CreateEx: their class, owner, place and background, the messages
// their input and the application's state become, and their end with their owner.
#include "HostDialog.h"
#include "platform/ui/DC.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/TestWindows.h"
#include "platform/ui/WndClass.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QTest>
#include <QWindow>
#include <QWidget>
#include <string>
#include <vector>

using platform::ui::detail::WidgetOf;

namespace {

std::vector<std::string> g_events;

class Popup : public CWnd {
    RV_DECLARE_MESSAGE_MAP()
public:
    LRESULT createResult = 0;
    bool deleteItself = false;
    std::vector<UINT> messages;
    std::vector<UINT> preTranslated;
    std::vector<WPARAM> activations;
    CPoint lastMouse;

    BOOL PreTranslateMessage(MSG* message) override
    {
        preTranslated.push_back(message->message);
        return FALSE;
    }
    void PostNcDestroy() override
    {
        g_events.push_back("popup gone");
        if (deleteItself)
            delete this;
    }

private:
    LRESULT OnCreate(WPARAM, LPARAM) { return createResult; }
    void OnDestroy() { g_events.push_back("popup destroyed"); }
    void OnMouse(UINT, CPoint point)
    {
        messages.push_back(WM_MOUSEMOVE);
        lastMouse = point;
    }
    void OnKey(UINT key, UINT, UINT) { messages.push_back(key); }
    void OnKillFocus(CWnd*) { messages.push_back(WM_KILLFOCUS); }
    LRESULT OnActivateApp(WPARAM active, LPARAM)
    {
        activations.push_back(active);
        return 0;
    }
};

RV_MESSAGE_MAP(Popup, CWnd,
               msgmap::Message(WM_CREATE, &T::OnCreate),
               msgmap::Simple(WM_DESTROY, &T::OnDestroy),
               msgmap::Mouse(WM_MOUSEMOVE, &T::OnMouse),
               msgmap::KeyDown(&T::OnKey),
               msgmap::Focus(WM_KILLFOCUS, &T::OnKillFocus),
               msgmap::Message(WM_ACTIVATEAPP, &T::OnActivateApp))

class PopupTest : public HostDialogTest {
protected:
    void SetUp() override
    {
        HostDialogTest::SetUp();
        g_events.clear();
        windowClass = AfxRegisterWndClass(CS_SAVEBITS, nullptr, background, nullptr);
    }

    BOOL Make(Popup& popup, DWORD style = WS_POPUP | WS_VISIBLE)
    {
        return popup.CreateEx(0, windowClass, "", style, 300, 200, 80, 60, dialog.m_hWnd, 0);
    }

    CBrush background{RGB(10, 20, 30)};
    LPCTSTR windowClass = nullptr;
};

} // namespace

TEST_F(PopupTest, MadeOnlyAsAPopupOfARegisteredClass)
{
    Popup popup;
    EXPECT_FALSE(popup.CreateEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 10, 10, dialog.m_hWnd, 0));
    EXPECT_FALSE(Make(popup, WS_CHILD)) << "child windows come from their control's Create";
    {
        platform::ui::WindowCreationFailure failure;
        EXPECT_FALSE(Make(popup));
    }
    EXPECT_EQ(popup.m_hWnd, nullptr);
    ASSERT_TRUE(Make(popup));
    EXPECT_FALSE(Make(popup)) << "one window per object";
    EXPECT_EQ(AfxRegisterWndClass(CS_SAVEBITS, nullptr, background, nullptr), windowClass)
        << "the same class again";
}

TEST_F(PopupTest, AWindowThatRefusesItsCreationIsDestroyedAtOnce)
{
    Popup popup;
    popup.createResult = -1;
    EXPECT_FALSE(Make(popup));
    EXPECT_EQ(popup.m_hWnd, nullptr);
    EXPECT_EQ(g_events, (std::vector<std::string>{"popup destroyed", "popup gone"}));
}

TEST_F(PopupTest, BelongsToTheTopLevelWindowAndLiesWhereItWasPut)
{
    Popup popup;
    ASSERT_TRUE(Make(popup));
    EXPECT_EQ(popup.GetParent(), &dialog);
    EXPECT_TRUE(popup.IsWindowVisible());
    EXPECT_EQ(popup.GetStyle() & WS_POPUP, WS_POPUP);
    CRect place;
    popup.GetWindowRect(&place);
    EXPECT_EQ(place, CRect(300, 200, 380, 260));
    EXPECT_EQ(platform::ui::CaptureWindow(popup).Pixel(40, 30), RGB(10, 20, 30)) << "erased with the class brush";
    // The toolkit's popup, tied to the dialog, which Qt must not close on its own: a press and a
    // release outside reach the popup, which decides.
    EXPECT_EQ(WidgetOf(popup.m_hWnd)->windowType(), Qt::Popup);
    EXPECT_EQ(WidgetOf(popup.m_hWnd)->windowHandle()->transientParent(), WidgetOf(dialog.m_hWnd)->windowHandle());
    QTest::mouseClick(WidgetOf(dialog.m_hWnd)->windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_TRUE(popup.IsWindowVisible());
}

TEST_F(PopupTest, ItsOwnerTakesItAlong)
{
    auto* popup = new Popup;
    popup->deleteItself = true;
    ASSERT_TRUE(Make(*popup));
    const HWND window = popup->m_hWnd;
    dialog.DestroyWindow();
    EXPECT_FALSE(CWnd::IsWindow(window));
    EXPECT_EQ(g_events, (std::vector<std::string>{"popup destroyed", "popup gone"}));
}

TEST_F(PopupTest, InputAnywhereGoesToThePopupHoldingTheCapture)
{
    Popup popup;
    ASSERT_TRUE(Make(popup));
    popup.SetCapture();
    platform::ui::SimulateMouse(dialog, WM_MOUSEMOVE, POINT{10, 20});
    ASSERT_EQ(popup.messages, std::vector<UINT>{WM_MOUSEMOVE}) << "no button held, still a move";
    CPoint expected(10, 20);
    dialog.ClientToScreen(&expected);
    popup.ScreenToClient(&expected);
    EXPECT_EQ(popup.lastMouse, expected);
    EXPECT_EQ(popup.preTranslated, std::vector<UINT>{WM_MOUSEMOVE});
    platform::ui::SimulateKey(popup, VK_DOWN);
    EXPECT_EQ(popup.messages.back(), VK_DOWN);
    ReleaseCapture();
}

TEST_F(PopupTest, LosingTheFocusAndTheApplicationBecomeMessages)
{
    Popup popup;
    ASSERT_TRUE(Make(popup));
    QFocusEvent out(QEvent::FocusOut);
    QCoreApplication::sendEvent(WidgetOf(popup.m_hWnd), &out);
    EXPECT_EQ(popup.messages, std::vector<UINT>{WM_KILLFOCUS});
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    emit qApp->applicationStateChanged(Qt::ApplicationHidden);
    emit qApp->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_TRUE(popup.activations.empty()) << "after the toolkit has handed the activation on";
    platform::ui::PumpEventsUntil([&] { return popup.activations.size() >= 2; });
    EXPECT_EQ(popup.activations, (std::vector<WPARAM>{FALSE, TRUE})) << "once for each change of activeness";
}
