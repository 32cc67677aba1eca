// The monthly calendar pages: the exact cells, the weeks and line rows of each month, the
// 21-day counter running across months, and links that only name bookmarks the document holds.
#include "CalendarDocument.h"
#include "docx/DocxBuilder.h"
#include "docx/DocxTableWriter.h"
#include "settings/Settings.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <regex>

using W = CDocxTableWriter;
using namespace calendardoc;

namespace {

MonthCalendarSettings Settings(std::initializer_list<size_t> lineRows)
{
    MonthCalendarSettings s;
    s.bAddMonthOfCalendar = 1;
    s.FontName = "Tahoma";
    s.FontSize = "9";
    s.LineType_Grid = "single";
    s.LineColor_Grid = "808080";
    s.FontName_Day = "Arial";
    s.FontSize_Day = "10.5";
    s.FontBold_Day = 1;
    s.FontUnderlined_Day = 1;
    s.FontAlign_Day = 1;
    for (size_t k = 0; k < MonthCalendarSettings::kRows; ++k) {
        s.LineTop[k] = "dotted";
        s.LineColor_Top[k] = "AAAAAA";
        s.LineBottom[k] = "dotted";
        s.LineColor_Bottom[k] = "BBBBBB";
        s.line06_BKColor_[k] = "FFF0F0";
        s.line15_BKColor_[k] = "F0F0FF";
        s.line06_FontColor_[k] = "CC0000";
        s.line15_FontColor_[k] = "0000CC";
    }
    for (size_t k : lineRows)
        s.bAddLine[k] = 1;
    return s;
}

DocxDateRange g_range;

void SetRange(int firstMonth, int firstDay, int lastMonth, int lastDay)
{
    g_range = {firstMonth, lastMonth, firstDay, lastDay};
}

std::string Pages(const MonthCalendarSettings& settings, int firstMonth, int lastMonth, int year = 2026)
{
    return W::GetMonthCalendarXml(kR1, kR2, kR3, kR5, year, 0, TestCalendarStyle(), 1, settings, firstMonth, lastMonth,
                                  g_range);
}

// The texts of the counter cells, in document order.
std::vector<std::string> CounterTexts(const std::string& xml)
{
    std::vector<std::string> texts;
    const std::regex text("<w:t>([^<]*)</w:t>\n</w:r>\n</w:p></w:tc>");
    for (std::sregex_iterator it(xml.begin(), xml.end(), text), end; it != end; ++it)
        texts.push_back((*it)[1]);
    return texts;
}

const std::string kParagraph = "<w:p w:rsidR=\"" + kR1 + "\" w:rsidRDefault=\"" + kR2 + "\" w:rsidP=\"" + kR3 + "\">\n";

} // namespace

