#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "combat/combat_state.h"
#include "core/program_state.h"

// What `count` attackers of one row do to a defending row in one tick.
struct MatrixCell {
    CombatVariantValue Variant = CombatVariantValue::NoTarget;
    // Ships killed, held or captured.
    std::int64_t Result = 0;
    // The main window's efficiency figure without "%"; empty when the defender is no target.
    std::string Efficiency;
};

// Every attacker against every defender at `count` ships, row-major: the cell of attacker
// a and defender d is at a * kShipCount + d. The table's own formulas on ActiveStats, on a
// copy of the combat state: the state's results and reports stay as they were.
std::vector<MatrixCell> PairingMatrix(const ProgramState& state, std::int64_t count);
