// Dialog 131's formats, captions and format list with its file, and dialog 293, on 15 June 2026
// (a Monday).
#include "DateDialogFixture.h"

#include "dialogs/diary/Fomr_AddDateFormat.h"
#include "platform/CodePage.h"
#include "platform/Files.h"
#include "platform/Profile.h"
#include "platform/ui/TestWindows.h"
#include "settings/SettingsRecords.h"
#include "support/FileSizeLimit.h"
#include "support/OwnFileMarks.h"
#include "support/RepeatedText.h"
#include "support/Utf16Bytes.h"

#include <cstring>

namespace {

struct Conversion {
    const char* text;
    const char* pattern;
};

class ConvertDateFormat : public testing::TestWithParam<Conversion> {};

CListCtrl& FormatList(DialogProbe& p)
{
    return static_cast<CListCtrl&>(*p.Item(IDC_SM_FORMAT_LIST));
}

std::vector<std::string> Patterns(DialogProbe& p)
{
    std::vector<std::string> patterns;
    for (int row = 0; row < FormatList(p).GetItemCount(); ++row)
        patterns.push_back(FormatList(p).GetItemText(row, 3).str());
    return patterns;
}

void RightClickDelete(DialogProbe& p, platform::ui::PopupMenuRecorder& menus, int row)
{
    menus.Choose(ID_DATE_FORMAT_DELETE);
    ClickListRow(p.Dialog(), IDC_SM_FORMAT_LIST, row, NM_RCLICK);
}

// A key pressed in the format list, as the list tells its dialog before it moves.
void PressListKey(DialogProbe& p, WORD key)
{
    NMLVKEYDOWN down;
    down.hdr.hwndFrom = p.Item(IDC_SM_FORMAT_LIST)->m_hWnd;
    down.hdr.idFrom = IDC_SM_FORMAT_LIST;
    down.hdr.code = LVN_KEYDOWN;
    down.wVKey = key;
    p.Dialog().SendMessage(WM_NOTIFY, IDC_SM_FORMAT_LIST, reinterpret_cast<LPARAM>(&down));
}

// A key where the focus is, as the user presses it.
void PressKey(WORD key)
{
    platform::ui::SimulateKey(*CWnd::GetFocus(), key);
}

void PressMenuKeyIn(DialogProbe& p, CWnd& control)
{
    control.SetFocus();
    ASSERT_TRUE(p.PumpUntil([&] { return CWnd::GetFocus() == &control; }));
    PressKey(VK_APPS);
}

} // namespace

TEST_P(ConvertDateFormat, TokensBecomeStrftimeCodes)
{
    EXPECT_EQ(CFomr_AddDateFormat::ConvertDateFormat(GetParam().text), GetParam().pattern);
}

INSTANTIATE_TEST_SUITE_P(
    AddDateFormat, ConvertDateFormat,
    testing::Values(Conversion{"aaaa mmm,d,yyyy", "%A %b,%d,%Y"}, Conversion{"aaa d,mmmm,yyyy", "%a %d,%B,%Y"},
                    Conversion{"yyyy-m-d aaaa", "%Y-%m-%d %A"}, Conversion{"yy-mm-dd aaa", "%y-%m-%d %a"},
                    Conversion{"dd/mm/yyyy dd", "%d/%m/%Y %d"}, Conversion{"yyyy年m月d日", "%Y年%m月%d日"},
                    Conversion{"mmmmm d yy", "%Bm %d %y"}, Conversion{"yyyy mm", ""}, Conversion{"aaaa d", ""},
                    Conversion{"", ""}, Conversion{"100% yyyy-mm-dd", "100%% %Y-%m-%d"},
                    Conversion{" d.m.yy %", "%d.%m.%y %%"}));

