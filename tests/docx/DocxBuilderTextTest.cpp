// The generator object: revision ids read from the settings part, the list counter, and the
// text helpers, escaping above all.
#include "docx/DocxBuilder.h"
#include "docx/XmlText.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <set>

namespace {

std::string SettingsWith(const std::string& list)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<w:settings xmlns:w=\"x\">\n<w:zoom w:percent=\"100\"/>\n" +
           list + "\n</w:settings>\n";
}

std::array<std::string, 5> Ids(const CDocxBuilder& builder)
{
    return {builder.Rsid(1), builder.Rsid(2), builder.Rsid(3), builder.Rsid(4), builder.Rsid(5)};
}

} // namespace

TEST(DocxBuilderText, EscapeXmlEscapesMarkupAndDropsWhatXmlCannotHold)
{
    EXPECT_EQ(CDocxBuilder::EscapeXml("a<b&c"), "a&lt;b&amp;c");
    EXPECT_EQ(CDocxBuilder::EscapeXml("&lt; > \"'"), "&amp;lt; &gt; \"'");
    EXPECT_EQ(CDocxBuilder::EscapeXml("日记\t\r\n"), "日记\t\r\n");
    EXPECT_EQ(CDocxBuilder::EscapeXml(std::string("a\x01\x1F\0b", 5)), "ab");
    EXPECT_EQ(CDocxBuilder::EscapeXml("x\xEF\xBF\xBEy\xEF\xBF\xBFz"), "xyz");              // U+FFFE, U+FFFF
    EXPECT_EQ(CDocxBuilder::EscapeXml("\xFF" "a\xE6\x97" "b\xED\xA0\x80" "c\xC0\xAF"), "abc");  // broken UTF-8
    EXPECT_EQ(CDocxBuilder::EscapeXml("\xF0\x9F\x93\x85"), "\xF0\x9F\x93\x85");
    EXPECT_EQ(docx::EscapeAttribute("O'B \"x\" <&>"), "O&apos;B &quot;x&quot; &lt;&amp;&gt;");
}

TEST(DocxBuilderText, EscapeXmlCutsNothingOfALongText)
{
    std::string text, expected;
    for (int n = 0; n < 500; ++n) {
        text += "日记&";
        expected += "日记&amp;";
    }
    EXPECT_EQ(CDocxBuilder::EscapeXml(text), expected);
}

TEST(DocxBuilderText, SizesAreWholeHalfPoints)
{
    EXPECT_EQ(docx::HalfPoints("21"), "21");
    EXPECT_EQ(docx::HalfPoints("21.0"), "21");
    EXPECT_EQ(docx::HalfPoints("20.6"), "21");
    EXPECT_EQ(docx::HalfPoints(""), "");
    EXPECT_EQ(docx::HalfPoints("big"), "");
    EXPECT_EQ(docx::HalfPoints("-4"), "");
    EXPECT_EQ(docx::SizeXml("21.0", "\"/>"), "<w:sz w:val=\"21\"/><w:szCs w:val=\"21\"/>");
    EXPECT_EQ(docx::SizeXml("", "\"/>"), "");
}

