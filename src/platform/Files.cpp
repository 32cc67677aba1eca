#include "platform/Files.h"

#include "platform/HeldFolder.h"
#include "platform/ReplacementFile.h"
#include "platform/SystemError.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstdio>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// Why the entry may not be replaced, 0 when it may; `replaced` becomes the file it replaces, and
// stays empty for a new file. A symbolic link here is one the user could have been handed (the
// user's own were followed): it is replaced as itself, as a deleted file would be.
int ReplaceRefusal(int folder, const std::string& name, std::optional<struct stat>& replaced)
{
    struct stat info {};
    if (::fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 || S_ISLNK(info.st_mode))
        return 0;
    if (S_ISDIR(info.st_mode))
        return EISDIR;
    if (!S_ISREG(info.st_mode))
        return EINVAL;
    if ((info.st_mode & S_IWUSR) == 0)
        return EACCES;
    // A rename needs only the folder's permission: another user's file in a folder we may write
    // would become ours.
    if (::faccessat(folder, name.c_str(), W_OK, AT_EACCESS) != 0)
        return errno;
    replaced = info;
    return 0;
}

// The new file takes the replaced file's group, where the user may give it, and its permissions.
bool TakeOver(int fd, const struct stat& replaced)
{
    struct stat made {};
    if (::fstat(fd, &made) == 0 && made.st_gid != replaced.st_gid)
        ::fchown(fd, static_cast<uid_t>(-1), replaced.st_gid);
    return ::fchmod(fd, replaced.st_mode & 07777) == 0;
}

bool ReplaceEntry(int folder, const std::string& name, std::string_view bytes)
{
    std::optional<struct stat> replaced;
    if (const int refusal = ReplaceRefusal(folder, name, replaced))
        return Refused(refusal);
    const ReplacementFiles replacements(folder);
    replacements.RemoveAbandoned();
    // A new file gets what the user's file mask gives; one that replaces a file stays private
    // until it has that file's permissions.
    ReplacementFile fresh = replacements.Make(name, replaced ? 0600 : 0666);
    if (fresh.fd < 0)
        return false;
    // The bytes reach the disk before the name does: after a crash the file is the old one or the
    // new one, whole, on file systems that do not keep the two in order. The new file stays open,
    // and so locked, until renamed.
    const bool done = WriteAll(fresh.fd, bytes) && (!replaced || TakeOver(fresh.fd, *replaced)) &&
                      ::fsync(fresh.fd) == 0 && ::renameat(folder, fresh.name.c_str(), folder, name.c_str()) == 0;
    const KeptReason kept;
    if (!done)
        ::unlinkat(folder, fresh.name.c_str(), 0);
    replacements.Forget(fresh);
    if (done) {
        // A rename lasts through a power cut once the folder's entries are on the disk. The file
        // is in place already, so a folder that cannot be synced fails nothing.
        ::fsync(folder);
    }
    return done;
}

} // namespace

bool PathExists(const std::string& path)
{
    return ::access(path.c_str(), F_OK) == 0;
}

bool NameTaken(const std::string& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

bool IsDirectory(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::optional<std::string> ReadFileBytes(const std::string& path, size_t maxBytes)
{
    // Not blocking, so a named pipe is refused below instead of waiting for a writer forever.
    const int fd = HeldFolder::OpenToRead(path);
    if (fd < 0)
        return std::nullopt;
    std::optional<std::string> bytes = ReadOpenFile(fd, maxBytes);
    const KeptReason kept;
    ::close(fd);
    return bytes;
}

std::optional<std::string> ReadOpenFile(int fd, size_t maxBytes)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return std::nullopt;
    if (!S_ISREG(info.st_mode)) {
        errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        return std::nullopt;
    }
    if (static_cast<size_t>(info.st_size) > maxBytes) {
        errno = EFBIG;
        return std::nullopt;
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<size_t>(n));
        // The file may have grown since it was measured.
        if (bytes.size() > maxBytes) {
            errno = EFBIG;
            return std::nullopt;
        }
    }
    return bytes;
}

bool WriteFileReplacing(const std::string& path, std::string_view bytes)
{
    std::string name;
    const HeldFolder folder = HeldFolder::OpenHolding(path, name);
    return folder.IsOpen() && ReplaceEntry(folder.Descriptor(), name, bytes);
}

std::string MakeTemporaryBeside(const std::string& path)
{
    std::string name = path + ".XXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        return {};
    ::close(fd);
    return name;
}

RenameResult RenameNoReplace(const std::string& from, const std::string& to)
{
    return RenameNoReplaceAt(AT_FDCWD, from, AT_FDCWD, to);
}

RenameResult RenameNoReplaceAt(int fromFolder, const std::string& from, int toFolder, const std::string& to)
{
    if (::renameat2(fromFolder, from.c_str(), toFolder, to.c_str(), RENAME_NOREPLACE) == 0)
        return RenameResult::Done;
    if (errno == EEXIST)
        return RenameResult::Taken;
    if (errno != EINVAL && errno != ENOSYS)
        return RenameResult::Failed;
    // A file system without that rename: a hard link is refused just the same when the name is taken.
    if (::linkat(fromFolder, from.c_str(), toFolder, to.c_str(), 0) != 0)
        return errno == EEXIST ? RenameResult::Taken : RenameResult::Failed;
    ::unlinkat(fromFolder, from.c_str(), 0);
    return RenameResult::Done;
}

bool RemoveFile(const std::string& path)
{
    std::string name;
    const HeldFolder folder = HeldFolder::OpenHolding(path, name, LastLink::Kept);
    return folder.IsOpen() && ::unlinkat(folder.Descriptor(), name.c_str(), 0) == 0;
}

std::string CurrentFolder()
{
    char buffer[PATH_MAX];
    if (::getcwd(buffer, sizeof buffer) == nullptr)
        return std::string(1, kPathSeparator);
    std::string folder(buffer);
    if (folder.empty() || folder.back() != kPathSeparator)
        folder += kPathSeparator;
    return folder;
}

size_t LastSeparator(std::string_view path)
{
    return path.find_last_of("/\\");
}

std::string JoinPath(std::string_view folder, std::string_view name)
{
    std::string joined(folder);
    if (!joined.empty() && joined.back() != '/' && joined.back() != '\\')
        joined += kPathSeparator;
    joined += name;
    return joined;
}

} // namespace platform
