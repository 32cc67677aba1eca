#pragma once
// Signals a write can raise that end a process by default: past the file size limit the system
// sets (SIGXFSZ), into a pipe or socket whose reader is gone (SIGPIPE). The program takes them as
// the failed writes they also are (EFBIG, EPIPE), which each writer tells.

#include <csignal>

namespace platform {

// Once at start, before any thread: the dispositions hold for the whole process.
void IgnoreWriteSignals();

// The same signals, for a program the process starts to get back at their defaults: an ignored
// disposition would otherwise pass on to it.
sigset_t WriteSignals();

} // namespace platform
