#include "settings/DesignFile.h"

#include "platform/Files.h"
#include "settings/ClassSections.h"

#include <filesystem>
#include <string>

OutlineLevelTexts LoadDesignFile(const char* file, ClassListModel& rows)
{
    LoadDateSettings(file);
    const OutlineLevelTexts levels = LoadMainSettings(file);
    LoadClassList(file, rows);
    return levels;
}

bool WriteDesignFile(const char* file, const ClassListModel& rows, const OutlineLevelTexts& levels)
{
    const std::string fresh = std::string(file) + ".new";
    platform::RemoveFile(fresh);
    bool written = SaveMainSettings(fresh.c_str(), levels) && SaveClassList(fresh.c_str(), rows);
    std::error_code error;
    if (written)
        std::filesystem::rename(fresh, file, error);
    written = written && !error;
    if (!written)
        platform::RemoveFile(fresh);
    return written;
}
