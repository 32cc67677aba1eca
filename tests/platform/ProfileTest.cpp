// The INI profile functions behave as the Windows ones the stored files were written with.
#include "platform/CodePage.h"
#include "platform/Profile.h"
#include "support/TempFolder.h"
#include "support/OwnFileMarks.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using platform::GetPrivateProfileString;
using platform::WritePrivateProfileString;

namespace {

std::string Get(const std::string& file, const char* section, const char* key, const char* fallback = "")
{
    return GetPrivateProfileString(section, key, fallback, 1024, file);
}

} // namespace

TEST(Profile, MissingFileSectionOrKeyReadsAsTheDefault)
{
    TempFolder folder;
    EXPECT_EQ(Get(folder.File("none.ini"), "Main", "Title"), "");
    EXPECT_EQ(Get(folder.File("none.ini"), "Main", "Title", "fallback"), "fallback");
    folder.Write("a.ini", "[Main]\r\nTitle=x\r\n");
    EXPECT_EQ(Get(folder.File("a.ini"), "Other", "Title", "d"), "d");
    EXPECT_EQ(Get(folder.File("a.ini"), "Main", "Missing"), "");
}

TEST(Profile, NamesCompareWithoutLetterCaseAndValuesLoseBlanksAndOneQuotePair)
{
    TempFolder folder;
    folder.Write("a.ini",
                 "; a comment\n"
                 "[main]\n"
                 "  TITLE  =   spaced out   \n"
                 "Quoted=\"  kept inside  \"\n"
                 "Single='x'\n"
                 "Lopsided=\"abc\n"
                 "Empty=\n"
                 "NoEquals\n"
                 "[Next]\n"
                 "Title=other\n");
    const std::string file = folder.File("a.ini");
    EXPECT_EQ(Get(file, "MAIN", "title"), "spaced out");
    EXPECT_EQ(Get(file, "Main", "quoted"), "  kept inside  ");
    EXPECT_EQ(Get(file, "Main", "Single"), "x");
    EXPECT_EQ(Get(file, "Main", "Lopsided"), "\"abc");
    EXPECT_EQ(Get(file, "Main", "Empty", "d"), "");
    EXPECT_EQ(Get(file, "Main", "NoEquals", "d"), "d");
    EXPECT_EQ(Get(file, "next", "TITLE"), "other");
}

TEST(Profile, RepeatedSectionsAndKeysReadTheFirstOccurrence)
{
    TempFolder folder;
    folder.Write("a.ini",
                 "Loose=before any section\n"
                 "[Main]\n"
                 "Key=first\n"
                 "key=second\n"
                 "[Other]\n"
                 "Late=other\n"
                 "[MAIN]\n"
                 "Key=third\n"
                 "Late=main again\n");
    const std::string file = folder.File("a.ini");
    EXPECT_EQ(Get(file, "Main", "KEY"), "first");
    EXPECT_EQ(Get(file, "main", "Late"), "main again");
    EXPECT_EQ(Get(file, "Other", "Late"), "other");
    EXPECT_EQ(Get(file, "", "Loose", "d"), "d");
    ASSERT_TRUE(WritePrivateProfileString("Main", "Added", "new", file));
    EXPECT_EQ(Get(file, "Main", "Added"), "new");
    EXPECT_EQ(Get(file, "Main", "Late"), "main again");
}

TEST(Profile, WriteCreatesFileAndSectionWithCrLfAndKeepsOtherLines)
{
    TempFolder folder;
    const std::string file = folder.File("new.ini");
    ASSERT_TRUE(WritePrivateProfileString("Main", "A", "1", file));
    ASSERT_TRUE(WritePrivateProfileString("Main", "B", " two", file));
    ASSERT_TRUE(WritePrivateProfileString("LIST0", "COL_ID", "1", file));
    ASSERT_TRUE(WritePrivateProfileString("main", "a", "changed", file));
    EXPECT_EQ(folder.Read("new.ini"), kProfileMarkerLine + "[Main]\r\na=changed\r\nB=\" two\"\r\n[LIST0]\r\nCOL_ID=1\r\n");
    // A leading blank is stored inside quotes, so unlike on Windows it is read back.
    EXPECT_EQ(Get(file, "Main", "B"), " two");

    folder.Write("kept.ini", "; keep me\n[Main]\nX=1\n\n[Other]\nY=2\n");
    ASSERT_TRUE(WritePrivateProfileString("Main", "Z", "3", folder.File("kept.ini")));
    EXPECT_EQ(folder.Read("kept.ini"), kProfileMarkerLine + "; keep me\r\n[Main]\r\nX=1\r\nZ=3\r\n\r\n[Other]\r\nY=2\r\n");
}

