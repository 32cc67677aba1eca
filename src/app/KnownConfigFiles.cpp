#include "app/KnownConfigFiles.h"

#include "platform/Files.h"
#include "platform/Folders.h"
#include "platform/SystemError.h"
#include "settings/IniFile.h"
#include "settings/MainSettings.h"
#include "settings/Settings.h"

#include <algorithm>
#include <optional>
#include <string>

namespace {

CString ConfigKey(int index)
{
    CString key;
    key.Format("%s%d", "CONFIG", index);
    return key;
}

bool HasIniExtension(const CString& name)
{
    return name.GetLength() >= 4 && name.Right(4).CompareNoCase(".ini") == 0;
}

std::vector<CString> ProgramFolderIniFiles()
{
    std::vector<CString> files;
    const auto entries = platform::ListFolder(g_strExeFolder.str());
    if (!entries)
        return files;
    for (const platform::FolderEntry& entry : *entries)
        if (!entry.isFolder && HasIniExtension(entry.name))
            files.push_back(g_strExeFolder + entry.name.c_str());
    std::sort(files.begin(), files.end());
    return files;
}

// The list that the path file could not take, kept for the rest of the run: the next dialog shows
// what the user left in the last one, not the older list the file still holds.
struct UnstoredList {
    std::string file;
    std::vector<CString> paths;
};
std::optional<UnstoredList>& Unstored()
{
    static std::optional<UnstoredList> list;
    return list;
}

std::vector<CString> StoredPaths(const char* configPathFile)
{
    if (Unstored() && Unstored()->file == configPathFile)
        return Unstored()->paths;
    std::vector<CString> paths;
    const CIniFile ini;
    for (int index = 0; index < kMaxKnownConfigFiles; ++index) {
        CString path = ini.GetString(configPathFile, kMainSection, ConfigKey(index));
        if (path.IsEmpty())
            break;
        paths.push_back(std::move(path));
    }
    return paths;
}

} // namespace

std::vector<CString> ReadConfigPathList(const char* configPathFile)
{
    std::vector<CString> paths = ProgramFolderIniFiles();
    const CIniFile ini;
    for (const CString& path : StoredPaths(configPathFile))
        if (std::find(paths.begin(), paths.end(), path) == paths.end() && ini.FileExists(path))
            paths.push_back(path);
    return paths;
}

bool WriteConfigPathList(const char* configPathFile, const std::vector<CString>& paths)
{
    std::vector<std::pair<CString, CString>> keys;
    for (int index = 0; index < kMaxKnownConfigFiles; ++index) {
        const size_t at = static_cast<size_t>(index);
        keys.emplace_back(ConfigKey(index), at < paths.size() ? paths[at] : CString());
    }
    // One replacement of the file, not one (and its sync) for each of the keys.
    const bool written = CIniFile().WriteStrings(configPathFile, kMainSection, keys);
    if (written) {
        Unstored().reset();
    } else {
        const platform::KeptReason kept;   // for the message that tells the failure
        Unstored() = UnstoredList{configPathFile, paths};
    }
    return written;
}

CString FirstFreeConfigName()
{
    for (int number = 1; number <= 1000; ++number) {
        CString path;
        path.Format("%s%s%d.ini", g_strExeFolder.GetString(), "NewDiary", number);
        if (!platform::PathExists(path.str()))
            return path;
    }
    return CString();
}

CString ResolveConfigName(const CString& typed)
{
    CString path = platform::LastSeparator(typed.str()) == std::string::npos ? g_strExeFolder + typed : typed;
    if (!HasIniExtension(path))
        path += ".ini";
    return path;
}
