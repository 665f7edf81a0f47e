#pragma once

#include <array>
#include <cstdint>

// The amount a held spin button adds at the n-th tick of Timer1 after the press (n from 1),
// for the upward button: nothing on the three pause ticks, then 17 steps of 1, 20 steps each
// of 3, 10, 30, 100, 500 and 1000, then 10000 for as long as the button is held.
inline std::int64_t SpinStepAtTick(int tick) {
    struct Run {
        int lastTick;
        std::int64_t step;
    };
    constexpr std::array<Run, 8> kRuns = {{
        {3, 0},
        {20, 1},
        {40, 3},
        {60, 10},
        {80, 30},
        {100, 100},
        {120, 500},
        {140, 1000},
    }};
    for (const Run& run : kRuns) {
        if (tick <= run.lastTick) {
            return run.step;
        }
    }
    return 10000;
}

// Counts are 64-bit and wrap instead of stopping.
inline std::int64_t WrappedAdd(std::int64_t count, std::int64_t amount) {
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(count) +
                                     static_cast<std::uint64_t>(amount));
}