TEST(Profile, ValueWithLineBreaksCannotAddLinesAndBadNamesAreRefused)
{
    TempFolder folder;
    const std::string file = folder.File("a.ini");
    ASSERT_TRUE(WritePrivateProfileString("Main", "Title", "one\r\n[Evil]\nkey=2", file));
    EXPECT_EQ(Get(file, "Main", "Title"), "one  [Evil] key=2");
    EXPECT_EQ(Get(file, "Evil", "key"), "");
    EXPECT_FALSE(WritePrivateProfileString("Ma]in", "k", "v", file));
    EXPECT_FALSE(WritePrivateProfileString("Main", "k=1", "v", file));
    EXPECT_FALSE(WritePrivateProfileString("Main", "", "v", file));
}

TEST(Profile, LongValueIsCutAtACharacterBoundaryCountingStoredBytes)
{
    TempFolder folder;
    // 1022 ASCII bytes, then a Chinese character: two bytes in GB18030, so it would end at 1024.
    const std::string value = std::string(1022, 'a') + "中文";
    ASSERT_TRUE(WritePrivateProfileString("Main", "Long", value, folder.File("gb.ini")));
    EXPECT_EQ(Get(folder.File("gb.ini"), "Main", "Long"), std::string(1022, 'a'));
    EXPECT_EQ(GetPrivateProfileString("Main", "Long", "", 1026, folder.File("gb.ini")), std::string(1022, 'a') + "中");

    // A UTF-8 file counts UTF-8 bytes: "中" takes three.
    folder.Write("utf8.ini", "[Main]\nLong=" + std::string(1021, 'b') + "中\n");
    EXPECT_EQ(Get(folder.File("utf8.ini"), "Main", "Long"), std::string(1021, 'b'));
    folder.Write("fits.ini", "[Main]\nLong=" + std::string(1020, 'b') + "中\n");
    EXPECT_EQ(Get(folder.File("fits.ini"), "Main", "Long"), std::string(1020, 'b') + "中");
}

TEST(Profile, FilesAreWrittenAsGb18030AndWindowsFilesReadBack)
{
    TempFolder folder;
    // "标题=日记" as a Windows program writes it in the GB2312 code page.
    folder.Write("win.ini", "[Main]\r\n\xB1\xEA\xCC\xE2=\xC8\xD5\xBC\xC7\r\n");
    EXPECT_EQ(Get(folder.File("win.ini"), "Main", "标题"), "日记");
    ASSERT_TRUE(WritePrivateProfileString("Main", "Title", "季度:", folder.File("win.ini")));
    EXPECT_EQ(folder.Read("win.ini"), kProfileMarkerLine + "[Main]\r\n\xB1\xEA\xCC\xE2=\xC8\xD5\xBC\xC7\r\nTitle=\xBC\xBE\xB6\xC8:\r\n");
    EXPECT_EQ(Get(folder.File("win.ini"), "Main", "Title"), "季度:");

    // A file saved by a Linux editor, with a BOM, is UTF-8; rewriting turns it into GB18030.
    folder.Write("bom.ini", "\xEF\xBB\xBF[Main]\nTitle=日记\n");
    EXPECT_EQ(Get(folder.File("bom.ini"), "main", "title"), "日记");
    ASSERT_TRUE(WritePrivateProfileString("Main", "X", "1", folder.File("bom.ini")));
    EXPECT_EQ(folder.Read("bom.ini"), kProfileMarkerLine + "[Main]\r\nTitle=\xC8\xD5\xBC\xC7\r\nX=1\r\n");
}

