// The whole program, started as its entry starts it, in a fresh program folder each time; the
// main window and the dialogs it opens are driven as a user would.
#include "app/ConfigFileDialog.h"
#include "app/Form_SetWord.h"
#include "app/RorovavozirApp.h"
#include "app/window/AppFixture.h"
#include "platform/CodePage.h"
#include "platform/Files.h"
#include "platform/IniLines.h"
#include "settings/ClassListModel.h"

#include <functional>
#include <map>
#include <set>
#include <sstream>

namespace {

using Sections = std::map<std::string, std::map<std::string, std::string>>;

// The sections and keys of an INI text, values without surrounding blanks as a reader sees them.
Sections ParseIni(const std::string& text)
{
    Sections sections;
    std::istringstream lines(text);
    std::string line, section;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() > 2 && line.front() == '[' && line.back() == ']')
            section = line.substr(1, line.size() - 2);
        else if (const size_t equals = line.find('='); equals != std::string::npos)
        {
            const std::string value = line.substr(equals + 1);
            const size_t first = value.find_first_not_of(' ');
            sections[section][line.substr(0, equals)] =
                first == std::string::npos ? "" : value.substr(first, value.find_last_not_of(' ') - first + 1);
        }
    }
    return sections;
}

class ProgramTest : public AppTest {
protected:
    // Starts the program; the main window is handed to the test once its start-up is done.
    void Run(const std::function<void(CForm_SetWord&, DialogProbe&)>& use)
    {
        driver->Expect(IDD_FORM_SETWORD, [&](DialogProbe& p) { use(dynamic_cast<CForm_SetWord&>(p.Dialog()), p); });
        CRorovavozirApp app;
        EXPECT_FALSE(app.InitInstance());
    }
    static void Command(CWnd& window, UINT id) { window.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED), 0); }
    static void SaveAs(DialogProbe& p, const std::string& path)
    {
        p.Type(IDC_CONFIG_PATH, path.c_str());
        p.Click(IDC_CONFIG_OK);
    }
    std::string Current() const { return File("ZaDuzed_Simple.ini"); }
};

} // namespace

TEST_F(ProgramTest, FirstStartMakesTheConfigurationPathFileAndTheDefaultOutputFolder)
{
    Run([&](CForm_SetWord& window, DialogProbe& p) {
        EXPECT_EQ(window.GetWindowText(), "Rorovavozir 1.9.4  " + Current());
        EXPECT_EQ(Ini(ConfigPathIni(), "Main", "Config_Path"), Current());
        EXPECT_EQ(p.Item(IDC_EDIT_OUT_FOLDER)->GetWindowText(), File("docs") + "/Rorovavozir");
        EXPECT_TRUE(platform::IsDirectory(File("docs") + "/Rorovavozir"));
        EXPECT_FALSE(platform::PathExists(File("docs") + "/Rorovavozir/config"));
        EXPECT_EQ(window.m_listClasses.GetItemCount(), 0);
        EXPECT_EQ(p.Item(IDC_LABEL_START)->GetWindowText(), "");
        p.PressCloseBox();
    });
    EXPECT_EQ(driver->Ran(), std::vector<UINT>{IDD_FORM_SETWORD}) << "nothing to save: no dialog";
    EXPECT_FALSE(platform::PathExists(Current()));
    EXPECT_EQ(Ini(ConfigPathIni(), "Main", "OutFolder"), File("docs") + "/Rorovavozir");
}

