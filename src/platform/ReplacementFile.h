#pragma once
// The new file a replacing write fills before renaming it over the file it replaces. Its name is
// the program's own, "." + the replaced name + ".rvnew-" + six letters or digits; it is recorded
// in the user's own state (platform::EntryRecords) from its making until its rename, and held
// locked meanwhile. A save killed part-way leaves it recorded and unlocked, so a later replace in
// the folder can tell it from one a live save is writing, here or in another process, and from
// any other file under that naming (renamed in by someone who may write the folder), and remove
// it.

#include "platform/EntryRecords.h"

#include <string>
#include <string_view>
#include <sys/types.h>

namespace platform {

// Open for writing, locked where the file system keeps locks; no name and -1 when none could be
// made, errno telling why.
struct ReplacementFile {
    std::string name;
    int fd = -1;
    EntryRecords::Record record;   // empty when the user's state keeps none
};

// The replacement files of the folder open as `folder`.
class ReplacementFiles {
public:
    explicit ReplacementFiles(int folder);

    // Makes one for the entry `replacedName` of the folder, with those permissions as the user's
    // file mask leaves them.
    ReplacementFile Make(std::string_view replacedName, mode_t mode) const;
    // Once it is renamed or removed: its record goes, and it is closed.
    void Forget(ReplacementFile& file) const;

    // Removes from the folder the replacement files that killed saves left: recorded, of that
    // naming, regular files of the user's own that no save holds. Links and everything else stay;
    // none is followed. Records whose file is no longer in the folder go.
    void RemoveAbandoned() const;

private:
    int m_folder;
    EntryRecords m_records;
};

} // namespace platform