TEST_F(DateDialogTest, ANewTemplateShowsTheDefaultsAndCreatesTheFormatFile)
{
    platform::RemoveFile(FormatFile());
    RunDialog([](DialogProbe& p) {
        EXPECT_TRUE(Checked(p, IDC_SM_MONTH_FULL));
        EXPECT_FALSE(p.Item(IDC_SM_CUSTOM_FORMAT)->IsWindowEnabled());
        EXPECT_EQ(Text(p, IDC_SM_CUSTOM_FORMAT), "%Y年%m月");
        EXPECT_EQ(Text(p, IDC_SM_MONTH_Y_M), "2026-06");
        EXPECT_EQ(Text(p, IDC_SM_QUARTER_TEXT), "季度:");
        for (const auto& [id, text] : std::vector<std::pair<int, const char*>>{
                 {IDC_SM_REST_BEFORE, " [ 还剩"}, {IDC_SM_REST_AFTER, " 天 ]"}, {IDC_SM_NUMBER_BEFORE, " [ 第 "},
                 {IDC_SM_NUMBER_AFTER, " 天 ]"}, {IDC_SM_WEEKEND_TEXT, " [ 周末 ]"}})
            EXPECT_EQ(Text(p, id), text);
        EXPECT_EQ(Patterns(p), std::vector<std::string>{"%Y年%m月%d日,%A"});
        EXPECT_EQ(Text(p, IDC_SM_START_LABEL), "2026年01月01日,Thursday");
        SetCheck(p, IDC_SM_MONTH_UPPER, true);
        EXPECT_EQ(Text(p, IDC_SM_MONTH_PREVIEW), "JUNE 2026");
        p.Click(IDC_SM_CANCEL);
    });
    const std::string file = Read("config/date_format.ini");
    EXPECT_EQ(file, kProfileMarkerLine + platform::EncodeGb18030("[Main]\r\nDateFormat1=%Y年%m月%d日,%A\r\n"));
}

// The list is written without the user naming its file: a file whose list could not be read
// (too large, no INI text) is kept as it was, and the failed write is told with its reason.
TEST_F(DateDialogTest, AFormatFileThatCouldNotBeReadIsKept)
{
    g_strConfigPath = File("design.ini");
    g_strDayFormat = "%Y";
    const std::string list = "[Main]\r\nDateFormat1=%m\r\n";
    const struct {
        std::string bytes;
        int reason;
    } unreadFiles[] = {{list + std::string(platform::kMaxProfileFileBytes, ';'), EFBIG},
                       {Utf16Bytes(list, false, false), EILSEQ}};
    for (const auto& [unread, reason] : unreadFiles) {
        Write("config/date_format.ini", unread);
        const size_t shown = MessageTexts().size();
        RunDialog([](DialogProbe& p) { p.Click(IDC_SM_CANCEL); });
        ASSERT_EQ(MessageTexts().size(), shown + 1);
        EXPECT_EQ(MessageTexts().back(), "无法保存文件 '" + FormatFile() + "'。\n" + std::strerror(reason));
        EXPECT_TRUE(Read("config/date_format.ini") == unread) << "the file is as it was";
    }
}

// The list shows what the dialog holds, not what the file took back: the design's own format is
// listed and chosen also when a full disk kept it out of the file.
TEST_F(DateDialogTest, TheDesignsFormatIsListedAlsoWhenTheFileCouldNotTakeIt)
{
    g_strConfigPath = File("design.ini");
    g_strDayFormat = "%d.%m.%Y";
    Write("config/date_format.ini", "[Main]\r\nDateFormat1=%m\r\n");
    FileSizeLimit full(16);
    RunDialog([](DialogProbe& p) {
        EXPECT_EQ(Patterns(p), (std::vector<std::string>{"%m", "%d.%m.%Y"}));
        EXPECT_EQ(static_cast<CListCtrl*>(p.Item(IDC_SM_FORMAT_LIST))->GetNextItem(-1, LVNI_SELECTED), 1);
        p.Click(IDC_SM_CANCEL);
    });
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"无法保存文件 '" + FormatFile() + "'。\n" + std::strerror(EFBIG)});
}