TEST_F(ProgramTest, PreparedConfigurationShowsItsClassesDatesAndFallsBackToTheDefaultFolder)
{
    Write("ZaDuzed_Simple.ini", PreparedConfig());
    Write("config/config_path.ini", "[Main]\r\nConfig_Path=" + Current() + "\r\nOutFolder=" + File("gone") + "\r\nStartShow=0\r\n");
    Run([&](CForm_SetWord& window, DialogProbe& p) {
        ASSERT_EQ(window.m_listClasses.GetItemCount(), 3);
        EXPECT_EQ(window.m_listClasses.GetItemText(0, kCellTitle), "工作");
        EXPECT_EQ(window.m_listClasses.GetItemText(1, kCellTitle), "Reading");
        EXPECT_EQ(window.m_listClasses.GetItemText(2, kCellLineCount), "4");
        EXPECT_EQ(p.Item(IDC_LABEL_DAYCOUNT)->GetWindowText(), "共有:7 天");
        EXPECT_EQ(p.Item(IDC_LABEL_START)->GetWindowText(), "2026-01-03");
        EXPECT_EQ(p.Item(IDC_LABEL_END)->GetWindowText(), "2026-01-09");
        EXPECT_EQ(p.Item(IDC_EDIT_TITLE)->GetWindowText(), "Prepared");
        EXPECT_EQ(p.Item(IDC_EDIT_OUT_FOLDER)->GetWindowText(), File("docs") + "/Rorovavozir");
        driver->Expect(IDD_SAVE_CONFIG, [](DialogProbe& save) { save.Click(IDC_CONFIG_CANCEL); });
        p.PressCloseBox();
    });
    EXPECT_EQ(Read("ZaDuzed_Simple.ini"), PreparedConfig()) << "a cancelled save leaves the file";
}

TEST_F(ProgramTest, OutlineLevelsAreCoupled)
{
    Write("ZaDuzed_Simple.ini", PreparedConfig());
    Run([&](CForm_SetWord&, DialogProbe& p) {
        p.Choose(IDC_COMBO_DATE_LEVEL, 1);    // 4
        p.Choose(IDC_COMBO_MONTH_LEVEL, 3);   // 5
        EXPECT_EQ(p.Item(IDC_COMBO_DATE_LEVEL)->GetWindowText(), "6");
        p.Choose(IDC_COMBO_MONTH_LEVEL, 1);   // 3
        p.Choose(IDC_COMBO_DATE_LEVEL, 0);    // 3
        EXPECT_EQ(p.Item(IDC_COMBO_MONTH_LEVEL)->GetWindowText(), "2");
        driver->Expect(IDD_SAVE_CONFIG, [](DialogProbe& save) { save.Click(IDC_CONFIG_OK); });
        boxes->Answer(IDYES);
        p.PressCloseBox();
    });
    EXPECT_EQ(Ini(Current(), "Main", "Months_Grade"), "2");
    EXPECT_EQ(Ini(Current(), "Main", "Days_Grade"), "3");
}

TEST_F(ProgramTest, SavingToANewNameAndOverAnExistingOneAsksOnlyForTheExistingOne)
{
    Write("ZaDuzed_Simple.ini", PreparedConfig());
    const std::string mine = File("mine.ini");
    Run([&](CForm_SetWord& window, DialogProbe& p) {
        driver->Expect(IDD_SAVE_CONFIG, [](DialogProbe& save) { SaveAs(save, "mine"); });
        Command(window, ID_TOOLBAR_SAVE);
        EXPECT_TRUE(boxes->Shown().empty()) << "a new file is not asked about";
        EXPECT_EQ(Ini(mine, "Main", "Title"), "Prepared");
        EXPECT_EQ(Ini(mine, "LIST2", "COL_CLASS_TITLE"), "Ideas");
        EXPECT_EQ(window.GetWindowText(), "Rorovavozir 1.9.4  " + mine);
        EXPECT_EQ(Ini(ConfigPathIni(), "Main", "Config_Path"), mine);

        p.Type(IDC_EDIT_TITLE, "Changed");
        boxes->Answer(IDNO);
        driver->Expect(IDD_SAVE_CONFIG, [&](DialogProbe& save) { SaveAs(save, mine); });
        Command(window, ID_TOOLBAR_SAVE);
        EXPECT_EQ(Ini(mine, "Main", "Title"), "Prepared") << "No keeps the file";
        boxes->Answer(IDYES);
        driver->Expect(IDD_SAVE_CONFIG, [&](DialogProbe& save) { SaveAs(save, mine); });
        Command(window, ID_TOOLBAR_SAVE);
        EXPECT_EQ(Ini(mine, "Main", "Title"), "Changed");
        driver->Expect(IDD_SAVE_CONFIG, [](DialogProbe& save) { save.Click(IDC_CONFIG_CANCEL); });
        p.PressCloseBox();
    });
    ASSERT_EQ(boxes->Shown().size(), 2u);
    EXPECT_EQ(boxes->Shown()[0].text, "替换文件 '" + mine + "' ?");
    EXPECT_EQ(boxes->Shown()[0].caption, "保存设置");
    EXPECT_EQ(boxes->Shown()[0].type & 0xF, MB_YESNO);
    // The known-file list was written whole each time the dialog closed: the program folder's
    // files by name.
    EXPECT_EQ(Ini(ConfigPathIni(), "Main", "CONFIG0"), Current());
    EXPECT_EQ(Ini(ConfigPathIni(), "Main", "CONFIG1"), mine);
    EXPECT_EQ(Ini(ConfigPathIni(), "Main", "CONFIG2"), "");
}

