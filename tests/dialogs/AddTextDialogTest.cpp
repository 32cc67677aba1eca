// The text lines dialog (257) with its motto file, its detail (258) and its box (259), driven
// through their windows.
#include "app/window/AppFixture.h"
#include "dialogs/diary/Form_AddText.h"
#include "platform/CodePage.h"
#include "platform/ui/TestWindows.h"
#include "resources/HeadingDialogIds.h"
#include "settings/MottoFile.h"
#include "settings/SettingsRecords.h"
#include "support/FakeDesktop.h"
#include "support/OwnFileMarks.h"
#include "support/Utf16Bytes.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {

class AddTextDialogTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        g_vecTextLines.clear();
    }
    void TearDown() override
    {
        g_vecTextLines.clear();
        AppTest::TearDown();
    }
    // The motto file named in the settings, with these bytes.
    void Motto(const std::string& bytes)
    {
        Write("motto.txt", bytes);
        g_addText.FileName = File("motto.txt").c_str();
    }
    INT_PTR Run(platform::ui::ModalHandler handler)
    {
        driver->Expect(IDD_ADD_TEXT, std::move(handler));
        CForm_AddText dialog;
        return dialog.DoModal();
    }
    // Opens the dialog, does what the test says, presses "Save" and cancels.
    std::string SaveAfter(const std::function<void(DialogProbe&)>& act = {})
    {
        Run([&](DialogProbe& p) {
            if (act)
                act(p);
            p.Click(IDC_TEXT_SAVE);
            p.Click(IDC_TEXT_CANCEL);
        });
        return Read("motto.txt");
    }
    static CForm_AddText& Of(DialogProbe& p) { return static_cast<CForm_AddText&>(p.Dialog()); }
    static std::vector<std::string> Rows(DialogProbe& p)
    {
        std::vector<std::string> rows;
        const CListCtrl& list = Of(p).m_listLines;
        for (int row = 0; row < list.GetItemCount(); ++row)
            rows.push_back((list.GetItemText(row, 0) + "|" + list.GetItemText(row, 1) + "|" + list.GetItemText(row, 2)).str());
        return rows;
    }
    static CString Label(DialogProbe& p, int id) { return p.Item(id)->GetWindowText(); }
    static void Select(DialogProbe& p, std::initializer_list<int> rows)
    {
        for (int row : rows)
            Of(p).m_listLines.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
    }
    static AddTextSettings Styled()
    {
        AddTextSettings a;
        a.FontName = "微软雅黑";   // not installed here
        a.FontSize = "10.5";
        a.FontColor = "3A5FCD";
        a.BackgroundColor = "F2E6D9";
        a.FontBold = a.FontUnderline = a.LOOP = a.BackgroundColor_Check = 1;
        return a;
    }
};

} // namespace

TEST_F(AddTextDialogTest, ShortLinesAreSkippedAndSaveWritesTheRestTrimmed)
{
    Motto("a\r\n\r\nhello\r\n b \r\n");
    const std::string saved = SaveAfter([](DialogProbe& p) {
        EXPECT_EQ(Rows(p), (std::vector<std::string>{"1|hello|5", "2| b |3"}));
        EXPECT_EQ(Label(p, IDC_TEXT_LINE_COUNT), "2");
        EXPECT_EQ(Label(p, IDC_TEXT_PREVIEW), "hello");
    });
    EXPECT_EQ(saved, kGb18030Bom + "hello\r\nb\r\n");
}

TEST_F(AddTextDialogTest, TheListEndsAfterMoreThanAHundredShortLinesButSaveKeepsEveryLine)
{
    Motto(std::string(150, '\n') + "motto\n");
    EXPECT_EQ(SaveAfter([](DialogProbe& p) { EXPECT_TRUE(Rows(p).empty()); }), kGb18030Bom + "motto\r\n");
}

TEST_F(AddTextDialogTest, LongLinesAreShownAndWrittenWhole)
{
    const std::string line1022(1022, 'x'), line2000(2000, 'y');
    Motto("first\n" + line1022 + "\n" + line2000 + "\nlast\n");
    const std::string saved = SaveAfter([](DialogProbe& p) {
        const auto rows = Rows(p);
        ASSERT_EQ(rows.size(), 4u);
        EXPECT_EQ(rows[1].substr(rows[1].size() - 5), "|1022");
        EXPECT_EQ(rows[2].substr(rows[2].size() - 5), "|2000");
    });
    EXPECT_EQ(saved, kGb18030Bom + "first\r\n" + line1022 + "\r\n" + line2000 + "\r\nlast\r\n");
}

