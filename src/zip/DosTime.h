#pragma once
// Moments as the zip records hold them: MS-DOS date and time fields, and seconds since 1970.

#include "platform/WinTypes.h"

#include <ctime>

namespace zip {

struct CalendarTime {
    int year;
    int month;   // 1..12
    int day;     // 1..31
    int hour;
    int minute;
    int second;
};

// The calendar fields of a moment in UTC.
CalendarTime UtcCalendar(std::time_t moment);
// The moment whose UTC fields these are (local fields read this way count local time as UTC).
std::time_t SecondsAsUtc(const CalendarTime& time);
// The calendar fields of a local time as the platform's clock reports it.
CalendarTime FromLocal(const std::tm& local);

// DOS time in the low half, DOS date in the high half. A DOS date holds only the years
// 1980 to 2107, so earlier moments become 1980-01-01 00:00:00 and later ones the last
// moment of 2107, instead of wrapping round.
DWORD DosTimestamp(const CalendarTime& time);

} // namespace zip
