#include "platform/ui/BackgroundTask.h"

#include "platform/ui/Wnd.h"

#include "platform/Threads.h"

#include <QCoreApplication>

namespace platform::ui {

struct BackgroundTask::Shared {
    std::atomic<bool> stopRequested{false};
    bool dropped = false;   // GUI thread only
    std::thread thread;
};

BackgroundTask::~BackgroundTask()
{
    Stop();
}

bool BackgroundTask::Start(CWnd& owner, Work work, std::function<void()> completion)
{
    if (IsBusy())
        return false;
    auto shared = std::make_shared<Shared>();
    const HWND window = owner.m_hWnd;
    const bool started = platform::StartThread(shared->thread, [shared, window, work = std::move(work),
                                                                completion = std::move(completion)] {
        try {
            work(shared->stopRequested);
        } catch (...) {
            // Its owner waits for the completion, which gives it back whatever the work did.
        }
        PostToGuiThread([shared, window, completion] {
            if (shared->dropped)
                return;
            shared->thread.join();
            shared->dropped = true;
            if (CWnd::IsWindow(window))
                completion();
        });
    });
    if (started)
        m_shared = shared;
    return started;
}

bool BackgroundTask::IsBusy() const
{
    return m_shared && !m_shared->dropped;
}

void BackgroundTask::Stop()
{
    if (!IsBusy())
        return;
    m_shared->stopRequested = true;
    if (m_shared->thread.joinable())
        m_shared->thread.join();
    m_shared->dropped = true;
}

void PostToGuiThread(std::function<void()> function)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(function), Qt::QueuedConnection);
}

} // namespace platform::ui
