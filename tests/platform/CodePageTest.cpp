#include "platform/CodePage.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(CodePage, WholeFileDecidesBetweenUtf8AndGb18030)
{
    EXPECT_EQ(DecodeDiskText("plain ascii").encoding, DiskEncoding::Utf8);
    EXPECT_EQ(DecodeDiskText("日记").utf8, "日记");
    const auto gb = DecodeDiskText("\xC8\xD5\xBC\xC7");   // 日记 in GB2312
    EXPECT_EQ(gb.encoding, DiskEncoding::Gb18030);
    EXPECT_EQ(gb.utf8, "日记");
    const auto bom = DecodeDiskText("\xEF\xBB\xBFx");
    EXPECT_EQ(bom.encoding, DiskEncoding::Utf8);
    EXPECT_EQ(bom.utf8, "x");
}

TEST(CodePage, EveryCharacterSurvivesTheRoundTripThroughGb18030)
{
    const std::string text = "季度: é ü € 😀 \x7F 한국어";
    const std::string gb = EncodeGb18030(text);
    EXPECT_FALSE(IsValidUtf8(gb));
    EXPECT_EQ(DecodeDiskText(gb).utf8, text);
}

TEST(CodePage, BrokenInputNeverLeavesBrokenUtf8)
{
    EXPECT_FALSE(IsValidUtf8("\xC0\x80"));          // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(IsValidUtf8("\xE4\xB8"));          // cut short
    EXPECT_TRUE(IsValidUtf8(DecodeDiskText("\xC8\xD5\xBC").utf8));
    EXPECT_TRUE(IsValidUtf8(DecodeDiskText("\xEF\xBB\xBF\xFF\xFE").utf8));
    EXPECT_EQ(DecodeDiskText(EncodeGb18030("a\xFF" "b")).utf8, "a\xEF\xBF\xBD" "b");
}

TEST(CodePage, CutsCountTheEncodingAndKeepCharactersWhole)
{
    EXPECT_EQ(CutToEncodedBytes("ab中", 3, DiskEncoding::Gb18030), "ab");
    EXPECT_EQ(CutToEncodedBytes("ab中", 4, DiskEncoding::Gb18030), "ab中");
    EXPECT_EQ(CutToEncodedBytes("ab中", 4, DiskEncoding::Utf8), "ab");
    EXPECT_EQ(CutToEncodedBytes("ßß", 7, DiskEncoding::Gb18030), "ß");   // four bytes each in GB18030
    EXPECT_EQ(CutToEncodedBytes("éé", 4, DiskEncoding::Gb18030), "éé");  // two bytes each
    EXPECT_EQ(CutToEncodedBytes("😀", 3, DiskEncoding::Utf8), "");
    EXPECT_EQ(Utf8PrefixLength("a中b", 2), 1u);
    EXPECT_EQ(Utf8CharactersLength("a中b", 2), 4u);
    EXPECT_EQ(Utf8CharactersLength("a中b", 9), 5u);
    EXPECT_EQ(Utf8CharactersLength("\xFF中", 1), 1u);
}
