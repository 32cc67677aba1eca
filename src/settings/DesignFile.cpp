#include "settings/DesignFile.h"

#include "platform/Profile.h"
#include "settings/ClassSections.h"
#include "settings/LoadedValueBounds.h"

bool HoldsNoDesign(platform::ProfileFileState state)
{
    return !platform::ReadsAsProfile(state);
}

namespace {

const char* DesignOrMissing(const char* file)
{
    return HoldsNoDesign(platform::GetProfileFileState(file)) ? "" : file;
}

} // namespace

OutlineLevelTexts LoadDesignSettings(const char* file)
{
    file = DesignOrMissing(file);
    LoadDateSettings(file);
    OutlineLevelTexts levels = LoadMainSettings(file);
    BoundLoadedSettings(levels);
    return levels;
}

void LoadDesignClasses(const char* file, ClassListModel& rows)
{
    LoadClassList(DesignOrMissing(file), rows);
    BoundLoadedClasses(rows);
}

OutlineLevelTexts LoadDesignFile(const char* file, ClassListModel& rows)
{
    const OutlineLevelTexts levels = LoadDesignSettings(file);
    LoadDesignClasses(file, rows);
    return levels;
}

bool WriteDesignFile(const char* file, const ClassListModel& rows, const OutlineLevelTexts& levels)
{
    // Key by key, but held in memory: the file reaches the disk once, whole, or not at all.
    platform::ProfileBatch batch(file);
    return SaveMainSettings(file, levels) && SaveClassList(file, rows) && batch.Publish();
}
