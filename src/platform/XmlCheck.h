#pragma once
// Whether a file is XML that any reader takes: one well-formed document, read as Qt's XML reader
// reads it.

#include "platform/FileHandle.h"

namespace platform {

// Reads the open file from where it stands to its end, a block at a time, so a part of any size
// costs no more memory than a small one. False also when the file cannot be read. The handle
// stays open.
bool IsWellFormedXml(FileHandle file);

} // namespace platform
