// Where a run's files go: a free output name, the skeleton copy, and the packed parts.
#include "GenerationFixture.h"
#include "app/generation/DocxPackage.h"
#include "app/generation/FolderCopy.h"
#include "app/generation/OutputName.h"

#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::string Output(const std::string& command)
{
    std::string text;
    FILE* pipe = ::popen(command.c_str(), "r");
    char buffer[4096];
    for (size_t n = 0; pipe != nullptr && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        text.append(buffer, n);
    if (pipe != nullptr)
        ::pclose(pipe);
    return text;
}

} // namespace

TEST_F(GenerationTest, OutputNameIsNeverOneThatExists)
{
    const std::string out = Folder().File("out");
    fs::create_directory(out);
    EXPECT_EQ(ChooseOutputFileName(out), out + "/my_diary.docx");
    Folder().Write("out/my_diary.docx", "");
    Folder().Write("out/my_diary1.docx", "");
    g_strConfigPath = "kept.ini";
    EXPECT_EQ(ChooseOutputFileName(out), out + "/my_diary2.docx");
    EXPECT_EQ(g_strConfigPath, "kept.ini");

    // A design without a file gets one, so it can be saved under a name of its own.
    // A dangling link holds its name: a save there would write wherever the link points.
    g_strConfigPath.Empty();
    Folder().Write("NewDiary1.ini", "");
    fs::create_symlink("elsewhere.ini", Folder().File("NewDiary2.ini"));
    ChooseOutputFileName(out);
    EXPECT_EQ(g_strConfigPath, Folder().File("NewDiary3.ini"));

    for (int n = 2; n <= 1000; ++n)
        Folder().Write("out/my_diary" + std::to_string(n) + ".docx", "");
    EXPECT_EQ(ChooseOutputFileName(out), "");
}

TEST_F(GenerationTest, FolderCopyTakesTheWholeTreeButHiddenFolders)
{
    fs::create_directories(Folder().File("src/a/b"));
    fs::create_directories(Folder().File("src/.git"));
    Folder().Write("src/top.txt", "top");
    Folder().Write("src/a/b/deep.xml", "<deep/>");
    Folder().Write("src/.git/config", "x");
    Folder().Write("src/.hidden", "file");
    ASSERT_EQ(CopyFolderTree(Folder().File("dst"), Folder().File("src")), FolderCopyResult::Copied);
    EXPECT_EQ(Folder().Read("dst/top.txt"), "top");
    EXPECT_EQ(Folder().Read("dst/a/b/deep.xml"), "<deep/>");
    EXPECT_EQ(Folder().Read("dst/.hidden"), "file");
    EXPECT_FALSE(fs::exists(Folder().File("dst/.git")));
    EXPECT_EQ(CopyFolderTree(Folder().File("dst2"), Folder().File("missing")), FolderCopyResult::SourceUnreadable);
    EXPECT_EQ(CopyFolderTree(Folder().File("src/top.txt/dst"), Folder().File("src")),
              FolderCopyResult::DestinationUnwritable);
}

TEST_F(GenerationTest, PackageHoldsTheThirteenPartsUnderTheirNames)
{
    const std::string docx = Folder().File("parts.docx");
    const platform::FileHandle archive = platform::CreateFileForWriting(docx.c_str());
    ASSERT_EQ(ZipDocxParts(archive, Program() + "/config/template"), DocxPacking::Packed);
    platform::CloseFileHandle(archive);
    EXPECT_EQ(Output("unzip -Z1 '" + docx + "'"),
              "[Content_Types].xml\n_rels/.rels\ndocProps/app.xml\ndocProps/core.xml\nword/document.xml\n"
              "word/fontTable.xml\nword/numbering.xml\nword/settings.xml\nword/styles.xml\nword/webSettings.xml\n"
              "word/_rels/document.xml.rels\nword/_rels/settings.xml.rels\nword/theme/theme1.xml\n");
    EXPECT_NE(Output("unzip -tq '" + docx + "'").find("No errors"), std::string::npos);

    fs::remove(Program() + "/config/template/word/styles.xml");
    const platform::FileHandle broken = platform::CreateFileForWriting(Folder().File("broken.docx").c_str());
    EXPECT_EQ(ZipDocxParts(broken, Program() + "/config/template"), DocxPacking::Failed);
    platform::CloseFileHandle(broken);
}
