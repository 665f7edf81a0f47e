#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/program_state.h"
#include "core/stats_storage.h"
#include "data/default_ships.h"
#include "data/stats_file.h"

namespace {

// Loads a 3079-line ShipStats.txt from a scratch folder made current for the run.
void BM_LoadStatsFile(benchmark::State& bench) {
    const std::filesystem::path previous = std::filesystem::current_path();
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "skirmod-bench-load";
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);

    ProgramState state;
    BuildDefaultStats(state);
    state.Stats.FileMemo.WriteTo((folder / "ShipStats.txt").string());
    for (auto _ : bench) {
        LoadStatsFile(state);
        benchmark::DoNotOptimize(state.StoredStats[53].fields[18].data());
    }
    if (state.Stats.FileMemo.Count() != kStatsFileLines) {
        bench.SkipWithError("the file did not load");
    }
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LoadStatsFile);

}  // namespace
