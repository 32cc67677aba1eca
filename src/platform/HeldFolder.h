#pragma once
// A folder held open by its descriptor. Its entries are reached through the folder itself, never
// through a path, and no symbolic link met is followed: removing what the program made through
// one cannot be redirected by a link put in place of the folder or of anything in it, and the
// folder is still reached when it, or a folder above it, has been renamed or moved.

#include "platform/FileHandle.h"
#include "platform/Files.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The names in the folder open as `folder` but "." and "..", read through a descriptor of their
// own, so the listing moves no position the folder's holder shares. std::bad_alloc when memory
// is refused for the listing.
std::vector<std::string> EntryNamesIn(int folder);

// What tells a file or folder from every other one while it exists, and, where the file system
// keeps a birth time, from any made later in its place: a rename keeps it, and another entry
// renamed in under the same name has its own.
struct EntryIdentity {
    unsigned long long device = 0;
    unsigned long long inode = 0;
    long long bornSeconds = 0;
    unsigned bornNanoseconds = 0;
    bool birthKnown = false;

    bool operator==(const EntryIdentity&) const = default;
};

// The identity of what `fd` has open; nothing when it cannot be looked at.
std::optional<EntryIdentity> IdentityOf(int fd);

// Whether a path's last entry, when a symbolic link that may be followed, is followed to its
// target or taken as the link itself.
enum class LastLink { Followed, Kept };

class HeldFolder {
public:
    HeldFolder() = default;
    ~HeldFolder();
    HeldFolder(HeldFolder&& other) noexcept;
    HeldFolder& operator=(HeldFolder&& other) noexcept;
    HeldFolder(const HeldFolder&) = delete;
    HeldFolder& operator=(const HeldFolder&) = delete;

    // The folder a path names. A symbolic link on the path is followed only where the user could
    // not have been handed it (platform::MayFollowLink); any other is refused (EACCES, as the
    // system refuses such links in shared folders). Not open on failure, errno telling why (as
    // for every failure here).
    static HeldFolder Open(const std::string& path);
    // The folder holding the path's last entry, reached as Open reaches folders; `last` becomes
    // that entry's name. A link at the end is followed as Open follows links unless `lastLink`
    // keeps it; one the user could have been handed is never followed, it is the entry itself. A
    // path that ends in a folder ("/", "a/", "a/..") is refused (EISDIR). A folder the user may write but not
    // list is held all the same, for reaching its entries only.
    static HeldFolder OpenHolding(const std::string& path, std::string& last, LastLink lastLink = LastLink::Followed);
    // The file the path names, open for reading (without blocking), reached as OpenHolding reaches
    // the entry a write replaces: a link at the end that is not followed is no file (ENOENT), so
    // nothing is read through a link a write would not follow. -1 on failure.
    static int OpenToRead(const std::string& path);
    // True when reaching the path as OpenToRead does meets a symbolic link that is not followed:
    // at the end, where a read finds no file, or on the way, where it is refused.
    static bool MeetsUnfollowedLink(const std::string& path);
    bool IsOpen() const { return m_fd >= 0; }
    // For operations on its entries that this class does not offer; stays the holder's.
    int Descriptor() const { return m_fd; }

    // The names of its entries, "." and ".." aside.
    std::vector<std::string> EntryNames() const;
    // Holds the folder of that name in this one; not open for anything else, a link to a folder
    // included.
    HeldFolder OpenFolder(const std::string& name) const;
    // True when the folder belongs to the user the program runs as.
    bool IsOwn() const;
    // Nothing when the folder cannot be looked at.
    std::optional<EntryIdentity> Identity() const { return IdentityOf(m_fd); }
    // Marks the folder as in use for as long as this holder keeps it open: a lock that goes with
    // the process however it ends, and that another holder of the folder, in this process too,
    // cannot take meanwhile. False, EWOULDBLOCK, while another keeps the mark; false with another
    // reason where the file system keeps no such marks.
    bool MarkInUse() const;

    // Makes a new private folder (0700) of that name in this one and holds it; not open when
    // anything holds the name (EEXIST), a dangling link included. Held only when what holds the
    // name once it is opened is the folder made: ours, empty and born since a file made there just
    // before, by the file system's clock; anything put in its place meanwhile is left alone
    // (ESTALE). The folder made and not held, for want of a descriptor say, is removed.
    // beforeHolding runs between making and holding, for tests that put something in its place.
    HeldFolder MakeFolder(const std::string& name, const std::function<void()>& beforeHolding = {}) const;
    // Makes a new file of that name in this one, open for writing; invalid when anything holds
    // the name, a link included, so no file that was there is ever written.
    FileHandle MakeFile(const std::string& name) const;
    // Moves the entry of that name to the entry `newName` of the folder `to` while nothing holds
    // that name there.
    RenameResult MoveEntry(const std::string& name, const HeldFolder& to, const std::string& newName) const;

    // True when the path leads to this folder, links along it followed as Open follows them.
    bool IsAt(const std::string& path) const;
    // True when the entry of that name is the folder itself, not a link to it.
    bool HoldsAs(const std::string& name, const HeldFolder& folder) const;

    // Removes the entry of that name (one name, no path): a folder with everything below it,
    // anything else, a symbolic link included, by itself. True when it was removed.
    bool RemoveEntry(const std::string& name) const;
    // The same for a folder, or a symbolic link in a folder's place (by itself); anything else,
    // a file or a link to one, stays (ENOTDIR).
    bool RemoveFolder(const std::string& name) const;
    // Removes the entry only when it is a symbolic link.
    bool RemoveLink(const std::string& name) const;
    // Removes this folder with everything in it from the folder that holds it now, under the
    // name it has now: found through its own parent entry, which no link can redirect.
    bool Remove() const;

private:
    enum class Removable { Anything, FolderOrLink };

    friend class FilePlace;
    explicit HeldFolder(int fd) : m_fd(fd) {}
    bool RemoveNamed(const std::string& name, Removable removable) const;
    // The folder holding the path's last entry, held for reaching entries only (O_PATH); `last`
    // stays empty for a path that ends in a folder, which is then the one held. `unfollowedOnTheWay`,
    // when given, becomes true when the walk was refused at a link on the way.
    static HeldFolder Walk(const std::string& path, std::string& last, LastLink lastLink,
                           bool* unfollowedOnTheWay = nullptr);
    // The folder holding the last entry of the relative path, reached one entry at a time
    // without following a link; `last` becomes that entry's name.
    HeldFolder FolderOf(std::string_view path, std::string& last) const;
    void RemoveContents() const;

    int m_fd = -1;
};

} // namespace platform
