#pragma once
// A disk that fills up, for the whole process while the object lives: a write that would take a
// file past the limit fails (EFBIG), as one on a full disk does (ENOSPC). Files already larger
// can still be read, renamed and removed.

#include <csignal>
#include <sys/resource.h>

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old {};
    struct sigaction m_oldAction {};
};
