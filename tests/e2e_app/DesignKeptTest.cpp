// What the user made survives a desktop where writes fail: a path file that cannot be written,
// a save target in a folder that is not there. The program runs as its entry starts it and is
// driven as a user would; the files on disk are the judge.
#include "app/Form_SetWord.h"
#include "app/RorovavozirApp.h"
#include "app/window/AppFixture.h"
#include "platform/Files.h"
#include "support/FileSizeLimit.h"

#include <cstring>
#include <functional>

namespace {

constexpr const char* kOtherDesign = "[Main]\r\nMonth_Start=3\r\nDay_Start=1\r\nMonth_End=3\r\nDay_End=2\r\nDay_Format=%d\r\n"
                                     "Title=Other\r\n[LIST0]\r\nCOL_ID=1\r\nCOL_CLASS_TITLE=Only\r\n";

// December to February, which loads as no range.
constexpr const char* kWithoutRange = "[Main]\r\nMonth_Start=12\r\nDay_Start=1\r\nMonth_End=2\r\nDay_End=1\r\n";

// Esc and the close box (as the desktop closes it too): the closes that keep the process.
const struct {
    const char* name;
    void (*close)(DialogProbe&);
} kWindowCloses[] = {{"Esc", [](DialogProbe& p) { p.PressEscape(); }},
                     {"close box", [](DialogProbe& p) { p.PressCloseBox(); }}};

class DesignKeptTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        Write("ZaDuzed_Simple.ini", PreparedConfig());
        Write("other.ini", kOtherDesign);
    }
    void Run(const std::function<void(CForm_SetWord&, DialogProbe&)>& use)
    {
        driver->Expect(IDD_FORM_SETWORD, [&](DialogProbe& p) { use(dynamic_cast<CForm_SetWord&>(p.Dialog()), p); });
        CRorovavozirApp app;
        EXPECT_FALSE(app.InitInstance());
    }
    static void Command(CWnd& window, UINT id) { window.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED), 0); }
    static platform::ui::ModalHandler SaveAs(const std::string& path)
    {
        return [path](DialogProbe& save) {
            save.Type(IDC_CONFIG_PATH, path.c_str());
            save.Click(IDC_CONFIG_OK);
        };
    }
    void ExpectProposed(const std::string& path)
    {
        driver->Expect(IDD_SAVE_CONFIG, [path](DialogProbe& save) {
            EXPECT_EQ(save.Item(IDC_CONFIG_PATH)->GetWindowText(), path);
            save.Click(IDC_CONFIG_CANCEL);
        });
    }
    std::string Current() const { return File("ZaDuzed_Simple.ini"); }
    std::string Unwritable() const { return File("no such folder/design.ini"); }
    std::string FailedSave(const std::string& file) const
    {
        return "无法保存文件 '" + file + "'。\n" + std::strerror(file == ConfigPathIni() ? EFBIG : ENOENT);
    }
};

} // namespace

TEST_F(DesignKeptTest, AnOpenedDesignStaysOnItsOwnFileWhenThePathFileCannotTakeIt)
{
    Run([&](CForm_SetWord& window, DialogProbe& p) {
        driver->Expect(IDD_SELECT_CONFIG, [&](DialogProbe& open) {
            open.Type(IDC_CONFIG_PATH, File("other.ini").c_str());
            open.Click(IDC_CONFIG_OK);
        });
        {
            FileSizeLimit full(16);
            Command(window, ID_TOOLBAR_OPEN);
        }
        EXPECT_EQ(p.Item(IDC_EDIT_TITLE)->GetWindowText(), "Other");
        EXPECT_EQ(window.GetWindowText(), "Rorovavozir 1.9.4  " + File("other.ini"));
        EXPECT_EQ(MessageTexts(), std::vector<std::string>{FailedSave(ConfigPathIni())}) << "told once";
        driver->Expect(IDD_SAVE_CONFIG, [&](DialogProbe& save) {
            EXPECT_EQ(save.Item(IDC_CONFIG_PATH)->GetWindowText(), File("other.ini"));
            save.Click(IDC_CONFIG_OK);
        });
        boxes->Answer(IDYES);
        Command(window, ID_TOOLBAR_SAVE);
        ExpectProposed(File("other.ini"));
        p.PressCloseBox();
    });
    EXPECT_EQ(Read("ZaDuzed_Simple.ini"), PreparedConfig()) << "the design opened before is not replaced";
    EXPECT_EQ(Ini(File("other.ini"), "Main", "Title"), "Other");
    EXPECT_EQ(Ini(ConfigPathIni(), "Main", "Config_Path"), File("other.ini"));
}

