// Lines read a piece at a time are the lines of the whole file: line ends across the reader's
// 64 KiB blocks, lines longer than a block, marks, an encoding that the file's last line
// decides, and UTF-16 whose characters hold bytes 0A and 0D.
#include "platform/DiskTextLines.h"
#include "support/Gb18030Characters.h"
#include "support/TempFolder.h"
#include "support/Utf16Bytes.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace platform;
using namespace std::string_literals;

namespace {

constexpr size_t kBlock = 64 * 1024;

struct Read {
    bool ok = false;
    std::vector<std::string> lines;
    std::vector<DiskEncoding> encodings;
};

Read Lines(const std::string& path, size_t most = SIZE_MAX, size_t maxBytes = SIZE_MAX)
{
    Read read;
    read.ok = ReadDiskTextLines(path, maxBytes, [&](std::string_view line, DiskEncoding encoding) {
        if (read.lines.size() == most)
            return false;
        read.lines.emplace_back(line);
        read.encodings.push_back(encoding);
        return true;
    });
    return read;
}

} // namespace

TEST(DiskTextLines, PiecesGiveTheLinesOfTheWholeFile)
{
    const std::string learnUtf8 = "学习";   // GB18030 byte pairs as well
    const std::string cuneiform = "\xF0\x92\xA0\x8D";   // U+1280D
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines;
        DiskEncoding encoding;
    };
    const Case cases[] = {
        {"CR LF across a block's end", std::string(kBlock - 1, 'a') + "\r\nb\r\n", {std::string(kBlock - 1, 'a'), "b"},
         DiskEncoding::Utf8},
        {"lone CR at a block's end", std::string(kBlock - 1, 'a') + "\rb", {std::string(kBlock - 1, 'a'), "b"},
         DiskEncoding::Utf8},
        {"empty lines across a block's end", std::string(kBlock - 2, 'a') + "\n\n\r\n\rc",
         {std::string(kBlock - 2, 'a'), "", "", "", "c"}, DiskEncoding::Utf8},
        {"a line of three blocks", "x\n" + std::string(3 * kBlock, 'y') + "\nz", {"x", std::string(3 * kBlock, 'y'), "z"},
         DiskEncoding::Utf8},
        {"GB18030 mark", "\x84\x31\x95\x33\xC8\xD5\xBC\xC7\r\n", {"日记"}, DiskEncoding::Gb18030},
        {"UTF-8 mark", "\xEF\xBB\xBF" + learnUtf8 + "\n", {learnUtf8}, DiskEncoding::Utf8},
        {"UTF-8 Chinese", learnUtf8 + "\n" + std::string(kBlock, 'a') + "\n", {learnUtf8, std::string(kBlock, 'a')},
         DiskEncoding::Utf8},
        {"UTF-8 Chinese, a Cyrillic line two blocks on", learnUtf8 + "\n" + std::string(2 * kBlock, 'a') + "\nПривет",
         {Gb18030ToUtf8(learnUtf8), std::string(2 * kBlock, 'a'), Gb18030ToUtf8("Привет")}, DiskEncoding::Gb18030},
        // UTF-16 counts as the code page text it reads as. 上 is 0A 4E little-endian, U+1280D the
        // pair 0A D8 0D DC: no line ends, though the last bytes like one in their block.
        {"UTF-16 big-endian", Utf16Bytes("天道酬勤\r\n上善若水 😀\r\n", true), {"天道酬勤", "上善若水 😀"},
         DiskEncoding::Gb18030},
        {"UTF-16, bytes 0A and 0D inside characters",
         Utf16Bytes("x\n上" + std::string(kBlock, 'b') + "\r\n" + cuneiform + std::string(kBlock, 'c'), false),
         {"x", "上" + std::string(kBlock, 'b'), cuneiform + std::string(kBlock, 'c')}, DiskEncoding::Gb18030},
        {"UTF-16, a surrogate pair across a block's end",
         Utf16Bytes("x\n" + std::string(kBlock / 2 - 4, 'a') + "😀\n", false),
         {"x", std::string(kBlock / 2 - 4, 'a') + "😀"}, DiskEncoding::Gb18030},
        {"UTF-16, CR LF across a block's end", Utf16Bytes(std::string(kBlock / 2 - 2, 'a') + "\r\nb", true),
         {std::string(kBlock / 2 - 2, 'a'), "b"}, DiskEncoding::Gb18030},
        {"UTF-16, lone surrogates and an odd last byte become U+FFFD",
         "\xFF\xFE" "a\0\x3D\xD8\r\0\n\0\x00\xDE" "b\0\n\0c"s, {"a\uFFFD", "\uFFFDb", "\uFFFD"}, DiskEncoding::Gb18030},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        folder.Write("text.txt", c.bytes);
        const Read read = Lines(folder.File("text.txt"));
        EXPECT_TRUE(read.ok) << c.name;
        EXPECT_EQ(read.lines, c.lines) << c.name;
        EXPECT_EQ(read.encodings, std::vector<DiskEncoding>(c.lines.size(), c.encoding)) << c.name;
    }
}

TEST(DiskTextLines, TheReaderStopsWhenToldAndRefusesWhatIsNoTextFile)
{
    TempFolder folder;
    folder.Write("text.txt", "one\ntwo\nthree\nfour\n");
    const Read first = Lines(folder.File("text.txt"), 2);
    EXPECT_TRUE(first.ok);
    EXPECT_EQ(first.lines, (std::vector<std::string>{"one", "two"}));

    const Read tooLarge = Lines(folder.File("text.txt"), SIZE_MAX, 18);
    EXPECT_FALSE(tooLarge.ok);
    EXPECT_TRUE(tooLarge.lines.empty());
    ASSERT_EQ(::mkfifo(folder.File("pipe").c_str(), 0600), 0);
    for (const std::string& path : {folder.File("pipe"), folder.Path(), folder.File("missing.txt")}) {
        const Read none = Lines(path);
        EXPECT_FALSE(none.ok) << path;
        EXPECT_TRUE(none.lines.empty()) << path;
    }
}
