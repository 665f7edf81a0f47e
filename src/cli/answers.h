#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/counters.h"
#include "core/engine.h"
#include "core/matrix.h"
#include "core/stop_search.h"
#include "data/ship_table.h"

enum class ReportKind { Calculation, Targeting, Resources, Basic };

// The Details window's boxes of one section, attacker's before defender's.
std::vector<Report> BoxesOf(ReportKind kind);

// What `stop` found, with the main window's result lines at that count and one fewer,
// both from a full calculation.
struct StopView {
    const ShipTable& Table;
    int AttackerRow = 0;
    int DefenderRow = 0;
    std::int64_t Wanted = 0;
    StopAnswer Answer;
    std::string ResultLine;
    std::string ResultLineOneFewer;
};

struct CountersView {
    const ShipTable& Table;
    int DefenderRow = 0;
    std::int64_t Wanted = 0;
    std::vector<Counter> Ranking;
};

// Every attacker against every defender at one count (PairingMatrix).
struct MatrixView {
    const ShipTable& Table;
    std::int64_t Count = 0;
    std::vector<MatrixCell> Cells;
};
// A short name of the variant for machine reading: "kill", "emp", "no_target", ...
const char* VariantKey(CombatVariantValue variant);
// The reason as a short key.
const char* BlockKey(StopBlock block);