// Stored as typed, blanks and quotes round a text included, since a save of the design reads them
// back so.
TEST_F(DateDialogTest, CaptionsAreStoredEmptyWhenOffOrBlankAndOtherwiseAsTyped)
{
    g_dayCaptions.DEFERENCE = 1;
    RunDialog([](DialogProbe& p) {
        SetCheck(p, IDC_SM_REST_DAY, false);
        p.Type(IDC_SM_WEEKEND_TEXT, "   ");
        p.Type(IDC_SM_NUMBER_AFTER, "\"天 ] \"");
        p.Type(IDC_SM_QUARTER_TEXT, " Q ");
        p.Click(IDC_SM_OK);
    });
    EXPECT_EQ(g_strRestDay, "");
    EXPECT_EQ(g_strRestDayBack, "");
    EXPECT_EQ(g_bShowRestDay, 0);
    EXPECT_EQ(g_strWeekEnd, "");
    EXPECT_EQ(g_strHadBeenDays, " [ 第 ");
    EXPECT_EQ(g_dayCaptions.HadBeenDays, " [ 第 ");
    EXPECT_EQ(g_dayCaptions.HadBeenDays_Back, "\"天 ] \"");
    EXPECT_EQ(g_strQuarterText, " Q ");
    EXPECT_EQ(g_dayCaptions.DEFERENCE, 1);

    RunDialog([](DialogProbe& p) {
        for (const int box : {IDC_SM_REST_DAY, IDC_SM_DAY_NUMBER, IDC_SM_WEEKEND})
            SetCheck(p, box, false);
        EXPECT_FALSE(p.Item(IDC_SM_TEXT_BOLD)->IsWindowEnabled()) << "no caption: no caption style";
        p.Click(IDC_SM_OK);
    });
    EXPECT_EQ(g_dayCaptions.DEFERENCE, 0) << "with no caption on, even with 不同设置 ticked";
}

TEST_F(DateDialogTest, AnEmptyCustomMonthFormatKeepsTheDialogOpen)
{
    g_strConfigPath = File("design.ini");
    g_strMonthFormat = "%Y-%m";
    const CString dayFormat = g_strDayFormat;
    RunDialog([](DialogProbe& p) {
        EXPECT_TRUE(Checked(p, IDC_SM_MONTH_Y_M));
        p.Click(IDC_SM_MONTH_CUSTOM);
        p.Type(IDC_SM_CUSTOM_FORMAT, "  ");
        p.PressEscape();
        ASSERT_TRUE(p.IsOpen());
        p.Type(IDC_SM_CUSTOM_FORMAT, "%Y %q 月");
        p.Click(IDC_SM_PREVIEW_CUSTOM);
        EXPECT_EQ(Text(p, IDC_SM_CUSTOM_PREVIEW), "2026 %q 月") << "a stray % is shown as written";
        p.Click(IDC_SM_OK);
    });
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"is empty"});
    EXPECT_EQ(g_strMonthFormat, "%Y %%q 月");
    EXPECT_EQ(g_strDayFormat, dayFormat);
}

