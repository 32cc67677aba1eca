// A new design whose dates and formats are chosen only in the date range dialog, made into a
// document: exactly the days and headings chosen, in a package the readers accept.
#include "CheckedDocument.h"
#include "app/Form_SetWord.h"
#include "app/RorovavozirApp.h"
#include "app/generation/GenerationRun.h"
#include "app/generation/RunInputs.h"
#include "app/window/AppFixture.h"
#include "resources/DateDialogIds.h"

#include <filesystem>
#include <sstream>

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line.substr(0, line.find('\r')));
    return lines;
}

// The day captions of the date template that are ticked (their line ends in "1").
std::vector<std::string> TickedDays(const std::string& dateTemplate)
{
    std::vector<std::string> days;
    for (const std::string& line : Lines(dateTemplate))
        if (!line.empty() && line.back() == '1')
            days.push_back(line.substr(0, line.find(',') + 4));
    return days;
}

// The weekdays of 16 March to 10 April 2026 as "%Y-%m-%d,%a" gives them.
std::vector<std::string> ChosenWeekdays()
{
    std::vector<std::string> days;
    for (long long day = civil::DaysFromCivil(2026, 3, 15); day <= civil::DaysFromCivil(2026, 4, 10); ++day) {
        const int weekday = civil::WeekdayOfDays(day);
        if (weekday == 0 || weekday == 6)
            continue;
        const civil::Date date = civil::CivilFromDays(day);
        static const char* const kNames[] = {"", "Mon", "Tue", "Wed", "Thu", "Fri"};
        char text[32];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d,%s", date.year, date.month, date.day, kNames[weekday]);
        days.push_back(text);
    }
    return days;
}

class DatesToDocument : public AppTest {};

} // namespace

TEST_F(DatesToDocument, TheRangeAndFormatsChosenInTheDialogMakeTheDocument)
{
    Write("ZaDuzed_Simple.ini", PreparedConfig());
    ClassListModel rows;
    OutlineLevelTexts levels;
    driver->Expect(IDD_FORM_SETWORD, [&](DialogProbe& window) {
        auto& main = dynamic_cast<CForm_SetWord&>(window.Dialog());
        rows = main.ReadClassListModel();
        levels = main.ReadOutlineLevels();
        driver->Expect(IDD_SET_MONTH, [](DialogProbe& p) {
            p.Choose(IDC_SM_START_MONTH, 2);
            p.Choose(IDC_SM_START_DAY, 14);
            p.Choose(IDC_SM_END_MONTH, 3);
            p.Choose(IDC_SM_END_DAY, 9);
            p.Click(IDC_SM_SATURDAY);
            p.Click(IDC_SM_SUNDAY);
            p.Click(IDC_SM_MONTH_Y_M);
            ClickListRow(p.Dialog(), IDC_SM_FORMAT_LIST, 1);   // "%Y-%m-%d,%a" of the starter list
            p.Click(IDC_SM_OK);
        });
        main.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(ID_TOOLBAR_NEW), BN_CLICKED), 0);
        EXPECT_EQ(window.Item(IDC_LABEL_DAYCOUNT)->GetWindowText(), "共有:20 天");
        EXPECT_EQ(window.Item(IDC_LABEL_START)->GetWindowText(), "2026-03-15,Sun");
        window.PressCloseBox();
    });
    CRorovavozirApp app;
    EXPECT_FALSE(app.InitInstance());
    ASSERT_EQ(rows.size(), 3u);

    const std::string out = File("out");
    std::filesystem::create_directory(out);
    GenerationJob job{Program(), out, BuildRunDesign(rows, levels), {}, {}, {}};
    std::string dateTemplate, monthTemplate;
    const auto keepTemplates = [&](GenerationPhase phase) {
        if (phase != GenerationPhase::Prepare)
            return;
        dateTemplate = docxcheck::ReadFile(job.runFolder + "/config/date_template.txt");
        monthTemplate = docxcheck::ReadFile(job.runFolder + "/config/month_template.txt");
    };
    ASSERT_EQ(GenerateDiary(job, keepTemplates), GenerationStatus::Done);
    EXPECT_EQ(TickedDays(dateTemplate), ChosenWeekdays());
    EXPECT_EQ(Lines(monthTemplate), (std::vector<std::string>{"2026-03", "2026-04"}));

    const std::string document = CheckedDocumentXml(job.outputFile, File("parts"));
    for (const std::string& day : ChosenWeekdays())
        EXPECT_NE(document.find(day), std::string::npos) << day;
    for (const char* outside : {"2026-03-14", "2026-04-11"})
        EXPECT_EQ(document.find(outside), std::string::npos) << outside;
    if (!docxcheck::ValidatorInstalled())
        GTEST_SKIP() << "the schema validator is not installed (test.sh installs it)";
    EXPECT_EQ(docxcheck::ValidatorFindings(job.outputFile), "[]");
}
