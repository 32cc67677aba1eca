// Which encoding a file is read in: our own GB18030 saves and the Windows program's GB2312
// files must never be taken for UTF-8, even where their bytes happen to be valid UTF-8.
#include "platform/CodePage.h"
#include "platform/Profile.h"
#include "support/Gb18030Characters.h"
#include "support/OwnFileMarks.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

// Every GB2312 character whose two bytes are also a UTF-8 sequence: rows C2 to DF, cells A1 to BF.
std::vector<std::pair<std::string, std::string>> AmbiguousCharacters()
{
    std::vector<std::pair<std::string, std::string>> found;
    for (int row = 0xC2; row <= 0xDF; ++row)
        for (int cell = 0xA1; cell <= 0xBF; ++cell) {
            const std::string bytes{static_cast<char>(row), static_cast<char>(cell)};
            const std::string text = ToUtf8From("GB2312", bytes);
            if (!text.empty())
                found.emplace_back(bytes, text);
        }
    return found;
}

struct Reading {
    const char* what;
    std::string bytes;
    std::string text;
    DiskEncoding encoding;
};

} // namespace

TEST(EncodingChoice, EachFileIsReadInTheEncodingItWasWrittenIn)
{
    const Reading cases[] = {
        {"GB2312 that is valid UTF-8", "\xD1\xA7\xCF\xB0", "学习", DiskEncoding::Gb18030},
        {"GB2312 that is not UTF-8", "\xC8\xD5\xBC\xC7", "日记", DiskEncoding::Gb18030},
        {"Latin in GB18030", "caf\xA8\xA6", "café", DiskEncoding::Gb18030},
        {"UTF-8 Chinese", "学习 [ 周末 ]", "学习 [ 周末 ]", DiskEncoding::Utf8},
        {"UTF-8 with a BOM", "\xEF\xBB\xBF\xD1\xA7", "ѧ", DiskEncoding::Utf8},
        {"UTF-8 that GB2312 cannot pair up", "\xEA\xA1\xA1", "ꡡ", DiskEncoding::Utf8},
        {"UTF-8 whose GB2312 pairs meet an unassigned row", "\xE5\xAA\xA1\xE5\xAA\xA1", "媡媡", DiskEncoding::Utf8},
        {"valid UTF-8 that would be C1 controls", "\xC2\x81\xC2\x82", "聛聜", DiskEncoding::Gb18030},
        {"GBK that is valid UTF-8", "\xD3\x91\xD5\x93", "討論", DiskEncoding::Gb18030},
        {"GBK that UTF-8 takes for a rare character", "\xE3\xAC\x9C\x79", "悻測", DiskEncoding::Gb18030},
        {"UTF-8 whose bytes pair up as GB2312", "读书", "读书", DiskEncoding::Utf8},
        {"UTF-8 with Latin beside the Chinese", "我的日记 · My Diary", "我的日记 · My Diary", DiskEncoding::Utf8},
        {"GB18030 behind its byte order mark", "\x84\x31\x95\x33\xD1\xA7", "学", DiskEncoding::Gb18030},
        {"plain ASCII", "Title=x", "Title=x", DiskEncoding::Utf8},
    };
    for (const Reading& c : cases) {
        const DecodedText decoded = DecodeDiskText(c.bytes);
        EXPECT_EQ(decoded.utf8, c.text) << c.what;
        EXPECT_EQ(decoded.encoding, c.encoding) << c.what;
    }
}

TEST(EncodingChoice, EveryAmbiguousCharacterSurvivesSaveAndLoad)
{
    TempFolder folder;
    const auto characters = AmbiguousCharacters();
    ASSERT_EQ(characters.size(), 930u);
    int n = 0;
    for (const auto& [bytes, text] : characters) {
        ASSERT_TRUE(IsValidUtf8(bytes));
        // Each in a file of its own, alone and doubled, as a design whose only Chinese it is.
        const std::string file = folder.File(std::to_string(n++) + ".ini");
        ASSERT_TRUE(WritePrivateProfileString("Main", "Title", text + " " + text + text, file));
        EXPECT_EQ(folder.Read(file.substr(folder.Path().size() + 1)),
                  kProfileMarkerLine + "[Main]\r\nTitle=" + bytes + " " + bytes + bytes + "\r\n");
        EXPECT_EQ(DecodeDiskText("Title=" + bytes + "\r\n").utf8, "Title=" + text + "\r\n");
    }
    // The saves read back through the profile functions, parsed afresh.
    for (int i = 0; i < n; ++i) {
        const std::string name = "copy" + std::to_string(i) + ".ini";
        folder.Write(name, folder.Read(std::to_string(i) + ".ini"));
        const std::string copy = folder.File(name);
        const std::string& text = characters[static_cast<size_t>(i)].second;
        EXPECT_EQ(GetPrivateProfileString("Main", "Title", "", 1024, copy), text + " " + text + text);
    }
}
