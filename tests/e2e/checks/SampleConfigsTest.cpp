// The shipped configurations are what the designs give through the program's own save, so their
// layout is the program's and they never drift from the designs the other tests use.
#include "DocxCheck.h"
#include "SampleDesigns.h"
#include "platform/CodePage.h"
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
