// The welcome dialog (102) and the About dialog (100), alone and from the main window.
#include "AppFixture.h"
#include "app/AboutDlg.h"
#include "app/Form_SetWord.h"
#include "app/RorovavozirDlg.h"
#include "platform/Files.h"
#include "platform/ui/Menu.h"
#include "platform/ui/StandardControls.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/qt/WindowAccess.h"
#include "resources/DialogTemplates.h"

#include <QTest>
#include <QWindow>

namespace {

class WelcomeDialogTest : public AppTest {
protected:
    // Made in the program folder, as the program makes it: the icon loads from there.
    void Open()
    {
        dialog = std::make_unique<CRorovavozirDlg>();
        ASSERT_TRUE(dialog->Create(IDD_WELCOME));
    }
    void TearDown() override
    {
        dialog.reset();
        AppTest::TearDown();
    }
    CButton& Button(int id) { return *static_cast<CButton*>(dialog->GetDlgItem(id)); }
    // The size of the picture static 1164 shows; 0 x 0 for none.
    CSize PictureSize()
    {
        HBITMAP shown = static_cast<CStatic*>(dialog->GetDlgItem(IDC_START_PICTURE))->GetBitmap();
        BITMAP size;
        return shown && GetObject(shown, static_cast<int>(sizeof(BITMAP)), &size) ? CSize(size.bmWidth, size.bmHeight)
                                                                                 : CSize(0, 0);
    }
    std::unique_ptr<CRorovavozirDlg> dialog;
};

void ClickCommand(CWnd& window, int id)
{
    window.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED), 0);
}

} // namespace

TEST_F(WelcomeDialogTest, OpensOnTheFirstPictureWithItsTitleIconAndAboutItem)
{
    g_bStartShow = 1;
    Open();
    EXPECT_EQ(dialog->GetWindowText(), "Rorovavozir");
    EXPECT_NE(dialog->GetIcon(TRUE), nullptr);
    EXPECT_EQ(Button(IDC_RADIO_PICTURE_1).GetCheck(), BST_CHECKED);
    EXPECT_EQ(Button(IDC_CHECK_NO_SHOW).GetCheck(), BST_UNCHECKED);
    CRect area;
    dialog->GetDlgItem(IDC_START_PICTURE)->GetClientRect(&area);
    EXPECT_EQ(PictureSize(), CSize(area.Width(), area.Height())) << "the shipped picture fills its place";
    CMenu* menu = dialog->GetSystemMenu(FALSE);
    ASSERT_NE(menu, nullptr);
    const UINT count = menu->GetMenuItemCount();
    ASSERT_GE(count, 2u);
    EXPECT_EQ(menu->GetMenuItemID(static_cast<int>(count) - 2), 0u) << "a separator";
    EXPECT_EQ(menu->GetMenuItemID(static_cast<int>(count) - 1), IDM_ABOUTBOX);
    CString item;
    menu->GetMenuString(count - 1, item, MF_BYPOSITION);
    EXPECT_EQ(item, "关于 Rorovavozir(&A)...");
}

TEST_F(WelcomeDialogTest, RadiosShowTheirPicturesAndAMissingOneShowsNone)
{
    Open();
    platform::RemoveFile(File("config/pic/start/4.bmp"));
    ClickCommand(*dialog, IDC_RADIO_PICTURE_5);
    EXPECT_NE(PictureSize(), CSize(0, 0)) << "config/pic/start/5.bmp";
    ClickCommand(*dialog, IDC_RADIO_PICTURE_1 + 3);
    EXPECT_EQ(PictureSize(), CSize(0, 0));
}

TEST_F(WelcomeDialogTest, TheSwitchWritesStartShowAtOnceAndNextWritesItAgain)
{
    g_bStartShow = 0;
    Open();
    EXPECT_EQ(Button(IDC_CHECK_NO_SHOW).GetCheck(), BST_CHECKED);
    Button(IDC_CHECK_NO_SHOW).SetCheck(BST_UNCHECKED);
    ClickCommand(*dialog, IDC_CHECK_NO_SHOW);
    EXPECT_EQ(Ini(ConfigPathIni(), "Main", "StartShow"), "1");
    Button(IDC_CHECK_NO_SHOW).SetCheck(BST_CHECKED);
    ClickCommand(*dialog, IDC_CHECK_NO_SHOW);
    EXPECT_EQ(Ini(ConfigPathIni(), "Main", "StartShow"), "0");
    platform::RemoveFile(ConfigPathIni());
    ClickCommand(*dialog, IDC_BUTTON_NEXT);
    EXPECT_EQ(Ini(ConfigPathIni(), "Main", "StartShow"), "0");
}

