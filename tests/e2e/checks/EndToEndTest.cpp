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

#include <filesystem>

namespace {

struct Case {
    const char* name;
    std::string file;   // a shipped configuration, or "" for the hostile design
    int frontPages;     // at least: title and yearly calendar, each planner page, each month page
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

// Each ticked day begins a page of its own; an unticked day stands on the page of the next
// ticked day; the page break after the last day leaves one empty page.
void ExpectDayPages(const std::vector<std::string>& pages, const std::vector<Day>& days, int frontPages)
{
    ASSERT_FALSE(days.empty());
    size_t page = 0;
    while (page < pages.size() && Squeezed(pages[page]).find(Squeezed(days[0].caption)) == std::string::npos)
        ++page;
    EXPECT_GE(page, static_cast<size_t>(frontPages)) << "pages before the first day";
    for (const Day& day : days) {
        ASSERT_LT(page, pages.size()) << day.caption;
        EXPECT_NE(Squeezed(pages[page]).find(Squeezed(day.caption)), std::string::npos)
            << day.caption << " is not on page " << page + 1;
        if (day.ticked)
            ++page;
    }
    EXPECT_EQ(pages.size(), page + 1);
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

    if (!docxcheck::ValidatorInstalled() || !docxcheck::LibreOfficeInstalled())
        GTEST_SKIP() << "the schema validator or LibreOffice is not installed (test.sh installs both)";
    EXPECT_EQ(docxcheck::ValidatorFindings(docx), "[]");
    const int pages = docxcheck::PdfPages(docx, m_folder->Path());
    const std::vector<std::string> texts = PdfPageTexts(m_folder->File("my_diary.pdf"));
    ASSERT_EQ(texts.size(), static_cast<size_t>(pages));
    ExpectDayPages(texts, Days(dateTemplate), c.frontPages);
}

// Front pages: 1 for the title and the yearly calendar; the year planners take 2 + 1, the
// quarter planner 4; the monthly calendar one page a month.
INSTANTIATE_TEST_SUITE_P(Designs, EndToEnd,
                         testing::Values(Case{"FullYear", "config/ZaDuzed_Simple.ini", 1},
                                         Case{"EveryCalendarAndPlanner", "config/samples/FullYear_AllCalendars.ini",
                                              1 + 7 + 12},
                                         Case{"From15MarchTo10April", "config/samples/Spring_15Mar_10Apr.ini", 1 + 2},
                                         Case{"WeekendsUnticked", "config/samples/Weekdays_Only.ini", 1},
                                         Case{"MottoLines", "config/samples/Motto_June.ini", 1},
                                         Case{"HostileTexts", "", 1 + 7 + 2}),
                         [](const testing::TestParamInfo<Case>& test) { return std::string(test.param.name); });
