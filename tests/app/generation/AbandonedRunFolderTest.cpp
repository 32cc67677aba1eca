// A run that is killed leaves its run folder; the next run removes it, and never the folder of a
// run that still works, in this process or another, nor anything else that looks like one.
#include "GenerationFixture.h"
#include "app/generation/GenerationRun.h"
#include "app/generation/RunFolder.h"
#include "app/generation/RunInputs.h"
#include "support/EnvironmentVariable.h"

#include <csignal>
#include <cstdio>
#include <optional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A run in a child process that stops for good once its document parts are written, its run
// folder then holding everything a run makes but the archive.
class ChildRun {
public:
    explicit ChildRun(GenerationJob job)
    {
        int pipe[2];
        if (::pipe(pipe) != 0)
            return;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(pipe[0]);
            ::alarm(60);   // never outlives a test that lost track of it
            GenerateDiary(job, [&](GenerationPhase phase) {
                if (phase != GenerationPhase::CreateDocx)
                    return;
                const std::string name = fs::path(job.runFolder).filename().string();
                if (::write(pipe[1], name.data(), name.size()) == static_cast<ssize_t>(name.size()))
                    ::close(pipe[1]);
                for (;;)
                    ::pause();
            });
            ::_exit(1);
        }
        ::close(pipe[1]);
        char buffer[64];
        for (ssize_t n; (n = ::read(pipe[0], buffer, sizeof buffer)) > 0;)
            m_runFolder.append(buffer, static_cast<size_t>(n));
        ::close(pipe[0]);
    }
    ~ChildRun() { Kill(); }
    ChildRun(const ChildRun&) = delete;
    ChildRun& operator=(const ChildRun&) = delete;

    // The name of its run folder; empty when the run did not get that far.
    const std::string& RunFolder() const { return m_runFolder; }

    void Kill()
    {
        if (m_pid <= 0)
            return;
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
        m_pid = 0;
    }

private:
    pid_t m_pid = 0;
    std::string m_runFolder;
};

} // namespace

class AbandonedRunFolderTest : public OutputFolderTest {
protected:
    void SetUp() override
    {
        OutputFolderTest::SetUp();
        Folder().Write("out/notes.txt", "the user's");
        m_stateHome.emplace("XDG_STATE_HOME", Folder().File("state"));
    }
    void TearDown() override
    {
        m_stateHome.reset();
        OutputFolderTest::TearDown();
    }

    // The run folders' records in the user's state.
    std::set<std::string> Records() const
    {
        const std::string records = Folder().File("state/rorovavozir/run-folders");
        return fs::exists(records) ? Listing(records) : std::set<std::string>{};
    }

    // A folder of the user's, with a file and a folder in it, moved into the output folder under
    // that name, as someone who may write there can do.
    void MoveInUsersFolder(const std::string& name, fs::perms mode) const
    {
        const std::string users = Folder().File("users");
        fs::create_directories(users + "/pictures");
        Folder().Write("users/pictures/photo.jpg", "a photo");
        fs::permissions(users, mode);
        fs::rename(users, m_out + "/" + name);
    }

private:
    std::optional<ScopedEnvironmentVariable> m_stateHome;
};

TEST_F(AbandonedRunFolderTest, TheNextRunRemovesAKilledRunsFolderButNoneWhoseRunStillWorks)
{
    const auto before = Listing(m_out);
    ChildRun killed(Job());
    ChildRun working(Job());
    ASSERT_FALSE(killed.RunFolder().empty());
    ASSERT_FALSE(working.RunFolder().empty());
    killed.Kill();
    const std::string left = m_out + "/" + killed.RunFolder();
    ASSERT_TRUE(fs::exists(left + "/my_diary/word/document.xml"));
    GenerationJob waiting = Job();   // prepared in this process, its work not begun
    ASSERT_EQ(PrepareGeneration(waiting), GenerationStatus::Done);

    GenerationJob next = Job();
    ASSERT_EQ(GenerateDiary(next), GenerationStatus::Done);
    EXPECT_FALSE(fs::exists(fs::symlink_status(left)));
    EXPECT_TRUE(fs::exists(m_out + "/" + working.RunFolder() + "/my_diary/word/document.xml"));
    EXPECT_EQ(GenerateDocx(waiting), GenerationStatus::Done);

    working.Kill();
    GenerationJob last = Job();
    ASSERT_EQ(GenerateDiary(last), GenerationStatus::Done);
    auto after = before;
    after.insert({"my_diary.docx", "my_diary1.docx", "my_diary2.docx"});
    EXPECT_EQ(Listing(m_out), after);
    EXPECT_EQ(Records(), std::set<std::string>{});
}

