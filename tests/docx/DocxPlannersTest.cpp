// The year and quarter planners: exact cells and borders, day columns aligned by weekday, the
// colours of weekends, empty cells and every second month; and one document holding every
// calendar and planner, which the schema validator and LibreOffice accept.
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

YearPlannerSettings Planner()
{
    YearPlannerSettings s;
    s.bYearPlanner = s.YearPlanner1Page = s.YearPlannerQuarterPlanner = 1;
    s.str_FontName = "Arial";
    s.str_FontSize = "11";
    s.color_for_month_bk = "100001";
    s.color_for_month_font = "100002";
    s.color_for_weekname_bk = "100003";
    s.color_for_weekname_font = "100004";
    s.color_for_week1to5_bk = "100005";
    s.color_for_week1to5_font = "100006";
    s.color_for_week0and6_bk = "100007";
    s.color_for_week0and6_font = "100008";
    s.color_for_day_is_empty_bk = "100009";
    s.line_type_name_in_xml = "single";
    s.line_color = "808080";
    s.color_for_double_month_bk = "10000A";
    s.MonthFormat_For1PageYearPlanner = "%b";
    s.YearPlanner1Page_MonthUppercase = 0;
    return s;
}

CalendarStyle Style()
{
    CalendarStyle s;
    s.MonthFormat = "%B";
    return s;
}

std::string Fill(const std::string& color)
{
    return "w:fill=\"" + color + "\"";
}

std::string RunProperties(const std::string& font, const std::string& color, const std::string& size)
{
    return W::GetFontsXml(font) + "\t<w:color w:val=\"" + color + "\" /> <w:sz w:val=\"" + size +
           "\" /><w:szCs w:val=\"" + size + "\" />\t</w:rPr>";
}

// A cell as the planners write it, with the borders part given.
std::string ExpectedCell(const std::string& text, const std::string& fill, const std::string& color,
                         const std::string& font, const std::string& size, const std::string& width,
                         const std::string& word, const std::string& extra)
{
    const std::string run = RunProperties(font, color, size);
    return "<w:tc> <w:tcPr>\t<w:tcW w:w=\"" + width + "\" w:type=\"dxa\" /> " + extra +
           "\t<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"" + fill + "\" /> \t</w:tcPr>"
           " <w:p w:rsidR=\"00F458AB\" w:rsidRPr=\"009D781D\" w:rsidRDefault=\"00F458AB\" w:rsidP=\"00BE39CD\">"
           " <w:pPr>\t<w:jc w:val=\"" + word + "\" />  <w:rPr>" + run + "\t</w:pPr>"
           " <w:r w:rsidRPr=\"009D781D\"><w:rPr>" + run + "\t<w:t>" + text + "</w:t> \t</w:r>\t</w:p>\t</w:tc>";
}

std::string Border(const std::string& side, const std::string& type = "single", const std::string& color = "808080")
{
    return W::GetBorderXml(1, side, type, color);
}

} // namespace

TEST(PlannerPieces, TablePropertiesAndBordersInSchemaOrderWithTheirGuards)
{
    EXPECT_EQ(W::GetPlannerBordersXml("single", "808080", 1, 1, 1, 1),
              "<w:tblBorders>\n" + Border("top") + Border("left") + Border("bottom") + Border("right") +
                  Border("insideH") + Border("insideV") + "</w:tblBorders>\n");
    EXPECT_EQ(W::GetPlannerBordersXml("", "80808", 1, 1, 0, 0),
              "<w:tblBorders>\n" + Border("top", "single", "000000") + Border("bottom", "single", "000000") +
                  Border("insideH", "single", "000000") + "</w:tblBorders>\n");
    EXPECT_EQ(W::GetPlannerBordersXml("dotted", "808080", 0, 1, 0, 1),
              "<w:tblBorders>\n" + Border("bottom", "dotted") + Border("right", "dotted") + "</w:tblBorders>\n");
    EXPECT_EQ(W::GetPlannerTablePropertiesXml("single", "808080", "", "", 1, 1, 0, 0),
              "<w:tblPr><w:tblW w:w=\"10008\" w:type=\"dxa\" /><w:tblInd w:w=\"-106\" w:type=\"dxa\" />" +
                  W::GetPlannerBordersXml("single", "808080", 1, 1, 0, 0) +
                  "<w:tblLayout w:type=\"fixed\" /><w:tblLook w:val=\"01E0\" /></w:tblPr>");
    EXPECT_NE(W::GetPlannerTablePropertiesXml("single", "808080", "5000", "0", 1, 1, 1, 1)
                  .find("<w:tblW w:w=\"5000\" w:type=\"dxa\" /><w:tblInd w:w=\"0\" w:type=\"dxa\" />"),
              std::string::npos);
}

