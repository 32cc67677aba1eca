// A file written whole through a batch, and the places the writer gives keys as a file grows.
#include "platform/IniWriter.h"
#include "platform/Profile.h"
#include "support/OwnFileMarks.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using platform::GetPrivateProfileString;
using platform::IniWriter;
using platform::ProfileBatch;
using platform::WritePrivateProfileString;

namespace {

std::string Get(const std::string& file, const char* section, const char* key)
{
    return GetPrivateProfileString(section, key, "", 1024, file);
}

size_t EntriesIn(const std::string& folder)
{
    namespace fs = std::filesystem;
    return static_cast<size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

struct Write {
    const char* section;
    const char* key;
};

struct PlacesCase {
    const char* name;
    std::vector<std::string> start;
    std::vector<Write> writes;   // each writes "<key>=<its number>"
    std::vector<std::string> expected;
};

} // namespace

// One writer through all the writes, so every place it keeps between writes is used.
TEST(IniWriter, PutsEveryKeyWhereTheProfileWriterDoes)
{
    const PlacesCase cases[] = {
        {"keys replaced without letter case, sections added at the end",
         {},
         {{"Main", "A"}, {"Main", "B"}, {"main", "a"}, {"LIST0", "COL_ID"}, {"list0", "col_id"}, {"Main", "C"}},
         {"[Main]", "a=2", "B=1", "C=5", "[LIST0]", "col_id=4"}},
        {"a key added to an earlier section, then to later ones",
         {"[Main]", "A=old", "", "[Next]", "N=old"},
         {{"Main", "B"}, {"Next", "M"}, {"Main", "C"}, {"Next", "n"}, {"Last", "L"}, {"Next", "K"}},
         {"[Main]", "A=old", "B=0", "C=2", "", "[Next]", "n=3", "M=1", "K=5", "[Last]", "L=4"}},
        {"only the first section of a name takes keys; lines before any section stay",
         {"; comment", "Loose=1", "[Main]", "A=1", "[Other]", "[MAIN]", "B=1", "C=1"},
         {{"Main", "B"}, {"Main", "A"}, {"Main", "C"}},
         {"; comment", "Loose=1", "[Main]", "A=1", "B=0", "C=2", "[Other]", "[MAIN]", "B=1", "C=1"}},
        {"keys that read as a comment or a header",
         {},
         {{"Main", ";c"}, {"Main", "[h"}, {"Main", "A"}, {"Main", "[h"}, {"Main", ";c"}},
         {"[Main]", ";c=0", "A=2", ";c=4", "[h=3", "[h=1"}},
    };
    for (const PlacesCase& c : cases) {
        SCOPED_TRACE(c.name);
        IniWriter writer(c.start);
        for (size_t i = 0; i < c.writes.size(); ++i)
            writer.Write(c.writes[i].section, c.writes[i].key, std::string(c.writes[i].key) + "=" + std::to_string(i));
        EXPECT_EQ(writer.Lines(), c.expected);
    }
}

TEST(ProfileBatch, TheFileReachesTheDiskOnlyWhenPublished)
{
    TempFolder folder;
    const std::string file = folder.File("design.ini");
    const std::string other = folder.File("config_path.ini");
    folder.Write("design.ini", "[Main]\r\nTitle=old\r\n[LIST9]\r\nCOL_ID=10\r\n");
    {
        ProfileBatch batch(file);
        ASSERT_TRUE(WritePrivateProfileString("Main", "Title", "new", file));
        ASSERT_TRUE(WritePrivateProfileString("LIST0", "COL_ID", "1", file));
        ASSERT_TRUE(WritePrivateProfileString("Main", "Config_Path", file, other));
        EXPECT_FALSE(WritePrivateProfileString("Ma]in", "k", "v", file));
        EXPECT_EQ(folder.Read("design.ini"), "[Main]\r\nTitle=old\r\n[LIST9]\r\nCOL_ID=10\r\n");
        EXPECT_EQ(Get(file, "Main", "Title"), "old") << "reads see the disk";
        EXPECT_EQ(Get(other, "Main", "Config_Path"), file) << "other files are written at once";
        ASSERT_TRUE(batch.Publish());
        EXPECT_FALSE(batch.Publish());
    }
    EXPECT_EQ(folder.Read("design.ini"), kProfileMarkerLine + "[Main]\r\nTitle=new\r\n[LIST0]\r\nCOL_ID=1\r\n");
    EXPECT_EQ(Get(file, "LIST9", "COL_ID"), "");
    ASSERT_TRUE(WritePrivateProfileString("Main", "After", "1", file));
    EXPECT_EQ(folder.Read("design.ini"), kProfileMarkerLine + "[Main]\r\nTitle=new\r\nAfter=1\r\n[LIST0]\r\nCOL_ID=1\r\n");
    EXPECT_EQ(EntriesIn(folder.Path()), 2u);
}

TEST(ProfileBatch, ABatchNotPublishedLeavesTheFileAsItWas)
{
    TempFolder folder;
    const std::string file = folder.File("design.ini");
    folder.Write("design.ini", "[Main]\r\nTitle=old\r\n");
    {
        ProfileBatch batch(file);
        ASSERT_TRUE(WritePrivateProfileString("Main", "Title", "lost", file));
    }
    EXPECT_EQ(folder.Read("design.ini"), "[Main]\r\nTitle=old\r\n");
    EXPECT_EQ(EntriesIn(folder.Path()), 1u);

    // A read-only file is refused when the batch would publish.
    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    ProfileBatch batch(file);
    ASSERT_TRUE(WritePrivateProfileString("Main", "Title", "refused", file));
    EXPECT_FALSE(batch.Publish());
    EXPECT_EQ(folder.Read("design.ini"), "[Main]\r\nTitle=old\r\n");
}

TEST(ProfileBatch, NestedBatchesPublishOnceAndFailTogether)
{
    TempFolder folder;
    const std::string file = folder.File("design.ini");
    {
        ProfileBatch outer(file);
        ASSERT_TRUE(WritePrivateProfileString("Main", "A", "1", file));
        {
            ProfileBatch inner(file);
            ASSERT_TRUE(WritePrivateProfileString("Main", "B", "2", file));
            ASSERT_TRUE(inner.Publish());
        }
        EXPECT_FALSE(std::filesystem::exists(file));
        ASSERT_TRUE(outer.Publish());
    }
    EXPECT_EQ(folder.Read("design.ini"), kProfileMarkerLine + "[Main]\r\nA=1\r\nB=2\r\n");

    ProfileBatch outer(file);
    ASSERT_TRUE(WritePrivateProfileString("Main", "A", "changed", file));
    {
        ProfileBatch inner(file);   // ends unpublished: its part failed
    }
    EXPECT_FALSE(outer.Publish());
    EXPECT_EQ(folder.Read("design.ini"), kProfileMarkerLine + "[Main]\r\nA=1\r\nB=2\r\n");
}
