#include "platform/ProfileBinary.h"

#include "platform/Profile.h"

namespace platform {
namespace {

// Long enough for the biggest value the program writes (a few hundred column widths).
constexpr size_t kValueBufferSize = 65536;

int Nibble(char digit)
{
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    if (digit >= 'A' && digit <= 'F')
        return digit - 'A' + 10;
    if (digit >= 'a' && digit <= 'f')
        return digit - 'a' + 10;
    return -1;
}

} // namespace

bool WriteProfileBinary(std::string_view section, std::string_view key, const std::vector<unsigned char>& bytes,
                        const std::string& file)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const unsigned char byte : bytes) {
        text.push_back(kDigits[byte >> 4]);
        text.push_back(kDigits[byte & 0xF]);
    }
    return WritePrivateProfileString(section, key, text, file);
}

std::optional<std::vector<unsigned char>> GetProfileBinary(std::string_view section, std::string_view key,
                                                           const std::string& file)
{
    const std::string text = GetPrivateProfileString(section, key, "", kValueBufferSize, file);
    if (text.empty() || text.size() % 2 != 0)
        return std::nullopt;
    std::vector<unsigned char> bytes;
    bytes.reserve(text.size() / 2);
    for (size_t at = 0; at < text.size(); at += 2) {
        const int high = Nibble(text[at]);
        const int low = Nibble(text[at + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes.push_back(static_cast<unsigned char>(high * 16 + low));
    }
    return bytes;
}

} // namespace platform
