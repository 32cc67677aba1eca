#include "platform/ui/BackgroundTask.h"

#include "platform/ui/Wnd.h"

#include "platform/Threads.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <new>
#include <sys/eventfd.h>
#include <unistd.h>

namespace platform::ui {

// The work's end is told through a counter the system keeps and the GUI thread watches: the
// worker's write to it takes no memory.
struct BackgroundTask::Shared {
    ~Shared();
    // On the GUI thread, once the counter was written.
    void Ended();

    std::atomic<bool> stopRequested{false};
    bool dropped = false;   // GUI thread only
    std::thread thread;
    std::function<void()> completion;
    HWND window = nullptr;
    int endCounter = -1;
    std::unique_ptr<QSocketNotifier> endWatch;
};

BackgroundTask::Shared::~Shared()
{
    endWatch.reset();
    if (endCounter >= 0)
        ::close(endCounter);
}

void BackgroundTask::Shared::Ended()
{
    eventfd_t ends = 0;
    ::eventfd_read(endCounter, &ends);
    if (dropped)
        return;
    thread.join();
    dropped = true;
    if (CWnd::IsWindow(window))
        completion();
}

BackgroundTask::~BackgroundTask()
{
    Stop();
}

bool BackgroundTask::Start(CWnd& owner, Work work, std::function<void()> completion)
{
    if (IsBusy())
        return false;
    try {
        auto shared = std::make_shared<Shared>();
        shared->endCounter = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
        if (shared->endCounter < 0)
            return false;
        shared->window = owner.m_hWnd;
        shared->completion = std::move(completion);
        shared->endWatch = std::make_unique<QSocketNotifier>(shared->endCounter, QSocketNotifier::Read);
        QObject::connect(shared->endWatch.get(), &QSocketNotifier::activated,
                         [watched = std::weak_ptr<Shared>(shared)] {
                             if (const std::shared_ptr<Shared> ended = watched.lock())
                                 ended->Ended();
                         });
        const bool started = platform::StartThread(shared->thread, [shared, work = std::move(work)] {
            try {
                work(shared->stopRequested);
            } catch (...) {
                // Its owner waits for the completion, which gives it back whatever the work did.
            }
            ::eventfd_write(shared->endCounter, 1);
        });
        if (started)
            m_shared = shared;
        return started;
    } catch (const std::bad_alloc&) {
        errno = ENOMEM;
        return false;
    }
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
