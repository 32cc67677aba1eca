// The yearly calendar: its day model against plain calendar arithmetic, the tables it writes for
// the chosen quarters, and the pairing of its links with the date headings' bookmarks.
#include "CalendarDocument.h"
#include "DocxCheck.h"
#include "docx/DocxBuilder.h"
#include "docx/DocxTableWriter.h"
#include "platform/Clock.h"
#include "settings/CivilDate.h"
#include "settings/Settings.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using W = CDocxTableWriter;
using namespace calendardoc;

namespace {

CalendarStyle Style()
{
    CalendarStyle s = TestCalendarStyle();
    s.Month_Align = 1;
    s.bDay06Bold = 1;
    s.bDayNotDiaryItalic = 1;
    return s;
}

DocxDateRange g_range;

void SetRange(int firstMonth, int firstDay, int lastMonth, int lastDay)
{
    g_range = {firstMonth, lastMonth, firstDay, lastDay};
}

std::string Calendar(int year, const CalendarStyle& style, int firstQuarter, int lastQuarter, BYTE twoDigits = 0)
{
    return W::GetYearCalendarXml(kR1, kR2, kR3, kR5, 437, year, twoDigits, style, 1, firstQuarter, lastQuarter,
                                 g_range);
}

// The cell of a day, found by month (1..12) and day.
const DocxDayCell& CellOf(const DocxCalendarModel& model, int month, int day)
{
    for (const DocxWeek& week : model[static_cast<size_t>(month - 1)])
        for (const DocxDayCell& cell : week)
            if (cell.day == day)
                return cell;
    static const DocxDayCell none;
    return none;
}

// The tables of the text, one string each.
std::vector<std::string> Tables(const std::string& xml)
{
    std::vector<std::string> tables;
    for (size_t at = xml.find("<w:tbl>"); at != std::string::npos; at = xml.find("<w:tbl>", at + 1))
        tables.push_back(xml.substr(at, xml.find("</w:tbl>", at) - at));
    return tables;
}

} // namespace

TEST(YearCalendarModel, EveryMonthMatchesCivilCountingInCommonAndLeapYears)
{
    for (int year : {2023, 2024, 2026, 2100}) {
        DocxCalendarModel model;
        W::BuildCalendarModel(year, model, 1, 12, 1, 31);
        int dayOfYear = 0;
        for (int month = 1; month <= 12; ++month) {
            int position = 0;
            int days = 0;
            for (const DocxWeek& week : model[static_cast<size_t>(month - 1)]) {
                for (const DocxDayCell& cell : week) {
                    EXPECT_EQ(cell.monthIndex, month - 1);
                    const int day = position - civil::WeekdayOf(year, month, 1) + 1;
                    if (day >= 1 && day <= civil::DaysInMonth(year, month)) {
                        ++days;
                        EXPECT_EQ(cell.day, day);
                        EXPECT_EQ(cell.weekday, civil::WeekdayOf(year, month, day));
                        EXPECT_EQ(cell.dayOfYear, ++dayOfYear);
                        EXPECT_EQ(cell.bookmarkNumber, dayOfYear);
                    } else {
                        EXPECT_EQ(cell.day, 0);
                        EXPECT_EQ(cell.weekday, -1);
                        EXPECT_EQ(cell.bookmarkNumber, 0);
                        EXPECT_EQ(cell.calendarBookmarkName, "");
                        EXPECT_EQ(cell.dateBookmarkName, "");
                    }
                    ++position;
                }
            }
            EXPECT_EQ(days, civil::DaysInMonth(year, month)) << year << "-" << month;
        }
        EXPECT_EQ(dayOfYear, civil::IsLeapYear(year) ? 366 : 365);
    }
}

