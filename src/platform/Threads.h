#pragma once
// Starting the program's threads. The system may refuse one (a limit on threads or processes,
// no memory for its stack): that is a failure its caller tells, never the end of the program.

#include <functional>
#include <thread>

namespace platform {

// Starts the body on a new thread held in `thread`. False, with the system's reason in errno,
// when the system would not start one; the body then never runs. The body tells its own
// failures: one it lets out ends its thread quietly, never the process.
bool StartThread(std::thread& thread, std::function<void()> body);
// The same for a thread nobody waits for.
bool StartDetachedThread(std::function<void()> body);

// Test hook: while not 0, no thread starts and this is the system's reason.
void SetThreadRefusal(int error);

} // namespace platform
