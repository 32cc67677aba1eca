// A text as saving and reading it again and again gives it back.
#include "platform/CodePage.h"
#include "settings/IniValues.h"
#include "support/Printers.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

TEST(SettledText, LosesWhatEveryReadTakesAwayUntilNothingMoreGoes)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"plain text", "plain text"},
        {"  inner  blanks  stay  ", "inner  blanks  stay"},
        {"\t\"  quoted  \"\t", "quoted"},
        {"'\"both kinds\"'", "both kinds"},
        {"\"\"twice\"\"", "twice"},
        {"\" ' \"", "'"},
        {"\"", "\""},
        {"\"unclosed", "\"unclosed"},
        {"'mixed\"", "'mixed\""},
        {"\"a\" and \"b\"", "a\" and \"b"},
        {"“中文引号”", "“中文引号”"},
    };
    for (const auto& [text, settled] : cases)
        EXPECT_EQ(SettledText(text), settled) << text;
}

// A design written before values were quoted loads its texts as it always did, settled, and its
// captions with their one leading blank; one written now loads them as they were written, whatever
// blanks and quotes they hold.
TEST(SettledText, OnlyDesignsWrittenBeforeValuesWereQuotedAreSettled)
{
    TempFolder folder;
    const std::string bare = "[Main]\r\nTitle=\"  a  \"\r\nRestDay= [ 第 \r\nQuarterText=\"\"Q\"\"\r\n";
    folder.Write("before.ini", "; -*- coding: gb18030 -*-\r\n" + platform::EncodeGb18030(bare));
    folder.Write("windows.ini", bare);
    for (const char* name : {"before.ini", "windows.ini"}) {
        const std::string file = folder.File(name);
        const IniSection ini(file.c_str(), "Main");
        EXPECT_EQ(ini.Text("Title"), "a") << name;
        EXPECT_EQ(ini.Caption("RestDay"), " [ 第") << name;
        EXPECT_EQ(ini.Text("QuarterText"), "Q") << name;
    }
    const std::string now = folder.File("now.ini");
    IniSection writer(now.c_str(), "Main");
    writer.WriteText("Title", "  a  ");
    writer.WriteText("RestDay", " [ 第 ");
    writer.WriteText("QuarterText", "\"\"Q\"\"");
    ASSERT_TRUE(writer.AllWritten());
    const IniSection ini(now.c_str(), "Main");
    EXPECT_EQ(ini.Text("Title"), "  a  ");
    EXPECT_EQ(ini.Caption("RestDay"), " [ 第 ");
    EXPECT_EQ(ini.Text("QuarterText"), "\"\"Q\"\"");
}
