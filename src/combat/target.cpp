#include "combat/target.h"

#include <array>
#include <cstdint>

#include "combat/outcome.h"
#include "data/int_text.h"
#include "data/program_state.h"
#include "reports/reports.h"

namespace {

// A list index outside the table (no selection, a bad default) selects the first row.
std::uint8_t RowFromListIndex(int index) {
    return (index >= 0 && index < static_cast<int>(kShipCount)) ? static_cast<std::uint8_t>(index)
                                                                : 0;
}

struct StatTaken {
    std::int32_t CombatState::*field;
    Col column;
};

// Which list, row and three combat stats one side of the pairing takes.
struct Side {
    int MainInputs::*listIndex;
    std::uint8_t CombatState::*row;
    std::array<StatTaken, 3> stats;
};

constexpr Side kAttacker = {&MainInputs::AttShipListIndex,
                            &CombatState::AttackerRow,
                            {{{&CombatState::AttackerWeaponSpeed, Col::WPSP},
                              {&CombatState::AttackerGuns, Col::Guns},
                              {&CombatState::AttackerPower, Col::Power}}}};

constexpr Side kDefender = {&MainInputs::DefShipListIndex,
                            &CombatState::DefenderRow,
                            {{{&CombatState::DefenderAgility, Col::Ag},
                              {&CombatState::DefenderArmour, Col::Armor},
                              {&CombatState::DefenderEmpRes, Col::EMPRes}}}};

void TakeStats(ProgramState& state, const Side& side) {
    CombatState& c = state.Combat;
    c.*side.row = RowFromListIndex(state.Inputs.*side.listIndex);
    const ShipRecord& ship = ShipAt(state.ActiveStats, c.*side.row);
    for (const StatTaken& stat : side.stats) {
        c.*stat.field = ToInt32Or(ship[stat.column], 1);
    }
}

void ApplySelection(ProgramState& state, const Side& side) {
    if (state.Combat.RecalcGuard) {
        return;
    }
    TakeStats(state, side);
    ResolveTarget(state);
    UpdateBasicStatsReport(state);
    UpdateTargetingReport(state);
}

}  // namespace

void ApplyAttackerSelection(ProgramState& state) {
    ApplySelection(state, kAttacker);
}

void ApplyDefenderSelection(ProgramState& state) {
    ApplySelection(state, kDefender);
}

void TakeAttackerStats(ProgramState& state) {
    TakeStats(state, kAttacker);
}

void TakeDefenderStats(ProgramState& state) {
    TakeStats(state, kDefender);
}

void ResolveTarget(ProgramState& state) {
    CombatState& c = state.Combat;
    const ShipRecord& a = ShipAt(state.ActiveStats, c.AttackerRow);
    const std::string& defenderClass = ShipAt(state.ActiveStats, c.DefenderRow)[Col::Cl];
    c.TargetType = kNoTarget;
    const Col slots[] = {Col::T1, Col::T2, Col::T3};
    for (std::uint8_t slot = 0; slot < 3; ++slot) {
        const std::string& wanted = a[slots[slot]];
        if (wanted == defenderClass || wanted == "All") {
            c.TargetType = slot;
            return;
        }
    }
}

void RecalculateAll(ProgramState& state) {
    state.ActiveStats = state.StoredStats;
    ApplyAttackerSelection(state);
    ApplyDefenderSelection(state);
    CalculateCombat(state);
}
