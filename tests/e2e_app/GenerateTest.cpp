// Making the diary from the main window as a user does: button 1122, the save question, the
// progress window while a worker writes, the success dialog, and the window usable again.
#include "AllocationFailure.h"
#include "ZipReader.h"
#include "ZlibReference.h"
#include "app/FormFileCompareProgress.h"
#include "app/Form_SetWord.h"
#include "app/GenerationState.h"
#include "app/window/AppFixture.h"
#include "platform/Threads.h"
#include "resources/ResourceIds.h"
#include "resources/DiaryDialogIds.h"
#include "support/DocxCheck.h"
#include "support/FileSizeLimit.h"
#include "support/RepeatedText.h"

#include <cstring>
#include <filesystem>
#include <optional>
#include <set>

namespace fs = std::filesystem;

namespace {

std::set<std::string> Listing(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// The parts of the archive as zlib inflates them, by name; a part that does not inflate is left out.
std::map<std::string, std::string> Parts(const std::string& docx)
{
    std::map<std::string, std::string> parts;
    const ParsedZip zip = ParseZip(docxcheck::ReadFile(docx));
    EXPECT_EQ(zip.error, "");
    for (const ParsedEntry& entry : zip.entries) {
        const zlibref::Inflated inflated = zlibref::InflateRaw(entry.data);
        if (entry.method == 8 && inflated.ok)
            parts[entry.name] = inflated.data;
    }
    return parts;
}

class GenerateTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        platform::SetShowInFolderRecorder([this](const std::string& file) {
            shownInFolder.push_back(file);
            return openerStarts;
        });
    }
    void TearDown() override
    {
        window.reset();
        platform::SetShowInFolderRecorder(nullptr);
        g_strOutputFile.Empty();
        g_strOutputPath.Empty();
        AppTest::TearDown();
    }
    void Start(const std::string& design = PreparedConfig())
    {
        Write("ZaDuzed_Simple.ini", design);
        window = std::make_unique<CForm_SetWord>();
        ASSERT_TRUE(window->Create(IDD_FORM_SETWORD));
        window->ShowWindow(SW_SHOW);
    }
    // Presses 1122 and answers the save question with the button given (none: no question expected).
    void Press(int confirmButton = IDC_CONFIRM_GENERATE)
    {
        if (confirmButton != 0)
            driver->Expect(IDD_SAVE_CONFIRM, [confirmButton](DialogProbe& p) { p.Click(confirmButton); });
        window->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(IDC_BUTTON_GENERATE), BN_CLICKED), 0);
    }
    void ExpectSuccess(int button = IDC_CONGRATS_CLOSE)
    {
        driver->Expect(IDD_CONGRATULATION, [this, button](DialogProbe& p) {
            successPath = p.Item(IDC_CONGRATS_PATH)->GetWindowText().str();
            p.Click(button);
        });
    }
    bool WaitForTheRun(int timeoutMs = 20000)
    {
        return platform::ui::PumpEventsUntil([this] { return window->m_bGenerationDone == 1 && !window->IsGenerating(); },
                                             timeoutMs);
    }
    CString Text(int id) const { return window->GetDlgItem(id)->GetWindowText(); }
    bool Enabled(int id) const { return window->GetDlgItem(id)->IsWindowEnabled() != FALSE; }
    std::string Out() const { return File("docs") + "/Rorovavozir"; }
    // Run folders are the only hidden entries a run makes in the output folder; the worker's
    // first step puts the skeleton copy into one.
    bool RunFolderLeft(const char* holding = "") const
    {
        for (const std::string& name : Listing(Out()))
            if (name.rfind(".my_diary", 0) == 0 && fs::exists(Out() + "/" + name + "/" + holding))
                return true;
        return false;
    }
    bool WorkerBegun() const { return RunFolderLeft("my_diary"); }
    // Starts runs of a long design until one is caught with its worker under way and its end
    // not yet seen; `success` answers that run's success dialog.
    bool CatchARun(const platform::ui::ModalHandler& success)
    {
        const std::string design = Read("config/samples/FullYear_AllCalendars.ini");
        for (int attempt = 0; attempt < 5; ++attempt) {
            Start(design);
            driver->Expect(IDD_CONGRATULATION, success);
            Press();
            platform::ui::PumpEventsUntil([&] { return WorkerBegun() || window->m_bGenerationDone == 1; });
            if (WorkerBegun() && window->m_bGenerationDone == 0)
                return true;
            if (!WaitForTheRun())
                return false;
            fs::remove(Out() + "/my_diary.docx");
            window.reset();
        }
        return false;
    }
    void PressProgressOk()
    {
        window->ProgressWindow()->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(IDC_PROGRESS_OK), BN_CLICKED), 0);
    }

    std::unique_ptr<CForm_SetWord> window;
    std::vector<std::string> shownInFolder;
    std::string successPath;
};

} // namespace

