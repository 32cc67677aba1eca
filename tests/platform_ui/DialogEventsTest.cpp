// What the desktop's events become for a dialog's windows, given as a user gives them: the
// default push button follows the focus and Enter clicks it; activation, a change of the
// desktop's colours, the mouse taken by a message box and an Alt key that no access key takes.
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/StandardControls.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QApplication>
#include <QPalette>
#include <QTest>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

using platform::ui::detail::WidgetOf;

namespace {

constexpr UINT kEventsDialog = 9004;
constexpr int kEdit = 1001, kCheck = 1002, kFirst = 1003, kSecond = 1004;

void RegisterEventsDialog(DWORD firstStyle)
{
    DialogTemplate dialog;
    dialog.id = kEventsDialog;
    dialog.cx = 200;
    dialog.cy = 100;
    dialog.style = WS_SYSMENU;
    dialog.controls = {
        {ControlClass::Edit, kEdit, "", 10, 10, 80, 12, ES_AUTOHSCROLL | WS_TABSTOP},
        {ControlClass::Button, kCheck, "Check", 10, 30, 60, 10, BS_AUTOCHECKBOX | WS_TABSTOP},
        {ControlClass::Button, kFirst, "&First", 100, 10, 50, 14, firstStyle | WS_TABSTOP},
        {ControlClass::Button, kSecond, "Second", 100, 30, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
        {ControlClass::Button, IDOK, "OK", 40, 80, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
    };
    RegisterDialogTemplate(dialog);
}

using Heard = std::pair<UINT, WPARAM>;

// A push button that notes the messages it is sent, then lets them have their default handling.
class Listener : public CButton {
    RV_DECLARE_MESSAGE_MAP()
public:
    std::vector<Heard> heard;

private:
    template <UINT Message>
    LRESULT Hear(WPARAM wParam, LPARAM)
    {
        heard.emplace_back(Message, wParam);
        return Default();
    }
};

RV_MESSAGE_MAP(Listener, CButton,
               msgmap::Message(WM_ACTIVATE, &T::Hear<WM_ACTIVATE>),
               msgmap::Message(WM_SYSCOLORCHANGE, &T::Hear<WM_SYSCOLORCHANGE>),
               msgmap::Message(WM_CANCELMODE, &T::Hear<WM_CANCELMODE>),
               msgmap::Message(WM_MENUCHAR, &T::Hear<WM_MENUCHAR>))

class EventsDialog : public CDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    EventsDialog() : CDialog(kEventsDialog) {}

    Listener second;
    std::vector<UINT> clicks;

    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, kSecond, second); }
    void OnOK() override { clicks.push_back(IDOK); }

private:
    void OnClick(UINT id) { clicks.push_back(id); }
};

RV_MESSAGE_MAP(EventsDialog, CDialog, msgmap::CommandRange(kFirst, kSecond, &T::OnClick))

bool Has(const std::vector<Heard>& heard, UINT message)
{
    for (const Heard& one : heard)
        if (one.first == message)
            return true;
    return false;
}

class DialogEventsTest : public ::testing::Test {
protected:
    void Open(EventsDialog& dialog, DWORD firstStyle = BS_DEFPUSHBUTTON)
    {
        RegisterEventsDialog(firstStyle);
        ASSERT_TRUE(dialog.Create(kEventsDialog));
        dialog.ShowWindow(SW_SHOW);
        QWidget* widget = WidgetOf(dialog.m_hWnd);
        widget->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(widget));
    }
    static void FocusOn(CDialog& dialog, int id)
    {
        dialog.GetDlgItem(id)->SetFocus();
        QCoreApplication::processEvents();
    }
    static void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }
    static DWORD TypeOf(CDialog& dialog, int id) { return dialog.GetDlgItem(id)->GetStyle() & BS_TYPEMASK; }
};

} // namespace

