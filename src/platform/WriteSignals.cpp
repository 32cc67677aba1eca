#include "platform/WriteSignals.h"

namespace platform {

sigset_t WriteSignals()
{
    sigset_t signals;
    ::sigemptyset(&signals);
    ::sigaddset(&signals, SIGXFSZ);
    ::sigaddset(&signals, SIGPIPE);
    return signals;
}

void IgnoreWriteSignals()
{
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGXFSZ, &ignore, nullptr);
    ::sigaction(SIGPIPE, &ignore, nullptr);
}

} // namespace platform
