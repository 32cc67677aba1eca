#include "settings/DesignFile.h"

#include "platform/Profile.h"
#include "settings/ClassSections.h"
#include "settings/LoadedValueBounds.h"

bool HoldsNoDesign(platform::ProfileFileState state)
{
    return !platform::ReadsAsProfile(state);
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
    // Key by key, but held in memory: the file reaches the disk once, whole, or not at all.
    platform::ProfileBatch batch(file);
    return SaveMainSettings(file, levels) && SaveClassList(file, rows) && batch.Publish();
}
