// The class list's commands driven through the main window and its dialogs, offscreen, and what
// start-up does with the heading settings.
#include "AppFixture.h"
#include "app/Form_SetWord.h"
#include "platform/ui/TestWindows.h"
#include "resources/DiaryDialogIds.h"
#include "resources/HeadingDialogIds.h"
#include "resources/TableStyleIds.h"
#include "settings/ClassListModel.h"
#include "settings/SettingsRecords.h"

#include <functional>

namespace {

class ClassCommandsTest : public AppTest {
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
    CString Cell(int row, int column) const { return window->m_listClasses.GetItemText(row, column); }
    int Rows() const { return window->m_listClasses.GetItemCount(); }
    // Rows added straight to the list, each numbered and titled "n".
    void AddRows(int count, bool numbered)
    {
        for (int index = 0; index < count; ++index) {
            const int row = window->m_listClasses.InsertItem(Rows(), "");
            CString number;
            number.Format("%d", row + 1);
            window->m_listClasses.SetItemText(row, kCellId, number);
            window->m_listClasses.SetItemText(row, kCellTitle, number);
            window->m_listClasses.SetItemText(row, kCellItemNumber, numbered ? "Y" : "N");
        }
    }
    void PressKey(WORD key)
    {
        NMLVKEYDOWN down;
        down.hdr.idFrom = IDC_LIST_CLASSES;
        down.hdr.code = LVN_KEYDOWN;
        down.wVKey = key;
        window->SendMessage(WM_NOTIFY, IDC_LIST_CLASSES, reinterpret_cast<LPARAM>(&down));
    }
    void ClickList(UINT press, UINT release, CPoint at) { ClickListAt(window->m_listClasses, press, release, at); }
    // The rows are wider than the list: a point on one is taken where the list shows it.
    CPoint OnRow(int row) const
    {
        CRect bounds, client;
        window->m_listClasses.GetItemRect(row, &bounds, LVIR_BOUNDS);
        window->m_listClasses.GetClientRect(&client);
        return {client.CenterPoint().x, bounds.CenterPoint().y};
    }
    std::unique_ptr<CForm_SetWord> window;
};

} // namespace

TEST_F(ClassCommandsTest, AClassAddedAndSetFieldByFieldComesBackFromTheFile)
{
    Start();
    driver->Expect(IDD_DAILY_DIARY, [](DialogProbe& p) {
        p.Click(IDC_CLASS_DEFAULT);
        p.Type(IDC_CLASS_TITLE, "  读书 ");
        p.Choose(IDC_CLASS_LINE_COUNT, 3);
        p.Choose(IDC_CLASS_LINE_SIZE, 6);
        p.Click(IDC_CLASS_TITLE_BACK_FLAG);
        p.Click(IDC_CLASS_SNAP_TO_GRID);
        p.Click(IDC_CLASS_LINE_UNDERLINE);
        p.Type(IDC_CLASS_PREFIX, "(开心)");
        p.Click(IDC_CLASS_NUMBERS);
        p.Click(IDC_CLASS_TABLE);
        p.Click(IDC_CLASS_TABLE_BUTTON);
        p.Click(IDC_DIARY_OK);
    });
    driver->Expect(IDD_TABLE_STYLE, [](DialogProbe& p) {
        ClickListRow(p.Dialog(), IDC_TABLE_PRESETS, 1);
        p.Click(IDC_DIARY_OK);
    });
    Command(IDC_BUTTON_ADD);
    ASSERT_EQ(Rows(), 4);
    EXPECT_EQ(window->m_nCurrentRow, 3);
    EXPECT_EQ(window->m_listClasses.GetItemState(3, LVIS_SELECTED), LVIS_SELECTED);

    boxes->Answer(IDYES);
    driver->Expect(IDD_SAVE_CONFIG, [](DialogProbe& p) { p.Click(IDC_CONFIG_OK); });
    Command(ID_TOOLBAR_SAVE);
    const std::string file = File("ZaDuzed_Simple.ini");
    const std::vector<std::pair<const char*, const char*>> expected = {
        {"COL_ID", "4"},          {"COL_CLASS_TITLE", "读书"},   {"COL_LINE_COUNT", "4"},
        {"COL_LINE_TEXT_FONT_SIZE", "8"}, {"COL_CLASS_FONT_SIZE", "11"}, {"bCOL_CLASS_BK_COLOR", "1"},
        {"COL_CLASS_BK_COLOR", "FFFFFF"}, {"COL_LINE_SnapToGrid", "1"}, {"COL_LINE_Underline", "1"},
        {"COL_UNDONE_TEXT", "(开心)"}, {"COL_ItemNumber", "1"},   {"bTable", "1"},
        {"line_type", "single"},  {"class_table_bk_color", "D9D9D9"}, {"line_color", "000000"},
        {"SpaceRow_ForEveryClass", "1"}, {"COL_CLASS_FONT_NAME", "Tahoma"}, {"COL_CLASS_FONT_ITALIC", "1"},
    };
    for (const auto& [key, value] : expected)
        EXPECT_EQ(Ini(file, "LIST3", key), value) << key;
}

