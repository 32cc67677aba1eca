#include "app/generation/GenerationRun.h"

#include "app/generation/DiaryDays.h"
#include "app/generation/DocxPackage.h"
#include "app/generation/FolderCopy.h"
#include "app/generation/OutputName.h"
#include "app/generation/RunFolder.h"
#include "docx/DocxBuilder.h"
#include "platform/Files.h"
#include "platform/Folders.h"
#include "platform/SystemError.h"
#include "settings/DateTextBounds.h"
#include "settings/Settings.h"

#include <cerrno>

namespace {

// Names taken one after another while the archive waits: someone else is filling the folder.
constexpr int kPublishAttempts = 100;
// The archive's name in the run folder until it takes its output name.
constexpr const char* kArchive = "my_diary.docx";

// Where a run keeps its files, all in its own folder, the two template text files too: every one
// reached through the held folder, so no link put in its place, or below it, is followed.
struct RunPaths {
    platform::FilePlace config, strMonthTemplateFile, strDateTemplateFile, work;
};

RunPaths PathsOf(const GenerationJob& job)
{
    const platform::FilePlace config(job.heldRunFolder.Folder(), "config");
    return {config, config.Below("month_template.txt"), config.Below("date_template.txt"),
            platform::FilePlace(job.heldRunFolder.Folder(), "my_diary")};
}

bool WriteTemplateFiles(const RunPaths& paths, int year)
{
    // A caption whose texts are empty is left out by the writer, so both captions go in as on.
    return paths.config.MakeFolder() &&
           CDocxBuilder::WriteMonthTemplateFile(paths.strMonthTemplateFile, g_strMonthFormat.str(), g_nMonthStart,
                                                g_nMonthEnd, g_bMonthUpper, year) == 0 &&
           CDocxBuilder::WriteDateTemplateFile(paths.strDateTemplateFile, g_strDayFormat.str(), 1, g_strRestDay.str(),
                                               g_strRestDayBack.str(), g_strWeekEnd.str(),
                                               year, g_nWeeklyNumber != 0 ? 1 : 0,
                                               g_nMonthStart, g_nMonthEnd, g_nDayStart, g_nDayEnd, 1,
                                               g_strHadBeenDays.str(), g_strHadBeenDaysBack.str()) == 0;
}

// Keeps the system's reason for a step that failed.
bool Succeeded(GenerationJob& job, const platform::Attempted& step)
{
    job.systemError = step.error;
    return step.ok;
}

// The archive is a new file made in the held run folder: no link put in the folder's place, nor
// a file found there, is ever written or later removed.
DocxPacking PackArchive(const RunFolder& folder, const platform::FilePlace& work)
{
    const platform::FileHandle archive = folder.Folder().MakeFile(kArchive);
    if (archive == platform::kInvalidFileHandle)
        return DocxPacking::Failed;
    const DocxPacking packing = ZipDocxParts(archive, work);
    const int error = errno;
    const bool closed = platform::CloseFileHandle(archive);
    if (packing != DocxPacking::Packed)
        errno = error;
    return packing == DocxPacking::Packed && !closed ? DocxPacking::Failed : packing;
}

// Renames the archive to the output name, or to the next free one should the chosen name have
// been taken meanwhile; the rename itself never replaces a file, so one made in between is safe.
GenerationStatus Publish(GenerationJob& job)
{
    // The archive goes into the folder the run was made in, wherever it is now; that its path
    // leads elsewhere is told as such rather than as a failed rename.
    if (!job.heldRunFolder.OutputFolderInPlace(job.outFolder)) {
        job.systemError = 0;
        return GenerationStatus::OutputFolderMoved;
    }
    if (!job.heldRunFolder.InPlace()) {
        job.systemError = 0;
        return GenerationStatus::RunFolderChanged;
    }
    for (int attempt = 0; attempt < kPublishAttempts; ++attempt) {
        errno = 0;
        const platform::RenameResult result =
            job.heldRunFolder.MoveOut(kArchive, job.outputFile.substr(platform::LastSeparator(job.outputFile) + 1));
        if (result == platform::RenameResult::Done)
            return GenerationStatus::Done;
        if (result == platform::RenameResult::Failed) {
            job.systemError = errno;
            return GenerationStatus::PublishFailed;
        }
        job.outputFile = FreeOutputFileName(job.outFolder);
        if (job.outputFile.empty())
            return GenerationStatus::NoOutputName;
    }
    job.systemError = EEXIST;
    return GenerationStatus::PublishFailed;
}

GenerationStatus TooLargeForADocx(GenerationJob& job)
{
    job.systemError = 0;   // the message says why
    return GenerationStatus::DocumentTooLarge;
}

bool Stopping(const GenerationJob& job)
{
    return job.stopRequested && job.stopRequested();
}

void Notify(const PhaseObserver& phaseDone, GenerationPhase phase)
{
    if (phaseDone)
        phaseDone(phase);
}

// The generator writes the parts into the work copy of the skeleton, which is then packed and
// given its output name.
GenerationStatus BuildDocumentParts(GenerationJob& job, const RunPaths& paths, const PhaseObserver& phaseDone)
{
    const platform::FilePlace word = paths.work.Below("word");
    const bool created = Succeeded(job, platform::Attempt([&] {
        job.docxStatus = CDocxBuilder().CreateDocx(paths.strMonthTemplateFile, paths.strDateTemplateFile,
                                                   word.Below("document.xml"), word.Below("settings.xml"), paths.work,
                                                   job.design);
        return job.docxStatus == DocxRunStatus::Done;
    }));
    if (!created)
        return job.docxStatus == DocxRunStatus::TooLarge ? TooLargeForADocx(job) : GenerationStatus::DocxFailed;
    // The parts as the edits left them, as they will be packed.
    if (!DocxPartsWellFormed(paths.work))
        return GenerationStatus::SkeletonBroken;
    Notify(phaseDone, GenerationPhase::CreateDocx);
    if (Stopping(job))
        return GenerationStatus::Stopped;

    DocxPacking packing = DocxPacking::Failed;
    if (!Succeeded(job, platform::Attempt([&] {
            packing = PackArchive(job.heldRunFolder, paths.work);
            return packing == DocxPacking::Packed;
        }))) {
        return packing == DocxPacking::TooLarge ? TooLargeForADocx(job) : GenerationStatus::ZipFailed;
    }
    if (Stopping(job))
        return GenerationStatus::Stopped;
    const GenerationStatus published = Publish(job);
    if (published != GenerationStatus::Done)
        return published;
    Notify(phaseDone, GenerationPhase::Zip);
    return GenerationStatus::Done;
}

GenerationStatus CopyAndBuild(GenerationJob& job, const PhaseObserver& phaseDone)
{
    const RunPaths paths = PathsOf(job);
    FolderCopyResult copied = FolderCopyResult::Copied;
    if (!Succeeded(job, platform::Attempt([&] {
            copied = CopyFolderTree(paths.work, platform::JoinPath(job.programFolder, "config/template"));
            return copied == FolderCopyResult::Copied;
        })))
        return copied == FolderCopyResult::SourceUnreadable ? GenerationStatus::CopyFailed
                                                            : GenerationStatus::CopyWriteFailed;
    // A damaged skeleton is told before the generator's long work.
    if (!DocxPartsWellFormed(paths.work))
        return GenerationStatus::SkeletonBroken;
    Notify(phaseDone, GenerationPhase::Copy);
    if (Stopping(job))
        return GenerationStatus::Stopped;
    return BuildDocumentParts(job, paths, phaseDone);
}

// A link, or a file, met where the run made a folder or file of its own can only have been put in
// the run folder, which is what the user is told of; the system's reason stays.
GenerationStatus Blamed(GenerationStatus status, const GenerationJob& job)
{
    const bool runStep = status == GenerationStatus::CopyWriteFailed || status == GenerationStatus::DocxFailed ||
                         status == GenerationStatus::ZipFailed;
    return runStep && (job.systemError == ELOOP || job.systemError == ENOTDIR) ? GenerationStatus::RunFolderChanged
                                                                              : status;
}

// A heading the generator would leave out for its length stops the run: a document without its
// headings is no success. The daily format is read where the template files read it.
GenerationStatus CheckHeadingLengths(const DocxRunDesign& design)
{
    using datebounds::Fits;
    if (!Fits(design.calendarStyle.MonthFormat, design.year, datebounds::kWrittenMonthLabel))
        return GenerationStatus::MonthLabelTooLong;
    const YearPlannerSettings& planner = design.yearPlanner;
    if (planner.bYearPlanner == 1 && planner.YearPlanner1Page != 0 &&
        !Fits(planner.MonthFormat_For1PageYearPlanner, design.year, datebounds::kWrittenMonthLabel))
        return GenerationStatus::PlannerLabelTooLong;
    if (!Fits(g_strDayFormat, design.year, datebounds::kWrittenDate))
        return GenerationStatus::DateTooLong;
    return GenerationStatus::Done;
}

} // namespace

