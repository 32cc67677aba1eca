#include "platform/FileWrites.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

bool AppendFileBytes(const std::string& path, std::string_view bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    bool written = true;
    while (written && !bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        written = n > 0;
        if (written)
            bytes.remove_prefix(static_cast<size_t>(n));
    }
    return ::close(fd) == 0 && written;
}

int CreateEmptyFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno;
    ::close(fd);
    return 0;
}

} // namespace platform
