// The numbering part rebuilt from the skeleton's pieces: the item-number styles, one abstract
// numbering per numbered list, instances 1..21 and 22 + k.
#include "DocxCheck.h"
#include "docx/DocxBuilder.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <ostream>
#include <regex>

using B = CDocxBuilder;

namespace {

struct Package {
    TempFolder folder;
    std::string word;
    Package() : word(folder.File("my_diary/word")) { docxcheck::CopySkeleton(folder.File("my_diary")); }
    bool Write(const std::vector<int>& listStyles) const
    {
        return B::WriteNumberingXml(word + "/numbering.xml", listStyles, word + "/numbering_item_number.xml");
    }
    // Lists of their own only.
    bool Write(int count) const { return Write(std::vector<int>(static_cast<size_t>(count))); }
    std::string Numbering() const { return docxcheck::ReadFile(word + "/numbering.xml"); }
};

std::vector<std::string> All(const std::string& text, const std::string& pattern)
{
    std::vector<std::string> found;
    const std::regex expression(pattern);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), expression); it != std::sregex_iterator(); ++it)
        found.push_back((*it)[1]);
    return found;
}

std::vector<std::string> Range(int first, int last)
{
    std::vector<std::string> numbers;
    for (int n = first; n <= last; ++n)
        numbers.push_back(std::to_string(n));
    return numbers;
}

} // namespace

