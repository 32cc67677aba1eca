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
