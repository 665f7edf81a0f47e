#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

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

// Who stops them as the page asks while a count is typed: the counts its page benchmark
// types (7^(i mod 20) + i, from 1 to about 10^16), one ranking a count, for Sparrow.
void BM_CountersAsTheCountIsTyped(benchmark::State& bench) {
    const ProgramState state = BuiltInState();
    std::vector<std::int64_t> counts;
    for (std::int64_t i = 0; i < 200; ++i) {
        std::int64_t power = 1;
        for (std::int64_t k = 0; k < i % 20; ++k) {
            power *= 7;
        }
        counts.push_back(power + i);
    }
    std::size_t next = 0;
    for (auto _ : bench) {
        std::vector<Counter> ranking = RankCounters(state, 0, counts[next]);
        benchmark::DoNotOptimize(ranking.data());
        next = (next + 1) % counts.size();
    }
}
BENCHMARK(BM_CountersAsTheCountIsTyped)->Unit(benchmark::kMicrosecond);

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