TEST_F(ClassCommandsTest, TheThirtyFirstClassIsRefusedWithTheLimit)
{
    Start();
    AddRows(27, false);
    Command(IDC_BUTTON_ADD);
    ASSERT_EQ(boxes->Shown().size(), 1u);
    EXPECT_NE(boxes->Shown()[0].text.find("最大分 30 类"), std::string::npos);
    EXPECT_EQ(boxes->Shown()[0].caption, "重要信息");
    EXPECT_EQ(Rows(), 30);
}

TEST_F(ClassCommandsTest, NumberingIsRefusedPastFiveNumberedClasses)
{
    Start();
    AddRows(4, true);   // with the prepared row 1, five numbered classes
    bool refused = false;
    driver->Expect(IDD_DAILY_DIARY, [&](DialogProbe& p) {
        p.Click(IDC_CLASS_NUMBERS);
        refused = static_cast<CButton*>(p.Item(IDC_CLASS_NUMBERS))->GetCheck() == BST_UNCHECKED;
        p.Click(IDC_DIARY_CANCEL);
    });
    Command(IDC_BUTTON_ADD);
    EXPECT_TRUE(refused);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"增加'项目序号'的类只能增加5个. \r\n 如果你想增加，请取消其他类的'项目编号'。"});

    window->m_nCurrentRow = 1;   // a numbered class keeps its numbering
    driver->Expect(IDD_DAILY_DIARY, [](DialogProbe& p) {
        EXPECT_EQ(static_cast<CButton*>(p.Item(IDC_CLASS_NUMBERS))->GetCheck(), BST_CHECKED);
        p.Click(IDC_DIARY_OK);
    });
    Command(IDC_BUTTON_EDIT);
    EXPECT_EQ(Cell(1, kCellItemNumber), "Y");
    EXPECT_EQ(boxes->Shown().size(), 1u);
}

TEST_F(ClassCommandsTest, MovesExchangeWholeRowsAndDeleteMakesTheRowAboveCurrent)
{
    Start();
    const ClassListModel before = window->ReadClassListModel();
    Command(IDC_BUTTON_MOVE_DOWN);
    EXPECT_EQ(window->m_nCurrentRow, 1);
    EXPECT_EQ(window->ReadClassListModel()[1].cells, before[0].cells) << "numbers move with their rows";
    EXPECT_EQ(window->ReadClassListModel()[0].cells, before[1].cells);
    Command(IDC_BUTTON_MOVE_UP);
    Command(IDC_BUTTON_MOVE_UP);   // the first row goes no higher
    EXPECT_EQ(window->ReadClassListModel()[0].cells, before[0].cells);

    ClickListRow(*window, IDC_LIST_CLASSES, 2);
    Command(IDC_BUTTON_DELETE);
    ASSERT_EQ(Rows(), 2);
    EXPECT_EQ(window->m_nCurrentRow, 1);
    EXPECT_EQ(Cell(1, kCellTitle), "Reading");
    ClickListRow(*window, IDC_LIST_CLASSES, 0);
    Command(IDC_BUTTON_DELETE);
    EXPECT_EQ(window->m_nCurrentRow, 0);
    EXPECT_EQ(Cell(0, kCellTitle), "Reading");
    Command(IDC_BUTTON_DELETE);   // the only row: the preview empties
    EXPECT_EQ(Rows(), 0);
    EXPECT_EQ(window->m_groupPreview.GetWindowText(), "");
    EXPECT_EQ(window->m_labelTitle.GetWindowText(), "");
}