TEST_F(AddTextDialogTest, DelRemovesTheSameLineFromTheListAndTheFile)
{
    Motto("one\r\ntwo\r\nthree\r\nfour\r\n");
    EXPECT_EQ(SaveAfter([](DialogProbe& p) {
                  ClickListRow(p.Dialog(), IDC_TEXT_LINES, 1);
                  p.Click(IDC_TEXT_DELETE);
                  EXPECT_EQ(Label(p, IDC_TEXT_LINE_COUNT), "3");
                  EXPECT_EQ(Label(p, IDC_TEXT_PREVIEW), "one");
                  Select(p, {0, 2});   // one row at a time: the last one chosen goes
                  p.Click(IDC_TEXT_DELETE);
                  EXPECT_EQ(Rows(p), (std::vector<std::string>{"1|one|3", "3|three|5"}));
              }),
              kGb18030Bom + "one\r\nthree\r\n");
}

TEST_F(AddTextDialogTest, DelAllThenSaveAndOpeningTwiceWriteEachLineOnce)
{
    Motto("one\r\ntwo\r\n");
    EXPECT_EQ(SaveAfter([](DialogProbe& p) {
                  p.Click(IDC_TEXT_DELETE_ALL);
                  EXPECT_TRUE(Rows(p).empty());
                  EXPECT_EQ(Label(p, IDC_TEXT_LINE_COUNT), "0");
              }),
              kGb18030Bom + "one\r\ntwo\r\n");
    EXPECT_EQ(SaveAfter(), kGb18030Bom + "one\r\ntwo\r\n");
}

TEST_F(AddTextDialogTest, ANewlyChosenFileNeverGetsTheOldFilesLines)
{
    Motto("old one\r\nold two\r\n");
    Write("empty.txt", "\r\n");
    commonDialogs->Answer({IDOK, File("empty.txt").c_str()});
    Run([](DialogProbe& p) {
        p.Click(IDC_TEXT_CHOOSE_FILE);
        EXPECT_TRUE(Rows(p).empty());
        p.Click(IDC_TEXT_SAVE);
        p.Click(IDC_TEXT_OK);
    });
    EXPECT_EQ(Read("empty.txt"), "");
    EXPECT_EQ(Read("motto.txt"), "old one\r\nold two\r\n");
    EXPECT_EQ(g_addText.FileName, File("empty.txt"));
    ASSERT_EQ(commonDialogs->Requests().size(), 1u);
    EXPECT_EQ(commonDialogs->Requests()[0].filter, "txt Files(*.txt)|*.txt||");
}

TEST_F(AddTextDialogTest, AReadOnlyFileIsShownAndAFailedSaveIsToldAndKeepsIt)
{
    Motto("one\r\ntwo\r\n");
    ASSERT_EQ(::chmod(File("motto.txt").c_str(), 0444), 0);
    EXPECT_EQ(SaveAfter([](DialogProbe& p) {
                  EXPECT_EQ(Rows(p).size(), 2u);
                  p.Click(IDC_TEXT_DELETE);
              }),
              "one\r\ntwo\r\n");
    ASSERT_EQ(boxes->Shown().size(), 1u);
    EXPECT_EQ(boxes->Shown()[0].text, "无法保存文件 '" + File("motto.txt") + "'。\n" + std::strerror(EACCES));
}

