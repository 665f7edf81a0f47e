#include <benchmark/benchmark.h>

#include "core/counters.h"
#include "core/heat_scale.h"
#include "core/matrix.h"
#include "core/matrix_picture.h"
#include "core/program_state.h"
#include "core/startup.h"
#include "data/ship_table.h"

namespace {

ProgramState BuiltInState() {
    ProgramState state;
    StartCore(state);
    return state;
}

// Who stops 100 ships of one defender: 54 stop searches, ranked by cost.
void BM_CountersForOneDefender(benchmark::State& bench) {
    const ProgramState state = BuiltInState();
    for (auto _ : bench) {
        std::vector<Counter> ranking = RankCounters(state, 10, 100);
        benchmark::DoNotOptimize(ranking.data());
    }
}
BENCHMARK(BM_CountersForOneDefender)->Unit(benchmark::kMicrosecond);

// `counters` for every defender of the built-in table: 54 x 54 stop searches.
void BM_CountersForAllDefenders(benchmark::State& bench) {
    const ProgramState state = BuiltInState();
    for (auto _ : bench) {
        for (int defender = 0; defender < static_cast<int>(kShipCount); ++defender) {
            std::vector<Counter> ranking = RankCounters(state, defender, 100);
            benchmark::DoNotOptimize(ranking.data());
        }
    }
}
BENCHMARK(BM_CountersForAllDefenders)->Unit(benchmark::kMillisecond);

// A goal far up the count range: the doubling search runs its full length.
void BM_CountersForAllDefendersLargeGoal(benchmark::State& bench) {
    const ProgramState state = BuiltInState();
    for (auto _ : bench) {
        for (int defender = 0; defender < static_cast<int>(kShipCount); ++defender) {
            std::vector<Counter> ranking = RankCounters(state, defender, 1000000000000LL);
            benchmark::DoNotOptimize(ranking.data());
        }
    }
}
BENCHMARK(BM_CountersForAllDefendersLargeGoal)->Unit(benchmark::kMillisecond);

// Every pairing at one count: 2,916 combats.
void BM_PairingMatrix(benchmark::State& bench) {
    const ProgramState state = BuiltInState();
    for (auto _ : bench) {
        std::vector<MatrixCell> cells = PairingMatrix(state, 1000);
        benchmark::DoNotOptimize(cells.data());
    }
}
BENCHMARK(BM_PairingMatrix)->Unit(benchmark::kMillisecond);

// What the page's heat map asks of the engine at each redraw: every pairing and its colour.
void BM_PairingMatrixColours(benchmark::State& bench) {
    const ProgramState state = BuiltInState();
    for (auto _ : bench) {
        std::vector<MatrixCell> cells = PairingMatrix(state, 1000);
        for (const MatrixCell& cell : cells) {
            benchmark::DoNotOptimize(CellColor(cell));
        }
    }
}
BENCHMARK(BM_PairingMatrixColours)->Unit(benchmark::kMillisecond);

// `skirmod-calc matrix --svg`: the picture of every pairing, 2,916 squares and the names.
void BM_MatrixSvg(benchmark::State& bench) {
    const ProgramState state = BuiltInState();
    const std::vector<MatrixCell> cells = PairingMatrix(state, 1000);
    for (auto _ : bench) {
        std::string svg = MatrixSvg(state.ActiveStats, cells, 1000, "built-in");
        benchmark::DoNotOptimize(svg.data());
    }
}
BENCHMARK(BM_MatrixSvg)->Unit(benchmark::kMillisecond);

}  // namespace
