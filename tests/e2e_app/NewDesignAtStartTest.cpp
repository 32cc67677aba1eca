// A start whose configuration path names no design (empty, a deleted file, a file that holds no
// design) goes on with a new design; the document made from it right away is the one the same
// design makes once saved and opened at the next start.
#include "CheckedDocument.h"
#include "app/Form_SetWord.h"
#include "app/generation/GenerationRun.h"
#include "app/generation/RunInputs.h"
#include "app/window/AppFixture.h"
#include "resources/DateDialogIds.h"
#include "resources/DiaryDialogIds.h"
#include "support/Utf16Bytes.h"

#include <algorithm>
#include <filesystem>

namespace {

size_t Count(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

// Where two documents part, with some text before; empty when they are the same.
std::string FirstDifference(const std::string& a, const std::string& b)
{
    if (a == b)
        return "";
    const auto shorter = static_cast<std::ptrdiff_t>(std::min(a.size(), b.size()));
    const auto at = static_cast<size_t>(std::mismatch(a.begin(), a.begin() + shorter, b.begin()).first - a.begin());
    const size_t from = at > 80 ? at - 80 : 0;
    return a.substr(from, 160) + "\n  against\n" + b.substr(from, 160);
}

class NewDesignAtStart : public AppTest {
protected:
    std::unique_ptr<CForm_SetWord> Start(const std::string& configPath)
    {
        Write("config/config_path.ini", "[Main]\r\nConfig_Path=" + configPath + "\r\nStartShow=0\r\n");
        auto window = std::make_unique<CForm_SetWord>();
        EXPECT_TRUE(window->Create(IDD_FORM_SETWORD));
        return window;
    }
    void Command(CWnd& window, UINT id)
    {
        window.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED), 0);
    }
    // The document part of what the window's design makes now, as button 1122 gathers it.
    std::string Generate(CForm_SetWord& window, const std::string& name)
    {
        window.ReadTitleControls();
        const std::string out = File(name);
        std::filesystem::create_directory(out);
        GenerationJob job{Program(), out, BuildRunDesign(window.ReadClassListModel(), window.ReadOutlineLevels()),
                          {}, {}, {}};
        EXPECT_EQ(GenerateDiary(job), GenerationStatus::Done);
        return CheckedDocumentXml(job.outputFile, File(name + "-parts"));
    }
};

} // namespace

TEST_F(NewDesignAtStart, MakesTheDocumentItsSavedDesignMakes)
{
    Write("held no design.ini", Utf16Bytes("[Main]\r\nTitle=Wide\r\n", false, false));
    const std::string stored[] = {"", File("deleted.ini"), File("held no design.ini")};
    for (size_t i = 0; i < std::size(stored); ++i) {
        SCOPED_TRACE(stored[i]);
        ResetAllSettings();
        driver->Expect(IDD_SET_MONTH, [](DialogProbe& p) {
            p.Choose(IDC_SM_START_MONTH, 0);
            p.Choose(IDC_SM_START_DAY, 4);
            p.Choose(IDC_SM_END_MONTH, 0);
            p.Choose(IDC_SM_END_DAY, 10);
            p.Click(IDC_SM_OK);
        });
        auto window = Start(stored[i]);
        driver->Expect(IDD_DAILY_DIARY, [](DialogProbe& p) {
            p.Click(IDC_CLASS_DEFAULT);
            p.Type(IDC_CLASS_TITLE, "Work");
            p.Click(IDC_DIARY_OK);
        });
        Command(*window, IDC_BUTTON_ADD);
        ASSERT_EQ(window->m_listClasses.GetItemCount(), 1);
        const std::string made = Generate(*window, "new" + std::to_string(i));

        // What a load gives where every key is missing: heading sizes of 11 points, the yearly
        // calendar's grey weekday row, blue weekday numbers and dotted grey grid.
        EXPECT_EQ(Count(made, "<w:sz w:val=\"0\"/>"), 0u);
        EXPECT_GT(Count(made, "<w:sz w:val=\"22\"/>"), 7u);
        EXPECT_GT(Count(made, "w:fill=\"808080\""), 0u);
        EXPECT_GT(Count(made, "<w:color w:val=\"3A5FCD\""), 0u);
        EXPECT_GT(Count(made, "w:val=\"dotted\" w:sz=\"4\" w:space=\"0\" w:color=\"777777\""), 0u);

        const std::string saved = File("saved" + std::to_string(i) + ".ini");
        driver->Expect(IDD_SAVE_CONFIG, [&](DialogProbe& p) {
            p.Type(IDC_CONFIG_PATH, saved.c_str());
            p.Click(IDC_CONFIG_OK);
        });
        Command(*window, ID_TOOLBAR_SAVE);
        ASSERT_TRUE(std::filesystem::exists(saved));
        window.reset();

        ResetAllSettings();
        window = Start(saved);
        ASSERT_EQ(window->m_listClasses.GetItemCount(), 1);
        EXPECT_EQ(FirstDifference(made, Generate(*window, "reopened" + std::to_string(i))), "")
            << "the saved design makes the same document";
        window.reset();
    }
}
