// The system menu of a window with WS_SYSMENU, the ways to open it, and its Close command.
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Menu.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr UINT kMenuDialog = 9401;
constexpr UINT kPlainDialog = 9402;

void Register(UINT id, DWORD style)
{
    DialogTemplate dialog;
    dialog.id = id;
    dialog.cx = 100;
    dialog.cy = 50;
    dialog.style = style;
    RegisterDialogTemplate(dialog);
}

// Writes down the system commands it gets.
class CommandDialog : public CDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    CommandDialog() : CDialog(kMenuDialog) {}
    std::vector<WPARAM> commands;

private:
    LRESULT OnSysCommand(WPARAM command, LPARAM)
    {
        commands.push_back(command);
        return 0;
    }
};

RV_MESSAGE_MAP(CommandDialog, CDialog, msgmap::Message(WM_SYSCOMMAND, &T::OnSysCommand))

} // namespace

TEST(SystemMenu, OnlyWindowsWithASystemMenuHaveOneAndItGrowsByAppends)
{
    Register(kMenuDialog, WS_CAPTION | WS_SYSMENU);
    Register(kPlainDialog, WS_CAPTION);
    CDialog plain(kPlainDialog);
    ASSERT_TRUE(plain.Create(kPlainDialog));
    EXPECT_EQ(plain.GetSystemMenu(FALSE), nullptr);

    CDialog dialog(kMenuDialog);
    ASSERT_TRUE(dialog.Create(kMenuDialog));
    CMenu* menu = dialog.GetSystemMenu(FALSE);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->GetMenuItemCount(), 1u);
    EXPECT_EQ(menu->GetMenuItemID(0), SC_CLOSE);
    EXPECT_TRUE(menu->AppendMenu(MF_SEPARATOR));
    EXPECT_TRUE(menu->AppendMenu(MF_STRING, 16, "About"));
    EXPECT_FALSE(menu->AppendMenu(MF_STRING, 17, nullptr)) << "an item needs a text";
    EXPECT_EQ(dialog.GetSystemMenu(FALSE)->GetMenuItemCount(), 3u) << "the same menu again";
    EXPECT_EQ(dialog.GetSystemMenu(TRUE), nullptr);
    EXPECT_EQ(dialog.GetSystemMenu(FALSE)->GetMenuItemCount(), 1u) << "reverted";
}

TEST(SystemMenu, CloseEndsAModalDialogAsTheCloseBoxDoes)
{
    Register(kMenuDialog, WS_CAPTION | WS_SYSMENU);
    std::vector<std::string> failures;
    platform::ui::ModalDriver driver([&](const std::string& failure) { failures.push_back(failure); });
    driver.Expect(kMenuDialog, [](platform::ui::DialogProbe& p) { p.Dialog().SendMessage(WM_SYSCOMMAND, SC_CLOSE); });
    CDialog dialog(kMenuDialog);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(failures.empty());
}

TEST(SystemMenu, AltSpaceShowsItAndTheChosenItemComesAsASystemCommand)
{
    Register(kMenuDialog, WS_CAPTION | WS_SYSMENU);
    CommandDialog dialog;
    ASSERT_TRUE(dialog.Create(kMenuDialog));
    dialog.GetSystemMenu(FALSE)->AppendMenu(MF_STRING, 16, "About");
    platform::ui::PopupMenuRecorder menus;
    menus.Choose(16);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::AltModifier);
    QCoreApplication::sendEvent(platform::ui::detail::WidgetOf(dialog.m_hWnd), &press);
    ASSERT_EQ(menus.Shown().size(), 1u);
    EXPECT_EQ(menus.Shown()[0], (std::vector<std::string>{"关闭(&C)\tAlt+F4", "About"}));
    EXPECT_EQ(dialog.commands, std::vector<WPARAM>{16});
}

// Desktops take Alt+Space and the title bar for their own menu: a right click where the dialog
// takes no input, the context-menu key and Shift+F10 open the system menu too.
TEST(SystemMenu, ARightClickOnTheDialogsFaceOrTheMenuKeysOpenIt)
{
    constexpr UINT kFaceDialog = 9403;
    constexpr int kButton = 1, kLabel = 2;
    DialogTemplate face;
    face.id = kFaceDialog;
    face.cx = 120;
    face.cy = 60;
    face.style = WS_CAPTION | WS_SYSMENU;
    face.controls = {{ControlClass::Button, kButton, "Press", 5, 5, 40, 14, BS_PUSHBUTTON | WS_TABSTOP},
                     {ControlClass::Static, kLabel, "A note", 5, 30, 60, 10, SS_LEFT}};
    RegisterDialogTemplate(face);
    CommandDialog dialog;
    ASSERT_TRUE(dialog.Create(kFaceDialog));
    dialog.ShowWindow(SW_SHOW);
    dialog.GetSystemMenu(FALSE)->AppendMenu(MF_STRING, 16, "About");
    QWidget* widget = platform::ui::detail::WidgetOf(dialog.m_hWnd);
    QWidget* button = platform::ui::detail::WidgetOf(dialog.GetDlgItem(kButton)->m_hWnd);
    QWidget* label = platform::ui::detail::WidgetOf(dialog.GetDlgItem(kLabel)->m_hWnd);
    const auto opens = [&](const std::function<void()>& act) {
        platform::ui::PopupMenuRecorder menus;
        menus.Choose(16);
        dialog.commands.clear();
        act();
        return menus.Shown().size() == 1 && dialog.commands == std::vector<WPARAM>{16};
    };
    const auto rightClick = [](QWidget* target, QPoint at) {
        return [target, at] { QTest::mouseClick(target->windowHandle() ? target->windowHandle() : target->window()->windowHandle(),
                                                Qt::RightButton, Qt::NoModifier, target->mapTo(target->window(), at)); };
    };
    EXPECT_TRUE(opens(rightClick(widget, QPoint(widget->width() - 5, widget->height() - 5)))) << "the dialog's face";
    EXPECT_TRUE(opens(rightClick(label, QPoint(3, 3)))) << "a label";
    EXPECT_FALSE(opens(rightClick(button, QPoint(3, 3)))) << "a button keeps its right click";
    EXPECT_TRUE(opens([&] {
        QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(0, 0), button->mapToGlobal(QPoint(0, 0)));
        QCoreApplication::sendEvent(button, &key);
    })) << "the context-menu key on the focused button";
    EXPECT_TRUE(opens([&] {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F10, Qt::ShiftModifier);
        QCoreApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : widget, &press);
    })) << "Shift+F10";
}
