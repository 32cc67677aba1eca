#pragma once
// Lines of a text file. CR LF, LF and a lone CR all end a line, so files from any editor,
// old Mac ones included, read as the lines their author saw.

#include <string_view>
#include <vector>

namespace platform {

// Takes the first line, without its end, off the front of a text that is not empty.
std::string_view TakeLine(std::string_view& text);

// The lines without their ends; a line end at the very end of the text starts no further line.
std::vector<std::string_view> SplitLines(std::string_view text);

} // namespace platform
