#include "app/generation/FolderCopy.h"

#include "platform/FileWrites.h"
#include "platform/Files.h"
#include "platform/Folders.h"

namespace {

bool CopyFile(const std::string& destination, const std::string& source)
{
    const auto bytes = platform::ReadFileBytes(source);
    return bytes && platform::CreateEmptyFile(destination) == 0 && platform::AppendFileBytes(destination, *bytes);
}

} // namespace

bool CopyFolderTree(const std::string& destination, const std::string& source)
{
    if (!platform::IsDirectory(destination) && !platform::MakeFolder(destination))
        return false;
    const auto entries = platform::ListFolder(source);
    if (!entries)
        return false;
    bool copied = true;
    for (const platform::FolderEntry& entry : *entries) {
        const std::string from = platform::JoinPath(source, entry.name);
        const std::string to = platform::JoinPath(destination, entry.name);
        if (!entry.isFolder)
            copied = CopyFile(to, from) && copied;
        else if (entry.name.front() != '.')
            copied = CopyFolderTree(to, from) && copied;
    }
    return copied;
}