TEST(YearCalendarModel, SundayStartsAndShortFebruaries)
{
    DocxCalendarModel model;
    W::BuildCalendarModel(2023, model, 1, 12, 1, 31);   // 1 January 2023 is a Sunday
    EXPECT_EQ(model[0][0][0].day, 1);
    EXPECT_EQ(model[0][0][0].weekday, 0);

    W::BuildCalendarModel(2026, model, 1, 12, 1, 31);   // 28-day February from a Sunday
    EXPECT_EQ(model[1][0][0].day, 1);
    EXPECT_EQ(model[1][3][6].day, 28);
    for (size_t week : {4u, 5u})
        for (const DocxDayCell& cell : model[1][week])
            EXPECT_EQ(cell.day, 0);

    W::BuildCalendarModel(2024, model, 1, 12, 1, 31);   // leap year: 29 February, a Thursday
    EXPECT_EQ(CellOf(model, 2, 29).weekday, 4);
    EXPECT_EQ(CellOf(model, 3, 1).dayOfYear, 61);

    W::BuildCalendarModel(2026, model, 1, 12, 1, 31);   // May 2026 needs all six weeks
    EXPECT_EQ(model[4][5][0].day, 31);
}

TEST(YearCalendarModel, WeekdaysAndLeapYearsOfTheTableWriter)
{
    EXPECT_EQ(W::GetWeekday(2023, 1, 1), 0);
    EXPECT_EQ(W::GetWeekday(2026, 1, 1), 4);
    EXPECT_EQ(W::GetWeekday(2024, 2, 29), 4);
    EXPECT_EQ(W::GetWeekday(2023, 2, 29), 3);   // counts on into 1 March
    EXPECT_EQ(W::GetWeekday(1900, 3, 1), 4);
    for (const auto& [year, leap] : {std::pair{1900, false}, {2000, true}, {2024, true}, {2026, false}}) {
        EXPECT_EQ(W::IsLeapYear(year), leap) << year;
        std::array<int, 12> lengths{};
        W::FixFebruary(lengths, year);
        EXPECT_EQ(lengths[1], leap ? 29 : 28) << year;
    }
}

TEST(YearCalendarModel, BookmarkNumbersCountTheRangeOnly)
{
    DocxCalendarModel model;
    W::BuildCalendarModel(2026, model, 3, 4, 15, 10);
    EXPECT_EQ(CellOf(model, 3, 14).bookmarkNumber, 0);
    EXPECT_EQ(CellOf(model, 3, 14).calendarBookmarkName, "BOOKMARK_Calendar000");
    EXPECT_EQ(CellOf(model, 3, 15).bookmarkNumber, 1);
    EXPECT_EQ(CellOf(model, 3, 15).calendarBookmarkName, "BOOKMARK_Calendar001");
    EXPECT_EQ(CellOf(model, 3, 31).bookmarkNumber, 17);
    EXPECT_EQ(CellOf(model, 4, 1).bookmarkNumber, 18);
    EXPECT_EQ(CellOf(model, 4, 10).bookmarkNumber, 27);
    EXPECT_EQ(CellOf(model, 4, 10).dateBookmarkName, "BOOKMARK_Date027");
    EXPECT_EQ(CellOf(model, 4, 11).bookmarkNumber, 0);
    EXPECT_EQ(CellOf(model, 1, 1).bookmarkNumber, 0);

    W::BuildCalendarModel(2026, model, 6, 6, 3, 5);     // one month
    EXPECT_EQ(CellOf(model, 6, 2).bookmarkNumber, 0);
    EXPECT_EQ(CellOf(model, 6, 5).bookmarkNumber, 3);
    EXPECT_EQ(CellOf(model, 6, 6).bookmarkNumber, 0);

    W::BuildCalendarModel(2026, model, 5, 2, 1, 31);    // first month after the last: no day
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= civil::DaysInMonth(2026, month); ++day)
            EXPECT_EQ(CellOf(model, month, day).bookmarkNumber, 0);
}

TEST(YearCalendarLabels, UnknownStylesFallBackAndMonthNamesFollowTheFormat)
{
    EXPECT_EQ(W::GetWeekdayNames(3), W::GetWeekdayLetters(0));
    EXPECT_EQ(W::GetWeekdayNames(7)[1], "星期一");
    EXPECT_EQ(W::GetMonthNames("%B", 1, 2026)[11], "DECEMBER");
    EXPECT_EQ(W::GetMonthNames("%m月", 0, 2026)[1], "02月");
    EXPECT_EQ(W::GetMonthNames("%b %Y", 0, 2031)[0], "Jan 2031");
}

