#include "settings/DesignFile.h"

#include "platform/Files.h"
#include "settings/ClassSections.h"
#include "settings/LoadedValueBounds.h"

#include <string>

bool HoldsNoDesign(platform::ProfileFileState state)
{
    return state != platform::ProfileFileState::Missing && state != platform::ProfileFileState::Read;
}

OutlineLevelTexts LoadDesignFile(const char* file, ClassListModel& rows)
{
    if (HoldsNoDesign(platform::GetProfileFileState(file)))
        file = "";   // as a missing file
    LoadDateSettings(file);
    OutlineLevelTexts levels = LoadMainSettings(file);
    LoadClassList(file, rows);
    BoundLoadedDesign(rows, levels);
    return levels;
}

bool WriteDesignFile(const char* file, const ClassListModel& rows, const OutlineLevelTexts& levels)
{
    // The file a link names is the one the user keeps; a read-only one is not ours to replace.
    const std::string target = platform::LinkTarget(file);
    if (platform::IsReadOnlyFile(target))
        return false;
    const std::string fresh = platform::MakeTemporaryBeside(target);
    if (fresh.empty())
        return false;
    const bool written = SaveMainSettings(fresh.c_str(), levels) && SaveClassList(fresh.c_str(), rows) &&
                         platform::ReplaceFileWith(target, fresh);
    if (!written)
        platform::RemoveFile(fresh);
    return written;
}
