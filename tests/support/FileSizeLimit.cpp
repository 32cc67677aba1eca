#include "support/FileSizeLimit.h"

#include <stdexcept>

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    // Past the limit the system also sends SIGXFSZ, which would end the test program.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    if (::sigaction(SIGXFSZ, &ignore, &m_oldAction) != 0 || ::getrlimit(RLIMIT_FSIZE, &m_old) != 0)
        throw std::runtime_error("cannot limit the size of files");
    rlimit limit = m_old;
    limit.rlim_cur = bytes;
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
        throw std::runtime_error("cannot limit the size of files");
}

FileSizeLimit::~FileSizeLimit()
{
    ::setrlimit(RLIMIT_FSIZE, &m_old);
    ::sigaction(SIGXFSZ, &m_oldAction, nullptr);
}
