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

// The value of a key as a read gives it from the text written after its "=": without the blanks
// round it and without one pair of quotes (" or ') round what is left.
std::string_view ValueAsRead(std::string_view written);

// What to write after "=" so that a read gives the value back: the value itself, or, where a read
// would change it (blanks at its ends, one pair of quotes round it), the value inside one more
// pair of double quotes, which the read takes away.
std::string ValueToWrite(std::string_view value);

// Section and key names compare without regard to ASCII letter case.
std::string FoldCase(std::string_view name);

} // namespace platform
