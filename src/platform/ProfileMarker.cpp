#include "platform/ProfileMarker.h"

namespace platform {
namespace {

constexpr std::string_view kMarker = "; -*- coding: gb18030 -*-";
constexpr std::string_view kValuesAsWritten =
    "; a value with blanks or quotes at its ends is written in one more pair of quotes";

// The length of the line and its end at the start of the text, or 0.
size_t LineLength(std::string_view text, std::string_view line)
{
    if (!text.starts_with(line))
        return 0;
    const std::string_view rest = text.substr(line.size());
    if (rest.starts_with("\r\n"))
        return line.size() + 2;
    if (rest.empty() || rest.front() == '\n' || rest.front() == '\r')
        return line.size() + (rest.empty() ? 0 : 1);
    return 0;
}

} // namespace

std::string EncodeProfileText(std::string_view utf8)
{
    return std::string(kMarker) + "\r\n" + std::string(kValuesAsWritten) + "\r\n" + EncodeGb18030(utf8);
}

ProfileText DecodeProfileText(std::string_view bytes)
{
    ProfileText decoded;
    static_cast<DecodedText&>(decoded) = LineLength(bytes, kMarker) != 0
                                             ? DecodedText{DecodeGb18030(bytes), DiskEncoding::Gb18030}
                                             : DecodeDiskText(bytes);
    decoded.utf8.erase(0, LineLength(decoded.utf8, kMarker));
    const size_t second = LineLength(decoded.utf8, kValuesAsWritten);
    decoded.valuesReadAsWritten = second != 0;
    decoded.utf8.erase(0, second);
    return decoded;
}

} // namespace platform
