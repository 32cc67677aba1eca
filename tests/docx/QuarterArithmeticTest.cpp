// Quarters and day counts of a range, the weekday filter and the small utilities. Day counts
// take the run's year; the clock, fixed in a common year, must not change them.
#include "docx/DocxBuilder.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "settings/CivilDate.h"
#include "settings/Settings.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using B = CDocxBuilder;

namespace {

// Noon in the middle of the year, so the local date is the same in every time zone.
std::time_t MiddleOf(int year)
{
    return static_cast<std::time_t>(civil::DaysFromCivil(year, 6, 15)) * 86400 + 12 * 3600;
}

class QuarterArithmetic : public testing::Test {
protected:
    void SetUp() override
    {
        SetStartValues();
        platform::SetFixedClock(MiddleOf(2023));
    }
    void TearDown() override
    {
        platform::ClearFixedClock();
        SetStartValues();
    }
};

std::vector<std::pair<int, int>> Spans(int first, int last, int firstDay)
{
    std::vector<B::QuarterSpan> spans;
    EXPECT_EQ(B::GetQuarterSpans(spans, first, last, firstDay, 2023), 0);
    std::vector<std::pair<int, int>> pairs;
    for (const B::QuarterSpan& span : spans)
        pairs.emplace_back(span.offset, span.quarter);
    return pairs;
}

} // namespace

TEST_F(QuarterArithmetic, QuartersOfMonths)
{
    const int quarter[] = {0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 0};
    const int position[] = {0, 0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2, 0};
    const int place[] = {3, 1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2, 3, 1};
    for (int month = 0; month <= 13; ++month) {
        EXPECT_EQ(B::GetQuarterOfMonth(month), quarter[month]) << month;
        EXPECT_EQ(B::GetMonthPosInQuarter(month), position[month]) << month;
        EXPECT_EQ(B::GetMonthInQuarter(month), place[month]) << month;
    }
}

TEST_F(QuarterArithmetic, DaysInQuartersFollowTheYearGivenNotTheClock)
{
    EXPECT_EQ(B::GetDaysInQuarter(1, 2023), 90);
    EXPECT_EQ(B::GetDaysInQuarter(2, 2023), 91);
    EXPECT_EQ(B::GetDaysInQuarter(3, 2023), 92);
    EXPECT_EQ(B::GetDaysInQuarter(4, 2023), 92);
    EXPECT_EQ(B::GetDaysInQuarter(0, 2023), -1);
    EXPECT_EQ(B::GetDaysInQuarter(5, 2023), -1);
    EXPECT_EQ(B::GetDaysInQuarter(1, 2024), 91);
    EXPECT_EQ(B::GetDaysLeftInQuarter(1, 1, 2024), 91);
    EXPECT_EQ(B::GetDaysLeftInQuarter(2, 1, 2024), 60);
    platform::SetFixedClock(MiddleOf(2024));
    EXPECT_EQ(B::GetDaysInQuarter(1, 2023), 90);
    EXPECT_EQ(B::GetDaysLeftInQuarter(1, 1, 2023), 90);
    EXPECT_EQ(Spans(1, 12, 1), (std::vector<std::pair<int, int>>{{0, 1}, {90, 2}, {181, 3}, {273, 4}}));
}

TEST_F(QuarterArithmetic, DaysLeftInTheQuarterFromTheStartDay)
{
    EXPECT_EQ(B::GetDaysLeftInQuarter(2, 15, 2023), 28 - 15 + 1 + 31);
    EXPECT_EQ(B::GetDaysLeftInQuarter(4, 15, 2023), 30 - 15 + 1 + 31 + 30);
    EXPECT_EQ(B::GetDaysLeftInQuarter(12, 15, 2023), 31 - 15 + 1);
}

TEST_F(QuarterArithmetic, QuarterSpansOfARange)
{
    EXPECT_EQ(Spans(2, 8, 15), (std::vector<std::pair<int, int>>{{0, 1}, {45, 2}, {136, 3}}));
    EXPECT_EQ(Spans(4, 6, 15), (std::vector<std::pair<int, int>>{{0, 2}}));
    EXPECT_EQ(Spans(1, 12, 1), (std::vector<std::pair<int, int>>{{0, 1}, {90, 2}, {181, 3}, {273, 4}}));
}

