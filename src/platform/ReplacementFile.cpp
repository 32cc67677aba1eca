#include "platform/ReplacementFile.h"

#include "platform/HeldFolder.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr std::string_view kMark = ".rvnew-";
constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr size_t kRandomLetters = 6;
// The replaced name is cut where the whole name would pass the system's limit.
constexpr size_t kMostReplacedNameBytes = NAME_MAX - 1 - kMark.size() - kRandomLetters;

bool IsReplacementName(std::string_view name)
{
    if (name.size() < 2 + kMark.size() + kRandomLetters || name.front() != '.')
        return false;
    const std::string_view letters = name.substr(name.size() - kRandomLetters);
    return name.substr(name.size() - kRandomLetters - kMark.size(), kMark.size()) == kMark &&
           letters.find_first_not_of(kLetters) == std::string_view::npos;
}

std::string RandomLetters()
{
    unsigned char random[kRandomLetters] = {};
    if (::getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random))
        return {};
    std::string letters;
    for (const unsigned char r : random)
        letters += kLetters[r % kLetters.size()];
    return letters;
}

// True while the entry of that name is the open file, not something put in its place.
bool NamesOpenFile(int folder, const std::string& name, int fd)
{
    struct stat named {}, opened {};
    return ::fstatat(folder, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 && ::fstat(fd, &opened) == 0 &&
           named.st_dev == opened.st_dev && named.st_ino == opened.st_ino;
}

bool IsOwnRegularFile(const struct stat& info)
{
    return S_ISREG(info.st_mode) && info.st_uid == ::geteuid();
}

void RemoveIfAbandoned(int folder, const std::string& name)
{
    // Looked at before it is opened, so nothing but a regular file is ever opened.
    struct stat info {};
    if (::fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 || !IsOwnRegularFile(info))
        return;
    const int fd = ::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    // The lock is free only when no save holds the file; where the file system keeps no locks
    // nobody can tell, and the file stays.
    if (::fstat(fd, &info) == 0 && IsOwnRegularFile(info) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
        NamesOpenFile(folder, name, fd))
        ::unlinkat(folder, name.c_str(), 0);
    ::close(fd);
}

} // namespace

ReplacementFile MakeReplacementFile(int folder, std::string_view replacedName)
{
    const std::string start = "." + std::string(replacedName.substr(0, kMostReplacedNameBytes)) + std::string(kMark);
    constexpr int kMostAttempts = 100;
    for (int attempt = 0; attempt < kMostAttempts; ++attempt) {
        const std::string letters = RandomLetters();
        if (letters.empty())
            return {};
        std::string name = start + letters;
        const int fd = ::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return {};
        }
        // A sweep may have taken the file for a killed save's in the moment before the lock, and
        // then holds it or has removed it: another is made.
        const bool unlocked = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
        if ((unlocked && errno == EWOULDBLOCK) || !NamesOpenFile(folder, name, fd)) {
            ::close(fd);
            continue;
        }
        return {std::move(name), fd};
    }
    errno = EEXIST;
    return {};
}

void RemoveAbandonedReplacements(int folder)
{
    for (const std::string& name : EntryNamesIn(folder))
        if (IsReplacementName(name))
            RemoveIfAbandoned(folder, name);
}

} // namespace platform
