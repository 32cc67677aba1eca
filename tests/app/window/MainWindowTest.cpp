// The main window made modeless, so a test looks at it after its start-up and drives it.
#include "AppFixture.h"
#include "app/ClassListColumns.h"
#include "app/Form_SetWord.h"
#include "controls/ColourButton/ColourMessages.h"
#include "platform/Files.h"
#include "platform/Folders.h"
#include "platform/ui/TestWindows.h"
#include "resources/DateDialogIds.h"
#include "settings/ClassListModel.h"
#include "support/BmpFile.h"
#include "support/FakeDesktop.h"
#include "support/FileSizeLimit.h"
#include "support/OtherUser.h"

#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class MainWindowTest : public AppTest {
protected:
    // Starts the window on the prepared configuration as the current one.
    void StartPrepared()
    {
        Write("ZaDuzed_Simple.ini", PreparedConfig());
        Start();
    }
    void Start()
    {
        window = std::make_unique<CForm_SetWord>();
        ASSERT_TRUE(window->Create(IDD_FORM_SETWORD));
    }
    CString Text(int id) const { return window->GetDlgItem(id)->GetWindowText(); }
    void TearDown() override
    {
        window.reset();
        AppTest::TearDown();
    }
    std::unique_ptr<CForm_SetWord> window;
};

} // namespace

TEST_F(MainWindowTest, ClassListHas47ColumnsInTheirWidthsWithoutCheckBoxes)
{
    Start();
    COwnerDrawList& list = window->m_listClasses;
    ASSERT_EQ(list.m_header.m_captions.size(), 47u);
    EXPECT_EQ(list.m_header.m_captions[0], "分类");
    EXPECT_EQ(list.m_header.m_captions[21], "行字体名称");
    EXPECT_EQ(list.m_header.m_captions[46], "Insert a blank line");
    EXPECT_EQ(list.GetColumnWidth(0), 27);
    EXPECT_EQ(list.GetColumnWidth(5), 0);
    EXPECT_EQ(list.GetColumnWidth(45), 0);
    EXPECT_EQ(list.GetColumnWidth(46), 130);
    EXPECT_EQ(list.m_header.m_alignDigits.str().substr(0, 4), "1101") << "centre, centre, left, centre";
    const DWORD style = list.GetExtendedStyle();
    EXPECT_TRUE(style & LVS_EX_FULLROWSELECT);
    EXPECT_TRUE(style & LVS_EX_GRIDLINES);
    EXPECT_FALSE(style & LVS_EX_CHECKBOXES);
    EXPECT_EQ(list.m_rowHeight, 21);
}

// The title names the design, and the close box and minimise box are the user's way out.
TEST_F(MainWindowTest, HasATitleBarWithItsCloseAndMinimiseBoxes)
{
    Start();
    EXPECT_EQ(window->GetStyle() & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX), WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
}

TEST_F(MainWindowTest, PreparedConfigurationFillsTheRowsAndColoursTheirCells)
{
    StartPrepared();
    COwnerDrawList& list = window->m_listClasses;
    ASSERT_EQ(list.GetItemCount(), 3);
    EXPECT_EQ(list.GetItemText(0, kCellTitle), "工作");
    EXPECT_EQ(list.GetItemText(1, kCellItemNumber), "Y");
    EXPECT_EQ(list.GetItemText(2, kCellTable), "Y");
    EXPECT_EQ(list.GetItemText(2, kCellLineFontSize), "10.5");
    COLORREF colour = 0;
    ASSERT_TRUE(list.FindItemTextColor(kCellTitle, 2, colour));
    EXPECT_EQ(colour, RGB(255, 0, 0));
    ASSERT_TRUE(list.FindItemTextColor(kCellUndoneText, 0, colour));
    EXPECT_EQ(colour, RGB(0, 0, 255));
    EXPECT_EQ(list.GetItemState(0, LVIS_SELECTED), LVIS_SELECTED) << "row 0 is selected at start";
    EXPECT_EQ(window->m_nCurrentRow, 0);
    EXPECT_TRUE(window->m_buttonMoveUp.IsWindowEnabled());
    EXPECT_EQ(window->ReadClassListModel().size(), 3u);
}