// "Open Text(*.txt)" and "Open Folder" open as the main window opens the document: what the
// desktop cannot open is told, at once when no opener starts, later when the opener fails.
TEST_F(AddTextDialogTest, AFileOrFolderTheDesktopCannotOpenIsTold)
{
    Motto("one\r\ntwo\r\n");
    const std::string folder = File("motto.txt").substr(0, File("motto.txt").rfind('/'));
    platform::SetShellRecorder(nullptr);
    struct Case {
        const char* why;
        std::optional<int> opener, fileManager;
        int button;
        std::string caption, text;
    };
    const Case cases[] = {
        {"no opener", std::nullopt, std::nullopt, IDC_TEXT_OPEN_FILE, "打开文件",
         "无法打开文件 '" + File("motto.txt") + "'。"},
        {"no opener", std::nullopt, std::nullopt, IDC_TEXT_OPEN_FOLDER, "打开文件夹", "无法打开文件夹 '" + folder + "'。"},
        {"the opener fails", 4, std::nullopt, IDC_TEXT_OPEN_FILE, "打开文件", "无法打开文件 '" + File("motto.txt") + "'。"},
        {"file manager and opener fail", 4, 1, IDC_TEXT_OPEN_FOLDER, "打开文件夹", "无法打开文件夹 '" + folder + "'。"},
    };
    int number = 0;
    for (const Case& c : cases) {
        const FakeDesktop desktop(File("desktop" + std::to_string(++number)), c.opener, c.fileManager);
        Run([&](DialogProbe& p) {
            p.Click(c.button);
            EXPECT_TRUE(platform::ui::PumpEventsUntil([&] { return boxes->Shown().size() == size_t(number); }, 5000))
                << c.why;
            p.Click(IDC_TEXT_CANCEL);
        });
        ASSERT_EQ(boxes->Shown().size(), size_t(number)) << c.why;
        EXPECT_EQ(boxes->Shown().back().caption, c.caption) << c.why;
        EXPECT_EQ(boxes->Shown().back().text, c.text) << c.why;
    }
}

TEST_F(AddTextDialogTest, TheFileIsSystemCodePageTextAndUtf8FilesReadToo)
{
    Motto(platform::EncodeGb18030("日记\r\n"));
    EXPECT_EQ(SaveAfter([](DialogProbe& p) { EXPECT_EQ(Rows(p), (std::vector<std::string>{"1|日记|4"})); }),
              kGb18030Bom + platform::EncodeGb18030("日记\r\n"));
    Motto("\xEF\xBB\xBF读书\n");
    EXPECT_EQ(SaveAfter([](DialogProbe& p) { EXPECT_EQ(Rows(p), (std::vector<std::string>{"1|读书|6"})); }),
              kGb18030Bom + platform::EncodeGb18030("读书\r\n"));
}

// A file a Windows editor saved as "Unicode" shows its text, and "Save" makes it our marked
// GB18030, which the dialog then shows the same.
TEST_F(AddTextDialogTest, Utf16FilesShowTheirTextAndSaveAsTextThatReadsBackTheSame)
{
    const std::string mottos = "天道酬勤\r\n上善若水 😀\r\n";
    const std::vector<std::string> rows = {"1|天道酬勤|8", "2|上善若水 😀|13"};
    for (const bool bigEndian : {false, true}) {
        SCOPED_TRACE(bigEndian ? "big-endian" : "little-endian");
        Motto(Utf16Bytes(mottos, bigEndian));
        EXPECT_EQ(SaveAfter([&](DialogProbe& p) {
                      EXPECT_EQ(Rows(p), rows);
                      EXPECT_EQ(Label(p, IDC_TEXT_PREVIEW), "天道酬勤");
                  }),
                  kGb18030Bom + platform::EncodeGb18030(mottos));
        Run([&](DialogProbe& p) {
            EXPECT_EQ(Rows(p), rows);
            p.Click(IDC_TEXT_CANCEL);
        });
    }
}

TEST_F(AddTextDialogTest, OkWithoutEditsStoresTheLookUnchangedAndCancelNothing)
{
    Motto("one\r\n");
    g_addText = Styled();
    g_addText.FileName = File("motto.txt").c_str();
    const AddTextSettings before = g_addText;
    Run([](DialogProbe& p) {
        EXPECT_EQ(Of(p).m_comboSize.GetCurSel(), 11);
        EXPECT_EQ(Of(p).m_preview.m_fontSize, 20);
        p.Click(IDC_TEXT_OK);
    });
    EXPECT_EQ(g_addText, before);

    Run([](DialogProbe& p) {
        p.Choose(IDC_HEADING_SIZE, 2);
        p.Click(IDC_HEADING_BOLD);
        p.Click(IDC_TEXT_BACK_FLAG);
        p.Click(IDC_TEXT_TABLE);
        p.Click(IDC_TEXT_CANCEL);
    });
    EXPECT_EQ(g_addText, before);
    EXPECT_EQ(g_textTable.bTable, 1) << "the box switch takes effect at once";
}

