#pragma once
// ASCII text as another program might store it in UTF-16, with or without its byte order mark.

#include <string>
#include <string_view>

inline std::string Utf16Bytes(std::string_view ascii, bool bigEndian, bool withMark = true)
{
    std::string bytes = withMark ? (bigEndian ? "\xFE\xFF" : "\xFF\xFE") : "";
    for (const char ch : ascii)
        bytes += bigEndian ? std::string{'\0', ch} : std::string{ch, '\0'};
    return bytes;
}
