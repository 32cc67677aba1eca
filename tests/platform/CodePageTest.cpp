#include "platform/CodePage.h"
#include "support/Utf16Bytes.h"

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

// What a Windows editor saves as "Unicode": the mark settles it, in either byte order.
TEST(CodePage, Utf16BehindItsMarkReadsAsItsText)
{
    const std::string text = "[Main]\r\nTitle=日记 😀 €\r\n";
    for (const bool bigEndian : {false, true}) {
        SCOPED_TRACE(bigEndian ? "big-endian" : "little-endian");
        const DecodedText decoded = DecodeDiskText(Utf16Bytes(text, bigEndian));
        EXPECT_EQ(decoded.utf8, text);
        EXPECT_EQ(decoded.encoding, DiskEncoding::Gb18030) << "counted as the code page text it is taken for";
    }
    using namespace std::string_literals;
    EXPECT_EQ(DecodeDiskText("\xFF\xFE" "a\0\x3D\xD8" "b\0"s).utf8, "a\xEF\xBF\xBD" "b") << "a lone high surrogate";
    EXPECT_EQ(DecodeDiskText("\xFE\xFF\0a\xDE\0"s).utf8, "a\xEF\xBF\xBD") << "a lone low surrogate";
    EXPECT_EQ(DecodeDiskText("\xFF\xFE" "a\0b"s).utf8, "a\xEF\xBF\xBD") << "half a unit at the end";
    EXPECT_EQ(DecodeDiskText("\xFF\xFE\xFF\xFE" "a\0"s).utf8, "\xEF\xBB\xBF" "a") << "a second mark stays";
}

// Code page 936 has a one-byte euro sign that GB18030 lacks; a byte 0x80 elsewhere in a
// character is an ordinary trail byte.
TEST(CodePage, TheEuroByteOfCodePage936ReadsAsTheEuro)
{
    const struct {
        const char* bytes;
        const char* text;
        size_t failures;
    } cases[] = {
        {"\x80", "€", 1},
        {"\xBC\xDB\x80" "5", "价€5", 1},
        {"\x81\x80", "亐", 0},
        {"\xA2\xE3", "€", 0},
        {"\xFF", "\xEF\xBF\xBD", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        size_t failures = 0;
        EXPECT_EQ(DecodeGb18030(c.bytes, &failures), c.text);
        EXPECT_EQ(failures, c.failures);
    }
    const DecodedText unmarked = DecodeDiskText("Price=\x80" "5");
    EXPECT_EQ(unmarked.utf8, "Price=€5");
    EXPECT_EQ(unmarked.encoding, DiskEncoding::Gb18030);
    EXPECT_EQ(EncodeGb18030("€"), "\xA2\xE3") << "written as GB18030 has it, which reads back as the euro";
}
