// What the main window starts on: the design the configuration path file names, a new design
// with its dates, after a load on no file, when it names none, and never a file that holds no
// design.
#include "AppFixture.h"
#include "app/Form_SetWord.h"
#include "platform/Profile.h"
#include "resources/DateDialogIds.h"
#include "settings/SettingsRecords.h"
#include "support/OtherUser.h"
#include "support/Utf16Bytes.h"

#include <cstring>
#include <filesystem>
#include <sys/stat.h>

namespace {

class StartUpTest : public AppTest {
protected:
    void Start()
    {
        window = std::make_unique<CForm_SetWord>();
        ASSERT_TRUE(window->Create(IDD_FORM_SETWORD));
    }
    void NamePath(const std::string& path) const
    {
        Write("config/config_path.ini", "[Main]\r\nConfig_Path=" + path + "\r\nStartShow=0\r\n");
    }
    // The date range dialog of a new design, looked at while it is open: the design is empty
    // and has no file. Cancelled.
    void ExpectNewDesignDates()
    {
        driver->Expect(IDD_SET_MONTH, [this](DialogProbe& p) {
            ++datesAsked;
            EXPECT_EQ(window->m_listClasses.GetItemCount(), 0);
            EXPECT_EQ(g_strConfigPath, "");
            EXPECT_EQ(window->GetWindowText(), "Rorovavozir 1.9.4 ");
            // The load ran first, on no file: what it makes of every key missing.
            EXPECT_EQ(g_strMonthsFontSize, "11");
            EXPECT_EQ(g_strDaysFontSize, "11");
            EXPECT_EQ(g_calendarStyle.week_bk_color, "808080");
            EXPECT_EQ(g_calendarStyle.day1To5_font_color, "3A5FCD");
            EXPECT_EQ(g_calendarStyle.line_type, "dotted");
            EXPECT_EQ(g_calendarStyle.font_name, "Microsoft Sans Serif");
            p.Click(IDC_SM_CANCEL);
        });
    }
    void TearDown() override
    {
        window.reset();
        AppTest::TearDown();
    }
    std::unique_ptr<CForm_SetWord> window;
    int datesAsked = 0;
};

} // namespace

TEST_F(StartUpTest, AStoredPathThatNamesNoDesignStartsANewDesignWithItsDates)
{
    Write("ZaDuzed_Simple.ini", PreparedConfig());
    for (const std::string& stored : {std::string(), File("deleted.ini")}) {
        SCOPED_TRACE(stored);
        NamePath(stored);
        ExpectNewDesignDates();
        const int asked = datesAsked;
        Start();
        EXPECT_EQ(datesAsked, asked + 1);
        EXPECT_EQ(Ini(ConfigPathIni(), "Main", "Config_Path"), stored) << "nothing else became current";
        EXPECT_TRUE(boxes->Shown().empty());
        window.reset();
    }
}

TEST_F(StartUpTest, ADesignThatCannotBeLoadedIsToldAndTheStartGoesOnWithANewDesign)
{
    const std::string design = PreparedConfig();
    const std::string notIni = "无法读取文件 '" + File("design.ini") + "'：它不是模板配置文件（INI 文本）。";
    const struct {
        const char* what;
        std::string bytes;
        std::string message;
    } cases[] = {
        {"larger than the bound", design + std::string(platform::kMaxProfileFileBytes, ';'),
         "无法读取文件 '" + File("design.ini") + "'：它大于 4 MB，不是模板配置文件。"},
        {"UTF-16 without its mark", Utf16Bytes(design, false, false), notIni},
        {"UTF-16 without its mark, big-endian", Utf16Bytes(design, true, false), notIni},
        {"a NUL before the first section", std::string("\0\r\n", 3) + design, notIni},
        {"a second byte order mark", "\xEF\xBB\xBF\xEF\xBB\xBF" + design, notIni},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Write("design.ini", c.bytes);
        NamePath(File("design.ini"));
        ExpectNewDesignDates();
        const size_t shown = boxes->Shown().size();
        const int asked = datesAsked;
        Start();
        ASSERT_EQ(boxes->Shown().size(), shown + 1);
        EXPECT_EQ(boxes->Shown().back().text, c.message);
        EXPECT_EQ(boxes->Shown().back().caption, "打开模板");
        EXPECT_EQ(datesAsked, asked + 1);
        EXPECT_TRUE(Read("design.ini") == c.bytes) << "the file is as it was";
        EXPECT_EQ(Ini(ConfigPathIni(), "Main", "Config_Path"), File("design.ini"))
            << "still named, for a start after the file is mended";
        window.reset();
    }

    std::filesystem::create_directory(File("folder.ini"));
    NamePath(File("folder.ini"));
    ExpectNewDesignDates();
    Start();
    ASSERT_FALSE(boxes->Shown().empty());
    EXPECT_EQ(boxes->Shown().back().text, "无法读取文件 '" + File("folder.ini") + "'。\n" + std::strerror(EISDIR));
}