TEST(DocxBuilderText, ReplaceAllSearchesOnAfterEachReplacement)
{
    EXPECT_EQ(CDocxBuilder::ReplaceAll("a-a-a", "a", "aa"), "aa-aa-aa");
    EXPECT_EQ(CDocxBuilder::ReplaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(CDocxBuilder::ReplaceFirst("a-a-a", "a", "b"), "b-a-a");
    EXPECT_EQ(CDocxBuilder::ReplaceFirst("abc", "z", "b"), "abc");
}

TEST(DocxBuilderText, ReplaceAllInBufferKeepsWhatFitsTheBufferAndWholeCharacters)
{
    EXPECT_EQ(CDocxBuilder::ReplaceAllInBuffer("a-a-a", "a", "aa"), "aa-aa-aa");
    const std::string ascii(1100, 'x');
    EXPECT_EQ(CDocxBuilder::ReplaceAllInBuffer(ascii, "y", "z"), std::string(1023, 'x'));
    // "日" takes two bytes on disk: 511 of them fill 1022 bytes and the 512th would not fit.
    std::string chinese;
    for (int i = 0; i < 600; ++i)
        chinese += "日";
    std::string expected;
    for (int i = 0; i < 511; ++i)
        expected += "记";
    EXPECT_EQ(CDocxBuilder::ReplaceAllInBuffer(chinese, "日", "记"), expected);
}

TEST(DocxBuilderText, NextIdAdvancesOnlyForFlagOne)
{
    CDocxBuilder builder;
    EXPECT_EQ(builder.NextId(0), 0);
    EXPECT_EQ(builder.NextId(0), 0);
    EXPECT_EQ(builder.NextId(1), 1);
    EXPECT_EQ(builder.NextId(2), 1);
    EXPECT_EQ(builder.NextId(1), 2);
}

// Every table whose lines are numbered, in a list of its own or in an item style, takes a list;
// a list of its own wins over a style, and a style outside 1..21 numbers nothing.
TEST(DocxBuilderText, EveryNumberedTableTakesAListAndItsStyleIsKept)
{
    const auto record = [](BYTE own, BYTE styled, int style) {
        DiaryClassRecord c;
        c.COL_ItemNumber = own;
        c.COL_bItemSpecial = styled;
        c.COL_ItemSpecial = style;
        return c;
    };
    CDocxBuilder builder;
    std::vector<int> ids;
    for (const DiaryClassRecord& c : {record(1, 0, -1), record(0, 1, 7), record(0, 0, 7), record(0, 1, 22),
                                      record(1, 1, 3), record(0, 1, 21), record(0, 1, 0)})
        ids.push_back(builder.NextListId(c));
    EXPECT_EQ(ids, (std::vector<int>{1, 2, 2, 2, 3, 4, 4}));
    EXPECT_EQ(builder.ListStyles(), (std::vector<int>{0, 7, 0, 21}));
}

// A copy starts as a new object does: no list counter, no revision ids.
TEST(DocxBuilderText, ACopyTakesNothingOfTheOriginal)
{
    TempFolder folder;
    folder.Write("settings.xml", SettingsWith("<w:rsids><w:rsidRoot w:val=\"00AA0001\"/><w:rsid w:val=\"00AA0002\"/>"
                                              "<w:rsid w:val=\"00AA0003\"/></w:rsids>"));
    CDocxBuilder original;
    ASSERT_TRUE(original.LoadRsids(folder.File("settings.xml")));
    ASSERT_EQ(original.Rsid(1), "00AA0001");
    original.NextId(1);
    const CDocxBuilder copy(original);
    EXPECT_EQ(Ids(copy), Ids(CDocxBuilder()));
    EXPECT_EQ(CDocxBuilder(original).NextId(0), 0);
    EXPECT_EQ(original.NextId(0), 1);
}

TEST(DocxBuilderText, RevisionIdsComeFromTheListInTheirOrderLastElementExcepted)
{
    TempFolder folder;
    CDocxBuilder builder;
    EXPECT_EQ(Ids(builder)[0], "00000000");

    folder.Write("root.xml", SettingsWith("<w:rsids><w:rsidRoot w:val=\"00A1B2C3\"/></w:rsids>"));
    ASSERT_TRUE(builder.LoadRsids(folder.File("root.xml")));
    EXPECT_EQ(Ids(builder), (std::array<std::string, 5>{"00000000", "00000000", "00000000", "00000000", "00000000"}));

    folder.Write("two.xml", SettingsWith("<w:rsids>\n<w:rsidRoot w:val=\"00A1B2C3\"/>\n<w:rsid w:val=\"00D4E5F6\"/>\n"
                                         "<w:rsid w:val=\"00778899\"/>\n</w:rsids>"));
    ASSERT_TRUE(builder.LoadRsids(folder.File("two.xml")));
    EXPECT_EQ(Ids(builder), (std::array<std::string, 5>{"00A1B2C3", "00A1B2C3", "00D4E5F6", "00D4E5F6", "00000000"}));

    // Six values: root, then five; the last is not read. Order 1, 3, 2, 4, 5.
    folder.Write("six.xml", SettingsWith("<w:rsids><w:rsidRoot w:val=\"11111111\"/><w:rsid w:val=\"22222222\"/>"
                                         "<w:rsid w:val = \"33333333\" /><w:rsid w:val=\"44444444\"/>"
                                         "<w:rsid w:val=\"55555555\"/><w:rsid w:val=\"66666666\"/></w:rsids>"));
    ASSERT_TRUE(builder.LoadRsids(folder.File("six.xml")));
    EXPECT_EQ(Ids(builder), (std::array<std::string, 5>{"11111111", "33333333", "22222222", "44444444", "55555555"}));
}

TEST(DocxBuilderText, RevisionIdsIgnoreWhatIsNoEightDigitHexValue)
{
    TempFolder folder;
    CDocxBuilder builder;
    folder.Write("odd.xml", SettingsWith("<w:rsids><w:rsidRoot w:val=\"00A1\"/><w:rsid w:val=\"\"/>"
                                         "<w:rsid w:val=\"<x>&amp;\"/><w:rsid w:val=\"00D4E5F6\"/>"
                                         "<w:rsid w:val=\"00ABCDEF\"/><w:rsid w:val=\"00777777\"/></w:rsids>"));
    ASSERT_TRUE(builder.LoadRsids(folder.File("odd.xml")));
    EXPECT_EQ(Ids(builder), (std::array<std::string, 5>{"00D4E5F6", "00D4E5F6", "00ABCDEF", "00ABCDEF", "00000000"}));

    folder.Write("cut.xml", "<w:rsids><w:rsidRoot w:val=\"00A<w:rsid");
    ASSERT_TRUE(builder.LoadRsids(folder.File("cut.xml")));
    EXPECT_EQ(builder.Rsid(1), "00000000");

    EXPECT_FALSE(builder.LoadRsids(folder.File("missing.xml")));
    EXPECT_EQ(builder.Rsid(4), "00000000");
}

TEST(DocxBuilderText, SkeletonSettingsGiveFiveDistinctIds)
{
    CDocxBuilder builder;
    ASSERT_TRUE(builder.LoadRsids(SourceDir() + "/config/template/word/settings.xml"));
    const auto ids = Ids(builder);
    EXPECT_EQ(std::set<std::string>(ids.begin(), ids.end()).size(), 5u);
}
