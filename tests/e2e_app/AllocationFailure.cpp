#include "AllocationFailure.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> g_armed{false};
std::atomic<long> g_countdown{0};
std::atomic<bool> g_happened{false};
std::thread::id g_spared;   // written before g_armed is set, read after it is seen set

bool ThisAllocationFails()
{
    if (!g_armed.load(std::memory_order_acquire) || std::this_thread::get_id() == g_spared)
        return false;
    if (g_countdown.fetch_sub(1) != 1)
        return false;
    g_happened = true;
    return true;
}

void* Allocate(std::size_t size)
{
    return ThisAllocationFails() ? nullptr : std::malloc(size == 0 ? 1 : size);
}

} // namespace

// The program's allocations in this test program, every one paired with its release.
void* operator new(std::size_t size)
{
    if (void* memory = Allocate(size))
        return memory;
    throw std::bad_alloc();
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return Allocate(size);
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

AllocationFailure::AllocationFailure(long nth)
{
    g_spared = std::this_thread::get_id();
    g_countdown = nth;
    g_happened = false;
    g_armed.store(true, std::memory_order_release);
}

AllocationFailure::~AllocationFailure()
{
    g_armed = false;
}

bool AllocationFailure::Happened()
{
    return g_happened.load();
}
