#pragma once
// The run's own folder under the output folder, where it keeps all it makes. It is held open
// from the moment it is made, so its removal reaches the folder the run made and nothing else:
// wherever the folder has been moved, and never through a symbolic link put in its place. It is
// marked as in use while it is held, so a run that is killed, or a program that crashes, leaves
// a folder that the next run can tell from one whose run still works; and it is recorded in the
// user's own state (`platform::EntryRecords`), so that run can tell it from a folder renamed in under
// such a name.

#include "platform/EntryRecords.h"
#include "platform/HeldFolder.h"
#include "platform/SpareDescriptors.h"

#include <string>

class RunFolder {
public:
    // A fresh private hidden folder of a random name in the output folder, marked as in use. Its
    // name is empty when none could be made, errno telling why: ESTALE when something was put in
    // the place of the folder being made, which is left alone. First removes the run folders that
    // the user's runs now gone left there (recorded, the user's own, no longer marked).
    static RunFolder Make(const std::string& outFolder);

    const std::string& Name() const { return m_name; }
    // The folder itself, wherever it is now: what the run makes in it goes through this, so a
    // link put in its place is never written through.
    const platform::HeldFolder& Folder() const { return m_folder; }

    // True while the output folder's path leads to the folder the run was made in.
    bool OutputFolderInPlace(const std::string& outFolder) const;
    // True while the run folder's name in the output folder holds the folder itself.
    bool InPlace() const;
    // Moves its entry of that name into the output folder it was made in, under `newName`, while
    // nothing holds that name there.
    platform::RenameResult MoveOut(const std::string& name, const std::string& newName) const;

    // Removes the folder with everything in it, and a symbolic link found under its name in the
    // folder it was made in; then holds nothing, so a second call does nothing. It has the
    // descriptors it needs, however many the run's steps left.
    void Remove();

private:
    platform::HeldFolder m_outFolder;   // followed wherever it is renamed to, as the folder is
    platform::HeldFolder m_folder;
    std::string m_name;
    platform::EntryRecords m_records;
    platform::EntryRecords::Record m_record;   // empty when the folder could not be recorded
    platform::SpareDescriptors m_spares;       // for Remove, after a step that ran out of them
};
