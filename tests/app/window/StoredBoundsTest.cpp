// Bounds on texts count the bytes the texts take as stored (GB18030: two a Chinese character,
// three in UTF-8): formatted dates within their bounds show, and an edit whose text a file stores
// takes no more than a load of the file gives back.
#include "AppFixture.h"
#include "app/Form_SetWord.h"
#include "resources/CalendarDialogIds.h"
#include "resources/DateDialogIds.h"
#include "resources/DiaryDialogIds.h"
#include "settings/DateFormatFile.h"
#include "support/RepeatedText.h"

namespace {

// 1200 bytes as stored; a value read back keeps 1023 of them.
const std::string kPasted = Repeated("勤", 600);
const std::string kKept = Repeated("勤", 511);

void Command(CWnd& window, UINT id)
{
    window.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED), 0);
}

// Pastes the long text in place of the edit's text: the edit keeps what a load gives back.
void PasteInto(DialogProbe& p, int edit)
{
    p.Type(edit, "");
    p.Paste(edit, kPasted.c_str());
    EXPECT_EQ(p.Item(edit)->GetWindowText(), kKept) << "edit " << edit;
}

platform::ui::ModalHandler PastingInto(int edit, int ok)
{
    return [edit, ok](DialogProbe& p) {
        PasteInto(p, edit);
        p.Click(ok);
    };
}

using StoredBoundsTest = AppTest;

} // namespace

// 37 bytes as stored (52 in UTF-8), within the month format's bound of 49.
TEST_F(StoredBoundsTest, AChineseMonthFormatWithinItsBoundShowsInTheSample)
{
    std::string config = PreparedConfig();
    Write("ZaDuzed_Simple.ini", config.replace(config.find("%Y-%m\r\n"), 5, "%Y年%m月 本月目标：努力学习认真工作"));
    CForm_SetWord window;
    ASSERT_TRUE(window.Create(IDD_FORM_SETWORD));
    EXPECT_EQ(window.GetDlgItem(IDC_LABEL_MONTH_SAMPLE)->GetWindowText(), "2026年01月 本月目标：努力学习认真工作");
}

// One edit of each dialog whose edits a design or the path file stores: what it shows after a
// paste is what a save and a load give back.
TEST_F(StoredBoundsTest, APasteIntoAStoredEditLeavesWhatASaveAndReloadGiveBack)
{
    Write("ZaDuzed_Simple.ini", PreparedConfig());
    CForm_SetWord window;
    ASSERT_TRUE(window.Create(IDD_FORM_SETWORD));
    DialogProbe main(window);
    PasteInto(main, IDC_EDIT_TITLE);
    driver->Expect(IDD_SET_MONTH, PastingInto(IDC_SM_QUARTER_TEXT, IDC_SM_OK));
    Command(window, ID_TOOLBAR_DATES);
    driver->Expect(IDD_DAILY_DIARY, PastingInto(IDC_CLASS_TITLE, IDC_DIARY_OK));
    ClickListRow(window, IDC_LIST_CLASSES, 0, NM_DBLCLK);
    driver->Expect(IDD_YEAR_PLANNER, PastingInto(IDC_YP_ONE_PAGE_FORMAT, IDC_CAL_OK));
    Command(window, ID_TOOLBAR_YEAR_PLANNER);
    boxes->Answer(IDYES);
    driver->Expect(IDD_SAVE_CONFIG, [&](DialogProbe& p) {
        PasteInto(p, IDC_CONFIG_PATH);
        p.Type(IDC_CONFIG_PATH, File("ZaDuzed_Simple.ini").c_str());
        p.Click(IDC_CONFIG_OK);
    });
    Command(window, ID_TOOLBAR_SAVE);
    const char* const stored[][2] = {{"Main", "Title"}, {"Main", "QuarterText"}, {"LIST0", "COL_CLASS_TITLE"},
                                     {"Main", "Config_MonthFormat_For1PageYearPlanner"}};
    for (const auto& [section, key] : stored)
        EXPECT_EQ(Ini(File("ZaDuzed_Simple.ini"), section, key), kKept) << key;
}

// The format file takes the pattern of the tokens typed, at most twice as long as they are.
TEST_F(StoredBoundsTest, AnAddedDateFormatComesBackFromTheFormatFileAsShown)
{
    Write("ZaDuzed_Simple.ini", PreparedConfig());
    CForm_SetWord window;
    ASSERT_TRUE(window.Create(IDD_FORM_SETWORD));
    driver->Expect(IDD_SET_MONTH, [](DialogProbe& p) {
        p.Click(IDC_SM_ADD_FORMAT);
        p.Click(IDC_SM_CANCEL);
    });
    const std::string chinese = Repeated("勤", 251);   // 511 bytes with the tokens
    driver->Expect(IDD_ADD_DATE_FORMAT, [&](DialogProbe& p) {
        p.Type(IDC_ADF_PATTERN, "yyyy-m-d ");
        p.Paste(IDC_ADF_PATTERN, kPasted.c_str());
        EXPECT_EQ(p.Item(IDC_ADF_PATTERN)->GetWindowText(), "yyyy-m-d " + chinese);
        p.Click(IDC_ADF_OK);
    });
    Command(window, ID_TOOLBAR_DATES);
    EXPECT_EQ(ReadDateFormats(File("config/date_format.ini").c_str()).back(), "%Y-%m-%d " + chinese);
}