TEST(YearCalendar, QuarterTablesFollowTheLimitsAndAlwaysHoldTheRange)
{
    SetRange(3, 15, 4, 10);
    const CalendarStyle style = Style();
    EXPECT_EQ(Tables(Calendar(2026, style, 0, 4)).size(), 4u);
    EXPECT_EQ(Tables(Calendar(2026, style, 1, 2)).size(), 2u);
    // Limits that miss the range's quarters still get the tables its days need.
    const std::string widened = Calendar(2026, style, 4, 4);
    ASSERT_EQ(Tables(widened).size(), 3u);
    EXPECT_NE(widened.find(">MARCH<"), std::string::npos);
    EXPECT_NE(widened.find(">APRIL<"), std::string::npos);
    EXPECT_NE(widened.find(">DECEMBER<"), std::string::npos);
    EXPECT_EQ(widened.find(">JULY<"), std::string::npos);

    CalendarStyle blank = style;
    blank.ABlankRowAfterAmonth = 1;
    const std::string spaced = Calendar(2026, blank, 1, 2);
    EXPECT_EQ(Count(spaced, "</w:tbl>\n" + W::GetEmptyParagraphXml(kR1, kR2)), 2u);
    EXPECT_EQ(Count(spaced, W::GetEmptyParagraphXml(kR1, kR2)), 2u);
}

TEST(YearCalendar, WeekRowsLeaveOutOnlyAnEmptySixthWeek)
{
    SetRange(1, 1, 12, 31);
    const auto tables = Tables(Calendar(2026, Style(), 0, 4));
    ASSERT_EQ(tables.size(), 4u);
    // 2026: no month of the first quarter reaches a sixth week; May 31 does.
    EXPECT_EQ(Count(tables[0], "<w:tr "), 2u + 5u);
    EXPECT_EQ(Count(tables[1], "<w:tr "), 2u + 6u);
    for (const std::string& table : tables) {
        // 3 month titles, 21 weekday labels and 2 + 2 spacers in the header rows; 21 days a week.
        EXPECT_EQ(Count(table, "<w:gridSpan w:val=\"7\" />"), 3u);
        EXPECT_EQ(Count(table, "<w:tcW w:w=\"437\" w:type=\"dxa\" />"), 21u * (Count(table, "<w:tr ") - 1u));
        EXPECT_EQ(Count(table, "<w:tcW w:w=\"248\" w:type=\"dxa\" />"), 4u + 2u * (Count(table, "<w:tr ") - 2u));
    }
}