TEST_F(DateDialogTest, AddedFormatsJoinTheListOnceAndBecomeTheDailyFormat)
{
    g_strConfigPath = File("design.ini");
    g_strDayFormat = "%d/%m/%Y";
    Write("config/date_format.ini", "[Main]\r\nDateFormat1=%d/%m/%Y\r\nDateFormat2=%Y-%m-%d\r\nDateFormat4=%y\r\n");
    driver->Expect(IDD_ADD_DATE_FORMAT, [](DialogProbe& p) {
        p.Click(IDC_ADF_OK);
        ASSERT_TRUE(p.IsOpen()) << "an empty format is refused";
        auto& samples = static_cast<CListBox&>(*p.Item(IDC_ADF_SAMPLES));
        samples.SetCurSel(3);
        p.Dialog().SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ADF_SAMPLES, LBN_SELCHANGE), 0);
        EXPECT_EQ(Text(p, IDC_ADF_PATTERN), "yy-mm-dd aaa");
        EXPECT_EQ(Text(p, IDC_ADF_EXAMPLE), "26-06-15 Mon");
        p.Click(IDC_ADF_OK);
    });
    driver->Expect(IDD_ADD_DATE_FORMAT, [](DialogProbe& p) {
        p.Type(IDC_ADF_PATTERN, "dd/mm/yyyy");
        p.PressEnter();
    });
    RunDialog([&](DialogProbe& p) {
        EXPECT_EQ(Patterns(p), (std::vector<std::string>{"%d/%m/%Y", "%Y-%m-%d"})) << "a gap ends the list";
        EXPECT_EQ(FormatList(p).GetItemText(1, 2), "2026-06-15");
        p.Click(IDC_SM_ADD_FORMAT);
        EXPECT_EQ(Text(p, IDC_SM_END_LABEL), "26-12-31 Thu");
        const std::string afterAdd = Read("config/date_format.ini");
        p.Click(IDC_SM_ADD_FORMAT);
        EXPECT_EQ(Read("config/date_format.ini"), afterAdd) << "a listed format is not written again";
        EXPECT_EQ(Patterns(p).size(), 3u);
        EXPECT_TRUE(FormatList(p).GetItemState(0, LVIS_SELECTED));
        EXPECT_EQ(Text(p, IDC_SM_END_LABEL), "31/12/2026") << "a listed format is chosen as the list shows it";
        p.Click(IDC_SM_OK);
    });
    EXPECT_EQ(MessageTexts().size(), 1u);
    EXPECT_EQ(g_strDayFormat, "%d/%m/%Y");
    EXPECT_EQ(Read("config/date_format.ini"),
              kProfileMarkerLine + "[Main]\r\nDateFormat1=%d/%m/%Y\r\nDateFormat2=%Y-%m-%d\r\nDateFormat3=%y-%m-%d %a\r\n");
}

// Tab from the pattern box to the samples, Down, Down: the sample the keys chose is the pattern,
// and Return adds it.
TEST_F(DateDialogTest, ASampleChosenWithTheKeysIsTheOneAdded)
{
    g_strConfigPath = File("design.ini");
    g_strDayFormat = "%Y";
    Write("config/date_format.ini", "[Main]\r\nDateFormat1=%Y\r\n");
    driver->Expect(IDD_ADD_DATE_FORMAT, [](DialogProbe& p) {
        // The desktop activates the dialog; the focus is on the pattern box.
        ASSERT_TRUE(p.PumpUntil([&] { return CWnd::GetFocus() == p.Item(IDC_ADF_PATTERN); }));
        PressKey(VK_TAB);
        ASSERT_EQ(CWnd::GetFocus(), p.Item(IDC_ADF_SAMPLES));
        PressKey(VK_DOWN);
        EXPECT_EQ(Text(p, IDC_ADF_PATTERN), "aaa d,mmmm,yyyy");
        PressKey(VK_DOWN);
        EXPECT_EQ(static_cast<CListBox*>(p.Item(IDC_ADF_SAMPLES))->GetCurSel(), 2);
        EXPECT_EQ(Text(p, IDC_ADF_PATTERN), "yyyy-m-d aaaa");
        EXPECT_EQ(Text(p, IDC_ADF_EXAMPLE), "2026-06-15 Monday");
        PressKey(VK_RETURN);
    });
    RunDialog([](DialogProbe& p) {
        p.Click(IDC_SM_ADD_FORMAT);
        EXPECT_EQ(Patterns(p), (std::vector<std::string>{"%Y", "%Y-%m-%d %A"}));
        p.Click(IDC_SM_OK);
    });
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{});
    EXPECT_EQ(g_strDayFormat, "%Y-%m-%d %A");
    EXPECT_EQ(Read("config/date_format.ini"),
              kProfileMarkerLine + "[Main]\r\nDateFormat1=%Y\r\nDateFormat2=%Y-%m-%d %A\r\n");
}

