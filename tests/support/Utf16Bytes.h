#pragma once
// Text as another program might store it in UTF-16, with or without its byte order mark.

#include "support/Gb18030Characters.h"

#include <string>

inline std::string Utf16Bytes(const std::string& utf8, bool bigEndian, bool withMark = true)
{
    const std::string mark = withMark ? (bigEndian ? "\xFE\xFF" : "\xFF\xFE") : "";
    return mark + ConvertWithIconv(bigEndian ? "UTF-16BE" : "UTF-16LE", "UTF-8", utf8);
}