// Esc, the close box and a save the user declines.
TEST_F(DesignKeptTest, ClosingEndsOnlyAfterASaveOrTheUsersOwnChoice)
{
    for (const auto& close : kWindowCloses) {
        const std::string elsewhere = File(std::string(close.name) + ".ini");
        Run([&](CForm_SetWord&, DialogProbe& p) {
            p.Type(IDC_EDIT_TITLE, "Made today");
            driver->Expect(IDD_SAVE_CONFIG, SaveAs(Unwritable()));
            close.close(p);
            ASSERT_TRUE(p.IsOpen()) << close.name << ": a failed save keeps the window";
            EXPECT_EQ(MessageTexts().back(), FailedSave(Unwritable()));
            driver->Expect(IDD_SAVE_CONFIG, SaveAs(elsewhere));
            close.close(p);
        });
        EXPECT_EQ(Ini(elsewhere, "Main", "Title"), "Made today") << close.name;
        EXPECT_EQ(Ini(ConfigPathIni(), "Main", "Config_Path"), elsewhere) << close.name;
        CIniFile().WriteString(ConfigPathIni().c_str(), "Main", "Config_Path", Current().c_str());
        for (const int answer : {IDCANCEL, IDNO}) {
            Run([&](CForm_SetWord&, DialogProbe& p) {
                if (answer == IDCANCEL) {
                    ExpectProposed(Current());
                } else {
                    driver->Expect(IDD_SAVE_CONFIG, SaveAs(Current()));
                    boxes->Answer(IDNO);
                }
                close.close(p);
            });
        }
    }
    EXPECT_EQ(Read("ZaDuzed_Simple.ini"), PreparedConfig());
}

// Classes and a stored range that loads as not set: every close that saves tells why it cannot, as
// 保存 does, and keeps the window; 退出 ends without a save.
TEST_F(DesignKeptTest, AClosingWhoseSaveCannotHappenTellsWhyAndKeepsTheWindow)
{
    // With classes, and without: the file would keep classes the window no longer shows.
    for (const std::string& design : {std::string(kWithoutRange) + "[LIST0]\r\nCOL_ID=1\r\nCOL_CLASS_TITLE=Only\r\n",
                                     std::string(kWithoutRange)}) {
        Write("ZaDuzed_Simple.ini", design);
        CForm_SetWord window;
        ASSERT_TRUE(window.Create(IDD_FORM_SETWORD));
        window.ShowWindow(SW_SHOW);
        DialogProbe p(window);
        platform::ui::ExitCatcher catcher;
        for (const auto& close : kWindowCloses) {
            close.close(p);
            ASSERT_TRUE(window.IsWindowVisible()) << close.name;
        }
        EXPECT_NO_THROW(Command(window, ID_TOOLBAR_SAVE_EXIT));
        EXPECT_THROW(Command(window, ID_TOOLBAR_EXIT), platform::ui::ExitCaught);
        EXPECT_EQ(Read("ZaDuzed_Simple.ini"), design);
    }
    EXPECT_EQ(MessageTexts(), std::vector<std::string>(6, "Please click button : 'Settings' for month and date ."));
}

TEST_F(DesignKeptTest, SaveAndExitEndsTheProcessOnlyAfterASaveOrTheUsersOwnChoice)
{
    CForm_SetWord window;
    ASSERT_TRUE(window.Create(IDD_FORM_SETWORD));
    platform::ui::ExitCatcher catcher;
    driver->Expect(IDD_SAVE_CONFIG, SaveAs(Unwritable()));
    EXPECT_NO_THROW(Command(window, ID_TOOLBAR_SAVE_EXIT)) << "a failed save ends nothing";
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{FailedSave(Unwritable())});
    ExpectProposed(Current());
    EXPECT_THROW(Command(window, ID_TOOLBAR_SAVE_EXIT), platform::ui::ExitCaught) << "取消 ends the process";
}

