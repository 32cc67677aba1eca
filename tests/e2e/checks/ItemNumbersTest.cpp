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

} // namespace

TEST(ItemNumbers, EveryTableOfTheLastDayCountsFromOne)
{
    const TempFolder program(true);
    ResetAllSettings();
    platform::SetFixedClock(static_cast<std::time_t>(civil::DaysFromCivil(2026, 6, 15)) * 86400 + 12 * 3600);
    ClassListModel rows;
    const OutlineLevelTexts levels = LoadDesignFile("config/ZaDuzed_Simple.ini", rows);
    // The shipped design numbers its first class as a list of its own ("1.") and its fourth in
    // the item style "1)"; a second table of that style, with the number in a cell of its own.
    ASSERT_EQ(rows.size(), 4u);
    ASSERT_EQ(rows[0].cells[kCellItemNumber], "Y");
    ASSERT_EQ(rows[3].cells[kCellItemSpecial], "2");
    ClassListRow again = rows[3];
    again.cells[kCellTitle] = "Again";
    again.cells[kCellInsertColumn] = "Y";
    rows.push_back(again);
    g_nMonthStart = g_nMonthEnd = 12;
    g_nDayStart = 29;
    g_nDayEnd = 31;

    const std::string out = program.File("out");
    std::filesystem::create_directory(out);
    GenerationJob job{program.Path(), out, BuildRunDesign(rows, levels), {}, {}, {}};
    const GenerationStatus status = GenerateDiary(job);
    platform::ClearFixedClock();
    ResetAllSettings();
    ASSERT_EQ(status, GenerationStatus::Done);

    if (!docxcheck::LibreOfficeInstalled())
        GTEST_SKIP() << "LibreOffice is not installed (test.sh installs it)";
    docxcheck::ConvertToPdf({job.outputFile}, program.Path());
    const std::vector<std::string> pages = PdfPageTexts(docxcheck::PdfOf(job.outputFile, program.Path()));
    ASSERT_FALSE(pages.empty());
    const std::string& lastDay = pages.back();
    ASSERT_NE(Squeezed(lastDay).find("2026-12-31"), std::string::npos) << lastDay;
    EXPECT_EQ(Numbers(lastDay, "\\)"), (std::vector<std::string>{"1", "2", "3", "1", "2", "3"})) << lastDay;
    EXPECT_EQ(Numbers(lastDay, "\\."), (std::vector<std::string>{"1", "2", "3"})) << lastDay;
}
