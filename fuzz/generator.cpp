// Any bytes as a design file, made into a diary: the run must end with a document or a failure
// it reports, never a crash, and must leave nothing but that document in its output folder.
#include "FuzzScratch.h"

#include "app/generation/GenerationRun.h"
#include "app/generation/RunInputs.h"
#include "platform/Files.h"
#include "platform/Folders.h"
#include "settings/DesignFile.h"
#include "settings/StartUp.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ResetAllSettings();
    ClassListModel rows;
    const OutlineLevelTexts levels = LoadDesignFile(WriteDesignInput(data, size).c_str(), rows);
    const std::string out = platform::JoinPath(ScratchFolder(), "out");
    platform::MakeFolder(out);
    GenerationJob job{ROROVAVOZIR_SOURCE_DIR, out, BuildRunDesign(rows, levels), {}, {}, {}};
    const GenerationStatus status = GenerateDiary(job);
    if (status == GenerationStatus::Done && !platform::RemoveFile(job.outputFile))
        std::abort();
    if (!platform::RemoveEmptyFolder(out))
        std::abort();   // the run left something behind
    return 0;
}
