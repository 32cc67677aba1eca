#pragma once
// Copies a folder with everything below it.

#include <string>

// Makes the destination when missing and copies every file and sub-folder of the source into
// it, overwriting; sub-folders whose names begin with "." are left out. False when the source
// cannot be listed or anything fails to copy.
bool CopyFolderTree(const std::string& destination, const std::string& source);