TEST(MonthCalendarCells, BordersMergesAndSignsAreWrittenExactly)
{
    EXPECT_EQ(W::GetTopBottomBordersXml("dotted", "AAAAAA", "single", "BBBBBB"),
              "<w:tcBorders>\n" + W::GetBorderXml(1, "top", "dotted", "AAAAAA") +
                  W::GetBorderXml(1, "bottom", "single", "BBBBBB") + "</w:tcBorders>\n");
    EXPECT_EQ(W::GetTopBottomBordersXml("dotted", "", "single", "BBBBBB"),
              "<w:tcBorders>\n" + W::GetBorderXml(1, "bottom", "single", "BBBBBB") + "</w:tcBorders>\n");

    EXPECT_EQ(W::GetMergedCellStartXml("single", "C0C0C0", "", "", 0, 3, "FFEEEE", "FFFFFF", "EEEEEE"),
              "<w:tcPr>\n<w:tcW w:w=\"1368\" w:type=\"dxa\" />\n<w:vMerge w:val=\"restart\" />" +
                  W::GetTopBottomBordersXml("single", "C0C0C0", "", "") +
                  "<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"EEEEEE\" />\n</w:tcPr>\n");
    // A day outside the range starts its merge even without a colour of its own.
    EXPECT_EQ(W::GetMergedCellStartXml("", "", "", "", 0, 3, "FFEEEE", "FFFFFF", ""),
              "<w:tcPr>\n<w:tcW w:w=\"1368\" w:type=\"dxa\" />\n<w:vMerge w:val=\"restart\" /></w:tcPr>\n");
    EXPECT_EQ(W::GetMergedCellStartXml("", "", "", "", 7, 6, "FFEEEE", "FFFFFF", "EEEEEE"),
              "<w:tcPr>\n<w:tcW w:w=\"1368\" w:type=\"dxa\" />\n"
              "<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"FFEEEE\" />\n</w:tcPr>\n");
    EXPECT_EQ(W::GetMergedCellStartXml("", "", "", "", 7, 2, "FFEEEE", "", "EEEEEE"),
              "<w:tcPr>\n<w:tcW w:w=\"1368\" w:type=\"dxa\" />\n</w:tcPr>\n");

    EXPECT_EQ(W::GetMergedCellContinueXml(kR1, kR2, kR3, "F8F8F8", 0, ""),
              "<w:tc>\n<w:tcPr><w:tcW w:w=\"1368\" w:type=\"dxa\" /><w:vMerge />"
              "<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"F8F8F8\" />\n</w:tcPr>" +
                  kParagraph + "<w:pPr><w:jc w:val=\"left\" /></w:pPr></w:p></w:tc>");
    EXPECT_EQ(W::GetMergedCellContinueXml(kR1, kR2, kR3, "", 1, "<run/>"),
              "<w:tc>\n<w:tcPr><w:tcW w:w=\"1368\" w:type=\"dxa\" /><w:vMerge w:val=\"restart\" /></w:tcPr>" +
                  kParagraph + "<w:pPr><w:jc w:val=\"left\" /></w:pPr><run/></w:p></w:tc>");

    EXPECT_EQ(W::GetMonthSymbolRunXml(kR5, "FF0000", "18", 1, 1, 4),
              "<w:r w:rsidRPr=\"" + kR5 + "\" >\n<w:rPr>\n<w:b />\n<w:bCs />\n<w:i /> <w:iCs /> "
              "<w:color w:val=\"FF0000\"/>\r\n<w:sz w:val=\"18\" /><w:szCs w:val=\"18\" /></w:rPr>"
              "<w:sym w:font=\"Wingdings\" w:char=\"F04F\" /></w:r>");
    EXPECT_EQ(W::GetMonthSymbolRunXml(kR5, "", "", 0, 0, 24),
              "<w:r w:rsidRPr=\"" + kR5 + "\" >\n<w:rPr>\n</w:rPr><w:sym w:font=\"Wingdings 2\" w:char=\"F04F\" /></w:r>");
    EXPECT_EQ(W::GetMonthSymbolRunXml(kR5, "", "", 0, 0, 29), "<w:r w:rsidRPr=\"" + kR5 + "\" >\n<w:rPr>\n</w:rPr></w:r>");
}

