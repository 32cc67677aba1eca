#pragma once
// Local time for the program. Tests may fix the clock; everything that asks for "now" asks here.

#include <ctime>
#include <string>

namespace platform {

std::time_t Now();

// Fixes "now" at the given moment until ClearFixedClock (a test hook).
void SetFixedClock(std::time_t moment);
void ClearFixedClock();

std::tm LocalTime(std::time_t moment);
std::tm UniversalTime(std::time_t moment);

// Normalises the broken-down local time as mktime does (31 April becomes 1 May).
std::time_t NormaliseLocalTime(std::tm& time);

// strftime in the C locale, so "%a %A %b %B" give the English names whatever the
// user's locale. Returns "" when the result would take more than maxStoredBytes bytes as
// stored (GB18030, as the program's files hold texts), whatever its length in UTF-8.
std::string FormatTime(const char* pattern, const std::tm& time, size_t maxStoredBytes);
// The length as stored of the pattern's whole text, however long; SIZE_MAX past a mebibyte.
size_t FormattedStoredBytes(const char* pattern, const std::tm& time);

} // namespace platform
