// Makes the document of one design file on 1 January 2026, for the picture scripts under
// tools/ that render our own output. From the build folder:
//   tests/e2e/make_design_document <checkout> <design.ini> <output folder>
#include "app/generation/GenerationRun.h"
#include "app/generation/RunInputs.h"
#include "platform/Clock.h"
#include "settings/CivilDate.h"
#include "settings/DesignFile.h"
#include "settings/StartUp.h"

#include <cstdio>
#include <ctime>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <checkout holding config/template> <design.ini> <output folder>\n", argv[0]);
        return 2;
    }
    platform::SetFixedClock(static_cast<std::time_t>(civil::DaysFromCivil(2026, 1, 1)) * 86400 + 12 * 3600);
    ResetAllSettings();
    ClassListModel rows;
    const OutlineLevelTexts levels = LoadDesignFile(argv[2], rows);
    GenerationJob job{argv[1], argv[3], BuildRunDesign(rows, levels), {}, {}, {}};
    if (GenerateDiary(job) != GenerationStatus::Done) {
        std::fprintf(stderr, "the run of %s failed\n", argv[2]);
        return 1;
    }
    std::puts(job.outputFile.c_str());
    return 0;
}
