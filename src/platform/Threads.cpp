#include "platform/Threads.h"

#include <atomic>
#include <cerrno>
#include <system_error>

namespace platform {
namespace {

std::atomic<int> g_refusal{0};

// What a body lets out ends its thread, never the process: the body tells its own failures.
void RunGuarded(const std::function<void()>& body)
{
    try {
        body();
    } catch (...) {
    }
}

} // namespace

bool StartThread(std::thread& thread, std::function<void()> body)
{
    if (const int refusal = g_refusal.load(); refusal != 0) {
        errno = refusal;
        return false;
    }
    try {
        thread = std::thread(RunGuarded, std::move(body));
        return true;
    } catch (const std::system_error& refused) {
        errno = refused.code().value();
    } catch (const std::bad_alloc&) {
        errno = ENOMEM;
    }
    return false;
}

bool StartDetachedThread(std::function<void()> body)
{
    std::thread thread;
    if (!StartThread(thread, std::move(body)))
        return false;
    thread.detach();
    return true;
}

void SetThreadRefusal(int error)
{
    g_refusal = error;
}

} // namespace platform
