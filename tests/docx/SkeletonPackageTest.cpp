// The shipped skeleton package: what the generator's part edits rely on in it, and that it is,
// packed as it is, an empty document that the schema validator and LibreOffice accept.
#include "DocxCheck.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

using docxcheck::ReadFile;

namespace {

std::string Skeleton(const std::string& part)
{
    return ReadFile(SourceDir() + "/config/template/" + part);
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

size_t Count(const std::string& text, const std::string& pattern)
{
    size_t count = 0;
    for (size_t at = text.find(pattern); at != std::string::npos; at = text.find(pattern, at + 1))
        ++count;
    return count;
}

} // namespace

TEST(SkeletonPackage, EveryPartIsWellFormedUtf8WithoutByteOrderMark)
{
    for (const std::string& part : docxcheck::PackageParts()) {
        const std::string text = Skeleton(part);
        ASSERT_FALSE(text.empty()) << part;
        EXPECT_NE(text.substr(0, 3), "\xEF\xBB\xBF") << part;
        EXPECT_EQ(Lines(text).front().find("<?xml"), 0u) << part;
        EXPECT_NE(Lines(text).front().find("encoding=\"UTF-8\""), std::string::npos) << part;
        EXPECT_EQ(docxcheck::XmlError(text), "") << part;
    }
}

TEST(SkeletonPackage, DocumentPartOpensItsBodyOnALaterLineOfItsOwn)
{
    const std::vector<std::string> lines = Lines(Skeleton("word/document.xml"));
    size_t body = 0;
    while (body < lines.size() && lines[body].find("<w:body>") == std::string::npos)
        ++body;
    ASSERT_LT(body, lines.size());
    EXPECT_GT(body, 0u);
    EXPECT_EQ(lines[body], "<w:body>");
    for (const std::string& line : lines)
        EXPECT_LE(line.size(), 1023u);
    const std::string tail = Skeleton("word/document.xml").substr(Skeleton("word/document.xml").find("<w:body>") + 8);
    EXPECT_NE(tail.find("<w:sectPr>"), std::string::npos);
    EXPECT_NE(tail.find("</w:body>"), std::string::npos);
    EXPECT_NE(tail.find("</w:document>"), std::string::npos);
}

TEST(SkeletonPackage, PartsCarryTheMarkersTheEditsInsertBefore)
{
    const std::string settings = Skeleton("word/settings.xml");
    EXPECT_EQ(Count(settings, "<w:rsids>"), 1u);
    EXPECT_EQ(Count(settings, "</w:rsids>"), 1u);
    EXPECT_GE(Count(settings, "<w:rsid w:val=\""), 5u);

    const std::string rels = Skeleton("word/_rels/document.xml.rels");
    EXPECT_EQ(Count(rels, "</Relationships>"), 1u);
    EXPECT_GE(Count(rels, "<Relationship Id=\"rId"), 1u);
    // The numbering relationship and content type come with the generated numbering part.
    EXPECT_EQ(rels.find("relationships/numbering"), std::string::npos);
    const std::string types = Skeleton("[Content_Types].xml");
    EXPECT_EQ(Count(types, "</Types>"), 1u);
    EXPECT_EQ(types.find("numbering"), std::string::npos);
}

TEST(SkeletonPackage, NumberingPartKeepsItsThreePiecesEachOnOneLine)
{
    const std::vector<std::string> lines = Lines(Skeleton("word/numbering.xml"));
    const auto lineWith = [&](const std::string& start, const std::string& end) {
        for (const std::string& line : lines) {
            const size_t at = line.find(start);
            if (at != std::string::npos)
                return line.find(end, at) != std::string::npos;
        }
        return false;
    };
    EXPECT_TRUE(lineWith("<?xml", "?>"));
    EXPECT_TRUE(lineWith("<w:numbering", "wordml\">"));
    EXPECT_TRUE(lineWith("<w:abstractNum w:abstractNumId=\"0\">", "</w:abstractNum>"));
    const std::string numbering = Skeleton("word/numbering.xml");
    EXPECT_EQ(Count(numbering, "w:nsid w:val=\"0E417332\""), 1u);
    EXPECT_EQ(Count(numbering, "w:tmpl w:val=\"21681F22\""), 1u);
}

TEST(SkeletonPackage, FragmentHoldsTheTwentyOneItemNumberStyles)
{
    const std::string fragment = Skeleton("word/numbering_item_number.xml");
    std::set<int> ids;
    const std::regex abstract("<w:abstractNum w:abstractNumId=\"(\\d+)\">");
    for (auto it = std::sregex_iterator(fragment.begin(), fragment.end(), abstract); it != std::sregex_iterator(); ++it)
        ids.insert(std::stoi((*it)[1]));
    std::set<int> expected;
    for (int id = 2001; id <= 2021; ++id)
        expected.insert(id);
    EXPECT_EQ(ids, expected);
    EXPECT_EQ(docxcheck::XmlError("<w:numbering xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">" +
                                  fragment + "</w:numbering>"),
              "");
}

TEST(SkeletonPackage, StylesOfferTheHyperlinkCharacterStyle)
{
    const std::string styles = Skeleton("word/styles.xml");
    EXPECT_NE(styles.find("<w:style w:type=\"character\" w:styleId=\"Hyperlink\">"), std::string::npos);
}

TEST(SkeletonPackage, PackedAsItIsPassesTheValidatorAndPrintsOnePage)
{
    if (!docxcheck::ValidatorInstalled() || !docxcheck::LibreOfficeInstalled())
        GTEST_SKIP() << "the schema validator or LibreOffice is not installed (test.sh installs both)";
    TempFolder folder;
    const std::string docx = folder.File("empty.docx");
    ASSERT_TRUE(docxcheck::PackFolder(SourceDir() + "/config/template", docx));
    EXPECT_EQ(docxcheck::ValidatorFindings(docx), "[]");
    EXPECT_EQ(docxcheck::PdfPages(docx, folder.Path()), 1);
}
