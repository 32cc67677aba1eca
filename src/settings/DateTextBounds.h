#pragma once
// How long the texts of a date format get, in bytes as stored (GB18030: two for a Chinese
// character, one for a letter or digit), against the bounds past which a text is left out whole.

#include <cstddef>

namespace datebounds {

// What the windows show of a month title and of a date.
inline constexpr size_t kShownMonthTitle = 49;
inline constexpr size_t kShownDate = 199;
// What the generator writes of a month label and of a date heading.
inline constexpr size_t kWrittenMonthLabel = 150;
inline constexpr size_t kWrittenDate = 500;

// The longest text the format gives in the year, and the first day (month and day, 1-based) that
// gives it. Every day is taken, for month formats too: month and weekday names differ in length,
// and a month title is made on any day. An empty format gives no text.
struct LongestText {
    size_t bytes = 0;
    int month = 1;
    int day = 1;
};
LongestText Longest(const char* format, int year);

// Whether the text the format gives on every day of the year fits the bound.
bool Fits(const char* format, int year, size_t bound);

// How many Chinese characters the bound holds.
constexpr size_t ChineseCharacters(size_t bound)
{
    return bound / 2;
}

} // namespace datebounds
