#include "zip/DosTime.h"

#include "zip/ZipFormat.h"

#include <chrono>

namespace zip {

using namespace std::chrono;

CalendarTime UtcCalendar(std::time_t moment)
{
    const sys_seconds point{seconds{moment}};
    const sys_days day = floor<days>(point);
    const year_month_day date{day};
    const hh_mm_ss clock{point - day};
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())), static_cast<int>(clock.hours().count()),
            static_cast<int>(clock.minutes().count()), static_cast<int>(clock.seconds().count())};
}

std::time_t SecondsAsUtc(const CalendarTime& time)
{
    const sys_days day{year{time.year} / month{static_cast<unsigned>(time.month)} /
                       std::chrono::day{static_cast<unsigned>(time.day)}};
    const sys_seconds point = day + hours{time.hour} + minutes{time.minute} + seconds{time.second};
    return static_cast<std::time_t>(point.time_since_epoch().count());
}

CalendarTime FromLocal(const std::tm& local)
{
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

DWORD DosTimestamp(const CalendarTime& time)
{
    CalendarTime t = time;
    if (t.year < zipformat::kDosFirstYear)
        t = {zipformat::kDosFirstYear, 1, 1, 0, 0, 0};
    else if (t.year > zipformat::kDosLastYear)
        t = {zipformat::kDosLastYear, 12, 31, 23, 59, 59};
    const auto date = static_cast<DWORD>(((t.year - zipformat::kDosFirstYear) & 127) << 9 | (t.month & 15) << 5 |
                                         (t.day & 31));
    const auto clock = static_cast<DWORD>((t.hour & 31) << 11 | (t.minute & 63) << 5 | (t.second / 2));
    return date << 16 | clock;
}

} // namespace zip
