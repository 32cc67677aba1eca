#pragma once
// The date arithmetic of the date range dialog, without windows. Every date lies in one year.

#include "platform/WinTypes.h"

#include <optional>
#include <string_view>

struct MonthDay {
    int month = 0;
    int day = 0;
};

// The day after the date, kept inside the year: 31 December stays 31 December.
MonthDay TomorrowInYear(int year, MonthDay today);

struct CountedEnd {
    MonthDay end;
    int counted = 0;   // ticked days from the start to the end, both included
};
// Walks from the start date to the count-th day whose weekday is ticked (index 0 = Sunday),
// stopping on 31 December when the year ends first.
CountedEnd EndFromDayCount(int year, MonthDay start, int count, const BYTE weekdays[7]);

// A day count as typed: nothing when it holds anything but digits; an empty text is 0, and a
// number too long for an int reads as the largest int, so it fails any range check.
std::optional<int> ParseDayCount(std::string_view text);