TEST_F(MainWindowTest, TheClassListLoadsFromTheDesignFileItIsGiven)
{
    Start();
    Write("other.ini", PreparedConfig());
    window->LoadClassListFromIni(File("other.ini").c_str());
    COwnerDrawList& list = window->m_listClasses;
    ASSERT_EQ(list.GetItemCount(), 3);
    EXPECT_EQ(list.GetItemText(0, kCellTitle), "工作");
    EXPECT_EQ(list.GetItemText(2, kCellLineFontSize), "10.5");
    ASSERT_EQ(mkdir(File("folder.ini").c_str(), 0700), 0);
    window->LoadClassListFromIni(File("folder.ini").c_str());
    EXPECT_EQ(list.GetItemCount(), 0) << "a path that holds no design gives no classes";
}

TEST_F(MainWindowTest, OutlineLevelsLoadAndTheDateLevelStaysBelowTheMonthLevel)
{
    StartPrepared();
    EXPECT_EQ(Text(IDC_COMBO_MONTH_LEVEL), "3");
    EXPECT_EQ(Text(IDC_COMBO_DATE_LEVEL), "5");
    DialogProbe probe(*window);
    probe.Choose(IDC_COMBO_DATE_LEVEL, 1);    // 4
    probe.Choose(IDC_COMBO_MONTH_LEVEL, 3);   // 5: the date level follows to 6
    EXPECT_EQ(Text(IDC_COMBO_DATE_LEVEL), "6");
    probe.Choose(IDC_COMBO_MONTH_LEVEL, 1);   // 3: the date level stays
    EXPECT_EQ(Text(IDC_COMBO_DATE_LEVEL), "6");
    probe.Choose(IDC_COMBO_DATE_LEVEL, 0);    // 3: the month level goes up to 2
    EXPECT_EQ(Text(IDC_COMBO_MONTH_LEVEL), "2");
    EXPECT_EQ(window->ReadOutlineLevels().month, "2");
    EXPECT_EQ(window->ReadOutlineLevels().day, "3");
}

TEST_F(MainWindowTest, MissingOutlineLevelsShowTheFirstEntries)
{
    Start();
    EXPECT_EQ(Text(IDC_COMBO_MONTH_LEVEL), "2");
    EXPECT_EQ(Text(IDC_COMBO_DATE_LEVEL), "3");
}

TEST_F(MainWindowTest, ControlMessagesAreAnsweredAndOwnerDrawingStillReachesItsButton)
{
    StartPrepared();
    EXPECT_EQ(window->m_nListMode, 1) << "rows loaded and the first one shown";
    EXPECT_EQ(window->SendMessage(WM_COLOUR_PICKED, RGB(1, 2, 3), 0), 1);
    EXPECT_EQ(window->SendMessage(WM_CTLCOLOR, 0, 0), 0);

    CRect client;
    window->m_buttonGenerate.GetClientRect(&client);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(client.Width(), client.Height(), 1, 32, nullptr));
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    memory.SelectObject(&bitmap);
    DRAWITEMSTRUCT item;
    item.CtlType = ODT_BUTTON;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = 0;
    item.hDC = memory.GetSafeHdc();
    item.rcItem = client;
    item.CtlID = 4321;
    item.hwndItem = nullptr;
    EXPECT_EQ(window->SendMessage(WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item)), 0);
    item.CtlID = IDC_BUTTON_GENERATE;
    item.hwndItem = window->m_buttonGenerate.m_hWnd;
    EXPECT_EQ(window->SendMessage(WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item)), TRUE)
        << "the button draws itself first";
}

