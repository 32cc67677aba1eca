// A whole run: the .docx lands under a free name and nothing else stays behind; a run that
// fails leaves no .docx, removes its own folder and touches no file or folder of the user's.
#include "GenerationFixture.h"
#include "app/generation/FailureMessage.h"
#include "app/generation/GenerationRun.h"
#include "app/generation/RunInputs.h"
#include "support/FileSizeLimit.h"
#include "support/RepeatedText.h"
#include "support/Utf16Bytes.h"

#include <filesystem>
#include <set>

namespace fs = std::filesystem;

class GenerationRunTest : public OutputFolderTest {
protected:
    void SetUp() override
    {
        OutputFolderTest::SetUp();
        // Folders of the user's that happen to bear the names of the run's working folders.
        fs::create_directories(m_out + "/my_diary/word");
        Folder().Write("out/my_diary/word/mine.txt", "mine");
        fs::create_directories(m_out + "/config");
        Folder().Write("out/config/date_template.txt", "mine");
    }

    // The document part the worker writes for a prepared job, read before the archive takes it.
    std::string DocumentPartOf(GenerationJob& job)
    {
        std::string body;
        EXPECT_EQ(GenerateDocx(job,
                               [&](GenerationPhase phase) {
                                   if (phase == GenerationPhase::CreateDocx)
                                       body = Folder().Read("out/" + fs::path(job.runFolder).filename().string() +
                                                            "/my_diary/word/document.xml");
                               }),
                  GenerationStatus::Done);
        return body;
    }
};

TEST_F(GenerationRunTest, FinishedRunLeavesOnlyTheDocument)
{
    const auto before = Listing(m_out);
    GenerationJob job = Job();
    std::vector<GenerationPhase> phases;
    ASSERT_EQ(GenerateDiary(job, [&](GenerationPhase phase) { phases.push_back(phase); }), GenerationStatus::Done);
    EXPECT_EQ(job.outputFile, m_out + "/my_diary.docx");
    EXPECT_EQ(phases, (std::vector<GenerationPhase>{GenerationPhase::Prepare, GenerationPhase::Copy,
                                                    GenerationPhase::CreateDocx, GenerationPhase::Zip,
                                                    GenerationPhase::CleanUp}));
    auto after = before;
    after.insert("my_diary.docx");
    EXPECT_EQ(Listing(m_out), after);
    EXPECT_EQ(Folder().Read("out/my_diary/word/mine.txt"), "mine");
    EXPECT_EQ(Folder().Read("out/config/date_template.txt"), "mine");
    EXPECT_GT(fs::file_size(job.outputFile), 10000u);

    GenerationJob second = Job();
    ASSERT_EQ(GenerateDiary(second), GenerationStatus::Done);
    EXPECT_EQ(second.outputFile, m_out + "/my_diary1.docx");
}

