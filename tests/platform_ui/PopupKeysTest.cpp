// While a popup is open (a menu, a drop-down list, a popup the program made), its keys are its
// own: Return chooses the highlighted item and Esc closes that popup alone, the dialog under it
// untouched. Keys are given as the window system gives them, to the dialog's window.
#include "PopupDriving.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Menu.h"
#include "platform/ui/StandardControls.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/WndClass.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using platform::ui::detail::WidgetOf;

namespace {

constexpr UINT kKeysDialog = 9404;
constexpr int kTitle = 1001, kList = 1002, kButton = 1003;
constexpr UINT kItemMenu = 9405;
constexpr UINT kAbout = 16, kFirstItem = 501, kSecondItem = 502;

void RegisterKeysDialog()
{
    DialogTemplate dialog;
    dialog.id = kKeysDialog;
    dialog.cx = 200;
    dialog.cy = 100;
    dialog.style = WS_CAPTION | WS_SYSMENU;
    dialog.controls = {
        {ControlClass::Edit, kTitle, "", 10, 10, 80, 12, ES_AUTOHSCROLL | WS_TABSTOP},
        {ControlClass::ComboBox, kList, "", 10, 30, 80, 60, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
        {ControlClass::Button, kButton, "Press", 100, 10, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
        {ControlClass::Button, IDOK, "OK", 40, 80, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {ControlClass::Button, IDCANCEL, "取消", 100, 80, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
    };
    RegisterDialogTemplate(dialog);
    RegisterMenuTemplate(MenuTemplate{kItemMenu, {{{kFirstItem, "&First"}, {kSecondItem, "&Second"}}}});
}

// A popup the program makes itself, as the colour popup is: it ends on Return and on Esc.
class KeyPopup : public CWnd {
    RV_DECLARE_MESSAGE_MAP()
public:
    std::vector<UINT> keys;

private:
    void OnKey(UINT key, UINT, UINT)
    {
        keys.push_back(key);
        if (key == VK_RETURN || key == VK_ESCAPE)
            DestroyWindow();
    }
};

RV_MESSAGE_MAP(KeyPopup, CWnd, msgmap::KeyDown(&T::OnKey))

// Notes what reaches it: the dialog's ends, its commands and system commands.
class KeysDialog : public CDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    KeysDialog() : CDialog(kKeysDialog) {}

    std::vector<std::string> heard;
    KeyPopup popup;

    void OnOK() override { heard.push_back("OK"); }
    void OnCancel() override { heard.push_back("Cancel"); }

private:
    void OnItem(UINT id) { heard.push_back("item " + std::to_string(id)); }
    LRESULT OnSysCommand(WPARAM command, LPARAM)
    {
        heard.push_back("system " + std::to_string(command));
        return 0;
    }
};

RV_MESSAGE_MAP(KeysDialog, CDialog, msgmap::CommandRange(kFirstItem, kSecondItem, &T::OnItem),
               msgmap::Message(WM_SYSCOMMAND, &T::OnSysCommand))

// The menu key: the window system asks the focused control for its context menu.
void PressMenuKey()
{
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    const QPoint at = focus->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, at, focus->mapToGlobal(at));
    QCoreApplication::sendEvent(focus, &event);
}

std::string Heard(KeysDialog& dialog)
{
    std::string all;
    for (const std::string& one : dialog.heard)
        all += one + ";";
    return all;
}

std::string SelectedTitle(KeysDialog& dialog)
{
    return qobject_cast<QLineEdit*>(WidgetOf(dialog.GetDlgItem(kTitle)->m_hWnd))->selectedText().toStdString();
}

std::string ListChoice(KeysDialog& dialog)
{
    return qobject_cast<QComboBox*>(WidgetOf(dialog.GetDlgItem(kList)->m_hWnd))->currentText().toStdString();
}

// The popup closes itself on Esc as on Return, so closing shows it had the key.
std::string PopupKeysHeard(KeysDialog& dialog)
{
    const std::vector<UINT>& keys = dialog.popup.keys;
    return std::find(keys.begin(), keys.end(), VK_RETURN) != keys.end() ? "Return" : "";
}

struct PopupCase {
    std::string name;
    int focus;
    // Opens the popup from the dialog, as the user does.
    std::function<void(KeysDialog&)> open;
    // What the choice changes, and what it reads after Down then Return.
    std::function<std::string(KeysDialog&)> seen;
    std::string chosen;
};

void PrintTo(const PopupCase& popupCase, std::ostream* out)
{
    *out << popupCase.name;
}

// The dialog shown and active, the focus on a control.
template <typename Param>
class KeysDialogTest : public ::testing::TestWithParam<Param> {
protected:
    void Open(int focus)
    {
        RegisterKeysDialog();
        QGuiApplication::clipboard()->clear();
        ASSERT_TRUE(dialog.Create(kKeysDialog));
        widget = WidgetOf(dialog.m_hWnd);
        auto* list = static_cast<CComboBox*>(dialog.GetDlgItem(kList));
        list->AddString("one");
        list->AddString("two");
        list->SetCurSel(0);
        dialog.GetDlgItem(kTitle)->SetWindowText("My diary");
        widget->show();
        widget->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(widget));
        dialog.GetDlgItem(focus)->SetFocus();
    }
    void TearDown() override { dialog.DestroyWindow(); }

    KeysDialog dialog;
    QWidget* widget = nullptr;
};

class PopupKeys : public KeysDialogTest<PopupCase> {
protected:
    void SetUp() override { Open(GetParam().focus); }

    // Opens the popup and, once it is open, gives it the keys; true when the keys closed it. A
    // popup they leave open is closed after half a second, so that no test waits for ever.
    bool OpenAndPress(const std::vector<Qt::Key>& keys)
    {
        constexpr int kPatience = 50;
        PopupWatch watch([&](QWidget& popup, int looks) {
            if (looks == 0)
                for (Qt::Key key : keys)
                    Press(*widget, key);
            else if (looks > kPatience)
                popup.close();
        });
        GetParam().open(dialog);
        const bool closed =
            platform::ui::PumpEventsUntil([&] { return watch.Looks() > 0 && !QApplication::activePopupWidget(); });
        return closed && watch.Looks() <= kPatience;
    }
};

TEST_P(PopupKeys, ReturnChoosesTheHighlightedItem)
{
    ASSERT_TRUE(OpenAndPress({Qt::Key_Down, Qt::Key_Return}));
    EXPECT_EQ(GetParam().seen(dialog), GetParam().chosen);
    EXPECT_TRUE(widget->isVisible());
}

TEST_P(PopupKeys, EscClosesThePopupAloneAfterAnArrowKey)
{
    const std::string before = GetParam().seen(dialog);
    ASSERT_TRUE(OpenAndPress({Qt::Key_Down, Qt::Key_Escape}));
    EXPECT_EQ(GetParam().seen(dialog), before) << "nothing chosen";
    EXPECT_EQ(dialog.heard, std::vector<std::string>{}) << "the dialog ended under the popup";
    EXPECT_TRUE(widget->isVisible());
    EXPECT_EQ(dialog.GetDlgItem(kTitle)->GetWindowText(), "My diary");
}

INSTANTIATE_TEST_SUITE_P(
    EveryPopup, PopupKeys,
    ::testing::Values(
        PopupCase{"SystemMenuByShiftF10",
                  kButton,
                  [](KeysDialog& dialog) { Press(*WidgetOf(dialog.m_hWnd), Qt::Key_F10, Qt::ShiftModifier); },
                  Heard,
                  "system " + std::to_string(SC_CLOSE) + ";"},
        PopupCase{"SystemMenuByTheMenuKey",
                  kButton,
                  [](KeysDialog& dialog) {
                      dialog.GetSystemMenu(FALSE)->AppendMenu(MF_STRING, kAbout, "关于 Rorovavozir(&A)...");
                      PressMenuKey();
                  },
                  Heard,
                  "system " + std::to_string(SC_CLOSE) + ";"},
        PopupCase{"ContextMenu",
                  kButton,
                  [](KeysDialog& dialog) {
                      CMenu menu;
                      menu.LoadMenu(kItemMenu);
                      menu.GetSubMenu(0)->TrackPopupMenu(TPM_LEFTALIGN, 200, 200, &dialog);
                  },
                  Heard,
                  "item " + std::to_string(kFirstItem) + ";"},
        // With nothing on the clipboard, "Select All" is the edit menu's first item that is enabled.
        PopupCase{"EditsOwnMenu", kTitle, [](KeysDialog&) { PressMenuKey(); }, SelectedTitle, "My diary"},
        PopupCase{"DropDownList",
                  kList,
                  [](KeysDialog& dialog) { Press(*WidgetOf(dialog.m_hWnd), Qt::Key_Down, Qt::AltModifier); },
                  ListChoice,
                  "two"},
        PopupCase{"PopupOfTheProgram",
                  kButton,
                  [](KeysDialog& dialog) {
                      dialog.popup.CreateEx(0, AfxRegisterWndClass(0, nullptr, nullptr, nullptr), "",
                                            WS_POPUP | WS_VISIBLE, 300, 200, 80, 60, dialog.m_hWnd, 0);
                  },
                  PopupKeysHeard,
                  "Return"}),
    [](const ::testing::TestParamInfo<PopupCase>& param) { return param.param.name; });

// Shift+F10 is the keyboard's form of the menu key: the menu it opens is the one the menu key
// opens where the focus is, an edit's own menu in an edit, the dialog's system menu elsewhere.
class MenuKeys : public KeysDialogTest<int> {
protected:
    void SetUp() override { Open(GetParam()); }

    // The texts of the menu the keys open, which is then closed.
    static std::string MenuOpenedBy(const std::function<void()>& press)
    {
        std::string texts;
        PopupWatch watch([&](QWidget& popup, int) {
            for (const QAction* action : popup.actions())
                texts += action->text().toStdString() + ";";
            popup.close();
        });
        press();
        platform::ui::PumpEventsUntil([&] { return watch.Looks() > 0 && !QApplication::activePopupWidget(); });
        return texts;
    }
};

TEST_P(MenuKeys, ShiftF10OpensTheMenuTheMenuKeyOpens)
{
    const std::string systemMenu = "关闭(&C)\tAlt+F4;";
    const std::string byMenuKey = MenuOpenedBy(PressMenuKey);
    ASSERT_FALSE(byMenuKey.empty());
    EXPECT_EQ(byMenuKey == systemMenu, GetParam() != kTitle) << byMenuKey;
    EXPECT_EQ(MenuOpenedBy([&] { Press(*widget, Qt::Key_F10, Qt::ShiftModifier); }), byMenuKey);
    EXPECT_EQ(dialog.GetDlgItem(kTitle)->GetWindowText(), "My diary");
}

INSTANTIATE_TEST_SUITE_P(WhereTheFocusIs, MenuKeys, ::testing::Values(kTitle, kButton),
                         [](const ::testing::TestParamInfo<int>& param) {
                             return std::string(param.param == kTitle ? "InAnEdit" : "OnAButton");
                         });

} // namespace