TEST(MonthCalendarCells, LineCellsCarryTheirLookSignAndText)
{
    W::MonthRowStyle row;
    row.topType = "dotted";
    row.topColor = "AAAAAA";
    row.font = "Tahoma";
    row.size = "18";
    row.snapToGrid = 1;
    row.weekend = {"CC0000", "FFF0F0", 1, 1, 1, 1, 7, "00FF00"};
    row.workday = {"0000CC", "F0F0F", 0, 0, 0, 1, 0, "00FF00"};
    EXPECT_EQ(W::GetPreservedTextCellXml(kR1, kR2, kR3, kR5, row, 6),
              "<w:tc>\n<w:tcPr><w:tcW w:w=\"1368\" w:type=\"dxa\" />" +
                  W::GetTopBottomBordersXml("dotted", "AAAAAA", "", "") +
                  "<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"FFF0F0\" />\n</w:tcPr>" + kParagraph +
                  "<w:pPr><w:snapToGrid w:val=\"0\" /> <w:jc w:val=\"left\" /></w:pPr>" +
                  W::GetMonthSymbolRunXml(kR5, "00FF00", "18", 1, 0, 7) + "<w:r w:rsidRPr=\"" + kR5 +
                  "\" >\n<w:rPr>\n" + W::GetFontsXml("Tahoma") +
                  "<w:b />\n<w:bCs />\n<w:i /> <w:iCs /> <w:strike /><w:color w:val=\"CC0000\" />\n"
                  "<w:sz w:val=\"18\" />\n<w:szCs w:val=\"18\" />\n</w:rPr>\n"
                  "<w:t xml:space=\"preserve\"> </w:t>\n</w:r>\n</w:p></w:tc>");
    // A sign number of 0 writes no sign; a five-character background is no colour and shades nothing.
    const std::string blank = W::GetPreservedTextCellXml(kR1, kR2, kR3, kR5, row, 2);
    EXPECT_EQ(Count(blank, "<w:sym"), 0u);
    EXPECT_EQ(Count(blank, "w:fill="), 0u);
    W::DayCycle cycle;
    const std::string counter = W::GetDayCounterCellXml(kR1, kR2, kR3, kR5, row, 2, cycle);
    EXPECT_EQ(Count(counter, "<w:shd"), 0u);
    EXPECT_NE(counter.find("<w:t>1D+1</w:t>\n</w:r>\n</w:p></w:tc>"), std::string::npos);
}

// A cell is the first kind that fits: an empty cell starts a merge in the day-number row and
// continues it below; a day outside the range continues its merge showing its number; a day of
// the range gets a counter cell, which advances the cycle, or a blank line cell.
TEST(MonthCalendarCells, EachCellIsTheFirstKindThatFitsAndARowHoldsItsWeek)
{
    W::MonthRowStyle line;
    line.font = "Tahoma";
    line.emptyBackground = "F8F8F8";
    line.weekend = {"CC0000", "FFF0F0", 1, 0, 0, 0, 0, ""};
    line.outside = {"999999", "EEEEEE", 0, 0, 0, 0, 0, ""};
    W::MonthRowStyle dayRow = line;
    dayRow.dayRow = true;
    const DocxDayCell empty;
    DocxDayCell outside;
    outside.day = 14;
    outside.weekday = 6;
    DocxDayCell inside;
    inside.day = 15;
    inside.weekday = 0;
    inside.bookmarkNumber = 1;
    W::DayCycle cycle;
    const auto cell = [&](const DocxDayCell& c, const W::MonthRowStyle& row) {
        return W::GetMonthDayCellXml(kR1, kR2, kR3, kR5, c, row, cycle);
    };
    EXPECT_EQ(cell(empty, dayRow), W::GetMergedCellContinueXml(kR1, kR2, kR3, "F8F8F8", 1, ""));
    EXPECT_EQ(cell(empty, line), W::GetMergedCellContinueXml(kR1, kR2, kR3, "F8F8F8", 0, ""));
    EXPECT_EQ(cell(outside, line),
              W::GetMergedCellContinueXml(kR1, kR2, kR3, "EEEEEE", 0,
                                          W::GetDayNumberRunXml("CC0000", kR5, 14, 0, 0, "Tahoma", "", 1, 0, 0, 1)));
    EXPECT_EQ(cell(inside, line), W::GetPreservedTextCellXml(kR1, kR2, kR3, kR5, line, 0));
    EXPECT_EQ(cycle.nCycleDay, 0);
    line.counter = 1;
    W::DayCycle fresh;
    EXPECT_EQ(cell(inside, line), W::GetDayCounterCellXml(kR1, kR2, kR3, kR5, line, 0, fresh));
    EXPECT_EQ(cycle.nCycleDay, 1);

    DocxWeek week;
    week[0] = inside;
    week[6] = outside;
    const std::string row = W::GetMonthRowXml(kR1, kR2, kR3, kR5, week, line, cycle);
    fresh = W::DayCycle();
    fresh.nCycleDay = 1;
    EXPECT_EQ(row, "<w:tr w:rsidR=\"" + kR1 + "\" w:rsidTr=\"" + kR1 + "\">\n" + W::GetRowPropertiesXml() +
                       W::GetMonthRowCellsXml(kR1, kR2, kR3, kR5, week, line, fresh) + "</w:tr>\n");
    EXPECT_EQ(Count(row, "<w:tc>"), 7u);
    EXPECT_EQ(Count(row, ">1D+"), 1u);
    EXPECT_EQ(Count(row, "<w:t>1D+2</w:t>"), 1u);
}

