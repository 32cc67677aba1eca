// Windows opened for an owner stay with the owner's window: transient for it (what the desktop
// reads to place a window over another and keep it above it), modal to it, and the owner disabled
// while they run. A common dialog without a parent belongs to the active window, as the one that
// 214's "选择文件" opens; a popup given as the owner (the colour popup's colour dialog) stands for
// the window it belongs to; a window a menu's item opens belongs to the menu's window.
#include "DesktopView.h"
#include "PopupDriving.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/WndClass.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>
#include <string>

using platform::ui::detail::WidgetOf;

namespace {

constexpr UINT kOwnerDialog = 9401;
constexpr UINT kItemMenu = 9406;
constexpr UINT kAboutItem = 16, kMenuItem = 601;

void RegisterOwnerDialog()
{
    DialogTemplate dialog;
    dialog.id = kOwnerDialog;
    dialog.caption = "保存";
    dialog.cx = 200;
    dialog.cy = 100;
    dialog.style = WS_CAPTION | WS_SYSMENU;
    dialog.controls = {{ControlClass::Button, IDCANCEL, "取消", 120, 70, 50, 14, BS_PUSHBUTTON | WS_TABSTOP}};
    RegisterDialogTemplate(dialog);
    RegisterMenuTemplate(MenuTemplate{kItemMenu, {{{kMenuItem, "&Delete"}}}});
}

// Its system menu's About and its context menu's item open windows of their own, as the welcome
// dialog and the date format list do.
class OwnerDialog : public CDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    explicit OwnerDialog(CWnd* parent = nullptr) : CDialog(kOwnerDialog, parent) {}

private:
    LRESULT OnSysCommand(WPARAM command, LPARAM)
    {
        if (command == kAboutItem) {
            OwnerDialog about(this);
            about.DoModal();
        }
        return 0;
    }
    void OnMenuItem() { MessageBox("Delete the format?", "Question", MB_YESNO); }
};

RV_MESSAGE_MAP(OwnerDialog, CDialog, msgmap::Message(WM_SYSCOMMAND, &T::OnSysCommand),
               msgmap::Command(kMenuItem, &T::OnMenuItem))

// A popup of the program that, on Return, opens a window with itself as the owner, as the colour
// popup opens its colour dialog; it is hidden while the window runs.
class OpeningPopup : public CWnd {
    RV_DECLARE_MESSAGE_MAP()
public:
    explicit OpeningPopup(std::function<void(CWnd& popup)> open) : m_open(std::move(open)) {}

private:
    void OnKey(UINT key, UINT, UINT)
    {
        if (key != VK_RETURN)
            return;
        ReleaseCapture();
        m_open(*this);
        DestroyWindow();
    }
    std::function<void(CWnd&)> m_open;
};

RV_MESSAGE_MAP(OpeningPopup, CWnd, msgmap::KeyDown(&T::OnKey))

void FromAPopup(CWnd& owner, std::function<void(CWnd& popup)> open)
{
    OpeningPopup popup(std::move(open));
    ChooseInPopup(*WidgetOf(owner.m_hWnd),
                  [&] {
                      popup.CreateEx(0, AfxRegisterWndClass(0, nullptr, nullptr, nullptr), "", WS_POPUP | WS_VISIBLE,
                                     300, 200, 80, 60, owner.m_hWnd, 0);
                  },
                  {Qt::Key_Return});
}

// What the owner and the desktop see while the window runs.
struct WhileOpen {
    bool shown = false;
    bool ownerEnabled = true;
    DesktopView desktop;
};

struct OwnedCase {
    std::string name;
    std::function<void(CWnd& owner)> open;
};

void PrintTo(const OwnedCase& ownedCase, std::ostream* out)
{
    *out << ownedCase.name;
}

class OwnedWindows : public ::testing::TestWithParam<OwnedCase> {};

