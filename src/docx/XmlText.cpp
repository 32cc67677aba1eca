#include "docx/XmlText.h"

#include "docx/AttributeValues.h"

#include <array>
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

// Bytes that need a closer look: markup characters, control characters and every byte of a
// multi-byte sequence. All other bytes are copied as they stand, in runs.
constexpr auto kLook = [] {
    std::array<bool, 256> look {};
    for (size_t c = 0; c < look.size(); ++c)
        look[c] = c < 0x20 || c >= 0x80 || c == '&' || c == '<' || c == '>' || c == '"' || c == '\'';
    return look;
}();

// What a character XML can hold becomes: nullptr when it stays as it is, else its entity.
const char* EntityOf(char32_t code, bool attribute)
{
    switch (code) {
    case '&': return "&amp;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '"': return attribute ? "&quot;" : nullptr;
    case '\'': return attribute ? "&apos;" : nullptr;
    default: return nullptr;
    }
}

void AppendEscaped(std::string& out, std::string_view text, bool attribute)
{
    size_t kept = 0;   // start of the bytes not yet copied
    size_t at = 0;
    while (at < text.size()) {
        if (!kLook[static_cast<unsigned char>(text[at])]) {
            ++at;
            continue;
        }
        char32_t code = 0;
        const size_t length = SequenceLength(text.substr(at), code);
        const bool dropped = length == 0 || !XmlCanHold(code);
        const char* entity = dropped ? "" : EntityOf(code, attribute);
        if (entity == nullptr) {
            at += length;
            continue;
        }
        out.append(text, kept, at - kept);
        out += entity;
        at += length == 0 ? 1 : length;
        kept = at;
    }
    out.append(text, kept, std::string_view::npos);
}

} // namespace

std::string EscapeText(std::string_view text)
{
    std::string out;
    AppendEscapedText(out, text);
    return out;
}

void AppendEscapedText(std::string& out, std::string_view text)
{
    AppendEscaped(out, text, false);
}

std::string EscapeAttribute(std::string_view text)
{
    std::string out;
    AppendEscapedAttribute(out, text);
    return out;
}

void AppendEscapedAttribute(std::string& out, std::string_view text)
{
    AppendEscaped(out, text, true);
}

std::string ValueXml(std::string_view before, std::string_view value, std::string_view after)
{
    std::string out;
    AppendValueXml(out, before, value, after);
    return out;
}

void AppendValueXml(std::string& out, std::string_view before, std::string_view value, std::string_view after)
{
    // Emptiness is judged after escaping: a value of control characters alone escapes to nothing.
    const size_t start = out.size();
    out += before;
    const size_t valueStart = out.size();
    AppendEscapedAttribute(out, value);
    if (out.size() == valueStart || !FitsAttribute(before, std::string_view(out).substr(valueStart))) {
        out.resize(start);
        return;
    }
    out += after;
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
    std::string out;
    AppendSizeXml(out, size, after);
    return out;
}

void AppendSizeXml(std::string& out, std::string_view size, std::string_view after)
{
    const std::string halfPoints = HalfPoints(size);
    AppendValueXml(out, "<w:sz w:val=\"", halfPoints, after);
    AppendValueXml(out, "<w:szCs w:val=\"", halfPoints, after);
}

} // namespace docx
