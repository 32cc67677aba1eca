// Numbered lines as LibreOffice prints them: each numbered table of each day counts from 1, also
// when its lines are numbered in an item-number style that other tables and days share.
#include "DocumentChecks.h"
#include "DocxCheck.h"
#include "app/generation/GenerationRun.h"
#include "app/generation/RunInputs.h"
#include "platform/Clock.h"
#include "settings/CivilDate.h"
#include "settings/DesignFile.h"
#include "settings/Settings.h"
#include "settings/StartUp.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

namespace {

// The numbers the page prints with the mark that follows them ("1)", "2."), in page order.
std::vector<std::string> Numbers(const std::string& page, const std::string& mark)
{
    std::vector<std::string> found;
    const std::regex number("(^|[^0-9])([0-9]+)" + mark);
    for (auto it = std::sregex_iterator(page.begin(), page.end(), number); it != std::sregex_iterator(); ++it)
        found.push_back((*it)[2]);
    return found;
}

// The shipped design numbers its first class as a list of its own ("1.") and its fourth in the
// item style "1)", three lines each; none when it no longer does. Its settings become the program's.
ClassListModel ShippedRows(OutlineLevelTexts& levels)
{
    ResetAllSettings();
    ClassListModel rows;
    levels = LoadDesignFile("config/ZaDuzed_Simple.ini", rows);
    const bool asTold = rows.size() == 4 && rows[0].cells[kCellItemNumber] == "Y" &&
                        rows[3].cells[kCellItemSpecial] == "2" && rows[3].cells[kCellLineCount] == "3";
    return asTold ? rows : ClassListModel{};
}

// The pages LibreOffice prints of a run of the shipped design with these classes, in 2026 from the
// day given to 31 December; none when the run fails.
std::vector<std::string> PrintedPages(const TempFolder& program, const ClassListModel& rows,
                                      const OutlineLevelTexts& levels, int firstMonth, int firstDay)
{
    platform::SetFixedClock(static_cast<std::time_t>(civil::DaysFromCivil(2026, 6, 15)) * 86400 + 12 * 3600);
    g_nMonthStart = firstMonth;
    g_nMonthEnd = 12;
    g_nDayStart = firstDay;
    g_nDayEnd = 31;
    const std::string out = program.File("out");
    std::filesystem::create_directory(out);
    GenerationJob job{program.Path(), out, BuildRunDesign(rows, levels), {}, {}, {}};
    const GenerationStatus status = GenerateDiary(job);
    platform::ClearFixedClock();
    ResetAllSettings();
    EXPECT_EQ(status, GenerationStatus::Done);
    if (status != GenerationStatus::Done)
        return {};
    docxcheck::ConvertToPdf({job.outputFile}, program.Path());
    return PdfPageTexts(docxcheck::PdfOf(job.outputFile, program.Path()));
}

// The page of the day; "" when none shows it.
std::string PageOf(const std::vector<std::string>& pages, const std::string& date)
{
    for (const std::string& page : pages)
        if (Squeezed(page).find(date) != std::string::npos)
            return page;
    return "";
}

} // namespace

TEST(ItemNumbers, EveryTableOfTheLastDayCountsFromOne)
{
    if (!docxcheck::LibreOfficeInstalled())
        GTEST_SKIP() << "LibreOffice is not installed (test.sh installs it)";
    const TempFolder program(true);
    OutlineLevelTexts levels;
    ClassListModel rows = ShippedRows(levels);
    ASSERT_FALSE(rows.empty());
    // A second table of the item style, with the number in a cell of its own.
    ClassListRow again = rows[3];
    again.cells[kCellTitle] = "Again";
    again.cells[kCellInsertColumn] = "Y";
    rows.push_back(again);

    const std::vector<std::string> pages = PrintedPages(program, rows, levels, 12, 29);
    ASSERT_FALSE(pages.empty());
    const std::string& lastDay = pages.back();
    ASSERT_NE(Squeezed(lastDay).find("2026-12-31"), std::string::npos) << lastDay;
    EXPECT_EQ(Numbers(lastDay, "\\)"), (std::vector<std::string>{"1", "2", "3", "1", "2", "3"})) << lastDay;
    EXPECT_EQ(Numbers(lastDay, "\\."), (std::vector<std::string>{"1", "2", "3"})) << lastDay;
}

// A year of one class numbered as a list of its own and five in the item style "1)" makes 2190
// lists, more than the 2001 that fit below the item styles' abstract numberings 2001..2021: the
// days from 1 December on are past them, and every table there still counts in its own style.
TEST(ItemNumbers, AYearOfManyListsKeepsEveryTableInItsOwnStyle)
{
    if (!docxcheck::LibreOfficeInstalled())
        GTEST_SKIP() << "LibreOffice is not installed (test.sh installs it)";
    const TempFolder program(true);
    OutlineLevelTexts levels;
    const ClassListModel shipped = ShippedRows(levels);
    ASSERT_FALSE(shipped.empty());
    ClassListModel rows = {shipped[0], shipped[3]};
    for (const char* title : {"B", "C", "D", "E"}) {
        rows.push_back(shipped[3]);
        rows.back().cells[kCellTitle] = title;
    }

    const std::vector<std::string> pages = PrintedPages(program, rows, levels, 1, 1);
    ASSERT_FALSE(pages.empty());
    const std::vector<std::string> oneToThree = {"1", "2", "3"};
    std::vector<std::string> fiveTimes;
    for (int table = 0; table < 5; ++table)
        fiveTimes.insert(fiveTimes.end(), oneToThree.begin(), oneToThree.end());
    for (const char* date : {"2026-12-01", "2026-12-02", "2026-12-03", "2026-12-31"}) {
        const std::string page = PageOf(pages, date);
        ASSERT_FALSE(page.empty()) << date;
        EXPECT_EQ(Numbers(page, "\\."), oneToThree) << page;
        EXPECT_EQ(Numbers(page, "\\)"), fiveTimes) << page;
    }
}
