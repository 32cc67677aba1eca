// Times one generation run phase by phase: loading the configuration, gathering the run's
// inputs, copying the skeleton, the generator, packing and clean-up. Each run is repeated and
// the fastest and the median time of every phase are printed, with the size of the document.
#include "app/generation/GenerationRun.h"
#include "app/generation/RunInputs.h"
#include "platform/Files.h"
#include "settings/DesignFile.h"
#include "settings/StartUp.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::array<const char*, 6> kPhases = {"load", "prepare", "copy", "CreateDocx", "zip", "clean-up"};

struct Timings {
    std::array<double, kPhases.size()> seconds {};
    double Total() const
    {
        double total = 0;
        for (double s : seconds)
            total += s;
        return total;
    }
};

// One run; the document it makes is removed again unless it is to be kept.
bool RunOnce(const std::string& config, const std::string& outFolder, const std::string& programFolder,
             Timings& timings, bool keep, std::uintmax_t& size)
{
    ResetAllSettings();
    Clock::time_point mark = Clock::now();
    const auto lap = [&](size_t phase) {
        const Clock::time_point now = Clock::now();
        timings.seconds[phase] = std::chrono::duration<double>(now - mark).count();
        mark = now;
    };
    ClassListModel rows;
    const OutlineLevelTexts levels = LoadDesignFile(config.c_str(), rows);
    lap(0);

    GenerationJob job {programFolder, outFolder, BuildRunDesign(rows, levels), {}, {}, {}};
    const GenerationStatus status = GenerateDiary(job, [&](GenerationPhase phase) {
        lap(static_cast<size_t>(phase) + 1);
    });
    if (status != GenerationStatus::Done) {
        std::fprintf(stderr, "generation failed (status %d, generator %d)\n", static_cast<int>(status),
                     static_cast<int>(job.docxStatus));
        return false;
    }
    size = std::filesystem::file_size(job.outputFile);
    if (!keep)
        platform::RemoveFile(job.outputFile);
    else
        std::printf("document: %s\n", job.outputFile.c_str());
    return true;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <configuration.ini> <output folder> [runs] [program folder]\n", argv[0]);
        return 2;
    }
    const std::string config = std::filesystem::absolute(argv[1]).string();
    const std::string outFolder = std::filesystem::absolute(argv[2]).string();
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 10;
    const std::string programFolder = argc > 4 ? argv[4] : RV_SOURCE_DIR_DEFAULT;
    std::filesystem::create_directories(outFolder);

    std::vector<Timings> all;
    std::uintmax_t size = 0;
    for (int run = 0; run < runs; ++run) {
        Timings timings;
        if (!RunOnce(config, outFolder, programFolder, timings, run == runs - 1, size))
            return 1;
        all.push_back(timings);
    }

    std::printf("%d runs of %s; document %ju bytes\n", runs, config.c_str(), size);
    std::printf("%-12s %10s %10s\n", "phase", "best ms", "median ms");
    for (size_t phase = 0; phase <= kPhases.size(); ++phase) {
        std::vector<double> values;
        for (const Timings& t : all)
            values.push_back(phase < kPhases.size() ? t.seconds[phase] : t.Total());
        std::printf("%-12s %10.2f %10.2f\n", phase < kPhases.size() ? kPhases[phase] : "total",
                    *std::min_element(values.begin(), values.end()) * 1000, Median(values) * 1000);
    }
    return 0;
}