TEST(YearCalendar, HeaderCellsAreWrittenExactly)
{
    SetRange(1, 1, 3, 31);
    const std::string xml = Calendar(2026, Style(), 1, 1);
    EXPECT_NE(xml.find("<w:tc>\n<w:tcPr>\n<w:tcW w:w=\"3059\" w:type=\"dxa\" />\n<w:gridSpan w:val=\"7\" />\n"
                       "<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"DDEEFF\" />\n</w:tcPr>\n"
                       "<w:p w:rsidR=\"" + kR1 + "\" w:rsidRPr=\"" + kR5 + "\" w:rsidRDefault=\"" + kR2 +
                       "\" w:rsidP=\"" + kR3 + "\">\n<w:pPr>\n<w:jc w:val=\"center\" /></w:pPr>\n"
                       "<w:r w:rsidRPr=\"" + kR5 + "\" >\n<w:rPr>\n" + W::GetFontsXml("Tahoma") +
                       "<w:b />\n<w:bCs />\n<w:color w:val=\"921111\" />\n</w:rPr>\n<w:t>FEBRUARY</w:t>\n</w:r>\n"
                       "</w:p>\n</w:tc>\n"),
              std::string::npos);
    EXPECT_NE(xml.find("<w:tc>\n<w:tcPr>\n<w:tcW w:w=\"437\" w:type=\"dxa\" />\n"
                       "<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"8D826D\" />\n</w:tcPr>\n"
                       "<w:p w:rsidR=\"" + kR1 + "\" w:rsidRPr=\"" + kR5 + "\" w:rsidRDefault=\"" + kR2 +
                       "\" w:rsidP=\"" + kR3 + "\">\n<w:pPr>\n<w:jc w:val=\"center\" /> </w:pPr>\n"
                       "<w:r w:rsidRPr=\"" + kR5 + "\" >\n<w:rPr>\n" + W::GetFontsXml("Tahoma") +
                       "<w:color w:val=\"FFFFFF\" />\n</w:rPr>\n<w:t>W</w:t>\n</w:r>\n</w:p>\n</w:tc>\n"),
              std::string::npos);
    const std::string spacerParagraph = "<w:p w:rsidR=\"" + kR1 + "\" w:rsidRPr=\"" + kR5 + "\" w:rsidRDefault=\"" +
                                        kR2 + "\" w:rsidP=\"" + kR3 + "\">\n<w:pPr>\n<w:rPr>\n";
    EXPECT_EQ(Count(xml, "<w:tc>\n<w:tcPr>\n<w:tcW w:w=\"248\" w:type=\"dxa\" />\n<w:tcBorders>\n"
                         "<w:top w:val=\"dotted\" w:sz=\"6\" w:space=\"0\" w:color=\"FFFFFF\" /> \n"
                         "<w:left w:val=\"dotted\" w:sz=\"6\" w:space=\"0\" w:color=\"000000\" />"
                         "<w:bottom w:val=\"dotted\" w:sz=\"6\" w:space=\"0\" w:color=\"FFFFFF\" /> \n"
                         "<w:right w:val=\"dotted\" w:sz=\"6\" w:space=\"0\" w:color=\"FFFFFF\" /> \n"
                         "</w:tcBorders>\n</w:tcPr>\n" + spacerParagraph +
                         "<w:color w:val=\"000000\" /> \n</w:rPr>\n</w:pPr>\n</w:p>\n</w:tc>\n"),
              4u);
    EXPECT_NE(xml.find("<w:tc>\n<w:tcPr>\n<w:tcW w:w=\"248\" w:type=\"dxa\" />\n" +
                       W::GetCellBordersWhiteXml("single", "C0C0C0") + "</w:tcPr>\n" + spacerParagraph +
                       "<w:color w:val=\"000000\" />\n</w:rPr>\n</w:pPr>\n</w:p>\n</w:tc>\n"),
              std::string::npos);
}

TEST(YearCalendar, DayCellsLinkInsideTheRangeAndOnlyShowTheirNumberOutside)
{
    SetRange(3, 15, 4, 10);
    const CalendarStyle style = Style();
    const std::string xml = Calendar(2026, style, 1, 2);
    const std::string paragraph = "<w:p w:rsidR=\"" + kR1 + "\" w:rsidRDefault=\"" + kR2 + "\" w:rsidP=\"" + kR3 +
                                  "\">\n";
    // Sunday 15 March 2026, the first day of the range.
    const std::string first =
        "<w:bookmarkStart w:id=\"01\" w:name=\"BOOKMARK_Calendar001\" />\n<w:tc>\n" +
        W::GetCellPropertiesXml(0, 15, "single", "C0C0C0", "F8F8F8", 1, 0, "FFEEEE", "FFFFFF", "EEEEEE", 437) +
        paragraph + W::GetFieldBeginRunXml("FF0000") + W::GetFieldInstrRunXml("FF0000", "BOOKMARK_Date001") +
        W::GetBoldColorRunXml("FF0000", kR5) + W::GetFieldSeparateRunXml("FF0000") +
        W::GetDayNumberRunXml("FF0000", kR5, 15, 1, 0, "Tahoma", "", 1, 0, 0, 1) + "<w:bookmarkEnd w:id=\"01\" /> \n" +
        W::GetFieldEndRunXml("FF0000") + "</w:p>\n</w:tc>\n";
    EXPECT_NE(xml.find(first), std::string::npos);
    // Saturday 14 March lies before the range: no bookmark, no field.
    const std::string before = "<w:tc>\n" +
                               W::GetCellPropertiesXml(0, 14, "single", "C0C0C0", "F8F8F8", 0, 6, "FFEEEE",
                                                       "FFFFFF", "EEEEEE", 437) +
                               paragraph + W::GetDayNumberRunXml("999999", kR5, 14, 0, 0, "Tahoma", "", 0, 1, 0, 1) +
                               "</w:p>\n</w:tc>\n";
    EXPECT_NE(xml.find(before), std::string::npos);
    // 1 February 2026 is a Sunday, so January's last week ends in empty cells.
    const std::string empty = "<w:tc>\n" +
                              W::GetCellPropertiesXml(0, 0, "single", "C0C0C0", "F8F8F8", 0, -1, "", "", "", 437) +
                              paragraph + W::GetTextRunXml("0000FF", kR5, "") + "</w:p></w:tc>";
    EXPECT_NE(xml.find(empty), std::string::npos);

    EXPECT_EQ(Count(xml, "HYPERLINK"), 27u);
    EXPECT_EQ(Count(xml, "<w:bookmarkStart"), 27u);
    EXPECT_EQ(xml.find("Calendar000"), std::string::npos);
    EXPECT_EQ(xml.find("Date000"), std::string::npos);
    EXPECT_EQ(BookmarkFaults(xml).find("repeated"), std::string::npos);

    EXPECT_NE(Calendar(2026, style, 1, 2, 1).find("<w:t>05 </w:t>"), std::string::npos);
}