TEST_F(ClassCommandsTest, AFileOpensThroughTheShell)
{
    Start();
    window->ShellOpenFile(File("my_diary.docx").c_str(), *window);
    EXPECT_EQ(opened, std::vector<std::string>{File("my_diary.docx")});
}

TEST_F(ClassCommandsTest, ARowOutsideTheListIsNoRow)
{
    Start();
    window->m_nCurrentRow = 7;
    Command(IDC_BUTTON_EDIT);   // no dialog: the driver would report one
    Command(IDC_BUTTON_MOVE_UP);
    Command(IDC_BUTTON_MOVE_DOWN);
    EXPECT_EQ(Rows(), 3);
    EXPECT_EQ(Cell(0, kCellTitle), "工作");
}

TEST_F(ClassCommandsTest, KeysSelectAndPreviewRows)
{
    Start();
    const struct {
        WORD key;
        int row;
    } cases[] = {{VK_DOWN, 1}, {VK_END, 2}, {VK_DOWN, 2}, {VK_HOME, 0}, {VK_UP, 0}};
    for (const auto& c : cases) {
        PressKey(c.key);
        EXPECT_EQ(window->m_nCurrentRow, c.row) << c.key;
        window->m_listClasses.SetItemState(-1, 0, LVIS_SELECTED);
        window->m_listClasses.SetItemState(c.row, LVIS_SELECTED, LVIS_SELECTED);
    }
    ClickListRow(*window, IDC_LIST_CLASSES, 1, NM_CLICK);
    EXPECT_EQ(window->m_groupPreview.GetWindowText(), "日记的分类:  : 2  ");
}

// Page Down and Page Up move the list without telling their keys: the row they reach is the
// current one, which the preview shows and the commands act on.
TEST_F(ClassCommandsTest, PagesMoveTheCurrentRowWithTheList)
{
    Start();
    ClickListRow(*window, IDC_LIST_CLASSES, 0, NM_CLICK);
    window->m_listClasses.SetFocus();
    platform::ui::SimulateKey(window->m_listClasses, VK_NEXT);
    EXPECT_EQ(window->m_listClasses.GetNextItem(-1, LVNI_SELECTED), 2);
    EXPECT_EQ(window->m_nCurrentRow, 2);
    EXPECT_EQ(window->m_groupPreview.GetWindowText().str(), "日记的分类:  : 3  ");
    platform::ui::SimulateKey(window->m_listClasses, VK_PRIOR);
    EXPECT_EQ(window->m_nCurrentRow, 0);
}

// The commands act on the current row; a click beside the rows leaves it shown as selected.
TEST_F(ClassCommandsTest, AClickBesideTheRowsKeepsTheCurrentRowShown)
{
    Start();
    ClickListRow(*window, IDC_LIST_CLASSES, 1, NM_CLICK);
    ClickList(WM_LBUTTONDOWN, WM_LBUTTONUP, BesideTheRows(window->m_listClasses));
    EXPECT_EQ(window->m_nCurrentRow, 1);
    EXPECT_EQ(window->m_listClasses.GetNextItem(-1, LVNI_SELECTED), 1);
}