TEST(MonthCalendarCounter, CyclesOfTwentyOneDaysWithRestDaysBetween)
{
    W::MonthRowStyle row;
    row.counterDaysLeft = 1;
    row.restDays = 2;
    W::DayCycle cycle;
    std::string cells;
    for (int day = 0; day < 25; ++day)
        cells += W::GetDayCounterCellXml(kR1, kR2, kR3, kR5, row, 1, cycle);
    std::vector<std::string> expected;
    for (int day = 1; day <= 20; ++day)
        expected.push_back("1D+" + std::to_string(day) + "-" + std::to_string(21 - day));
    expected.insert(expected.end(), {"1D+21", " ", "", "2D+1-20", "2D+2-19"});
    EXPECT_EQ(CounterTexts(cells), expected);

    row.counterDaysLeft = 0;
    row.restDays = 0;
    cycle = W::DayCycle();
    cells.clear();
    for (int day = 0; day < 23; ++day)
        cells += W::GetDayCounterCellXml(kR1, kR2, kR3, kR5, row, 1, cycle);
    const std::vector<std::string> texts = CounterTexts(cells);
    ASSERT_EQ(texts.size(), 23u);
    EXPECT_EQ(texts[0], "1D+1");
    EXPECT_EQ(texts[20], "1D+21");
    EXPECT_EQ(texts[21], "2D+1");
}

TEST(MonthCalendarCounter, RunsOnAcrossMonthsAndCountsInEveryCounterRow)
{
    SetRange(1, 1, 2, 28);
    MonthCalendarSettings settings = Settings({0});
    settings.b21Days[0] = 1;
    std::vector<std::string> texts = CounterTexts(Pages(settings, 1, 2));
    ASSERT_EQ(texts.size(), 59u);
    EXPECT_EQ(texts[0], "1D+1");
    EXPECT_EQ(texts[31], "2D+11");   // 1 February, the 32nd day
    EXPECT_EQ(texts[58], "3D+17");

    // Two counting rows: each week advances the count in row 1, then in row 2.
    settings = Settings({0, 2});
    settings.b21Days[0] = settings.b21Days[2] = 1;
    SetRange(2, 1, 2, 28);
    texts = CounterTexts(Pages(settings, 2, 2));
    ASSERT_EQ(texts.size(), 56u);
    EXPECT_EQ(texts[6], "1D+7");
    EXPECT_EQ(texts[7], "1D+8");     // row 2 of the first week
    EXPECT_EQ(texts[13], "1D+14");
    EXPECT_EQ(texts[14], "1D+15");   // row 1 of the second week
}