// Code page 936 writes "€" as the one byte 0x80; a save keeps it as GB18030 writes it.
TEST(Profile, TheEuroOfAWindowsFileSurvivesASave)
{
    TempFolder folder;
    folder.Write("win.ini", "[Main]\r\nTitle=\xC8\xD5\xBC\xC7 \x80" "5\r\n");
    EXPECT_EQ(Get(folder.File("win.ini"), "Main", "Title"), "日记 €5");
    ASSERT_TRUE(WritePrivateProfileString("Main", "X", "1", folder.File("win.ini")));
    EXPECT_EQ(folder.Read("win.ini"), kProfileMarkerLine + "[Main]\r\nTitle=\xC8\xD5\xBC\xC7 \xA2\xE3" "5\r\nX=1\r\n");
    EXPECT_EQ(Get(folder.File("win.ini"), "Main", "Title"), "日记 €5");
}

TEST(Profile, ReadOnlyFileAndMissingFolderRefuseTheWriteAndKeepTheFile)
{
    TempFolder folder;
    folder.Write("ro.ini", "[Main]\r\nA=1\r\n");
    ASSERT_EQ(::chmod(folder.File("ro.ini").c_str(), 0444), 0);
    EXPECT_FALSE(WritePrivateProfileString("Main", "A", "2", folder.File("ro.ini")));
    EXPECT_EQ(folder.Read("ro.ini"), "[Main]\r\nA=1\r\n");
    EXPECT_EQ(Get(folder.File("ro.ini"), "Main", "A"), "1");
    EXPECT_FALSE(WritePrivateProfileString("Main", "A", "2", folder.File("no/such/folder.ini")));
}

TEST(Profile, ChangesMadeBehindItsBackAreSeen)
{
    TempFolder folder;
    const std::string file = folder.File("a.ini");
    folder.Write("a.ini", "[Main]\nA=1\n");
    EXPECT_EQ(Get(file, "Main", "A"), "1");
    folder.Write("a.ini", "[Main]\nA=22\n");
    EXPECT_EQ(Get(file, "Main", "A"), "22");
    ::unlink(file.c_str());
    EXPECT_EQ(Get(file, "Main", "A", "gone"), "gone");
}

TEST(Profile, BinaryEmptyAndTruncatedFilesReadAsDefaults)
{
    TempFolder folder;
    folder.Write("empty.ini", "");
    const std::string binary("\x00\xFF\xFE[\x81\x30Main\x00=\xFF", 12);
    folder.Write("binary.ini", binary);
    folder.Write("cut.ini", "[Main]\r\nTitle=\xC8");   // half of a GB2312 character
    EXPECT_EQ(Get(folder.File("empty.ini"), "Main", "A", "d"), "d");
    EXPECT_EQ(Get(folder.File("binary.ini"), "Main", "A", "d"), "d");
    EXPECT_TRUE(platform::IsValidUtf8(Get(folder.File("cut.ini"), "Main", "Title")));
    // No INI text as a whole: a key written into it would replace it by what little was read.
    EXPECT_FALSE(WritePrivateProfileString("Main", "A", "1", folder.File("binary.ini")));
    EXPECT_TRUE(folder.Read("binary.ini") == binary);
}

TEST(Profile, AnyLineEndEndsALineAndANulEndsAValue)
{
    TempFolder folder;
    folder.Write("mac.ini", "[Main]\rTitle=old mac\rNext=2\r");
    folder.Write("mixed.ini", "[Main]\nA=1\r\nB=2\rC=3");
    folder.Write("nul.ini", std::string("[Main]\r\nTitle=ab\0cd\r\n", 22));
    EXPECT_EQ(Get(folder.File("mac.ini"), "Main", "Title"), "old mac");
    EXPECT_EQ(Get(folder.File("mac.ini"), "Main", "Next"), "2");
    EXPECT_EQ(Get(folder.File("mixed.ini"), "Main", "B") + Get(folder.File("mixed.ini"), "Main", "C"), "23");
    EXPECT_EQ(Get(folder.File("nul.ini"), "Main", "Title"), "ab");
}