TEST_F(QuarterArithmetic, DaysBetweenTwoDatesOfAYear)
{
    EXPECT_EQ(B::CountDaysBetween(2024, 1, 3, 30, 2), 33);
    EXPECT_EQ(B::CountDaysBetween(2023, 1, 3, 30, 2), 32);
    EXPECT_EQ(B::CountDaysBetween(2023, 5, 5, 3, 9), 7);
    EXPECT_EQ(B::CountDaysBetween(2023, 1, 12, 1, 31), 365);
}

TEST_F(QuarterArithmetic, WeekdayFilter)
{
    for (BYTE& flag : g_abUncheckedWeek)
        flag = 1;
    g_abUncheckedWeek[0] = 0;
    g_abUncheckedWeek[6] = 2;
    EXPECT_EQ(B::IsWeekdayUnchecked(0), "0");
    EXPECT_EQ(B::IsWeekdayUnchecked(3), "1");
    EXPECT_EQ(B::IsWeekdayUnchecked(6), "0");
    EXPECT_EQ(B::IsWeekdayUnchecked(7), "");
    EXPECT_EQ(B::IsWeekdayUnchecked(-1), "");
    EXPECT_FALSE(B::IsWeekdayUncheckedFlag(0));
    EXPECT_TRUE(B::IsWeekdayUncheckedFlag(5));
    EXPECT_FALSE(B::IsWeekdayUncheckedFlag(9));

    // Bytes Sunday..Wednesday = 1, 0, 1, 2; Thursday..Saturday = 0, 1, 1.
    const DWORD first = 0x02010001u;
    const DWORD second = 0x00010100u;
    const bool expected[] = {true, false, true, false, false, true, true};
    for (int day = 0; day < 7; ++day)
        EXPECT_EQ(B::IsWeekdayChecked(day, first, second), expected[day]) << day;
    EXPECT_FALSE(B::IsWeekdayChecked(7, 0xFFFFFFFFu, 0xFFFFFFFFu));
    EXPECT_EQ(B::BoolToDigit(1), "1");
    EXPECT_EQ(B::BoolToDigit(2), "0");
}

TEST_F(QuarterArithmetic, ColourTextsReadRedFirst)
{
    EXPECT_EQ(B::ColorTextToColorRef("0000FF"), RGB(0, 0, 255));
    EXPECT_EQ(B::ColorTextToColorRef("FF8000"), RGB(255, 128, 0));
    EXPECT_EQ(B::ColorTextToColorRef("ff8000"), RGB(255, 128, 0));
    EXPECT_EQ(B::ColorTextToColorRef(""), RGB(255, 255, 255));
    EXPECT_EQ(B::ColorTextToColorRef("zz"), 0u);
    EXPECT_EQ(B::ColorTextToColorRef("00FFxx"), RGB(0, 0, 255));
}

TEST_F(QuarterArithmetic, TimeAndTextUtilities)
{
    EXPECT_EQ(B::GetCurrentMonth(), 6);
    EXPECT_EQ(B::FormatNow("%Y-%m-%d"), "2023-06-15");
    EXPECT_EQ(B::FormatNow("%Y-%m-%d %Y-%m-%d"), "");   // longer than 19 characters
    EXPECT_EQ(B::FormatNow("%Y年%m月%d日 %a"), "2023年06月15日 Thu");   // 18 bytes as stored, 21 in UTF-8
    EXPECT_EQ(B::GetCurrentYear(), 2023);
    EXPECT_EQ(B::ToUpperCopy("June 六月 abc"), "JUNE 六月 ABC");
    EXPECT_EQ(B::ToLowerCopy("June 六月 ABC z"), "june 六月 abc z");
    EXPECT_EQ(B::GetFolderOfPath("C:\\diary\\a.ini"), "C:\\diary\\");
    EXPECT_EQ(B::GetFolderOfPath("/home/me/a.ini"), "/home/me/");
    EXPECT_EQ(B::GetFolderOfPath("a.ini"), "");
}

TEST_F(QuarterArithmetic, MottoLinesAreAppendedInTheDiskCodePage)
{
    TempFolder folder;
    folder.Write("motto.txt", "old\r\n");
    const std::vector<TextLineRecord> lines = {{1, "第一\r\n", 8}, {2, "second\r\n", 8}};
    EXPECT_TRUE(B::WriteTextLinesToFile(folder.File("motto.txt"), lines));
    EXPECT_EQ(folder.Read("motto.txt"), "old\r\n" + platform::EncodeGb18030("第一\r\nsecond\r\n"));
    EXPECT_FALSE(B::WriteTextLinesToFile(folder.File("no/such/motto.txt"), lines));
}
