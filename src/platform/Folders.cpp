#include "platform/Folders.h"

#include "platform/Files.h"
#include "platform/HeldFolder.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

bool MakeFolder(const std::string& path)
{
    return !path.empty() && ::mkdir(path.c_str(), 0755) == 0;
}

namespace {

// A base folder of the user's state: only an absolute path counts, as the desktop's rules have it.
std::string StateHome()
{
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state != nullptr && state[0] == kPathSeparator)
        return state;
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == kPathSeparator)
        return JoinPath(home, ".local/state");
    return {};
}

// Makes every missing folder of the path, private to the user.
bool MakePrivateFolders(const std::string& path)
{
    for (size_t slash = path.find(kPathSeparator, 1); slash != std::string::npos;
         slash = path.find(kPathSeparator, slash + 1))
        if (::mkdir(path.substr(0, slash).c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    return ::mkdir(path.c_str(), 0700) == 0 || errno == EEXIST;
}

bool IsTheUsersAlone(const std::string& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
           (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

} // namespace

std::string UserStateFolder(std::string_view name)
{
    const std::string home = StateHome();
    if (home.empty())
        return {};
    const std::string programState = JoinPath(home, "rorovavozir");
    const std::string folder = JoinPath(programState, name);
    if (!MakePrivateFolders(folder) || !IsTheUsersAlone(programState) || !IsTheUsersAlone(folder))
        return {};
    return folder;
}

bool RemoveEmptyFolder(const std::string& path)
{
    return !path.empty() && ::rmdir(path.c_str()) == 0;
}

std::optional<std::vector<FolderEntry>> ListFolder(const std::string& path)
{
    const HeldFolder folder = HeldFolder::Open(path);
    if (!folder.IsOpen())
        return std::nullopt;
    std::vector<FolderEntry> entries;
    for (std::string& name : folder.EntryNames()) {
        struct stat info {};
        const bool isFolder =
            ::fstatat(folder.Descriptor(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(info.st_mode);
        entries.push_back({std::move(name), isFolder});
    }
    return entries;
}

} // namespace platform
