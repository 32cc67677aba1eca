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

    // A folder of the user's moved in under that name, as anyone who may write there can do.
    void MoveInUsersFolder(const std::string& name) const
    {
        fs::create_directories(Folder().File("users/pictures"));
        Folder().Write("users/pictures/photo.jpg", "a photo");
        fs::rename(Folder().File("users"), m_out + "/" + name);
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
    EXPECT_EQ(Listing(Folder().File("state/rorovavozir/run-folders")), std::set<std::string>{});
}

// A folder of the user's put under a run folder's name, one no run had or a killed run's, is no
// run's: the next run leaves it.
TEST_F(AbandonedRunFolderTest, AFolderPutUnderARunFoldersNameStays)
{
    MoveInUsersFolder(".my_diary-0badcafe");
    const std::string killed = RunFolder::Make(m_out).Name();   // let go at once, as by a killed run
    ASSERT_FALSE(killed.empty());
    fs::remove(m_out + "/" + killed);
    MoveInUsersFolder(killed);

    GenerationJob job = Job();
    ASSERT_EQ(GenerateDiary(job), GenerationStatus::Done);
    for (const std::string& name : {std::string(".my_diary-0badcafe"), killed})
        EXPECT_EQ(Folder().Read("out/" + name + "/pictures/photo.jpg"), "a photo") << name;
}

// Where the user's state has no place a run still makes its document, and the next run removes
// nothing it cannot tell is a run's.
TEST_F(AbandonedRunFolderTest, WithoutAStateToRecordInRunsWorkAndClearNothing)
{
    const ScopedEnvironmentVariable stateHome("XDG_STATE_HOME", std::nullopt), home("HOME", std::nullopt);
    ASSERT_FALSE(RunFolder::Make(m_out).Name().empty());
    auto expected = Listing(m_out);
    expected.insert("my_diary.docx");

    GenerationJob job = Job();
    ASSERT_EQ(GenerateDiary(job), GenerationStatus::Done);
    EXPECT_EQ(Listing(m_out), expected);
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
