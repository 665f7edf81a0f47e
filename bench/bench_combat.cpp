#include <benchmark/benchmark.h>

#include "core/calculation.h"
#include "core/program_state.h"
#include "core/stats_storage.h"
#include "data/default_ships.h"

namespace {

// 1000 Dreadnoughts against Sovereigns: a kill with a primary target.
ProgramState PreparedState() {
    ProgramState state;
    BuildDefaultStats(state);
    state.Inputs.AttShipListIndex = 11;
    state.Inputs.DefShipListIndex = 10;
    state.Inputs.AttShipsText = "1000";
    RecalculateAll(state);
    return state;
}

void BM_RecalculateAll(benchmark::State& bench) {
    ProgramState state = PreparedState();
    for (auto _ : bench) {
        RecalculateAll(state);
        benchmark::DoNotOptimize(state.Combat.ResultLine.data());
    }
}
BENCHMARK(BM_RecalculateAll);

// A new attacker picked: the selection (basic stats and targeting texts) and the
// calculation (resources text and walkthrough), so each of the four reports is rebuilt.
void BM_FullCalculationWithReports(benchmark::State& bench) {
    ProgramState state = PreparedState();
    for (auto _ : bench) {
        ApplyAttackerSelection(state);
        CalculateCombat(state);
        benchmark::DoNotOptimize(state.Reports.Calculation.data());
    }
}
BENCHMARK(BM_FullCalculationWithReports);

void BM_CalculateCombat(benchmark::State& bench) {
    ProgramState state = PreparedState();
    for (auto _ : bench) {
        CalculateCombat(state);
        benchmark::DoNotOptimize(state.Combat.ResultLine.data());
    }
}
BENCHMARK(BM_CalculateCombat);

}  // namespace
