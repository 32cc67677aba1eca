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

// Where the user's state keeps the records of new files.
constexpr std::string_view kRecordKind = "new-files";

} // namespace

ReplacementFiles::ReplacementFiles(int folder) : m_folder(folder), m_records(kRecordKind, IdentityOf(folder)) {}

ReplacementFile ReplacementFiles::Make(std::string_view replacedName, mode_t mode) const
{
    const std::string start = "." + std::string(replacedName.substr(0, kMostReplacedNameBytes)) + std::string(kMark);
    constexpr int kMostAttempts = 100;
    for (int attempt = 0; attempt < kMostAttempts; ++attempt) {
        const std::string letters = RandomLetters();
        if (letters.empty())
            return {};
        std::string name = start + letters;
        const int fd = ::openat(m_folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return {};
        }
        // Locked before it is recorded, so no clearing takes it; where the file system keeps no
        // locks no clearing can take one either. Someone who may write the folder may have moved
        // it away meanwhile: another is made.
        ::flock(fd, LOCK_EX | LOCK_NB);
        if (!NamesOpenFile(m_folder, name, fd)) {
            ::close(fd);
            continue;
        }
        return {std::move(name), fd, m_records.Add(IdentityOf(fd))};
    }
    errno = EEXIST;
    return {};
}

void ReplacementFiles::Forget(ReplacementFile& file) const
{
    m_records.Drop(file.record);
    ::close(file.fd);
    file = {};
}

void ReplacementFiles::RemoveAbandoned() const
{
    // Read before the folder is listed: a file is made before its record, so every file recorded
    // by now is listed unless it has gone.
    std::set<EntryRecords::Record> unseen = m_records.All();
    for (const std::string& name : EntryNamesIn(m_folder)) {
        // Looked at before it is opened, so nothing but a regular file is ever opened.
        struct stat info {};
        if (!IsReplacementName(name) || ::fstatat(m_folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 ||
            !IsOwnRegularFile(info))
            continue;
        const int fd = ::openat(m_folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        const EntryRecords::Record record = m_records.Of(IdentityOf(fd));
        // The lock is free only when no save holds the file; where the file system keeps no locks
        // nobody can tell, and the file stays.
        if (!record.empty() && unseen.erase(record) != 0 && ::fstat(fd, &info) == 0 && IsOwnRegularFile(info) &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0 && NamesOpenFile(m_folder, name, fd) &&
            ::unlinkat(m_folder, name.c_str(), 0) == 0)
            m_records.Drop(record);
        ::close(fd);
    }
    for (const EntryRecords::Record& gone : unseen)
        m_records.Drop(gone);
}

} // namespace platform