TEST_F(GenerationRunTest, FailedRunsLeaveNoDocumentAndNoWorkFiles)
{
    const auto before = Listing(m_out);
    const std::string skeleton = Program() + "/config/template";
    const auto expectFailure = [&](GenerationStatus expected, const char* why) {
        GenerationJob job = Job();
        EXPECT_EQ(GenerateDiary(job), expected) << why;
        EXPECT_EQ(Listing(m_out), before) << why;
        return job;
    };

    const std::string document = Folder().Read("config/template/word/document.xml");
    // Well-formed, but without the body the generator writes into.
    std::string bodiless = document;
    for (const std::string tag : {"</w:body>", "<w:body>"})
        bodiless.erase(bodiless.find(tag), tag.size());
    Folder().Write("config/template/word/document.xml", bodiless);
    EXPECT_EQ(expectFailure(GenerationStatus::DocxFailed, "document part without its body").docxStatus,
              DocxRunStatus::BrokenPart);
    Folder().Write("config/template/word/document.xml", document);
    fs::remove(skeleton + "/word/numbering_item_number.xml");
    EXPECT_EQ(expectFailure(GenerationStatus::DocxFailed, "numbering fragment missing").docxStatus,
              DocxRunStatus::MissingPart);
    Folder().Write("config/template/word/numbering_item_number.xml", "");
    const std::pair<const char*, const char*> brokenParts[] = {
        {"word/styles.xml", ""}, {"docProps/core.xml", " \r\n"}, {"word/fontTable.xml", "PK\x03\x04"}};
    for (const auto& [part, bytes] : brokenParts) {
        const std::string kept = Folder().Read("config/template/" + std::string(part));
        Folder().Write("config/template/" + std::string(part), bytes);
        expectFailure(GenerationStatus::SkeletonBroken, part);
        Folder().Write("config/template/" + std::string(part), kept);
    }
    fs::remove(skeleton + "/docProps/app.xml");
    expectFailure(GenerationStatus::SkeletonBroken, "a part the package needs is missing");
    fs::remove_all(skeleton);
    expectFailure(GenerationStatus::CopyFailed, "no skeleton package");

    GenerationJob job = Job();
    job.outFolder = Folder().File("no/such/folder");
    EXPECT_EQ(GenerateDiary(job), GenerationStatus::NoRunFolder);
    EXPECT_FALSE(fs::exists(job.outFolder));
}

TEST_F(GenerationRunTest, StoppedRunPublishesNothingAndLeavesNoWorkFiles)
{
    const auto before = Listing(m_out);
    for (int phasesBeforeStop = 0; phasesBeforeStop < 3; ++phasesBeforeStop) {
        GenerationJob job = Job();
        int asked = 0;
        job.stopRequested = [&] { return asked++ == phasesBeforeStop; };
        EXPECT_EQ(GenerateDiary(job), GenerationStatus::Stopped) << phasesBeforeStop;
        EXPECT_EQ(Listing(m_out), before) << phasesBeforeStop;
    }
}

TEST_F(GenerationRunTest, NameTakenWhileTheRunWorkedIsNeverReplaced)
{
    GenerationJob job = Job();
    ASSERT_EQ(PrepareGeneration(job), GenerationStatus::Done);
    ASSERT_EQ(job.outputFile, m_out + "/my_diary.docx");
    Folder().Write("out/my_diary.docx", "the user's");
    ASSERT_EQ(GenerateDocx(job), GenerationStatus::Done);
    EXPECT_EQ(job.outputFile, m_out + "/my_diary1.docx");
    EXPECT_EQ(Folder().Read("out/my_diary.docx"), "the user's");
}

// A symbolic link whose target is gone holds its name: the run takes the next one and leaves the
// link as it is.
TEST_F(GenerationRunTest, DanglingLinkHoldsItsNameAndTheRunTakesTheNext)
{
    fs::create_symlink("gone.docx", m_out + "/my_diary.docx");
    GenerationJob job = Job();
    ASSERT_EQ(GenerateDiary(job), GenerationStatus::Done);
    EXPECT_EQ(job.outputFile, m_out + "/my_diary1.docx");
    EXPECT_TRUE(fs::is_symlink(m_out + "/my_diary.docx"));
    EXPECT_FALSE(fs::exists(m_out + "/gone.docx"));
}

// The settings may change once the job is taken (the window is usable again after the progress
// window's OK): the run writes what the job holds.
TEST_F(GenerationRunTest, SettingsChangedAfterTheJobIsTakenDoNotReachTheDocument)
{
    g_yearPlanner.bYearPlanner = 1;
    g_monthCalendar.bAddMonthOfCalendar = 1;
    const auto bodyOf = [&](bool scramble) {
        GenerationJob job = Job();
        EXPECT_EQ(PrepareGeneration(job), GenerationStatus::Done);
        if (scramble) {
            g_nMonthStart = 3;
            g_nDayStart = 15;
            g_nMonthEnd = 9;
            g_nDayEnd = 2;
            for (BYTE& weekday : g_abUncheckedWeek)
                weekday = 0;
        }
        return DocumentPartOf(job);
    };
    const std::string plain = bodyOf(false);
    ASSERT_NE(plain.find("BOOKMARK_Date007"), std::string::npos);
    EXPECT_EQ(bodyOf(true), plain);
}

