#pragma once
// Files, folders and paths. Paths use "/"; the helpers that split a path accept "\" too,
// because paths stored by the Windows program use it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

constexpr char kPathSeparator = '/';

bool PathExists(const std::string& path);      // files and folders alike
// True when anything holds the name, a symbolic link whose target is gone included: a new
// file cannot take it.
bool NameTaken(const std::string& path);
bool IsDirectory(const std::string& path);

// The bytes of a regular file; nothing for anything else (a folder, a device, a named pipe)
// and for a file of more than maxBytes. The file is reached as a write reaches it: behind a link
// that a write would not follow there is no file (ENOENT), and a link on the way that a write
// would not follow refuses the read (EACCES).
std::optional<std::string> ReadFileBytes(const std::string& path, size_t maxBytes = SIZE_MAX);
// The same for a file open for reading, which stays open.
std::optional<std::string> ReadOpenFile(int fd, size_t maxBytes = SIZE_MAX);

// Replaces the file whole through a temporary file and a rename, keeping its permissions,
// so a failure leaves the old file as it was. The new bytes are synced before the rename and the
// folder after it, so a crash or power cut leaves the old file or the new one, never a part.
// Every file the program replaces goes through here. Refuses a read-only file: one whose owner may
// not write it, whoever we are (as the Windows attribute does, even for an administrator), and one
// we could not write in place, though the folder would take a new file. A new file gets the
// permissions the user's file mask gives; a replaced file keeps its own, and its group where the
// user may give it. A symbolic link the user could not have been handed (platform::MayFollowLink:
// the user's or root's, in a folder nobody else may rearrange) is followed: its target is replaced
// and the link stays; a loop of links is refused. Any other is never followed: at the end of the
// path it is replaced as itself, on the way to the file it refuses the write (EACCES), so no link
// someone else put in a shared folder, or moved there, leads a save to another of the user's
// files. On failure errno tells why (a refusal as the system's own: EACCES, EPERM, EROFS, ELOOP,
// EISDIR).
bool WriteFileReplacing(const std::string& path, std::string_view bytes);

// Makes a new empty file of a name no other file has, in the folder of `path` and beginning
// with its name; "" when none can be made.
std::string MakeTemporaryBeside(const std::string& path);

enum class RenameResult { Done, Taken, Failed };
// Renames only while `to` does not exist: a file that appears there meanwhile is never replaced.
RenameResult RenameNoReplace(const std::string& from, const std::string& to);
// The same for the entry `from` of the folder open as `fromFolder`, to the entry `to` of the folder
// open as `toFolder` (either AT_FDCWD for a path): no link is followed to either folder.
RenameResult RenameNoReplaceAt(int fromFolder, const std::string& from, int toFolder, const std::string& to);

// Removes the path's last entry, a link as itself; links on the way are followed as
// WriteFileReplacing follows them.
bool RemoveFile(const std::string& path);

// The process's current folder, ending in the separator.
std::string CurrentFolder();

// Position of the last "/" or "\" in the path, or npos.
size_t LastSeparator(std::string_view path);

// Joins a folder and a name with one separator between them.
std::string JoinPath(std::string_view folder, std::string_view name);

} // namespace platform
