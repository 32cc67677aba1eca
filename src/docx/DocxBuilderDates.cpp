// Calendar arithmetic of the generator: quarters, day counts over a range, the weekday filter.
// The diary is made for one year, which a run reads once and hands to every count.
#include "docx/DocxBuilder.h"

#include "settings/CivilDate.h"
#include "settings/Settings.h"

#include <cstdio>

namespace {

bool IsMonth(int month)
{
    return month >= 1 && month <= 12;
}

} // namespace

int CDocxBuilder::GetQuarterOfMonth(int month)
{
    return IsMonth(month) ? (month - 1) / 3 + 1 : 0;
}

int CDocxBuilder::GetMonthPosInQuarter(int month)
{
    return IsMonth(month) ? (month - 1) % 3 : 0;
}

int CDocxBuilder::GetMonthInQuarter(int month)
{
    const int place = month % 3;
    return place == 0 ? 3 : place;
}

int CDocxBuilder::GetDaysInQuarter(int quarter, int year)
{
    switch (quarter) {
    case 1: return civil::IsLeapYear(year) ? 91 : 90;
    case 2: return 91;
    case 3:
    case 4: return 92;
    default: return -1;
    }
}

int CDocxBuilder::GetDaysLeftInQuarter(int month, int firstDay, int year)
{
    int days = civil::DaysInMonth(year, month) - firstDay + 1;
    const int place = GetMonthInQuarter(month);
    if (place <= 2)
        days += civil::DaysInMonth(year, month + 1);
    if (place == 1)
        days += civil::DaysInMonth(year, month + 2);
    return days;
}

int CDocxBuilder::GetQuarterSpans(std::vector<QuarterSpan>& spans, int firstMonth, int lastMonth, int firstDay,
                                  int year)
{
    const int first = GetQuarterOfMonth(firstMonth);
    const int last = GetQuarterOfMonth(lastMonth);
    if (first == last) {
        spans.push_back({0, first});
        return 0;
    }
    int offset = 0;
    for (int quarter = first; quarter <= last; ++quarter) {
        if (quarter == first + 1)
            offset = GetDaysLeftInQuarter(firstMonth, firstDay, year);
        else if (quarter > first + 1)
            offset += GetDaysInQuarter(quarter - 1, year);
        spans.push_back({offset, quarter});
    }
    return 0;
}

int CDocxBuilder::CountDaysBetween(int year, int firstMonth, int lastMonth, int firstDay, int lastDay)
{
    if (firstMonth == lastMonth)
        return lastDay - firstDay + 1;
    int days = civil::DaysInMonth(year, firstMonth) - firstDay + 1 + lastDay;
    for (int month = firstMonth + 1; month < lastMonth; ++month)
        days += civil::DaysInMonth(year, month);
    return days;
}

int CDocxBuilder::IsLeapYear(int year)
{
    return civil::IsLeapYear(year) ? 1 : 0;
}

int CDocxBuilder::GetDaysInYear(int year)
{
    return civil::IsLeapYear(year) ? 366 : 365;
}

int CDocxBuilder::GetDaysOfCurrentYear()
{
    return GetDaysInYear(GetCurrentYear());
}

CDocxBuilder::MonthDay CDocxBuilder::DayOffsetToMonthDay(int year, int n, int startMonth, int endMonth)
{
    int before = 0;   // days of the range's months before month k
    for (int month = startMonth; month <= endMonth && IsMonth(month); ++month) {
        const int length = civil::DaysInMonth(year, month);
        if (n > before && n <= before + length)
            return {month, n - before};
        before += length;
    }
    return {0, 0};
}

int CDocxBuilder::GetWeekday(int year, int month, int day)
{
    return civil::WeekdayOf(year, month, day);
}

int CDocxBuilder::GetMonthOfDayOfYear(int year, int dayOfYear)
{
    const MonthDay date = DayOffsetToMonthDay(year, dayOfYear, 1, 12);
    std::printf("Current Day :%d\n", date.day);
    return date.month;
}

int CDocxBuilder::GetDayOfMonth(int year, int dayOfYear)
{
    return DayOffsetToMonthDay(year, dayOfYear, 1, 12).day;
}

std::string CDocxBuilder::IsWeekdayUnchecked(int weekday)
{
    if (weekday < 0 || weekday > 6)
        return {};
    return IsWeekdayUncheckedFlag(weekday) ? "1" : "0";
}

bool CDocxBuilder::IsWeekdayUncheckedFlag(int weekday)
{
    return weekday >= 0 && weekday <= 6 && g_abUncheckedWeek[weekday] == 1;
}

bool CDocxBuilder::IsWeekdayChecked(int weekday, DWORD sundayToWednesday, DWORD thursdayToSaturday)
{
    if (weekday < 0 || weekday > 6)
        return false;
    const DWORD word = weekday < 4 ? sundayToWednesday : thursdayToSaturday;
    const int byte = weekday < 4 ? weekday : weekday - 4;
    return ((word >> (8 * byte)) & 0xFFu) == 1;
}

std::string CDocxBuilder::BoolToDigit(BYTE flag)
{
    return flag == 1 ? "1" : "0";
}