// A file that holds no design, and one removed (by another user, from a share) between its pick
// in the open dialog and 确定, are told; the design in the window keeps its file.
TEST_F(StartUpTest, OpeningAFileThatHoldsNoDesignKeepsTheDesignInTheWindow)
{
    Write("ZaDuzed_Simple.ini", PreparedConfig());
    Write("config/wide.ini", Utf16Bytes("[Main]\r\nTitle=Wide\r\n", false, false));
    Write("gone.ini", "[Main]\r\nTitle=Gone\r\n");
    NamePath(File("ZaDuzed_Simple.ini"));
    Start();
    const struct {
        std::string file;
        bool removedAfterPick;
        std::string told;
    } cases[] = {
        {File("config/wide.ini"), false,
         "无法读取文件 '" + File("config/wide.ini") + "'：它不是模板配置文件（INI 文本）。"},
        {File("gone.ini"), true, "无法读取文件 '" + File("gone.ini") + "'。\n" + std::strerror(ENOENT)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const size_t toldBefore = MessageTexts().size();
        driver->Expect(IDD_SELECT_CONFIG, [&](DialogProbe& p) {
            auto& list = *static_cast<CListCtrl*>(p.Item(IDC_CONFIG_LIST));
            for (int row = 0; row < list.GetItemCount(); ++row)
                if (list.GetItemText(row, 2) == c.file.c_str())
                    ClickListRow(p.Dialog(), IDC_CONFIG_LIST, row);
            if (!c.removedAfterPick)
                p.Type(IDC_CONFIG_PATH, c.file.c_str());
            ASSERT_EQ(p.Item(IDC_CONFIG_PATH)->GetWindowText(), c.file.c_str());
            if (c.removedAfterPick)
                std::filesystem::remove(c.file);
            p.Click(IDC_CONFIG_OK);
        });
        window->SendMessage(WM_COMMAND, MAKEWPARAM(ID_TOOLBAR_OPEN, BN_CLICKED), 0);
        const std::vector<std::string> told = MessageTexts();
        EXPECT_EQ(std::vector<std::string>(told.begin() + static_cast<std::ptrdiff_t>(toldBefore), told.end()),
                  std::vector<std::string>{c.told});
        EXPECT_EQ(window->m_listClasses.GetItemCount(), 3);
        EXPECT_EQ(window->GetDlgItem(IDC_EDIT_TITLE)->GetWindowText(), "Prepared");
        EXPECT_EQ(g_strConfigPath, File("ZaDuzed_Simple.ini"));
        EXPECT_EQ(Ini(ConfigPathIni(), "Main", "Config_Path"), File("ZaDuzed_Simple.ini"));
        EXPECT_NE(window->GetWindowText().Find(File("ZaDuzed_Simple.ini").c_str()), -1) << "the title";
    }
}

// A path file and a design that a Windows editor saved as "Unicode" are read as the text they are.
TEST_F(StartUpTest, APathFileAndADesignSavedAsUnicodeStartAsWritten)
{
    for (const bool bigEndian : {false, true}) {
        SCOPED_TRACE(bigEndian ? "big-endian" : "little-endian");
        Write("design.ini", Utf16Bytes(PreparedConfig(), bigEndian));
        Write("config/config_path.ini",
              Utf16Bytes("[Main]\r\nConfig_Path=" + File("design.ini") + "\r\nStartShow=0\r\n", bigEndian));
        Start();
        EXPECT_TRUE(boxes->Shown().empty());
        EXPECT_EQ(g_strConfigPath, File("design.ini"));
        EXPECT_EQ(window->m_listClasses.GetItemCount(), 3);
        EXPECT_EQ(window->GetDlgItem(IDC_EDIT_TITLE)->GetWindowText(), "Prepared");
        EXPECT_EQ(window->m_listClasses.GetItemText(0, kCellTitle), "工作");
        window.reset();
    }
}

// Automatic writes never replace a path file that could not be read: it stays byte for byte.
TEST_F(StartUpTest, APathFileThatCouldNotBeReadIsNeverRewritten)
{
    const std::string paths = "[Main]\r\nConfig_Path=" + File("ZaDuzed_Simple.ini") + "\r\nStartShow=0\r\n";
    Write("ZaDuzed_Simple.ini", PreparedConfig());
    for (const std::string& unread : {Utf16Bytes(paths, false, false), paths + std::string(platform::kMaxProfileFileBytes, ';')}) {
        Write("config/config_path.ini", unread);
        driver->Expect(IDD_WELCOME, [](DialogProbe& p) { p.Click(IDC_BUTTON_NEXT); });
        Start();
        driver->Expect(IDD_SELECT_CONFIG, [&](DialogProbe& p) {
            p.Type(IDC_CONFIG_PATH, File("ZaDuzed_Simple.ini").c_str());
            p.Click(IDC_CONFIG_OK);
        });
        window->SendMessage(WM_COMMAND, MAKEWPARAM(ID_TOOLBAR_OPEN, BN_CLICKED), 0);
        EXPECT_EQ(window->m_listClasses.GetItemCount(), 3) << "opened";
        window.reset();
        EXPECT_TRUE(Read("config/config_path.ini") == unread) << "the file is as it was";
    }
}

// The program folder shared with a group (setgid, no sticky bit): another member put a link to
// the user's private INI file at the path file's name, or moved there a link the user made for
// something else. The start reads nothing through it and writes the path file in its place, with
// nothing of the private file in it; that file stays whole and private.
TEST_F(StartUpTest, AStartReadsAndWritesNothingThroughALinkAnotherMemberCouldHavePut)
{
    if (!CanActAsAnotherUser())
        GTEST_SKIP() << "only root can act as another user";
    const std::string secret = "[Main]\r\nConfig_Path=" + File("home/secret.ini") + "\r\nStartShow=0\r\n"
                               "[Notes]\r\nKept=precious\r\nPassword=hunter2\r\n";
    Write("ZaDuzed_Simple.ini", PreparedConfig());
    std::filesystem::create_directory(File("home"));
    Write("home/secret.ini", PreparedConfig());
    ASSERT_EQ(::chmod(File("").c_str(), 0755), 0);
    ASSERT_EQ(::chown(File("config").c_str(), 0, kOtherGroup), 0);
    ASSERT_EQ(::chmod(File("config").c_str(), 02775), 0);
    ASSERT_EQ(::chmod(File("home").c_str(), 0700), 0);
    for (const bool madeByTheUser : {false, true}) {
        SCOPED_TRACE(madeByTheUser ? "the user's own link, moved there" : "another member's link");
        Write("home/mine.ini", secret);
        ASSERT_EQ(::chmod(File("home/mine.ini").c_str(), 0600), 0);
        std::filesystem::remove(ConfigPathIni());
        if (madeByTheUser)
            std::filesystem::create_symlink(File("home/mine.ini"), File("config/made_for_something_else"));
        ASSERT_EQ(AsOtherUser([&] {
                      return madeByTheUser ? ::rename(File("config/made_for_something_else").c_str(), ConfigPathIni().c_str()) == 0
                                           : ::symlink(File("home/mine.ini").c_str(), ConfigPathIni().c_str()) == 0;
                  }),
                  0);
        // Not read: no StartShow=0, so the welcome shows.
        driver->Expect(IDD_WELCOME, [](DialogProbe& p) { p.Click(IDC_BUTTON_NEXT); });
        Start();
        EXPECT_EQ(g_strConfigPath, File("ZaDuzed_Simple.ini"));
        EXPECT_FALSE(std::filesystem::is_symlink(ConfigPathIni()));
        const std::string written = Read("config/config_path.ini");
        EXPECT_EQ(written.find("precious"), std::string::npos) << written;
        EXPECT_EQ(written.find("hunter2"), std::string::npos) << written;
        EXPECT_EQ(written.find("secret"), std::string::npos) << written;
        EXPECT_EQ(Read("home/mine.ini"), secret);
        struct stat info {};
        ASSERT_EQ(::stat(File("home/mine.ini").c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, 0600u);
        EXPECT_TRUE(boxes->Shown().empty());
        window.reset();
    }
}

// In a folder the user shares with a group, another member put a link to the user's private
// design, at the design's name or as a folder on its way. Neither a start nor 打开模板 takes a
// design through it (at the end it read as no file: an empty design under that name): the user is
// told why, and the window keeps what it had, at start the blank design without that file.
TEST_F(StartUpTest, ADesignBehindALinkAnotherMemberCouldHavePutIsToldAndNeverTaken)
{
    if (!CanActAsAnotherUser())
        GTEST_SKIP() << "only root can act as another user";
    Write("ZaDuzed_Simple.ini", PreparedConfig());
    std::filesystem::create_directory(File("home"));
    std::filesystem::create_directory(File("shared"));
    Write("home/design.ini", "[Main]\r\nTitle=Private\r\n");
    ASSERT_EQ(::chmod(File("").c_str(), 0755), 0);
    ASSERT_EQ(::chmod(File("home").c_str(), 0700), 0);
    ASSERT_EQ(::chown(File("shared").c_str(), 0, kOtherGroup), 0);
    ASSERT_EQ(::chmod(File("shared").c_str(), 0775), 0);
    const char* const cases[][3] = {{"shared/design.ini", "home/design.ini", "shared/design.ini"},
                                    {"shared/designs", "home", "shared/designs/design.ini"}};
    for (const auto& [link, target, design] : cases) {
        SCOPED_TRACE(link);
        ASSERT_EQ(AsOtherUser([&] { return ::symlink(File(target).c_str(), File(link).c_str()) == 0; }), 0);
        const std::string told = "无法读取文件 '" + File(design) +
                                 "'。\n路径上有一个链接，放在别人也能写入的文件夹里，可能是别人放的；程序不跟随这样的链接。";
        NamePath(File(design));
        ExpectNewDesignDates();
        const int asked = datesAsked;
        size_t toldBefore = MessageTexts().size();
        Start();
        EXPECT_EQ(datesAsked, asked + 1) << "a new design";
        ASSERT_EQ(MessageTexts().size(), toldBefore + 1);
        EXPECT_EQ(MessageTexts().back(), told);
        window.reset();

        NamePath(File("ZaDuzed_Simple.ini"));
        Start();
        driver->Expect(IDD_SELECT_CONFIG, [&](DialogProbe& p) {
            p.Type(IDC_CONFIG_PATH, File(design).c_str());
            p.Click(IDC_CONFIG_OK);
        });
        toldBefore = MessageTexts().size();
        window->SendMessage(WM_COMMAND, MAKEWPARAM(ID_TOOLBAR_OPEN, BN_CLICKED), 0);
        ASSERT_EQ(MessageTexts().size(), toldBefore + 1);
        EXPECT_EQ(MessageTexts().back(), told);
        EXPECT_EQ(window->GetDlgItem(IDC_EDIT_TITLE)->GetWindowText(), "Prepared");
        EXPECT_EQ(g_strConfigPath, File("ZaDuzed_Simple.ini"));
        EXPECT_EQ(Ini(ConfigPathIni(), "Main", "Config_Path"), File("ZaDuzed_Simple.ini"));
        window.reset();
    }
}
