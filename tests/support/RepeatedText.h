#pragma once
// A text made of one piece over and over, to try a bound with Chinese text of a known length.

#include <string>

inline std::string Repeated(const std::string& piece, int times)
{
    std::string text;
    for (int k = 0; k < times; ++k)
        text += piece;
    return text;
}
