// The program as its entry starts it, on a machine that limits the size of files (ulimit -f, fsize
// in the system's limits): a save and a run that pass the limit are told as failed writes, and the
// program goes on. Each case runs in a process of its own, which the limit's signal would end.
#include "app/Form_SetWord.h"
#include "app/RorovavozirApp.h"
#include "app/window/AppFixture.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sys/resource.h>

namespace {

class FileSizeLimitTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        Write("ZaDuzed_Simple.ini", PreparedConfig());
    }
    // Starts the program as a new process would: the signal at its default, the limit set.
    void RunLimited(rlim_t bytes, const std::function<void(CForm_SetWord&, DialogProbe&)>& use)
    {
        std::signal(SIGXFSZ, SIG_DFL);
        driver->Expect(IDD_FORM_SETWORD, [&](DialogProbe& p) {
            rlimit limit {};
            ::getrlimit(RLIMIT_FSIZE, &limit);
            const rlimit unlimited = limit;
            limit.rlim_cur = bytes;
            ::setrlimit(RLIMIT_FSIZE, &limit);
            use(dynamic_cast<CForm_SetWord&>(p.Dialog()), p);
            ::setrlimit(RLIMIT_FSIZE, &unlimited);
            driver->Expect(IDD_SAVE_CONFIG, [](DialogProbe& save) { save.Click(IDC_CONFIG_CANCEL); });
            p.PressCloseBox();
        });
        CRorovavozirApp app;
        RunApplication(app);
        EXPECT_TRUE(failures.empty()) << (failures.empty() ? "" : failures.front());
        // The test's process reads the failures on this one's error output.
        const testing::TestResult& result = *testing::UnitTest::GetInstance()->current_test_info()->result();
        for (int part = 0; part < result.total_part_count(); ++part)
            std::fprintf(stderr, "%s\n", result.GetTestPartResult(part).message());
        std::fflush(stderr);
        std::_Exit(HasFailure() ? 1 : 0);
    }
    static void Command(CWnd& window, UINT id) { window.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED), 0); }
    std::string Told(const std::string& file) const { return "无法保存文件 '" + file + "'。\n" + std::strerror(EFBIG); }
    std::string Out() const { return File("docs") + "/Rorovavozir"; }
};

} // namespace

TEST_F(FileSizeLimitTest, ASaveIsToldAndTheDesignFileStaysWhole)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunLimited(1024, [&](CForm_SetWord& window, DialogProbe&) {
        boxes->Answer(IDOK);
        boxes->Answer(IDYES);
        driver->Expect(IDD_SAVE_CONFIG, [](DialogProbe& save) { save.Click(IDC_CONFIG_OK); });
        Command(window, ID_TOOLBAR_SAVE);
        EXPECT_EQ(Read("ZaDuzed_Simple.ini"), PreparedConfig());
        EXPECT_EQ(MessageTexts(), (std::vector<std::string>{Told(ConfigPathIni()),
                                                            "替换文件 '" + File("ZaDuzed_Simple.ini") + "' ?",
                                                            Told(File("ZaDuzed_Simple.ini"))}));
    }), testing::ExitedWithCode(0), "");
}

TEST_F(FileSizeLimitTest, ARunIsToldAndLeavesNothing)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunLimited(4096, [&](CForm_SetWord& window, DialogProbe&) {
        driver->Expect(IDD_SAVE_CONFIRM, [](DialogProbe& p) { p.Click(IDC_CONFIRM_GENERATE); });
        Command(window, IDC_BUTTON_GENERATE);
        ASSERT_TRUE(platform::ui::PumpEventsUntil(
            [&] { return window.m_bGenerationDone == 1 && !window.IsGenerating(); }, 20000));
        ASSERT_FALSE(boxes->Shown().empty());
        EXPECT_EQ(boxes->Shown().back().text,
                  "无法在输出路径 '" + Out() + "' 里写文件，没有生成文档。\n" + std::strerror(EFBIG));
        EXPECT_TRUE(std::filesystem::is_empty(Out()));
        EXPECT_TRUE(window.IsWindowEnabled());
    }), testing::ExitedWithCode(0), "");
}
