// Times WriteDesignFile over an existing file, the way a save replaces the design: the
// full-year sample of five classes with every calendar, and the same grown to 30 classes.
// Prints the best and the median of the repetitions.
#include "settings/DesignFile.h"
#include "settings/StartUp.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

const std::string kSample = std::string(RV_SOURCE_DIR_DEFAULT) + "/config/samples/FullYear_AllCalendars.ini";

std::string ScratchFile()
{
    static const std::string file = [] {
        std::string folder = (std::filesystem::temp_directory_path() / "design-save-bench-XXXXXX").string();
        if (::mkdtemp(folder.data()) == nullptr)
            std::abort();
        return folder + "/design.ini";
    }();
    return file;
}

void SaveDesign(benchmark::State& state)
{
    ResetAllSettings();
    ClassListModel rows;
    const OutlineLevelTexts levels = LoadDesignFile(kSample.c_str(), rows);
    const size_t sampleClasses = rows.size();
    for (size_t i = sampleClasses; i < static_cast<size_t>(state.range(0)); ++i) {
        rows.push_back(rows[i % sampleClasses]);
        rows.back().cells[kCellTitle] += CString(std::to_string(i).c_str());
    }
    const std::string file = ScratchFile();
    if (!WriteDesignFile(file.c_str(), rows, levels))
        state.SkipWithError("the design cannot be written");
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteDesignFile(file.c_str(), rows, levels));
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(file));
    state.counters["classes"] = static_cast<double>(rows.size());
}

double Best(const std::vector<double>& times)
{
    return *std::min_element(times.begin(), times.end());
}

} // namespace

BENCHMARK(SaveDesign)
    ->Arg(5)
    ->Arg(kMaxClasses)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ComputeStatistics("best", Best)
    ->ReportAggregatesOnly(true);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(std::filesystem::path(ScratchFile()).parent_path());
    return 0;
}