TEST(MonthCalendarPages, OnePagePerMonthWithItsHeadings)
{
    SetRange(3, 1, 5, 31);
    const MonthCalendarSettings settings = Settings({});
    const std::string one = Pages(settings, 4, 4);
    EXPECT_EQ(one.find(W::GetPageBreakXml(kR1, kR2, kR3) +
                       CDocxBuilder::GetTextParagraphXml("月日历", "Tahoma", "20", "921111", 1, "1", kR1, kR2, kR3) +
                       CDocxBuilder::GetTextParagraphXml("APRIL", "Tahoma", "20", "921111", 1, "2", kR1, kR2, kR3) +
                       "<w:tbl>\n" + W::GetCalendarTablePropertiesXml("single", "808080") + W::GetCalendarGridXml(1368, 1)),
              0u);
    EXPECT_EQ(Count(one, "<w:tbl>"), 1u);
    EXPECT_EQ(one.substr(one.size() - 9), "</w:tbl>\n");

    const std::string three = Pages(settings, 3, 5);
    EXPECT_EQ(Count(three, "<w:br w:type=\"page\" />"), 3u);
    EXPECT_EQ(Count(three, "月日历"), 1u);
    EXPECT_EQ(Count(three, "<w:tbl>"), 3u);
    EXPECT_EQ(Count(three, "<w:t>\nMAY</w:t>"), 1u);
    EXPECT_EQ(Count(three, ">MAY</w:t>"), 1u);   // the title row of the table
    EXPECT_EQ(Pages(settings, 6, 5), "");
    EXPECT_EQ(Count(Pages(settings, 0, 13), "<w:tbl>"), 12u);
}

TEST(MonthCalendarPages, WeeksAndLineRowsOfEachMonth)
{
    SetRange(1, 1, 12, 31);
    // February 2026 fills four weeks from a Sunday: its empty fifth week is written, the sixth not.
    EXPECT_EQ(Count(Pages(Settings({}), 2, 2), "<w:tr "), 2u + 5u);
    EXPECT_EQ(Count(Pages(Settings({}), 5, 5), "<w:tr "), 2u + 6u);   // May 2026: six weeks
    EXPECT_EQ(Count(Pages(Settings({}), 4, 4), "<w:tr "), 2u + 5u);
    EXPECT_EQ(Count(Pages(Settings({0, 2}), 5, 5), "<w:tr "), 2u + 6u * 3u);
    const std::string all = Pages(Settings({0, 1, 2, 3, 4}), 4, 4);
    EXPECT_EQ(Count(all, "<w:tr "), 2u + 5u * 6u);
    EXPECT_EQ(Count(all, "<w:tc>"), 1u + 7u + 5u * 6u * 7u);
    // Seven weekday names in the style's weekday cells, upper-cased on request.
    EXPECT_EQ(Count(all, "<w:t>Sunday</w:t>"), 1u);
    MonthCalendarSettings upper = Settings({});
    upper.bWeekNameUpper = 1;
    EXPECT_EQ(Count(Pages(upper, 4, 4), "<w:t>SUNDAY</w:t>"), 1u);
}

