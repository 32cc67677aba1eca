// Whole runs from a configuration to the .docx, checked by readers we did not write: the zip
// tool, libxml2 for every part and for the links, the Open XML schema validator, and LibreOffice
// for the pages the design implies.
#include "DocumentChecks.h"
#include "DocxCheck.h"
#include "SampleDesigns.h"
#include "app/generation/GenerationRun.h"
#include "app/generation/RunInputs.h"
#include "platform/Clock.h"
#include "settings/CivilDate.h"
#include "settings/DesignFile.h"
#include "settings/StartUp.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {

struct Case {
    const char* name;
    std::string file;   // a shipped configuration, or "" for the hostile design
    int frontPages;     // title and yearly calendar, each planner page, each month page
    int monthPages;     // of the front pages, those of the monthly calendar
};

void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.name;
}

struct Day {
    std::string caption;
    bool ticked = true;
};

// The days of the run as the date template gave them.
std::vector<Day> Days(const std::string& dateTemplate)
{
    std::vector<Day> days;
    std::string_view rest = dateTemplate;
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        days.push_back({std::string(line.substr(0, line.size() - 1)), line.back() != '0'});
    }
    return days;
}

class EndToEnd : public testing::TestWithParam<Case> {
protected:
    void SetUp() override
    {
        ResetAllSettings();
        platform::SetFixedClock(static_cast<std::time_t>(civil::DaysFromCivil(2026, 6, 15)) * 86400 + 12 * 3600);
        m_folder = std::make_unique<TempFolder>(true);
    }
    void TearDown() override
    {
        m_folder.reset();
        platform::ClearFixedClock();
        ResetAllSettings();
    }

    std::unique_ptr<TempFolder> m_folder;
};

// The front pages come first; then each ticked day begins a page of its own, and an unticked day
// stands on the page of the next ticked day (after the last one, on a page of its own). Nothing
// follows the last day.
void ExpectDayPages(const std::vector<std::string>& pages, const std::vector<Day>& days, int frontPages)
{
    ASSERT_FALSE(days.empty());
    size_t page = 0;
    while (page < pages.size() && Squeezed(pages[page]).find(Squeezed(days[0].caption)) == std::string::npos)
        ++page;
    EXPECT_EQ(page, static_cast<size_t>(frontPages)) << "pages before the first day";
    for (const Day& day : days) {
        ASSERT_LT(page, pages.size()) << day.caption;
        EXPECT_NE(Squeezed(pages[page]).find(Squeezed(day.caption)), std::string::npos)
            << day.caption << " is not on page " << page + 1;
        if (day.ticked)
            ++page;
    }
    EXPECT_EQ(pages.size(), days.back().ticked ? page : page + 1);
}

bool HasLineWith(const std::string& page, const std::string& squeezedText)
{
    for (size_t start = 0; start < page.size();) {
        const size_t end = std::min(page.find('\n', start), page.size());
        std::string line = Squeezed(page.substr(start, end - start));
        for (char& c : line)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (line.find(squeezedText) != std::string::npos)
            return true;
        start = end + 1;
    }
    return false;
}

// A calendar that holds together shows a weekday row as one line of text: the yearly calendar's
// three months of letters on its first page, and every monthly page its seven names.
void ExpectCalendarRows(const std::vector<std::string>& layoutPages, int monthPages)
{
    ASSERT_FALSE(layoutPages.empty());
    EXPECT_TRUE(HasLineWith(layoutPages[0], "smtwtfssmtwtfssmtwtfs")) << layoutPages[0];
    int monthly = 0;
    for (const std::string& page : layoutPages)
        monthly += HasLineWith(page, "sundaymondaytuesdaywednesdaythursdayfridaysaturday") ? 1 : 0;
    EXPECT_EQ(monthly, monthPages);
}

} // namespace

TEST_P(EndToEnd, DocumentPassesEveryReader)
{
    const Case& c = GetParam();
    ClassListModel rows;
    OutlineLevelTexts levels;
    if (c.file.empty())
        ApplyDesign(HostileDesign(), rows, levels);
    else
        levels = LoadDesignFile(c.file.c_str(), rows);
    ASSERT_FALSE(rows.empty());

    const std::string out = m_folder->File("out");
    std::filesystem::create_directory(out);
    GenerationJob job {m_folder->Path(), out, BuildRunDesign(rows, levels), {}, {}, {}};
    std::string dateTemplate;
    const auto keepDates = [&](GenerationPhase phase) {
        if (phase == GenerationPhase::Prepare)
            dateTemplate = docxcheck::ReadFile(job.runFolder + "/config/date_template.txt");
    };
    ASSERT_EQ(GenerateDiary(job, keepDates), GenerationStatus::Done) << static_cast<int>(job.docxStatus);
    const std::string docx = job.outputFile;

    EXPECT_EQ(ZipTestProblems(docx), "");
    const std::string parts = m_folder->File("parts");
    ASSERT_TRUE(Unpack(docx, parts));
    for (const std::string& part : docxcheck::PackageParts())
        EXPECT_EQ(docxcheck::XmlError(docxcheck::ReadFile(parts + "/" + part)), "") << part;
    const LinkReport links = CheckLinks(docxcheck::ReadFile(parts + "/word/document.xml"));
    EXPECT_EQ(links.problems, std::vector<std::string>{});
    EXPECT_GT(links.links, 0u);
    EXPECT_EQ(TableProblems(docxcheck::ReadFile(parts + "/word/document.xml")), std::vector<std::string>{});

    if (!docxcheck::ValidatorInstalled() || !docxcheck::LibreOfficeInstalled())
        GTEST_SKIP() << "the schema validator or LibreOffice is not installed (test.sh installs both)";
    EXPECT_EQ(docxcheck::ValidatorFindings(docx), "[]");
    const int pages = docxcheck::PdfPages(docx, m_folder->Path());
    const std::vector<std::string> texts = PdfPageTexts(m_folder->File("my_diary.pdf"));
    ASSERT_EQ(texts.size(), static_cast<size_t>(pages));
    ExpectDayPages(texts, Days(dateTemplate), c.frontPages);
    ExpectCalendarRows(PdfPageTexts(m_folder->File("my_diary.pdf"), true), c.monthPages);
}

// Front pages: 1 for the title and the yearly calendar; the year planners take 2 + 1, the
// quarter planner 4; the monthly calendar one page a month.
INSTANTIATE_TEST_SUITE_P(Designs, EndToEnd,
                         testing::Values(Case{"FullYear", "config/ZaDuzed_Simple.ini", 1, 0},
                                         Case{"EveryCalendarAndPlanner", "config/samples/FullYear_AllCalendars.ini",
                                              1 + 7 + 12, 12},
                                         Case{"From15MarchTo10April", "config/samples/Spring_15Mar_10Apr.ini", 1 + 2,
                                              2},
                                         Case{"WeekendsUnticked", "config/samples/Weekdays_Only.ini", 1, 0},
                                         Case{"MottoLines", "config/samples/Motto_June.ini", 1, 0},
                                         Case{"HostileTexts", "", 1 + 7 + 2, 2}),
                         [](const testing::TestParamInfo<Case>& test) { return std::string(test.param.name); });
