#include "AllocationFailure.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <new>

namespace {

std::atomic<bool> g_armed{false};
std::atomic<long> g_countdown{0};
std::atomic<bool> g_happened{false};
std::atomic<long> g_againCountdown{0};
std::atomic<bool> g_happenedAgain{false};
std::thread::id g_spared;   // written before g_armed is set, read after it is seen set

// The toolkit, its plugins too, is not made to survive an allocation refused (the memory a run
// puts by for its end is there for it); the program's own code is, and its allocations fail.
bool MadeByTheToolkit(const void* caller)
{
    Dl_info library {};
    return ::dladdr(caller, &library) != 0 && library.dli_fname != nullptr &&
           (std::strstr(library.dli_fname, "libQt6") != nullptr || std::strstr(library.dli_fname, "/qt6/") != nullptr);
}

bool ThisAllocationFails(const void* caller)
{
    if (!g_armed.load(std::memory_order_acquire) || MadeByTheToolkit(caller))
        return false;
    if (g_happened.load()) {
        if (g_againCountdown.fetch_sub(1) != 1)
            return false;
        g_happenedAgain = true;
        return true;
    }
    if (std::this_thread::get_id() == g_spared)
        return false;
    if (g_countdown.fetch_sub(1) != 1)
        return false;
    g_happened = true;
    return true;
}

void* Allocate(std::size_t size, const void* caller)
{
    return ThisAllocationFails(caller) ? nullptr : std::malloc(size == 0 ? 1 : size);
}

} // namespace

// The program's allocations in this test program, every one paired with its release.
void* operator new(std::size_t size)
{
    if (void* memory = Allocate(size, __builtin_return_address(0)))
        return memory;
    throw std::bad_alloc();
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return Allocate(size, __builtin_return_address(0));
}

void operator delete(void* memory) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, const std::nothrow_t&) noexcept
{
    std::free(memory);
}

AllocationFailure::AllocationFailure(long nth, long nthAfter)
{
    g_spared = std::this_thread::get_id();
    g_countdown = nth;
    g_happened = false;
    g_againCountdown = nthAfter;
    g_happenedAgain = false;
    g_armed.store(true, std::memory_order_release);
}

AllocationFailure::~AllocationFailure()
{
    g_armed = false;
    g_happened = false;
    g_happenedAgain = false;
}

bool AllocationFailure::Happened()
{
    return g_happened.load();
}

bool AllocationFailure::HappenedAgain()
{
    return g_happenedAgain.load();
}
