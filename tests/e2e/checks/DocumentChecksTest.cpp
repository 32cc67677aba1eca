// The link and table checks find what they are there to find.
#include "DocumentChecks.h"

#include <gtest/gtest.h>

namespace {

std::string Document(const std::string& body)
{
    return "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>" + body +
           "</w:body></w:document>";
}

std::string Link(const std::string& name)
{
    return "<w:p><w:r><w:instrText xml:space=\"preserve\">HYPERLINK \\l \"" + name + "\"</w:instrText></w:r></w:p>";
}

} // namespace

TEST(DocumentChecks, SoundLinksPass)
{
    const LinkReport report = CheckLinks(Document("<w:bookmarkStart w:id=\"1\" w:name=\"A\"/><w:p/>"
                                                  "<w:bookmarkEnd w:id=\"1\"/>" + Link("A") +
                                                  "<w:p><w:hyperlink w:anchor=\"A\"/></w:p>"));
    EXPECT_EQ(report.problems, std::vector<std::string>{});
    EXPECT_EQ(report.bookmarks, 1u);
    EXPECT_EQ(report.links, 2u);
}

TEST(DocumentChecks, EveryKindOfFaultIsReported)
{
    const std::string longName(41, 'n');
    const LinkReport report = CheckLinks(Document(
        "<w:bookmarkEnd w:id=\"9\"/><w:bookmarkStart w:id=\"1\" w:name=\"A\"/><w:bookmarkStart w:id=\"1\" w:name=\"A\"/>"
        "<w:bookmarkEnd w:id=\"1\"/><w:bookmarkStart w:id=\"2\" w:name=\"" + longName + "\"/>" + Link("B")));
    EXPECT_EQ(report.problems,
              (std::vector<std::string>{"bookmark end 9 without a start before it", "bookmark id 1 used twice",
                                        "bookmark name A used twice",
                                        "bookmark name " + longName + " longer than 40 characters",
                                        "bookmark 1 never ended", "bookmark 2 never ended",
                                        "link to missing bookmark B"}));
    EXPECT_EQ(CheckLinks("<broken").problems, std::vector<std::string>{"the document part is not well-formed"});
}

TEST(DocumentChecks, TablesOffTheirGridAndAdjacentTablesAreReported)
{
    const std::string grid = "<w:tblGrid><w:gridCol w:w=\"10\"/><w:gridCol w:w=\"10\"/></w:tblGrid>";
    const std::string spanned = "<w:tc><w:tcPr><w:gridSpan w:val=\"2\"/></w:tcPr><w:p/></w:tc>";
    const std::string cell = "<w:tc><w:p/></w:tc>";
    const std::string sound = "<w:tbl>" + grid + "<w:tr>" + spanned + "</w:tr><w:tr>" + cell + cell + "</w:tr></w:tbl>";
    EXPECT_EQ(TableProblems(Document(sound + "<w:p/>" + sound)), std::vector<std::string>{});
    const std::string narrow = "<w:tbl>" + grid + "<w:tr>" + cell + "</w:tr></w:tbl>";
    EXPECT_EQ(TableProblems(Document(sound + "<w:bookmarkStart w:id=\"1\" w:name=\"A\"/>" + narrow)),
              (std::vector<std::string>{"table 1 is followed directly by another table",
                                        "table 2 row 1 spans 1 of 2 grid columns"}));
}
