// A design made only through the class commands of the main window, then generated: the
// document passes the zip tool, libxml2, the schema validator and LibreOffice.
#include "CheckedDocument.h"
#include "app/Form_SetWord.h"
#include "app/generation/GenerationRun.h"
#include "app/generation/RunInputs.h"
#include "app/window/AppFixture.h"
#include "platform/ui/DialogTemplate.h"
#include "resources/DiaryDialogIds.h"
#include "resources/PickerIds.h"
#include "resources/TableStyleIds.h"

#include <filesystem>

namespace {

class DesignedClassesTest : public AppTest {
protected:
    void Command(CWnd& window, UINT id)
    {
        window.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED), 0);
    }
    // Adds a class through the class dialog, set as the handler says.
    void AddClass(CForm_SetWord& window, const platform::ui::ModalHandler& set)
    {
        driver->Expect(IDD_DAILY_DIARY, [set](DialogProbe& p) {
            p.Click(IDC_CLASS_DEFAULT);
            set(p);
            p.Click(IDC_DIARY_OK);
        });
        Command(window, IDC_BUTTON_ADD);
    }
};

constexpr UINT kDateRangeDialog = 131;

} // namespace

TEST_F(DesignedClassesTest, ThreeClassesAddedInTheWindowMakeAValidDocument)
{
    CForm_SetWord window;
    ASSERT_TRUE(window.Create(IDD_FORM_SETWORD));
    // A new design opens the date range dialog once the program has it; its range is set below.
    if (FindDialogTemplate(kDateRangeDialog))
        driver->Expect(kDateRangeDialog, [](DialogProbe& p) { p.PressEscape(); });
    Command(window, ID_TOOLBAR_NEW);
    ASSERT_EQ(window.m_listClasses.GetItemCount(), 0);
    g_nMonthStart = g_nMonthEnd = 1;
    g_nDayStart = 5;
    g_nDayEnd = 11;

    AddClass(window, [](DialogProbe& p) { p.Type(IDC_CLASS_TITLE, "工作 & <work>"); });
    // The dialogs a class dialog opens are queued before it.
    driver->Expect(IDD_TABLE_STYLE, [](DialogProbe& p) {
        ClickListRow(p.Dialog(), IDC_TABLE_PRESETS, 4);
        p.Click(IDC_DIARY_OK);
    });
    AddClass(window, [](DialogProbe& p) {
        p.Type(IDC_CLASS_TITLE, "Reading");
        p.Choose(IDC_CLASS_LINE_COUNT, 3);
        p.Click(IDC_CLASS_NUMBERS);
        p.Click(IDC_CLASS_TABLE);
        p.Click(IDC_CLASS_TABLE_BUTTON);
    });
    driver->Expect(IDD_ITEM_SPECIAL, [](DialogProbe& p) {
        ClickListRow(p.Dialog(), kItemSymbolListIds[15], 0);
        p.Click(IDC_DIARY_OK);
    });
    driver->Expect(IDD_SPECIAL_SIGN, [](DialogProbe& p) {
        p.Click(kSpecialSignButtonIds[4]);
        p.Click(IDC_DIARY_OK);
    });
    AddClass(window, [](DialogProbe& p) {
        p.Type(IDC_CLASS_TITLE, "Ideas");
        p.Click(IDC_CLASS_SYMBOL_FLAG);
        p.Click(IDC_CLASS_SYMBOL_BUTTON);
        p.Click(IDC_CLASS_SIGN_FLAG);
        p.Click(IDC_CLASS_SIGN_BUTTON);
    });
    ASSERT_EQ(window.m_listClasses.GetItemCount(), 3);
    EXPECT_EQ(window.m_listClasses.GetItemText(1, kCellTableLineType), "dashSmallGap");

    const std::string out = File("out");
    std::filesystem::create_directory(out);
    GenerationJob job{Program(), out, BuildRunDesign(window.ReadClassListModel(), window.ReadOutlineLevels()), {}, {}, {}};
    ASSERT_EQ(GenerateDiary(job), GenerationStatus::Done);

    const std::string document = CheckedDocumentXml(job.outputFile, File("parts"));
    for (const char* title : {"工作 &amp; &lt;work&gt;", "Reading", "Ideas"})
        EXPECT_NE(document.find(title), std::string::npos) << title;
    EXPECT_NE(document.find("w:val=\"dashSmallGap\""), std::string::npos);

    if (!docxcheck::ValidatorInstalled() || !docxcheck::LibreOfficeInstalled())
        GTEST_SKIP() << "the schema validator or LibreOffice is not installed (test.sh installs both)";
    EXPECT_EQ(docxcheck::ValidatorFindings(job.outputFile), "[]");
    EXPECT_GE(docxcheck::PdfPages(job.outputFile, Program()), 7) << "a page a day";
}
