#pragma once

#include <cstdint>
#include <utility>

// What a held spin button adds at its `tick`-th timer tick (from 1), as the player sees it:
// three pauses, 17 steps of 1, then 20 each of 3, 10, 30, 100, 500 and 1000, then 10000
// for as long as it is held.
inline std::int64_t HeldSpinStep(int tick) {
    constexpr std::pair<int, std::int64_t> kRuns[] = {{3, 0},   {17, 1},   {20, 3},   {20, 10},
                                                      {20, 30}, {20, 100}, {20, 500}, {20, 1000}};
    for (const auto& [ticks, step] : kRuns) {
        if (tick <= ticks) {
            return step;
        }
        tick -= ticks;
    }
    return 10000;
}