TEST_F(GenerateTest, RunMakesTheDocumentWhileTheWindowWaitsAndThenShowsIt)
{
    Start();
    ExpectSuccess();
    Press();
    EXPECT_FALSE(window->IsWindowEnabled()) << "disabled while the worker writes";
    EXPECT_FALSE(Enabled(IDC_BUTTON_GENERATE));
    EXPECT_FALSE(Enabled(IDC_BUTTON_OPEN_FILE));
    ASSERT_NE(window->ProgressWindow(), nullptr);
    EXPECT_TRUE(window->ProgressWindow()->IsWindowVisible());
    ASSERT_TRUE(WaitForTheRun());

    const std::string docx = Out() + "/my_diary.docx";
    EXPECT_EQ(successPath, docx);
    EXPECT_EQ(Text(IDC_EDIT_OUT_FILE), docx);
    EXPECT_TRUE(Enabled(IDC_BUTTON_OPEN_FILE));
    EXPECT_TRUE(Enabled(IDC_BUTTON_GENERATE));
    EXPECT_TRUE(window->IsWindowEnabled());
    EXPECT_EQ(window->ProgressWindow(), nullptr);
    EXPECT_EQ(Listing(Out()), std::set<std::string>{"my_diary.docx"}) << "no work folders left";

    const auto parts = Parts(docx);
    EXPECT_EQ(parts.size(), docxcheck::PackageParts().size());
    for (const auto& [name, text] : parts)
        EXPECT_EQ(docxcheck::XmlError(text), "") << name;
    const std::string& body = parts.at("word/document.xml");
    for (const char* text : {"工作", "Reading", "Ideas", "Prepared", "2026-01-03", "2026-01-09"})
        EXPECT_NE(body.find(text), std::string::npos) << text;
    EXPECT_TRUE(opened.empty() && shownInFolder.empty()) << "closing the success dialog opens nothing";
}

TEST_F(GenerateTest, TakenNamesGiveTheNextFreeOneAndADesignWithoutAFileGetsOne)
{
    Start();
    Write("docs/Rorovavozir/my_diary.docx", "mine");
    Write("docs/Rorovavozir/my_diary1.docx", "mine too");
    g_strConfigPath.Empty();
    ExpectSuccess();
    Press();
    ASSERT_TRUE(WaitForTheRun());
    EXPECT_EQ(Text(IDC_EDIT_OUT_FILE), Out() + "/my_diary2.docx");
    EXPECT_EQ(Read("docs/Rorovavozir/my_diary.docx"), "mine");
    EXPECT_EQ(g_strConfigPath, File("NewDiary1.ini"));

    for (int n = 2; n <= 1000; ++n)
        Write("docs/Rorovavozir/my_diary" + std::to_string(n) + ".docx", "");
    const auto before = Listing(Out());
    Press();
    EXPECT_EQ(Listing(Out()), before) << "nothing deleted, nothing written";
    ASSERT_EQ(boxes->Shown().size(), 1u);
    EXPECT_NE(boxes->Shown()[0].text.find("my_diary1000.docx"), std::string::npos);
    EXPECT_TRUE(window->IsWindowEnabled());
    EXPECT_EQ(Text(IDC_EDIT_OUT_FILE), Out() + "/my_diary2.docx") << "the last document stays shown";
}

