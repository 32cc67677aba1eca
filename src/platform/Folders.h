#pragma once
// Folders: making, listing and removing them. Listing never follows a symbolic link, so a
// recursive walk over a listing stays inside the folder it started from.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

bool MakeFolder(const std::string& path);

// The folder of that name in the program's state of the user who runs it ($XDG_STATE_HOME, by
// default ~/.local/state, then "rorovavozir"), made private when missing. "" when there is no
// such home, when the folder cannot be made, or when it is not the user's alone: what is kept
// there is trusted as the user's own.
std::string UserStateFolder(std::string_view name);

// Removes a folder that is already empty.
bool RemoveEmptyFolder(const std::string& path);

struct FolderEntry {
    std::string name;
    bool isFolder = false;   // a real folder; a link to one counts as a file
};

// The entries of a folder other than "." and ".."; nothing when it cannot be read. The folder is
// reached as a write reaches one (platform::HeldFolder::Open): no link is followed on the way to
// it that a write would not follow.
std::optional<std::vector<FolderEntry>> ListFolder(const std::string& path);

} // namespace platform