TEST(Profile, WriteThroughALinkUpdatesItsTarget)
{
    TempFolder folder;
    folder.Write("real.ini", "[Main]\r\nA=1\r\n");
    ASSERT_EQ(::symlink("real.ini", folder.File("link.ini").c_str()), 0);
    ASSERT_TRUE(WritePrivateProfileString("Main", "A", "2", folder.File("link.ini")));
    struct stat info {};
    ASSERT_EQ(::lstat(folder.File("link.ini").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(folder.Read("real.ini"), kProfileMarkerLine + "[Main]\r\nA=2\r\n");
}

TEST(Profile, WriteThroughALoopOfLinksIsRefused)
{
    TempFolder folder;
    ASSERT_EQ(::symlink("b.ini", folder.File("a.ini").c_str()), 0);
    ASSERT_EQ(::symlink("a.ini", folder.File("b.ini").c_str()), 0);
    EXPECT_FALSE(WritePrivateProfileString("Main", "A", "2", folder.File("a.ini")));
    char target[16] = {};
    EXPECT_EQ(::readlink(folder.File("a.ini").c_str(), target, sizeof target - 1), 5);
    EXPECT_STREQ(target, "b.ini");
}

// A value a read would change (blanks at its ends, one pair of quotes round it) is written inside one
// more pair of quotes, which the read takes away: every value reads back as written, through a
// single write and through a batch alike. The Windows writer wrote them bare, and they came back
// without their blanks and quotes.
TEST(Profile, EveryValueReadsBackAsWritten)
{
    TempFolder folder;
    const std::string values[] = {
        "\"Gratitude\"", "  \"Spring\"  ", " [ 第 ", "tab\t", "'single'", "\"\"", " ", "\"", "\"unclosed", "'mixed\"",
        "\"a\" and \"b\"", "“中文引号”", "plain", "",
    };
    const std::string single = folder.File("single.ini"), batched = folder.File("batched.ini");
    {
        platform::ProfileBatch batch(batched);
        for (size_t i = 0; i < std::size(values); ++i)
            ASSERT_TRUE(WritePrivateProfileString("Main", "K" + std::to_string(i), values[i], batched));
        ASSERT_TRUE(batch.Publish());
    }
    for (size_t i = 0; i < std::size(values); ++i) {
        const std::string key = "K" + std::to_string(i);
        ASSERT_TRUE(WritePrivateProfileString("Main", key.c_str(), values[i], single));
        EXPECT_EQ(Get(single, "Main", key.c_str()), values[i]);
        EXPECT_EQ(Get(batched, "Main", key.c_str()), values[i]);
    }
    // Bare where a read gives the value back, so such files read as before everywhere.
    const std::string text = folder.Read("single.ini");
    for (const char* line : {"K1=\"  \"Spring\"  \"\r\n", "K8=\"unclosed\r\n", "K12=plain\r\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
}

// Only a file written so says that its values stand as written; files written before, by this
// program or the Windows one, held theirs bare. A write marks the file it writes.
TEST(Profile, OnlyFilesWrittenNowSayTheirValuesStandAsWritten)
{
    TempFolder folder;
    folder.Write("before.ini", "; -*- coding: gb18030 -*-\r\n[Main]\r\nTitle=\"  a  \"\r\n");
    folder.Write("windows.ini", "[Main]\r\nTitle=\"  a  \"\r\n");
    for (const char* name : {"before.ini", "windows.ini", "missing.ini"})
        EXPECT_FALSE(platform::ProfileValuesReadAsWritten(folder.File(name))) << name;
    ASSERT_TRUE(WritePrivateProfileString("Main", "Other", "1", folder.File("before.ini")));
    EXPECT_TRUE(platform::ProfileValuesReadAsWritten(folder.File("before.ini")));
    EXPECT_EQ(folder.Read("before.ini"), kProfileMarkerLine + "[Main]\r\nTitle=\"  a  \"\r\nOther=1\r\n");
    folder.Write("copy.ini", folder.Read("before.ini"));
    EXPECT_TRUE(platform::ProfileValuesReadAsWritten(folder.File("copy.ini"))) << "read from the disk";
}
