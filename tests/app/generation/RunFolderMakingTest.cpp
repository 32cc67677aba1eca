// The run's folder is made and held whatever the computer's clock says next to the file
// system's, and a run that cannot make or keep it leaves no folder behind and tells why.
#include "ClockAhead.h"
#include "GenerationFixture.h"
#include "app/generation/FailureMessage.h"
#include "support/OpenFilesLimit.h"

#include <cstring>

namespace fs = std::filesystem;

class RunFolderMakingTest : public OutputFolderTest {
protected:
    // The output folder's listing after a run, less the document it published.
    std::set<std::string> LeftBy(const GenerationJob& job, GenerationStatus status) const
    {
        std::set<std::string> left = Listing(m_out);
        if (status == GenerationStatus::Done) {
            EXPECT_EQ(left.erase(fs::path(job.outputFile).filename().string()), 1u);
        }
        return left;
    }
};

TEST_F(RunFolderMakingTest, TheComputersClockApartFromTheFileSystemsChangesNothing)
{
    for (const long seconds : {30L, 3600L, -30L}) {
        const auto before = Listing(m_out);
        GenerationJob job = Job();
        GenerationStatus status = GenerationStatus::Done;
        {
            const ClockAhead ahead(seconds);
            status = GenerateDiary(job);
        }
        EXPECT_EQ(status, GenerationStatus::Done) << seconds << " s: " << FailureMessage(status, job);
        EXPECT_EQ(LeftBy(job, status), before) << seconds << " s";
    }
}

// With one more descriptor allowed each time, the run fails at each of its steps in turn, then
// succeeds: whatever failed, no folder of its stays and the reason told is the system's.
TEST_F(RunFolderMakingTest, ARunShortOfDescriptorsLeavesNothingAndTellsWhy)
{
    // One whole run first: the undefined-behaviour checker looks at an object's type the first
    // time through a pipe of its own, which a run with no descriptor left would deny it.
    GenerationJob whole = Job();
    ASSERT_EQ(GenerateDiary(whole), GenerationStatus::Done);
    const auto before = Listing(m_out);
    const std::string reason = std::strerror(EMFILE);
    const rlim_t first = OpenFilesLimit::FirstFree();
    bool done = false;
    for (rlim_t spare = 0; spare < 64 && !done; ++spare) {
        GenerationJob job = Job();
        GenerationStatus status = GenerationStatus::Done;
        {
            const OpenFilesLimit limit(first + spare);
            status = GenerateDiary(job);
        }
        done = status == GenerationStatus::Done;
        EXPECT_EQ(LeftBy(job, status), before) << spare << " spare";
        if (!done) {
            EXPECT_NE(FailureMessage(status, job).find(reason), std::string::npos)
                << spare << " spare: " << FailureMessage(status, job);
        }
    }
    EXPECT_TRUE(done);
}
