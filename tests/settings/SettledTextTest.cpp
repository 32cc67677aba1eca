// A text as saving and reading it again and again gives it back.
#include "settings/IniValues.h"
#include "support/Printers.h"

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
