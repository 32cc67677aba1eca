// Motto lines: which lines count, their numbers, texts and stored lengths.
#include "settings/MottoFile.h"
#include "platform/CodePage.h"
#include "support/TempFolder.h"
#include "support/Utf16Bytes.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

std::vector<TextLineRecord> Read(const TempFolder& folder, const std::string& bytes)
{
    folder.Write("motto.txt", bytes);
    std::vector<TextLineRecord> lines;
    ReadTextFileLines(folder.File("motto.txt"), lines);
    return lines;
}

} // namespace

TEST(TextFileLines, ShortLinesAreSkippedAndTheRestNumbered)
{
    TempFolder folder;
    const auto lines = Read(folder, "a\r\n\r\nhello\r\n b \n");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].number, 1);
    EXPECT_EQ(lines[0].text, "hello");
    EXPECT_EQ(lines[0].length, 5);
    EXPECT_EQ(lines[1].number, 2);
    EXPECT_EQ(lines[1].text, "b");
    EXPECT_EQ(lines[1].length, 3);
}

TEST(TextFileLines, LengthsCountTheBytesAsStored)
{
    TempFolder folder;
    // The same two characters as GB18030 (two bytes each) and as UTF-8 (three bytes each).
    EXPECT_EQ(Read(folder, platform::EncodeGb18030("日记\r\n")).at(0).length, 4);
    EXPECT_EQ(Read(folder, platform::EncodeGb18030("日记")).at(0).text, "日记");
    EXPECT_EQ(Read(folder, "日记\n").at(0).length, 6);
}

// What a Windows editor saves as "Unicode". Skipping and lengths go by the GB18030 bytes the
// text takes ("a" is one, 😀 four), and a text ends at a NUL, as the list shows it.
TEST(TextFileLines, Utf16FilesReadAsTheCodePageTextTheyHold)
{
    using namespace std::string_literals;
    TempFolder folder;
    for (const bool bigEndian : {false, true}) {
        SCOPED_TRACE(bigEndian ? "big-endian" : "little-endian");
        const auto lines = Read(folder, Utf16Bytes("a\r\n天道酬勤\r\n 上善若水 😀\n天道\0酬勤\r\n"s, bigEndian));
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[0].text, "天道酬勤");
        EXPECT_EQ(lines[0].length, 8);
        EXPECT_EQ(lines[1].text, "上善若水 😀");
        EXPECT_EQ(lines[1].length, 14);
        EXPECT_EQ(lines[2].text, "天道");
        EXPECT_EQ(lines[2].length, 4);
    }
}

TEST(TextFileLines, LongLinesAndEveryKindOfLineEndAreRead)
{
    TempFolder folder;
    const auto lines = Read(folder, "first\r" + std::string(5000, 'y') + "\r\nmac\rlast\n");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1].length, 5000);
    EXPECT_EQ(lines[3].text, "last");

    std::vector<TextLineRecord> kept = {{1, "old", 3}};
    ReadTextFileLines(folder.File("missing.txt"), kept);
    EXPECT_EQ(kept.size(), 1u);
}

TEST(TextFileLines, OnlyARegularFileOfBoundedSizeIsRead)
{
    TempFolder folder;
    ASSERT_EQ(::mkfifo(folder.File("pipe").c_str(), 0600), 0);
    const char* notMottoFiles[] = {"/dev/zero", "pipe", "."};
    for (const char* path : notMottoFiles) {
        std::vector<TextLineRecord> lines;
        ReadTextFileLines(path, lines);   // returns at once instead of reading forever
        EXPECT_TRUE(lines.empty()) << path;
    }
    EXPECT_TRUE(Read(folder, std::string(17 * 1024 * 1024, 'x')).empty());
}

