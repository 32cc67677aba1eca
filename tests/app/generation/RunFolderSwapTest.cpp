// Someone who may write into the output folder swaps a link in for the run folder, or a folder in
// it, at each step of a run, towards a decoy whose files are links to a private file of the
// user's; or the output folder is renamed. No step reads or writes through the swap, and the user
// is told what happened.
#include "GenerationFixture.h"
#include "app/generation/FailureMessage.h"
#include "app/generation/GenerationRun.h"
#include "app/generation/RunInputs.h"

#include <filesystem>
#include <set>

namespace fs = std::filesystem;

namespace {

// The folder's tree again under decoy, each file a link to the private file.
void MakeDecoy(const std::string& from, const std::string& decoy, const std::string& privateFile)
{
    fs::create_directories(decoy);
    for (const auto& entry : fs::recursive_directory_iterator(from)) {
        const fs::path there = decoy / fs::relative(entry.path(), from);
        if (entry.is_directory())
            fs::create_directories(there);
        else
            fs::create_symlink(privateFile, there);
    }
}

} // namespace

class RunFolderSwapTest : public OutputFolderTest {
protected:
    std::string Told(const char* text) const
    {
        std::string message = text;
        return message.replace(message.find("%s"), 2, m_out);
    }
};

TEST_F(RunFolderSwapTest, ALinkSwappedInAtAnyStepIsNeverFollowedAndIsTold)
{
    const std::string privateFile = Folder().File("private.txt");
    Folder().Write("private.txt", "the user's secret");
    fs::permissions(privateFile, fs::perms::owner_read | fs::perms::owner_write);
    const std::string decoy = Folder().File("decoy");
    const std::string moved = Folder().File("moved");
    const std::string skeleton = Program() + "/config/template";
    struct Case {
        GenerationPhase after;
        const char* swapped;   // below the run folder; "" for the run folder itself
        const char* why;
    };
    const Case cases[] = {
        {GenerationPhase::Prepare, "", "the run folder, before the skeleton's copy"},
        {GenerationPhase::Prepare, "/config", "the template text files' folder"},
        {GenerationPhase::Prepare, "/my_diary", "the copy's folder, before it is made"},
        {GenerationPhase::Copy, "", "the run folder, before the generator"},
        {GenerationPhase::Copy, "/my_diary/word", "the parts' folder, before the generator"},
        {GenerationPhase::CreateDocx, "", "the run folder, before the packing"},
        {GenerationPhase::CreateDocx, "/my_diary", "the copy's folder, before the packing"},
    };
    const auto before = Listing(m_out);
    for (const Case& c : cases) {
        GenerationJob job = Job();
        std::set<std::string> decoyListing;
        const GenerationStatus status = GenerateDiary(job, [&](GenerationPhase phase) {
            if (phase != c.after)
                return;
            const std::string place = job.runFolder + c.swapped;
            if (fs::exists(place)) {
                MakeDecoy(place, decoy, privateFile);
                fs::rename(place, moved);
            } else {
                MakeDecoy(skeleton, decoy, privateFile);
            }
            decoyListing = Listing(decoy);
            fs::create_directory_symlink(decoy, place);
        });
        const std::string message = FailureMessage(status, job);
        EXPECT_EQ(message.substr(0, message.find('\n')),
                  Told("输出路径 '%s' 里本次生成用的文件夹在生成时被移走、替换或放进了链接，没有生成文档。"))
            << c.why;
        EXPECT_EQ(Folder().Read("private.txt"), "the user's secret") << c.why;
        EXPECT_EQ(Listing(decoy), decoyListing) << c.why;
        EXPECT_EQ(Listing(m_out), before) << c.why;
        fs::remove_all(decoy);
        fs::remove_all(moved);
    }
}

// The output folder is renamed, or renamed and another put in its place, after the skeleton's copy
// or after the generator: the user is told that of the output folder, never that the skeleton is
// broken.
TEST_F(RunFolderSwapTest, AnOutputFolderRenamedDuringTheRunIsToldAsSuch)
{
    const std::string renamed = m_out + "-renamed";
    for (const GenerationPhase after : {GenerationPhase::Copy, GenerationPhase::CreateDocx}) {
        for (const bool replaced : {false, true}) {
            GenerationJob job = Job();
            const GenerationStatus status = GenerateDiary(job, [&](GenerationPhase phase) {
                if (phase != after)
                    return;
                fs::rename(m_out, renamed);
                if (replaced)
                    fs::create_directory(m_out);
            });
            EXPECT_EQ(FailureMessage(status, job), Told("输出路径 '%s' 在生成时被改名、移走或替换，没有生成文档。"))
                << static_cast<int>(after) << replaced;
            EXPECT_TRUE(fs::is_empty(renamed));
            fs::remove_all(m_out);
            fs::rename(renamed, m_out);
        }
    }
}
