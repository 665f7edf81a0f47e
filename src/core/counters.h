#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/stop_search.h"
#include "core/wide_int.h"

struct ProgramState;

// What a fleet that stops the defenders costs: count x the per-ship Metal, Crystal, Eon.
struct FleetCost {
    WideInt Metal = 0;
    WideInt Crystal = 0;
    WideInt Eon = 0;
    WideInt Total = 0;
};

struct Counter {
    int Row = 0;
    StopAnswer Stop;
    FleetCost Cost;              // only when the type can stop them
    std::string EfficiencyText;  // the main window's figure at that count, without "%"
};

// All 54 types as attackers against `wanted` defenders of `defenderRow`: those that can
// stop them first, cheapest total first (ties in table order), then the rest in table
// order.
std::vector<Counter> RankCounters(const ProgramState& state, int defenderRow, std::int64_t wanted);
