#include <benchmark/benchmark.h>

#include "cli/calc_session.h"
#include "cli/counters.h"
#include "data/ship_table.h"

namespace {

// `counters` for every defender of the built-in table: 54 x 54 stop searches.
void BM_CountersForAllDefenders(benchmark::State& bench) {
    CalcSession session('.');
    for (auto _ : bench) {
        for (int defender = 0; defender < static_cast<int>(kShipCount); ++defender) {
            std::vector<Counter> ranking = RankCounters(session.State(), defender, 100);
            benchmark::DoNotOptimize(ranking.data());
        }
    }
}
BENCHMARK(BM_CountersForAllDefenders)->Unit(benchmark::kMillisecond);

// A goal far up the count range: the doubling search runs its full length.
void BM_CountersForAllDefendersLargeGoal(benchmark::State& bench) {
    CalcSession session('.');
    for (auto _ : bench) {
        for (int defender = 0; defender < static_cast<int>(kShipCount); ++defender) {
            std::vector<Counter> ranking = RankCounters(session.State(), defender, 1000000000000LL);
            benchmark::DoNotOptimize(ranking.data());
        }
    }
}
BENCHMARK(BM_CountersForAllDefendersLargeGoal)->Unit(benchmark::kMillisecond);

}  // namespace
