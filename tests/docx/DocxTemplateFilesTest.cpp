// The month and date template files: one label per month, one caption line per day of the
// range with its marker, and the reader that takes the labels back.
#include "docx/DocxBuilder.h"
#include "platform/Clock.h"
#include "settings/CivilDate.h"
#include "settings/Settings.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using B = CDocxBuilder;

namespace {

std::time_t MiddleOf(int year)
{
    return static_cast<std::time_t>(civil::DaysFromCivil(year, 6, 15)) * 86400 + 12 * 3600;
}

class DocxTemplateFiles : public testing::Test {
protected:
    void SetUp() override
    {
        SetStartValues();
        for (BYTE& flag : g_abUncheckedWeek)
            flag = 1;
        platform::SetFixedClock(MiddleOf(2024));
    }
    void TearDown() override
    {
        platform::ClearFixedClock();
        SetStartValues();
    }

    // Captions of 2024 with the usual caption texts; weekend text and switches as given.
    static std::vector<std::string> Captions(int startMonth, int startDay, int endMonth, int endDay,
                                             const std::string& weekend = "", BYTE weekNumber = 0,
                                             BYTE daysLeft = 0, int dayNumber = 0)
    {
        return B::BuildDayCaptions("%m-%d %a", daysLeft, " [ 还剩", " 天 ]", weekend, 2024, weekNumber, startMonth,
                                   endMonth, startDay, endDay, dayNumber, " [ 第", " 天 ]");
    }
};

} // namespace

TEST_F(DocxTemplateFiles, OneLinePerDayOfTheRangeLeapDayIncluded)
{
    const std::vector<std::string> lines = Captions(2, 1, 3, 1);
    ASSERT_EQ(lines.size(), 30u);
    EXPECT_EQ(lines.front(), "02-01 Thu1");
    EXPECT_EQ(lines[28], "02-29 Thu1");
    EXPECT_EQ(lines.back(), "03-01 Fri1");
}

// The run's year decides, whatever year the clock shows by now.
TEST_F(DocxTemplateFiles, LabelsAndCaptionsAreOfTheYearGiven)
{
    EXPECT_EQ(B::BuildMonthLabels("%b %Y", 2, 3, 1, 2031), (std::vector<std::string>{"FEB 2031", "MAR 2031"}));
    const std::vector<std::string> days =
        B::BuildDayCaptions("%Y-%m-%d %a", 0, "", "", "", 2023, 0, 2, 3, 28, 1, 0, "", "");
    EXPECT_EQ(days, (std::vector<std::string>{"2023-02-28 Tue1", "2023-03-01 Wed1"}));
}

TEST_F(DocxTemplateFiles, WeekendCaptionCountsWeeksFromTheFirstSaturday)
{
    // 1 September 2024 is a Sunday.
    const std::vector<std::string> lines = Captions(9, 1, 9, 8, " 周末", 1);
    EXPECT_EQ(lines[0], "09-01 Sun 周末 [ 0 ]1");
    EXPECT_EQ(lines[1], "09-02 Mon1");
    EXPECT_EQ(lines[6], "09-07 Sat 周末 [ 1 ]1");
    EXPECT_EQ(lines[7], "09-08 Sun 周末 [ 1 ]1");
    // No weekend text: no caption and no week number.
    EXPECT_EQ(Captions(9, 1, 9, 8, "", 1)[6], "09-07 Sat1");
}

TEST_F(DocxTemplateFiles, DaysLeftAndDayNumberCountTickedDaysOnly)
{
    g_abUncheckedWeek[0] = 0;   // Sundays unticked
    const std::vector<std::string> lines = Captions(9, 1, 9, 4, "", 0, 1, 1);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "09-01 Sun0");
    EXPECT_EQ(lines[1], "09-02 Mon [ 还剩 2 天 ] [ 第 1 天 ]1");
    EXPECT_EQ(lines[3], "09-04 Wed [ 还剩 0 天 ] [ 第 3 天 ]1");
    // A switch whose texts are both empty adds nothing.
    EXPECT_EQ(B::BuildDayCaptions("%d", 1, "", "", "", 2024, 0, 9, 9, 2, 2, 1, "", "")[0], "021");
}