TEST_F(MainWindowTest, TheDateSampleNeverShowsANegativeDayCount)
{
    Write("ZaDuzed_Simple.ini", "[Main]\r\nMonth_Start=1\r\nDay_Start=5\r\nMonth_End=1\r\nDay_End=5\r\n"
                                "Day_Format=%d.%m.\r\nRestDay=left\r\nRestDay_Back=!\r\nHadBeenDays=day\r\n"
                                "HadBeenDays_Back=?\r\nWeekEnd=W\r\n");
    Start();
    EXPECT_EQ(Text(IDC_LABEL_DAYCOUNT), "共有:1 天");
    // The captions get back the leading blank the INI reader drops.
    EXPECT_EQ(Text(IDC_LABEL_DATE_SAMPLE), "05.01. left 0 ! day 1  ? W");
    g_abUncheckedWeek[1] = 0;   // 5 January 2026 is a Monday: the range keeps no day
    window->ShowDayCount();
    window->ShowDateRange("%m", "%d", "", " left");
    EXPECT_EQ(Text(IDC_LABEL_DAYCOUNT), "共有:0 天");
    EXPECT_NE(Text(IDC_LABEL_DATE_SAMPLE).str().find("left 0"), std::string::npos);
}

TEST_F(MainWindowTest, SamplesTakeTheHeadingFonts)
{
    StartPrepared();
    EXPECT_EQ(window->m_labelMonthSample.m_fontSize, 24);
    EXPECT_EQ(window->m_labelMonthSample.m_textColour, RGB(0x11, 0x22, 0x33));
    EXPECT_EQ(window->m_labelDateSample.m_fontSize, 20) << "10.5 points at twice the whole points";
    EXPECT_EQ(Text(IDC_LABEL_MONTH_SAMPLE), "2026-01");
    EXPECT_EQ(Text(IDC_LABEL_START), "2026-01-03");
    EXPECT_EQ(Text(IDC_LABEL_END), "2026-01-09");
}

TEST_F(MainWindowTest, NewConfigurationEmptiesTheDesignAndAsksForItsDates)
{
    StartPrepared();
    driver->Expect(IDD_SET_MONTH, [&](DialogProbe& p) {
        EXPECT_EQ(window->m_listClasses.GetItemCount(), 0);
        EXPECT_EQ(g_strConfigPath, "");
        EXPECT_EQ(window->GetWindowText(), "Rorovavozir 1.9.4 ");
        EXPECT_EQ(Text(IDC_LABEL_START), "");
        EXPECT_EQ(Text(IDC_LABEL_DAYCOUNT), "");
        EXPECT_EQ(Text(IDC_LABEL_DATE_SAMPLE), "");
        EXPECT_EQ(Text(IDC_EDIT_TITLE), "");
        EXPECT_EQ(window->m_checkAddDate.GetCheck(), BST_CHECKED);
        EXPECT_FALSE(window->m_buttonMoveDown.IsWindowEnabled());
        p.Choose(IDC_SM_START_MONTH, 1);
        p.PressEscape();
    });
    window->SendMessage(WM_COMMAND, MAKEWPARAM(ID_TOOLBAR_NEW, BN_CLICKED), 0);
    EXPECT_EQ(g_strConfigPath, "FalseFileName") << "a design without a file";
    EXPECT_EQ(Text(IDC_LABEL_START), "2026年02月01日,Sunday") << "the dialog stored and the window shows it";
    EXPECT_EQ(Text(IDC_LABEL_END), "2026年12月31日,Thursday");
    EXPECT_EQ(Text(IDC_LABEL_DAYCOUNT), "共有:334 天");
    EXPECT_EQ(g_strDaysFontNameCopy, g_strDaysFontName);
}

TEST_F(MainWindowTest, OutputFolderButtonsBrowseAndFallBack)
{
    Start();
    const std::string fallback = File("docs") + "/Rorovavozir";
    EXPECT_EQ(Text(IDC_EDIT_OUT_FOLDER), fallback);
    EXPECT_FALSE(platform::PathExists(fallback + "/config")) << "nothing needs a config folder there";
    commonDialogs->Answer({IDOK, File("config")});
    commonDialogs->Answer({IDCANCEL, ""});
    DialogProbe probe(*window);
    probe.Click(IDC_BUTTON_CHOOSE_PATH);
    EXPECT_EQ(Text(IDC_EDIT_OUT_FOLDER), File("config"));
    probe.Click(IDC_BUTTON_CHOOSE_PATH);
    EXPECT_EQ(Text(IDC_EDIT_OUT_FOLDER), File("config")) << "a cancelled browser changes nothing";
    EXPECT_EQ(commonDialogs->Requests().at(1).initial, File("config")) << "the browser opens on the folder shown";
    EXPECT_EQ(commonDialogs->Requests().at(0).title, "Please select path:");
    probe.Click(IDC_BUTTON_DEFAULT_PATH);
    EXPECT_EQ(Text(IDC_EDIT_OUT_FOLDER), fallback);
    probe.Click(IDC_BUTTON_OPEN_FOLDER);
    EXPECT_EQ(opened, std::vector<std::string>{fallback});
}

