#pragma once
// Copies a folder with everything below it.

#include <string>

enum class FolderCopyResult {
    Copied,
    SourceUnreadable,        // the source, or something in it, could not be read
    DestinationUnwritable,   // the destination could not be written; errno tells why
};

// Makes the destination when missing and copies every file and sub-folder of the source into
// it, overwriting; sub-folders whose names begin with "." are left out. Stops at the first
// failure.
FolderCopyResult CopyFolderTree(const std::string& destination, const std::string& source);