TEST_F(GenerateTest, EachGuardStopsBeforeAnythingIsWritten)
{
    // No date range: a design that never had one.
    Start("[Main]\r\n");
    Press(0);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Please click button : 'Settings' for month and date ."});
    window.reset();

    // A date range but no class left: the class dialog opens to add one instead.
    Start();
    window->m_listClasses.DeleteAllItems();
    driver->Expect(IDD_DAILY_DIARY, [](DialogProbe& p) { p.Click(IDC_DIARY_CANCEL); });
    Press(0);
    EXPECT_EQ(driver->Ran().back(), IDD_DAILY_DIARY);
    window.reset();

    // The save question cancelled.
    Start();
    Press(IDC_CONFIRM_CANCEL);
    EXPECT_EQ(driver->Ran().back(), IDD_SAVE_CONFIRM);
    EXPECT_FALSE(window->IsGenerating());
    EXPECT_TRUE(window->IsWindowEnabled());
    EXPECT_TRUE(Listing(Out()).empty());
}

// A stored range that names no real span loads as not set: the window shows no dates, and the
// run and the save ask for a range before anything else.
TEST_F(GenerateTest, ARangeThatIsNoSpanIsAskedForBeforeTheSaveQuestion)
{
    const std::string range = "Month_Start=1\r\nDay_Start=3\r\nMonth_End=1\r\nDay_End=9\r\n";
    for (const std::string& stored : {std::string("Month_Start=13\r\nDay_Start=3\r\nMonth_End=12\r\nDay_End=9\r\n"),
                                      std::string("Month_Start=6\r\nDay_Start=3\r\nMonth_End=4\r\nDay_End=30\r\n")}) {
        std::string design = PreparedConfig();
        design.replace(design.find(range), range.size(), stored);
        Start(design);
        for (int label : {IDC_LABEL_START, IDC_LABEL_END, IDC_LABEL_MONTH_SAMPLE, IDC_LABEL_DATE_SAMPLE})
            EXPECT_EQ(Text(label), "") << stored << label;
        Press(0);
        for (UINT command : {ID_TOOLBAR_SAVE, static_cast<UINT>(IDC_BUTTON_MONTH_FORMAT),
                             static_cast<UINT>(IDC_BUTTON_DATE_FORMAT)})
            window->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(command), BN_CLICKED), 0);
        EXPECT_TRUE(driver->Ran().empty()) << "no save question, no save or heading dialog";
        window.reset();
    }
    EXPECT_EQ(MessageTexts(), std::vector<std::string>(8, "Please click button : 'Settings' for month and date ."));
    EXPECT_TRUE(Listing(Out()).empty());
}

// The Windows program's date dialog can store 31 April: the range ends on the 30th.
TEST_F(GenerateTest, ADayPastItsMonthsEndIsItsLastDay)
{
    const std::string range = "Month_Start=1\r\nDay_Start=3\r\nMonth_End=1\r\nDay_End=9\r\n";
    std::string design = PreparedConfig();
    design.replace(design.find(range), range.size(), "Month_Start=4\r\nDay_Start=31\r\nMonth_End=4\r\nDay_End=31\r\n");
    Start(design);
    EXPECT_EQ(Text(IDC_LABEL_START), "2026-04-30");
    EXPECT_EQ(Text(IDC_LABEL_END), "2026-04-30");
    EXPECT_EQ(Text(IDC_LABEL_DAYCOUNT), "共有:1 天");
}

// A range whose weekdays are all unticked holds no diary day: after the save question the run
// says so instead of stopping without a word.
TEST_F(GenerateTest, ARangeWithoutADiaryDayIsToldAfterTheSaveQuestion)
{
    std::string design = PreparedConfig();
    design.insert(design.find("Month_Start"), "UncheckedWeek0=0\r\nUncheckedWeek1=0\r\nUncheckedWeek2=0\r\n"
                                              "UncheckedWeek3=0\r\nUncheckedWeek4=0\r\nUncheckedWeek5=0\r\n"
                                              "UncheckedWeek6=0\r\n");
    Start(design);
    Press();
    EXPECT_EQ(driver->Ran(), std::vector<UINT>{IDD_SAVE_CONFIRM});
    ASSERT_EQ(boxes->Shown().size(), 1u);
    EXPECT_NE(boxes->Shown()[0].text.find("没有要写日记的一天"), std::string::npos) << boxes->Shown()[0].text;
    EXPECT_FALSE(window->IsGenerating());
    EXPECT_TRUE(window->IsWindowEnabled());
    EXPECT_TRUE(Listing(Out()).empty());
}

