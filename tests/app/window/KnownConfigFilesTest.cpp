// The list of known configuration files and the configuration path file, without windows.
#include "AppFixture.h"
#include "app/ConfigPathFile.h"
#include "app/KnownConfigFiles.h"
#include "platform/Files.h"
#include "platform/Folders.h"

namespace {

class KnownConfigFilesTest : public AppTest {
protected:
    void Store(int index, const std::string& path) const
    {
        CIniFile().WriteString(ConfigPathIni().c_str(), "Main", ("CONFIG" + std::to_string(index)).c_str(),
                               path.c_str());
    }
    std::vector<CString> Expected(std::initializer_list<std::string> names) const
    {
        std::vector<CString> paths;
        for (const std::string& name : names)
            paths.emplace_back(name.front() == '/' ? name : File(name));
        return paths;
    }
};

} // namespace

TEST_F(KnownConfigFilesTest, ProgramFolderFilesComeFirstThenStoredPathsUpToTheFirstEmptyKey)
{
    Write("b.ini", "");
    Write("a.INI", "");
    Write("notes.txt", "");
    platform::MakeFolder(File("folder.ini"));
    Write("config/elsewhere.ini", "");
    Write("config/later.ini", "");
    Store(0, File("config/elsewhere.ini"));
    Store(1, File("b.ini"));            // listed already
    Store(2, File("config/gone.ini"));  // names nothing
    Store(3, File("B.ini"));            // differs in letter case only: names nothing here either
    Store(5, File("config/later.ini")); // after the empty CONFIG4: never read
    EXPECT_EQ(ReadConfigPathList(ConfigPathIni().c_str()), Expected({"a.INI", "b.ini", "config/elsewhere.ini"}));
}

TEST_F(KnownConfigFilesTest, APathStoredTwiceOrFoundInTheFolderIsListedOnce)
{
    Write("a.ini", "");
    platform::MakeFolder(File("config/x"));
    Write("config/x/A.ini", "");
    Store(0, File("config/x/A.ini"));
    Store(1, File("a.ini"));
    Store(2, File("config/x/A.ini"));
    EXPECT_EQ(ReadConfigPathList(ConfigPathIni().c_str()), Expected({"a.ini", "config/x/A.ini"}));
}

TEST_F(KnownConfigFilesTest, WritingEmptiesEveryKeyThenStoresThePathsInOrder)
{
    for (int index = 0; index < 5; ++index)
        Store(index, "old" + std::to_string(index));
    ASSERT_TRUE(WriteConfigPathList(ConfigPathIni().c_str(), {"/x/one.ini", "/x/two.ini"}));
    EXPECT_EQ(Ini(ConfigPathIni(), "Main", "CONFIG0"), "/x/one.ini");
    EXPECT_EQ(Ini(ConfigPathIni(), "Main", "CONFIG1"), "/x/two.ini");
    EXPECT_EQ(Ini(ConfigPathIni(), "Main", "CONFIG2"), "");
    EXPECT_EQ(Ini(ConfigPathIni(), "Main", "CONFIG4"), "");
    const std::string text = Read("config/config_path.ini");
    EXPECT_NE(text.find("CONFIG199="), std::string::npos);
    EXPECT_EQ(text.find("CONFIG200"), std::string::npos);
}

TEST_F(KnownConfigFilesTest, TheFirstFreeNewDiaryNameIsProposed)
{
    EXPECT_EQ(FirstFreeConfigName(), File("NewDiary1.ini"));
    Write("NewDiary1.ini", "");
    platform::MakeFolder(File("NewDiary2.ini"));
    EXPECT_EQ(FirstFreeConfigName(), File("NewDiary3.ini"));
}

TEST_F(KnownConfigFilesTest, ABareNameIsTakenInTheProgramFolderWithItsExtension)
{
    EXPECT_EQ(ResolveConfigName("mine"), File("mine.ini"));
    EXPECT_EQ(ResolveConfigName("Mine.Ini"), File("Mine.Ini"));
    EXPECT_EQ(ResolveConfigName("/elsewhere/MINE.INI"), "/elsewhere/MINE.INI");
    EXPECT_EQ(ResolveConfigName("/elsewhere/mine"), "/elsewhere/mine.ini");
    EXPECT_EQ(ResolveConfigName("sub\\mine"), "sub\\mine.ini");
}

TEST_F(KnownConfigFilesTest, AStoredConfigurationPathCountsOnlyWhileItsFileIsThere)
{
    const std::string file = ConfigPathIni();
    EXPECT_EQ(ReadConfigPath(file.c_str()), "");
    Write("mine.ini", "");
    WriteConfigPath(file.c_str(), File("mine.ini"));
    EXPECT_EQ(ReadConfigPath(file.c_str()), File("mine.ini"));
    WriteConfigPath(file.c_str(), File("gone.ini"));
    EXPECT_EQ(ReadConfigPath(file.c_str()), "");
}

TEST_F(KnownConfigFilesTest, StartShowIsOnUnlessStoredAsZero)
{
    platform::RemoveFile(ConfigPathIni());
    ReadStartShow();
    EXPECT_EQ(g_bStartShow, 1) << "no key";
    CIniFile().WriteString(ConfigPathIni().c_str(), "Main", "StartShow", "0");
    ReadStartShow();
    EXPECT_EQ(g_bStartShow, 0);
    CIniFile().WriteString(ConfigPathIni().c_str(), "Main", "StartShow", "2");
    ReadStartShow();
    EXPECT_EQ(g_bStartShow, 1);
    g_bStartShow = 0;
    WriteStartShow();
    EXPECT_EQ(Ini(ConfigPathIni(), "Main", "StartShow"), "0");
}
