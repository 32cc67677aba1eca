// Headings and motto lines set only through the main window's heading dialogs, then generated:
// the document carries the chosen look and passes the readers.
#include "DocumentChecks.h"
#include "DocxCheck.h"
#include "app/Form_SetWord.h"
#include "app/generation/GenerationRun.h"
#include "app/generation/RunInputs.h"
#include "app/window/AppFixture.h"
#include "dialogs/diary/Form_AddText.h"
#include "dialogs/diary/HeadingFontDialog.h"
#include "platform/CodePage.h"
#include "resources/HeadingDialogIds.h"

#include <filesystem>

namespace {

class HeadingsToDocumentTest : public AppTest {
protected:
    void Command(CWnd& window, UINT id)
    {
        window.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED), 0);
    }
    // The colour a user picks from the font colour button's popup.
    static void PickColour(DialogProbe& p, CColorButton& button, COLORREF colour)
    {
        button.SetColor(colour);
        p.Dialog().SendMessage(WM_COLOUR_PICKED, colour, IDC_HEADING_COLOUR);
    }
    static void PickFontColour(DialogProbe& p, COLORREF colour)
    {
        PickColour(p, static_cast<CHeadingFontDialog&>(p.Dialog()).m_colour, colour);
    }
    static size_t Count(const std::string& text, const std::string& part)
    {
        size_t count = 0;
        for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++count;
        return count;
    }
    void TearDown() override
    {
        g_vecTextLines.clear();
        AppTest::TearDown();
    }
};

constexpr int kSize14 = 18;   // entry of 14 points in the size list

} // namespace

TEST_F(HeadingsToDocumentTest, MonthAndDateHeadingsAndMottoLinesCarryTheirLook)
{
    Write("ZaDuzed_Simple.ini", PreparedConfig());
    Write("mottos.txt", platform::EncodeGb18030("Carpe diem 抓住今天\r\n\r\nx\r\nFestina lente\r\n"));
    CForm_SetWord window;
    ASSERT_TRUE(window.Create(IDD_FORM_SETWORD));

    driver->Expect(IDD_MONTH_FONT, [](DialogProbe& p) {
        p.Choose(IDC_HEADING_SIZE, kSize14);
        PickFontColour(p, RGB(0xB2, 0x22, 0x22));
        p.Click(IDC_DIARY_OK);
    });
    Command(window, IDC_BUTTON_MONTH_FORMAT);

    // The date dialog opens the box dialog, then the text lines dialog, which chooses the file.
    driver->Expect(IDD_TABLE_ALINE, [](DialogProbe& p) {
        ClickListRow(p.Dialog(), IDC_LINE_TABLE_TYPES, 5);
        p.Click(IDC_DIARY_OK);
    });
    commonDialogs->Answer({IDOK, File("mottos.txt").c_str()});
    driver->Expect(IDD_ADD_TEXT, [](DialogProbe& p) {
        p.Click(IDC_TEXT_CHOOSE_FILE);
        p.Click(IDC_HEADING_ITALIC);
        PickColour(p, static_cast<CForm_AddText&>(p.Dialog()).m_colourFont, RGB(0x7A, 0x2E, 0x1F));
        p.Click(IDC_TEXT_OK);
    });
    driver->Expect(IDD_DATE_FONT, [](DialogProbe& p) {
        PickFontColour(p, RGB(0x92, 0x11, 0x11));
        p.Click(IDC_DATE_TABLE);
        p.Click(IDC_DATE_TABLE_BUTTON);
        p.Click(IDC_DATE_MOTTO);
        p.Click(IDC_DATE_MOTTO_BUTTON);
        p.Click(IDC_DIARY_OK);
    });
    Command(window, IDC_BUTTON_DATE_FORMAT);
    ASSERT_EQ(g_addText.FileName, File("mottos.txt"));

    const std::string out = File("out");
    std::filesystem::create_directory(out);
    GenerationJob job{Program(), out, BuildRunDesign(window.ReadClassListModel(), window.ReadOutlineLevels()), {}, {}, {}};
    ASSERT_EQ(GenerateDiary(job), GenerationStatus::Done);
    EXPECT_EQ(ZipTestProblems(job.outputFile), "");
    const std::string parts = File("parts");
    ASSERT_TRUE(Unpack(job.outputFile, parts));
    for (const std::string& part : docxcheck::PackageParts())
        EXPECT_EQ(docxcheck::XmlError(docxcheck::ReadFile(parts + "/" + part)), "") << part;
    const std::string document = docxcheck::ReadFile(parts + "/word/document.xml");
    const size_t month = document.find("w:color w:val=\"B22222\"");
    ASSERT_NE(month, std::string::npos) << "the month heading's colour";
    const std::string size14 = "<w:sz w:val=\"28\"/>";
    EXPECT_EQ(document.compare(document.find("<w:sz ", month), size14.size(), size14), 0) << "and size";
    EXPECT_GE(Count(document, "w:color w:val=\"921111\""), 7u) << "the date heading of each day";
    EXPECT_GE(Count(document, "w:val=\"dotDotDash\""), 7u) << "the box round each date heading";
    EXPECT_EQ(Count(document, "<w:t>Carpe diem 抓住今天</w:t>"), 1u);
    EXPECT_EQ(Count(document, "<w:t>Festina lente</w:t>"), 1u);
    EXPECT_EQ(Count(document, "<w:i /> <w:iCs /><w:color w:val=\"7A2E1F\" />"), 2u) << "the motto lines' look";
    EXPECT_TRUE(TableProblems(document).empty());

    if (!docxcheck::ValidatorInstalled() || !docxcheck::LibreOfficeInstalled())
        GTEST_SKIP() << "the schema validator or LibreOffice is not installed (test.sh installs both)";
    EXPECT_EQ(docxcheck::ValidatorFindings(job.outputFile), "[]");
    EXPECT_GE(docxcheck::PdfPages(job.outputFile, Program()), 7) << "a page a day";
}
