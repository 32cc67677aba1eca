// Times what a user waits for: from the press of button 1122 of the main window to the success
// dialog, for a configuration file. The window runs offscreen in a program folder of its own
// (a copy of the checkout's config/), the save question and the success dialog are answered by
// the layer's modal driver, and the fastest and the median of the runs are printed.
#include "app/Form_SetWord.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/TestHooks.h"
#include "resources/ProgramResources.h"
#include "resources/ResourceIds.h"
#include "settings/IniFile.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

std::string MakeProgramFolder(const std::string& checkout, const std::string& config)
{
    std::string folder = (fs::temp_directory_path() / "rorovavozir-bench-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr)
        return {};
    fs::copy(fs::path(checkout) / "config", fs::path(folder) / "config", fs::copy_options::recursive);
    fs::copy_file(config, fs::path(folder) / "design.ini");
    const std::string paths = folder + "/config/config_path.ini";
    CIniFile().WriteString(paths.c_str(), "Main", "Config_Path", (folder + "/design.ini").c_str());
    // The welcome window is not part of what is timed.
    CIniFile().WriteString(paths.c_str(), "Main", "StartShow", "0");
    return folder;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <configuration.ini> [runs]\n", argv[0]);
        return 2;
    }
    const std::string config = fs::absolute(argv[1]).string();
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 15;
    const char* checkout = std::getenv("RV_SOURCE_DIR");
    const std::string folder = MakeProgramFolder(checkout ? checkout : RV_SOURCE_DIR_DEFAULT, config);
    if (folder.empty() || ::chdir(folder.c_str()) != 0)
        return 1;

    platform::ui::EnsureApplication();
    RegisterProgramResources();
    std::vector<std::string> failures;
    platform::ui::ModalDriver driver([&](const std::string& failure) { failures.push_back(failure); });
    const platform::ui::DocumentsFolderOverride documents(CString(folder + "/docs"));
    CForm_SetWord window;
    window.Create(IDD_FORM_SETWORD);
    window.ShowWindow(SW_SHOW);

    std::vector<double> seconds;
    for (int run = 0; run < runs && failures.empty(); ++run) {
        Clock::time_point pressed;
        Clock::time_point shown;
        driver.Expect(IDD_SAVE_CONFIRM, [](platform::ui::DialogProbe& p) { p.Click(IDC_CONFIRM_GENERATE); });
        driver.Expect(IDD_CONGRATULATION, [&](platform::ui::DialogProbe& p) {
            shown = Clock::now();
            p.Click(IDC_CONGRATS_CLOSE);
        });
        pressed = Clock::now();
        window.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(IDC_BUTTON_GENERATE), BN_CLICKED), 0);
        if (!platform::ui::PumpEventsUntil([&] { return window.m_bGenerationDone == 1 && !window.IsGenerating(); },
                                           60000)) {
            failures.push_back("the run did not end");
            break;
        }
        seconds.push_back(std::chrono::duration<double>(shown - pressed).count());
        fs::remove(window.GetDlgItem(IDC_EDIT_OUT_FILE)->GetWindowText().str());
    }
    // Closing the window offers to save the design; the copy is not kept.
    driver.Expect(IDD_SAVE_CONFIG, [](platform::ui::DialogProbe& p) { p.Click(IDC_CONFIG_CANCEL); });
    window.DestroyWindow();
    fs::remove_all(folder);
    if (!failures.empty() || seconds.empty()) {
        std::fprintf(stderr, "failed: %s\n", failures.empty() ? "no run" : failures.front().c_str());
        return 1;
    }
    std::printf("press of 1122 to the success dialog, %zu runs: best %.1f ms, median %.1f ms\n", seconds.size(),
                1000 * *std::min_element(seconds.begin(), seconds.end()), 1000 * Median(seconds));
    return 0;
}
