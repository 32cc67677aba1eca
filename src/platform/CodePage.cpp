#include "platform/CodePage.h"

#include "platform/WrittenChinese.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace platform {
namespace {

// Length of the UTF-8 sequence that starts at s[i], or 0 when it is not well-formed
// (overlong forms, surrogates and values past U+10FFFF count as broken).
size_t Utf8SequenceLength(std::string_view s, size_t i)
{
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80)
        return 1;
    size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > s.size())
        return 0;
    if (byte(i + 1) < low || byte(i + 1) > high)
        return 0;
    for (size_t k = 2; k < length; ++k)
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF)
            return 0;
    return length;
}

// Length of the GB18030 character that starts at s[i] (1, 2 or 4 bytes).
size_t Gb18030CharLength(std::string_view s, size_t i)
{
    const auto lead = static_cast<unsigned char>(s[i]);
    if (lead < 0x80 || i + 1 >= s.size())
        return 1;
    const auto second = static_cast<unsigned char>(s[i + 1]);
    if (second >= 0x30 && second <= 0x39 && i + 3 < s.size())
        return 4;
    return 2;
}

class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from))
    {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("no code page conversion from ") + from + " to " + to);
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole input; a byte that cannot be converted is replaced by what
    // `replacementFor` gives for it and skipped, so no input is ever lost silently beyond that
    // one byte. `failures` counts them.
    template <class Replacement>
    std::string Convert(std::string_view input, Replacement replacementFor, size_t* failures = nullptr)
    {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        std::string out;
        out.reserve(input.size() * 2 + 8);
        char* in = const_cast<char*>(input.data());
        size_t inLeft = input.size();
        char buffer[4096];
        while (inLeft > 0) {
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            const size_t rc = iconv(m_cd, &in, &inLeft, &dst, &dstLeft);
            out.append(buffer, sizeof buffer - dstLeft);
            if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
                out.append(replacementFor(static_cast<unsigned char>(*in)));
                ++in;
                --inLeft;
                if (failures != nullptr)
                    ++*failures;
            }
        }
        char* dst = buffer;
        size_t dstLeft = sizeof buffer;
        iconv(m_cd, nullptr, nullptr, &dst, &dstLeft);
        out.append(buffer, sizeof buffer - dstLeft);
        return out;
    }

private:
    iconv_t m_cd;
};

// U+FFFD and the byte order mark U+FEFF in each encoding.
constexpr std::string_view kUtf8Replacement = "\xEF\xBF\xBD";
constexpr std::string_view kGbReplacement = "\x84\x31\xA4\x37";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kGb18030Bom = "\x84\x31\x95\x33";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

// Code page 936 writes the euro sign as the single byte 0x80, which GB18030 left out (its euro
// is A2 E3): a Windows file holding one would otherwise lose it for good at the next save.
constexpr unsigned char kCodePage936Euro = 0x80;
constexpr std::string_view kUtf8Euro = "\xE2\x82\xAC";

std::string_view Utf8Replacement(unsigned char)
{
    return kUtf8Replacement;
}

std::string_view GbReplacement(unsigned char)
{
    return kGbReplacement;
}

void AppendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool IsUtf16(DiskForm form)
{
    return form == DiskForm::Utf16Le || form == DiskForm::Utf16Be;
}

// UTF-16 without its byte order mark to UTF-8; a lone surrogate or an odd last byte becomes U+FFFD.
std::string DecodeUtf16(std::string_view bytes, DiskForm form)
{
    const auto unit = [&](size_t i) { return CodeUnitAt(bytes, i, form); };
    const auto isHigh = [](char32_t u) { return u >= 0xD800 && u <= 0xDBFF; };
    const auto isLow = [](char32_t u) { return u >= 0xDC00 && u <= 0xDFFF; };
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const char32_t u = unit(i);
        if (isHigh(u) && i + 3 < bytes.size() && isLow(unit(i + 2))) {
            AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (unit(i + 2) - 0xDC00));
            i += 2;
        } else if (isHigh(u) || isLow(u)) {
            out += kUtf8Replacement;
        } else {
            AppendUtf8(out, u);
        }
    }
    if (i < bytes.size())
        out += kUtf8Replacement;
    return out;
}

bool IsAscii(std::string_view bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
}

} // namespace

std::string DecodeGb18030(std::string_view bytes, size_t* failures)
{
    thread_local Converter fromGb("UTF-8", "GB18030");
    const auto replacementFor = [](unsigned char byte) {
        return byte == kCodePage936Euro ? kUtf8Euro : kUtf8Replacement;
    };
    return fromGb.Convert(bytes, replacementFor, failures);
}