TEST_F(ProgramTest, OpeningAnotherConfigurationLoadsItWhole)
{
    Write("ZaDuzed_Simple.ini", PreparedConfig());
    Write("config/other.ini", "[Main]\r\nMonth_Start=3\r\nDay_Start=1\r\nMonth_End=3\r\nDay_End=2\r\nDay_Format=%d\r\n"
                              "Title=Other\r\n[LIST0]\r\nCOL_ID=1\r\nCOL_CLASS_TITLE=Only\r\n");
    CIniFile().WriteString(ConfigPathIni().c_str(), "Main", "CONFIG0", File("config/other.ini").c_str());
    Run([&](CForm_SetWord& window, DialogProbe& p) {
        driver->Expect(IDD_SELECT_CONFIG, [&](DialogProbe& open) {
            auto& list = dynamic_cast<CConfigFileDialog&>(open.Dialog()).m_list;
            ASSERT_EQ(list.GetItemCount(), 2);
            ASSERT_EQ(list.GetItemText(1, 2), File("config/other.ini"));
            ClickListRow(open.Dialog(), IDC_CONFIG_LIST, 1);
            open.Click(IDC_CONFIG_OK);
        });
        Command(window, ID_TOOLBAR_OPEN);
        EXPECT_EQ(p.Item(IDC_EDIT_TITLE)->GetWindowText(), "Other");
        ASSERT_EQ(window.m_listClasses.GetItemCount(), 1);
        EXPECT_EQ(window.m_listClasses.GetItemText(0, kCellTitle), "Only");
        EXPECT_EQ(p.Item(IDC_LABEL_DAYCOUNT)->GetWindowText(), "共有:2 天");
        EXPECT_EQ(Ini(ConfigPathIni(), "Main", "Config_Path"), File("config/other.ini"));
        EXPECT_EQ(window.GetWindowText(), "Rorovavozir 1.9.4  " + File("config/other.ini"));
        driver->Expect(IDD_SELECT_CONFIG, [](DialogProbe& open) { open.Click(IDC_CONFIG_CANCEL); });
        Command(window, ID_TOOLBAR_OPEN);
        EXPECT_EQ(p.Item(IDC_EDIT_TITLE)->GetWindowText(), "Other") << "a cancelled open changes nothing";
        driver->Expect(IDD_SAVE_CONFIG, [](DialogProbe& save) { save.Click(IDC_CONFIG_CANCEL); });
        p.PressCloseBox();
    });
    EXPECT_EQ(Ini(ConfigPathIni(), "Main", "CONFIG0"), Current());
    EXPECT_EQ(Ini(ConfigPathIni(), "Main", "CONFIG1"), File("config/other.ini"));
}

