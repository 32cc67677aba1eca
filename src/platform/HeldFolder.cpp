#include "platform/HeldFolder.h"

#include "platform/LinkRule.h"
#include "platform/SystemError.h"

#include <cerrno>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <new>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace platform {

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

// One entry of the folder: a name that walks no path.
bool IsEntryName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos;
}

// A name handed to the folder's operations: one entry, or EINVAL.
bool NamesOneEntry(std::string_view name)
{
    return IsEntryName(name) || Refused(EINVAL);
}

// A symbolic link in a folder's place: one whose target is a folder, or is gone.
bool LeadsToAFolderOrNowhere(int folder, const std::string& name, const struct stat& seen)
{
    struct stat target {};
    return S_ISLNK(seen.st_mode) && (::fstatat(folder, name.c_str(), &target, 0) != 0 || S_ISDIR(target.st_mode));
}

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Folders on the way are held for reaching their entries only: one the user may pass through
// but not list is still a way.
constexpr int kWalkFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;
// As many links as the system itself follows before it gives up on a loop.
constexpr int kMostLinks = 40;

std::optional<std::string> LinkTargetAt(int folder, const std::string& name)
{
    char buffer[PATH_MAX];
    const ssize_t n = ::readlinkat(folder, name.c_str(), buffer, sizeof buffer);
    if (n < 0)
        return std::nullopt;
    if (n == 0 || static_cast<size_t>(n) >= sizeof buffer) {
        errno = ENAMETOOLONG;
        return std::nullopt;
    }
    return std::string(buffer, static_cast<size_t>(n));
}

HeldFolder NotHeld(int error)
{
    errno = error;
    return {};
}

// Puts the path's entries on top of those still to walk, its first on top. A path that ends
// in "/" ends in a folder, which "." keeps.
void PushEntries(std::vector<std::string>& pending, std::string_view path)
{
    if (path.ends_with('/'))
        pending.emplace_back(".");
    for (size_t end = path.size(); end > 0;) {
        const size_t slash = path.rfind('/', end - 1);
        const size_t start = slash == std::string_view::npos ? 0 : slash + 1;
        if (end > start)
            pending.emplace_back(path.substr(start, end - start));
        end = slash == std::string_view::npos ? 0 : slash;
    }
}

// Birth times are rounded (to 10 ms on FAT and exFAT, to what a share's server keeps), so a
// folder born up to two seconds before the file still counts; a folder of the user's put in its
// place was born before it was.
constexpr long long kSlackSeconds = 2;

// When the file system says the file just made was born; nothing where it keeps no birth times.
std::optional<long long> BirthSeconds(const struct statx& info)
{
    if ((info.stx_mask & STATX_BTIME) == 0)
        return std::nullopt;
    return static_cast<long long>(info.stx_btime.tv_sec);
}

// The file system's time now, as the birth of a private file made under the name and removed at
// once; nothing where it keeps no birth times. False when the file cannot be made (EEXIST when
// anything holds the name) or removed.
bool ReadFileSystemClock(int folder, const std::string& name, std::optional<long long>& now)
{
    const int probe = ::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (probe < 0)
        return false;
    struct statx made {};
    struct statx named {};
    const bool seen = ::statx(probe, "", AT_EMPTY_PATH, STATX_INO | STATX_BTIME, &made) == 0;
    ::close(probe);
    // Only the file made is removed: something else renamed in under the name stays, and then
    // holds the name the folder would take.
    const bool removed =
        seen && ::statx(folder, name.c_str(), AT_SYMLINK_NOFOLLOW, STATX_INO, &named) == 0 &&
        named.stx_ino == made.stx_ino && named.stx_dev_major == made.stx_dev_major &&
        named.stx_dev_minor == made.stx_dev_minor && ::unlinkat(folder, name.c_str(), 0) == 0;
    now = BirthSeconds(made);
    return removed || Refused(EEXIST);
}

// A folder of the user's born no earlier than the file system's `since`. The mode is no sign:
// file systems without permissions (USB sticks, Windows shares) give every folder the same.
bool MadeSince(const struct statx& info, const std::optional<long long>& since)
{
    const std::optional<long long> born = BirthSeconds(info);
    return S_ISDIR(info.stx_mode) && info.stx_uid == ::geteuid() &&
           (!since || !born || *born >= *since - kSlackSeconds);
}

} // namespace