// Formats whose texts pass what the windows show (a month title 49 bytes, a date 199, two a
// Chinese character) and what the document holds (150 and 500): the window tells why it shows no
// month title or date, and a run whose headings would be left out says so and writes nothing.
TEST_F(GenerateTest, FormatsTooLongToShowOrWriteAreToldAndNothingIsWritten)
{
    const auto withFormat = [](const std::string& key, const std::string& format) {
        std::string design = PreparedConfig();
        const size_t at = design.find(key + "=");
        design.replace(at, design.find("\r\n", at) - at, key + "=" + format);
        return design;
    };
    Start(withFormat("Month_Format", "%Y年%m月 " + Repeated("汉", 160)));
    EXPECT_EQ(Text(IDC_LABEL_MONTH_SAMPLE), "");
    window->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(IDC_BUTTON_MONTH_FORMAT), BN_CLICKED), 0);
    Press();
    EXPECT_EQ(driver->Ran(), std::vector<UINT>{IDD_SAVE_CONFIRM}) << "no month heading dialog, no success";
    ASSERT_EQ(boxes->Shown().size(), 2u);
    EXPECT_EQ(boxes->Shown()[0].text, "The month format gives titles longer than the 49 bytes (24 Chinese characters) "
                                      "the windows show: choose a shorter one in 'Settings' for month and date .");
    EXPECT_EQ(boxes->Shown()[1].caption, "生成Word文档");
    EXPECT_EQ(boxes->Shown()[1].text.substr(0, boxes->Shown()[1].text.find('\n')),
              "月份格式写出的月份标题超过了 150 字节的上限（75 个汉字，一个字母或数字算 1 字节），"
              "文档里的月份标题会是空的，没有生成文档。");
    EXPECT_FALSE(window->IsGenerating());
    EXPECT_TRUE(window->IsWindowEnabled());
    EXPECT_TRUE(Listing(Out()).empty());
    window.reset();

    Start(withFormat("Day_Format", "%Y-%m-%d " + Repeated("汉", 100)));
    EXPECT_EQ(Text(IDC_LABEL_START), "");
    Press(0);
    EXPECT_EQ(boxes->Shown().back().text, "The date format gives dates longer than the 199 bytes (99 Chinese characters) "
                                          "the windows show: choose a shorter one in 'Settings' for month and date .");
    EXPECT_EQ(driver->Ran().size(), 1u) << "no save question";
    EXPECT_TRUE(Listing(Out()).empty());
}

TEST_F(GenerateTest, MissingOutputFolderOrAFileInItsPlaceGivesTheDefaultFolder)
{
    Start();
    for (const std::string& folder : {File("gone"), File("ZaDuzed_Simple.ini")}) {
        DialogProbe(*window).Type(IDC_EDIT_OUT_FOLDER, folder.c_str());
        ExpectSuccess();
        Press();
        ASSERT_TRUE(WaitForTheRun()) << folder;
        EXPECT_EQ(Text(IDC_EDIT_OUT_FOLDER), Out()) << folder;
        EXPECT_EQ(fs::path(Text(IDC_EDIT_OUT_FILE).str()).parent_path(), Out()) << folder;
    }
    EXPECT_FALSE(fs::exists(File("gone")));
}

TEST_F(GenerateTest, MissingMottoFileGivesADocumentWithoutMottoLines)
{
    Start(PreparedConfig() + "[Main]\r\nTXT_AddText=1\r\nTXT_FileName=" + File("no-motto.txt") + "\r\n");
    g_bAddTextPerDay = 1;
    ExpectSuccess();
    Press();
    ASSERT_TRUE(WaitForTheRun());
    EXPECT_TRUE(fs::exists(Out() + "/my_diary.docx"));
    EXPECT_TRUE(boxes->Shown().empty());
}