TEST_F(AddTextDialogTest, WithoutAFileOkStoresThePreparedLook)
{
    g_addText = Styled();
    g_addText.FileName = File("missing.txt").c_str();
    Run([](DialogProbe& p) {
        EXPECT_EQ(Label(p, IDC_TEXT_PATH), "");
        p.Click(IDC_TEXT_OK);
    });
    const AddTextSettings& a = g_addText;
    EXPECT_EQ(std::vector<CString>({a.FileName, a.FontName, a.FontSize, a.FontColor, a.BackgroundColor}),
              std::vector<CString>({"", "Tahoma", "12.5", "000000", ""}));
    EXPECT_EQ(a.FontBold + a.FontItalic + a.FontUnderline + a.LOOP + a.BackgroundColor_Check, 0);
}

TEST_F(AddTextDialogTest, TheBoxAndTheDetailOpenFromTheDialog)
{
    Motto("one\r\ntwo\r\n");
    g_textTable = {1, "000000", "single", "", 1, 1, 1, 1, 0};
    driver->Expect(IDD_ADD_TEXT_EDIT, [](DialogProbe& p) {
        EXPECT_EQ(Label(p, IDC_TEXT_DETAIL_NUMBER), "2");
        EXPECT_EQ(Label(p, IDC_TEXT_DETAIL_TEXT), "two");
        p.Click(IDC_TEXT_DETAIL_CLOSE);
    });
    driver->Expect(IDD_TABLE_ALINE, [](DialogProbe& p) {
        EXPECT_EQ(Label(p, IDC_LINE_TABLE_SAMPLE), "two");
        p.Click(IDC_LINE_TABLE_TOP);
        p.Click(IDC_DIARY_OK);
    });
    Run([](DialogProbe& p) {
        ClickListRow(p.Dialog(), IDC_TEXT_LINES, 1);
        ClickListRow(p.Dialog(), IDC_TEXT_LINES, 1, NM_DBLCLK);
        p.Click(IDC_TEXT_TABLE_BUTTON);
        p.Click(IDC_TEXT_CANCEL);
    });
    EXPECT_EQ(g_textTable.bLineTop, 0) << "the box dialog's OK stays when the text dialog is cancelled";
}

// Text an input method commits to the read-only path box never becomes the motto file.
TEST_F(AddTextDialogTest, ThePathBoxTakesNoInputMethodText)
{
    Motto("one\r\ntwo\r\n");
    Run([](DialogProbe& p) {
        p.CommitInputMethodText(IDC_TEXT_PATH, "日记");
        p.Click(IDC_TEXT_OK);
    });
    EXPECT_EQ(g_addText.FileName, File("motto.txt"));
}

// What "Save" writes, the dialog and a run read back whole. 256 lines of 65535 bytes and LF fill
// the 16 MiB the readers take; with CR LF behind the mark they would pass it by 260 bytes, so that
// save is refused before anything is written; with one line fewer they fit and are saved.
TEST_F(AddTextDialogTest, ASaveThatWouldPassTheSizeBoundIsRefusedAndOneWithinItReadsBackWhole)
{
    const std::string line(65535, 'x');
    std::string lines;
    for (int i = 0; i < 256; ++i)
        lines += line + "\n";
    ASSERT_EQ(lines.size(), kMaxMottoFileBytes);
    Motto(lines);
    Run([&](DialogProbe& p) {
        EXPECT_EQ(Of(p).m_listLines.GetItemCount(), 256);
        p.Click(IDC_TEXT_SAVE);
        EXPECT_TRUE(Read("motto.txt") == lines) << "the file was written over";
        ClickListRow(p.Dialog(), IDC_TEXT_LINES, 0);
        p.Click(IDC_TEXT_DELETE);
        p.Click(IDC_TEXT_SAVE);
        p.Click(IDC_TEXT_CANCEL);
    });
    ASSERT_EQ(boxes->Shown().size(), 1u);
    EXPECT_EQ(boxes->Shown()[0].text, "无法保存文件 '" + File("motto.txt") + "'。\n" + std::strerror(EFBIG));
    std::vector<TextLineRecord> readBack;
    EXPECT_EQ(ReadTextFileLines(File("motto.txt"), readBack), 0);
    EXPECT_EQ(readBack.size(), 255u);
    Run([](DialogProbe& p) {
        EXPECT_EQ(Of(p).m_listLines.GetItemCount(), 255);
        p.Click(IDC_TEXT_CANCEL);
    });
    EXPECT_EQ(boxes->Shown().size(), 1u);
}

