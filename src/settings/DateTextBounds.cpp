#include "settings/DateTextBounds.h"

#include "platform/Clock.h"
#include "settings/CivilDate.h"

#include <algorithm>

namespace datebounds {
namespace {

size_t LongestText(const char* format, int year)
{
    std::tm time = platform::LocalTime(platform::Now());
    time.tm_year = year - 1900;
    const long long first = civil::DaysFromCivil(year, 1, 1);
    size_t longest = 0;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= civil::DaysInMonth(year, month); ++day) {
            const long long days = civil::DaysFromCivil(year, month, day);
            time.tm_mon = month - 1;
            time.tm_mday = day;
            time.tm_wday = civil::WeekdayOfDays(days);
            time.tm_yday = static_cast<int>(days - first);
            longest = std::max(longest, platform::FormattedStoredBytes(format, time));
        }
    }
    return longest;
}

} // namespace

bool Fits(const char* format, int year, size_t bound)
{
    return LongestText(format, year) <= bound;
}

} // namespace datebounds
