#pragma once
// Writes that grow or reset a file in place: the document generator builds its parts by
// appending chunk after chunk to them.

#include <string>
#include <string_view>

namespace platform {

// Appends to the file, creating it when missing.
bool AppendFileBytes(const std::string& path, std::string_view bytes);

// Creates the file or cuts it to nothing. Returns 0, or the system's error number.
int CreateEmptyFile(const std::string& path);

} // namespace platform
