// The marks on the program's own files. A marked file is read as GB18030 whatever its bytes, so
// every text the program writes reads back; these cases are those where the bytes alone would
// mislead, because they are valid UTF-8 too.
#include "platform/CodePage.h"
#include "platform/ProfileMarker.h"
#include "support/Gb18030Characters.h"
#include "support/OwnFileMarks.h"
#include "support/Utf16Bytes.h"

#include <gtest/gtest.h>
#include <map>
#include <utility>

using namespace platform;

namespace {

// A byte's place in UTF-8. The classes split where UTF-8's rules do (the second byte after E0,
// ED, F0 and F4 has a narrower range), so whether bytes are valid UTF-8 depends on their classes
// alone: one character of each (lead class, trail class) stands for all of its class.
int Utf8Class(char ch)
{
    const auto byte = static_cast<unsigned char>(ch);
    constexpr unsigned char kUpper[] = {0x7F, 0x8F, 0x9F, 0xBF, 0xC1, 0xDF, 0xE0, 0xEC, 0xED, 0xEF, 0xF0, 0xF3, 0xF4};
    int klass = 0;
    while (klass < static_cast<int>(sizeof kUpper) && byte > kUpper[klass])
        ++klass;
    return klass;
}

std::vector<std::string> OnePerClass()
{
    std::map<std::pair<int, int>, std::string> first;
    for (const GbCharacter& c : TwoByteGb18030Characters())
        first.emplace(std::make_pair(Utf8Class(c.bytes[0]), Utf8Class(c.bytes[1])), c.text);
    std::vector<std::string> texts;
    for (const auto& [klass, text] : first)
        texts.push_back(text);
    return texts;
}

// Through an INI file's and a motto file's encoding and decoding, with their marks; counts failures
// rather than reporting each, since there are many thousands of cases.
int Misreads(const std::string& text)
{
    const std::string lines = "[Main]\r\nTitle=" + text + "\r\n";
    const std::string ini = EncodeProfileText(lines);
    const std::string motto = EncodeMarkedGb18030(text + "\r\n");
    int misreads = 0;
    misreads += ini.rfind(kProfileMarkerLine, 0) != 0 || DecodeProfileText(ini).utf8 != lines;
    misreads += motto.rfind(kGb18030Bom, 0) != 0 || DecodeDiskText(motto).utf8 != text + "\r\n";
    return misreads;
}

} // namespace

TEST(OwnFileMarks, EveryTwoByteCharacterAloneAndInPairsReadsBack)
{
    const auto& characters = TwoByteGb18030Characters();
    ASSERT_EQ(characters.size(), 126u * 190u);
    const std::vector<std::string> representatives = OnePerClass();
    ASSERT_EQ(representatives.size(), 182u);
    int misreads = 0, cases = 0;
    const auto check = [&](const std::string& text) {
        misreads += Misreads(text);
        ++cases;
    };
    // Every pairing of classes, so every way two characters meet at a UTF-8 boundary.
    for (const std::string& first : representatives)
        for (const std::string& second : representatives)
            check(first + second);
    // Every character alone, doubled, and beside each class it makes valid UTF-8 with: all other
    // pairs are no UTF-8 and cannot be taken for it.
    for (const GbCharacter& c : characters) {
        check(c.text);
        check(c.text + c.text);
        for (const std::string& other : representatives) {
            const std::string otherBytes = EncodeGb18030(other);
            if (IsValidUtf8(c.bytes + otherBytes))
                check(c.text + other);
            if (IsValidUtf8(otherBytes + c.bytes))
                check(other + c.text);
        }
    }
    EXPECT_EQ(misreads, 0) << "of " << cases << " texts";
    EXPECT_GT(cases, 150000);
}

TEST(OwnFileMarks, TheMarkIsKeptOutOfTheTextAndNeverDoubled)
{
    const std::string marked = kProfileMarkerLine + "[Main]\r\nA=1\r\n";
    EXPECT_EQ(DecodeProfileText(marked).utf8, "[Main]\r\nA=1\r\n");
    EXPECT_EQ(EncodeProfileText(DecodeProfileText(marked).utf8), marked);
    // An editor that re-encoded the file as UTF-8 under a BOM: the stale mark goes too.
    const auto reencoded = DecodeProfileText("\xEF\xBB\xBF" + kProfileMarkerLine + "[Main]\r\nA=学\r\n");
    EXPECT_EQ(reencoded.utf8, "[Main]\r\nA=学\r\n");
    EXPECT_EQ(reencoded.encoding, DiskEncoding::Utf8);
    for (const bool bigEndian : {false, true})
        EXPECT_EQ(DecodeProfileText(Utf16Bytes(kProfileMarkerLine + "[Main]\r\nA=学\r\n", bigEndian)).utf8,
                  "[Main]\r\nA=学\r\n")
            << "saved again as UTF-16";
    // Only a whole first line is the mark; a comment that merely starts like it stays a line.
    EXPECT_EQ(DecodeProfileText("; -*- coding: gb18030 -*- mine\n[Main]\n").utf8,
              "; -*- coding: gb18030 -*- mine\n[Main]\n");
    EXPECT_EQ(DecodeProfileText("[Main]\n" + kProfileMarkerLine).utf8, "[Main]\n" + kProfileMarkerLine);
    EXPECT_EQ(DecodeProfileText("; -*- coding: gb18030 -*-").utf8, "");
}
