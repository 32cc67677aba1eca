// Day counts, weekdays and date formatting, checked against plain civil-date counting and in a
// time zone with daylight saving.
#include "platform/Clock.h"
#include "platform/Shell.h"
#include "settings/CivilDate.h"
#include "settings/DateTimeOper.h"
#include "support/Printers.h"
#include "support/RepeatedText.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The moment 12:00 local time on a date.
std::time_t Noon(int year, int month, int day)
{
    std::tm time {};
    time.tm_year = year - 1900;
    time.tm_mon = month - 1;
    time.tm_mday = day;
    time.tm_hour = 12;
    time.tm_isdst = -1;
    return std::mktime(&time);
}

// Counting by hand: step one day at a time with the month lengths.
int CountDaysByStepping(int y1, int m1, int d1, int y2, int m2, int d2)
{
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int count = 0;
    int y = y1, m = m1, d = d1;
    while (y < y2 || (y == y2 && (m < m2 || (m == m2 && d <= d2)))) {
        ++count;
        const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
        if (++d > lengths[m - 1] + (m == 2 && leap ? 1 : 0)) {
            d = 1;
            if (++m > 12) {
                m = 1;
                ++y;
            }
        }
    }
    return count;
}

// Runs a test body in a time zone with daylight saving, and a fixed clock.
class DateTimeOperTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* zone = std::getenv("TZ");
        m_savedZone = zone ? zone : "";
        m_hadZone = zone != nullptr;
        ::setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
        ::tzset();
        platform::SetFixedClock(Noon(2026, 12, 6));
    }
    void TearDown() override
    {
        platform::ClearFixedClock();
        platform::SetShellRecorder(nullptr);
        if (m_hadZone)
            ::setenv("TZ", m_savedZone.c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }

    CDateTimeOper oper;

private:
    std::string m_savedZone;
    bool m_hadZone = false;
};

} // namespace

TEST_F(DateTimeOperTest, DayCountsAgreeWithSteppingThroughTheCalendar)
{
    struct Span {
        int y1, m1, d1, y2, m2, d2;
    };
    const Span spans[] = {
        {2026, 3, 28, 2026, 3, 30},   // over the spring change
        {2026, 10, 24, 2026, 10, 26}, // over the autumn change
        {2024, 2, 1, 2024, 3, 1},     // leap February
        {2023, 2, 1, 2023, 3, 1},
        {2000, 1, 1, 2000, 12, 31},
        {1900, 2, 27, 1900, 3, 2},
        {2026, 1, 1, 2026, 12, 31},
        {2025, 12, 30, 2026, 1, 2},
    };
    for (const Span& s : spans)
        EXPECT_EQ(oper.GetDaysBetween(s.y1, s.y2, s.m1, s.m2, s.d1, s.d2),
                  CountDaysByStepping(s.y1, s.m1, s.d1, s.y2, s.m2, s.d2))
            << s.y1 << "-" << s.m1 << "-" << s.d1 << " to " << s.y2 << "-" << s.m2 << "-" << s.d2;
    for (int year = 1996; year <= 2030; ++year)
        EXPECT_EQ(oper.GetDaysBetween(year, year, 1, 12, 1, 31), civil::IsLeapYear(year) ? 366 : 365) << year;
}

TEST_F(DateTimeOperTest, DayCountEdges)
{
    EXPECT_EQ(oper.GetDaysBetween(2026, 2026, 5, 5, 7, 7), 1);
    EXPECT_EQ(oper.GetDaysBetween(2026, 2026, 5, 5, 8, 7), 0);
    EXPECT_EQ(oper.GetDaysBetween(2026, 2026, 0, 5, 1, 7), 0);
    EXPECT_EQ(oper.GetDaysBetween(2026, 0, 1, 5, 1, 7), 0);
    // 31 April is 1 May, as the system's own normalisation has it.
    EXPECT_EQ(oper.GetDaysBetween(2026, 2026, 4, 5, 31, 1), 1);
}

