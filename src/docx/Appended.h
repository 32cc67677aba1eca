#pragma once
// The owned-string form of an emitter that appends to the caller's text.

#include <string>

namespace docx {

template <typename Append>
std::string Appended(Append append)
{
    std::string xml;
    append(xml);
    return xml;
}

} // namespace docx
