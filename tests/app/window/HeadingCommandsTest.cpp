// The main window's heading commands: the month and date format buttons, the same-format
// command, and what start-up does with the heading settings.
#include "AppFixture.h"
#include "app/Form_SetWord.h"
#include "resources/HeadingDialogIds.h"
#include "settings/ClassListModel.h"
#include "settings/SettingsRecords.h"

namespace {

class HeadingCommandsTest : public AppTest {
protected:
    void Start(const std::string& config = PreparedConfig())
    {
        Write("ZaDuzed_Simple.ini", config);
        window = std::make_unique<CForm_SetWord>();
        ASSERT_TRUE(window->Create(IDD_FORM_SETWORD));
    }
    void TearDown() override
    {
        window.reset();
        AppTest::TearDown();
    }
    void Command(UINT id) { window->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED), 0); }
    std::vector<std::string> Cells(int column) const
    {
        std::vector<std::string> cells;
        for (int row = 0; row < window->m_listClasses.GetItemCount(); ++row)
            cells.push_back(window->m_listClasses.GetItemText(row, column).str());
        return cells;
    }
    std::unique_ptr<CForm_SetWord> window;
};

} // namespace

TEST_F(HeadingCommandsTest, TheMonthAndDateButtonsShowTheirSamplesAndTakeTheLookOnOk)
{
    Start();
    driver->Expect(IDD_MONTH_FONT, [](DialogProbe& p) {
        EXPECT_EQ(p.Item(IDC_MONTH_FONT_SAMPLE)->GetWindowText(), "2026-01");
        p.Choose(IDC_HEADING_SIZE, 14);
        p.Click(IDC_DIARY_OK);
    });
    Command(IDC_BUTTON_MONTH_FORMAT);
    EXPECT_EQ(g_strMonthsFontSize, "12");
    EXPECT_EQ(window->m_labelMonthSample.m_fontSize, 24);

    const BYTE underline = g_bDaysUnderline;
    driver->Expect(IDD_DATE_FONT, [this](DialogProbe& p) {
        EXPECT_EQ(p.Item(IDC_DATE_FONT_SAMPLE)->GetWindowText(), window->m_labelDateSample.GetWindowText());
        p.Click(IDC_HEADING_UNDERLINE);
        p.Click(IDC_DIARY_OK);
    });
    Command(IDC_BUTTON_DATE_FORMAT);
    EXPECT_EQ(g_bDaysUnderline, underline == 1 ? 0 : 1);
    EXPECT_EQ(window->m_labelDateSample.m_bUnderline, g_bDaysUnderline == 1);

    window->m_labelDateSample.SetWindowText("");
    Command(IDC_BUTTON_DATE_FORMAT);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Please click button : 'Settings' for month and date ."});
}

TEST_F(HeadingCommandsTest, TheSameFormatGoesToEveryClassOnOkOnly)
{
    Start();
    const auto before = Cells(kCellLineFontName);
    driver->Expect(IDD_SAME_SETTING, [](DialogProbe& p) {
        p.Click(IDC_HEADING_BOLD);
        p.Click(IDC_HEADING_CANCEL);
    });
    Command(IDC_BUTTON_SAME_FORMAT);
    EXPECT_EQ(Cells(kCellLineFontName), before);

    g_sameFormat = {0, "Georgia Pro", "10.5", "3A5FCD"};
    driver->Expect(IDD_SAME_SETTING, [](DialogProbe& p) {
        p.Click(IDC_HEADING_BOLD);
        p.Click(IDC_DIARY_OK);
    });
    Command(IDC_BUTTON_SAME_FORMAT);
    const std::vector<std::string> all3(3, "Georgia Pro");
    for (int column : {kCellClassFontName, kCellLineFontName})
        EXPECT_EQ(Cells(column), all3);
    for (int column : {kCellClassFontSize, kCellLineFontSize})
        EXPECT_EQ(Cells(column), std::vector<std::string>(3, "10.5"));
    for (int column : {kCellClassFontColor, kCellUndoneColor, kCellLineTextColor})
        EXPECT_EQ(Cells(column), std::vector<std::string>(3, "3A5FCD"));
    for (int column : {kCellClassBold, kCellUndoneBold, kCellLineBold})
        EXPECT_EQ(Cells(column), std::vector<std::string>(3, "Y"));
}

TEST_F(HeadingCommandsTest, StartUpClearsAMottoSwitchWithoutItsFile)
{
    Write("motto.txt", "one\r\n");
    for (const std::string& name : {std::string("motto.txt"), std::string("gone.txt"), std::string()}) {
        const std::string path = name.empty() ? "" : File(name);
        Start(PreparedConfig() + "[Main]\r\nTXT_AddText=1\r\nTXT_FileName=" + path + "\r\n");
        EXPECT_EQ(g_addText.AddText, name == "motto.txt" ? 1 : 0) << name;
        EXPECT_EQ(window->m_strDefaultFontName, "Tahoma");
        window.reset();
    }
}