// The user asked for mottos: a motto file the run cannot read whole is told, and no diary is made
// without them.
TEST_F(GenerateTest, AMottoFileTooLargeToReadIsToldAndNothingIsWritten)
{
    Write("big.txt", std::string((16 << 20) + 1, 'x'));
    Start(PreparedConfig() + "[Main]\r\nTXT_AddText=1\r\nTXT_FileName=" + File("big.txt") + "\r\n");
    g_bAddTextPerDay = 1;
    Press();
    ASSERT_EQ(boxes->Shown().size(), 1u);
    EXPECT_EQ(boxes->Shown()[0].caption, "生成Word文档");
    EXPECT_EQ(boxes->Shown()[0].text, "文本文件 '" + File("big.txt") + "' 超过了16 MB，无法读取。\n没有生成文档。");
    EXPECT_FALSE(window->IsGenerating());
    EXPECT_TRUE(window->IsWindowEnabled());
    EXPECT_TRUE(Listing(Out()).empty());
}

TEST_F(GenerateTest, OkBeforeTheWorkMakesNothingAndGivesTheWholeWindowBack)
{
    Start();
    Press();
    ASSERT_NE(window->ProgressWindow(), nullptr);
    window->ProgressWindow()->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(IDC_PROGRESS_OK), BN_CLICKED), 0);
    EXPECT_TRUE(window->IsWindowEnabled());
    ASSERT_TRUE(WaitForTheRun());
    EXPECT_TRUE(Listing(Out()).empty()) << "no document and no work folder";
    EXPECT_TRUE(Enabled(IDC_BUTTON_GENERATE));
    EXPECT_FALSE(Enabled(IDC_BUTTON_OPEN_FILE)) << "there is no document to open yet";
    EXPECT_EQ(window->ProgressWindow(), nullptr);
    EXPECT_TRUE(boxes->Shown().empty());
}

TEST_F(GenerateTest, OkDuringTheWorkGivesTheWindowBackWhileTheRunGoesOn)
{
    const std::string design = Read("config/samples/FullYear_AllCalendars.ini");
    // A busy machine may finish a run between two looks at it; such a run is let through and
    // the next one caught.
    bool caught = false;
    for (int attempt = 0; attempt < 5 && !caught; ++attempt) {
        Start(design);
        ExpectSuccess();
        Press();
        caught = platform::ui::PumpEventsUntil([&] { return WorkerBegun() || window->m_bGenerationDone == 1; }) &&
                 WorkerBegun();
        if (!caught) {
            ASSERT_TRUE(WaitForTheRun());
            fs::remove(Out() + "/my_diary.docx");
            window.reset();
        }
    }
    ASSERT_TRUE(caught);
    window->ProgressWindow()->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(IDC_PROGRESS_OK), BN_CLICKED), 0);
    EXPECT_TRUE(window->IsWindowEnabled());
    DialogProbe(*window).Type(IDC_EDIT_TITLE, "Changed meanwhile");
    ASSERT_TRUE(WaitForTheRun());
    EXPECT_EQ(successPath, Out() + "/my_diary.docx");
    const std::string body = Parts(successPath).at("word/document.xml");
    EXPECT_EQ(body.find("Changed meanwhile"), std::string::npos) << "the run works on its own snapshot";
}

// The close box, "退出" and "保存和退出", once the progress window's OK has given the window back.
// A close during a run whose save fails keeps the window as before that run: the run is stopped,
// and 1122 and the output file are the user's again for another.
TEST_F(GenerateTest, AFailedSaveAtClosingDuringARunLeavesTheWindowReadyForAnother)
{
    ASSERT_TRUE(CatchARun([](DialogProbe& p) { p.Click(IDC_CONGRATS_CLOSE); }));
    PressProgressOk();
    driver->Expect(IDD_SAVE_CONFIG, [this](DialogProbe& save) {
        save.Type(IDC_CONFIG_PATH, File("no such folder/design.ini").c_str());
        save.Click(IDC_CONFIG_OK);
    });
    DialogProbe(*window).PressCloseBox();
    ASSERT_TRUE(window->IsWindowVisible()) << "a failed save keeps the window";
    EXPECT_FALSE(window->IsGenerating());
    EXPECT_FALSE(RunFolderLeft());
    EXPECT_TRUE(window->IsWindowEnabled());
    EXPECT_TRUE(Enabled(IDC_BUTTON_GENERATE));
    Press();   // its success dialog is the one queued for the stopped run
    ASSERT_TRUE(WaitForTheRun());
    EXPECT_TRUE(fs::exists(Out() + "/my_diary.docx"));
}

