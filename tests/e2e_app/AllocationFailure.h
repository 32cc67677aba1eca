#pragma once
// Memory that runs out once: while the object lives, the n-th allocation made on a thread other
// than the one that made the object fails with std::bad_alloc, as one a little past the process's
// address-space limit does. Later ones succeed again, as memory freed by the failure allows.

#include <thread>

class AllocationFailure {
public:
    explicit AllocationFailure(long nth);
    ~AllocationFailure();
    AllocationFailure(const AllocationFailure&) = delete;
    AllocationFailure& operator=(const AllocationFailure&) = delete;

    // Whether the failure has happened.
    static bool Happened();
};