TEST(MonthCalendarPages, DayNumbersLinkOnlyInsideTheRange)
{
    SetRange(3, 15, 4, 10);
    const std::string march = Pages(Settings({0}), 3, 3);
    EXPECT_EQ(Count(march, "HYPERLINK"), 17u);
    EXPECT_NE(march.find("HYPERLINK \\l \"BOOKMARK_Date001\""), std::string::npos);
    EXPECT_NE(march.find("HYPERLINK \\l \"BOOKMARK_Date017\""), std::string::npos);
    EXPECT_EQ(march.find("Date000"), std::string::npos);
    // The yearly calendar owns the calendar bookmarks; these pages only link.
    EXPECT_EQ(Count(march, "<w:bookmark"), 0u);

    // Sunday 15 March: linked, centred, in the day font and size, underlined.
    const std::string linked = "<w:tc>\n" +
                               W::GetMergedCellStartXml("single", "C0C0C0", "dotted", "AAAAAA", 1, 0, "FFEEEE",
                                                        "FFFFFF", "EEEEEE") +
                               kParagraph + "<w:pPr>\n<w:jc w:val=\"center\" /> </w:pPr>\n" +
                               W::GetFieldBeginRunXml("FF0000") + W::GetFieldInstrRunXml("FF0000", "BOOKMARK_Date001") +
                               W::GetBoldColorRunXml("FF0000", kR5) + W::GetFieldSeparateRunXml("FF0000") +
                               W::GetDayNumberRunXml("FF0000", kR5, 15, 1, 0, "Arial", "20", 1, 0, 0, 1) +
                               W::GetFieldEndRunXml("FF0000") + "</w:p>\n</w:tc>\n";
    EXPECT_NE(march.find(linked), std::string::npos);
    // Saturday 14 March: its number only, starting a merge that its line cell continues.
    const std::string outside = "<w:tc>\n" +
                                W::GetMergedCellStartXml("single", "C0C0C0", "dotted", "AAAAAA", 0, 6, "FFEEEE",
                                                         "FFFFFF", "EEEEEE") +
                                kParagraph + "<w:pPr>\n<w:jc w:val=\"center\" /> </w:pPr>\n" +
                                W::GetDayNumberRunXml("999999", kR5, 14, 0, 0, "Arial", "20", 0, 0, 0, 1) +
                                "</w:p>\n</w:tc>\n";
    EXPECT_NE(march.find(outside), std::string::npos);
    EXPECT_NE(march.find(W::GetMergedCellContinueXml(
                  kR1, kR2, kR3, "EEEEEE", 0, W::GetDayNumberRunXml("CC0000", kR5, 14, 0, 0, "Tahoma", "", 0, 0, 0, 1))),
              std::string::npos);
    // 1 March 2026 is a Sunday, so March ends in empty cells, which start a merge in the day row.
    EXPECT_NE(march.find(W::GetMergedCellContinueXml(kR1, kR2, kR3, "F8F8F8", 1, "") +
                         W::GetMergedCellContinueXml(kR1, kR2, kR3, "F8F8F8", 1, "")),
              std::string::npos);

    MonthCalendarSettings unaligned = Settings({});
    unaligned.FontAlign_Day = 3;
    // Besides the two headings, every day cell aligns its number unless the alignment is unknown.
    EXPECT_EQ(Count(Pages(unaligned, 3, 3), kParagraph + "<w:pPr>\n"), 2u);
    EXPECT_EQ(Count(march, kParagraph + "<w:pPr>\n"), 2u + 31u);
}

TEST(MonthCalendarPages, ValidWithEveryRowSignCounterAndHostileTexts)
{
    SetRange(1, 20, 3, 10);
    MonthCalendarSettings settings = Settings({0, 1, 2, 3, 4});
    settings.bLineSnapToGrid = 1;
    settings.FontName = "A&B \"<font>\"";
    settings.FontSize_Day = "";
    for (size_t k = 0; k < MonthCalendarSettings::kRows; ++k) {
        settings.b21Days[k] = k % 2 == 0 ? 1 : 0;
        settings.b21DaysRest[k] = 1;
        settings.i21DaysNotWorkDays[k] = static_cast<int>(k);
        settings.bAddSpecialSign_06[k] = settings.bAddSpecialSign_15[k] = 1;
        settings.iSpecialSign_06[k] = static_cast<int>(k) * 7;
        settings.iSpecialSign_15[k] = 28 - static_cast<int>(k);
        settings.SpecialSignColor_06[k] = "00AA00";
        settings.line06_FontBold_[k] = settings.line15_FontItalic_[k] = settings.line06_Strikethrough_[k] = 1;
    }
    settings.LineTop[1] = "";
    settings.LineColor_Bottom[2] = "";
    CalendarStyle style = TestCalendarStyle();
    style.MonthFormat = "<%B> & 月";
    style.back_color_nodiary = "";
    style.back_color_empty = "";
    const std::string body = W::GetMonthCalendarXml(kR1, kR2, kR3, kR5, 2024, 1, style, 0, settings, 1, 4, g_range);
    EXPECT_NE(body.find("&lt;January&gt; &amp; 月"), std::string::npos);
    EXPECT_EQ(BookmarkFaults(body).find("repeated"), std::string::npos);
    TempFolder folder;
    const std::string package = WritePackage(folder, body);
    EXPECT_EQ(PartErrors(package), "");
    const std::string findings = Findings(folder, package);
    if (findings.empty())
        GTEST_SKIP() << "the schema validator is not installed (test.sh installs it)";
    EXPECT_EQ(findings, "[]");
}