TEST(NumberingPart, WithoutListsItHoldsTheStylesAndTheirInstancesOnly)
{
    Package package;
    const std::string fragment = docxcheck::ReadFile(package.word + "/numbering_item_number.xml");
    ASSERT_TRUE(package.Write(0));
    const std::string numbering = package.Numbering();
    EXPECT_EQ(numbering.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<w:numbering ", 0), 0u);
    EXPECT_NE(numbering.find("wordml\">\n" + fragment + "<w:num w:numId=\"1\">"), std::string::npos);
    EXPECT_EQ(All(numbering, "<w:abstractNum w:abstractNumId=\"(\\d+)\""), Range(2001, 2021));
    EXPECT_EQ(All(numbering, "<w:num w:numId=\"(\\d+)\""), Range(1, 21));
    EXPECT_EQ(All(numbering, "<w:num w:numId=\"\\d+\">\n<w:abstractNumId w:val=\"(\\d+)\"/>"), Range(2001, 2021));
    EXPECT_EQ(numbering.substr(numbering.size() - 15), "</w:numbering>\n");
    EXPECT_EQ(docxcheck::XmlError(numbering), "");
    EXPECT_EQ(B::CheckFile(package.word + "/numbering_item_number.xml"), -1);
}

TEST(NumberingPart, EachNumberedListGetsItsOwnCopyAndInstance)
{
    Package package;
    ASSERT_TRUE(package.Write(3));
    const std::string numbering = package.Numbering();
    std::vector<std::string> abstracts = Range(2001, 2021);
    for (const char* k : {"0", "1", "2"})
        abstracts.push_back(k);
    EXPECT_EQ(All(numbering, "<w:abstractNum w:abstractNumId=\"(\\d+)\""), abstracts);
    const std::vector<std::string> copies = {"00000001", "00000002", "00000003"};
    EXPECT_EQ(All(numbering, "w:abstractNumId=\"\\d\"><w:nsid w:val=\"([0-9A-F]{8})\""), copies);
    EXPECT_EQ(All(numbering, "<w:tmpl w:val=\"([0-9A-F]{8})\""), copies);
    EXPECT_EQ(All(numbering, "<w:num w:numId=\"(\\d+)\""), Range(1, 24));
    EXPECT_EQ(All(numbering, "<w:num w:numId=\"2[234]\">\n<w:abstractNumId w:val=\"(\\d+)\"/>"),
              (std::vector<std::string>{"0", "1", "2"}));
    // Every abstract numbering precedes every instance, as the schema requires.
    EXPECT_LT(numbering.rfind("</w:abstractNum>"), numbering.find("<w:num "));
    EXPECT_EQ(docxcheck::XmlError(numbering), "");
}

// A table numbered in an item style takes an instance of the style's abstract numbering that starts
// again at 1, and no copy of abstract numbering 0.
TEST(NumberingPart, TablesInAnItemStyleRestartTheStyle)
{
    Package package;
    ASSERT_TRUE(package.Write({0, 2, 0, 7, 2}));
    const std::string numbering = package.Numbering();
    std::vector<std::string> abstracts = Range(2001, 2021);
    abstracts.insert(abstracts.end(), {"0", "2"});
    EXPECT_EQ(All(numbering, "<w:abstractNum w:abstractNumId=\"(\\d+)\""), abstracts);
    EXPECT_EQ(All(numbering, "<w:num w:numId=\"(\\d+)\""), Range(1, 26));
    EXPECT_EQ(All(numbering, "<w:num w:numId=\"2[2-6]\">\n<w:abstractNumId w:val=\"(\\d+)\" ?/>"),
              (std::vector<std::string>{"0", "2002", "2", "2007", "2002"}));
    for (const auto& [instance, style] : {std::pair{23, 2002}, {25, 2007}, {26, 2002}})
        EXPECT_NE(numbering.find(B::GetNumOverrideXml(instance, style)), std::string::npos) << instance;
    EXPECT_LT(numbering.rfind("</w:abstractNum>"), numbering.find("<w:num "));
    EXPECT_EQ(docxcheck::XmlError(numbering), "");
}

TEST(NumberingPart, TheTenthListIsWrittenInUpperCaseHex)
{
    Package package;
    ASSERT_TRUE(package.Write(10));
    EXPECT_NE(package.Numbering().find("<w:abstractNum w:abstractNumId=\"9\"><w:nsid w:val=\"0000000A\"/>"),
              std::string::npos);
}

TEST(NumberingPart, MissingPiecesLeaveThePartAsItWas)
{
    Package package;
    const std::string before = package.Numbering();
    EXPECT_FALSE(B::WriteNumberingXml(package.word + "/numbering.xml", {0, 0}, package.word + "/missing.xml"));
    EXPECT_EQ(package.Numbering(), before);
    package.folder.Write("my_diary/word/numbering.xml", "<?xml version=\"1.0\"?>\n<w:numbering>\n</w:numbering>\n");
    EXPECT_FALSE(package.Write(2));
    EXPECT_FALSE(B::WriteNumberingXml(package.word + "/missing.xml", {0, 0}, package.word + "/numbering_item_number.xml"));
    EXPECT_EQ(B::CheckFile(package.word + "/numbering_item_number.xml"), 0);
}

TEST(NumberingPart, ParagraphNumberingProperties)
{
    EXPECT_EQ(B::GetNumPrXml(22), "<w:numPr>\n<w:ilvl w:val=\"0\" />\n<w:numId w:val=\"22\"/></w:numPr>");
    EXPECT_EQ(B::GetNumXml(3, 2003), "<w:num w:numId=\"3\">\n<w:abstractNumId w:val=\"2003\"/>\n</w:num>\n");
}

TEST(NumberingPart, OverrideInstanceRestartsAllNineLevels)
{
    const std::string xml = B::GetNumOverrideXml(25, 0);
    const std::string level = "\">\r\n<w:startOverride w:val=\"1\"/>\r\n</w:lvlOverride>";
    const std::string start = "\n<w:num w:numId=\"25\">\n<w:abstractNumId w:val=\"0\" />\n\n<w:lvlOverride w:ilvl=\"0";
    EXPECT_EQ(xml.substr(0, start.size()), start);
    EXPECT_NE(xml.find("\n<w:lvlOverride w:ilvl=\"8" + level + "</w:num>\r\n"), std::string::npos);
    EXPECT_EQ(xml.find("w:ilvl=\"9\""), std::string::npos);
    EXPECT_EQ(docxcheck::XmlError("<r xmlns:w=\"w\">" + xml + "</r>"), "");
}

namespace {

// The item-number style a long run numbers its c-th styled table of day d in: all 21 come round.
int StyleOf(int day, int c)
{
    return 1 + (day + c) % B::kItemStyles;
}

struct LongRun {
    const char* name;
    int ownPerDay;      // tables numbered as a list of their own
    int styledPerDay;   // tables numbered in an item style
    int days;
};

void PrintTo(const LongRun& run, std::ostream* out)
{
    *out << run.name;
}

// The numbering part as its elements: every abstract numbering and every instance, by id, in order.
struct Elements {
    std::vector<std::pair<int, std::string>> abstracts;
    std::vector<std::pair<int, std::string>> instances;
};

std::vector<std::pair<int, std::string>> Split(const std::string& text, const std::string& open,
                                               const std::string& close)
{
    std::vector<std::pair<int, std::string>> found;
    for (size_t at = text.find(open); at != std::string::npos; at = text.find(open, at + 1)) {
        const size_t end = text.find(close, at);
        if (end == std::string::npos)
            break;
        found.emplace_back(std::stoi(text.substr(at + open.size(), 12)), text.substr(at, end + close.size() - at));
    }
    return found;
}

Elements Parse(const std::string& numbering)
{
    return {Split(numbering, "<w:abstractNum w:abstractNumId=\"", "</w:abstractNum>"),
            Split(numbering, "<w:num w:numId=\"", "</w:num>")};
}

std::string Hex8(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(value));
    return text;
}

} // namespace

