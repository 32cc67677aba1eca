#include "platform/FilePlace.h"

#include "platform/FileWrites.h"
#include "platform/Files.h"
#include "platform/Folders.h"
#include "platform/HeldFolder.h"
#include "platform/SystemError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <string>
#include <unistd.h>

namespace platform {
namespace {

constexpr int kNoLink = O_NOFOLLOW | O_CLOEXEC;

// Closes the descriptor keeping errno, so a failure before it still tells its own reason.
void CloseKeepingReason(int fd)
{
    const KeptReason kept;
    ::close(fd);
}

// Attempts at a free name for a file's new bytes beside it.
constexpr int kFreshNameAttempts = 100;

bool WriteAllAndClose(int fd, std::string_view bytes)
{
    const bool written = WriteFileHandle(fd, bytes.data(), bytes.size()) == bytes.size();
    if (!written) {
        CloseKeepingReason(fd);
        return false;
    }
    return CloseFileHandle(fd);
}

} // namespace

template <class Operation, class Result>
Result FilePlace::AtFolder(Operation&& operation, Result failed) const
{
    std::string name;
    const HeldFolder folder = m_folder->FolderOf(m_path, name);
    return folder.IsOpen() ? operation(folder.m_fd, name.c_str()) : failed;
}

FilePlace FilePlace::Below(std::string_view name) const
{
    FilePlace place = *this;
    place.m_path = JoinPath(m_path, name);
    return place;
}

std::optional<std::string> FilePlace::Read() const
{
    if (m_folder == nullptr)
        return ReadFileBytes(m_path);
    return AtFolder(
        [](int folder, const char* name) -> std::optional<std::string> {
            const int fd = ::openat(folder, name, O_RDONLY | O_NONBLOCK | kNoLink);
            if (fd < 0)
                return std::nullopt;
            std::optional<std::string> bytes = ReadOpenFile(fd);
            CloseKeepingReason(fd);
            return bytes;
        },
        std::optional<std::string>());
}

bool FilePlace::Append(std::string_view bytes) const
{
    if (m_folder == nullptr)
        return AppendFileBytes(m_path, bytes);
    return AtFolder(
        [&](int folder, const char* name) {
            const int fd = ::openat(folder, name, O_WRONLY | O_APPEND | O_CREAT | kNoLink, 0666);
            return fd >= 0 && WriteAllAndClose(fd, bytes);
        },
        false);
}

bool FilePlace::Replace(std::string_view bytes) const
{
    if (m_folder == nullptr)
        return WriteFileReplacing(m_path, bytes);
    return AtFolder(
        [&](int folder, const char* name) {
            // A name of the folder's own that nothing holds: the copied tree may hold "x.new" too.
            std::string fresh;
            int fd = -1;
            for (int attempt = 0; fd < 0 && attempt < kFreshNameAttempts; ++attempt) {
                fresh = std::string(name) + ".new" + std::to_string(attempt);
                fd = ::openat(folder, fresh.c_str(), O_WRONLY | O_CREAT | O_EXCL | kNoLink, 0666);
                if (fd < 0 && errno != EEXIST)
                    return false;
            }
            if (fd < 0)
                return false;
            if (WriteAllAndClose(fd, bytes) && ::renameat(folder, fresh.c_str(), folder, name) == 0)
                return true;
            const KeptReason kept;
            ::unlinkat(folder, fresh.c_str(), 0);
            return false;
        },
        false);
}

bool FilePlace::Remove() const
{
    if (m_folder == nullptr)
        return RemoveFile(m_path);
    return AtFolder([](int folder, const char* name) { return ::unlinkat(folder, name, 0) == 0; }, false);
}

bool FilePlace::MakeFolder() const
{
    if (m_folder == nullptr)
        return platform::MakeFolder(m_path);
    return AtFolder([](int folder, const char* name) { return ::mkdirat(folder, name, 0700) == 0; }, false);
}

FileHandle FilePlace::OpenForAppending() const
{
    if (m_folder == nullptr)
        return OpenFileForAppending(m_path.c_str());
    return AtFolder([](int folder, const char* name) { return ::openat(folder, name, O_WRONLY | O_APPEND | kNoLink); },
                    kInvalidFileHandle);
}

FileHandle FilePlace::OpenForReading() const
{
    if (m_folder == nullptr)
        return OpenFileForReading(m_path.c_str());
    return AtFolder(
        [](int folder, const char* name) {
            // Not blocking and a regular file only: a pipe put in a part's place would wait forever.
            const int fd = ::openat(folder, name, O_RDONLY | O_NONBLOCK | kNoLink);
            struct stat info {};
            if (fd >= 0 && (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))) {
                ::close(fd);
                errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
                return kInvalidFileHandle;
            }
            return fd;
        },
        kInvalidFileHandle);
}

} // namespace platform
