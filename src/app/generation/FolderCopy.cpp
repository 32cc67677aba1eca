#include "app/generation/FolderCopy.h"

#include "platform/FileWrites.h"
#include "platform/Files.h"
#include "platform/Folders.h"

namespace {

FolderCopyResult CopyFile(const std::string& destination, const std::string& source)
{
    const auto bytes = platform::ReadFileBytes(source);
    if (!bytes)
        return FolderCopyResult::SourceUnreadable;
    return platform::CreateEmptyFile(destination) == 0 && platform::AppendFileBytes(destination, *bytes)
               ? FolderCopyResult::Copied
               : FolderCopyResult::DestinationUnwritable;
}

} // namespace

FolderCopyResult CopyFolderTree(const std::string& destination, const std::string& source)
{
    if (!platform::IsDirectory(destination) && !platform::MakeFolder(destination))
        return FolderCopyResult::DestinationUnwritable;
    const auto entries = platform::ListFolder(source);
    if (!entries)
        return FolderCopyResult::SourceUnreadable;
    for (const platform::FolderEntry& entry : *entries) {
        const std::string from = platform::JoinPath(source, entry.name);
        const std::string to = platform::JoinPath(destination, entry.name);
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
