#pragma once
// The lines of a text file of the system code page, read a piece at a time: a reader that wants
// the first lines of a big file holds those lines, never the file.

#include "platform/CodePage.h"

#include <functional>
#include <string>
#include <string_view>

namespace platform {

// Hands over the lines in file order, as SplitLines gives the lines of DecodeDiskText's text,
// until `take` returns false. A file without a byte order mark is read through once first, as
// its encoding is judged from all its bytes. False, with no line handed over, for a file that
// cannot be read, is no regular file or holds more than maxBytes (one that grows past them while
// it is read ends there); errno then tells why (EFBIG for the size, EISDIR or EINVAL for no file).
using TakeDiskLine = std::function<bool(std::string_view line, DiskEncoding encoding)>;
bool ReadDiskTextLines(const std::string& path, size_t maxBytes, const TakeDiskLine& take);

} // namespace platform