TEST_F(DateTimeOperTest, WeekdayFilterCountsOnlyTickedDays)
{
    const BYTE workdays[7] = {0, 1, 1, 1, 1, 1, 0};
    // Monday 30 November 2026 to Sunday 6 December.
    EXPECT_EQ(oper.GetDaysBetweenEx(2026, 2026, 11, 12, 30, 6, workdays), 5);
    const BYTE all[7] = {1, 1, 1, 1, 1, 1, 1};
    EXPECT_EQ(oper.GetDaysBetweenEx(2026, 2026, 3, 3, 1, 31, all), 31);
    const BYTE sundaysOnly[7] = {1, 0, 0, 0, 0, 0, 0};
    // March 2026 has five Sundays, one of them the day the clocks go forward.
    EXPECT_EQ(oper.GetDaysBetweenEx(2026, 2026, 3, 3, 1, 31, sundaysOnly), 5);
    EXPECT_EQ(oper.GetDaysBetweenEx(2026, 2026, 3, 3, 0, 31, all), 0);
}

TEST_F(DateTimeOperTest, WeekdaysAgreeWithTheCalendar)
{
    EXPECT_EQ(oper.GetWeekDay(2026, 12, 5), 6);
    EXPECT_EQ(oper.GetWeekDay(2000, 1, 1), 6);
    for (int year : {1900, 1999, 2000, 2024, 2026, 2100})
        for (int month = 1; month <= 12; ++month)
            for (int day : {1, 15, 28}) {
                const std::tm local = platform::LocalTime(Noon(year, month, day));
                const int mondayFirst = local.tm_wday == 0 ? 7 : local.tm_wday;
                EXPECT_EQ(oper.GetWeekDay(year, month, day), mondayFirst) << year << "-" << month << "-" << day;
                EXPECT_EQ(civil::WeekdayOf(year, month, day), local.tm_wday) << year << "-" << month << "-" << day;
            }
}

TEST_F(DateTimeOperTest, DayOfYearInTheCurrentYear)
{
    EXPECT_EQ(oper.GetCurrentYear(), 2026);
    EXPECT_EQ(oper.GetDayOfYear(1, 1), 1);
    EXPECT_EQ(oper.GetDayOfYear(3, 30), 89);   // the day after the spring change
    EXPECT_EQ(oper.GetDayOfYear(12, 31), 365);
    EXPECT_EQ(oper.GetDayOfYear(4, 31), 121);  // 1 May
    platform::SetFixedClock(Noon(2028, 6, 1));
    EXPECT_EQ(oper.GetDayOfYear(12, 31), 366);
}

TEST_F(DateTimeOperTest, FormattingUsesEnglishNamesAndTheGivenDate)
{
    EXPECT_EQ(oper.FormatNow("%Y-%m-%d %a %A %b %B"), "2026-12-06 Sun Sunday Dec December");
    EXPECT_EQ(oper.FormatMonth("%B", 0), "January");
    EXPECT_EQ(oper.FormatMonth("%b %Y", 11), "Dec 2026");
    EXPECT_EQ(oper.FormatMonthDay("%Y-%m-%d,%a", 3, 29), "2026-03-29,Sun");
    EXPECT_EQ(oper.FormatMonthDay("%m月%d日 %j", 2, 1), "02月01日 032");
    EXPECT_EQ(oper.FormatMonthDay("", 2, 1), "");
    EXPECT_EQ(oper.GetNowString("%Y"), "2026");
    EXPECT_EQ(oper.GetNowString2(""), "");
    EXPECT_EQ(oper.FormatNowWithSuffix("%Y", "a", "b"), "2026a1b");
    EXPECT_EQ(oper.FormatNowWithSuffix("%Y", "", "b"), "2026b");
    EXPECT_EQ(oper.FormatNowWithSuffix("", "a", "b"), "");
    // Too long for its result: no text rather than a cut one.
    EXPECT_EQ(oper.FormatNow("%A %A %A %A %A %A %A %A"), "");
    EXPECT_EQ(oper.GetNowString("%A %A %A %A %A %A %A %A"), "Sunday Sunday Sunday Sunday Sunday Sunday Sunday Sunday");
}

