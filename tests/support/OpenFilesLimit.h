#pragma once
// Few descriptors left, for the whole process while the object lives: opening past the limit
// fails (EMFILE), as in a program that has run out of them.

#include <filesystem>
#include <string>
#include <sys/resource.h>

class OpenFilesLimit {
public:
    explicit OpenFilesLimit(rlim_t files)
    {
        ::getrlimit(RLIMIT_NOFILE, &m_old);
        rlimit limited = m_old;
        limited.rlim_cur = files;
        ::setrlimit(RLIMIT_NOFILE, &limited);
    }
    ~OpenFilesLimit() { ::setrlimit(RLIMIT_NOFILE, &m_old); }
    OpenFilesLimit(const OpenFilesLimit&) = delete;
    OpenFilesLimit& operator=(const OpenFilesLimit&) = delete;

    // The lowest descriptor number free now: a limit of it lets the process open nothing more.
    static rlim_t FirstFree()
    {
        rlim_t first = 0;
        while (std::filesystem::is_symlink("/proc/self/fd/" + std::to_string(first)))
            ++first;
        return first;
    }

private:
    rlimit m_old {};
};