TEST_F(GenerateTest, LeavingDuringARunStopsItAndLeavesNoFile)
{
    const std::string design = Read("config/samples/FullYear_AllCalendars.ini");
    const std::string document = Out() + "/my_diary.docx";
    int successesExpected = 0;
    for (const UINT exit : {0u, ID_TOOLBAR_EXIT, ID_TOOLBAR_SAVE_EXIT}) {
        // A busy machine may finish a run between two looks at it; such a run is let through
        // (its success dialog is expected beforehand) and the next one caught. It may also finish
        // one between the look and the stop: its worker past its last look at the stop, the
        // document is whole and published. Only a run that keeps publishing when stopped fails.
        bool stoppedMidway = false;
        for (int attempt = 0; attempt < 5 && !stoppedMidway; ++attempt) {
            Start(design);
            if (successesExpected++ == 0)
                ExpectSuccess();
            Press();
            const bool caught =
                platform::ui::PumpEventsUntil([&] { return WorkerBegun() || window->m_bGenerationDone == 1; }) &&
                WorkerBegun();
            if (!caught) {
                ASSERT_TRUE(WaitForTheRun()) << exit;
                successesExpected = 0;
                fs::remove(document);
                window.reset();
                continue;
            }
            window->ProgressWindow()->SendMessage(WM_COMMAND,
                                                  MAKEWPARAM(static_cast<WORD>(IDC_PROGRESS_OK), BN_CLICKED), 0);
            if (exit != ID_TOOLBAR_EXIT)
                driver->Expect(IDD_SAVE_CONFIG, [](DialogProbe& save) { save.Click(IDC_CONFIG_CANCEL); });
            if (exit == 0) {
                DialogProbe(*window).PressCloseBox();
            } else {
                platform::ui::ExitCatcher catcher;
                EXPECT_THROW(window->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(exit), BN_CLICKED), 0),
                             platform::ui::ExitCaught);
            }
            EXPECT_FALSE(RunFolderLeft()) << exit;
            platform::ui::PumpEventsUntil([] { return false; }, 50);
            EXPECT_NE(driver->Ran().back(), IDD_CONGRATULATION) << "no success dialog after leaving";
            stoppedMidway = !fs::exists(document);
            fs::remove(document);
            window.reset();
        }
        EXPECT_TRUE(stoppedMidway) << exit << ": every run stopped midway published its document";
        for (const std::string& name : Listing(Out()))
            EXPECT_EQ(name.find(".docx"), std::string::npos) << name << ": a run stopped midway publishes nothing";
    }
    // The success dialog still expected belongs to a run that goes through.
    if (successesExpected > 0) {
        Start();
        Press();
        ASSERT_TRUE(WaitForTheRun());
    }
}

TEST_F(GenerateTest, SuccessActionsAndTheOpenFileButton)
{
    Start();
    const std::string docx = Out() + "/my_diary.docx";
    ExpectSuccess(IDC_CONGRATS_OPEN_FILE);
    Press();
    ASSERT_TRUE(WaitForTheRun());
    EXPECT_EQ(opened, std::vector<std::string>{docx});

    ExpectSuccess(IDC_CONGRATS_OPEN_FOLDER);
    Press();
    ASSERT_TRUE(WaitForTheRun());
    EXPECT_EQ(shownInFolder, std::vector<std::string>{Out() + "/my_diary1.docx"});

    opened.clear();
    DialogProbe(*window).Click(IDC_BUTTON_OPEN_FILE);
    EXPECT_EQ(opened, std::vector<std::string>{Out() + "/my_diary1.docx"});
}