TEST_F(DateDialogTest, DeletingRowsRewritesTheFileAndSelectsTheNewLastRow)
{
    g_strConfigPath = File("design.ini");
    g_strDayFormat = "%Y";
    Write("config/date_format.ini", "[Main]\r\nDateFormat1=%Y\r\nDateFormat2=%m\r\nDateFormat3=%d\r\n");
    platform::ui::PopupMenuRecorder menus;
    RunDialog([&](DialogProbe& p) {
        // By keys alone: the context-menu key opens the selected row's menu in the list, the
        // dialog's system menu on another control.
        ClickListRow(p.Dialog(), IDC_SM_FORMAT_LIST, 2);
        menus.Choose(ID_DATE_FORMAT_DELETE);
        PressMenuKeyIn(p, FormatList(p));
        EXPECT_EQ(Patterns(p), (std::vector<std::string>{"%Y", "%m"}));
        PressMenuKeyIn(p, *p.Item(IDC_SM_ADD_FORMAT));
        EXPECT_EQ(menus.Shown(), (std::vector<std::vector<std::string>>{{"&Delete"}, {"关闭(&C)\tAlt+F4"}}));
        ClickListRow(p.Dialog(), IDC_SM_FORMAT_LIST, 1);
        RightClickDelete(p, menus, 1);
        EXPECT_EQ(Patterns(p), std::vector<std::string>{"%Y"});
        EXPECT_TRUE(FormatList(p).GetItemState(0, LVIS_SELECTED)) << "the new last row";
        EXPECT_EQ(Text(p, IDC_SM_START_LABEL), "2026") << "and the daily format";
        RightClickDelete(p, menus, 0);
        EXPECT_EQ(FormatList(p).GetItemCount(), 0);
        RightClickDelete(p, menus, -1);
        p.Click(IDC_SM_OK);
    });
    EXPECT_EQ(menus.Shown().front(), std::vector<std::string>{"&Delete"});
    EXPECT_EQ(Read("config/date_format.ini"), kProfileMarkerLine + "[Main]\r\n");
    EXPECT_EQ(g_strDayFormat, "%Y") << "the row a deletion left selected stays the daily format";
}

TEST_F(DateDialogTest, KeysInTheFormatListChooseTheDailyFormat)
{
    g_strConfigPath = File("design.ini");
    g_strDayFormat = "%Y";
    Write("config/date_format.ini", "[Main]\r\nDateFormat1=%Y\r\nDateFormat2=%m\r\nDateFormat3=%d\r\n");
    RunDialog([](DialogProbe& p) {
        ClickListRow(p.Dialog(), IDC_SM_FORMAT_LIST, 0);
        PressListKey(p, VK_UP);
        EXPECT_EQ(Text(p, IDC_SM_START_LABEL), "2026") << "nothing above the first row";
        PressListKey(p, VK_DOWN);
        EXPECT_EQ(Text(p, IDC_SM_START_LABEL), "01");
        PressListKey(p, VK_END);
        PressListKey(p, VK_LEFT);
        EXPECT_EQ(Text(p, IDC_SM_END_LABEL), "31");
        PressListKey(p, VK_HOME);
        p.Click(IDC_SM_OK);
    });
    EXPECT_EQ(g_strDayFormat, "%Y");
}

// Page Down, which the dialog is not told of, and Space: the row the list shows selected and
// ticked is the daily format 确定 takes.
TEST_F(DateDialogTest, TheFormatTheListShowsAfterPageDownIsTheOneTaken)
{
    g_strConfigPath = File("design.ini");
    g_strDayFormat = "%Y";
    std::string formats = "[Main]\r\n";
    for (int number = 1; number <= 20; ++number)
        formats += "DateFormat" + std::to_string(number) + "=%Y (" + std::to_string(number) + ")\r\n";
    Write("config/date_format.ini", formats);
    std::string shown;
    RunDialog([&](DialogProbe& p) {
        CListCtrl& list = FormatList(p);
        ClickListRow(p.Dialog(), IDC_SM_FORMAT_LIST, 0);
        list.SetFocus();
        platform::ui::SimulateKey(list, VK_NEXT);
        platform::ui::SimulateKey(list, VK_SPACE);
        const int row = list.GetNextItem(-1, LVNI_SELECTED);
        EXPECT_GT(row, 1);
        for (int other = 0; other < list.GetItemCount(); ++other)
            EXPECT_EQ(list.GetCheck(other) != FALSE, other == row) << other;
        shown = Patterns(p)[static_cast<size_t>(row)];
        p.Click(IDC_SM_OK);
    });
    EXPECT_EQ(g_strDayFormat.str(), shown);
}

