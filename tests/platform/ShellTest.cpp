// The shell's requests: the show-in-folder file address, the test hooks, and what an opener
// that cannot open its target tells the caller.
#include "platform/Shell.h"
#include "platform/Threads.h"
#include "platform/WriteSignals.h"
#include "support/FakeDesktop.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <thread>

namespace {

// Waits a while for the condition, as the answer comes from a thread of the shell's.
bool Eventually(const std::function<bool()>& condition)
{
    for (int waited = 0; waited < 5000 && !condition(); waited += 10)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return condition();
}

} // namespace

TEST(Shell, FileAddressesEscapeEverythingButPlainCharacters)
{
    EXPECT_EQ(platform::FileUri("/home/me/my_diary.docx"), "file:///home/me/my_diary.docx");
    EXPECT_EQ(platform::FileUri("/a b/日记#1.docx"), "file:///a%20b/%E6%97%A5%E8%AE%B0%231.docx");
}

TEST(Shell, ShowInFolderGoesToItsRecorder)
{
    std::string shown;
    platform::SetShowInFolderRecorder([&](const std::string& file) {
        shown = file;
        return true;
    });
    EXPECT_TRUE(platform::ShellShowInFolder("/out/my_diary.docx"));
    platform::SetShowInFolderRecorder(nullptr);
    EXPECT_EQ(shown, "/out/my_diary.docx");
}

// No opener fails the request at once; an opener's failure reaches the caller later; one that
// works, or a file manager that shows the file, is never reported.
TEST(Shell, AnOpenerThatCannotOpenIsReported)
{
    struct Case {
        std::optional<int> opener, service;
        bool showInFolder;
        bool started, failed;
    };
    const Case cases[] = {
        {std::nullopt, std::nullopt, false, false, false},
        {4, std::nullopt, false, true, true},
        {0, std::nullopt, false, true, false},
        {std::nullopt, 1, true, true, true},
        {3, 1, true, true, true},
        {0, 1, true, true, false},
        {3, 0, true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.opener.value_or(-1)) + " " + std::to_string(c.service.value_or(-1)) +
                     (c.showInFolder ? " show" : " open"));
        const TempFolder folder;
        const FakeDesktop desktop(folder.File("bin"), c.opener, c.service);
        std::atomic<int> failures{0};
        const auto failed = [&failures] { ++failures; };
        const bool started = c.showInFolder ? platform::ShellShowInFolder("/out/my_diary.docx", failed)
                                            : platform::ShellOpen("/out/my_diary.docx", failed);
        EXPECT_EQ(started, c.started);
        if (c.failed) {
            EXPECT_TRUE(Eventually([&] { return failures == 1; }));
        } else if (c.started) {
            // The answer follows the last program's end.
            const char* last = c.opener && (!c.showInFolder || c.service != 0) ? "xdg-open" : "dbus-send";
            EXPECT_TRUE(Eventually([&] { return desktop.Ran(last); }));
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            EXPECT_EQ(failures, 0);
        }
    }
}

// The system refuses the thread that would await the desktop's answer: the request fails at once
// and nothing is launched.
TEST(Shell, ARequestWithoutAThreadToAwaitItFailsAndLaunchesNothing)
{
    const TempFolder folder;
    const FakeDesktop desktop(folder.File("bin"), 0, 0);
    platform::SetThreadRefusal(EAGAIN);
    const bool opened = platform::ShellOpen("/out/my_diary.docx", [] {});
    const bool shown = platform::ShellShowInFolder("/out/my_diary.docx", [] {});
    platform::SetThreadRefusal(0);
    EXPECT_FALSE(opened);
    EXPECT_FALSE(shown);
    EXPECT_FALSE(desktop.Ran("xdg-open"));
    EXPECT_FALSE(desktop.Ran("dbus-send"));
}

// The signals the program ignores for its writes reach the programs it starts at their defaults,
// so a pipeline in a command ends as it would anywhere.
TEST(Shell, StartedProgramsGetTheWriteSignalsAtTheirDefaults)
{
    const TempFolder folder;
    struct sigaction pipe {}, fileSize {};
    ::sigaction(SIGPIPE, nullptr, &pipe);
    ::sigaction(SIGXFSZ, nullptr, &fileSize);
    platform::IgnoreWriteSignals();
    const int ran = platform::RunAndWait("grep SigIgn /proc/self/status > '" + folder.File("ignored") + "'");
    ::sigaction(SIGPIPE, &pipe, nullptr);
    ::sigaction(SIGXFSZ, &fileSize, nullptr);
    ASSERT_EQ(ran, 0);
    const std::string line = folder.Read("ignored");
    ASSERT_EQ(line.rfind("SigIgn:", 0), 0u) << line;
    const unsigned long long ignored = std::strtoull(line.c_str() + 7, nullptr, 16);
    for (const int signal : {SIGPIPE, SIGXFSZ})
        EXPECT_EQ(ignored & (1ULL << (signal - 1)), 0u) << signal;
}
