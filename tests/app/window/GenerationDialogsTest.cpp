// The progress window and the success dialog of a run, driven on their own.
#include "AppFixture.h"
#include "app/FormFileCompareProgress.h"
#include "app/Form_CongratulationDocx.h"
#include "app/GenerationState.h"

namespace {

class ProgressWindowTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        g_nGenerateProgressMode = 0;
        ASSERT_TRUE(progress.Create(IDD_PROGRESS));
    }
    void TearDown() override
    {
        progress.DestroyWindow();
        g_nGenerateProgressMode = 0;
        g_bCancelGeneration = 0;
        AppTest::TearDown();
    }
    void Ticks(int count)
    {
        for (int n = 0; n < count; ++n)
            progress.SendMessage(WM_TIMER, 1);
    }
    CString Text(int id) { return progress.GetDlgItem(id)->GetWindowText(); }
    CFormFileCompareProgress progress;
};

} // namespace

TEST_F(ProgressWindowTest, WrapsWhileTheBodyIsWrittenAndStopsAtAHundredAfter)
{
    EXPECT_EQ(Text(IDC_PROGRESS_PERCENT), "0%");
    Ticks(1);
    EXPECT_EQ(Text(IDC_PROGRESS_WAIT_TEXT), "请稍等几秒... 本应用程序正在快马加鞭地为您生成一个word日记模板文件...");
    EXPECT_EQ(Text(IDC_PROGRESS_PERCENT), "1%");
    Ticks(98);
    EXPECT_EQ(Text(IDC_PROGRESS_PERCENT), "99%");
    EXPECT_EQ(progress.m_progress.GetPos(), 99);
    Ticks(1);
    EXPECT_EQ(progress.m_nTick, 0) << "the hundredth tick starts the round again, showing nothing new";
    EXPECT_EQ(Text(IDC_PROGRESS_PERCENT), "99%");
    Ticks(5);
    EXPECT_EQ(Text(IDC_PROGRESS_PERCENT), "5%");

    g_nGenerateProgressMode = 1;
    Ticks(150);
    EXPECT_EQ(Text(IDC_PROGRESS_PERCENT), "100%");
    EXPECT_EQ(progress.m_progress.GetPos(), 100);
}

TEST_F(ProgressWindowTest, OkGivesTheMainWindowBackStopsTheTimerAndAsksTheRunNotToStart)
{
    CDialog main(IDD_SAVE_CONFIRM);
    ASSERT_TRUE(main.Create(IDD_SAVE_CONFIRM));
    main.EnableWindow(FALSE);
    CFormFileCompareProgress owned(&main);
    ASSERT_TRUE(owned.Create(IDD_PROGRESS));
    owned.ShowWindow(SW_SHOW);
    owned.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(IDC_PROGRESS_OK), BN_CLICKED), 0);
    EXPECT_EQ(g_bCancelGeneration.load(), 1);
    EXPECT_TRUE(main.IsWindowEnabled());
    EXPECT_FALSE(owned.IsWindowVisible());
    const int ticks = owned.m_nTick;
    platform::ui::PumpEventsUntil([] { return false; }, 150);
    EXPECT_EQ(owned.m_nTick, ticks) << "its timer stopped";
    owned.DestroyWindow();
    main.DestroyWindow();
}

TEST_F(AppTest, SuccessDialogNamesTheFileInItsFontsAndTellsTheChoice)
{
    g_strOutputFile = "/out/my_diary2.docx";
    struct Case {
        int button;
        INT_PTR result;
        int action;
    };
    for (const Case& c : {Case{IDC_CONGRATS_OPEN_FILE, IDOK, 0}, Case{IDC_CONGRATS_OPEN_FOLDER, IDOK, 1},
                          Case{IDC_CONGRATS_CLOSE, IDCANCEL, 2}, Case{0, IDCANCEL, 7}}) {
        g_nAfterGenerateAction = 7;
        CForm_CongratulationDocx dialog;
        driver->Expect(IDD_CONGRATULATION, [&](DialogProbe& p) {
            auto& d = dynamic_cast<CForm_CongratulationDocx&>(p.Dialog());
            EXPECT_EQ(d.m_labelPath.GetWindowText(), "/out/my_diary2.docx");
            EXPECT_EQ(d.m_labelDone.GetWindowText(), "恭喜，您刚才的操作成功！");
            EXPECT_EQ(d.m_labelPath.m_strFace, "Tahoma");
            EXPECT_EQ(d.m_labelPath.m_fontSize, 22);
            EXPECT_EQ(d.m_labelPath.m_textColour, RGB(0x06, 0x69, 0xB2));
            EXPECT_EQ(d.m_labelTip.m_textColour, RGB(0xAA, 0x0B, 0x08));
            EXPECT_EQ(d.m_labelTip.m_fontSize, 17);
            EXPECT_EQ(d.m_labelFileIs.m_fontSize, 18);
            EXPECT_EQ(d.m_labelDone.m_fontSize, 25);
            EXPECT_TRUE(d.m_labelDone.m_bBold);
            EXPECT_FALSE(d.m_labelPath.m_bBold);
            EXPECT_TRUE(d.m_labelPath.m_bAntialias);
            if (c.button != 0)
                p.Click(c.button);
            else
                p.PressCloseBox();
        });
        EXPECT_EQ(dialog.DoModal(), c.result) << c.button;
        EXPECT_EQ(g_nAfterGenerateAction, c.action) << c.button;
    }
    g_strOutputFile.Empty();
}
