#pragma once
// Plain calendar arithmetic on civil dates (proleptic Gregorian), free of time zones and
// daylight saving, for everything that counts days.

namespace civil {

bool IsLeapYear(int year);
// Days of a month 1..12 in that year; 0 for any other month number.
int DaysInMonth(int year, int month);
// Day number of a date, 1 January 1970 being 0. Days and months outside their ranges
// carry over as mktime does (31 April is 1 May, month 13 is January of the next year).
long long DaysFromCivil(int year, int month, int day);

struct Date {
    int year;
    int month;
    int day;
};
Date CivilFromDays(long long days);

// 0 = Sunday .. 6 = Saturday.
int WeekdayOfDays(long long days);
int WeekdayOf(int year, int month, int day);

} // namespace civil
