// While a popup is open (a menu, a drop-down list; the colour popup's tests cover one the program
// made), its keys are its own: Return chooses the highlighted item and Esc closes that popup alone,
// the dialog under it untouched. Keys are given as the window system gives them, to the window.
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/StandardControls.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>
#include <functional>
#include <string>

using platform::ui::detail::WidgetOf;

namespace {

constexpr UINT kKeysDialog = 9404;
constexpr int kTitle = 1001, kList = 1002, kButton = 1003;

void RegisterKeysDialog()
{
    RegisterDialogTemplate(
        {.id = kKeysDialog, .cx = 200, .cy = 100, .style = WS_CAPTION | WS_SYSMENU,
         .controls = {
             {ControlClass::Edit, kTitle, "My diary", 10, 10, 80, 12, ES_AUTOHSCROLL | WS_TABSTOP},
             {ControlClass::ComboBox, kList, "", 10, 30, 80, 60, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
             {ControlClass::Button, kButton, "Press", 100, 10, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
             {ControlClass::Button, IDOK, "OK", 40, 80, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
             {ControlClass::Button, IDCANCEL, "取消", 100, 80, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
         }});
}

// Notes the ends that reach it.
class KeysDialog : public CDialog {
public:
    KeysDialog() : CDialog(kKeysDialog) {}

    std::string heard;

    void OnOK() override { heard += "OK;"; }
    void OnCancel() override { heard += "Cancel;"; }
};

void Press(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(window.windowHandle(), key, modifiers);
}

// What the dialog heard, the edit's selection and the list's choice.
std::string Seen(KeysDialog& dialog)
{
    const auto* edit = qobject_cast<QLineEdit*>(WidgetOf(dialog.GetDlgItem(kTitle)->m_hWnd));
    const auto* list = qobject_cast<QComboBox*>(WidgetOf(dialog.GetDlgItem(kList)->m_hWnd));
    return dialog.heard + "|" + edit->selectedText().toStdString() + "|" + list->currentText().toStdString();
}

struct PopupCase {
    std::string name;
    int focus;
    std::function<void(KeysDialog&)> open;
    // What is seen after Down then Return.
    std::string chosen;
};

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
        widget->show();
        widget->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(widget, 30000));
        dialog.GetDlgItem(GetParam().focus)->SetFocus();
    }
    void TearDown() override { dialog.DestroyWindow(); }

    // Opens the popup and, once it is open (also inside a menu's loop), gives the dialog's window
    // Down and the key; true when they closed it. One they leave open is closed after half a second.
    bool OpenAndPress(Qt::Key key)
    {
        constexpr int kPatience = 50;
        int looks = 0;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            QWidget* popup = QApplication::activePopupWidget();
            if (popup && looks++ == 0) {
                Press(*widget, Qt::Key_Down);
                Press(*widget, key);
            } else if (popup && looks > kPatience)
                popup->close();
        });
        watch.start(10);
        GetParam().open(dialog);
        return platform::ui::PumpEventsUntil([&] { return looks > 0 && !QApplication::activePopupWidget(); }) &&
               looks <= kPatience;
    }

    KeysDialog dialog;
    QWidget* widget = nullptr;
};

TEST_P(PopupKeys, EscClosesThePopupAloneAndReturnChooses)
{
    ASSERT_TRUE(OpenAndPress(Qt::Key_Escape));
    EXPECT_EQ(Seen(dialog), "||one") << "Esc chose, or reached the dialog";
    ASSERT_TRUE(OpenAndPress(Qt::Key_Return));
    EXPECT_EQ(Seen(dialog), GetParam().chosen);
    EXPECT_TRUE(widget->isVisible());
}

const auto ShiftF10 = [](KeysDialog& dialog) { Press(*WidgetOf(dialog.m_hWnd), Qt::Key_F10, Qt::ShiftModifier); };

INSTANTIATE_TEST_SUITE_P(
    EveryPopup, PopupKeys,
    ::testing::Values(
        // The system menu's first item, 关闭, ends the dialog as a cancel.
        PopupCase{"SystemMenuByShiftF10", kButton, ShiftF10, "Cancel;||one"},
        // Shift+F10 in an edit opens the edit's own menu, whose first enabled item with nothing
        // on the clipboard is "Select All"; the system menu would close the dialog instead.
        PopupCase{"EditsOwnMenuByShiftF10", kTitle, ShiftF10, "|My diary|one"},
        PopupCase{"DropDownList", kList,
                  [](KeysDialog& dialog) { Press(*WidgetOf(dialog.m_hWnd), Qt::Key_Down, Qt::AltModifier); }, "||two"}),
    [](const ::testing::TestParamInfo<PopupCase>& param) { return param.param.name; });

} // namespace