bool IsValidUtf8(std::string_view bytes)
{
    for (size_t i = 0; i < bytes.size();) {
        const size_t length = Utf8SequenceLength(bytes, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

DiskEncoding CountedAs(DiskForm form)
{
    return form == DiskForm::Utf8 ? DiskEncoding::Utf8 : DiskEncoding::Gb18030;
}

size_t CodeUnitBytes(DiskForm form)
{
    return IsUtf16(form) ? 2 : 1;
}

char32_t CodeUnitAt(std::string_view bytes, size_t offset, DiskForm form)
{
    const auto byte = [&](size_t k) { return static_cast<char32_t>(static_cast<unsigned char>(bytes[offset + k])); };
    if (form == DiskForm::Utf16Le)
        return byte(1) << 8 | byte(0);
    if (form == DiskForm::Utf16Be)
        return byte(0) << 8 | byte(1);
    return byte(0);
}

std::optional<DiskMark> MarkOf(std::string_view bytes)
{
    // Neither UTF-16 mark begins GB18030 or UTF-8 text. What Windows calls "Unicode" text is read
    // as the code page text its programs' profile functions make of it, and written back so.
    if (bytes.starts_with(kUtf8Bom))
        return DiskMark{kUtf8Bom.size(), DiskForm::Utf8};
    if (bytes.starts_with(kGb18030Bom))
        return DiskMark{kGb18030Bom.size(), DiskForm::Gb18030};
    if (bytes.starts_with(kUtf16LeBom))
        return DiskMark{kUtf16LeBom.size(), DiskForm::Utf16Le};
    if (bytes.starts_with(kUtf16BeBom))
        return DiskMark{kUtf16BeBom.size(), DiskForm::Utf16Be};
    return std::nullopt;
}

void UnmarkedEncodingJudge::Add(std::string_view piece)
{
    if (!m_validUtf8 || IsAscii(piece))
        return;
    if (!IsValidUtf8(piece)) {
        m_validUtf8 = false;
        return;
    }
    m_ascii = false;
    m_chinese.Add(piece);
    if (m_gbFailures == 0)
        DecodeGb18030(piece, &m_gbFailures);
}

// Valid UTF-8 alone proves little: hundreds of common characters are GB byte pairs that are
// also UTF-8 (学习 is D1 A7 CF B0). Taken for UTF-8, GB text reads as Cyrillic, Greek or rare
// characters, which no one writing Chinese types; UTF-8 text reads as Chinese.
DiskForm UnmarkedEncodingJudge::Result() const
{
    if (!m_validUtf8)
        return DiskForm::Gb18030;
    if (m_ascii || m_chinese.Result())
        return DiskForm::Utf8;
    return m_gbFailures != 0 ? DiskForm::Utf8 : DiskForm::Gb18030;
}

std::string DecodeDiskPiece(std::string_view piece, DiskForm form)
{
    if (IsUtf16(form))
        return DecodeUtf16(piece, form);
    if (form == DiskForm::Gb18030)
        return DecodeGb18030(piece);
    if (IsValidUtf8(piece))
        return std::string(piece);
    thread_local Converter repair("UTF-8", "UTF-8");
    return repair.Convert(piece, Utf8Replacement);
}

DecodedText DecodeDiskText(std::string_view bytes)
{
    const std::optional<DiskMark> mark = MarkOf(bytes);
    DiskForm form = DiskForm::Utf8;
    if (mark) {
        bytes.remove_prefix(mark->length);
        form = mark->form;
    } else {
        UnmarkedEncodingJudge judge;
        judge.Add(bytes);
        form = judge.Result();
    }
    return {DecodeDiskPiece(bytes, form), CountedAs(form)};
}

std::string EncodeMarkedGb18030(std::string_view utf8)
{
    return std::string(kGb18030Bom) + EncodeGb18030(utf8);
}

std::string EncodeGb18030(std::string_view utf8)
{
    thread_local Converter toGb("GB18030", "UTF-8");
    return toGb.Convert(utf8, GbReplacement);
}

size_t Utf8PrefixLength(std::string_view utf8, size_t maxBytes)
{
    size_t end = 0;
    while (end < utf8.size()) {
        const size_t length = std::max<size_t>(1, Utf8SequenceLength(utf8, end));
        if (end + length > maxBytes)
            break;
        end += length;
    }
    return end;
}

size_t Utf8CharactersLength(std::string_view utf8, size_t maxCharacters)
{
    size_t end = 0;
    for (size_t count = 0; count < maxCharacters && end < utf8.size(); ++count)
        end += std::max<size_t>(1, Utf8SequenceLength(utf8, end));
    return end;
}

size_t EncodedLength(std::string_view utf8, DiskEncoding encoding)
{
    return encoding == DiskEncoding::Utf8 ? utf8.size() : EncodeGb18030(utf8).size();
}

std::string CutToEncodedBytes(std::string_view utf8, size_t maxBytes, DiskEncoding encoding)
{
    if (encoding == DiskEncoding::Utf8)
        return std::string(utf8.substr(0, Utf8PrefixLength(utf8, maxBytes)));
    // A character takes at most twice its UTF-8 length in GB18030, so short texts need no work.
    if (utf8.size() * 2 <= maxBytes)
        return std::string(utf8);
    const std::string gb = EncodeGb18030(utf8);
    if (gb.size() <= maxBytes)
        return std::string(utf8);
    size_t end = 0;
    while (end < gb.size()) {
        const size_t length = Gb18030CharLength(gb, end);
        if (end + length > maxBytes)
            break;
        end += length;
    }
    return DecodeGb18030(std::string_view(gb).substr(0, end));
}

} // namespace platform
