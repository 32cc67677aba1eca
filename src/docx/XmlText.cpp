#include "docx/XmlText.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace docx {
namespace {

// Length of the well-formed UTF-8 sequence at the start of the text, 0 when it is broken.
size_t SequenceLength(std::string_view text, char32_t& code)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    size_t length = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07u;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0u) != 0x80u)
            return 0;
        code = (code << 6) | (byte(i) & 0x3Fu);
    }
    // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    if (overlong || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        return 0;
    return length;
}

bool XmlCanHold(char32_t code)
{
    if (code < 0x20)
        return code == '\t' || code == '\n' || code == '\r';
    return code != 0xFFFE && code != 0xFFFF;
}

std::string Escape(std::string_view text, bool attribute)
{
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        char32_t code = 0;
        const size_t length = SequenceLength(text, code);
        if (length == 0) {
            text.remove_prefix(1);
            continue;
        }
        if (XmlCanHold(code)) {
            switch (code) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += attribute ? "&quot;" : "\""; break;
            case '\'': out += attribute ? "&apos;" : "'"; break;
            default: out.append(text.substr(0, length));
            }
        }
        text.remove_prefix(length);
    }
    return out;
}

} // namespace

std::string EscapeText(std::string_view text)
{
    return Escape(text, false);
}

std::string EscapeAttribute(std::string_view text)
{
    return Escape(text, true);
}

std::string ValueXml(std::string_view before, std::string_view value, std::string_view after)
{
    if (value.empty())
        return {};
    std::string out(before);
    out += EscapeAttribute(value);
    out += after;
    return out;
}

std::string HalfPoints(std::string_view size)
{
    std::uint64_t whole = 0;
    const auto [end, error] = std::from_chars(size.data(), size.data() + size.size(), whole);
    if (error == std::errc() && end == size.data() + size.size())
        return std::string(size);
    double value = 0;
    const auto [dEnd, dError] = std::from_chars(size.data(), size.data() + size.size(), value);
    if (dError != std::errc() || dEnd != size.data() + size.size() || !(value >= 0) || value > 1e6)
        return {};
    return std::to_string(static_cast<std::uint64_t>(std::llround(value)));
}

std::string SizeXml(std::string_view size, std::string_view after)
{
    const std::string halfPoints = HalfPoints(size);
    return ValueXml("<w:sz w:val=\"", halfPoints, after) + ValueXml("<w:szCs w:val=\"", halfPoints, after);
}

} // namespace docx