TEST(PlannerPieces, CellsAreWrittenExactlyWithOneBorderSetAndColourGuards)
{
    EXPECT_EQ(W::GetPlannerCellXml("1 T", "FFEEDD", "112233", "Arial", "22", 648, 0, 1, 0, 0, "", ""),
              ExpectedCell("1 T", "FFEEDD", "112233", "Arial", "22", "648", "left", ""));
    EXPECT_EQ(W::GetPlannerCellXml("A&B", "FFEED", "11223", "", "22", 3168, 1, 1, 1, 0, "", ""),
              ExpectedCell("A&amp;B", "000000", "FFFFFF", "Tahoma", "22", "3168", "center",
                           "<w:gridSpan w:val=\"2\" />"));
    EXPECT_EQ(W::GetPlannerCellXml("", "FFFFFF", "112233", "Arial", "22", 253, 2, 0, 0, 0, "", ""),
              ExpectedCell("", "FFFFFF", "112233", "Arial", "22", "253", "right",
                           "<w:tcBorders><w:top w:val=\"nil\" /> <w:bottom w:val=\"nil\" /> </w:tcBorders>"));
    EXPECT_EQ(W::GetPlannerCellXml("", "FFFFFF", "112233", "Arial", "22", 648, 7, 1, 0, 1, "", ""),
              ExpectedCell("", "FFFFFF", "112233", "Arial", "22", "648", "left",
                           "<w:tcBorders>" + Border("right", "single", "FFFFFF") + "</w:tcBorders>"));
    EXPECT_EQ(W::GetPlannerCellXml("", "FFFFFF", "112233", "Arial", "22", 648, 0, 0, 0, 1, "dotted", "808080"),
              ExpectedCell("", "FFFFFF", "112233", "Arial", "22", "648", "left",
                           "<w:tcBorders><w:top w:val=\"nil\" /> <w:bottom w:val=\"nil\" /> " +
                               Border("right", "dotted") + "</w:tcBorders>"));
    EXPECT_EQ(Count(W::GetPlannerCellXml("x", "FFFFFF", "112233", "Arial", "", 648, 0, 1, 0, 0, "", ""), "<w:sz"),
              0u);
}

TEST(PlannerDays, MonthListsAndTheirAlignmentByWeekday)
{
    std::array<W::PlannerMonth, 12> months;
    W::GetMonthDays(months, 2024);
    EXPECT_EQ(months[1].size(), 29u);
    EXPECT_EQ(months[1][28].weekday, 4);   // 29 February 2024, a Thursday
    W::GetMonthDays(months, 2026);
    EXPECT_EQ(months[1].size(), 28u);
    EXPECT_EQ(months[0][0].weekday, 4);    // 1 January 2026, a Thursday

    std::vector<W::PlannerMonth> columns;
    for (int year : {2023, 2024, 2026}) {
        for (const auto& [first, end] : {std::pair{0, 6}, std::pair{6, 12}, std::pair{0, 12}, std::pair{4, 5}}) {
            const int lowest = W::GetAlignedMonthDays(columns, year, first, end);
            ASSERT_EQ(columns.size(), static_cast<size_t>(end - first));
            int expectedLowest = 6;
            for (int month = first; month < end; ++month)
                expectedLowest = std::min(expectedLowest, civil::WeekdayOf(year, month + 1, 1));
            EXPECT_EQ(lowest, expectedLowest);
            for (size_t column = 0; column < columns.size(); ++column) {
                const int month = first + static_cast<int>(column) + 1;
                const auto fillers = static_cast<size_t>(civil::WeekdayOf(year, month, 1) - lowest);
                ASSERT_EQ(columns[column].size(), fillers + static_cast<size_t>(civil::DaysInMonth(year, month)));
                for (size_t row = 0; row < columns[column].size(); ++row) {
                    const W::PlannerDay& entry = columns[column][row];
                    if (row < fillers) {
                        EXPECT_EQ(entry.day, 0);
                        EXPECT_EQ(entry.weekday, -1);
                    } else {
                        EXPECT_EQ(entry.day, static_cast<int>(row - fillers) + 1);
                        EXPECT_EQ(entry.weekday, (lowest + static_cast<int>(row)) % 7);
                    }
                }
            }
        }
    }
}