// The desktop's opener starts, then says it could not open the folder: the user hears of it.
TEST_F(MainWindowTest, AnOpenerThatFailsAfterItStartedIsTold)
{
    Start();
    platform::SetShellRecorder(nullptr);
    const FakeDesktop desktop(File("desktop"), 4, std::nullopt);
    DialogProbe(*window).Click(IDC_BUTTON_OPEN_FOLDER);
    EXPECT_TRUE(platform::ui::PumpEventsUntil([this] { return !boxes->Shown().empty(); }, 5000));
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"无法打开文件夹 '" + File("docs") + "/Rorovavozir'。"});
}

TEST_F(MainWindowTest, SaveCommandAsksForADateRangeAndAClassFirst)
{
    Write("ZaDuzed_Simple.ini", "[Main]\r\nMonth_Start=1\r\nDay_Start=1\r\nMonth_End=1\r\nDay_End=2\r\nDay_Format=%d\r\n");
    Start();
    window->SendMessage(WM_COMMAND, MAKEWPARAM(ID_TOOLBAR_SAVE, BN_CLICKED), 0);
    // While the new design's dates are being chosen, it has no range yet.
    driver->Expect(IDD_SET_MONTH, [&](DialogProbe& p) {
        window->SendMessage(WM_COMMAND, MAKEWPARAM(ID_TOOLBAR_SAVE, BN_CLICKED), 0);
        p.Click(IDC_SM_CANCEL);
    });
    window->SendMessage(WM_COMMAND, MAKEWPARAM(ID_TOOLBAR_NEW, BN_CLICKED), 0);
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"Please click button : 'Add' for Daily Diary. ",
                                                        "Please click button : 'Settings' for month and date ."}));
    EXPECT_EQ(boxes->Shown().at(0).caption, "Rorovavozir") << "no caption of its own: the program's name";
}

TEST_F(MainWindowTest, AFailedSaveIsReportedAndKeepsTheOldFile)
{
    StartPrepared();
    const std::string before = Read("ZaDuzed_Simple.ini");
    ::chmod(File("ZaDuzed_Simple.ini").c_str(), 0444);   // a read-only design is not replaced
    boxes->Answer(IDYES);
    driver->Expect(IDD_SAVE_CONFIG, [](DialogProbe& p) { p.Click(IDC_CONFIG_OK); });
    EXPECT_FALSE(window->SaveConfig());
    EXPECT_EQ(Read("ZaDuzed_Simple.ini"), before);
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"替换文件 '" + File("ZaDuzed_Simple.ini") + "' ?",
                                                        "无法保存文件 '" + File("ZaDuzed_Simple.ini") + "'。\n" +
                                                            std::strerror(EACCES)}));
}

TEST_F(MainWindowTest, ASaveOntoAFullDiskIsToldWithTheSystemsReasonAndKeepsTheOldFile)
{
    StartPrepared();
    const std::string before = Read("ZaDuzed_Simple.ini");
    boxes->Answer(IDOK);
    boxes->Answer(IDYES);
    driver->Expect(IDD_SAVE_CONFIG, [](DialogProbe& p) { p.Click(IDC_CONFIG_OK); });
    {
        FileSizeLimit full(1024);
        EXPECT_FALSE(window->SaveConfig());
    }
    EXPECT_EQ(Read("ZaDuzed_Simple.ini"), before);
    // The save dialog's list of known files no longer fits in the path file either.
    ASSERT_EQ(boxes->Shown().size(), 3u);
    EXPECT_EQ(boxes->Shown()[0].text, "无法保存文件 '" + ConfigPathIni() + "'。\n" + std::strerror(EFBIG));
    EXPECT_EQ(boxes->Shown()[2].text, "无法保存文件 '" + File("ZaDuzed_Simple.ini") + "'。\n" + std::strerror(EFBIG));
    EXPECT_EQ(boxes->Shown()[2].type & 0xF0u, MB_ICONERROR);
}

