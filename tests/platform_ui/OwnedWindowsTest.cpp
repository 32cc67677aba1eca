// Windows opened for an owner stay with the owner's window: transient for it (what the desktop
// reads to place a window over another and keep it above it), modal to it, and the owner disabled
// while they run. A common dialog without a parent belongs to the active window, as the one that
// 214's "选择文件" opens.
#include "DesktopView.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QApplication>
#include <QTest>
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

// Its system menu's About and its context menu's item open windows of their own, as the welcome
// dialog and the date format list do.
class OwnerDialog : public CDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    explicit OwnerDialog(CWnd* parent = nullptr) : CDialog(kOwnerDialog, parent) {}

private:
    LRESULT OnSysCommand(WPARAM command, LPARAM)
    {
        if (command == kAboutItem)
            MessageBox("Rorovavozir", "关于", MB_OK);
        return 0;
    }
    void OnMenuItem() { MessageBox("Delete the format?", "Question", MB_YESNO); }
};

RV_MESSAGE_MAP(OwnerDialog, CDialog, msgmap::Message(WM_SYSCOMMAND, &T::OnSysCommand),
               msgmap::Command(kMenuItem, &T::OnMenuItem))

// Opens a menu of the owner and chooses in it with keys, as the window system gives them.
void ChooseInMenu(CWnd& owner, const std::function<void()>& open, std::vector<Qt::Key> keys)
{
    // Once the menu is open: keys before it would go to the owner.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!QApplication::activePopupWidget())
            return;
        watch.stop();
        for (Qt::Key key : keys)
            QTest::keyClick(WidgetOf(owner.m_hWnd)->windowHandle(), key);
    });
    watch.start(10);
    open();
}

void RegisterOwnerDialog()
{
    RegisterDialogTemplate({.id = kOwnerDialog, .caption = "保存", .cx = 200, .cy = 100, .style = WS_CAPTION | WS_SYSMENU,
                            .controls = {{ControlClass::Button, IDCANCEL, "取消", 120, 70, 50, 14, BS_PUSHBUTTON}}});
    RegisterMenuTemplate(MenuTemplate{kItemMenu, {{{kMenuItem, "&Delete"}}}});
}

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

    const DesktopView seen = WhileModalOver(owner, [&] { GetParam().open(owner); });
    EXPECT_TRUE(seen.shown);
    EXPECT_FALSE(seen.ownerEnabled) << "the owner takes clicks under its dialog";
    EXPECT_TRUE(seen.transientForOwner) << "the desktop may put the dialog anywhere, and the owner over it";
    EXPECT_TRUE(seen.modal);
    EXPECT_TRUE(seen.keptAboveOwner) << "a click on the owner buries the dialog";
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
        // Windows that a menu's item opens, the menu driven by keys.
        OwnedCase{"AboutFromTheSystemMenu",
                  [](CWnd& owner) {
                      owner.GetSystemMenu(FALSE)->AppendMenu(MF_STRING, kAboutItem, "关于 Rorovavozir(&A)...");
                      ChooseInMenu(owner, [&] { QTest::keyClick(WidgetOf(owner.m_hWnd)->windowHandle(), Qt::Key_F10, Qt::ShiftModifier); },
                                   {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
                  }},
        OwnedCase{"MessageBoxFromAContextMenu",
                  [](CWnd& owner) {
                      CMenu menu;
                      menu.LoadMenu(kItemMenu);
                      ChooseInMenu(owner, [&] { menu.GetSubMenu(0)->TrackPopupMenu(TPM_LEFTALIGN, 300, 200, &owner); },
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
