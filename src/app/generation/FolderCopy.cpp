#include "app/generation/FolderCopy.h"

#include "platform/Files.h"
#include "platform/Folders.h"

#include <cerrno>

namespace {

FolderCopyResult CopyFile(const platform::FilePlace& destination, const std::string& source)
{
    const auto bytes = platform::ReadFileBytes(source);
    if (!bytes)
        return FolderCopyResult::SourceUnreadable;
    return destination.Replace(*bytes) ? FolderCopyResult::Copied : FolderCopyResult::DestinationUnwritable;
}

} // namespace

FolderCopyResult CopyFolderTree(const platform::FilePlace& destination, const std::string& source)
{
    if (!destination.MakeFolder() && errno != EEXIST)
        return FolderCopyResult::DestinationUnwritable;
    const auto entries = platform::ListFolder(source);
    if (!entries)
        return FolderCopyResult::SourceUnreadable;
    for (const platform::FolderEntry& entry : *entries) {
        const std::string from = platform::JoinPath(source, entry.name);
        const platform::FilePlace to = destination.Below(entry.name);
        FolderCopyResult result = FolderCopyResult::Copied;
        if (!entry.isFolder)
            result = CopyFile(to, from);
        else if (entry.name.front() != '.')
            result = CopyFolderTree(to, from);
        if (result != FolderCopyResult::Copied)
            return result;
    }
    return FolderCopyResult::Copied;
}