GenerationStatus PrepareGeneration(GenerationJob& job)
{
    if (!RangeHasDiaryDay(job.design.year))
        return GenerationStatus::NoDiaryDay;
    if (const GenerationStatus headings = CheckHeadingLengths(job.design); headings != GenerationStatus::Done)
        return headings;
    job.outputFile = ChooseOutputFileName(job.outFolder);
    if (job.outputFile.empty())
        return GenerationStatus::NoOutputName;
    const platform::Attempted made = platform::Attempt([&] {
        job.heldRunFolder = RunFolder::Make(job.outFolder);
        return !job.heldRunFolder.Name().empty();
    });
    if (!Succeeded(job, made)) {
        DiscardGeneration(job);   // lets go of the output folder and the descriptors put by
        if (job.systemError != ESTALE)
            return GenerationStatus::NoRunFolder;
        job.systemError = 0;   // the message says why
        return GenerationStatus::RunFolderChanged;
    }
    job.runFolder = platform::JoinPath(job.outFolder, job.heldRunFolder.Name());
    if (!Succeeded(job, platform::Attempt([&] { return WriteTemplateFiles(PathsOf(job), job.design.year); }))) {
        DiscardGeneration(job);
        return GenerationStatus::TemplateFilesFailed;
    }
    return GenerationStatus::Done;
}

GenerationStatus GenerateDocx(GenerationJob& job, const PhaseObserver& phaseDone)
{
    const GenerationStatus status = Blamed(CopyAndBuild(job, phaseDone), job);
    DiscardGeneration(job);
    Notify(phaseDone, GenerationPhase::CleanUp);
    return status;
}

void DiscardGeneration(GenerationJob& job)
{
    job.heldRunFolder.Remove();
}

GenerationStatus GenerateDiary(GenerationJob& job, const PhaseObserver& phaseDone)
{
    const GenerationStatus status = PrepareGeneration(job);
    if (status != GenerationStatus::Done)
        return status;
    Notify(phaseDone, GenerationPhase::Prepare);
    return GenerateDocx(job, phaseDone);
}
