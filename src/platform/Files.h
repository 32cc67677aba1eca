#pragma once
// Files, folders and paths. Paths use "/"; the helpers that split a path accept "\" too,
// because paths stored by the Windows program use it.

#include <optional>
#include <string>
#include <string_view>

namespace platform {

constexpr char kPathSeparator = '/';

bool PathExists(const std::string& path);      // files and folders alike
bool IsDirectory(const std::string& path);

// A file counts as read-only when its owner may not write it, whoever we are
// (as the Windows attribute does, even for an administrator).
bool IsReadOnlyFile(const std::string& path);

std::optional<std::string> ReadFileBytes(const std::string& path);

// Replaces the file whole through a temporary file and a rename, keeping its permissions,
// so a failure leaves the old file as it was. Refuses a read-only file.
bool WriteFileReplacing(const std::string& path, std::string_view bytes);

bool RemoveFile(const std::string& path);

// Moves a file to a name that must still be free; false, and nothing moved, when it is taken.
bool RenameWithoutReplacing(const std::string& from, const std::string& to);

// The process's current folder, ending in the separator.
std::string CurrentFolder();

// Position of the last "/" or "\" in the path, or npos.
size_t LastSeparator(std::string_view path);

// Joins a folder and a name with one separator between them.
std::string JoinPath(std::string_view folder, std::string_view name);

} // namespace platform
