#pragma once
// How one line of an INI file reads: a section header, a key, or neither.

#include <optional>
#include <string>
#include <string_view>

namespace platform {

std::string_view TrimBlanks(std::string_view text);

// The section named by a line such as "[Main]", if the line is a section header.
std::optional<std::string_view> SectionOf(std::string_view line);

// The key of a line such as "Title=abc", if the line holds one.
std::optional<std::string_view> KeyOf(std::string_view line);

// Section and key names compare without regard to ASCII letter case.
std::string FoldCase(std::string_view name);

} // namespace platform
