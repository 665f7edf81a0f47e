#pragma once

#include <cstdint>
#include <string>

#include "combat/combat_state.h"
#include "data/ship_table.h"

struct ProgramState;

// Why no number of attackers reaches the wanted result.
enum class StopBlock {
    None,
    NotATarget,
    PdsImmune,        // EMP and Steal ships cannot target PDS
    Pods,             // pods do not attack
    PdsVsPds,         // PDS cannot attack PDS
    NoGuns,           // Guns 0
    NoHitChance,      // the hit rate is floored at 0
    NoGunPower,       // Power 0
    EmpResisted,      // EMP resistance of 100 or more
    NegativeFigures,  // negative guns, rate or hits needed: no positive count gains anything
    BeyondRange,      // only counts past the non-wrapping range could
};

struct StopAnswer {
    CombatVariantValue Variant = CombatVariantValue::Pods;
    StopBlock Block = StopBlock::None;
    // The fewest attackers and what they and one ship fewer achieve (Block None only).
    std::int64_t Ships = 0;
    std::int64_t Result = 0;
    std::int64_t ResultOneFewer = 0;
    // The largest count for which no product of the calculation wraps, and its result.
    std::int64_t Limit = 0;
    std::int64_t ResultAtLimit = 0;
};

// The fewest attackers of row `attackerRow` whose tick kills, holds or captures at least
// `wanted` (>= 1) defenders of row `defenderRow`, with the table's own formulas on
// ActiveStats. Counts run from 0 to the non-wrapping limit: within it the result moves in
// one direction only, so a doubling then halving search is exact. Works on a copy of the
// combat state: the state's results and reports stay as they were.
StopAnswer FindStop(const ProgramState& state, int attackerRow, int defenderRow,
                    std::int64_t wanted);

// "kill", "hold" or "capture" for the variants that fight; "stop" for the others.
const char* VariantVerb(CombatVariantValue variant);

// Why no number of attackers of row `attackerRow` stops those of `defenderRow`, in words;
// `limit` is the answer's non-wrapping limit. Every front end gives the same reason.
std::string BlockText(StopBlock block, const ShipTable& table, int attackerRow, int defenderRow,
                      std::int64_t limit);