TEST(YearPlanner, RowsFollowTheLowestFirstWeekdayAndLettersRunOn)
{
    const YearPlannerSettings planner = Planner();
    const std::string letterCell = "\t<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"100003\" />";
    bool sawSunday = false;
    for (int year = 2020; year <= 2040; ++year) {
        for (int first : {0, 6}) {
            std::vector<W::PlannerMonth> columns;
            const int lowest = W::GetAlignedMonthDays(columns, year, first, first + 6);
            const std::string xml = W::GetYearPlannerXml(planner, Style(), first, first + 6, year, 0);
            const size_t dayRows = static_cast<size_t>(6 - lowest + 31);
            EXPECT_EQ(Count(xml, "<w:tr "), dayRows + 2u);
            EXPECT_EQ(Count(xml, letterCell), dayRows);
            const std::string firstLetter = W::GetWeekdayNames(3)[static_cast<size_t>(lowest)];
            EXPECT_NE(xml.find(letterCell + " \t</w:tcPr>"), std::string::npos);
            EXPECT_NE(xml.find("<w:t>" + firstLetter + "</w:t>"), std::string::npos);
            sawSunday = sawSunday || lowest == 0;
        }
    }
    EXPECT_TRUE(sawSunday);
    // The 1sts of six months never all fall after a Tuesday; a single month from a Wednesday
    // (May 2024) has 34 rows starting with W.
    const std::string may = W::GetYearPlannerXml(planner, Style(), 4, 5, 2024, 0);
    EXPECT_EQ(Count(may, "<w:tr "), 34u + 2u);
    const size_t firstLetter = may.find("<w:t>", may.find(letterCell)) + 5;
    EXPECT_EQ(may.substr(firstLetter, 2), "W<");

    // 2026, January to June: the smallest first weekday is Sunday (1 February), so 37 rows and
    // letters S, M, T, W, T, F, S, S, M, ...
    const std::string half = W::GetYearPlannerXml(planner, Style(), 0, 6, 2026, 0);
    std::vector<std::string> letters;
    for (size_t at = half.find(letterCell); at != std::string::npos; at = half.find(letterCell, at + 1)) {
        const size_t text = half.find("<w:t>", at) + 5;
        letters.push_back(half.substr(text, half.find("</w:t>", text) - text));
    }
    ASSERT_EQ(letters.size(), 37u);
    EXPECT_EQ(letters[0], "S");
    EXPECT_EQ(letters[7], "S");
    EXPECT_EQ(letters[8], "M");
    EXPECT_EQ(letters[36], "M");

    // August 2026 starts on a Saturday: its 31st stands in the last day row.
    const std::string second = W::GetYearPlannerXml(planner, Style(), 6, 12, 2026, 0);
    const size_t lastRow = second.rfind("<w:tr ", second.rfind("<w:tr ") - 1);
    EXPECT_NE(second.find("<w:t>31</w:t>", lastRow), std::string::npos);
}