TEST_F(MainWindowTest, ASaveThroughALoopOfLinksIsReportedAndChangesNothing)
{
    StartPrepared();
    ASSERT_EQ(::symlink("b.ini", File("a.ini").c_str()), 0);
    ASSERT_EQ(::symlink("a.ini", File("b.ini").c_str()), 0);
    g_strConfigPath = File("a.ini");
    driver->Expect(IDD_SAVE_CONFIG, [](DialogProbe& p) { p.Click(IDC_CONFIG_OK); });
    EXPECT_FALSE(window->SaveConfig());
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"无法保存文件 '" + File("a.ini") + "'。\n" + std::strerror(ELOOP)});
    struct stat info {};
    ASSERT_EQ(::lstat(File("a.ini").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
}

// In a folder the user shares with a group, another member put a link to a private folder of the
// user's on the design's path: the save is refused and told with the system's reason, and the
// user's file it led to stays as it was.
TEST_F(MainWindowTest, ASaveThroughAnotherUsersLinkIsToldAndChangesNothing)
{
    if (!CanActAsAnotherUser())
        GTEST_SKIP() << "only root can act as another user";
    StartPrepared();
    ASSERT_EQ(::chmod(File("").c_str(), 0755), 0);
    ASSERT_TRUE(platform::MakeFolder(File("home")) && platform::MakeFolder(File("shared")));
    ASSERT_EQ(::chmod(File("home").c_str(), 0700), 0);
    Write("home/design.ini", "the user's private design");
    ASSERT_EQ(::chown(File("shared").c_str(), 0, kOtherGroup), 0);
    ASSERT_EQ(::chmod(File("shared").c_str(), 0775), 0);
    ASSERT_EQ(AsOtherUser([&] { return ::symlink(File("home").c_str(), File("shared/designs").c_str()) == 0; }), 0);
    g_strConfigPath = File("shared/designs/design.ini");
    boxes->Answer(IDYES);
    driver->Expect(IDD_SAVE_CONFIG, [](DialogProbe& p) { p.Click(IDC_CONFIG_OK); });
    EXPECT_FALSE(window->SaveConfig());
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"替换文件 '" + File("shared/designs/design.ini") + "' ?",
                                                        "无法保存文件 '" + File("shared/designs/design.ini") + "'。\n" +
                                                            std::strerror(EACCES)}));
    EXPECT_EQ(Read("home/design.ini"), "the user's private design");
}

TEST_F(MainWindowTest, ACancelledSaveForgetsAConfigurationThatHasNoFile)
{
    StartPrepared();
    g_strConfigPath = File("never-saved.ini");
    driver->Expect(IDD_SAVE_CONFIG, [](DialogProbe& p) { p.Click(IDC_CONFIG_CANCEL); });
    EXPECT_FALSE(window->SaveConfig());
    EXPECT_EQ(g_strConfigPath, "");
    EXPECT_EQ(Ini(ConfigPathIni(), "Main", "Config_Path"), "");

    g_strConfigPath = File("ZaDuzed_Simple.ini");
    driver->Expect(IDD_SAVE_CONFIG, [](DialogProbe& p) { p.Click(IDC_CONFIG_CANCEL); });
    EXPECT_FALSE(window->SaveConfig());
    EXPECT_EQ(g_strConfigPath, File("ZaDuzed_Simple.ini")) << "a file that is there stays current";
}

TEST_F(MainWindowTest, ExitCommandsEndTheProcess)
{
    StartPrepared();
    platform::ui::ExitCatcher catcher;
    DialogProbe probe(*window);
    probe.Type(IDC_EDIT_OUT_FOLDER, File("config").c_str());
    try {
        window->SendMessage(WM_COMMAND, MAKEWPARAM(ID_TOOLBAR_EXIT, BN_CLICKED), 0);
        ADD_FAILURE() << "no exit";
    } catch (const platform::ui::ExitCaught& exit) {
        EXPECT_EQ(exit.code, 0);
    }
    EXPECT_EQ(Ini(ConfigPathIni(), "Main", "OutFolder"), File("config"));
    EXPECT_TRUE(driver->Ran().empty()) << "exit saves no configuration";
}