// Whatever put the selection on a row, the program or a click on or beside the rows, the list's
// keys go on from that row, and 编辑 opens the class the list then shows selected.
TEST_F(ClassCommandsTest, KeysGoOnFromTheRowShownAndEditOpensIt)
{
    struct Case {
        const char* name;
        std::function<void()> select;
        std::vector<WORD> keys;
        int shown;             // the row shown selected after the keys
        const char* editing;   // the caption of the class dialog 编辑 opens
    };
    const auto dialogOk = [this](UINT command) {
        driver->Expect(IDD_DAILY_DIARY, [](DialogProbe& p) { p.Click(IDC_DIARY_OK); });
        Command(command);
    };
    // The prepared classes are numbered 1 to 3 in their rows; an added one is number 4.
    const Case cases[] = {
        {"start", [] {}, {VK_DOWN}, 1, "Editing : 2"},
        {"start", [] {}, {VK_DOWN, VK_DOWN}, 2, "Editing : 3"},
        {"start", [] {}, {VK_END, VK_UP}, 1, "Editing : 2"},
        {"add", [&] { dialogOk(IDC_BUTTON_ADD); }, {VK_UP}, 2, "Editing : 3"},
        {"delete", [this] { Command(IDC_BUTTON_DELETE); }, {VK_DOWN}, 1, "Editing : 3"},
        {"move down", [this] { Command(IDC_BUTTON_MOVE_DOWN); }, {VK_DOWN}, 2, "Editing : 3"},
        {"move up", [this] {
             Command(IDC_BUTTON_MOVE_DOWN);
             Command(IDC_BUTTON_MOVE_UP);
         }, {VK_DOWN}, 1, "Editing : 2"},
        {"edit", [&] { dialogOk(IDC_BUTTON_EDIT); }, {VK_DOWN}, 1, "Editing : 2"},
        {"same format", [&] {
             driver->Expect(IDD_SAME_SETTING, [](DialogProbe& p) { p.Click(IDC_DIARY_OK); });
             Command(IDC_BUTTON_SAME_FORMAT);
         }, {VK_DOWN}, 1, "Editing : 2"},
        {"right click beside", [this] {
             ClickList(WM_LBUTTONDOWN, WM_LBUTTONUP, OnRow(1));
             ClickList(WM_RBUTTONDOWN, WM_RBUTTONUP, BesideTheRows(window->m_listClasses));
         }, {}, 1, "Editing : 2"},
        {"right click on a row", [this] { ClickList(WM_RBUTTONDOWN, WM_RBUTTONUP, OnRow(2)); }, {VK_UP}, 1,
         "Editing : 2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + ", " + std::to_string(c.keys.size()) + " keys");
        Start();
        c.select();
        for (WORD key : c.keys)
            platform::ui::SimulateKey(window->m_listClasses, key);
        EXPECT_EQ(window->m_listClasses.GetNextItem(-1, LVNI_SELECTED), c.shown);
        CString editing;
        driver->Expect(IDD_DAILY_DIARY, [&](DialogProbe& p) {
            editing = p.Dialog().GetWindowText();
            p.Click(IDC_DIARY_CANCEL);
        });
        Command(IDC_BUTTON_EDIT);
        EXPECT_EQ(editing.str(), c.editing);
        window.reset();
    }
}

TEST_F(ClassCommandsTest, AllColumnsShowAndHideTheHiddenCells)
{
    Start();
    DialogProbe probe(*window);
    probe.Click(IDC_CHECK_ALL_COLUMNS);
    EXPECT_EQ(window->m_listClasses.GetColumnWidth(kCellTableTop), 35);
    EXPECT_EQ(window->m_listClasses.GetColumnWidth(kCellEvenRowBack), 45);
    EXPECT_EQ(window->m_listClasses.GetColumnWidth(kCellSignColor), 0);
    probe.Click(IDC_CHECK_ALL_COLUMNS);
    EXPECT_EQ(window->m_listClasses.GetColumnWidth(kCellClassFontColor), 0);
}

TEST_F(ClassCommandsTest, DoubleClickEditsAndCancelKeepsTheRow)
{
    Start();
    const ClassListModel before = window->ReadClassListModel();
    driver->Expect(IDD_DAILY_DIARY, [](DialogProbe& p) {
        EXPECT_EQ(p.Dialog().GetWindowText(), "Editing : 1");
        p.Type(IDC_CLASS_TITLE, "changed");
        p.Click(IDC_DIARY_CANCEL);
    });
    ClickListRow(*window, IDC_LIST_CLASSES, 0, NM_DBLCLK);
    EXPECT_EQ(window->ReadClassListModel()[0].cells, before[0].cells);
}

TEST_F(ClassCommandsTest, TheMonthAndDateButtonsShowTheirSamplesAndTakeTheLookOnOk)
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

TEST_F(ClassCommandsTest, TheSameFormatGoesToEveryClassOnOkOnly)
{
    Start();
    const auto cells = [this](int column) {
        std::vector<std::string> texts;
        for (int row = 0; row < Rows(); ++row)
            texts.push_back(Cell(row, column).str());
        return texts;
    };
    const auto before = cells(kCellLineFontName);
    driver->Expect(IDD_SAME_SETTING, [](DialogProbe& p) {
        p.Click(IDC_HEADING_BOLD);
        p.Click(IDC_HEADING_CANCEL);
    });
    Command(IDC_BUTTON_SAME_FORMAT);
    EXPECT_EQ(cells(kCellLineFontName), before);

    g_sameFormat = {0, "Georgia Pro", "10.5", "3A5FCD"};
    driver->Expect(IDD_SAME_SETTING, [](DialogProbe& p) {
        p.Click(IDC_HEADING_BOLD);
        p.Click(IDC_DIARY_OK);
    });
    Command(IDC_BUTTON_SAME_FORMAT);
    const std::vector<std::string> all3(3, "Georgia Pro");
    for (int column : {kCellClassFontName, kCellLineFontName})
        EXPECT_EQ(cells(column), all3);
    for (int column : {kCellClassFontSize, kCellLineFontSize})
        EXPECT_EQ(cells(column), std::vector<std::string>(3, "10.5"));
    for (int column : {kCellClassFontColor, kCellUndoneColor, kCellLineTextColor})
        EXPECT_EQ(cells(column), std::vector<std::string>(3, "3A5FCD"));
    for (int column : {kCellClassBold, kCellUndoneBold, kCellLineBold})
        EXPECT_EQ(cells(column), std::vector<std::string>(3, "Y"));
}

TEST_F(ClassCommandsTest, StartUpClearsAMottoSwitchWithoutItsFile)
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

// Opening a class with 编辑 and closing it with OK unchanged leaves every cell of a row as the
// program saves it as it was: sizes off the size list, and a face left empty, included.
TEST_F(ClassCommandsTest, AnEditClosedUnchangedKeepsTheRowAsItWas)
{
    struct Look {
        const char *titleFace, *titleSize, *lineFace, *lineSize;
    };
    const Look looks[] = {{"Tahoma", "12.25", "Tahoma", "9.75"}, {"Tahoma", "11.0", "Arial", "13.3"}, {"", "11", "", "10.5"}};
    std::string config = "[Main]\r\nMonth_Start=1\r\nDay_Start=1\r\nMonth_End=1\r\nDay_End=2\r\n";
    for (int index = 0; index < 3; ++index) {
        const Look& look = looks[index];
        config += "[LIST" + std::to_string(index) + "]\r\nCOL_ID=" + std::to_string(index + 1) +
                  "\r\nCOL_bCLASS_TITLE=1\r\nCOL_CLASS_TITLE=T\r\nCOL_CLASS_FONT_NAME=" + look.titleFace +
                  "\r\nCOL_CLASS_FONT_SIZE=" + look.titleSize +
                  "\r\nCOL_CLASS_FONT_COLOR=FF0000\r\nCOL_CLASS_BK_COLOR=FFFFFF\r\nCOL_LINE_COUNT=2\r\n"
                  "COL_UNDONE_TEXT=x\r\nCOL_UNDONE_TONT_COLOR=0000FF\r\nCOL_LINE_FONT_NAME=" + look.lineFace +
                  "\r\nCOL_LINE_TEXT_FONT_SIZE=" + look.lineSize +
                  "\r\nCOL_LINE_TEXT_FONT_COLOR=000000\r\nCOL_LINE_COLOR=FFFFFF\r\n"
                  "COL_LINE_BACKGROUND_COLOR=FFFFFF\r\nline_color=8D826D\r\nline_type=dotted\r\n"
                  "COL_SpecialSign_Color=FFFFFF\r\n";
    }
    Start(config);
    const ClassListModel before = window->ReadClassListModel();
    ASSERT_EQ(before.size(), 3u);
    EXPECT_EQ(before[0].cells[kCellClassFontSize], "12.25");
    for (int row = 0; row < Rows(); ++row) {
        window->m_nCurrentRow = row;
        driver->Expect(IDD_DAILY_DIARY, [](DialogProbe& p) { p.Click(IDC_DIARY_OK); });
        Command(IDC_BUTTON_EDIT);
        EXPECT_EQ(window->ReadClassListModel()[static_cast<size_t>(row)].cells,
                  before[static_cast<size_t>(row)].cells)
            << row;
    }
}
