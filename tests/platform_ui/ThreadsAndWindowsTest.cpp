// Threads and the window layer: work off the GUI thread with its completion on it, messages
// posted from any thread, and the guard against a window touched off the GUI thread.
#include "platform/Threads.h"
#include "platform/ui/BackgroundTask.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/TestHooks.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <new>
#include <thread>

namespace {

constexpr UINT kThreadsDialog = 9401;
constexpr UINT WM_TEST_POSTED = WM_USER + 91;
constexpr UINT WM_TEST_FAILING = WM_USER + 92;   // its handler runs out of memory

class PostTarget : public CDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    PostTarget() : CDialog(kThreadsDialog) {}
    std::atomic<int> received{0};
    std::thread::id receivedOn;

private:
    LRESULT OnPosted(WPARAM value, LPARAM)
    {
        received += static_cast<int>(value);
        receivedOn = std::this_thread::get_id();
        return 0;
    }
    LRESULT OnFailing(WPARAM, LPARAM) { throw std::bad_alloc(); }
};

RV_MESSAGE_MAP(PostTarget, CDialog, msgmap::Message(WM_TEST_POSTED, &T::OnPosted),
               msgmap::Message(WM_TEST_FAILING, &T::OnFailing))

class ThreadsTest : public testing::Test {
protected:
    void SetUp() override
    {
        DialogTemplate dialog;
        dialog.id = kThreadsDialog;
        dialog.cx = 100;
        dialog.cy = 50;
        RegisterDialogTemplate(dialog);
        window = std::make_unique<PostTarget>();
        ASSERT_TRUE(window->Create(kThreadsDialog));
    }
    std::unique_ptr<PostTarget> window;
};

} // namespace

TEST_F(ThreadsTest, WorkRunsOffTheGuiThreadAndItsCompletionOnIt)
{
    platform::ui::BackgroundTask task;
    std::thread::id workedOn, completedOn;
    bool completed = false;
    ASSERT_TRUE(task.Start(
        *window, [&](const std::atomic<bool>&) { workedOn = std::this_thread::get_id(); },
        [&] {
            completedOn = std::this_thread::get_id();
            completed = true;
        }));
    EXPECT_FALSE(task.Start(*window, [](const std::atomic<bool>&) {}, [] {})) << "one work at a time";
    ASSERT_TRUE(platform::ui::PumpEventsUntil([&] { return completed; }));
    EXPECT_NE(workedOn, std::this_thread::get_id());
    EXPECT_EQ(completedOn, std::this_thread::get_id());
    EXPECT_FALSE(task.IsBusy());
    EXPECT_TRUE(task.Start(*window, [](const std::atomic<bool>&) {}, [] {})) << "free again after its completion";
}

TEST_F(ThreadsTest, StoppingAsksTheWorkToStopWaitsAndDropsTheCompletion)
{
    platform::ui::BackgroundTask task;
    std::atomic<bool> sawStop{false};
    bool completed = false;
    task.Start(
        *window,
        [&](const std::atomic<bool>& stop) {
            while (!stop.load())
                std::this_thread::yield();
            sawStop = true;
        },
        [&] { completed = true; });
    task.Stop();
    EXPECT_TRUE(sawStop.load()) << "joined: the work has ended when Stop returns";
    platform::ui::PumpEventsUntil([] { return false; }, 50);
    EXPECT_FALSE(completed);
}

TEST_F(ThreadsTest, CompletionIsDroppedWhenItsWindowIsGoneAndATaskThatDiesJoinsItsWork)
{
    bool completed = false;
    std::atomic<bool> finished{false};
    {
        platform::ui::BackgroundTask task;
        task.Start(*window, [&](const std::atomic<bool>&) { finished = true; }, [&] { completed = true; });
        window->DestroyWindow();
        ASSERT_TRUE(platform::ui::PumpEventsUntil([&] { return !task.IsBusy(); }));
    }
    EXPECT_TRUE(finished.load());
    EXPECT_FALSE(completed);

    std::atomic<bool> stopSeen{false};
    {
        PostTarget other;
        ASSERT_TRUE(other.Create(kThreadsDialog));
        platform::ui::BackgroundTask task;
        task.Start(
            other,
            [&](const std::atomic<bool>& stop) {
                while (!stop.load())
                    std::this_thread::yield();
                stopSeen = true;
            },
            [] {});
    }
    EXPECT_TRUE(stopSeen.load());
}

// A work that lets a failure out has ended: its completion still runs, so its owner is given back.
// A thread the system refuses starts nothing and is told with the system's reason.
TEST_F(ThreadsTest, AWorkThatThrowsCompletesAndARefusedThreadStartsNothing)
{
    platform::ui::BackgroundTask task;
    bool completed = false;
    ASSERT_TRUE(task.Start(*window, [](const std::atomic<bool>&) { throw std::bad_alloc(); }, [&] { completed = true; }));
    ASSERT_TRUE(platform::ui::PumpEventsUntil([&] { return completed; }));

    platform::SetThreadRefusal(EAGAIN);
    errno = 0;
    bool worked = false;
    const bool started = task.Start(*window, [&](const std::atomic<bool>&) { worked = true; }, [] {});
    const int reason = errno;
    platform::SetThreadRefusal(0);
    EXPECT_FALSE(started);
    EXPECT_EQ(reason, EAGAIN);
    EXPECT_FALSE(task.IsBusy());
    EXPECT_FALSE(worked);
    EXPECT_TRUE(task.Start(*window, [](const std::atomic<bool>&) {}, [] {})) << "a later start works";
}

// A handler that runs out of memory ends its message's work, not the program: the user is told
// with the system's reason, and the messages after it are delivered.
TEST_F(ThreadsTest, AHandlerThatThrowsIsToldAndTheEventLoopGoesOn)
{
    const platform::ui::MessageBoxRecorder boxes;
    window->PostMessage(WM_TEST_FAILING);
    window->PostMessage(WM_TEST_POSTED, 1);
    ASSERT_TRUE(platform::ui::PumpEventsUntil([&] { return !boxes.Shown().empty(); }));
    EXPECT_EQ(boxes.Shown()[0].text, std::string("操作没有完成。\n") + std::strerror(ENOMEM));
    EXPECT_EQ(boxes.Shown()[0].type & 0xF0u, MB_ICONERROR);
    EXPECT_TRUE(platform::ui::PumpEventsUntil([&] { return window->received.load() == 1; }));
}

TEST_F(ThreadsTest, MessagesPostedFromAnyThreadAreDeliveredOnTheGuiThread)
{
    std::thread poster([this] {
        for (int n = 0; n < 10; ++n)
            window->PostMessage(WM_TEST_POSTED, 1);
    });
    poster.join();
    ASSERT_TRUE(platform::ui::PumpEventsUntil([&] { return window->received.load() == 10; }));
    EXPECT_EQ(window->receivedOn, std::this_thread::get_id());
}

#ifndef NDEBUG
TEST_F(ThreadsTest, TouchingAWindowOffTheGuiThreadStopsADebugBuild)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(std::thread([this] { window->EnableWindow(FALSE); }).join(), "off the GUI thread");
}
#endif