// The bounds (49 bytes for a month, 199 for a day) count the bytes a result takes as stored
// (GB18030: two a Chinese character), not its UTF-8 bytes (three).
TEST_F(DateTimeOperTest, ResultBoundsCountTheBytesAsStored)
{
    EXPECT_EQ(oper.FormatMonth(("%m" + Repeated("学", 23) + "!").c_str(), 11), "12" + Repeated("学", 23) + "!");
    EXPECT_EQ(oper.FormatMonth(("%m" + Repeated("学", 24)).c_str(), 11), "");
    EXPECT_EQ(oper.FormatMonthDay(("%d" + Repeated("学", 98) + "!").c_str(), 12, 6), "06" + Repeated("学", 98) + "!");
    EXPECT_EQ(oper.FormatMonthDay(("%d" + Repeated("学", 99)).c_str(), 12, 6), "");
}

TEST_F(DateTimeOperTest, PathAndTextHelpers)
{
    EXPECT_EQ(oper.GetFolderPart("C:\\diary\\a.ini"), "C:\\diary");
    EXPECT_EQ(oper.GetFolderPart("/home/me/a.ini"), "/home/me");
    EXPECT_EQ(oper.GetFolderPart("a.ini"), "");
    EXPECT_EQ(oper.JoinStrings("name.ini", "/folder/"), "/folder/name.ini");
    EXPECT_EQ(oper.GetCurrentDirPath("x.ini").Right(6), "/x.ini");
    EXPECT_TRUE(oper.IsDigitString18("128"));
    EXPECT_FALSE(oper.IsDigitString18("190"));
    EXPECT_FALSE(oper.IsDigitString18("9"));
    EXPECT_TRUE(oper.IsDigitString18(""));
}

TEST_F(DateTimeOperTest, ShellRequestsOnlyForNonEmptyPaths)
{
    std::vector<std::string> opened;
    platform::SetShellRecorder([&](const std::string& target) {
        opened.push_back(target);
        return true;
    });
    oper.OpenFolder("");
    oper.OpenFolder("/diary");
    oper.ShellOpenPath("/diary/my_diary.docx");
    oper.ShellOpenPathNoOwner("");
    EXPECT_EQ(opened, (std::vector<std::string>{"/diary", "/diary/my_diary.docx"}));
}

TEST(CivilDate, DayNumbersMatchTheSystemsUtcCalendar)
{
    for (int year = 1601; year <= 2400; year += 7)
        for (int month = 1; month <= 12; ++month) {
            std::tm time {};
            time.tm_year = year - 1900;
            time.tm_mon = month - 1;
            time.tm_mday = civil::DaysInMonth(year, month);
            const long long days = civil::DaysFromCivil(year, month, time.tm_mday);
            ASSERT_EQ(days * 86400, static_cast<long long>(::timegm(&time))) << year << "-" << month;
            const civil::Date back = civil::CivilFromDays(days);
            EXPECT_EQ(back.year * 10000 + back.month * 100 + back.day, year * 10000 + month * 100 + time.tm_mday);
        }
    EXPECT_EQ(civil::DaysFromCivil(2026, 13, 1), civil::DaysFromCivil(2027, 1, 1));
    EXPECT_EQ(civil::DaysFromCivil(2026, 0, 1), civil::DaysFromCivil(2025, 12, 1));
    EXPECT_EQ(civil::DaysInMonth(2026, 13), 0);
    EXPECT_FALSE(civil::IsLeapYear(1900));
    EXPECT_TRUE(civil::IsLeapYear(2000));
}
