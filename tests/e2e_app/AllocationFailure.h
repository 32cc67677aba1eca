#pragma once
// Memory that runs out once: while the object lives, the n-th allocation of the program's own
// code made on a thread other than the one that made the object fails with std::bad_alloc, as one
// a little past the process's address-space limit does. Later ones succeed again, as memory freed
// by the failure allows; but for one more failure when asked for: the m-th allocation after the
// first, on any thread, the one that made the object too. The toolkit's allocations never fail.

#include <thread>

class AllocationFailure {
public:
    explicit AllocationFailure(long nth, long nthAfter = 0);
    ~AllocationFailure();
    AllocationFailure(const AllocationFailure&) = delete;
    AllocationFailure& operator=(const AllocationFailure&) = delete;

    // Whether the first failure has happened while the object lives.
    static bool Happened();
    // Whether the one after it has.
    static bool HappenedAgain();
};
