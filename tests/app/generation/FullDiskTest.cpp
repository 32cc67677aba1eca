// A disk that fills up at any step of a run: the user is told that the write failed, with the
// system's reason for it, and the run leaves nothing behind.
#include "GenerationFixture.h"
#include "app/generation/FailureMessage.h"
#include "app/generation/GenerationRun.h"
#include "app/generation/RunInputs.h"
#include "platform/SystemError.h"
#include "support/FileSizeLimit.h"
#include "support/SmallDisk.h"

#include <functional>

namespace fs = std::filesystem;

class FullDiskTest : public OutputFolderTest {
protected:
    void SetUp() override
    {
        OutputFolderTest::SetUp();
        // A whole year, its calendars and planners first: they pass the part writer's chunk, so
        // the disk fills while they are written too.
        g_nMonthEnd = 12;
        g_nDayEnd = 31;
        g_yearPlanner.bYearPlanner = 1;
        g_yearPlanner.YearPlanner1Page = 1;
        g_yearPlanner.YearPlannerQuarterPlanner = 1;
        g_monthCalendar.bAddMonthOfCalendar = 1;
        for (BYTE& line : g_monthCalendar.bAddLine)
            line = 1;
    }

    // Room in steps of `fine` up to `coarseFrom` (the template text files and the skeleton's
    // parts are small), then in steps of `coarse`.
    static std::vector<size_t> Rooms(size_t fine, size_t coarseFrom, size_t coarse)
    {
        std::vector<size_t> rooms;
        for (size_t room = fine; room < coarseFrom; room += fine)
            rooms.push_back(room);
        for (size_t room = coarseFrom; room < (size_t{64} << 20); room += coarse)
            rooms.push_back(room);
        return rooms;
    }

    // Runs with each room in turn until one is done, `withRoom` giving the room around the run:
    // each that fails is told with the reason on a line of its own and leaves the output folder
    // empty. The statuses the runs failed with.
    std::set<GenerationStatus> FailuresUntilDone(const std::vector<size_t>& rooms, int reason,
                                                 const std::function<void(size_t, const std::function<void()>&)>& withRoom)
    {
        std::set<GenerationStatus> failures;
        bool done = false;
        for (size_t room : rooms) {
            withRoom(room, [&] {
                GenerationJob job = Job();
                const GenerationStatus status = GenerateDiary(job);
                done = status == GenerationStatus::Done;
                if (!done) {
                    failures.insert(status);
                    const std::string message = FailureMessage(status, job);
                    EXPECT_NE(message.find("\n" + platform::SystemErrorText(reason)), std::string::npos)
                        << room << " bytes: " << message;
                    EXPECT_TRUE(fs::is_empty(m_out)) << room << " bytes";
                }
            });
            if (done)
                break;
        }
        EXPECT_TRUE(done) << "no run was done with the most room";
        return failures;
    }
};

// A real full disk (ENOSPC): a small file system of its own as the output folder.
TEST_F(FullDiskTest, ADiskThatFillsAtAnyStepIsToldWithTheSystemsReason)
{
    if (const SmallDisk probe(m_out, 4096); !probe.Mounted())
        GTEST_SKIP() << probe.Why();
    // Steps smaller than the archive (54 KB), so one run fills the disk while it is packed.
    constexpr size_t kPage = 4096;
    const auto failures = FailuresUntilDone(Rooms(kPage, 40 * kPage, 12 * kPage), ENOSPC,
                                            [&](size_t room, const std::function<void()>& run) {
                                                const SmallDisk disk(m_out, room);
                                                ASSERT_TRUE(disk.Mounted()) << disk.Why();
                                                run();
                                            });
    EXPECT_EQ(failures, (std::set<GenerationStatus>{GenerationStatus::TemplateFilesFailed,
                                                    GenerationStatus::CopyWriteFailed, GenerationStatus::DocxFailed,
                                                    GenerationStatus::ZipFailed}));
}

// Files that may not pass a size (EFBIG), which needs no right to mount: every file of a run is
// stopped at each size in turn.
TEST_F(FullDiskTest, FilesStoppedAtAnySizeAreToldWithTheSystemsReason)
{
    const auto failures = FailuresUntilDone(Rooms(4096, 64 * 1024, 256 * 1024), EFBIG,
                                            [](size_t room, const std::function<void()>& run) {
                                                const FileSizeLimit limit(room);
                                                run();
                                            });
    EXPECT_TRUE(failures.count(GenerationStatus::DocxFailed)) << "the document part is the largest file";
}