std::vector<std::string> EntryNamesIn(int folder)
{
    std::vector<std::string> names;
    const int listed = ::openat(folder, ".", kFolderFlags);
    DIR* listing = listed >= 0 ? ::fdopendir(listed) : nullptr;
    if (listing == nullptr) {
        const int error = errno;
        if (listed >= 0)
            ::close(listed);
        // No memory for the listing is memory refused, as for a name: never a folder read as empty.
        if (error == ENOMEM)
            throw std::bad_alloc();
        errno = error;
        return names;
    }
    // Closed however the listing ends, memory refused for a name too.
    const std::unique_ptr<DIR, int (*)(DIR*)> closed(listing, ::closedir);
    while (const dirent* entry = ::readdir(listing))
        if (IsEntryName(entry->d_name))
            names.emplace_back(entry->d_name);
    return names;
}

HeldFolder::~HeldFolder()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

HeldFolder::HeldFolder(HeldFolder&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}

HeldFolder& HeldFolder::operator=(HeldFolder&& other) noexcept
{
    HeldFolder gone(std::move(*this));
    m_fd = std::exchange(other.m_fd, -1);
    return *this;
}

std::optional<EntryIdentity> IdentityOf(int fd)
{
    struct statx info {};
    if (::statx(fd, "", AT_EMPTY_PATH, STATX_INO | STATX_BTIME, &info) != 0)
        return std::nullopt;
    EntryIdentity identity;
    identity.device = ::makedev(info.stx_dev_major, info.stx_dev_minor);
    identity.inode = info.stx_ino;
    identity.birthKnown = (info.stx_mask & STATX_BTIME) != 0;
    if (identity.birthKnown) {
        identity.bornSeconds = info.stx_btime.tv_sec;
        identity.bornNanoseconds = info.stx_btime.tv_nsec;
    }
    return identity;
}

