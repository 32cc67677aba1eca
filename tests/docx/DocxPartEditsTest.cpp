// Edits of the package's parts as text: the split of the document part at <w:body>, insertion
// before a marker, extraction, moving a file's text, deleting a work folder, and the
// relationship, revision-id and content-type step over a copy of the skeleton.
#include "DocxCheck.h"
#include "docx/DocxBuilder.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

using B = CDocxBuilder;

namespace {

size_t Count(const std::string& text, const std::string& pattern)
{
    size_t count = 0;
    for (size_t at = text.find(pattern); at != std::string::npos; at = text.find(pattern, at + 1))
        ++count;
    return count;
}

} // namespace

TEST(DocxPartEdits, SplitKeepsUtf8AndCutsRightAfterTheBody)
{
    TempFolder folder;
    const std::string head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<w:document a=\"1\"\n  b=\"2\">\n<w:body>";
    const std::string tail = "\n<w:sectPr/>\n</w:body>\n</w:document>\n";
    folder.Write("document.xml", head + tail);
    ASSERT_TRUE(B::SplitTemplateHead(folder.File("document.xml"), folder.File("head.xml")));
    ASSERT_TRUE(B::SplitTemplateTail(folder.File("document.xml"), folder.File("tail.xml")));
    EXPECT_EQ(folder.Read("head.xml"), head);
    EXPECT_EQ(folder.Read("tail.xml"), tail);
}