TEST_F(DocxTemplateFiles, WritersStoreTheirLinesAndTheReaderTakesTwelveLabels)
{
    TempFolder folder;
    const std::string months = folder.File("month_template.txt");
    folder.Write("month_template.txt", "stale");
    // The month writer echoes each label as a line on standard output; the date writer is silent.
    testing::internal::CaptureStdout();
    EXPECT_EQ(B::WriteMonthTemplateFile(months, "%B", 1, 3, 1, 2024), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "JANUARY\nFEBRUARY\nMARCH\n");
    EXPECT_EQ(folder.Read("month_template.txt"), "JANUARY\r\nFEBRUARY\r\nMARCH\r\n");
    testing::internal::CaptureStdout();
    EXPECT_EQ(B::WriteDateTemplateFile(folder.File("date_template.txt"), "%d", 0, "", "", "", 2024, 0, 5, 5, 30,
                                       31, 0, "", ""),
              0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(folder.Read("date_template.txt"), "301\n311\n");
    // A line break from the format or a caption never splits a day or a month in two.
    EXPECT_EQ(B::WriteDateTemplateFile(folder.File("date_template.txt"), "%d%n%a", 0, "", "", " a\r\nb", 2024, 0,
                                       6, 6, 1, 1, 0, "", ""),
              0);
    EXPECT_EQ(folder.Read("date_template.txt"), "01 Sat a  b1\n");
    EXPECT_EQ(B::WriteMonthTemplateFile(months, "%b%n%Y", 1, 1, 0, 2024), 0);
    EXPECT_EQ(folder.Read("month_template.txt"), "Jan 2024\r\n");
    EXPECT_EQ(B::WriteMonthTemplateFile(folder.File("no/such/month.txt"), "%B", 1, 3, 0, 2024), -1);

    // Every line is a label, short or empty, so each keeps its month's place; the carriage
    // return is not part of a label; twelve at most.
    folder.Write("labels.txt", "Jan\r\nFe\r\n\r\nMar\r\nApr\nMay\nJun\nJul\nAug\nSep\nOct\nNov\nDec\n");
    std::vector<B::MonthLabel> labels;
    ASSERT_TRUE(B::ReadLinesIntoArray(labels, folder.File("labels.txt")));
    ASSERT_EQ(labels.size(), 12u);
    EXPECT_EQ(labels[0].ordinal, 1);
    EXPECT_EQ(labels[0].text, "Jan");
    EXPECT_EQ(labels[1].text, "Fe");
    EXPECT_EQ(labels[2].text, "");
    EXPECT_EQ(labels[3].text, "Mar");
    EXPECT_EQ(labels[11].text, "Nov");
    EXPECT_EQ(labels[11].ordinal, 12);
    EXPECT_FALSE(B::ReadLinesIntoArray(labels, folder.File("missing.txt")));
    EXPECT_EQ(labels.size(), 12u);
}

TEST_F(DocxTemplateFiles, CalendarArithmeticOfTheDays)
{
    EXPECT_EQ(B::IsLeapYear(1900), 0);
    EXPECT_EQ(B::IsLeapYear(2000), 1);
    EXPECT_EQ(B::IsLeapYear(2024), 1);
    EXPECT_EQ(B::IsLeapYear(2023), 0);
    EXPECT_EQ(B::GetDaysInYear(2023), 365);
    EXPECT_EQ(B::GetDaysOfCurrentYear(), 366);
    const auto at = [](int year, int n, int start, int end) {
        const B::MonthDay date = B::DayOffsetToMonthDay(year, n, start, end);
        return std::make_pair(date.month, date.day);
    };
    EXPECT_EQ(at(2023, 32, 1, 3), std::make_pair(2, 1));
    EXPECT_EQ(at(2023, 100, 1, 3), std::make_pair(0, 0));
    EXPECT_EQ(at(2024, 60, 2, 3), std::make_pair(3, 31));
    EXPECT_EQ(at(2024, 0, 2, 3), std::make_pair(0, 0));
    EXPECT_EQ(B::GetWeekday(2024, 9, 1), 0);
    EXPECT_EQ(B::GetWeekday(2024, 2, 30), 5);   // carries over to 1 March
}

TEST_F(DocxTemplateFiles, MonthAndDayOfADayOfTheYear)
{
    struct Case {
        int year, dayOfYear, month, day;
    };
    for (const Case c : {Case{2023, 1, 1, 1}, Case{2023, 59, 2, 28}, Case{2023, 60, 3, 1}, Case{2024, 60, 2, 29},
                         Case{2024, 366, 12, 31}, Case{2023, 366, 0, 0}, Case{2023, 0, 0, 0}}) {
        testing::internal::CaptureStdout();
        EXPECT_EQ(B::GetMonthOfDayOfYear(c.year, c.dayOfYear), c.month) << c.year << " day " << c.dayOfYear;
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "Current Day :" + std::to_string(c.day) + "\n");
        EXPECT_EQ(B::GetDayOfMonth(c.year, c.dayOfYear), c.day) << c.year << " day " << c.dayOfYear;
    }
}