HeldFolder HeldFolder::Walk(const std::string& path, std::string& last, LastLink lastLink, bool* unfollowedOnTheWay)
{
    last.clear();
    if (path.empty())
        return NotHeld(ENOENT);
    // The entries still to walk, the next one last.
    std::vector<std::string> pending;
    PushEntries(pending, path);
    HeldFolder folder(::open(path.front() == '/' ? "/" : ".", kWalkFlags));
    int links = 0;
    while (folder.IsOpen() && !pending.empty()) {
        const std::string name = std::move(pending.back());
        pending.pop_back();
        if (name == "." || name == "..") {
            if (name == "..")
                folder = HeldFolder(::openat(folder.m_fd, "..", kWalkFlags));
            continue;
        }
        struct stat seen {};
        const bool isLink = ::fstatat(folder.m_fd, name.c_str(), &seen, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(seen.st_mode);
        const bool isLast = pending.empty();
        if (isLink && MayFollowLink(folder.m_fd, seen) && !(isLast && lastLink == LastLink::Kept)) {
            if (++links > kMostLinks)
                return NotHeld(ELOOP);
            const std::optional<std::string> target = LinkTargetAt(folder.m_fd, name);
            if (!target)
                return {};
            if (target->front() == '/')
                folder = HeldFolder(::open("/", kWalkFlags));
            PushEntries(pending, *target);
            continue;
        }
        if (isLast) {
            last = name;
            return folder;
        }
        if (isLink) {
            if (unfollowedOnTheWay != nullptr)
                *unfollowedOnTheWay = true;
            return NotHeld(EACCES);
        }
        folder = HeldFolder(::openat(folder.m_fd, name.c_str(), kWalkFlags | O_NOFOLLOW));
    }
    return folder;
}

HeldFolder HeldFolder::Open(const std::string& path)
{
    std::string last;
    const HeldFolder holding = Walk(path, last, LastLink::Followed);
    if (!holding.IsOpen())
        return {};
    if (last.empty())
        return HeldFolder(::openat(holding.m_fd, ".", kFolderFlags));
    struct stat seen {};
    if (::fstatat(holding.m_fd, last.c_str(), &seen, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(seen.st_mode))
        return NotHeld(EACCES);
    return HeldFolder(::openat(holding.m_fd, last.c_str(), kFolderFlags | O_NOFOLLOW));
}

HeldFolder HeldFolder::OpenHolding(const std::string& path, std::string& last, LastLink lastLink)
{
    const HeldFolder holding = Walk(path, last, lastLink);
    if (!holding.IsOpen())
        return {};
    if (last.empty())
        return NotHeld(EISDIR);
    const int listed = ::openat(holding.m_fd, ".", kFolderFlags);
    if (listed < 0 && errno != EACCES)
        return {};
    return listed >= 0 ? HeldFolder(listed) : HeldFolder(::fcntl(holding.m_fd, F_DUPFD_CLOEXEC, 0));
}

int HeldFolder::OpenToRead(const std::string& path)
{
    std::string last;
    const HeldFolder holding = Walk(path, last, LastLink::Followed);
    if (!holding.IsOpen())
        return -1;
    if (last.empty()) {
        errno = EISDIR;
        return -1;
    }
    const int fd = ::openat(holding.m_fd, last.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    // What a write would replace as itself holds nothing to read.
    if (fd < 0 && errno == ELOOP)
        errno = ENOENT;
    return fd;
}

bool HeldFolder::MeetsUnfollowedLink(const std::string& path)
{
    std::string last;
    bool unfollowedOnTheWay = false;
    const HeldFolder holding = Walk(path, last, LastLink::Followed, &unfollowedOnTheWay);
    // A link still at the end after the walk is one it did not follow.
    struct stat seen {};
    return unfollowedOnTheWay || (holding.IsOpen() && !last.empty() &&
                                  ::fstatat(holding.m_fd, last.c_str(), &seen, AT_SYMLINK_NOFOLLOW) == 0 &&
                                  S_ISLNK(seen.st_mode));
}

std::vector<std::string> HeldFolder::EntryNames() const
{
    return EntryNamesIn(m_fd);
}

HeldFolder HeldFolder::OpenFolder(const std::string& name) const
{
    if (!NamesOneEntry(name))
        return {};
    return HeldFolder(::openat(m_fd, name.c_str(), kFolderFlags | O_NOFOLLOW));
}

bool HeldFolder::IsOwn() const
{
    struct stat self {};
    return ::fstat(m_fd, &self) == 0 && self.st_uid == ::geteuid();
}

bool HeldFolder::MarkInUse() const
{
    // A lock of the open folder, not of the process: another descriptor of it in this process
    // is refused too, and the lock ends with the last descriptor, so a killed run holds none.
    return ::flock(m_fd, LOCK_EX | LOCK_NB) == 0;
}

HeldFolder HeldFolder::MakeFolder(const std::string& name, const std::function<void()>& beforeHolding) const
{
    std::optional<long long> since;
    if (!NamesOneEntry(name) || !ReadFileSystemClock(m_fd, name, since) || ::mkdirat(m_fd, name.c_str(), 0700) != 0)
        return {};
    if (beforeHolding)
        beforeHolding();
    HeldFolder made = OpenFolder(name);
    struct statx info {};
    if (!made.IsOpen()) {
        // Out of descriptors, say: the folder made is removed by its name, if it is still there
        // and still empty, so no failed run leaves it behind.
        const KeptReason kept;
        if (::statx(m_fd, name.c_str(), AT_SYMLINK_NOFOLLOW, STATX_BASIC_STATS | STATX_BTIME, &info) == 0 &&
            MadeSince(info, since))
            ::unlinkat(m_fd, name.c_str(), AT_REMOVEDIR);
        return {};
    }
    // Someone who may write here can have put a folder of the user's in its place by now: that is
    // not held, and neither is anything but a folder.
    if (::statx(made.m_fd, "", AT_EMPTY_PATH, STATX_BASIC_STATS | STATX_BTIME, &info) != 0 || !MadeSince(info, since) ||
        !EntryNamesIn(made.m_fd).empty())
        return NotHeld(ESTALE);
    return made;
}

FileHandle HeldFolder::MakeFile(const std::string& name) const
{
    if (!NamesOneEntry(name))
        return kInvalidFileHandle;
    return ::openat(m_fd, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
}

RenameResult HeldFolder::MoveEntry(const std::string& name, const HeldFolder& to, const std::string& newName) const
{
    if (!NamesOneEntry(name) || !NamesOneEntry(newName))
        return RenameResult::Failed;
    return RenameNoReplaceAt(m_fd, name, to.m_fd, newName);
}

bool HeldFolder::IsAt(const std::string& path) const
{
    const HeldFolder atPath = Open(path);
    struct stat there {};
    struct stat self {};
    return atPath.IsOpen() && ::fstat(atPath.m_fd, &there) == 0 && ::fstat(m_fd, &self) == 0 && SameFile(there, self);
}

bool HeldFolder::HoldsAs(const std::string& name, const HeldFolder& folder) const
{
    struct stat entry {};
    struct stat self {};
    return NamesOneEntry(name) && ::fstatat(m_fd, name.c_str(), &entry, AT_SYMLINK_NOFOLLOW) == 0 &&
           ::fstat(folder.m_fd, &self) == 0 && SameFile(entry, self);
}

bool HeldFolder::RemoveEntry(const std::string& name) const
{
    return RemoveNamed(name, Removable::Anything);
}

bool HeldFolder::RemoveFolder(const std::string& name) const
{
    return RemoveNamed(name, Removable::FolderOrLink);
}

bool HeldFolder::RemoveNamed(const std::string& name, Removable removable) const
{
    struct stat seen {};
    if (!NamesOneEntry(name))
        return false;
    if (::fstatat(m_fd, name.c_str(), &seen, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    if (!S_ISDIR(seen.st_mode)) {
        if (removable == Removable::FolderOrLink && !LeadsToAFolderOrNowhere(m_fd, name, seen))
            return Refused(ENOTDIR);
        return ::unlinkat(m_fd, name.c_str(), 0) == 0;
    }
    const HeldFolder folder = OpenFolder(name);
    struct stat opened {};
    if (!folder.IsOpen() || ::fstat(folder.m_fd, &opened) != 0 || !SameFile(opened, seen)) {
        // Replaced since it was looked at: a link goes as itself, a folder stays, and a file only
        // where anything may go.
        return removable == Removable::Anything ? ::unlinkat(m_fd, name.c_str(), 0) == 0 : RemoveLink(name);
    }
    folder.RemoveContents();
    return ::unlinkat(m_fd, name.c_str(), AT_REMOVEDIR) == 0;
}

bool HeldFolder::RemoveLink(const std::string& name) const
{
    struct stat seen {};
    return NamesOneEntry(name) && ::fstatat(m_fd, name.c_str(), &seen, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISLNK(seen.st_mode) && ::unlinkat(m_fd, name.c_str(), 0) == 0;
}

bool HeldFolder::Remove() const
{
    RemoveContents();
    struct stat self {};
    const HeldFolder parent(::openat(m_fd, "..", kFolderFlags));
    if (!parent.IsOpen() || ::fstat(m_fd, &self) != 0)
        return false;
    for (const std::string& name : EntryNamesIn(parent.m_fd)) {
        struct stat entry {};
        if (::fstatat(parent.m_fd, name.c_str(), &entry, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(entry, self))
            return ::unlinkat(parent.m_fd, name.c_str(), AT_REMOVEDIR) == 0;
    }
    return Refused(ENOENT);
}

HeldFolder HeldFolder::FolderOf(std::string_view path, std::string& last) const
{
    HeldFolder folder(::fcntl(m_fd, F_DUPFD_CLOEXEC, 0));
    for (size_t slash = path.find('/'); folder.IsOpen() && slash != std::string_view::npos; slash = path.find('/')) {
        const std::string name(path.substr(0, slash));
        path.remove_prefix(slash + 1);
        if (!NamesOneEntry(name))
            return {};
        HeldFolder next(::openat(folder.m_fd, name.c_str(), kFolderFlags | O_NOFOLLOW));
        // A link on the way is told as one, as it is at the end of a path.
        struct stat seen {};
        if (!next.IsOpen() && errno == ENOTDIR &&
            ::fstatat(folder.m_fd, name.c_str(), &seen, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(seen.st_mode))
            errno = ELOOP;
        folder = std::move(next);
    }
    last = path;
    if (!folder.IsOpen() || !NamesOneEntry(last))
        return {};
    return folder;
}

void HeldFolder::RemoveContents() const
{
    for (const std::string& name : EntryNamesIn(m_fd))
        RemoveEntry(name);
}

} // namespace platform
