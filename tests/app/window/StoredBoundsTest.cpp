// Bounds on texts count the bytes the texts take as stored (GB18030: two a Chinese character,
// three in UTF-8): formatted dates within their bounds show everywhere, and an edit whose text a
// file stores takes no more than a load of the file gives back.
#include "AppFixture.h"
#include "app/Form_SetWord.h"
#include "resources/CalendarDialogIds.h"
#include "resources/DateDialogIds.h"
#include "resources/DiaryDialogIds.h"
#include "resources/HeadingDialogIds.h"
#include "settings/DateFormatFile.h"

#include <functional>

namespace {

std::string Repeated(const std::string& text, int times)
{
    std::string result;
    for (int k = 0; k < times; ++k)
        result += text;
    return result;
}

// 600 Chinese characters, 1200 bytes as stored; a value read back keeps 1023 of them, so 511
// characters.
const std::string kPasted = Repeated("勤", 600);
const std::string kKept = Repeated("勤", 511);

class StoredBoundsTest : public AppTest {
protected:
    void Start(const std::string& config)
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
    // A control's text in the dialog a main window command opens, which then closes.
    std::string ShownIn(UINT dialog, int item, UINT command)
    {
        std::string text;
        driver->Expect(dialog, [&](DialogProbe& p) {
            text = p.Item(item)->GetWindowText().str();
            p.PressCloseBox();
        });
        Command(command);
        return text;
    }
    // Pastes the long text into an edit in place of its text and gives what the edit shows.
    static std::string PasteInto(DialogProbe& p, int edit)
    {
        p.Type(edit, "");
        p.Paste(edit, kPasted.c_str());
        return p.Item(edit)->GetWindowText().str();
    }
    std::unique_ptr<CForm_SetWord> window;
};

std::string WithKey(std::string config, const std::string& key, const std::string& value)
{
    const size_t at = config.find(key + "=");
    const size_t end = config.find("\r\n", at);
    return config.replace(at, end - at, key + "=" + value);
}

} // namespace

TEST_F(StoredBoundsTest, ChineseFormatsWithinTheirBoundsShowInEverySampleAndOpenTheDialogs)
{
    // 37 and 148 bytes as stored, within 49 and 199; 52 and 220 bytes in UTF-8.
    const std::string goal = " 本月目标：努力学习认真工作";
    const std::string motto = Repeated("天天向上", 17);
    Start(WithKey(WithKey(PreparedConfig(), "Month_Format", "%Y年%m月" + goal), "Day_Format", "%m月%d日" + motto));
    const std::string month = "2026年01月" + goal;
    struct Shown {
        const char* where;
        std::function<std::string()> text;
        std::string expected;
    };
    const Shown shown[] = {
        {"main window's month sample", [&] { return window->GetDlgItem(IDC_LABEL_MONTH_SAMPLE)->GetWindowText().str(); },
         month},
        {"main window's first day", [&] { return window->GetDlgItem(IDC_LABEL_START)->GetWindowText().str(); },
         "01月03日" + motto},
        {"131's month preview, of today", [&] { return ShownIn(IDD_SET_MONTH, IDC_SM_MONTH_PREVIEW, ID_TOOLBAR_DATES); },
         "2026年06月" + goal},
        {"264's sample", [&] { return ShownIn(IDD_MONTH_FONT, IDC_MONTH_FONT_SAMPLE, IDC_BUTTON_MONTH_FORMAT); }, month},
        {"266's month title", [&] { return ShownIn(IDD_YEAR_CALENDAR, IDC_YC_MONTH_TITLE, ID_TOOLBAR_YEAR_CALENDAR); },
         month},
    };
    for (const Shown& s : shown)
        EXPECT_EQ(s.text(), s.expected) << s.where;
    driver->Expect(IDD_SAVE_CONFIRM, [](DialogProbe& p) { p.Click(IDC_CONFIRM_CANCEL); });
    Command(IDC_BUTTON_GENERATE);
    EXPECT_EQ(driver->Ran().back(), IDD_SAVE_CONFIRM) << "the run goes on to its save question";
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{});
}

