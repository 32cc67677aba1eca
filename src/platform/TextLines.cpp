#include "platform/TextLines.h"

namespace platform {

std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t end = text.find_first_of("\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        const size_t endLength = text.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        text.remove_prefix(end + endLength);
    }
    return lines;
}

} // namespace platform
