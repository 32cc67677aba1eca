#include "settings/CivilDate.h"

namespace civil {
namespace {

long long FloorDiv(long long a, long long b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

} // namespace

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kLengths[month - 1];
}

// Counts in eras of 400 years starting on 1 March, so the leap day falls at the end of a year.
long long DaysFromCivil(int year, int month, int day)
{
    long long y = year + FloorDiv(month - 1, 12);
    const long long m = month - 1 - 12 * FloorDiv(month - 1, 12) + 1;   // 1..12
    y -= m <= 2 ? 1 : 0;
    const long long era = FloorDiv(y, 400);
    const long long yearOfEra = y - era * 400;
    const long long dayOfYear = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

Date CivilFromDays(long long days)
{
    days += 719468;
    const long long era = FloorDiv(days, 146097);
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long mp = (5 * dayOfYear + 2) / 153;
    const long long day = dayOfYear - (153 * mp + 2) / 5 + 1;
    const long long month = mp < 10 ? mp + 3 : mp - 9;
    const long long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)};
}

int WeekdayOfDays(long long days)
{
    // 1 January 1970 was a Thursday.
    return static_cast<int>(((days % 7) + 7 + 4) % 7);
}

int WeekdayOf(int year, int month, int day)
{
    return WeekdayOfDays(DaysFromCivil(year, month, day));
}

} // namespace civil
