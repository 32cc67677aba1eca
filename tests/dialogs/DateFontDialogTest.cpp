// The date heading dialog (265) driven through its window, with the box (259) and text lines
// (257) dialogs it opens.
#include "app/window/AppFixture.h"
#include "dialogs/diary/Form_Date_Font.h"
#include "platform/ui/SysColors.h"
#include "settings/SettingsRecords.h"

namespace {

class DateFontDialogTest : public AppTest {
protected:
    INT_PTR Run(platform::ui::ModalHandler handler)
    {
        driver->Expect(IDD_DATE_FONT, std::move(handler));
        CForm_Date_Font dialog;
        return dialog.DoModal();
    }
    // Every value the dialog stores, as text.
    static std::vector<std::string> Stored()
    {
        std::vector<std::string> values = {g_strDaysFontName.str(), g_strDaysFontSize.str(), g_strDaysFontColor.str(),
                                           g_strDaysBackGround.str()};
        for (int flag : {g_bDaysBackGround, g_bDaysFontBold, g_bDaysFontItalic, g_bDaysUnderline, g_bPageBreaks,
                         g_bAddBlankLineBeforeClass, g_bAddTextPerDay, g_addText.AddText, g_bDateInTable,
                         g_dateTable.bTable})
            values.push_back(std::to_string(flag));
        return values;
    }
    void StoreStyledHeading()
    {
        Write("motto.txt", "one\r\n");
        g_addText.FileName = File("motto.txt").c_str();
        g_strDaysFontName = "微软雅黑";   // not installed here
        g_strDaysFontSize = "10.5";
        g_strDaysFontColor = "921111";
        g_strDaysBackGround = "F2E6D9";
        g_bDaysBackGround = 0;
        g_bDaysFontItalic = g_bDaysUnderline = g_bPageBreaks = g_bAddBlankLineBeforeClass = 1;
        g_bAddTextPerDay = g_addText.AddText = g_bDateInTable = g_dateTable.bTable = 1;
    }
    static CForm_Date_Font& Of(DialogProbe& p) { return static_cast<CForm_Date_Font&>(p.Dialog()); }
};

} // namespace

TEST_F(DateFontDialogTest, OkWithoutEditsStoresEveryValueUnchanged)
{
    StoreStyledHeading();
    const auto before = Stored();
    g_strDateSampleText = "2026-06-15";
    Run([this](DialogProbe& p) {
        EXPECT_EQ(Of(p).m_comboSize.GetCurSel(), 11);
        EXPECT_EQ(Of(p).m_sample.m_fontSize, 20);
        EXPECT_EQ(Of(p).m_sample.GetWindowText(), "2026-06-15");
        EXPECT_FALSE(p.Item(IDC_DATE_BACK)->IsWindowEnabled());
        EXPECT_EQ(p.Item(IDC_DATE_MOTTO_PATH)->GetWindowText(), File("motto.txt"));
        p.Click(IDC_DIARY_OK);
    });
    EXPECT_EQ(Stored(), before);
}

TEST_F(DateFontDialogTest, AMottoSwitchWithoutAFileIsStoredOff)
{
    g_strDaysBackGround.Empty();
    Run([](DialogProbe& p) {
        EXPECT_FALSE(p.Item(IDC_DATE_MOTTO_BUTTON)->IsWindowEnabled());
        p.Click(IDC_DATE_MOTTO);
        EXPECT_TRUE(p.Item(IDC_DATE_MOTTO_BUTTON)->IsWindowEnabled());
        p.Click(IDC_DIARY_OK);
    });
    EXPECT_EQ(g_bAddTextPerDay, 0);
    EXPECT_EQ(g_addText.AddText, 0);
    EXPECT_EQ(g_strDaysBackGround, "FFFFFF") << "the background button's colour, though its box is clear";
}

TEST_F(DateFontDialogTest, CancelStoresNothingButKeepsWhatTheNestedDialogsStored)
{
    StoreStyledHeading();
    const auto before = Stored();
    g_dateTable.line_type = "single";
    driver->Expect(IDD_TABLE_ALINE, [](DialogProbe& p) {
        EXPECT_EQ(p.Item(IDC_LINE_TABLE_SAMPLE)->GetWindowText(), "2026-06-15");
        ClickListRow(p.Dialog(), IDC_LINE_TABLE_TYPES, 3);
        p.Click(IDC_DIARY_OK);
    });
    driver->Expect(IDD_ADD_TEXT, [](DialogProbe& p) {
        p.Click(IDC_HEADING_BOLD);
        p.Click(IDC_TEXT_OK);
    });
    g_strDateSampleText = "2026-06-15";
    Run([](DialogProbe& p) {
        p.Choose(IDC_HEADING_SIZE, 20);
        p.Click(IDC_HEADING_ITALIC);
        p.Click(IDC_DATE_BACK_FLAG);
        p.Click(IDC_DATE_PAGE_BREAKS);
        p.Click(IDC_DATE_TABLE_BUTTON);
        p.Click(IDC_DATE_TABLE);
        EXPECT_FALSE(p.Item(IDC_DATE_TABLE_BUTTON)->IsWindowEnabled());
        p.Click(IDC_DATE_MOTTO_BUTTON);
        p.Click(IDC_HEADING_CANCEL);
    });
    EXPECT_EQ(Stored(), before);
    EXPECT_EQ(g_dateTable.line_type, "dashed") << "the box dialog stored on its OK";
    EXPECT_EQ(g_addText.FontBold, 1) << "the text lines dialog stored on its OK";
}

TEST_F(DateFontDialogTest, TheHeadingGroupIsWhiteWithItsCaptionDrawnOnTheWhite)
{
    Run([](DialogProbe& p) {
        CThemedGroupBox& group = Of(p).m_group;
        const auto picture = platform::ui::CaptureWindow(group);
        EXPECT_EQ(picture.Pixel(picture.Width() / 2, picture.Height() / 4), RGB(255, 255, 255));
        int face = 0, text = 0;
        for (int y = 0; y < 2 * group.m_nHalfBand; ++y)
            for (int x = 0; x < picture.Width(); ++x) {
                face += picture.Pixel(x, y) == GetSysColor(COLOR_BTNFACE) ? 1 : 0;
                text += picture.Pixel(x, y) == group.m_crText ? 1 : 0;
            }
        EXPECT_EQ(face, 0) << "no caption background of the dialog's colour";
        EXPECT_GT(text, 0) << "the caption is drawn";
        p.Click(IDC_HEADING_CANCEL);
    });
}