TEST(DocxPartEdits, SplitFindsTheBodyOnAnyLineOfAnyLength)
{
    TempFolder folder;
    const std::string longRun(5000, 'x');
    // Declaration, root and body on one line, far past 1023 characters.
    folder.Write("one.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?><w:document a=\"" + longRun +
                                "\"><w:body><w:p/><w:sectPr/></w:body></w:document>");
    ASSERT_TRUE(B::SplitTemplateHead(folder.File("one.xml"), folder.File("head.xml")));
    ASSERT_TRUE(B::SplitTemplateTail(folder.File("one.xml"), folder.File("tail.xml")));
    EXPECT_EQ(folder.Read("head.xml"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?><w:document a=\"" + longRun + "\"><w:body>");
    EXPECT_EQ(folder.Read("tail.xml"), "<w:p/><w:sectPr/></w:body></w:document>");

    folder.Write("nobody.xml", "<w:document/>");
    EXPECT_FALSE(B::SplitTemplateHead(folder.File("nobody.xml"), folder.File("h2.xml")));
    EXPECT_FALSE(B::SplitTemplateTail(folder.File("missing.xml"), folder.File("t2.xml")));
    EXPECT_EQ(B::CheckFile(folder.File("h2.xml")), -1);
    EXPECT_EQ(B::CheckFile(folder.File("t2.xml")), -1);
}

TEST(DocxPartEdits, InsertBeforeMarkerOncePerLineKeepingLineEnds)
{
    TempFolder folder;
    folder.Write("a.xml", "<a\n  b=\"1\">\r\n<m/><m/>\n<m/>\n");
    ASSERT_TRUE(B::InsertBeforeMarker(folder.File("a.xml"), "<x/>", "<m/>"));
    EXPECT_EQ(folder.Read("a.xml"), "<a\n  b=\"1\">\r\n<x/><m/><m/>\n<x/><m/>\n");

    folder.Write("b.xml", "<a>\n</a>\n");
    EXPECT_FALSE(B::InsertBeforeMarker(folder.File("b.xml"), "<x/>", "<m/>"));
    EXPECT_EQ(folder.Read("b.xml"), "<a>\n</a>\n");
    EXPECT_FALSE(B::InsertBeforeMarker(folder.File("missing.xml"), "<x/>", "<m/>"));
}

TEST(DocxPartEdits, ExtractBetweenMarkers)
{
    TempFolder folder;
    folder.Write("a.xml", "<?xml version=\"1.0\"?>\n<r x=\"wordml\">\n<s>one\ntwo</s> <s>three</s>\n");
    const std::string path = folder.File("a.xml");
    EXPECT_EQ(B::ExtractBetweenMarkers(path, "<?xml", "?>"), "<?xml version=\"1.0\"?>");
    EXPECT_EQ(B::ExtractBetweenMarkers(path, "<r", "wordml\">"), "<r x=\"wordml\">");
    EXPECT_EQ(B::ExtractBetweenMarkers(path, "<s>", "</s>"), "<s>one\ntwo</s>");
    EXPECT_EQ(B::ExtractBetweenMarkers(path, "<t>", "</s>"), "");
    EXPECT_EQ(B::ExtractBetweenMarkers(path, "<s>", "</t>"), "");
    EXPECT_EQ(B::ExtractBetweenMarkers(folder.File("missing.xml"), "<s>", "</s>"), std::nullopt);
}

TEST(DocxPartEdits, MoveFileTextAppendsAndDeletesTheSource)
{
    TempFolder folder;
    folder.Write("from.xml", "<a>\n<b/>\n</a>\n");
    folder.Write("to.xml", "start\n");
    EXPECT_TRUE(B::MoveFileText(folder.File("from.xml"), folder.File("to.xml")));
    EXPECT_EQ(folder.Read("to.xml"), "start\n<a>\n<b/>\n</a>\n");
    EXPECT_EQ(B::CheckFile(folder.File("from.xml")), -1);
    EXPECT_FALSE(B::MoveFileText(folder.File("from.xml"), folder.File("to.xml")));
    EXPECT_EQ(folder.Read("to.xml"), "start\n<a>\n<b/>\n</a>\n");
}

TEST(DocxPartEdits, DeleteFolderRemovesTheTreeButNeverFollowsALink)
{
    TempFolder folder;
    const std::string outside = folder.File("outside");
    ASSERT_EQ(B::CreateFolder(outside), 0);
    folder.Write("outside/keep.txt", "keep");
    const std::string work = folder.File("work");
    ASSERT_EQ(B::CreateFolder(work), 0);
    ASSERT_EQ(B::CreateFolder(work + "/word"), 0);
    ASSERT_EQ(B::CreateFolder(work + "/word/theme"), 0);
    folder.Write("work/a.xml", "a");
    folder.Write("work/word/b.xml", "b");
    folder.Write("work/word/theme/c.xml", "c");
    ASSERT_EQ(::symlink(outside.c_str(), (work + "/link").c_str()), 0);

    EXPECT_TRUE(B::DeleteFolder(work));
    EXPECT_EQ(B::CheckFile(work), -1);
    EXPECT_EQ(folder.Read("outside/keep.txt"), "keep");
    EXPECT_FALSE(B::DeleteFolder(work));

    // A link in the folder's place is removed as a link.
    ASSERT_EQ(::symlink(outside.c_str(), work.c_str()), 0);
    EXPECT_TRUE(B::DeleteFolder(work));
    struct stat info {};
    EXPECT_NE(::lstat(work.c_str(), &info), 0);
    EXPECT_EQ(folder.Read("outside/keep.txt"), "keep");
}

// What is no folder stays, whatever path leads to it: a file, a link to a file, a named pipe.
TEST(DocxPartEdits, DeleteFolderKeepsWhatIsNoFolder)
{
    TempFolder folder;
    folder.Write("file.txt", "kept");
    ASSERT_EQ(::symlink(folder.File("file.txt").c_str(), folder.File("link.txt").c_str()), 0);
    ASSERT_EQ(::mkfifo(folder.File("pipe").c_str(), 0600), 0);
    for (const char* name : {"file.txt", "link.txt", "pipe"}) {
        EXPECT_FALSE(B::DeleteFolder(folder.File(name))) << name;
        EXPECT_EQ(errno, ENOTDIR) << name;
    }
    EXPECT_EQ(folder.Read("link.txt"), "kept");
    struct stat pipe {};
    EXPECT_EQ(::lstat(folder.File("pipe").c_str(), &pipe), 0);
}

TEST(DocxPartEdits, PackagePartsGainNumberingRelationshipRevisionIdsAndContentType)
{
    TempFolder folder;
    const std::string package = folder.File("my_diary");
    docxcheck::CopySkeleton(package);
    const std::string word = package + "/word";
    const int highest = B::GetMaxRelationshipId(word + "/_rels/document.xml.rels");
    ASSERT_TRUE(B::WritePackageParts(word + "/_rels/document.xml.rels", word + "/settings.xml",
                                     package + "/[Content_Types].xml", word + "/numbering.xml", {0, 0},
                                     word + "/numbering_item_number.xml"));

    const std::string rels = docxcheck::ReadFile(word + "/_rels/document.xml.rels");
    EXPECT_EQ(Count(rels, "relationships/numbering\""), 1u);
    EXPECT_EQ(Count(rels, "<Relationship Id=\"rId" + std::to_string(highest + 1) +
                              "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
                              "numbering\" Target=\"numbering.xml\" />"),
              1u);
    const std::string settings = docxcheck::ReadFile(word + "/settings.xml");
    EXPECT_EQ(Count(settings, "<w:rsid w:val=\"00090FCD\" /><w:rsid w:val=\"00B75984\" />"
                              "<w:rsid w:val=\"00C20EE3\" /><w:rsid w:val=\"00DC7CA5\" />"
                              "<w:rsid w:val=\"00DD266F\" /></w:rsids>"),
              1u);
    const std::string types = docxcheck::ReadFile(package + "/[Content_Types].xml");
    EXPECT_EQ(Count(types, "<Override PartName=\"/word/numbering.xml\" ContentType=\"application/"
                           "vnd.openxmlformats-officedocument.wordprocessingml.numbering+xml\" /></Types>"),
              1u);
    for (const std::string& part : docxcheck::PackageParts())
        EXPECT_EQ(docxcheck::XmlError(docxcheck::ReadFile(package + "/" + part)), "") << part;
}

TEST(DocxPartEdits, NumberingRelationshipTakesTheNextIdAndAMissingPartIsReported)
{
    TempFolder folder;
    const std::string package = folder.File("my_diary");
    docxcheck::CopySkeleton(package);
    const std::string word = package + "/word";
    folder.Write("my_diary/word/_rels/document.xml.rels",
                 "<Relationships>\n<Relationship Id=\"rId7\" Type=\"t\" Target=\"a\"/>\n</Relationships>\n");
    EXPECT_FALSE(B::WritePackageParts(word + "/_rels/document.xml.rels", word + "/missing.xml",
                                      package + "/[Content_Types].xml", word + "/numbering.xml", {},
                                      word + "/numbering_item_number.xml"));
    EXPECT_EQ(Count(docxcheck::ReadFile(word + "/_rels/document.xml.rels"), "<Relationship Id=\"rId8\""), 1u);
}

TEST(DocxPartEdits, OccurrencesAndFileNamesOfPaths)
{
    struct Count {
        const char* text;
        const char* pattern;
        int count;
    };
    for (const Count c : {Count{"abab", "ab", 2}, Count{"aaaa", "aa", 2}, Count{"aaa", "aa", 1},
                          Count{"<w:p><w:p>", "<w:p>", 2}, Count{"", "a", 0}, Count{"abc", "", 0}})
        EXPECT_EQ(B::CountOccurrences(c.text, c.pattern), c.count) << c.text << " / " << c.pattern;
    EXPECT_EQ(B::GetFileNameOfPath("C:\\diary\\a.ini"), "a.ini");
    EXPECT_EQ(B::GetFileNameOfPath("/home/me/日记.ini"), "日记.ini");
    EXPECT_EQ(B::GetFileNameOfPath("C:\\diary/sub\\b.ini"), "b.ini");
    EXPECT_EQ(B::GetFileNameOfPath("a.ini"), "a.ini");
    EXPECT_EQ(B::GetFileNameOfPath("folder/"), "");
}
