#include "settings/DateTextBounds.h"

#include "platform/Clock.h"
#include "settings/CivilDate.h"

namespace datebounds {

LongestText Longest(const char* format, int year)
{
    std::tm time = platform::LocalTime(platform::Now());
    time.tm_year = year - 1900;
    const long long first = civil::DaysFromCivil(year, 1, 1);
    LongestText longest;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= civil::DaysInMonth(year, month); ++day) {
            const long long days = civil::DaysFromCivil(year, month, day);
            time.tm_mon = month - 1;
            time.tm_mday = day;
            time.tm_wday = civil::WeekdayOfDays(days);
            time.tm_yday = static_cast<int>(days - first);
            const size_t bytes = platform::FormattedStoredBytes(format, time);
            if (bytes > longest.bytes)
                longest = LongestText{bytes, month, day};
        }
    }
    return longest;
}

bool Fits(const char* format, int year, size_t bound)
{
    return Longest(format, year).bytes <= bound;
}

} // namespace datebounds
