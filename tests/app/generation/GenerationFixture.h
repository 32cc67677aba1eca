#pragma once
// A program folder of its own (the shipped config/ copied in, the current folder), the settings
// as at start-up with a short date range of 2026, and one diary class.

#include "app/generation/GenerationRun.h"
#include "app/generation/RunInputs.h"
#include "platform/Clock.h"
#include "settings/CivilDate.h"
#include "settings/ClassCells.h"
#include "settings/ClassListModel.h"
#include "settings/Settings.h"
#include "settings/StartUp.h"
#include "support/FolderListing.h"
#include "support/Printers.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

class GenerationTest : public testing::Test {
protected:
    void SetUp() override
    {
        ResetAllSettings();
        platform::SetFixedClock(static_cast<std::time_t>(civil::DaysFromCivil(2026, 6, 15)) * 86400 + 12 * 3600);
        m_folder = std::make_unique<TempFolder>(true);
        g_strExeFolder = m_folder->Path() + "/";
        g_nMonthStart = 1;
        g_nDayStart = 1;
        g_nMonthEnd = 1;
        g_nDayEnd = 7;
        m_rows.push_back(ClassRow("Work"));
    }
    void TearDown() override
    {
        m_folder.reset();
        platform::ClearFixedClock();
        ResetAllSettings();
    }

    static ClassListRow ClassRow(const std::string& title)
    {
        DiaryClassRecord record;
        record.COL_bCLASS_TITLE = 1;
        record.COL_CLASS_TITLE = title;
        record.COL_CLASS_FONT_SIZE = "24.0";
        record.COL_LINE_TEXT_FONT_SIZE = "21.0";
        record.COL_LINE_COUNT = 3;
        record.bTable = 1;
        ClassListRow row;
        SetListRowFromRecord(row, record);
        row.checked = true;
        return row;
    }

    const TempFolder& Folder() const { return *m_folder; }
    std::string Program() const { return m_folder->Path(); }

    ClassListModel m_rows;

private:
    std::unique_ptr<TempFolder> m_folder;
};

// Runs into the folder "out" of the program folder, made empty before each test.
class OutputFolderTest : public GenerationTest {
protected:
    void SetUp() override
    {
        GenerationTest::SetUp();
        m_out = Folder().File("out");
        std::filesystem::create_directory(m_out);
    }

    // A run of the design as the settings now hold it.
    GenerationJob Job() const { return {Program(), m_out, BuildRunDesign(m_rows, {"2", "3"}), {}, {}, {}}; }

    std::string m_out;
};
