// What a profile file holds as a whole: read, missing, too large, unreadable, or no INI text;
// a file that was not read as INI text never takes a key.
#include "platform/Profile.h"
#include "support/Gb18030Characters.h"
#include "support/OwnFileMarks.h"
#include "support/TempFolder.h"
#include "support/Utf16Bytes.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <random>
#include <sys/stat.h>

using platform::GetPrivateProfileString;
using platform::GetProfileFileState;
using platform::kMaxProfileFileBytes;
using platform::ProfileFileState;
using platform::WritePrivateProfileString;

namespace {

std::string Get(const std::string& file, const std::string& section, const std::string& key)
{
    return GetPrivateProfileString(section, key, "default", 1024, file);
}

// Bytes as a tester's file of noise holds them, the same every run.
std::string RandomBytes(size_t count)
{
    std::mt19937 generator(2026);
    std::string bytes;
    for (size_t i = 0; i < count; ++i)
        bytes += static_cast<char>(generator() & 0xFF);
    return bytes;
}

// A file of exactly `size` bytes whose key A is 1: a comment fills it up.
std::string FileOfSize(size_t size)
{
    const std::string head = "[Main]\r\nA=1\r\n;";
    return head + std::string(size - head.size(), 'x');
}

} // namespace

TEST(ProfileFiles, AFileThatHoldsNoIniTextIsToldApartFromAnEmptyOne)
{
    TempFolder folder;
    const std::string ini = "[Main]\r\nA=1\r\n";
    const struct {
        const char* what;
        std::string bytes;
        ProfileFileState state;
    } cases[] = {
        {"empty", "", ProfileFileState::Read},
        {"comments only", "; a note\r\n\r\n", ProfileFileState::Read},
        {"a key before the first section", "Loose=1\r\n" + ini, ProfileFileState::Read},
        {"a NUL in a value", std::string("[Main]\r\nA=1\0x\r\n", 14), ProfileFileState::Read},
        {"one byte order mark", "\xEF\xBB\xBF" + ini, ProfileFileState::Read},
        {"UTF-16", Utf16Bytes(ini, false), ProfileFileState::Read},
        {"UTF-16 big-endian", Utf16Bytes(ini, true), ProfileFileState::Read},
        {"UTF-16 without its mark", Utf16Bytes(ini, false, false), ProfileFileState::NotIniText},
        {"a NUL before the first section", std::string("\0\r\n", 3) + ini, ProfileFileState::NotIniText},
        {"a second byte order mark", "\xEF\xBB\xBF\xEF\xBB\xBF" + ini, ProfileFileState::NotIniText},
        {"text without a section", "A=1\r\nB=2\r\n", ProfileFileState::NotIniText},
        {"as large as allowed", FileOfSize(kMaxProfileFileBytes), ProfileFileState::Read},
        {"one byte larger", FileOfSize(kMaxProfileFileBytes + 1), ProfileFileState::TooLarge},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        folder.Write("a.ini", c.bytes);
        EXPECT_EQ(GetProfileFileState(folder.File("a.ini")), c.state);
    }
    EXPECT_EQ(Get(folder.File("a.ini"), "Main", "A"), "default") << "a file too large reads as empty";
    folder.Write("a.ini", FileOfSize(kMaxProfileFileBytes));
    EXPECT_EQ(Get(folder.File("a.ini"), "Main", "A"), "1");

    EXPECT_EQ(GetProfileFileState(folder.File("none.ini")), ProfileFileState::Missing);
    EXPECT_EQ(GetProfileFileState(folder.File("none/a.ini")), ProfileFileState::Missing);
    std::filesystem::create_directory(folder.File("folder.ini"));
    EXPECT_EQ(GetProfileFileState(folder.File("folder.ini")), ProfileFileState::Unreadable);
}

TEST(ProfileFiles, AFileThatWasNotReadIsNeverWrittenAndNoWriteGrowsOnePastTheBound)
{
    TempFolder folder;
    const std::string ini = "[Main]\r\nA=1\r\n";
    // The refusal tells its reason: a save that failed with no reason showed none.
    const struct {
        std::string bytes;
        int error;
    } unreadFiles[] = {{FileOfSize(kMaxProfileFileBytes + 1), EFBIG},
                       {Utf16Bytes(ini, false, false), EILSEQ},
                       {Utf16Bytes(ini, true, false), EILSEQ},
                       {std::string("\0\0\0\0", 4) + ini, EILSEQ},
                       {RandomBytes(3000), EILSEQ}};
    for (const auto& [unread, error] : unreadFiles) {
        folder.Write("unread.ini", unread);
        errno = 0;
        EXPECT_FALSE(WritePrivateProfileString("Main", "B", "2", folder.File("unread.ini")));
        EXPECT_EQ(errno, error);
        EXPECT_TRUE(folder.Read("unread.ini") == unread) << "the file is as it was";
    }

    // Room for the program's mark lines, not for 64 more bytes.
    const std::string full = FileOfSize(kMaxProfileFileBytes - kProfileMarkerLine.size() - 8);
    folder.Write("full.ini", full);
    EXPECT_FALSE(WritePrivateProfileString("Main", "B", std::string(64, 'x'), folder.File("full.ini")));
    EXPECT_TRUE(folder.Read("full.ini") == full) << "the file is as it was";
    EXPECT_TRUE(WritePrivateProfileString("Main", "A", "2", folder.File("full.ini")));
    EXPECT_EQ(Get(folder.File("full.ini"), "Main", "A"), "2");

    {
        platform::ProfileBatch batch(folder.File("full.ini"));
        for (const char* key : {"C", "D", "E", "F", "G"})
            ASSERT_TRUE(WritePrivateProfileString("Main", key, std::string(1 << 20, 'x'), folder.File("full.ini")));
        EXPECT_FALSE(batch.Publish());
    }
    EXPECT_EQ(Get(folder.File("full.ini"), "Main", "A"), "2") << "the file a batch would have replaced";

    ASSERT_EQ(::mkfifo(folder.File("pipe.ini").c_str(), 0644), 0);
    errno = 0;
    EXPECT_FALSE(WritePrivateProfileString("Main", "A", "1", folder.File("pipe.ini")));
    EXPECT_EQ(errno, EINVAL);
    struct stat info {};
    ASSERT_EQ(::stat(folder.File("pipe.ini").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode)) << "the pipe is still there";
}