namespace {

// A heading format at the generator's bound, in bytes as stored (two a Chinese character), and
// where the design holds it.
struct HeadingLength {
    const char* why;
    void (*use)(const std::string& format);
    std::string atTheBound;   // the format; one byte more is past the bound
    std::string january;      // its text for January, as the document holds it
    GenerationStatus refused;
    const char* told;
};

class HeadingLengths : public GenerationRunTest, public testing::WithParamInterface<HeadingLength> {};

const std::string kMonthAtTheBound = "%Y年%m月 " + Repeated("汉", 69) + "-";   // 150 bytes
const std::string kJanuaryAtTheBound = "2026年01月 " + Repeated("汉", 69) + "-";

} // namespace

// A run whose headings a bound would leave out writes nothing and says why; at the bound the
// headings are there whole.
TEST_P(HeadingLengths, PastTheGeneratorsBoundWriteNothing)
{
    const HeadingLength& heading = GetParam();
    const auto before = Listing(m_out);
    heading.use(heading.atTheBound + "x");
    GenerationJob refused = Job();
    EXPECT_EQ(GenerateDiary(refused), heading.refused);
    EXPECT_EQ(Listing(m_out), before);
    EXPECT_EQ(FailureMessage(heading.refused, refused), heading.told);

    heading.use(heading.atTheBound);
    GenerationJob job = Job();
    ASSERT_EQ(PrepareGeneration(job), GenerationStatus::Done);
    EXPECT_NE(DocumentPartOf(job).find(heading.january), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    GenerationRun, HeadingLengths,
    testing::Values(
        HeadingLength{"month headings", [](const std::string& format) { g_strMonthFormat = format; },
                      kMonthAtTheBound, kJanuaryAtTheBound, GenerationStatus::MonthLabelTooLong,
                      "月份格式写出的月份标题超过了 150 字节的上限（75 个汉字，一个字母或数字算 1 字节），"
                      "文档里的月份标题会是空的，没有生成文档。\n请在“设置模板的日期”里缩短月份格式。"},
        HeadingLength{"the one-page planner",
                      [](const std::string& format) {
                          g_bConfigYearPlanner = 1;
                          g_yearPlanner.YearPlanner1Page = 1;
                          g_yearPlanner.MonthFormat_For1PageYearPlanner = format;
                      },
                      kMonthAtTheBound, kJanuaryAtTheBound, GenerationStatus::PlannerLabelTooLong,
                      "一页年计划表的月份格式写出的月份标题超过了 150 字节的上限（75 个汉字，一个字母或数字算 1 字节），"
                      "文档里的月份标题会是空的，没有生成文档。\n请在“年计划表设置”里缩短它。"},
        HeadingLength{"date headings", [](const std::string& format) { g_strDayFormat = format; },
                      "%Y-%m-%d " + Repeated("汉", 244) + "x", "2026-01-01 " + Repeated("汉", 244) + "x",
                      GenerationStatus::DateTooLong,
                      "日期格式写出的日期超过了 500 字节的上限（250 个汉字，一个字母或数字算 1 字节），"
                      "文档里的日期会是空的，没有生成文档。\n请在“设置模板的日期”里选一个短一些的日期格式。"}));

TEST_F(GenerationRunTest, ARangeWithoutADiaryDayWritesNothing)
{
    const auto before = Listing(m_out);
    const auto expectNoDay = [&](const char* why) {
        GenerationJob job = Job();
        EXPECT_EQ(GenerateDiary(job), GenerationStatus::NoDiaryDay) << why;
        EXPECT_EQ(Listing(m_out), before) << why;
    };
    g_nMonthStart = g_nMonthEnd = g_nDayStart = g_nDayEnd = 0;
    expectNoDay("no range set");
    g_nMonthStart = g_nMonthEnd = 1;
    g_nDayStart = 3;   // Saturday 3 and Sunday 4 January 2026
    g_nDayEnd = 4;
    g_abUncheckedWeek[0] = g_abUncheckedWeek[6] = 0;
    expectNoDay("only unticked weekdays");
    g_abUncheckedWeek[6] = 1;
    GenerationJob job = Job();
    EXPECT_EQ(GenerateDiary(job), GenerationStatus::Done);
}

// The year is taken with the job: a run whose work starts after midnight of 31 December still
// makes every part for the year it was taken in, so the days, the calendars, the quarter headings
// and the links of a leap year that follows agree.
TEST_F(GenerationRunTest, ARunAcrossNewYearMakesEveryPartForTheYearItWasTakenIn)
{
    const auto noon = [](int year, int month, int day) {
        return static_cast<std::time_t>(civil::DaysFromCivil(year, month, day)) * 86400 + 12 * 3600;
    };
    g_nMonthEnd = 12;
    g_nDayEnd = 31;
    g_strMonthFormat = "%B %Y";
    g_bMonthUpper = 0;
    g_strDayFormat = "%Y-%m-%d";
    platform::SetFixedClock(noon(2027, 12, 31));
    GenerationJob job = Job();
    ASSERT_EQ(PrepareGeneration(job), GenerationStatus::Done);
    platform::SetFixedClock(noon(2028, 1, 1));   // 2028 has a 29 February
    const std::string body = DocumentPartOf(job);

    // 365 days, each heading and each calendar cell in a bookmark of the same number.
    for (const char* name : {"BOOKMARK_Date", "BOOKMARK_Calendar"}) {
        EXPECT_NE(body.find(std::string("w:name=\"") + name + "365\""), std::string::npos) << name;
        EXPECT_EQ(body.find(std::string("w:name=\"") + name + "366\""), std::string::npos) << name;
    }
    EXPECT_NE(body.find("w:id=\"367\" w:name=\"BOOKMARK_Date001\""), std::string::npos);
    EXPECT_NE(body.find("2027-12-31"), std::string::npos);
    EXPECT_NE(body.find("January 2027"), std::string::npos);
    EXPECT_EQ(body.find("2028"), std::string::npos);
    // Quarter 2 begins with 1 April, not a day later.
    const size_t quarter2 = body.find("季度:2");
    ASSERT_NE(quarter2, std::string::npos);
    EXPECT_LT(body.find("2027-03-31"), quarter2);
    EXPECT_GT(body.find("2027-04-01"), quarter2);
}

// Every day of a leap year takes the motto of its number from a file of more lines than that,
// as it did when the run held the whole file; the loop never starts over.
TEST_F(GenerationRunTest, EachDayOfALeapYearTakesItsOwnMottoFromALongFile)
{
    platform::SetFixedClock(static_cast<std::time_t>(civil::DaysFromCivil(2028, 3, 1)) * 86400);
    g_nMonthStart = 1;
    g_nDayStart = 1;
    g_nMonthEnd = 12;
    g_nDayEnd = 31;
    std::string file;
    for (int n = 1; n <= 1000; ++n)
        file += "motto " + std::to_string(n) + "\r\n";
    Folder().Write("motto.txt", file);
    g_bAddTextPerDay = 1;
    g_addText.FileName = Folder().File("motto.txt");
    g_addText.LOOP = 1;

    GenerationJob job = Job();
    ASSERT_EQ(PrepareGeneration(job), GenerationStatus::Done);
    const std::string body = DocumentPartOf(job);
    std::vector<std::string> mottos;
    const std::string start = "<w:t>motto ";
    for (size_t at = body.find(start); at != std::string::npos; at = body.find(start, at + 1)) {
        const size_t text = at + start.size() - 6;
        mottos.push_back(body.substr(text, body.find('<', text) - text));
    }
    ASSERT_EQ(mottos.size(), 366u);
    for (int day = 1; day <= 366; ++day)
        EXPECT_EQ(mottos[static_cast<size_t>(day - 1)], "motto " + std::to_string(day));
}

// A motto file a Windows editor saved as "Unicode" gives the days its mottos as written.
TEST_F(GenerationRunTest, AMottoFileInUtf16GivesTheDaysItsText)
{
    g_bAddTextPerDay = 1;
    g_addText.FileName = Folder().File("motto.txt");
    for (const bool bigEndian : {false, true}) {
        SCOPED_TRACE(bigEndian ? "big-endian" : "little-endian");
        Folder().Write("motto.txt", Utf16Bytes("天道酬勤\r\n上善若水 😀\r\n", bigEndian));
        GenerationJob job = Job();
        ASSERT_EQ(PrepareGeneration(job), GenerationStatus::Done);
        const std::string body = DocumentPartOf(job);
        const size_t first = body.find("<w:t>天道酬勤</w:t>");
        const size_t second = body.find("<w:t>上善若水 😀</w:t>");
        ASSERT_NE(second, std::string::npos);
        EXPECT_LT(first, second);
    }
}

// A disk that fills up during the run is told as the write that failed, with the system's
// reason: never as a broken skeleton package.
TEST_F(GenerationRunTest, AFullDiskIsAFailedWriteWithTheSystemsReason)
{
    const auto before = Listing(m_out);
    struct Case {
        rlim_t room;   // the largest file the disk still takes
        GenerationStatus expected;
        const char* why;
    };
    const Case cases[] = {
        {100, GenerationStatus::TemplateFilesFailed, "the template text files"},
        {4096, GenerationStatus::CopyWriteFailed, "the skeleton's copy (a part of 6 KB)"},
        {8192, GenerationStatus::DocxFailed, "the document part"},
    };
    for (const Case& c : cases) {
        GenerationJob job = Job();
        {
            FileSizeLimit full(c.room);
            EXPECT_EQ(GenerateDiary(job), c.expected) << c.why;
        }
        EXPECT_EQ(job.systemError, EFBIG) << c.why;
        EXPECT_EQ(Listing(m_out), before) << c.why;
    }
}

// Another program takes the last free names while the run works: the run says that every name
// is taken, as it would have said at its start.
TEST_F(GenerationRunTest, ARunThatLosesTheLastFreeNamesSaysEveryNameIsTaken)
{
    GenerationJob job = Job();
    ASSERT_EQ(PrepareGeneration(job), GenerationStatus::Done);
    Folder().Write("out/my_diary.docx", "");
    for (int n = 1; n <= 1000; ++n)
        Folder().Write("out/my_diary" + std::to_string(n) + ".docx", "");
    EXPECT_EQ(GenerateDocx(job), GenerationStatus::NoOutputName);
    EXPECT_EQ(Folder().Read("out/my_diary.docx"), "");
}

// Someone who can write into the output folder puts a link to a folder of the user's in place of
// the run folder, or of a folder in it, while the run works: the archive is not written through
// the link (over the user's file of its name), the clean-up removes the link as a link, follows
// no link, and removes the run folder wherever it was moved to.
TEST_F(GenerationRunTest, ALinkPutInPlaceOfTheRunFolderOrBelowIsRemovedAsALink)
{
    const auto before = Listing(m_out);
    const std::string user = Folder().File("user");
    fs::create_directories(user + "/sub");
    Folder().Write("user/a.txt", "a");
    Folder().Write("user/sub/b.txt", "b");
    Folder().Write("user/my_diary.docx", "a diary written in");   // the name of the run's archive
    const std::string moved = Folder().File("moved");
    struct Case {
        const char* inRunFolder;   // the folder the link takes the place of
        const char* why;
    };
    for (const Case& c : {Case{"", "the run folder"}, Case{"/my_diary/word", "a folder in it"}}) {
        GenerationJob job = Job();
        std::string link;
        const GenerationStatus status = GenerateDiary(job, [&](GenerationPhase phase) {
            if (phase != GenerationPhase::CreateDocx)
                return;
            link = job.runFolder + c.inRunFolder;
            fs::rename(link, moved);
            fs::create_directory_symlink(user, link);
        });
        EXPECT_NE(status, GenerationStatus::Done) << c.why;
        EXPECT_FALSE(fs::exists(fs::symlink_status(link))) << c.why;
        EXPECT_EQ(Listing(user), (std::set<std::string>{"a.txt", "my_diary.docx", "sub", "sub/b.txt"})) << c.why;
        EXPECT_EQ(Folder().Read("user/sub/b.txt"), "b") << c.why;
        EXPECT_EQ(Folder().Read("user/my_diary.docx"), "a diary written in") << c.why;
        EXPECT_EQ(Listing(m_out), before) << c.why;
        fs::remove_all(moved);
    }
}

// The output folder is renamed, or renamed and replaced by another, while the run works: the run
// fails and removes its folder from where the output folder went, touching nothing else.
TEST_F(GenerationRunTest, ARunWhoseOutputFolderIsMovedRemovesItsFolderThere)
{
    const auto before = Listing(m_out);
    const std::string moved = m_out + "-moved";
    for (const bool replaced : {false, true}) {
        GenerationJob job = Job();
        const GenerationStatus status = GenerateDiary(job, [&](GenerationPhase phase) {
            if (phase != GenerationPhase::Copy)
                return;
            fs::rename(m_out, moved);
            if (replaced) {
                fs::create_directory(m_out);
                Folder().Write("out/new.txt", "new");
            }
        });
        EXPECT_NE(status, GenerationStatus::Done) << replaced;
        EXPECT_EQ(Listing(moved), before) << replaced;
        if (replaced) {
            EXPECT_EQ(Listing(m_out), std::set<std::string>{"new.txt"});
        }
        fs::remove_all(m_out);
        fs::rename(moved, m_out);
    }
}

// A document part past the 32 bits of the zip records (a year of 16 MiB mottos) cannot go into a
// .docx: the user is told so. A sparse part stands in for one written out.
TEST_F(GenerationRunTest, ADocumentPartPastFourGiBIsToldAsLargerThanADocxHolds)
{
    const auto before = Listing(m_out);
    GenerationJob job = Job();
    const GenerationStatus status = GenerateDiary(job, [&](GenerationPhase phase) {
        if (phase == GenerationPhase::CreateDocx)
            fs::resize_file(job.runFolder + "/my_diary/word/document.xml", std::uintmax_t{1} << 32);
    });
    EXPECT_EQ(FailureMessage(status, job), "无法打包Word文档：日记超过了Word文档（.docx）所能容纳的4 GB，没有生成文档。");
    EXPECT_EQ(Listing(m_out), before);
}

// A document part that would pass what a .docx holds is stopped at the bound, not written out to
// be refused when packed: the bound lowered to 1 MiB for a year of 2 MB, with files past 1 MiB
// refused by the system (EFBIG), so a part written past the bound would fail as a write.
TEST_F(GenerationRunTest, ADocumentPartIsStoppedAtTheBoundADocxHolds)
{
    const auto before = Listing(m_out);
    g_nMonthEnd = 12;
    g_nDayEnd = 31;
    constexpr rlim_t kBound = 1 << 20;
    GenerationJob job = Job();
    job.design.maxDocumentPartBytes = kBound;
    GenerationStatus status = GenerationStatus::Done;
    {
        const FileSizeLimit limit(kBound);
        status = GenerateDiary(job);
    }
    EXPECT_EQ(FailureMessage(status, job), "无法打包Word文档：日记超过了Word文档（.docx）所能容纳的4 GB，没有生成文档。");
    EXPECT_EQ(Listing(m_out), before);
}