// A left folder's record goes with it as the next run folder is made, as does one whose folder
// the user removed by hand; a held folder keeps its record until its run removes it.
TEST_F(AbandonedRunFolderTest, ARecordLastsAsLongAsItsFolder)
{
    const auto before = Listing(m_out);
    const std::string left = RunFolder::Make(m_out).Name();   // let go at once, as by a killed run
    ASSERT_FALSE(left.empty());
    Folder().Write("out/" + left + "/part.xml", "<a/>");
    EXPECT_EQ(Records().size(), 1u);

    const std::string removedByHand = RunFolder::Make(m_out).Name();
    ASSERT_FALSE(removedByHand.empty());
    EXPECT_FALSE(fs::exists(m_out + "/" + left));
    EXPECT_EQ(Records().size(), 1u);
    fs::remove(m_out + "/" + removedByHand);

    RunFolder held = RunFolder::Make(m_out);
    ASSERT_FALSE(held.Name().empty());
    EXPECT_EQ(Records().size(), 1u);
    GenerationJob job = Job();
    ASSERT_EQ(GenerateDiary(job), GenerationStatus::Done);
    auto expected = before;
    expected.insert({"my_diary.docx", held.Name()});
    EXPECT_EQ(Listing(m_out), expected);
    EXPECT_EQ(Records().size(), 1u);

    const std::string heldName = held.Name();
    held.Remove();
    EXPECT_EQ(Records(), std::set<std::string>{});
    EXPECT_FALSE(fs::exists(m_out + "/" + heldName));
}

// A folder of the user's renamed in under a run folder's name by someone who may write into the
// output folder (group-writable, no sticky bit) is no run's, whatever its mode and content.
TEST_F(AbandonedRunFolderTest, AFolderRenamedInUnderARunFoldersNameStays)
{
    fs::permissions(m_out, fs::perms::owner_all | fs::perms::group_all | fs::perms::others_read |
                               fs::perms::others_exec);
    const struct {
        const char* name;
        fs::perms mode;
    } cases[] = {
        {".my_diary-0badcafe", fs::perms::owner_all},
        {".my_diary-0000beef", fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec},
        {".my_diary-0000cafe", fs::perms::all},
    };
    for (const auto& c : cases)
        MoveInUsersFolder(c.name, c.mode);
    fs::create_directory(m_out + "/.my_diary-00000000", m_out);   // an empty one, made there
    const auto expected = [&] {
        auto listing = Listing(m_out);
        listing.insert("my_diary.docx");
        return listing;
    }();

    GenerationJob job = Job();
    ASSERT_EQ(GenerateDiary(job), GenerationStatus::Done);
    EXPECT_EQ(Listing(m_out), expected);
    for (const auto& c : cases)
        EXPECT_EQ(Folder().Read("out/" + std::string(c.name) + "/pictures/photo.jpg"), "a photo") << c.name;
}

