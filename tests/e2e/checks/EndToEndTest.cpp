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

// Front pages: 1 for the title and the yearly calendar; the year planners take 2 + 1, the
// quarter planner 4; the monthly calendar one page a month.
const Case kCases[] = {
    {"FullYear", "config/ZaDuzed_Simple.ini", 1, 0},
    {"EveryCalendarAndPlanner", "config/samples/FullYear_AllCalendars.ini", 1 + 7 + 12, 12},
    {"From15MarchTo10April", "config/samples/Spring_15Mar_10Apr.ini", 1 + 2, 2},
    {"WeekendsUnticked", "config/samples/Weekdays_Only.ini", 1, 0},
    {"MottoLines", "config/samples/Motto_June.ini", 1, 0},
    {"HostileTexts", "", 1 + 7 + 2, 2},
};

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
// three months of letters on its first page, and every monthly page its seven names. The one-page
// planner's month labels each stay on one line: a label too wide for its column leaves its year
// (2026, the runs' year) on a line of years below the names.
void ExpectCalendarRows(const std::vector<std::string>& layoutPages, int monthPages)
{
    ASSERT_FALSE(layoutPages.empty());
    EXPECT_TRUE(HasLineWith(layoutPages[0], "smtwtfssmtwtfssmtwtfs")) << layoutPages[0];
    int monthly = 0;
    for (const std::string& page : layoutPages) {
        monthly += HasLineWith(page, "sundaymondaytuesdaywednesdaythursdayfridaysaturday") ? 1 : 0;
        if (Squeezed(page).find("年计划表(1页)") != std::string::npos) {
            EXPECT_FALSE(HasLineWith(page, "20262026")) << page;
        }
    }
    EXPECT_EQ(monthly, monthPages);
}

// A run of the design at the program's folder; the document is copied to <name>.docx there and
// checked by every reader that needs no PDF. The days are those of the run's date template.
struct Made {
    std::string docx;
    std::string dateTemplate;
};

Made MakeAndCheck(const Case& c, const TempFolder& program)
{
    ResetAllSettings();
    platform::SetFixedClock(static_cast<std::time_t>(civil::DaysFromCivil(2026, 6, 15)) * 86400 + 12 * 3600);
    ClassListModel rows;
    OutlineLevelTexts levels;
    if (c.file.empty())
        ApplyDesign(HostileDesign(), rows, levels);
    else
        levels = LoadDesignFile(c.file.c_str(), rows);
    EXPECT_FALSE(rows.empty());

    const std::string out = program.File(std::string("out-") + c.name);
    std::filesystem::create_directory(out);
    GenerationJob job {program.Path(), out, BuildRunDesign(rows, levels), {}, {}, {}};
    Made made {program.File(std::string(c.name) + ".docx"), {}};
    const auto keepDates = [&](GenerationPhase phase) {
        if (phase == GenerationPhase::Prepare)
            made.dateTemplate = docxcheck::ReadFile(job.runFolder + "/config/date_template.txt");
    };
    const GenerationStatus status = GenerateDiary(job, keepDates);
    platform::ClearFixedClock();
    ResetAllSettings();
    EXPECT_EQ(status, GenerationStatus::Done) << static_cast<int>(job.docxStatus);
    if (status != GenerationStatus::Done)
        return {};
    std::filesystem::copy_file(job.outputFile, made.docx);

    EXPECT_EQ(ZipTestProblems(made.docx), "");
    const std::string parts = out + "/parts";
    EXPECT_TRUE(Unpack(made.docx, parts));
    for (const std::string& part : docxcheck::PackageParts())
        EXPECT_EQ(docxcheck::XmlError(docxcheck::ReadFile(parts + "/" + part)), "") << part;
    const std::string document = docxcheck::ReadFile(parts + "/word/document.xml");
    const LinkReport links = CheckLinks(document);
    EXPECT_EQ(links.problems, std::vector<std::string>{});
    EXPECT_GT(links.links, 0u);
    EXPECT_EQ(TableProblems(document), std::vector<std::string>{});
    return made;
}

} // namespace

// The validator checks the documents side by side, and LibreOffice makes their PDFs in one start.
TEST(EndToEnd, EveryDesignPassesEveryReader)
{
    const TempFolder program(true);
    std::vector<Made> made;
    std::vector<std::string> docxs;
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        made.push_back(MakeAndCheck(c, program));
        ASSERT_FALSE(made.back().docx.empty()) << "the run did not finish";
        docxs.push_back(made.back().docx);
    }
    if (!docxcheck::ValidatorInstalled() || !docxcheck::LibreOfficeInstalled())
        GTEST_SKIP() << "the schema validator or LibreOffice is not installed (test.sh installs both)";
    const std::vector<std::string> findings = docxcheck::ValidatorFindings(docxs);
    docxcheck::ConvertToPdf(docxs, program.Path());
    for (size_t n = 0; n < made.size(); ++n) {
        SCOPED_TRACE(kCases[n].name);
        EXPECT_EQ(findings[n], "[]");
        const std::string pdf = docxcheck::PdfOf(docxs[n], program.Path());
        const std::vector<std::string> texts = PdfPageTexts(pdf);
        ASSERT_EQ(static_cast<int>(texts.size()), docxcheck::PdfPageCount(pdf));
        ExpectDayPages(texts, Days(made[n].dateTemplate), kCases[n].frontPages);
        ExpectCalendarRows(PdfPageTexts(pdf, true), kCases[n].monthPages);
    }
}
