#pragma once
// Private to the window layer: texts handed out into the caller's buffers.

#include "platform/CodePage.h"

#include <cstring>
#include <string>

namespace platform::ui::detail {

// Copies as much of the text as `size` bytes hold with the closing NUL, never splitting a
// character; returns the bytes copied.
inline int CopyText(const std::string& text, char* buffer, int size)
{
    if (!buffer || size <= 0)
        return 0;
    const size_t length = platform::Utf8PrefixLength(text, static_cast<size_t>(size) - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return static_cast<int>(length);
}

} // namespace platform::ui::detail
