// A design whose yearly calendar, monthly pages and year planner are set only through the
// toolbar's calendar dialogs, then generated: the document carries the chosen look and passes
// the zip tool, libxml2, the schema validator and LibreOffice.
#include "CheckedDocument.h"
#include "app/Form_SetWord.h"
#include "app/generation/GenerationRun.h"
#include "app/generation/RunInputs.h"
#include "app/window/AppFixture.h"
#include "resources/CalendarDialogIds.h"
#include "resources/DiaryDialogIds.h"
#include "resources/PickerIds.h"

#include <filesystem>

namespace {

class DesignedCalendarsTest : public AppTest {
protected:
    void Command(CWnd& window, UINT id)
    {
        window.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED), 0);
    }
};

size_t Count(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

} // namespace

TEST_F(DesignedCalendarsTest, CalendarsSetInTheirDialogsReachTheDocument)
{
    Write("ZaDuzed_Simple.ini", PreparedConfig());
    CForm_SetWord window;
    ASSERT_TRUE(window.Create(IDD_FORM_SETWORD));

    // The yearly calendar: the fifth preset picture, whose section LIST4 draws dotDash lines in 6A1B9A.
    driver->Expect(IDD_YEAR_CALENDAR_EXAMPLE, [](DialogProbe& p) {
        ClickListRow(p.Dialog(), IDC_EXAMPLE_LIST, 4);
        p.Click(IDC_EXAMPLE_OK);
    });
    driver->Expect(IDD_YEAR_CALENDAR, [](DialogProbe& p) {
        p.Click(IDC_CAL_EXAMPLE);
        p.Click(IDC_CAL_OK);
    });
    Command(window, ID_TOOLBAR_YEAR_CALENDAR);

    // The monthly calendar: on, with the 21-day counter, a weekend sign and a dashed top border in row 2.
    driver->Expect(IDD_SPECIAL_SIGN, [](DialogProbe& p) {
        p.Click(kSpecialSignButtonIds[4]);
        p.Click(IDC_DIARY_OK);
    });
    driver->Expect(IDD_MONTH_CALENDAR, [](DialogProbe& p) {
        if (!static_cast<CButton*>(p.Item(IDC_MC_APPLY))->GetCheck())
            p.Click(IDC_MC_APPLY);
        p.Click(kMonthRowRadioIds[1]);
        p.Click(IDC_MC_21_DAYS);
        if (!static_cast<CButton*>(p.Item(IDC_MC_WEEKEND_SIGN_CHECK))->GetCheck())
            p.Click(IDC_MC_WEEKEND_SIGN_CHECK);
        p.Click(IDC_MC_WEEKEND_SIGN);
        ClickListRow(p.Dialog(), IDC_MC_TOP_LINES, 3);
        p.Click(IDC_CAL_OK);
    });
    Command(window, ID_TOOLBAR_MONTH_CALENDAR);

    // The year planner: on, in its default colours.
    driver->Expect(IDD_YEAR_PLANNER, [](DialogProbe& p) {
        p.Click(IDC_YP_APPLY);
        p.Click(IDC_YP_DEFAULT);
        p.Click(IDC_CAL_OK);
    });
    Command(window, ID_TOOLBAR_YEAR_PLANNER);
    ASSERT_TRUE(failures.empty());

    const std::string out = File("out");
    std::filesystem::create_directory(out);
    GenerationJob job{Program(), out, BuildRunDesign(window.ReadClassListModel(), window.ReadOutlineLevels()), {}, {}, {}};
    ASSERT_EQ(GenerateDiary(job), GenerationStatus::Done);
    const std::string document = CheckedDocumentXml(job.outputFile, File("parts"));
    EXPECT_GT(Count(document, "w:val=\"dotDash\" w:sz=\"4\" w:space=\"0\" w:color=\"6A1B9A\""), 100u)
        << "the preset's grid of the yearly calendar";
    EXPECT_NE(document.find("w:fill=\"EDE7F6\""), std::string::npos) << "the preset's month title";
    EXPECT_NE(document.find("w:fill=\"535353\""), std::string::npos) << "the planner's month titles";
    EXPECT_NE(document.find("w:fill=\"B0B095\""), std::string::npos) << "the planner's weekday titles";
    EXPECT_NE(document.find("D+"), std::string::npos) << "the 21-day counter";
    EXPECT_NE(document.find("w:val=\"dashed\""), std::string::npos) << "row 2's top border";
    EXPECT_EQ(TableProblems(document), std::vector<std::string>{});

    if (!docxcheck::ValidatorInstalled() || !docxcheck::LibreOfficeInstalled())
        GTEST_SKIP() << "the schema validator or LibreOffice is not installed (test.sh installs both)";
    EXPECT_EQ(docxcheck::ValidatorFindings(job.outputFile), "[]");
    // The yearly calendar, two planner pages, one monthly page and a page a day from 3 to 9 January.
    EXPECT_GE(docxcheck::PdfPages(job.outputFile, Program()), 1 + 2 + 1 + 7);
}
