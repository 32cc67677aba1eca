#pragma once
// Copies a folder with everything below it.

#include "platform/FilePlace.h"

#include <string>

enum class FolderCopyResult {
    Copied,
    SourceUnreadable,        // the source, or something in it, could not be read
    DestinationUnwritable,   // the destination could not be written; errno tells why
};

// Makes the destination when missing and copies every file and sub-folder of the source into
// it, each file made new in place of one of its name; sub-folders whose names begin with "." are
// left out. Stops at the first failure.
FolderCopyResult CopyFolderTree(const platform::FilePlace& destination, const std::string& source);