// A folder of the user's put in a run folder's place while that run works stays through the run
// and through the next one.
TEST_F(AbandonedRunFolderTest, AFolderPutInARunFoldersPlaceStaysThroughTheNextRun)
{
    std::string name;
    GenerationJob swapped = Job();
    EXPECT_EQ(GenerateDiary(swapped,
                            [&](GenerationPhase phase) {
                                if (phase != GenerationPhase::Prepare)
                                    return;
                                name = fs::path(swapped.runFolder).filename().string();
                                fs::rename(swapped.runFolder, Folder().File("moved"));
                                MoveInUsersFolder(name, fs::perms::owner_all);
                            }),
              GenerationStatus::RunFolderChanged);
    ASSERT_FALSE(name.empty());
    EXPECT_FALSE(fs::exists(Folder().File("moved")));

    GenerationJob next = Job();
    ASSERT_EQ(GenerateDiary(next), GenerationStatus::Done);
    EXPECT_EQ(Folder().Read("out/" + name + "/pictures/photo.jpg"), "a photo");
}

// Where the user's state cannot be written a run still makes its document and removes its own
// folder, and the next run removes nothing it cannot tell is a run's.
TEST_F(AbandonedRunFolderTest, WithoutAStateToRecordInRunsWorkAndClearNothing)
{
    Folder().Write("state-file", "");
    fs::create_directory(Folder().File("read-only"));
    fs::permissions(Folder().File("read-only"), fs::perms::owner_read | fs::perms::owner_exec);
    const struct {
        std::optional<std::string> stateHome;
        std::optional<std::string> home;
        const char* why;
    } cases[] = {
        {std::nullopt, std::nullopt, "no home"},
        {"relative/state", std::nullopt, "a state home that is no absolute path, and no home"},
        {Folder().File("state-file"), std::nullopt, "a file in the state home's place"},
        {Folder().File("read-only"), std::nullopt, "a state home that cannot be written"},
    };
    for (const auto& c : cases) {
        if (::geteuid() == 0 && c.stateHome == Folder().File("read-only"))
            continue;   // root writes there all the same
        const ScopedEnvironmentVariable stateHome("XDG_STATE_HOME", c.stateHome);
        const ScopedEnvironmentVariable home("HOME", c.home);
        const auto before = Listing(m_out);
        const std::string left = RunFolder::Make(m_out).Name();
        ASSERT_FALSE(left.empty()) << c.why;

        GenerationJob job = Job();
        ASSERT_EQ(GenerateDiary(job), GenerationStatus::Done) << c.why;
        auto expected = before;
        expected.insert({left, "my_diary.docx"});
        EXPECT_EQ(Listing(m_out), expected) << c.why;
        fs::remove(m_out + "/" + left);
        fs::remove(m_out + "/my_diary.docx");
    }
}

// Only folders of the run folders' own naming that the user owns are a gone run's: a file or a
// link of such a name, a folder of another user's or of a name that is near but not the same
// stays, and so does what a link leads to.
TEST_F(AbandonedRunFolderTest, WhatIsNoGoneRunsFolderStays)
{
    const std::string user = Folder().File("user");
    fs::create_directory(user);
    Folder().Write("user/kept.txt", "kept");
    for (const char* name : {".my_diary-1234567", ".my_diary-1234567G", ".my_diary-123456789", "my_diary-12345678",
                             ".my_diary-", ".other-12345678"}) {
        fs::create_directory(m_out + "/" + name);
        Folder().Write("out/" + std::string(name) + "/part.xml", "<a/>");
    }
    Folder().Write("out/.my_diary-0000000f", "a file");
    fs::create_directory_symlink(user, m_out + "/.my_diary-000000ff");
    if (::geteuid() == 0) {
        fs::create_directory(m_out + "/.my_diary-00000fff");
        Folder().Write("out/.my_diary-00000fff/part.xml", "<a/>");
        ASSERT_EQ(::chown((m_out + "/.my_diary-00000fff").c_str(), 65534, 65534), 0);
    } else {
        std::printf("A folder of another user's is not tried: only root can give one away here.\n");
    }
    auto expected = Listing(m_out);

    GenerationJob job = Job();
    ASSERT_EQ(GenerateDiary(job), GenerationStatus::Done);
    expected.insert("my_diary.docx");
    EXPECT_EQ(Listing(m_out), expected);
    EXPECT_EQ(Folder().Read("user/kept.txt"), "kept");
}