TEST(YearCalendar, NoDayOfAnEmptyRangeLinks)
{
    SetRange(5, 1, 2, 1);
    const std::string xml = Calendar(2026, Style(), 0, 4);
    EXPECT_EQ(Tables(xml).size(), 4u);
    EXPECT_EQ(Count(xml, "HYPERLINK"), 0u);
    EXPECT_EQ(Count(xml, "<w:bookmark"), 0u);
}

// Every day of the range has a date line; each date heading and its day cell link to each other.
TEST(YearCalendar, LinksPairWithTheDateHeadingsOfTheRange)
{
    platform::SetFixedClock(static_cast<std::time_t>(civil::DaysFromCivil(2024, 6, 15)) * 86400 + 12 * 3600);
    for (const auto& [m1, d1, m2, d2] : {std::array<int, 4>{3, 15, 4, 10}, std::array<int, 4>{1, 1, 12, 31},
                                         std::array<int, 4>{2, 20, 3, 1}, std::array<int, 4>{4, 1, 4, 31}}) {
        SetRange(m1, d1, m2, d2);
        g_abUncheckedWeek[0] = g_abUncheckedWeek[6] = 0;
        const std::vector<std::string> lines = CDocxBuilder::BuildDayCaptions(
            "%m-%d", 0, "", "", "", 2024, 0, m1, m2, d1, d2, 0, "", "");
        const std::string calendar = Calendar(2024, Style(), CDocxBuilder::GetQuarterOfMonth(m1),
                                              CDocxBuilder::GetQuarterOfMonth(m2));
        std::string document = calendar;
        CDocxBuilder builder;
        for (size_t n = 1; n <= lines.size(); ++n)
            document += builder.GetDateHeadingXml(367 + static_cast<int>(n), static_cast<int>(n), "000000", "28",
                                                  1, 0, "2", lines[n - 1], "", 0, "Tahoma", 0, 0,
                                                  DayCaptionSettings(), 1, TableLineSettings());
        EXPECT_EQ(Count(calendar, "HYPERLINK"), lines.size()) << m1 << "-" << d1;
        EXPECT_EQ(BookmarkFaults(document), "") << m1 << "-" << d1;
    }
    platform::ClearFixedClock();
    SetStartValues();
}

TEST(YearCalendar, HostileStyleTextsGiveAValidDocument)
{
    SetRange(3, 15, 4, 10);
    CalendarStyle style = Style();
    style.MonthFormat = "<%B> & \"'";
    style.font_name = "O'Brien & \"Sons\"";
    style.ABlankRowAfterAmonth = 1;
    style.back_color_day15 = "";
    style.bMonthItalic = style.bMonthStrike = style.bWeekBold = style.bWeekItalic = style.bWeekStrike = 1;
    style.bDay15Italic = style.bDay15Strike = style.bDayNotDiaryBold = style.bDayNotDiaryStrike = 1;
    style.Month_Align = 2;
    const std::string body = Calendar(2024, style, 0, 4, 1);
    EXPECT_NE(body.find("&lt;MARCH&gt; &amp; \"'"), std::string::npos);
    TempFolder folder;
    const std::string package = WritePackage(folder, body);
    EXPECT_EQ(PartErrors(package), "");
    const std::string findings = Findings(folder, package);
    if (findings.empty())
        GTEST_SKIP() << "the schema validator is not installed (test.sh installs it)";
    EXPECT_EQ(findings, "[]");
}
