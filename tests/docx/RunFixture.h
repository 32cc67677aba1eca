#pragma once
// A generation run in a fresh folder: the skeleton copied into a work folder, the two template
// text files written for a date range of 2026 (1 January is a Thursday), and a small design.

#include "DocxCheck.h"
#include "docx/DocxBuilder.h"
#include "platform/Clock.h"
#include "settings/CivilDate.h"
#include "settings/Settings.h"
#include "support/Printers.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

class DocxRunTest : public testing::Test {
protected:
    void SetUp() override
    {
        SetStartValues();
        platform::SetFixedClock(static_cast<std::time_t>(civil::DaysFromCivil(2026, 6, 15)) * 86400 + 12 * 3600);
        m_folder = std::make_unique<TempFolder>();
        docxcheck::CopySkeleton(Work());
        m_design = SmallDesign();
    }
    void TearDown() override
    {
        m_folder.reset();
        platform::ClearFixedClock();
        SetStartValues();
    }

    std::string Work() const { return m_folder->File("my_diary"); }
    std::string Part(const std::string& name) const { return Work() + "/" + name; }
    std::string MonthTemplate() const { return m_folder->File("month_template.txt"); }
    std::string DateTemplate() const { return m_folder->File("date_template.txt"); }
    const TempFolder& Folder() const { return *m_folder; }

    // The range's template text files: month labels "Month MM", captions "MM-DD" and the markers.
    void WriteTemplates(int startMonth, int startDay, int endMonth, int endDay)
    {
        m_design.range = {startMonth, endMonth, startDay, endDay};
        ASSERT_EQ(CDocxBuilder::WriteMonthTemplateFile(MonthTemplate(), "Month %m", startMonth, endMonth, 0, 2026), 0);
        ASSERT_EQ(CDocxBuilder::WriteDateTemplateFile(DateTemplate(), "%m-%d", 0, "", "", "", 2026, 0, startMonth,
                                                      endMonth, startDay, endDay, 0, "", ""),
                  0);
    }

    DocxRunStatus Run()
    {
        return CDocxBuilder().CreateDocx(MonthTemplate(), DateTemplate(), Part("word/document.xml"),
                                         Part("word/settings.xml"), Work(), m_design);
    }

    std::string Document() const { return docxcheck::ReadFile(Part("word/document.xml")); }

    // Every file below the work folder with its bytes.
    std::map<std::string, std::string> Snapshot() const;

    static DocxRunDesign SmallDesign();

    DocxRunDesign m_design;

private:
    std::unique_ptr<TempFolder> m_folder;
};

size_t Occurrences(const std::string& text, const std::string& pattern);
