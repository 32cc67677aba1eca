#include "platform/Clock.h"

#include "platform/CodePage.h"

#include <atomic>
#include <cstdint>
#include <clocale>
#include <locale.h>
#include <vector>

namespace platform {
namespace {

std::atomic<bool> g_clockFixed{false};
std::atomic<std::time_t> g_fixedMoment{0};

locale_t CLocale()
{
    static const locale_t locale = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

} // namespace

std::time_t Now()
{
    return g_clockFixed ? g_fixedMoment.load() : std::time(nullptr);
}

void SetFixedClock(std::time_t moment)
{
    g_fixedMoment = moment;
    g_clockFixed = true;
}

void ClearFixedClock()
{
    g_clockFixed = false;
}

std::tm LocalTime(std::time_t moment)
{
    std::tm result {};
    ::localtime_r(&moment, &result);
    return result;
}

std::tm UniversalTime(std::time_t moment)
{
    std::tm result {};
    ::gmtime_r(&moment, &result);
    return result;
}

std::time_t NormaliseLocalTime(std::tm& time)
{
    return std::mktime(&time);
}

std::string FormatTime(const char* pattern, const std::tm& time, size_t maxStoredBytes)
{
    if (pattern == nullptr || *pattern == '\0')
        return {};
    // No character takes more than one and a half times its stored bytes in UTF-8.
    std::vector<char> buffer(2 * maxStoredBytes + 1);
    const size_t length = ::strftime_l(buffer.data(), buffer.size(), pattern, &time, CLocale());
    std::string text(buffer.data(), length);
    if (EncodedLength(text, DiskEncoding::Gb18030) > maxStoredBytes)
        return {};
    return text;
}

size_t FormattedStoredBytes(const char* pattern, const std::tm& time)
{
    if (pattern == nullptr || *pattern == '\0')
        return 0;
    // Every text then ends in the mark, so a length of 0 only ever means the buffer was short.
    const std::string marked = std::string(pattern) + "|";
    constexpr size_t kLongest = size_t{1} << 20;
    for (size_t size = 256; size <= kLongest; size *= 4) {
        std::vector<char> buffer(size);
        const size_t length = ::strftime_l(buffer.data(), size, marked.c_str(), &time, CLocale());
        if (length != 0)
            return EncodedLength(std::string(buffer.data(), length - 1), DiskEncoding::Gb18030);
    }
    return SIZE_MAX;
}

} // namespace platform
