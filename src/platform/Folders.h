#pragma once
// Folders: making, listing and removing them. Listing never follows a symbolic link, so a
// recursive walk over a listing stays inside the folder it started from.

#include <optional>
#include <string>
#include <vector>

namespace platform {

bool MakeFolder(const std::string& path);

// Removes a folder that is already empty.
bool RemoveEmptyFolder(const std::string& path);

struct FolderEntry {
    std::string name;
    bool isFolder = false;   // a real folder; a link to one counts as a file
};

// The entries of a folder other than "." and ".."; nothing when it cannot be read.
std::optional<std::vector<FolderEntry>> ListFolder(const std::string& path);

} // namespace platform
