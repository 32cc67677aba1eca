// CIniFile: the one gateway to INI files, with its 1023-byte values.
#include "settings/IniFile.h"
#include "support/Printers.h"
#include "support/TempFolder.h"
#include "support/OwnFileMarks.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(IniFile, MissingThingsReadEmptyAndFoldersExist)
{
    TempFolder folder;
    const CIniFile ini;
    EXPECT_EQ(ini.GetString(folder.File("missing.ini").c_str(), "Main", "Title"), "");
    EXPECT_TRUE(ini.FileExists(folder.Path().c_str()));
    EXPECT_FALSE(ini.FileExists(folder.File("missing.ini").c_str()));
    EXPECT_FALSE(ini.FileExists(nullptr));
}

TEST(IniFile, WriteThenReadAcrossLetterCaseAndLeadingBlanks)
{
    TempFolder folder;
    const std::string file = folder.File("config.ini");
    const CIniFile ini;
    ASSERT_TRUE(ini.WriteString(file.c_str(), "Main", "RestDay", " [ 还剩"));
    EXPECT_EQ(ini.GetString(file.c_str(), "MAIN", "restday"), " [ 还剩") << "kept inside quotes";
    ASSERT_TRUE(ini.WriteString(file.c_str(), "main", "RESTDAY", "x"));
    EXPECT_EQ(folder.Read("config.ini"), kProfileMarkerLine + "[Main]\r\nRESTDAY=x\r\n");
}

TEST(IniFile, LongValuesAreCutTo1023StoredBytesWithoutSplittingACharacter)
{
    TempFolder folder;
    const std::string file = folder.File("long.ini");
    const CIniFile ini;
    ASSERT_TRUE(ini.WriteString(file.c_str(), "Main", "Ascii", std::string(2000, 'x').c_str()));
    EXPECT_EQ(ini.GetString(file.c_str(), "Main", "Ascii").GetLength(), 1023);
    // 511 Chinese characters take 1022 bytes in the file; the 512th would need 1024.
    std::string chinese;
    for (int i = 0; i < 600; ++i)
        chinese += "记";
    ASSERT_TRUE(ini.WriteString(file.c_str(), "Main", "Chinese", chinese.c_str()));
    EXPECT_EQ(ini.GetString(file.c_str(), "Main", "Chinese").str(), chinese.substr(0, 511 * 3));
}

TEST(IniFile, ReadOnlyFileRefusesTheWriteAndStaysReadable)
{
    TempFolder folder;
    folder.Write("ro.ini", "[Main]\r\nTitle=kept\r\n");
    ASSERT_EQ(::chmod(folder.File("ro.ini").c_str(), 0444), 0);
    const CIniFile ini;
    EXPECT_FALSE(ini.WriteString(folder.File("ro.ini").c_str(), "Main", "Title", "lost"));
    EXPECT_EQ(ini.GetString(folder.File("ro.ini").c_str(), "Main", "Title"), "kept");
}