TEST_F(MainWindowTest, HelperFillersListSizesAndNumbers)
{
    Start();
    CComboBox& combo = window->m_comboMonthLevel;
    combo.ResetContent();
    CForm_SetWord::FillFontSizeCombo(&combo, 5, 72, 10);
    ASSERT_EQ(combo.GetCount(), 68);
    CString text;
    combo.GetLBText(1, text);
    EXPECT_EQ(text, "5.5");
    combo.GetLBText(67, text);
    EXPECT_EQ(text, "38.5");
    EXPECT_EQ(combo.GetWindowText(), "10");
    combo.ResetContent();
    CForm_SetWord::FillNumberCombo(&combo, 2, 5);
    ASSERT_EQ(combo.GetCount(), 4);
    combo.GetLBText(3, text);
    EXPECT_EQ(text, "5");
    EXPECT_EQ(combo.GetWindowText(), "2");
}

TEST_F(MainWindowTest, ATemporaryMainWindowObjectTouchesNothing)
{
    platform::RemoveFile(ConfigPathIni());
    g_strTitle = "kept";
    g_strConfigPath = "kept.ini";
    {
        CForm_SetWord temporary;
    }
    EXPECT_EQ(g_strTitle, "kept");
    EXPECT_EQ(g_strConfigPath, "kept.ini");
    EXPECT_FALSE(platform::PathExists(ConfigPathIni()));
}

TEST_F(MainWindowTest, ToolbarHasElevenButtonsOverTwelvePictures)
{
    platform::RemoveFile(File("config/pic/toolbar_32/9_hot.bmp"));
    Start();
    CFlatToolBar& toolbar = window->m_toolbar;
    ASSERT_EQ(toolbar.GetButtonCount(), 11);
    TBBUTTON save;
    ASSERT_TRUE(toolbar.GetButton(8, &save));
    EXPECT_EQ(save.idCommand, static_cast<int>(ID_TOOLBAR_SAVE));
    EXPECT_EQ(save.iBitmap, 9) << "picture 10";
    EXPECT_EQ(save.fsStyle, BTNS_AUTOSIZE);
    EXPECT_EQ(save.fsState, TBSTATE_ENABLED);
    EXPECT_EQ(window->m_toolbarImages.GetImageCount(), 12);
    EXPECT_EQ(window->m_toolbarHotImages.GetImageCount(), 12) << "a picture that does not load keeps its place, empty";
    EXPECT_EQ(window->m_rebar.GetBandCount(), 1u);
    CRect bar, list;
    window->m_rebar.GetWindowRect(&bar);
    window->m_listClasses.GetWindowRect(&list);
    EXPECT_LT(bar.bottom, list.top);
}

// Each button shows its own picture, normal and hot, whichever other one is missing (its button
// then shows none) or twice a button's width. Later pictures moved one button to the left.
TEST_F(MainWindowTest, EachToolbarButtonKeepsItsOwnPictureWhenAnotherDoesNotFit)
{
    const int pictures[] = {1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12};   // button by button
    const COLORREF none = RGB(255, 255, 255);
    const auto colour = [](int picture, const char* hot) { return RGB(static_cast<BYTE>(picture * 20), *hot ? 200 : 0, 50); };
    CBitmap canvas;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    canvas.CreateBitmap(32, 32, 1, 32, nullptr);
    dc.SelectObject(&canvas);
    for (const int oddWidth : {0, 64}) {   // 0: missing
        for (int odd = 1; odd <= 12; ++odd) {
            SCOPED_TRACE("picture " + std::to_string(odd) + ", width " + std::to_string(oddWidth));
            for (int picture = 1; picture <= 12; ++picture) {
                for (const char* hot : {"", "_hot"}) {
                    const std::string file = File("config/pic/toolbar_32/" + std::to_string(picture) + hot + ".bmp");
                    platform::RemoveFile(file);
                    if (picture != odd || oddWidth != 0)
                        WriteSolidBmp(file, picture == odd ? oddWidth : 32, 32, colour(picture, hot));
                }
            }
            StartPrepared();
            for (int index = 0; index < static_cast<int>(std::size(pictures)); ++index) {
                for (const char* hot : {"", "_hot"}) {
                    TBBUTTON button;
                    ASSERT_TRUE(window->m_toolbar.GetButton(index, &button));
                    dc.FillSolidRect(0, 0, 32, 32, none);
                    (*hot ? window->m_toolbarHotImages : window->m_toolbarImages)
                        .Draw(&dc, button.iBitmap, CPoint(0, 0), ILD_TRANSPARENT);
                    const bool missing = pictures[index] == odd && oddWidth == 0;
                    EXPECT_EQ(dc.GetPixel(16, 16), missing ? none : colour(pictures[index], hot)) << index << hot;
                }
            }
        }
    }
}