// A save that failed, that the user would not let replace a file, or whose dialog was cancelled
// after a file was chosen leaves the design on the file its title shows, so the next save proposes
// that file and a cancel there keeps the path file naming it.
TEST_F(DesignKeptTest, ASaveThatDidNotHappenLeavesTheDesignOnTheFileItsTitleShows)
{
    const struct {
        const char* name;
        platform::ui::ModalHandler save;
        int answer;
    } saves[] = {
        {"failed", SaveAs(Unwritable()), IDOK},
        {"not replaced", SaveAs(File("other.ini")), IDNO},
        {"chosen, then cancelled",
         [](DialogProbe& save) {
             save.Click(IDC_SAVE_CHOOSE_FILE);
             save.Click(IDC_CONFIG_CANCEL);
         },
         IDOK},
    };
    commonDialogs->Answer({IDOK, File("other.ini")});
    Run([&](CForm_SetWord& window, DialogProbe& p) {
        for (const auto& save : saves) {
            driver->Expect(IDD_SAVE_CONFIG, save.save);
            boxes->Answer(save.answer);
            Command(window, ID_TOOLBAR_SAVE);
            EXPECT_EQ(g_strConfigPath, Current()) << save.name;
            EXPECT_EQ(window.GetWindowText(), "Rorovavozir 1.9.4  " + Current()) << save.name;
            ExpectProposed(Current());
            Command(window, ID_TOOLBAR_SAVE);
            EXPECT_EQ(Ini(ConfigPathIni(), "Main", "Config_Path"), Current()) << save.name;
        }
        ExpectProposed(Current());
        p.PressCloseBox();
    });
    EXPECT_EQ(Read("other.ini"), kOtherDesign);
    EXPECT_EQ(Read("ZaDuzed_Simple.ini"), PreparedConfig());
}

// 214 deleting the design's own file, then cancelled: the design has no file, and its title says
// so instead of naming the deleted one.
TEST_F(DesignKeptTest, ASaveCancelledAfterDeletingTheDesignsFileLeavesItWithoutOne)
{
    Run([&](CForm_SetWord& window, DialogProbe& p) {
        const CString withoutFile = [&] {
            window.SetTitleWithoutConfig();
            const CString title = window.GetWindowText();
            window.UpdateWindowTitle(Current().c_str());
            return title;
        }();
        boxes->Answer(IDYES);
        driver->Expect(IDD_SAVE_CONFIG, [&](DialogProbe& save) {
            ClickListRow(save.Dialog(), IDC_CONFIG_LIST, 0);
            ASSERT_EQ(save.Item(IDC_CONFIG_PATH)->GetWindowText(), Current());
            save.Click(IDC_SAVE_DELETE);
            save.Click(IDC_CONFIG_CANCEL);
        });
        Command(window, ID_TOOLBAR_SAVE);
        EXPECT_EQ(g_strConfigPath, "");
        EXPECT_EQ(window.GetWindowText(), withoutFile);
        ExpectProposed(File("NewDiary1.ini"));
        p.PressCloseBox();
    });
    EXPECT_EQ(Ini(ConfigPathIni(), "Main", "Config_Path"), "");
}

// A program folder that takes no write: the path file's failure is told once, however many of its
// values the session writes (the current path at a first start, the welcome switch, the list of
// known files, the output folder as the window closes).
TEST_F(DesignKeptTest, APathFileThatTakesNoWriteIsToldOnce)
{
    platform::RemoveFile(ConfigPathIni());
    FileSizeLimit full(16);
    driver->Expect(IDD_WELCOME, [](DialogProbe& p) {
        p.Click(IDC_CHECK_NO_SHOW);
        p.Click(IDC_BUTTON_NEXT);
    });
    Run([&](CForm_SetWord& window, DialogProbe& p) {
        EXPECT_EQ(window.GetWindowText(), "Rorovavozir 1.9.4  " + Current());
        ExpectProposed(Current());
        p.PressCloseBox();
    });
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{FailedSave(ConfigPathIni())});
}
