#pragma once
// Work off the GUI thread with a completion back on it. The work runs on a thread of its own and
// must not touch a window; when it returns, the completion runs on the GUI thread, unless the
// task was stopped meanwhile or the window it belongs to is gone. Its end reaches the GUI thread
// without taking memory, so a work that left none still completes. A task that dies stops first:
// it asks the work to stop and waits for it, so no thread outlives its owner.

#include "platform/ui/WinDef.h"

#include <atomic>
#include <functional>
#include <memory>

class CWnd;

namespace platform::ui {

class BackgroundTask {
public:
    BackgroundTask() = default;
    ~BackgroundTask();
    BackgroundTask(const BackgroundTask&) = delete;
    BackgroundTask& operator=(const BackgroundTask&) = delete;

    // The work gets the stop flag to look at between its steps. False, and nothing started,
    // while an earlier work of this task has not completed, or when the system would not start
    // a thread or give the means to tell its end (its reason in errno). A work is its own
    // failures' teller: one it lets out ends the work, and its completion still runs.
    using Work = std::function<void(const std::atomic<bool>& stopRequested)>;
    bool Start(CWnd& owner, Work work, std::function<void()> completion);
    // From the start until the completion has run (or was dropped).
    bool IsBusy() const;
    // Asks the work to stop, waits for it and drops its completion; nothing when idle.
    void Stop();

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
};

// Runs the function on the GUI thread later, from any thread.
void PostToGuiThread(std::function<void()> function);

} // namespace platform::ui