// The owner is a dialog the user is working in: shown and active.
TEST_P(OwnedWindows, StayOverTheirOwnerWhileItIsDisabled)
{
    RegisterOwnerDialog();
    OwnerDialog owner;
    ASSERT_TRUE(owner.Create(kOwnerDialog));
    QWidget* ownerWidget = WidgetOf(owner.m_hWnd);
    ownerWidget->show();
    ownerWidget->activateWindow();
    ASSERT_TRUE(platform::ui::PumpEventsUntil([&] { return QApplication::activeWindow() == ownerWidget; }, 2000));
    owner.GetDlgItem(IDCANCEL)->SetFocus();

    WhileOpen seen;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        watch.stop();
        seen.shown = true;
        seen.ownerEnabled = owner.IsWindowEnabled() != FALSE;
        seen.desktop = AsTheDesktopSees(*modal, *ownerWidget);
        modal->close();
    });
    watch.start(10);
    GetParam().open(owner);

    EXPECT_TRUE(seen.shown);
    EXPECT_FALSE(seen.ownerEnabled) << "the owner takes clicks under its dialog";
    EXPECT_TRUE(seen.desktop.transientForOwner) << "the desktop may put the dialog anywhere, and the owner over it";
    EXPECT_TRUE(seen.desktop.modal);
    EXPECT_TRUE(seen.desktop.keptAboveOwner) << "a click on the owner buries the dialog";
    EXPECT_TRUE(owner.IsWindowEnabled()) << "enabled again after";
    owner.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(
    CommonDialogsAndMessageBoxes, OwnedWindows,
    ::testing::Values(
        OwnedCase{"SaveAsWithoutAParent",
                  [](CWnd&) {
                      CFileDialog dialog(FALSE, "ini", "your_diary", 0, "ini(*.ini)|*.ini||");
                      dialog.m_ofn.lpstrTitle = "Sava As";
                      dialog.DoModal();
                  }},
        OwnedCase{"OpenWithItsOwner",
                  [](CWnd& owner) {
                      CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, "ini(*.ini,*.INI)|*.ini;*.INI||",
                                         &owner);
                      dialog.DoModal();
                  }},
        OwnedCase{"FolderBrowser",
                  [](CWnd& owner) {
                      CString chosen;
                      BrowseForFolder(&owner, "Please select path:", "/tmp", chosen);
                  }},
        OwnedCase{"ColourDialog",
                  [](CWnd& owner) {
                      CColorDialog dialog(RGB(1, 2, 3), CC_FULLOPEN | CC_ANYCOLOR, &owner);
                      dialog.DoModal();
                  }},
        OwnedCase{"MessageBox", [](CWnd& owner) { owner.MessageBox("Are you sure?", "Question", MB_YESNOCANCEL); }},
        // A control telling its own failure: its top-level window is the owner, as on Windows.
        OwnedCase{"MessageBoxOfAControl",
                  [](CWnd& owner) { owner.GetDlgItem(IDCANCEL)->MessageBox("Cannot open", "Error", MB_OK); }},
        OwnedCase{"ColourDialogOfAPopup",
                  [](CWnd& owner) {
                      FromAPopup(owner, [](CWnd& popup) {
                          CColorDialog dialog(RGB(1, 2, 3), CC_FULLOPEN | CC_ANYCOLOR, &popup);
                          dialog.DoModal();
                      });
                  }},
        OwnedCase{"MessageBoxOfAPopup",
                  [](CWnd& owner) {
                      FromAPopup(owner, [](CWnd& popup) { popup.MessageBox("More colores...", "Question", MB_OK); });
                  }},
        OwnedCase{"DialogOfAPopup",
                  [](CWnd& owner) {
                      FromAPopup(owner, [](CWnd& popup) {
                          OwnerDialog dialog(&popup);
                          dialog.DoModal();
                      });
                  }},
        OwnedCase{"AboutFromTheSystemMenu",
                  [](CWnd& owner) {
                      owner.GetSystemMenu(FALSE)->AppendMenu(MF_STRING, kAboutItem, "关于 Rorovavozir(&A)...");
                      QWidget& window = *WidgetOf(owner.m_hWnd);
                      ChooseInPopup(window, [&] { Press(window, Qt::Key_F10, Qt::ShiftModifier); },
                                    {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
                  }},
        OwnedCase{"MessageBoxFromAContextMenu",
                  [](CWnd& owner) {
                      CMenu menu;
                      menu.LoadMenu(kItemMenu);
                      ChooseInPopup(*WidgetOf(owner.m_hWnd),
                                    [&] { menu.GetSubMenu(0)->TrackPopupMenu(TPM_LEFTALIGN, 300, 200, &owner); },
                                    {Qt::Key_Down, Qt::Key_Return});
                  }}),
    [](const ::testing::TestParamInfo<OwnedCase>& param) { return param.param.name; });

// A templated dialog run modally is modal to its owner's window as well as transient for it.
TEST(OwnedWindows, ModalDialogIsModalToItsOwnersWindow)
{
    RegisterOwnerDialog();
    OwnerDialog owner;
    ASSERT_TRUE(owner.Create(kOwnerDialog));
    WidgetOf(owner.m_hWnd)->show();
    std::vector<std::string> failures;
    platform::ui::ModalDriver driver([&](const std::string& failure) { failures.push_back(failure); });
    OwnerDialog child(&owner);
    Qt::WindowModality modality = Qt::NonModal;
    QWindow* transientParent = nullptr;
    driver.Expect(kOwnerDialog, [&](platform::ui::DialogProbe& probe) {
        QWidget* widget = WidgetOf(child.m_hWnd);
        modality = widget->windowModality();
        transientParent = widget->windowHandle()->transientParent();
        probe.Click(IDCANCEL);
    });
    EXPECT_EQ(child.DoModal(), IDCANCEL);
    EXPECT_EQ(modality, Qt::WindowModal);
    EXPECT_EQ(transientParent, WidgetOf(owner.m_hWnd)->windowHandle());
    EXPECT_TRUE(failures.empty());
    owner.DestroyWindow();
}

} // namespace