class NumberingPartLongRun : public ::testing::TestWithParam<LongRun> {};

// However long the run, no abstract numbering id is defined twice (the copies for the lists of
// their own must step over the item styles' 2001..2021), every instance refers to one that exists
// and is of its table's own style, and every table starts again at 1.
TEST_P(NumberingPartLongRun, EveryTableKeepsItsOwnNumbering)
{
    const LongRun run = GetParam();
    std::vector<int> listStyles;
    for (int day = 0; day < run.days; ++day) {
        listStyles.insert(listStyles.end(), static_cast<size_t>(run.ownPerDay), 0);
        for (int c = 0; c < run.styledPerDay; ++c)
            listStyles.push_back(StyleOf(day, c));
    }
    ASSERT_GT(listStyles.size(), 2021u);

    Package package;
    const Elements fragment = Parse(docxcheck::ReadFile(package.word + "/numbering_item_number.xml"));
    ASSERT_EQ(fragment.abstracts.size(), 21u);
    const std::string skeleton = Parse(package.Numbering()).abstracts.at(0).second;
    ASSERT_TRUE(package.Write(listStyles));
    const std::string numbering = package.Numbering();
    const Elements part = Parse(numbering);

    std::map<int, std::string> abstracts;
    std::vector<int> twice;
    for (const auto& [id, text] : part.abstracts)
        if (!abstracts.emplace(id, text).second)
            twice.push_back(id);
    EXPECT_EQ(twice, std::vector<int>{});

    ASSERT_EQ(part.instances.size(), B::kItemStyles + listStyles.size());
    std::map<int, int> uses;   // abstract id -> instances of the lists that refer to it
    std::vector<std::string> wrong;
    for (size_t i = 0; i < part.instances.size(); ++i) {
        const auto& [instance, text] = part.instances[i];
        const int abstractId = std::stoi(text.substr(text.find("<w:abstractNumId w:val=\"") + 24));
        const auto found = abstracts.find(abstractId);
        const int k = static_cast<int>(i) - B::kItemStyles;   // the list, or below 0 for a style's own
        const int style = k < 0 ? static_cast<int>(i) + 1 : listStyles[static_cast<size_t>(k)];
        std::string expected;
        if (style != 0) {
            expected = fragment.abstracts[static_cast<size_t>(style - 1)].second;
        } else {
            ++uses[abstractId];
            const std::string id = "w:abstractNumId=\"" + std::to_string(abstractId) + "\"";
            expected = B::ReplaceAll(B::ReplaceAll(B::ReplaceAll(skeleton, "w:abstractNumId=\"0\"", id),
                                                   "0E417332", Hex8(k + 1)),
                                     "21681F22", Hex8(k + 1));
        }
        const bool restarts = k < 0 || style == 0 || B::CountOccurrences(text, "<w:startOverride w:val=\"1\"/>") == 9;
        if (instance != static_cast<int>(i) + 1 || found == abstracts.end() || found->second != expected || !restarts)
            wrong.push_back("instance " + std::to_string(instance) + " (list " + std::to_string(k) + ", style " +
                            std::to_string(style) + ") -> abstract " + std::to_string(abstractId));
    }
    EXPECT_TRUE(wrong.empty()) << wrong.size() << " wrong, the first " << wrong.front();
    for (const auto& [id, count] : uses)
        EXPECT_EQ(count, 1) << "abstract numbering " << id << " is shared by lists of their own";
    EXPECT_LT(numbering.rfind("</w:abstractNum>"), numbering.find("<w:num "));
    EXPECT_EQ(docxcheck::XmlError(numbering), "");
}

// The largest design is 30 classes on every day of a leap year.
INSTANTIATE_TEST_SUITE_P(Runs, NumberingPartLongRun,
                         ::testing::Values(LongRun{"OneNumberedFiveStyledAYear", 1, 5, 365},
                                           LongRun{"ThirtyNumberedALeapYear", 30, 0, 366},
                                           LongRun{"FiveNumberedTwentyFiveStyledALeapYear", 5, 25, 366}),
                         [](const auto& test) { return std::string(test.param.name); });