TEST_F(ProgramTest, ClosingTheWindowSavesTheConfiguration)
{
    Write("ZaDuzed_Simple.ini", PreparedConfig() + "[LIST3]\r\nCOL_ID=4\r\n[Stale]\r\nkey=1\r\n");
    Run([&](CForm_SetWord&, DialogProbe& p) {
        EXPECT_EQ(dynamic_cast<CForm_SetWord&>(p.Dialog()).m_listClasses.GetItemCount(), 4);
        dynamic_cast<CForm_SetWord&>(p.Dialog()).m_listClasses.DeleteItem(3);
        p.Type(IDC_EDIT_TITLE, "Closed");
        p.Click(IDC_CHECK_ADD_DATE);
        driver->Expect(IDD_SAVE_CONFIG, [](DialogProbe& save) { save.Click(IDC_CONFIG_OK); });
        boxes->Answer(IDYES);
        p.PressCloseBox();
    });
    const Sections saved = ParseIni(platform::DecodeDiskText(Read("ZaDuzed_Simple.ini")).utf8);
    EXPECT_EQ(saved.at("Main").at("Title"), "Closed");
    EXPECT_EQ(saved.at("Main").at("AddDateInTitle"), "1");
    EXPECT_EQ(saved.at("LIST0").at("COL_CLASS_TITLE"), "工作");
    EXPECT_EQ(saved.at("LIST2").at("bTable"), "1");
    EXPECT_EQ(saved.count("LIST3"), 0u) << "the file is replaced whole";
    EXPECT_EQ(saved.count("Stale"), 0u);
    EXPECT_EQ(Ini(ConfigPathIni(), "Main", "Config_Path"), Current());
}

TEST_F(ProgramTest, AWindowsFileInTheGb2312CodePageOpensAndSavesBackWithoutLosingAValue)
{
    const std::string windowsText =
        "[Main]\r\nQuarterText=季度\r\nMonths_FontName=宋体\r\nDays_FontName=黑体\r\nMonths_FontSize=16\r\n"
        "Days_FontSize=12\r\nMonths_FontBold=1\r\nDays_FontBold=0\r\nMonths_FontColor=1F3A93\r\n"
        "Days_FontColor=C00000\r\nMonths_Grade=3\r\nDays_Grade=4\r\nMonth_Start=2\r\nMonth_End=3\r\nDay_Start=1\r\n"
        "Day_End=31\r\nMonth_Upper=0\r\nMonth_Format=%Y年%m月\r\nDay_Format=%m月%d日 %A\r\nRestDay=还剩\r\n"
        "RestDay_Back=天\r\nHadBeenDays=第\r\nHadBeenDays_Back=天\r\nWeekEnd=周末\r\nTitle=我的日记\r\n"
        "AddDateInTitle=0\r\nUncheckedWeek0=0\r\nUncheckedWeek6=1\r\n"
        "[LIST0]\r\nCOL_ID=1\r\nCOL_bCLASS_TITLE=1\r\nCOL_CLASS_TITLE=今天的工作\r\nCOL_LINE_COUNT=5\r\n"
        "COL_UNDONE_TEXT=[完成]\r\nCOL_CLASS_FONT_SIZE=10.5\r\nCOL_CLASS_FONT_BOLD=1\r\nCOL_CLASS_FONT_COLOR=FF0000\r\n"
        "COL_CLASS_FONT_NAME=楷体_GB2312\r\nCOL_LINE_FONT_NAME=仿宋_GB2312\r\nCOL_ItemNumber=1\r\nbTable=1\r\n"
        "line_type=dashed\r\n"
        "[LIST1]\r\nCOL_ID=2\r\nCOL_CLASS_TITLE=读书笔记\r\nCOL_LINE_COUNT=3\r\nCOL_SpecialSign=7\r\n";
    const std::string windowsBytes = platform::EncodeGb18030(windowsText);
    ASSERT_FALSE(platform::IsValidUtf8(windowsBytes)) << "the file really is in the Windows code page";
    Write("windows.ini", windowsBytes);
    Write("config/config_path.ini", "[Main]\r\nConfig_Path=" + File("windows.ini") + "\r\nStartShow=0\r\n");
    Run([&](CForm_SetWord& window, DialogProbe& p) {
        EXPECT_EQ(p.Item(IDC_EDIT_TITLE)->GetWindowText(), "我的日记");
        EXPECT_EQ(window.m_listClasses.GetItemText(0, kCellTitle), "今天的工作");
        EXPECT_EQ(p.Item(IDC_COMBO_DATE_LEVEL)->GetWindowText(), "4");
        driver->Expect(IDD_SAVE_CONFIG, [](DialogProbe& save) { save.Click(IDC_CONFIG_OK); });
        boxes->Answer(IDYES);
        p.PressCloseBox();
    });
    const std::string savedBytes = Read("windows.ini");
    EXPECT_FALSE(platform::IsValidUtf8(savedBytes)) << "saved back in the same code page";
    const Sections before = ParseIni(windowsText);
    const Sections after = ParseIni(platform::DecodeDiskText(savedBytes).utf8);
    // As a read gives the values; a caption keeps the blank its load put in front, which the save
    // now writes inside quotes.
    const std::set<std::string> captions = {"RestDay", "RestDay_Back", "HadBeenDays", "HadBeenDays_Back", "WeekEnd"};
    for (const auto& [section, keys] : before)
        for (const auto& [key, value] : keys) {
            ASSERT_TRUE(after.count(section) && after.at(section).count(key)) << section << "/" << key;
            const std::string expected = section == "Main" && captions.count(key) ? " " + value : value;
            EXPECT_EQ(platform::ValueAsRead(after.at(section).at(key)), expected) << section << "/" << key;
        }
}

