// Small text, time and file utilities that the windows call on short-lived generator objects.
#include "docx/DocxBuilder.h"

#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/Files.h"

#include <cstdint>


namespace {

// strftime results of FormatNow take at most this many bytes as stored.
constexpr size_t kNowLength = 19;

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The ASCII letters from first to last moved by shift; other bytes, UTF-8 ones included, stay.
std::string ShiftLetters(std::string_view text, char first, char last, int shift)
{
    std::string shifted(text);
    for (char& c : shifted)
        if (c >= first && c <= last)
            c = static_cast<char>(c + shift);
    return shifted;
}

} // namespace

COLORREF CDocxBuilder::ColorTextToColorRef(std::string_view text)
{
    if (text.empty())
        text = "FFFFFF";
    std::uint32_t value = 0;
    for (char c : text) {
        const int digit = HexDigit(c);
        if (digit < 0)
            break;
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    // The text is red first; a colour value keeps red in its low byte.
    return RGB(static_cast<BYTE>(value >> 16), static_cast<BYTE>(value >> 8), static_cast<BYTE>(value));
}

int CDocxBuilder::GetCurrentMonth()
{
    return platform::LocalTime(platform::Now()).tm_mon + 1;
}

std::string CDocxBuilder::FormatNow(const char* format)
{
    return platform::FormatTime(format, platform::LocalTime(platform::Now()), kNowLength);
}

std::string CDocxBuilder::ToUpperCopy(std::string_view text)
{
    return ShiftLetters(text, 'a', 'z', 'A' - 'a');
}

std::string CDocxBuilder::ToLowerCopy(std::string_view text)
{
    return ShiftLetters(text, 'A', 'Z', 'a' - 'A');
}

std::string CDocxBuilder::GetFolderOfPath(std::string_view path)
{
    const size_t separator = platform::LastSeparator(path);
    return separator == std::string_view::npos ? std::string() : std::string(path.substr(0, separator + 1));
}

bool CDocxBuilder::WriteTextLinesToFile(const platform::FilePlace& path, const std::vector<TextLineRecord>& lines)
{
    std::string text;
    for (const TextLineRecord& line : lines)
        text += line.text;
    return AppendToFile(path, platform::EncodeGb18030(text));
}