TEST_F(MainWindowTest, ToolbarButtonsAreAsWideAsTheirCaptionsAndAllShow)
{
    Start();
    CFlatToolBar& toolbar = window->m_toolbar;
    // Captions are in the desktop's message font, Tahoma of 8 points.
    CFont messageFont;
    messageFont.CreatePointFont(80, "Tahoma");
    CClientDC dc(&toolbar);
    dc.SelectObject(&messageFont);
    CRect client;
    toolbar.GetClientRect(&client);
    const char* captions[] = {"新模板", "打开模板", "设置", "日历", "日历", "表", "帮助", "关于", "保存", "退出", "保存和退出"};
    ASSERT_EQ(toolbar.GetButtonCount(), static_cast<int>(std::size(captions)));
    for (int index = 0; index < toolbar.GetButtonCount(); ++index) {
        CRect button;
        ASSERT_TRUE(toolbar.GetItemRect(index, &button));
        // Padding, the 32-pixel picture, the gap before the caption, the caption, padding.
        EXPECT_EQ(button.Width(), 3 + 32 + 4 + dc.GetTextExtent(captions[index]).cx + 3) << captions[index];
        EXPECT_LE(button.right, client.right) << captions[index];
    }
}

TEST_F(MainWindowTest, AClickOnTheToolbarsSaveButtonRunsTheSave)
{
    StartPrepared();
    window->ShowWindow(SW_SHOW);
    CRect button;
    ASSERT_TRUE(window->m_toolbar.GetItemRect(window->m_toolbar.CommandToIndex(ID_TOOLBAR_SAVE), &button));
    driver->Expect(IDD_SAVE_CONFIG, [](DialogProbe& p) { p.Click(IDC_CONFIG_CANCEL); });
    platform::ui::SimulateMouse(window->m_toolbar, WM_LBUTTONDOWN, button.CenterPoint());
    platform::ui::SimulateMouse(window->m_toolbar, WM_LBUTTONUP, button.CenterPoint());
    EXPECT_EQ(driver->Ran(), std::vector<UINT>{IDD_SAVE_CONFIG});
}

TEST_F(MainWindowTest, EnterInTheOpenDialogKeepsANewDesignThatHasNoFile)
{
    StartPrepared();
    driver->Expect(IDD_SET_MONTH, [](DialogProbe& p) { p.PressEscape(); });
    window->SendMessage(WM_COMMAND, MAKEWPARAM(ID_TOOLBAR_NEW, BN_CLICKED), 0);
    COwnerDrawList& list = window->m_listClasses;
    for (const char* title : {"一", "二", "三"})
        list.SetItemText(list.InsertItem(list.GetItemCount(), ""), kCellTitle, title);
    const CString start = Text(IDC_LABEL_START);
    const CString title = window->GetWindowText();
    const CString stored = Ini(ConfigPathIni(), "Main", "Config_Path");

    driver->Expect(IDD_SELECT_CONFIG, [](DialogProbe& p) { p.PressEnter(); });
    window->SendMessage(WM_COMMAND, MAKEWPARAM(ID_TOOLBAR_OPEN, BN_CLICKED), 0);
    EXPECT_EQ(driver->Ran().back(), IDD_SELECT_CONFIG);
    ASSERT_EQ(list.GetItemCount(), 3) << "nothing was reloaded";
    EXPECT_EQ(list.GetItemText(2, kCellTitle), "三");
    EXPECT_EQ(g_strConfigPath, "FalseFileName");
    EXPECT_EQ(Text(IDC_LABEL_START), start);
    EXPECT_NE(start, "");
    EXPECT_EQ(window->GetWindowText(), title);
    EXPECT_EQ(Ini(ConfigPathIni(), "Main", "Config_Path"), stored);
}