// A design saved from the window is what the window then loads: the second save writes the same
// bytes, whatever the first file held.
TEST_F(ProgramTest, ADesignSavedFromTheWindowSavesAgainToTheSameBytes)
{
    Write("design.ini", "[Main]\r\nMonth_Start=4\r\nDay_Start=1\r\nMonth_End=4\r\nDay_End=31\r\n"
                        "Day_Format=%Y-%m-%d\r\nTitle=\"  My diary  \"\r\nRestDay=\" \"\r\nMonths_Grade=5\r\nDate_table_bk_color=blue\r\n"
                        "[LIST0]\r\nCOL_ID=9\r\nCOL_CLASS_TITLE=' 读书 '\r\nbTable=1\r\nCOL_LINE_ClassTable=1\r\n"
                        "[LIST1]\r\nCOL_ID=x\r\nCOL_UNDONE_TEXT=\"'[ ]'\"\r\n");
    Write("config/config_path.ini", "[Main]\r\nConfig_Path=" + File("design.ini") + "\r\nStartShow=0\r\n");
    std::vector<std::string> saves;
    for (int run = 0; run < 2; ++run) {
        Run([&](CForm_SetWord&, DialogProbe& p) {
            driver->Expect(IDD_SAVE_CONFIG, [](DialogProbe& save) { save.Click(IDC_CONFIG_OK); });
            boxes->Answer(IDYES);
            p.PressCloseBox();
        });
        saves.push_back(Read("design.ini"));
    }
    EXPECT_EQ(saves[0], saves[1]);
    const std::string file = File("design.ini");
    const std::pair<const char*, const char*> main[] = {
        {"Day_End", "30"}, {"Title", "My diary"}, {"RestDay", ""}, {"Months_Grade", "5"}, {"Days_Grade", "6"},
        {"Date_table_bk_color", "F9F9F2"},
    };
    for (const auto& [key, value] : main)
        EXPECT_EQ(Ini(file, "Main", key), value) << key;
    EXPECT_EQ(Ini(file, "LIST0", "COL_CLASS_TITLE"), "读书");
    EXPECT_EQ(Ini(file, "LIST0", "COL_LINE_ClassTable"), "0");
    EXPECT_EQ(Ini(file, "LIST0", "COL_LINE_COUNT"), "1");
    EXPECT_EQ(Ini(file, "LIST1", "COL_ID"), "2");
    EXPECT_EQ(Ini(file, "LIST1", "COL_UNDONE_TEXT"), "[ ]");
}