// What the window shows after the paste is what a save and a load of the design give back.
TEST_F(StoredBoundsTest, APasteIntoEachDesignEditLeavesWhatASaveAndReloadGiveBack)
{
    struct DesignEdit {
        UINT dialog;   // 0: the main window itself
        std::function<void()> open;
        std::function<void(DialogProbe&)> prepare;
        int edit;
        int ok;
        const char* section;
        const char* key;
    };
    const auto openClass = [&] { ClickListRow(*window, IDC_LIST_CLASSES, 0, NM_DBLCLK); };
    const auto dates = [&] { Command(ID_TOOLBAR_DATES); };
    const auto nothing = [](DialogProbe&) {};
    const auto tick = [](int box) {
        return [box](DialogProbe& p) {
            if (static_cast<CButton*>(p.Item(box))->GetCheck() != BST_CHECKED)
                p.Click(box);
        };
    };
    const DesignEdit edits[] = {
        {IDD_DAILY_DIARY, openClass, nothing, IDC_CLASS_TITLE, IDC_DIARY_OK, "LIST0", "COL_CLASS_TITLE"},
        {IDD_DAILY_DIARY, openClass, nothing, IDC_CLASS_PREFIX, IDC_DIARY_OK, "LIST0", "COL_UNDONE_TEXT"},
        {IDD_SET_MONTH, dates, tick(IDC_SM_MONTH_CUSTOM), IDC_SM_CUSTOM_FORMAT, IDC_SM_OK, "Main", "Month_Format"},
        {IDD_SET_MONTH, dates, nothing, IDC_SM_QUARTER_TEXT, IDC_SM_OK, "Main", "QuarterText"},
        {IDD_SET_MONTH, dates, tick(IDC_SM_REST_DAY), IDC_SM_REST_BEFORE, IDC_SM_OK, "Main", "RestDay"},
        {IDD_SET_MONTH, dates, tick(IDC_SM_REST_DAY), IDC_SM_REST_AFTER, IDC_SM_OK, "Main", "RestDay_Back"},
        {IDD_SET_MONTH, dates, tick(IDC_SM_DAY_NUMBER), IDC_SM_NUMBER_BEFORE, IDC_SM_OK, "Main", "HadBeenDays"},
        {IDD_SET_MONTH, dates, tick(IDC_SM_DAY_NUMBER), IDC_SM_NUMBER_AFTER, IDC_SM_OK, "Main", "HadBeenDays_Back"},
        {IDD_SET_MONTH, dates, tick(IDC_SM_WEEKEND), IDC_SM_WEEKEND_TEXT, IDC_SM_OK, "Main", "WeekEnd"},
        {IDD_YEAR_PLANNER, [&] { Command(ID_TOOLBAR_YEAR_PLANNER); }, nothing, IDC_YP_ONE_PAGE_FORMAT, IDC_CAL_OK,
         "Main", "Config_MonthFormat_For1PageYearPlanner"},
        {0, [] {}, nothing, IDC_EDIT_TITLE, 0, "Main", "Title"},
    };
    for (const DesignEdit& e : edits) {
        Start(PreparedConfig());
        std::string shown;
        if (e.dialog == 0) {
            DialogProbe p(*window);
            shown = PasteInto(p, e.edit);
        } else {
            driver->Expect(e.dialog, [&](DialogProbe& p) {
                e.prepare(p);
                shown = PasteInto(p, e.edit);
                p.Click(e.ok);
            });
            e.open();
        }
        boxes->Answer(IDYES);
        driver->Expect(IDD_SAVE_CONFIG, [](DialogProbe& p) { p.Click(IDC_CONFIG_OK); });
        Command(ID_TOOLBAR_SAVE);
        EXPECT_EQ(shown, kKept) << e.key;
        EXPECT_EQ(Ini(File("ZaDuzed_Simple.ini"), e.section, e.key), shown) << e.key;
        window.reset();
    }
}

// The path file's edits: the design's file in the save dialog, the output folder.
TEST_F(StoredBoundsTest, APasteIntoAPathEditKeepsWhatAReadOfThePathFileGivesBack)
{
    Start(PreparedConfig());
    DialogProbe main(*window);
    EXPECT_EQ(PasteInto(main, IDC_EDIT_OUT_FOLDER), kKept);
    driver->Expect(IDD_SAVE_CONFIG, [](DialogProbe& p) {
        EXPECT_EQ(PasteInto(p, IDC_CONFIG_PATH), kKept);
        p.Click(IDC_CONFIG_CANCEL);
    });
    Command(ID_TOOLBAR_SAVE);
}

// The format file takes the pattern of the tokens typed, at most twice as long as they are.
TEST_F(StoredBoundsTest, AnAddedDateFormatComesBackFromTheFormatFileAsShown)
{
    Start(PreparedConfig());
    std::string shown;
    driver->Expect(IDD_SET_MONTH, [](DialogProbe& p) {
        p.Click(IDC_SM_ADD_FORMAT);
        p.Click(IDC_SM_CANCEL);
    });
    driver->Expect(IDD_ADD_DATE_FORMAT, [&](DialogProbe& p) {
        p.Type(IDC_ADF_PATTERN, "yyyy-m-d ");
        p.Paste(IDC_ADF_PATTERN, kPasted.c_str());
        shown = p.Item(IDC_ADF_PATTERN)->GetWindowText().str();
        p.Click(IDC_ADF_OK);
    });
    Command(ID_TOOLBAR_DATES);
    const std::string chinese = Repeated("勤", 251);   // 511 bytes with the tokens
    EXPECT_EQ(shown, "yyyy-m-d " + chinese);
    EXPECT_EQ(ReadDateFormats(File("config/date_format.ini").c_str()).back(), "%Y-%m-%d " + chinese);
}
