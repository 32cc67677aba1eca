#include "platform/FileHandle.h"

#include "platform/HeldFolder.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

FileHandle CreateFileForWriting(const char* path)
{
    return ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
}

FileHandle OpenFileForAppending(const char* path)
{
    return ::open(path, O_WRONLY | O_APPEND | O_CLOEXEC);
}

FileHandle OpenFileForReading(const char* path)
{
    const int fd = HeldFolder::OpenToRead(path);
    struct stat info {};
    if (fd >= 0 && (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode))) {
        ::close(fd);
        return kInvalidFileHandle;
    }
    return fd;
}

bool CloseFileHandle(FileHandle handle)
{
    return handle >= 0 && ::close(handle) == 0;
}

std::optional<std::int64_t> FilePosition(FileHandle handle)
{
    const off_t position = ::lseek(handle, 0, SEEK_CUR);
    if (position < 0)
        return std::nullopt;
    return position;
}

bool SeekFile(FileHandle handle, std::int64_t position)
{
    return ::lseek(handle, static_cast<off_t>(position), SEEK_SET) == position;
}

bool TruncateFile(FileHandle handle, std::int64_t size)
{
    return ::ftruncate(handle, static_cast<off_t>(size)) == 0;
}

std::int64_t ReadFileHandle(FileHandle handle, void* buffer, std::size_t size)
{
    for (;;) {
        const ssize_t n = ::read(handle, buffer, size);
        if (n >= 0 || errno != EINTR)
            return n;
    }
}

std::size_t WriteFileHandle(FileHandle handle, const void* data, std::size_t size)
{
    const char* bytes = static_cast<const char*>(data);
    std::size_t written = 0;
    while (written < size) {
        const ssize_t n = ::write(handle, bytes + written, size - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        written += static_cast<std::size_t>(n);
    }
    return written;
}

std::optional<FileInformation> GetFileInformation(FileHandle handle)
{
    struct statx info {};
    if (::statx(handle, "", AT_EMPTY_PATH, STATX_BASIC_STATS | STATX_BTIME, &info) != 0)
        return std::nullopt;
    const bool hasBirth = (info.stx_mask & STATX_BTIME) != 0;
    return FileInformation{
        (info.stx_mode & S_IWUSR) == 0,
        S_ISDIR(info.stx_mode),
        static_cast<std::int64_t>(info.stx_size),
        static_cast<std::time_t>(info.stx_atime.tv_sec),
        static_cast<std::time_t>(info.stx_mtime.tv_sec),
        static_cast<std::time_t>(hasBirth ? info.stx_btime.tv_sec : info.stx_ctime.tv_sec),
    };
}

} // namespace platform
