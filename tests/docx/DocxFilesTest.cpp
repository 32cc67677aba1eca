// The generator's file helpers and the relationship-id scan.
#include "docx/DocxBuilder.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(DocxFiles, CheckFileSaysWhetherAFileOrFolderExists)
{
    TempFolder folder;
    EXPECT_EQ(CDocxBuilder::CheckFile(""), -1);
    EXPECT_EQ(CDocxBuilder::CheckFile(folder.Path()), 0);
    EXPECT_EQ(CDocxBuilder::CheckFile(folder.File("none")), -1);
    folder.Write("a.txt", "x");
    EXPECT_EQ(CDocxBuilder::CheckFileExists(folder.File("a.txt")), 0);
}

TEST(DocxFiles, FoldersAndFilesAreMadeAndRemoved)
{
    TempFolder folder;
    EXPECT_EQ(CDocxBuilder::CreateFolder(folder.File("sub")), 0);
    EXPECT_EQ(CDocxBuilder::CreateFolder(folder.File("sub")), 1);
    EXPECT_EQ(CDocxBuilder::CreateFolder(folder.File("no/such/parent")), 1);

    EXPECT_EQ(CDocxBuilder::DeleteFileIfExists(folder.File("missing")), 0);
    folder.Write("a.txt", "x");
    EXPECT_EQ(CDocxBuilder::DeleteFileIfExists(folder.File("a.txt")), 0);
    EXPECT_EQ(CDocxBuilder::CheckFile(folder.File("a.txt")), -1);

    folder.Write("b.txt", "old text");
    EXPECT_EQ(CDocxBuilder::CreateEmptyFile(folder.File("b.txt")), 0);
    EXPECT_EQ(folder.Read("b.txt"), "");
    EXPECT_EQ(CDocxBuilder::CreateEmptyFile(folder.File("no/such/c.txt")), 1);

    EXPECT_TRUE(CDocxBuilder::AppendToFile(folder.File("b.txt"), "one"));
    EXPECT_TRUE(CDocxBuilder::AppendToFile(folder.File("b.txt"), "two"));
    EXPECT_EQ(folder.Read("b.txt"), "onetwo");
    EXPECT_FALSE(CDocxBuilder::AppendToFile(folder.File("no/such/d.txt"), "x"));
}

TEST(DocxFiles, HighestRelationshipIdOverLinesAndRelationshipsOnOneLine)
{
    TempFolder folder;
    folder.Write("a.rels", "<Relationships>\n<Relationship Id=\"rId3\" Type=\"t\" Target=\"a\"/>"
                           "<Relationship Id=\"rId12\" Type=\"t\" Target=\"b\"/>\n"
                           "<Relationship Id=\"rId7\" Type=\"t\" Target=\"c\"/>\n</Relationships>");
    EXPECT_EQ(CDocxBuilder::GetMaxRelationshipId(folder.File("a.rels")), 12);
    folder.Write("none.rels", "<Relationships>\n<Relationship Id=\"other\" Type=\"t\"/>\n</Relationships>");
    EXPECT_EQ(CDocxBuilder::GetMaxRelationshipId(folder.File("none.rels")), 0);
    EXPECT_EQ(CDocxBuilder::GetMaxRelationshipId(folder.File("missing.rels")), 1);
    EXPECT_EQ(CDocxBuilder::ParseRelationshipId("<Relationship Id=\"rId99999999999\" Type=\"t\"/>"), 0);
}

TEST(DocxFiles, RunAndWaitWaitsForTheCommandAndKeepsQuotedWordsTogether)
{
    TempFolder folder;
    const std::string target = folder.File("a b.txt");
    EXPECT_EQ(CDocxBuilder::RunAndWait("sleep 0.2; echo done > '" + target + "'"), 0);
    EXPECT_EQ(folder.Read("a b.txt"), "done\n") << "written before the call returned";
    EXPECT_EQ(CDocxBuilder::RunAndWait("exit 3"), 0) << "it ran, whatever it answered";
    EXPECT_EQ(CDocxBuilder::RunAndWait("/no/such/program"), -1);
    EXPECT_EQ(CDocxBuilder::RunAndWait(folder.File("a b.txt")), -1) << "not runnable";
}

TEST(DocxFiles, ZipScriptRunsTheBatchFileAndItsQuotesCannotEndTheCommand)
{
    TempFolder folder;
    ASSERT_TRUE(CDocxBuilder::WriteZipScript(folder.File("zip.vbs"), "my_diary \"out put\""));
    EXPECT_EQ(folder.Read("zip.vbs"), "set Cleaner=createobject(\"wscript.shell\")\r\n"
                                      "\tCleaner.run \"cmd /c config\\zip_docx.bat my_diary \"\"out put\"\"\",0");
    EXPECT_FALSE(CDocxBuilder::WriteZipScript(folder.File("no/such/zip.vbs"), ""));
}
