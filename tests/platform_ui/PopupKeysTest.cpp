// While a popup is open (a menu, a drop-down list, a popup the program made), its keys are its
// own: Return chooses the highlighted item and Esc closes that popup alone, the dialog under it
// untouched. Keys are given as the window system gives them, to the dialog's window.
#include "PopupDriving.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Menu.h"
#include "platform/ui/StandardControls.h"
#include "platform/ui/WndClass.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using platform::ui::detail::WidgetOf;

namespace {

constexpr UINT kKeysDialog = 9404, kItemMenu = 9405;
constexpr int kTitle = 1001, kList = 1002, kButton = 1003;
constexpr UINT kFirstItem = 501, kSecondItem = 502;

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
    explicit KeyPopup(std::string& heard) : m_heard(heard) {}

private:
    void OnKey(UINT key, UINT, UINT)
    {
        if (key == VK_RETURN)
            m_heard += "popup Return;";
        if (key == VK_RETURN || key == VK_ESCAPE)
            DestroyWindow();
    }
    std::string& m_heard;
};

RV_MESSAGE_MAP(KeyPopup, CWnd, msgmap::KeyDown(&T::OnKey))

// Notes what reaches it: the dialog's ends, its commands and system commands.
class KeysDialog : public CDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    KeysDialog() : CDialog(kKeysDialog) {}

    std::string heard;
    KeyPopup popup{heard};

    void OnOK() override { heard += "OK;"; }
    void OnCancel() override { heard += "Cancel;"; }

private:
    void OnItem(UINT id) { heard += "item " + std::to_string(id) + ";"; }
    LRESULT OnSysCommand(WPARAM command, LPARAM)
    {
        heard += "system " + std::to_string(command) + ";";
        return 0;
    }
};

RV_MESSAGE_MAP(KeysDialog, CDialog, msgmap::CommandRange(kFirstItem, kSecondItem, &T::OnItem),
               msgmap::Message(WM_SYSCOMMAND, &T::OnSysCommand))

struct PopupCase {
    std::string name;
    int focus;
    std::function<void(KeysDialog&)> open;
    // What the choice changes, and what it reads after Down then Return.
    std::function<std::string(KeysDialog&)> seen;
    std::string chosen;
};

std::string Heard(KeysDialog& dialog)
{
    return dialog.heard;
}

void ShiftF10(KeysDialog& dialog)
{
    Press(*WidgetOf(dialog.m_hWnd), Qt::Key_F10, Qt::ShiftModifier);
}

class PopupKeys : public ::testing::TestWithParam<PopupCase> {
protected:
    // The dialog shown and active, the focus on the case's control.
    void SetUp() override
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
        dialog.GetDlgItem(GetParam().focus)->SetFocus();
    }
    void TearDown() override { dialog.DestroyWindow(); }

    bool OpenAndPress(Qt::Key key)
    {
        return PressInPopup(*widget, [&] { GetParam().open(dialog); }, {Qt::Key_Down, key});
    }

    KeysDialog dialog;
    QWidget* widget = nullptr;
};

TEST_P(PopupKeys, ReturnChoosesTheHighlightedItem)
{
    ASSERT_TRUE(OpenAndPress(Qt::Key_Return));
    EXPECT_EQ(GetParam().seen(dialog), GetParam().chosen);
    EXPECT_TRUE(widget->isVisible());
}

TEST_P(PopupKeys, EscClosesThePopupAloneAfterAnArrowKey)
{
    const std::string before = GetParam().seen(dialog);
    ASSERT_TRUE(OpenAndPress(Qt::Key_Escape));
    EXPECT_EQ(GetParam().seen(dialog), before) << "nothing chosen";
    EXPECT_EQ(dialog.heard, "") << "the dialog ended under the popup";
    EXPECT_TRUE(widget->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    EveryPopup, PopupKeys,
    ::testing::Values(
        PopupCase{"SystemMenuByShiftF10", kButton, ShiftF10, Heard, "system " + std::to_string(SC_CLOSE) + ";"},
        PopupCase{"ContextMenu", kButton,
                  [](KeysDialog& dialog) {
                      CMenu menu;
                      menu.LoadMenu(kItemMenu);
                      menu.GetSubMenu(0)->TrackPopupMenu(TPM_LEFTALIGN, 200, 200, &dialog);
                  },
                  Heard, "item " + std::to_string(kFirstItem) + ";"},
        // Shift+F10 in an edit opens the edit's own menu, whose first enabled item with nothing
        // on the clipboard is "Select All"; the system menu would close the dialog instead.
        PopupCase{"EditsOwnMenuByShiftF10", kTitle, ShiftF10,
                  [](KeysDialog& dialog) {
                      const auto* edit = qobject_cast<QLineEdit*>(WidgetOf(dialog.GetDlgItem(kTitle)->m_hWnd));
                      return edit->selectedText().toStdString();
                  },
                  "My diary"},
        PopupCase{"DropDownList", kList,
                  [](KeysDialog& dialog) { Press(*WidgetOf(dialog.m_hWnd), Qt::Key_Down, Qt::AltModifier); },
                  [](KeysDialog& dialog) {
                      const auto* list = qobject_cast<QComboBox*>(WidgetOf(dialog.GetDlgItem(kList)->m_hWnd));
                      return list->currentText().toStdString();
                  },
                  "two"},
        PopupCase{"PopupOfTheProgram", kButton,
                  [](KeysDialog& dialog) {
                      dialog.popup.CreateEx(0, AfxRegisterWndClass(0, nullptr, nullptr, nullptr), "",
                                            WS_POPUP | WS_VISIBLE, 300, 200, 80, 60, dialog.m_hWnd, 0);
                  },
                  Heard, "popup Return;"}),
    [](const ::testing::TestParamInfo<PopupCase>& param) { return param.param.name; });

} // namespace
