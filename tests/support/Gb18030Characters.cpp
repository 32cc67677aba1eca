#include "support/Gb18030Characters.h"

#include <iconv.h>

std::string ConvertWithIconv(const char* to, const char* from, const std::string& bytes)
{
    iconv_t cd = iconv_open(to, from);
    std::string in = bytes, out(bytes.size() * 4 + 4, '\0');
    char* src = in.data();
    char* dst = out.data();
    size_t inLeft = in.size(), outLeft = out.size();
    const size_t rc = iconv(cd, &src, &inLeft, &dst, &outLeft);
    iconv_close(cd);
    return rc == static_cast<size_t>(-1) ? std::string() : out.substr(0, out.size() - outLeft);
}

std::string ToUtf8From(const char* encoding, const std::string& bytes)
{
    return ConvertWithIconv("UTF-8", encoding, bytes);
}

std::string Gb18030ToUtf8(const std::string& bytes)
{
    return ToUtf8From("GB18030", bytes);
}

const std::vector<GbCharacter>& TwoByteGb18030Characters()
{
    static const std::vector<GbCharacter> characters = [] {
        std::vector<GbCharacter> found;
        for (int lead = 0x81; lead <= 0xFE; ++lead)
            for (int trail = 0x40; trail <= 0xFE; ++trail) {
                if (trail == 0x7F)
                    continue;
                std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
                std::string text = Gb18030ToUtf8(bytes);
                if (!text.empty())
                    found.push_back({std::move(bytes), std::move(text)});
            }
        return found;
    }();
    return characters;
}