namespace {

// A format whose longest text, in bytes as stored, is given: "September" and "Wednesday" are the
// longest names, two bytes a Chinese character; 2 September 2026 is the year's first Wednesday
// in September.
struct FormatLength {
    const char* why;
    std::string monthFormat;   // typed as the custom format; "" keeps "%Y-%m"
    std::string dayFormat;
    const char* told;          // the status line's text; null when 确定 closes the dialog
};

class FormatLengths : public DateDialogTest, public testing::WithParamInterface<FormatLength> {};

constexpr const char* kMonthTooLong = "9月的月份标题太长：最多 49 字节，即 24 个汉字";
constexpr const char* kDateTooLong = "9月2日的日期太长：最多 199 字节，即 99 个汉字";

} // namespace

// The windows show a month title of 49 bytes and a date of 199 at most: a format past that keeps
// the dialog open with the bound and the month or day that passes it in the status line, also
// when today's month (June) is short enough. The text goes once the user chose a format that fits.
TEST_P(FormatLengths, PastWhatTheWindowsShowKeepTheDialogOpen)
{
    const FormatLength& format = GetParam();
    g_strConfigPath = File("design.ini");
    g_strMonthFormat = "%Y-%m";
    g_strDayFormat = format.dayFormat;
    Write("config/date_format.ini", "[Main]\r\nDateFormat1=%Y-%m-%d\r\n");
    RunDialog([&](DialogProbe& p) {
        if (!format.monthFormat.empty()) {
            p.Click(IDC_SM_MONTH_CUSTOM);
            p.Type(IDC_SM_CUSTOM_FORMAT, format.monthFormat.c_str());
            p.Click(IDC_SM_PREVIEW_CUSTOM);
            EXPECT_NE(Text(p, IDC_SM_CUSTOM_PREVIEW), "") << "June's title is shown";
        }
        p.Click(IDC_SM_OK);
        if (format.told == nullptr) {
            EXPECT_FALSE(p.IsOpen());
            return;
        }
        ASSERT_TRUE(p.IsOpen());
        EXPECT_EQ(Text(p, IDC_SM_STATUS), format.told) << format.why;
        if (format.monthFormat.empty())
            ClickListRow(p.Dialog(), IDC_SM_FORMAT_LIST, 0);
        else
            p.Type(IDC_SM_CUSTOM_FORMAT, "%B %Y");
        EXPECT_EQ(Text(p, IDC_SM_STATUS), "") << format.why << ", once it fits";
        p.Click(IDC_SM_CANCEL);
    });
    EXPECT_TRUE(MessageTexts().empty());
    EXPECT_EQ(g_strMonthFormat, format.told != nullptr || format.monthFormat.empty() ? "%Y-%m" : format.monthFormat);
}

INSTANTIATE_TEST_SUITE_P(
    DateFormats, FormatLengths,
    testing::Values(FormatLength{"49 bytes in September", "%B" + Repeated("汉", 20), "%Y-%m-%d", nullptr},
                    FormatLength{"50 bytes in September", "%B" + Repeated("汉", 20) + "x", "%Y-%m-%d", kMonthTooLong},
                    FormatLength{"199 bytes on a Wednesday of September", "", "%A%B" + Repeated("汉", 90) + "x", nullptr},
                    FormatLength{"200 bytes on a Wednesday of September", "", "%A%B" + Repeated("汉", 90) + "xx",
                                 kDateTooLong}));