// With no opener on the desktop, each of the four ways to open the document or its folder tells
// the user what could not be opened.
TEST_F(GenerateTest, WhatCouldNotBeOpenedIsTold)
{
    Start();
    openerStarts = false;
    const std::string docx = Out() + "/my_diary.docx";
    ExpectSuccess(IDC_CONGRATS_OPEN_FILE);
    Press();
    ASSERT_TRUE(WaitForTheRun());
    ExpectSuccess(IDC_CONGRATS_OPEN_FOLDER);
    Press();
    ASSERT_TRUE(WaitForTheRun());
    DialogProbe(*window).Click(IDC_BUTTON_OPEN_FILE);
    DialogProbe(*window).Click(IDC_BUTTON_OPEN_FOLDER);
    const std::vector<std::pair<std::string, std::string>> told = {
        {"打开文件", "无法打开文件 '" + docx + "'。"},
        {"打开文件夹", "无法打开文件夹 '" + Out() + "'。"},
        {"打开文件", "无法打开文件 '" + Out() + "/my_diary1.docx'。"},
        {"打开文件夹", "无法打开文件夹 '" + Out() + "'。"},
    };
    std::vector<std::pair<std::string, std::string>> shown;
    for (const auto& box : boxes->Shown())
        shown.emplace_back(box.caption, box.text);
    EXPECT_EQ(shown, told);
}

TEST_F(GenerateTest, FailedRunIsToldLeavesNoDocumentAndNoSuccessDialog)
{
    Start();
    fs::remove(File("config/template/word/styles.xml"));
    Press();
    ASSERT_TRUE(WaitForTheRun());
    ASSERT_EQ(boxes->Shown().size(), 1u);
    EXPECT_NE(boxes->Shown()[0].text.find("没有生成文档"), std::string::npos) << boxes->Shown()[0].text;
    EXPECT_TRUE(Listing(Out()).empty());
    EXPECT_EQ(Text(IDC_EDIT_OUT_FILE), "");
    EXPECT_FALSE(Enabled(IDC_BUTTON_OPEN_FILE));
    EXPECT_TRUE(Enabled(IDC_BUTTON_GENERATE));
    EXPECT_TRUE(window->IsWindowEnabled());
}

// A disk that fills up during the copy of the skeleton is told as the output folder that could
// not be written, with the system's reason; the installation is not blamed.
TEST_F(GenerateTest, AFullDiskIsToldWithTheSystemsReason)
{
    Start();
    {
        FileSizeLimit full(4096);
        Press();
        ASSERT_TRUE(WaitForTheRun());
    }
    ASSERT_EQ(boxes->Shown().size(), 1u);
    EXPECT_EQ(boxes->Shown()[0].caption, "生成Word文档");
    EXPECT_EQ(boxes->Shown()[0].text,
              "无法在输出路径 '" + Out() + "' 里写文件，没有生成文档。\n" + std::strerror(EFBIG));
    EXPECT_TRUE(Listing(Out()).empty());
    EXPECT_TRUE(window->IsWindowEnabled());
}

// The system refuses the run its worker (a limit on threads), or memory runs out in the worker,
// at its first step or halfway through its work (a run makes some 2800 allocations): the run is told as failed with the system's
// reason, leaves nothing in the output folder and gives the window back.
TEST_F(GenerateTest, ARunTheSystemRefusesAThreadOrMemoryIsToldAndLeavesNothing)
{
    const struct {
        const char* name;
        long failingAllocation;   // 0: no thread starts
        int reason;
    } cases[] = {{"no thread", 0, EAGAIN}, {"memory at once", 1, ENOMEM}, {"memory halfway", 1400, ENOMEM}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.reset();   // one recorder at a time
        boxes = std::make_unique<platform::ui::MessageBoxRecorder>();
        Start();
        platform::SetThreadRefusal(c.failingAllocation == 0 ? EAGAIN : 0);
        std::optional<AllocationFailure> outOfMemory;
        if (c.failingAllocation != 0)
            outOfMemory.emplace(c.failingAllocation);
        Press();
        ASSERT_TRUE(WaitForTheRun());
        platform::SetThreadRefusal(0);
        EXPECT_EQ(outOfMemory.has_value(), AllocationFailure::Happened());
        outOfMemory.reset();

        ASSERT_EQ(boxes->Shown().size(), 1u);
        EXPECT_EQ(boxes->Shown()[0].caption, "生成Word文档");
        EXPECT_EQ(boxes->Shown()[0].text, std::string("生成Word文档时出错，没有生成文档。\n") + std::strerror(c.reason));
        EXPECT_TRUE(Listing(Out()).empty());
        EXPECT_EQ(Text(IDC_EDIT_OUT_FILE), "");
        EXPECT_TRUE(Enabled(IDC_BUTTON_GENERATE));
        EXPECT_TRUE(window->IsWindowEnabled());
        EXPECT_EQ(window->ProgressWindow(), nullptr);
        window.reset();
    }
}