TEST(YearPlanner, WidthsLabelsSizesAndColours)
{
    YearPlannerSettings planner = Planner();
    const std::string half = W::GetYearPlannerXml(planner, Style(), 0, 6, 2026, 1);
    EXPECT_EQ(half.find("<w:tbl><w:tblPr><w:tblW w:w=\"10008\" w:type=\"dxa\" /><w:tblInd w:w=\"-106\" w:type=\"dxa\" />"),
              0u);
    EXPECT_EQ(Count(half, "<w:gridCol w:w=\"1618\" />"), 6u);
    EXPECT_EQ(Count(half, "<w:t>JANUARY</w:t>"), 2u);   // header and footer
    EXPECT_EQ(Count(half, "<w:sz w:val=\"22\" />"), Count(half, "<w:tc>") * 2u);
    EXPECT_EQ(Count(half, W::GetFontsXml("Arial")), Count(half, "<w:tc>") * 2u);

    const std::string whole = W::GetYearPlannerXml(planner, Style(), 0, 12, 2026, 1);
    EXPECT_EQ(Count(whole, "<w:gridCol w:w=\"809\" />"), 12u);
    EXPECT_EQ(Count(whole, "<w:t>Jan</w:t>"), 2u);
    planner.YearPlanner1Page_MonthUppercase = 1;
    EXPECT_EQ(Count(W::GetYearPlannerXml(planner, Style(), 0, 12, 2026, 0), "<w:t>JAN</w:t>"), 2u);

    // Colours by day: weekends, Monday to Friday of every second column, cells without a day.
    std::vector<W::PlannerMonth> columns;
    const int lowest = W::GetAlignedMonthDays(columns, 2026, 0, 6);
    const size_t dayRows = static_cast<size_t>(6 - lowest + 31);
    size_t weekends = 0, secondMonthWorkdays = 0, workdays = 0, days = 0;
    for (int month = 1; month <= 6; ++month) {
        for (int day = 1; day <= civil::DaysInMonth(2026, month); ++day) {
            ++days;
            const int weekday = civil::WeekdayOf(2026, month, day);
            if (weekday == 0 || weekday == 6)
                ++weekends;
            else if (month % 2 == 0)
                ++secondMonthWorkdays;
            else
                ++workdays;
        }
    }
    EXPECT_EQ(Count(half, Fill("100007")), weekends);
    EXPECT_EQ(Count(half, Fill("10000A")), secondMonthWorkdays);
    EXPECT_EQ(Count(half, Fill("100005")), workdays);
    EXPECT_EQ(Count(half, Fill("100009")), 6u * dayRows - days);

    planner.str_FontName = "";
    planner.str_FontSize = "";
    const std::string plain = W::GetYearPlannerXml(planner, Style(), 0, 6, 2026, 0);
    EXPECT_EQ(Count(plain, "<w:sz"), 0u);
    EXPECT_EQ(Count(plain, W::GetFontsXml("Tahoma")), Count(plain, "<w:tc>") * 2u);

    EXPECT_EQ(W::GetYearPlannerXml(planner, Style(), 3, 3, 2026, 0), "");
    EXPECT_EQ(W::GetYearPlannerXml(planner, Style(), -1, 6, 2026, 0), "");
    EXPECT_EQ(W::GetYearPlannerXml(planner, Style(), 6, 13, 2026, 0), "");
}

TEST(QuarterPlanner, ThirtyOneRowsOfThreeMonths)
{
    const YearPlannerSettings planner = Planner();
    const std::string first = W::GetQuarterPlannerXml(planner, Style(), 0, 3, 2026, 1);
    EXPECT_EQ(Count(first, "<w:tr "), 32u);
    EXPECT_EQ(Count(first, "<w:gridCol"), 8u);
    EXPECT_NE(first.find("<w:tblGrid> \t    <w:gridCol w:w=\"648\" /> \t<w:gridCol w:w=\"2520\" /> "
                         "\t<w:gridCol w:w=\"253\" /> "),
              std::string::npos);
    EXPECT_EQ(Count(first, Border("top")), 1u);
    EXPECT_EQ(Count(first, Border("insideH")), 1u);
    EXPECT_EQ(Count(first, Border("left")), 0u);
    EXPECT_EQ(Count(first, "<w:t>MARCH</w:t>"), 1u);
    EXPECT_EQ(Count(first, "<w:gridSpan w:val=\"2\" />"), 3u);
    // 1 January 2026 is a Thursday.
    EXPECT_NE(first.find(ExpectedCell("1 T", "100005", "100006", "Arial", "22", "648", "left",
                                      "<w:tcBorders>" + Border("right") + "</w:tcBorders>")),
              std::string::npos);
    EXPECT_NE(first.find(ExpectedCell("3 S", "100007", "100008", "Arial", "22", "648", "left",
                                      "<w:tcBorders>" + Border("right") + "</w:tcBorders>")),
              std::string::npos);
    // February 2026 leaves rows 29 to 31 empty, in the Monday-Friday colours.
    EXPECT_EQ(Count(first, "<w:t>29 "), 2u);
    EXPECT_EQ(Count(first, ExpectedCell("", "100005", "100006", "Arial", "22", "648", "left",
                                        "<w:tcBorders>" + Border("right") + "</w:tcBorders>")),
              3u);
    EXPECT_EQ(Count(W::GetQuarterPlannerXml(planner, Style(), 0, 3, 2024, 1), "<w:t>29 "), 3u);
    // Two spacer columns in every row.
    EXPECT_EQ(Count(first, "<w:tcW w:w=\"253\" w:type=\"dxa\" />"), 2u * 32u);

    const std::string fourth = W::GetQuarterPlannerXml(planner, Style(), 9, 12, 2026, 0);
    EXPECT_EQ(Count(fourth, "<w:t>October</w:t>"), 1u);
    EXPECT_EQ(Count(fourth, "<w:t>31 "), 2u);
    EXPECT_EQ(W::GetQuarterPlannerXml(planner, Style(), 0, 6, 2026, 0), "");
    EXPECT_EQ(W::GetQuarterPlannerXml(planner, Style(), 10, 13, 2026, 0), "");
}