// Each command refreshes the preview from the current row, so a cell changed meanwhile shows.
TEST_F(MainWindowTest, ToolbarCommandsAndOpenFolderRefreshThePreview)
{
    StartPrepared();
    const std::vector<std::pair<UINT, UINT>> commands = {{ID_TOOLBAR_DATES, IDD_SET_MONTH},
                                                         {ID_TOOLBAR_HELP, IDD_WELCOME},
                                                         {ID_TOOLBAR_ABOUT, IDD_ABOUTBOX},
                                                         {ID_TOOLBAR_SAVE, IDD_SAVE_CONFIG},
                                                         {IDC_BUTTON_OPEN_FOLDER, 0}};
    for (const auto& [command, dialog] : commands) {
        CString prefix;
        prefix.Format("before line %u", command);
        window->m_listClasses.SetItemText(0, kCellUndoneText, prefix);
        if (dialog == IDD_SAVE_CONFIG)
            driver->Expect(dialog, [](DialogProbe& p) { p.Click(IDC_CONFIG_CANCEL); });
        else if (dialog != 0)
            driver->Expect(dialog, [](DialogProbe& p) { p.PressEscape(); });
        window->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(command), BN_CLICKED), 0);
        EXPECT_EQ(Text(IDC_PREVIEW_PREFIX), prefix) << command;
    }
}

TEST_F(MainWindowTest, TheUserWidensClassColumnsByTheirDividersAndHiddenOnesStayHidden)
{
    StartPrepared();
    COwnerDrawList& list = window->m_listClasses;
    CRect client, size;
    list.m_header.GetClientRect(&client);
    // The font size column ends where the hidden title colour column does.
    list.m_header.GetItemRect(kCellClassFontSize, &size);
    const int middle = client.Height() / 2;
    platform::ui::SimulateMouse(list.m_header, WM_LBUTTONDOWN, POINT{size.right, middle});
    platform::ui::SimulateMouse(list.m_header, WM_MOUSEMOVE, POINT{size.right + 20, middle});
    platform::ui::SimulateMouse(list.m_header, WM_LBUTTONUP, POINT{size.right + 40, middle});
    EXPECT_EQ(list.GetColumnWidth(kCellClassFontSize), 65 + 40);
    EXPECT_EQ(list.GetColumnWidth(kCellClassFontColor), 0);

    // Hidden columns are the program's: they show and hide with "Show All List Columns".
    DialogProbe probe(*window);
    probe.Click(IDC_CHECK_ALL_COLUMNS);
    EXPECT_EQ(list.GetColumnWidth(kCellClassFontColor), 45);
    probe.Click(IDC_CHECK_ALL_COLUMNS);
    EXPECT_EQ(list.GetColumnWidth(kCellClassFontColor), 0);
    EXPECT_EQ(list.GetColumnWidth(kCellClassFontSize), 65 + 40) << "what the user set stays";
}

// With 131 open, "jintian" and space after a click on the main window put 今天 nowhere.
TEST_F(MainWindowTest, UnderItsDialogTheWindowTakesNoInputMethodText)
{
    StartPrepared();
    window->ShowWindow(SW_SHOW);
    const CString title = Text(IDC_EDIT_TITLE);
    CString titleUnderDialog;
    driver->Expect(IDD_SET_MONTH, [&](DialogProbe& p) {
        DialogProbe(*window).CommitInputMethodText(IDC_EDIT_TITLE, "今天");
        titleUnderDialog = Text(IDC_EDIT_TITLE);
        p.Click(IDC_SM_CANCEL);
    });
    window->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(ID_TOOLBAR_DATES), BN_CLICKED), 0);
    EXPECT_EQ(titleUnderDialog, title);
    DialogProbe(*window).CommitInputMethodText(IDC_EDIT_TITLE, "今天");
    EXPECT_EQ(Text(IDC_EDIT_TITLE), title + "今天") << "the dialog gone, it takes text again";
}
