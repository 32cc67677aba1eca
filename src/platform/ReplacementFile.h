#pragma once
// The new file a replacing write fills before renaming it over the file it replaces. Its name is
// the program's own, "." + the replaced name + ".rvnew-" + six letters or digits, and the write
// holds it locked from its making until the rename. A save killed part-way leaves it unlocked, so
// a later replace in the folder can tell it from one a live save is writing, here or in another
// process, and remove it.

#include <string>
#include <string_view>

namespace platform {

// Open for writing, locked where the file system keeps locks; no name and -1 when none could be
// made, errno telling why.
struct ReplacementFile {
    std::string name;
    int fd = -1;
};

// Makes one in the folder open as `folder`, for the entry `replacedName` of it.
ReplacementFile MakeReplacementFile(int folder, std::string_view replacedName);

// Removes from the folder the replacement files that killed saves left: regular files of that
// naming, the user's own, that no save holds. Links and everything else stay; none is followed.
void RemoveAbandonedReplacements(int folder);

} // namespace platform
