#pragma once
// The computer's clock set apart from the file system's while the object lives, as on a share
// whose server keeps its own time: every read of the real-time clock in this test program is
// moved by the offset, while the file system stamps files with the kernel's own time.

class ClockAhead {
public:
    explicit ClockAhead(long seconds);
    ~ClockAhead();
    ClockAhead(const ClockAhead&) = delete;
    ClockAhead& operator=(const ClockAhead&) = delete;
};
