// The shipped configurations are what the designs give through the program's own save, so their
// layout is the program's and they never drift from the designs the other tests use.
#include "DocxCheck.h"
#include "SampleDesigns.h"
#include "platform/CodePage.h"
#include "settings/DesignFile.h"
#include "settings/SettingsRecords.h"
#include "settings/StartUp.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(SampleConfigs, ShippedFilesAreWhatTheDesignsWrite)
{
    TempFolder folder;
    std::filesystem::create_directories(folder.File("config/samples"));
    ASSERT_TRUE(WriteShippedSamples(folder.Path()));
    ResetAllSettings();
    std::vector<std::string> files = {kMottoFile, kDateFormatFile};
    for (const SampleDesign& design : ShippedDesigns())
        files.push_back(design.file);
    for (const std::string& file : files) {
        const std::string shipped = docxcheck::ReadFile(SourceDir() + "/" + file);
        EXPECT_EQ(shipped, folder.Read(file)) << file << " differs: run make_sample_configs";
        // Chinese text in the system code page, as the program writes it.
        EXPECT_FALSE(platform::IsValidUtf8(shipped)) << file;
    }
}

// The monthly calendar pages head each month with the yearly calendar's month colour on the white
// page (and use it again in the table's month band): a light one would leave a blank band.
TEST(SampleConfigs, MonthlyCalendarHeadingsShowOnThePage)
{
    for (const SampleDesign& design : ShippedDesigns()) {
        ResetAllSettings();
        ClassListModel rows;
        LoadDesignFile((SourceDir() + "/" + design.file).c_str(), rows);
        if (g_monthCalendar.bAddMonthOfCalendar != 1)
            continue;
        const unsigned long colour = std::stoul(g_calendarStyle.month_font_color.str(), nullptr, 16);
        const double luminance =
            0.2126 * static_cast<double>(colour >> 16) + 0.7152 * static_cast<double>((colour >> 8) & 0xFF) +
            0.0722 * static_cast<double>(colour & 0xFF);
        EXPECT_LT(luminance, 160.0) << design.file << ": " << g_calendarStyle.month_font_color.str();
    }
    ResetAllSettings();
}
