// File operations whose safety the saves rely on.
#include "platform/Files.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Files, RenameNeverReplacesAFileThatIsThere)
{
    TempFolder folder;
    folder.Write("a", "archive");
    folder.Write("b", "appeared meanwhile");
    EXPECT_EQ(RenameNoReplace(folder.File("a"), folder.File("b")), RenameResult::Taken);
    EXPECT_EQ(folder.Read("b"), "appeared meanwhile");
    EXPECT_EQ(RenameNoReplace(folder.File("a"), folder.File("c")), RenameResult::Done);
    EXPECT_EQ(folder.Read("c"), "archive");
    EXPECT_FALSE(PathExists(folder.File("a")));
    EXPECT_EQ(RenameNoReplace(folder.File("a"), folder.File("d")), RenameResult::Failed);
}

TEST(Files, TemporaryFilesNeverTakeAnExistingName)
{
    TempFolder folder;
    const std::string first = MakeTemporaryBeside(folder.File("x.ini"));
    const std::string second = MakeTemporaryBeside(folder.File("x.ini"));
    EXPECT_NE(first, second);
    EXPECT_EQ(first.rfind(folder.File("x.ini."), 0), 0u);
    EXPECT_TRUE(MakeTemporaryBeside(folder.File("missing/x.ini")).empty());
}
