#include "dialogs/calendar/DateRangeRules.h"

#include "settings/CivilDate.h"

#include <climits>

MonthDay TomorrowInYear(int year, MonthDay today)
{
    if (today.day < civil::DaysInMonth(year, today.month))
        return {today.month, today.day + 1};
    return today.month < 12 ? MonthDay{today.month + 1, 1} : today;
}

CountedEnd EndFromDayCount(int year, MonthDay start, int count, const BYTE weekdays[7])
{
    const long long last = civil::DaysFromCivil(year, 12, 31);
    long long day = civil::DaysFromCivil(year, start.month, start.day);
    int counted = 0;
    for (;; ++day) {
        if (weekdays[civil::WeekdayOfDays(day)] == 1)
            ++counted;
        if (counted >= count || day == last)
            break;
    }
    const civil::Date end = civil::CivilFromDays(day);
    return {{end.month, end.day}, counted};
}

std::optional<int> ParseDayCount(std::string_view text)
{
    long long value = 0;
    for (const char ch : text) {
        if (ch < '0' || ch > '9')
            return std::nullopt;
        value = value * 10 + (ch - '0');
        if (value > INT_MAX)
            return INT_MAX;
    }
    return static_cast<int>(value);
}