TEST_F(WelcomeDialogTest, TheSystemMenusItemAndTheButtonOpenAbout)
{
    Open();
    std::vector<std::string> versions;
    const auto readAbout = [&](DialogProbe& p) {
        versions.push_back(p.Item(IDC_ABOUT_VERSION)->GetWindowText().str());
        EXPECT_EQ(p.Item(IDC_ABOUT_TIP)->GetWindowText(),
                  "Tips: If you want to open *.docx quickly, Please 'Save as' Word document(*.doc) file.");
        EXPECT_EQ(p.Item(IDC_ABOUT_LINK)->GetWindowText(), kMakerPage);
        EXPECT_EQ(p.Dialog().GetWindowText(), "关于Rorovavozir");
        p.Click(IDOK);
    };
    driver->Expect(IDD_ABOUTBOX, readAbout);
    driver->Expect(IDD_ABOUTBOX, readAbout);
    dialog->SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX);
    ClickCommand(*dialog, IDC_BUTTON_ABOUT);
    EXPECT_EQ(versions, (std::vector<std::string>(2, "Version:1.9.4 (2013年08月03日)")));
}

TEST_F(WelcomeDialogTest, AClickOnTheAboutLinkOpensTheMakersPage)
{
    driver->Expect(IDD_ABOUTBOX, [](DialogProbe& p) {
        CWnd* link = p.Item(IDC_ABOUT_LINK);
        p.Dialog().SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ABOUT_LINK, STN_CLICKED), reinterpret_cast<LPARAM>(link->m_hWnd));
        p.Click(IDOK);
    });
    CAboutDlg().DoModal();
    EXPECT_EQ(opened, std::vector<std::string>{kMakerPage});
}

TEST_F(AppTest, TheMainWindowsHelpAndAboutButtonsOpenTheirDialogs)
{
    CForm_SetWord window;
    ASSERT_TRUE(window.Create(IDD_FORM_SETWORD));
    EXPECT_NE(window.GetIcon(TRUE), nullptr) << "icon 185";
    driver->Expect(IDD_WELCOME, [](DialogProbe& p) { p.Click(IDC_BUTTON_NEXT); });
    driver->Expect(IDD_ABOUTBOX, [](DialogProbe& p) { p.Click(IDOK); });
    ClickCommand(window, static_cast<int>(ID_TOOLBAR_HELP));
    ClickCommand(window, static_cast<int>(ID_TOOLBAR_ABOUT));
    EXPECT_EQ(driver->Ran(), (std::vector<UINT>{IDD_WELCOME, IDD_ABOUTBOX}));
}

// The desktop keeps Alt+Space for its own menu: a right click on the start picture opens the
// dialog's system menu, whose About item opens About.
TEST_F(WelcomeDialogTest, ARightClickOnThePictureOffersTheSystemMenuWithAbout)
{
    Open();
    dialog->ShowWindow(SW_SHOW);
    platform::ui::PopupMenuRecorder menus;
    menus.Choose(IDM_ABOUTBOX);
    int abouts = 0;
    driver->Expect(IDD_ABOUTBOX, [&](DialogProbe& p) {
        ++abouts;
        p.Click(IDOK);
    });
    QWidget* picture = platform::ui::detail::WidgetOf(dialog->GetDlgItem(IDC_START_PICTURE)->m_hWnd);
    QTest::mouseClick(picture->window()->windowHandle(), Qt::RightButton, Qt::NoModifier,
                      picture->mapTo(picture->window(), QPoint(10, 10)));
    ASSERT_EQ(menus.Shown().size(), 1u);
    EXPECT_EQ(menus.Shown()[0].back(), "关于 Rorovavozir(&A)...");
    EXPECT_EQ(abouts, 1);
}
