#include "platform/ProfileCache.h"

#include "platform/Files.h"
#include "platform/HeldFolder.h"
#include "platform/SystemError.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

// The documents kept besides the one read last: the program's own small files (the
// configuration path file, the format list, the presets, a design or two) fit many times over.
constexpr size_t kCacheBudgetBytes = 1u << 20;

// What tells us that a cached document still matches the file.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long long modifiedNs = 0;
    bool operator==(const FileStamp&) const = default;
};

struct Probe {
    ProfileFileState state = ProfileFileState::Missing;
    FileStamp stamp;
    int error = 0;
};

// The file a probe opened, closed at the end of its reading.
struct OpenedFile {
    int fd = -1;
    OpenedFile() = default;
    OpenedFile(const OpenedFile&) = delete;
    OpenedFile& operator=(const OpenedFile&) = delete;
    ~OpenedFile()
    {
        const KeptReason kept;
        if (fd >= 0)
            ::close(fd);
    }
};

// A path that names nothing reads as a missing file, as does a link that a write would replace as
// itself; a folder, a device or a path that cannot be looked at reads as nothing too, but is
// unreadable rather than missing. `file` is left open for reading it.
Probe ProbeFile(const std::string& path, OpenedFile& file)
{
    file.fd = HeldFolder::OpenToRead(path);
    struct stat info {};
    if (file.fd < 0 || ::fstat(file.fd, &info) != 0) {
        const int error = errno;
        return {error == ENOENT || error == ENOTDIR ? ProfileFileState::Missing : ProfileFileState::Unreadable, {},
                error};
    }
    if (!S_ISREG(info.st_mode))
        return {ProfileFileState::Unreadable, {}, S_ISDIR(info.st_mode) ? EISDIR : EINVAL};
    const FileStamp stamp{info.st_dev, info.st_ino, info.st_size,
                          static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec};
    if (static_cast<size_t>(info.st_size) > kMaxProfileFileBytes)
        return {ProfileFileState::TooLarge, stamp, EFBIG};
    return {ProfileFileState::Read, stamp};
}

} // namespace

struct ProfileCache::Entry {
    std::string path;
    FileStamp stamp;
    ProfileDocument document;
};

ProfileCache& ProfileCache::Instance()
{
    static ProfileCache cache;
    return cache;
}

ProfileCache::Reading ProfileCache::Read(const std::string& path)
{
    OpenedFile file;
    const Probe probe = ProbeFile(path, file);
    if (probe.state != ProfileFileState::Read) {
        Forget(path);
        return {m_empty, probe.state, probe.error};
    }
    const auto cached = std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& e) { return e.path == path; });
    if (cached == m_entries.end() || cached->stamp != probe.stamp) {
        Forget(path);
        // The size is checked again while reading: the file may have grown since.
        const auto bytes = ReadOpenFile(file.fd, kMaxProfileFileBytes);
        if (!bytes)
            return {m_empty, ProfileFileState::Unreadable, errno};
        Keep(Entry{path, probe.stamp, ProfileDocument::FromBytes(*bytes)});
    } else {
        m_entries.splice(m_entries.begin(), m_entries, cached);
        Trim();
    }
    const ProfileDocument& document = m_entries.front().document;
    if (!document.IsIniText())
        return {document, ProfileFileState::NotIniText, EILSEQ};
    return {document, ProfileFileState::Read, 0};
}

void ProfileCache::Store(const std::string& path, ProfileDocument document)
{
    Forget(path);
    OpenedFile file;
    const Probe probe = ProbeFile(path, file);
    if (probe.state == ProfileFileState::Read)
        Keep(Entry{path, probe.stamp, std::move(document)});
}

void ProfileCache::Keep(Entry entry)
{
    m_entries.push_front(std::move(entry));
    Trim();
}

void ProfileCache::Trim()
{
    if (m_entries.empty())
        return;
    size_t others = 0;
    for (auto it = std::next(m_entries.begin()); it != m_entries.end();) {
        const size_t bytes = it->document.MemoryBytes();
        if (others + bytes > kCacheBudgetBytes) {
            it = m_entries.erase(it);
        } else {
            others += bytes;
            ++it;
        }
    }
}

void ProfileCache::Forget(const std::string& path)
{
    m_entries.remove_if([&](const Entry& e) { return e.path == path; });
}

} // namespace platform