TEST_F(DialogEventsTest, TheDefaultPushButtonFollowsTheFocusAndEnterClicksIt)
{
    EventsDialog dialog;
    Open(dialog);
    FocusOn(dialog, kEdit);
    EXPECT_EQ(TypeOf(dialog, kFirst), BS_DEFPUSHBUTTON);
    Key(Qt::Key_Return);
    EXPECT_EQ(dialog.clicks, std::vector<UINT>{kFirst}) << "the template's default";

    FocusOn(dialog, kSecond);
    EXPECT_EQ(TypeOf(dialog, kSecond), BS_DEFPUSHBUTTON);
    EXPECT_EQ(TypeOf(dialog, kFirst), BS_PUSHBUTTON);
    Key(Qt::Key_Return);
    EXPECT_EQ(dialog.clicks.back(), static_cast<UINT>(kSecond));

    // Tab to the next control, a push button too, then onwards to one that is none.
    Key(Qt::Key_Tab);
    ASSERT_EQ(CWnd::GetFocus(), dialog.GetDlgItem(IDOK));
    EXPECT_EQ(TypeOf(dialog, IDOK), BS_DEFPUSHBUTTON);
    EXPECT_EQ(TypeOf(dialog, kSecond), BS_PUSHBUTTON);
    FocusOn(dialog, kCheck);
    EXPECT_EQ(TypeOf(dialog, kFirst), BS_DEFPUSHBUTTON) << "the dialog's default takes the role back";
    EXPECT_EQ(TypeOf(dialog, IDOK), BS_PUSHBUTTON);
    Key(Qt::Key_Return);
    EXPECT_EQ(dialog.clicks.back(), static_cast<UINT>(kFirst));

    dialog.GetDlgItem(kFirst)->EnableWindow(FALSE);
    Key(Qt::Key_Return);
    EXPECT_EQ(dialog.clicks.back(), static_cast<UINT>(IDOK)) << "a disabled default gives way to IDOK";
}

TEST_F(DialogEventsTest, WithoutADefaultButtonEnterIsOkAndNoButtonKeepsTheRole)
{
    EventsDialog dialog;
    Open(dialog, BS_PUSHBUTTON);
    FocusOn(dialog, kSecond);
    FocusOn(dialog, kEdit);
    EXPECT_EQ(TypeOf(dialog, kSecond), BS_PUSHBUTTON);
    Key(Qt::Key_Return);
    EXPECT_EQ(dialog.clicks, std::vector<UINT>{IDOK});
}

TEST_F(DialogEventsTest, ActivationReachesTheControlsOfTheWindow)
{
    EventsDialog dialog, other;
    Open(dialog);
    dialog.second.heard.clear();
    Open(other);
    ASSERT_TRUE(Has(dialog.second.heard, WM_ACTIVATE));
    EXPECT_EQ(dialog.second.heard.back(), Heard(WM_ACTIVATE, WA_INACTIVE));
    QWidget* widget = WidgetOf(dialog.m_hWnd);
    widget->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(widget));
    EXPECT_EQ(dialog.second.heard.back(), Heard(WM_ACTIVATE, WA_ACTIVE));
}

TEST_F(DialogEventsTest, AChangeOfTheDesktopsColoursReachesEveryWindow)
{
    EventsDialog dialog;
    Open(dialog);
    const QPalette before = QApplication::palette();
    QPalette changed = before;
    changed.setColor(QPalette::Window, Qt::darkBlue);
    QApplication::setPalette(changed);
    QCoreApplication::processEvents();
    QApplication::setPalette(before);
    QCoreApplication::processEvents();
    EXPECT_TRUE(Has(dialog.second.heard, WM_SYSCOLORCHANGE));
}

TEST_F(DialogEventsTest, AMessageBoxTakesTheMouseFromTheButtonHeldDown)
{
    EventsDialog dialog;
    Open(dialog);
    QWidget* button = WidgetOf(dialog.second.m_hWnd);
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    platform::ui::MessageBoxRecorder boxes;
    AfxMessageBox("interrupting");
    EXPECT_TRUE(Has(dialog.second.heard, WM_CANCELMODE));
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    EXPECT_TRUE(dialog.clicks.empty()) << "the button was let go of: its release clicks nothing";

    // Without a button held down nobody holds the mouse.
    dialog.second.heard.clear();
    AfxMessageBox("again");
    EXPECT_FALSE(Has(dialog.second.heard, WM_CANCELMODE));
}

TEST_F(DialogEventsTest, AnAltKeyThatNoAccessKeyTakesAsksTheFocusedWindow)
{
    EventsDialog dialog;
    Open(dialog);
    FocusOn(dialog, kSecond);
    Key(Qt::Key_F, Qt::AltModifier);
    platform::ui::PumpEventsUntil([&] { return !dialog.clicks.empty(); });
    EXPECT_EQ(dialog.clicks, std::vector<UINT>{kFirst}) << "the access key of \"&First\"";
    EXPECT_FALSE(Has(dialog.second.heard, WM_MENUCHAR));
    Key(Qt::Key_Q, Qt::AltModifier);
    ASSERT_FALSE(dialog.second.heard.empty());
    EXPECT_EQ(dialog.second.heard.back(), Heard(WM_MENUCHAR, MAKEWPARAM('q', MF_SYSMENU)));
}
