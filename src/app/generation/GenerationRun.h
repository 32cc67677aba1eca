#pragma once
// One generation run, from the gathered design to the .docx in the output folder.
// Everything the run makes lives in a fresh run folder under the output folder (the template
// text files, the work copy of the skeleton, the archive being written), which the run removes
// at its end whatever happens (wherever it has been moved, never through a link); a finished
// archive is then renamed to its free output name, so a failed run leaves no .docx behind and
// never touches a file or folder of the user's.

#include "app/generation/RunFolder.h"
#include "docx/DocxRunDesign.h"

#include <functional>
#include <string>

enum class GenerationPhase { Prepare, Copy, CreateDocx, Zip, CleanUp };

enum class GenerationStatus {
    Done,
    NoDiaryDay,            // no day of the range gets a page: nothing is written
    // A format whose texts pass what the generator writes of them, which would leave the
    // headings empty: nothing is written.
    MonthLabelTooLong,     // the month format
    PlannerLabelTooLong,   // the one-page planner's month format
    DateTooLong,           // the daily format
    SkeletonBroken,        // a part of the skeleton package is missing or not well-formed XML, as copied or as edited
    NoOutputName,          // my_diary.docx and my_diary1 to my_diary1000 are all taken
    NoRunFolder,           // the output folder cannot hold the run's folder
    TemplateFilesFailed,   // the template text files could not be written
    CopyFailed,            // the skeleton package could not be read
    CopyWriteFailed,       // its copy could not be written into the run folder
    DocxFailed,            // the generator stopped; see docxStatus
    ZipFailed,
    DocumentTooLarge,      // a part, or the archive, is past the 4 GiB that a .docx can hold
    PublishFailed,         // the finished archive could not take its output name
    OutputFolderMoved,     // the output folder was renamed or replaced while the run worked
    RunFolderChanged,      // the run folder was moved or replaced, or a link put in it
    // The work could not go on: the system refused it a thread or memory (see systemError), or
    // a step failed in a way it does not report.
    WorkFailed,
    Stopped,               // asked to stop (the program is closing); nothing was published
};

struct GenerationJob {
    std::string programFolder;   // holds config/template, the skeleton package
    std::string outFolder;
    DocxRunDesign design;
    // Asked between phases; true stops the run before it publishes anything.
    std::function<bool()> stopRequested;

    // Filled in by the run.
    std::string runFolder;
    std::string outputFile;
    DocxRunStatus docxStatus = DocxRunStatus::Done;
    int systemError = 0;   // the system's reason for the step that failed, 0 when it gave none
    RunFolder heldRunFolder {};   // runFolder held open, for its removal
};

// Called as each phase ends, for progress and timing.
using PhaseObserver = std::function<void(GenerationPhase)>;

// On the window's thread, as it reads the date settings: chooses the output name, makes the run
// folder and writes the two template text files into it. A run that finds every output name
// taken, then or when it publishes, ends with NoOutputName.
GenerationStatus PrepareGeneration(GenerationJob& job);
// The rest, fit for a worker thread (it reads nothing but the job): copies the skeleton, runs
// the generator, packs the parts, gives the archive its name and removes the run folder.
GenerationStatus GenerateDocx(GenerationJob& job, const PhaseObserver& phaseDone = {});
// Removes what a prepared run made, for a run that will not go on.
void DiscardGeneration(GenerationJob& job);
// Both, one after the other.
GenerationStatus GenerateDiary(GenerationJob& job, const PhaseObserver& phaseDone = {});