// Files of many sections, some of one name in other cases, and keys repeated in them: every
// lookup finds what a plain reading of the lines in file order finds.
TEST(ProfileFiles, LookupsFindTheFirstKeyInAnySectionOfItsName)
{
    TempFolder folder;
    const std::vector<std::string> sections = {"Main", "MAIN", "main", "LIST1", "List10", "LIST", "L", "x y"};
    const std::vector<std::string> keys = {"A", "a", "AB", "Ab", "COL_ID", "col_id", "B c"};
    std::mt19937 random(26);
    const auto pick = [&](const std::vector<std::string>& from) { return from[random() % from.size()]; };
    std::string text;
    std::vector<std::pair<std::string, std::string>> lines;   // section, line
    for (int s = 0; s < 60; ++s) {
        const std::string section = pick(sections);
        text += "[" + section + "]\r\n";
        for (auto k = random() % 6; k > 0; --k) {
            const std::string line = pick(keys) + "=" + std::to_string(lines.size());
            text += line + "\r\n";
            lines.emplace_back(section, line);
        }
    }
    folder.Write("many.ini", text);
    const auto lower = [](std::string name) {
        for (char& ch : name)
            ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        return name;
    };
    for (const std::string& section : sections)
        for (const std::string& key : keys) {
            std::string expected = "default";
            for (const auto& [lineSection, line] : lines)
                if (lower(lineSection) == lower(section) && lower(line.substr(0, line.find('='))) == lower(key)) {
                    expected = line.substr(line.find('=') + 1);
                    break;
                }
            EXPECT_EQ(Get(folder.File("many.ini"), section, key), expected) << section << "/" << key;
        }
}

// What Windows editors save as "Unicode" reads as the text it is; a key written into it keeps
// every other key, and the file becomes the program's own, which the Windows program reads too.
TEST(ProfileFiles, UnicodeFilesReadAndTakeKeysKeepingEveryKey)
{
    TempFolder folder;
    const std::string text = "; 我的日记\r\n[Main]\r\nTitle=日记 😀\r\nMonth_Start=3\r\n\r\n[LIST0]\r\nCOL_CLASS_TITLE=读书\r\n";
    for (const bool bigEndian : {false, true}) {
        SCOPED_TRACE(bigEndian ? "big-endian" : "little-endian");
        const std::string file = folder.File("unicode.ini");
        folder.Write("unicode.ini", Utf16Bytes(text, bigEndian));
        EXPECT_EQ(GetProfileFileState(file), ProfileFileState::Read);
        EXPECT_EQ(Get(file, "Main", "Title"), "日记 😀");
        EXPECT_EQ(Get(file, "LIST0", "COL_CLASS_TITLE"), "读书");

        ASSERT_TRUE(WritePrivateProfileString("Main", "Month_End", "4", file));
        ASSERT_TRUE(WritePrivateProfileString("LIST0", "COL_CLASS_TITLE", "工作", file));
        EXPECT_EQ(Get(file, "Main", "Title"), "日记 😀");
        EXPECT_EQ(Get(file, "Main", "Month_Start"), "3");
        EXPECT_EQ(Get(file, "Main", "Month_End"), "4");
        EXPECT_EQ(Get(file, "LIST0", "COL_CLASS_TITLE"), "工作");

        const std::string bytes = folder.Read("unicode.ini");
        ASSERT_EQ(bytes.rfind(kProfileMarkerLine, 0), 0u);
        EXPECT_EQ(Gb18030ToUtf8(bytes.substr(kProfileMarkerLine.size())),
                  "; 我的日记\r\n[Main]\r\nTitle=日记 😀\r\nMonth_Start=3\r\nMonth_End=4\r\n\r\n[LIST0]\r\n"
                  "COL_CLASS_TITLE=工作\r\n");
    }
}