// The pages a full design makes: title, yearly calendar, every planner, the month pages and a
// date heading per day of the range, with hostile texts wherever the user writes one.
TEST(CalendarDocument, EveryCalendarAndPlannerInOneDocument)
{
    const int year = 2024;
    platform::SetFixedClock(static_cast<std::time_t>(civil::DaysFromCivil(year, 6, 15)) * 86400 + 12 * 3600);
    const DocxDateRange range{3, 4, 15, 10};
    g_abUncheckedWeek[0] = g_abUncheckedWeek[6] = 0;

    YearPlannerSettings planner = Planner();
    planner.str_FontName = "Tahoma & <Sons>";
    planner.MonthFormat_For1PageYearPlanner = "%b <&>";
    CalendarStyle style;
    style.MonthFormat = "%B \"月\" & 'x'";
    style.font_name = "Tahoma";
    style.line_type = "single";
    style.line_color = "808080";
    style.month_bk_color = "DDEEFF";
    style.day0And6_font_color = "FF0000";
    style.day1To5_font_color = "0000FF";
    style.day_nolink_font_color = "999999";
    style.ABlankRowAfterAmonth = 1;
    MonthCalendarSettings month;
    month.FontSize = "9";
    month.FontSize_Day = "10";
    month.LineType_Grid = "single";
    month.LineColor_Grid = "808080";
    month.bAddLine[0] = month.bAddLine[1] = 1;
    month.b21Days[1] = 1;
    month.bAddSpecialSign_15[0] = 1;
    month.iSpecialSign_15[0] = 3;

    CDocxBuilder builder;
    const std::string pageBreak = W::GetPageBreakXml(kR1, kR2, kR3);
    std::string body = builder.GetTitleParagraphXml("000000", "44", "Tahoma", 1, "Diary <&> 日记");
    body += W::GetYearCalendarXml(kR1, kR2, kR3, kR5, 437, year, 1, style, 1, 1, 2, range);
    for (const auto& [first, end] : {std::pair{0, 6}, std::pair{6, 12}, std::pair{0, 12}})
        body += pageBreak + W::GetYearPlannerXml(planner, style, first, end, year, 1);
    for (int quarter = 0; quarter < 4; ++quarter)
        body += pageBreak + W::GetQuarterPlannerXml(planner, style, 3 * quarter, 3 * quarter + 3, year, 1);
    body += W::GetMonthCalendarXml(kR1, kR2, kR3, kR5, year, 1, style, 1, month, 3, 4, range);
    const std::vector<std::string> lines =
        CDocxBuilder::BuildDayCaptions("%m-%d %a", 0, "", "", "", year, 0, 3, 4, 15, 10, 0, "", "");
    ASSERT_EQ(lines.size(), 27u);
    for (size_t n = 1; n <= lines.size(); ++n)
        body += pageBreak + builder.GetDateHeadingXml(367 + static_cast<int>(n), static_cast<int>(n), "000000",
                                                      "28", 1, 0, "2", lines[n - 1], "", 0, "Tahoma", 0, 0,
                                                      DayCaptionSettings(), 1, TableLineSettings());
    platform::ClearFixedClock();
    SetStartValues();

    EXPECT_EQ(BookmarkFaults(body), "");
    TempFolder folder;
    const std::string package = WritePackage(folder, body);
    EXPECT_EQ(PartErrors(package), "");
    if (!docxcheck::ValidatorInstalled() || !docxcheck::LibreOfficeInstalled())
        GTEST_SKIP() << "the schema validator or LibreOffice is not installed (test.sh installs both)";
    EXPECT_EQ(Findings(folder, package), "[]");
    // At least: calendar, 3 year planners, 4 quarter planners, 2 month pages, 27 day pages.
    EXPECT_GE(docxcheck::PdfPages(folder.File("calendar.docx"), folder.Path()), 1 + 3 + 4 + 2 + 27);
}