// A file past the bound is told where it is opened, from the settings and with "选择文本文件",
// never shown as an empty list that "Save" writes over with no line.
TEST_F(AddTextDialogTest, AFilePastTheSizeBoundIsToldAsTooLargeAndNeverSavedOver)
{
    const std::string big = std::string(kMaxMottoFileBytes, 'x') + "\n";
    Motto(big);
    Write("chosen.txt", big);
    commonDialogs->Answer({IDOK, File("chosen.txt").c_str()});
    Run([](DialogProbe& p) {
        p.Click(IDC_TEXT_SAVE);
        p.Click(IDC_TEXT_CHOOSE_FILE);
        p.Click(IDC_TEXT_SAVE);
        p.Click(IDC_TEXT_OK);
    });
    std::vector<std::string> told;
    for (const auto& box : boxes->Shown())
        told.push_back(box.text);
    const auto tooLarge = [this](const char* name) { return "文本文件 '" + File(name) + "' 超过了16 MB，无法读取。"; };
    const auto notSaved = [this](const char* name) {
        return "无法保存文件 '" + File(name) + "'。\n" + std::strerror(EFBIG);
    };
    EXPECT_EQ(told, (std::vector<std::string>{tooLarge("motto.txt"), notSaved("motto.txt"), tooLarge("chosen.txt"),
                                              notSaved("chosen.txt")}));
    EXPECT_TRUE(Read("motto.txt") == big);
    EXPECT_TRUE(Read("chosen.txt") == big);
}

// Page Down moves the list without telling its key: the row it moves to is the one Detail shows.
TEST_F(AddTextDialogTest, DetailShowsTheRowTheKeysMoveTo)
{
    std::string lines;
    for (int number = 1; number <= 40; ++number)
        lines += "line " + std::to_string(number) + "\r\n";
    Motto(lines);
    int shown = -1;
    driver->Expect(IDD_ADD_TEXT_EDIT, [&](DialogProbe& p) {
        EXPECT_EQ(Label(p, IDC_TEXT_DETAIL_NUMBER).str(), std::to_string(shown + 1));
        EXPECT_EQ(Label(p, IDC_TEXT_DETAIL_TEXT).str(), "line " + std::to_string(shown + 1));
        p.Click(IDC_TEXT_DETAIL_CLOSE);
    });
    Run([&](DialogProbe& p) {
        CListCtrl& list = Of(p).m_listLines;
        ClickListRow(p.Dialog(), IDC_TEXT_LINES, 0);
        list.SetFocus();
        platform::ui::SimulateKey(list, VK_NEXT);
        shown = list.GetNextItem(-1, LVNI_SELECTED);
        EXPECT_GT(shown, 1);
        EXPECT_EQ(Label(p, IDC_TEXT_PREVIEW).str(), "line " + std::to_string(shown + 1));
        p.Click(IDC_TEXT_DETAIL);
        p.Click(IDC_TEXT_CANCEL);
    });
    EXPECT_EQ(driver->Ran(), (std::vector<UINT>{IDD_ADD_TEXT, IDD_ADD_TEXT_EDIT}));
}

// A click beside the rows, with either button, leaves the row Detail shows the one selected.
TEST_F(AddTextDialogTest, AClickBesideTheRowsLeavesTheRowDetailShowsSelected)
{
    Motto("one\r\ntwo\r\nthree\r\n");
    for (const auto& [press, release] :
         {std::pair{WM_LBUTTONDOWN, WM_LBUTTONUP}, std::pair{WM_RBUTTONDOWN, WM_RBUTTONUP}}) {
        SCOPED_TRACE(press);
        driver->Expect(IDD_ADD_TEXT_EDIT, [](DialogProbe& p) {
            EXPECT_EQ(Label(p, IDC_TEXT_DETAIL_TEXT), "two");
            p.Click(IDC_TEXT_DETAIL_CLOSE);
        });
        Run([&](DialogProbe& p) {
            CListCtrl& list = Of(p).m_listLines;
            platform::ui::SimulateKey(list, VK_DOWN);
            ClickListAt(list, press, release, BesideTheRows(list));
            EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 1);
            p.Click(IDC_TEXT_DETAIL);
            p.Click(IDC_TEXT_CANCEL);
        });
    }
}
