#pragma once
// Memory put by for the end of a piece of work: a work that failed for want of memory leaves the
// process with none, and what must follow it (its window given back, what it made removed, the
// user told why) would fail the same way. Released, it is free for that.

#include <cstddef>
#include <memory>

namespace platform {

class SpareMemory {
public:
    // Holds that much of the process's memory; std::bad_alloc when it cannot be had.
    explicit SpareMemory(std::size_t bytes) : m_block(new char[bytes]) {}
    // Gives it back to the process.
    void Release() noexcept { m_block.reset(); }

private:
    std::unique_ptr<char[]> m_block;
};

} // namespace platform