// Memory runs out at the worker's first step, then once more at any one allocation after that, on
// any thread: of the run's end reaching the window, of the window given back, of the failure
// told. Whichever it is, the window is usable again with the design in it and nothing is left
// behind; the failure is told, unless there was no memory even for that.
TEST_F(GenerateTest, ARunsEndReachesTheWindowWhicheverAllocationFails)
{
    Start();
    const auto& classes = *static_cast<CListCtrl*>(window->GetDlgItem(IDC_LIST_CLASSES));
    const std::string noMemory = std::strerror(ENOMEM);
    const std::set<std::string> tellings = {"生成Word文档时出错，没有生成文档。\n" + noMemory, "操作没有完成。\n" + noMemory};
    for (long nth = 1, failedAgain = 1; failedAgain; ++nth) {
        SCOPED_TRACE(nth);
        std::optional<AllocationFailure> outOfMemory(std::in_place, 1, nth);
        Press();
        const HWND progress = window->ProgressWindow()->m_hWnd;
        ASSERT_TRUE(WaitForTheRun(5000));
        failedAgain = AllocationFailure::HappenedAgain();
        outOfMemory.reset();

        EXPECT_TRUE(window->IsWindowEnabled());
        EXPECT_TRUE(Enabled(IDC_BUTTON_GENERATE));
        EXPECT_FALSE(CWnd::IsWindow(progress));
        EXPECT_TRUE(Listing(Out()).empty());
        EXPECT_EQ(classes.GetItemCount(), 3);
        EXPECT_EQ(Text(IDC_EDIT_TITLE), "Prepared");
        for (const auto& box : boxes->Shown())
            EXPECT_EQ(tellings.count(box.text), 1u) << box.text;
    }
    ExpectSuccess();
    Press();
    ASSERT_TRUE(WaitForTheRun());
    EXPECT_EQ(Listing(Out()), std::set<std::string>{"my_diary.docx"});
}

// The progress window's OK gave the window back, the user opened 编辑... on row 2, and the run
// ended under that dialog: the window stays the dialog's until it closes, so no click reaches
// another row and 开始生成Word文档 cannot open the save question over it.
TEST_F(GenerateTest, ARunEndingUnderAnOpenDialogLeavesTheWindowToTheDialog)
{
    ASSERT_TRUE(CatchARun([](DialogProbe& p) { p.Click(IDC_CONGRATS_CLOSE); }));
    EXPECT_EQ(window->ProgressWindow()->GetParent(), window.get()) << "the window it reports on owns it";
    PressProgressOk();
    ClickListRow(*window, IDC_LIST_CLASSES, 1);
    bool ended = false, enabledUnderDialog = true;
    driver->Expect(IDD_DAILY_DIARY, [&](DialogProbe& p) {
        ended = p.PumpUntil([&] { return window->m_bGenerationDone == 1 && !window->IsGenerating(); }, 20000);
        enabledUnderDialog = window->IsWindowEnabled() != FALSE;
        p.Click(IDC_DIARY_CANCEL);
    });
    window->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(IDC_BUTTON_EDIT), BN_CLICKED), 0);
    ASSERT_TRUE(ended);
    EXPECT_FALSE(enabledUnderDialog);
    EXPECT_TRUE(window->IsWindowEnabled()) << "the dialog gives it back as it closes";
}

// OK pressed while the success dialog is up gives the window back once that dialog is gone.
TEST_F(GenerateTest, OkUnderTheSuccessDialogWaitsForIt)
{
    bool enabledUnderSuccess = true;
    ASSERT_TRUE(CatchARun([&](DialogProbe& p) {
        PressProgressOk();
        enabledUnderSuccess = window->IsWindowEnabled() != FALSE;
        p.Click(IDC_CONGRATS_CLOSE);
    }));
    ASSERT_TRUE(WaitForTheRun());
    EXPECT_FALSE(enabledUnderSuccess);
    EXPECT_TRUE(window->IsWindowEnabled());
}
