#include "platform/ProfileMarker.h"

namespace platform {
namespace {

constexpr std::string_view kMarker = "; -*- coding: gb18030 -*-";

// The length of the marker line and its end at the start of the text, or 0.
size_t MarkerLineLength(std::string_view text)
{
    if (!text.starts_with(kMarker))
        return 0;
    const std::string_view rest = text.substr(kMarker.size());
    if (rest.starts_with("\r\n"))
        return kMarker.size() + 2;
    if (rest.empty() || rest.front() == '\n' || rest.front() == '\r')
        return kMarker.size() + (rest.empty() ? 0 : 1);
    return 0;
}

} // namespace

std::string EncodeProfileText(std::string_view utf8)
{
    return std::string(kMarker) + "\r\n" + EncodeGb18030(utf8);
}

DecodedText DecodeProfileText(std::string_view bytes)
{
    DecodedText decoded = MarkerLineLength(bytes) != 0 ? DecodedText{DecodeGb18030(bytes), DiskEncoding::Gb18030}
                                                       : DecodeDiskText(bytes);
    decoded.utf8.erase(0, MarkerLineLength(decoded.utf8));
    return decoded;
}

} // namespace platform
