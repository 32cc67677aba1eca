#include "settings/DateTimeOper.h"

#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/Shell.h"
#include "settings/CivilDate.h"
#include "settings/DateTextBounds.h"

#include <ctime>
#include <utility>

namespace {

constexpr size_t kShortResult = datebounds::kShownMonthTitle;
constexpr size_t kLongResult = datebounds::kShownDate;

bool HasPattern(const char* pattern)
{
    return pattern != nullptr && *pattern != '\0';
}

CString FormatNowUpTo(const char* pattern, size_t maxLength)
{
    if (!HasPattern(pattern))
        return {};
    return CString(platform::FormatTime(pattern, platform::LocalTime(platform::Now()), maxLength));
}

// Today's local time moved to another month and day of the current year. The date fields are
// left as given (31 April stays 31 April); the weekday and day of year follow the date.
std::tm MovedTo(int month, int day)
{
    std::tm time = platform::LocalTime(platform::Now());
    time.tm_mon = month - 1;
    time.tm_mday = day;
    const int year = time.tm_year + 1900;
    const long long days = civil::DaysFromCivil(year, month, day);
    time.tm_wday = civil::WeekdayOfDays(days);
    time.tm_yday = static_cast<int>(days - civil::DaysFromCivil(year, 1, 1));
    return time;
}

long long DaySpan(int year1, int year2, int month1, int month2, int day1, int day2)
{
    if (year1 == 0 || year2 == 0 || month1 == 0 || month2 == 0 || day1 == 0 || day2 == 0)
        return 0;
    const long long span = civil::DaysFromCivil(year2, month2, day2) - civil::DaysFromCivil(year1, month1, day1) + 1;
    return span > 0 ? span : 0;
}

} // namespace

int CDateTimeOper::GetCurrentYear() const
{
    return platform::LocalTime(platform::Now()).tm_year + 1900;
}

int CDateTimeOper::GetDaysBetween(int year1, int year2, int month1, int month2, int day1, int day2) const
{
    return static_cast<int>(DaySpan(year1, year2, month1, month2, day1, day2));
}

int CDateTimeOper::GetDaysBetweenEx(int year1, int year2, int month1, int month2, int day1, int day2,
                                    const BYTE weekdayFlags[7]) const
{
    const long long span = DaySpan(year1, year2, month1, month2, day1, day2);
    const long long first = civil::DaysFromCivil(year1, month1, day1);
    long long count = span;
    for (long long k = 0; k < span; ++k)
        if (weekdayFlags[civil::WeekdayOfDays(first + k)] == 0)
            --count;
    return static_cast<int>(count);
}

CString CDateTimeOper::FormatNow(const char* pattern) const
{
    return FormatNowUpTo(pattern, kShortResult);
}

CString CDateTimeOper::GetNowString(const char* pattern) const
{
    return FormatNowUpTo(pattern, kLongResult);
}

CString CDateTimeOper::GetNowString2(const char* pattern) const
{
    return FormatNowUpTo(pattern, kLongResult);
}

CString CDateTimeOper::FormatMonthDay(const char* pattern, int month, int day) const
{
    if (!HasPattern(pattern))
        return {};
    return CString(platform::FormatTime(pattern, MovedTo(month, day), kLongResult));
}

CString CDateTimeOper::FormatMonth(const char* pattern, int monthFromZero) const
{
    if (!HasPattern(pattern))
        return {};
    const int today = platform::LocalTime(platform::Now()).tm_mday;
    return CString(platform::FormatTime(pattern, MovedTo(monthFromZero + 1, today), kShortResult));
}

CString CDateTimeOper::FormatNowWithSuffix(const char* pattern, const char* text1, const char* text2) const
{
    if (!HasPattern(pattern))
        return {};
    CString result = FormatNowUpTo(pattern, kLongResult);
    if (text1 != nullptr && *text1 != '\0') {
        result += text1;
        result += "1";
    }
    if (text2 != nullptr)
        result += text2;
    return result;
}

int CDateTimeOper::GetDayOfYear(int month, int day) const
{
    // As the system's normalisation does: a day past the month's end runs into the next one.
    const civil::Date date = civil::CivilFromDays(civil::DaysFromCivil(GetCurrentYear(), month, day));
    return static_cast<int>(civil::DaysFromCivil(date.year, date.month, date.day) -
                            civil::DaysFromCivil(date.year, 1, 1)) + 1;
}

int CDateTimeOper::GetWeekDay(int year, int month, int day) const
{
    if (month == 1 || month == 2) {
        month += 12;
        --year;
    }
    const int w = (day + 2 * month + (3 * (month + 1)) / 5 + year + year / 4 - year / 100 + year / 400) % 7;
    return w + 1;
}

CString CDateTimeOper::GetCurrentDirPath(const char* name) const
{
    return CString(platform::CurrentFolder() + (name ? name : ""));
}

CString CDateTimeOper::JoinStrings(const CString& a, const CString& b) const
{
    return b + a;
}

CString CDateTimeOper::GetFolderPart(const CString& path) const
{
    const size_t separator = platform::LastSeparator(path.str());
    return separator == std::string::npos ? CString() : CString(path.str().substr(0, separator));
}

BOOL CDateTimeOper::IsDigitString18(const char* text) const
{
    for (const char* p = text ? text : ""; *p != '\0'; ++p)
        if (*p < '1' || *p > '8')
            return FALSE;
    return TRUE;
}

// Here the shell has no owner windows or working folders, so the three requests are one.
BOOL CDateTimeOper::OpenFolder(const CString& path, platform::ShellFailure failed) const
{
    return ShellOpenPath(path, std::move(failed));
}

BOOL CDateTimeOper::ShellOpenPath(const CString& path, platform::ShellFailure failed) const
{
    return path.IsEmpty() || platform::ShellOpen(path.str(), std::move(failed)) ? TRUE : FALSE;
}

void CDateTimeOper::ShellOpenPathNoOwner(const CString& path) const
{
    ShellOpenPath(path);
}
