#include "platform/Folders.h"

#include "platform/Files.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

bool MakeFolder(const std::string& path)
{
    return !path.empty() && ::mkdir(path.c_str(), 0755) == 0;
}

bool RemoveEmptyFolder(const std::string& path)
{
    return !path.empty() && ::rmdir(path.c_str()) == 0;
}

std::optional<std::vector<FolderEntry>> ListFolder(const std::string& path)
{
    DIR* folder = ::opendir(path.c_str());
    if (folder == nullptr)
        return std::nullopt;
    std::vector<FolderEntry> entries;
    while (const dirent* entry = ::readdir(folder)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        struct stat info {};
        const bool isFolder = ::lstat(JoinPath(path, name).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
        entries.push_back({name, isFolder});
    }
    ::closedir(folder);
    return entries;
}

} // namespace platform
