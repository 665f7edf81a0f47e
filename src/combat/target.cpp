#include "combat/target.h"

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

std::int32_t CombatStat(const ShipRecord& ship, Col column) {
    return ToInt32Or(ship[column], 1);
}

void RebuildPairingReports(ProgramState& state) {
    UpdateBasicStatsReport(state);
    UpdateTargetingReport(state);
}

}  // namespace

void ApplyAttackerSelection(ProgramState& state) {
    CombatState& c = state.Combat;
    if (c.RecalcGuard) {
        return;
    }
    c.AttackerRow = RowFromListIndex(state.Inputs.AttShipListIndex);
    const ShipRecord& attacker = ShipAt(state.ActiveStats, c.AttackerRow);
    c.AttackerWeaponSpeed = CombatStat(attacker, Col::WPSP);
    c.AttackerGuns = CombatStat(attacker, Col::Guns);
    c.AttackerPower = CombatStat(attacker, Col::Power);
    ResolveTarget(state);
    RebuildPairingReports(state);
}

void ApplyDefenderSelection(ProgramState& state) {
    CombatState& c = state.Combat;
    if (c.RecalcGuard) {
        return;
    }
    c.DefenderRow = RowFromListIndex(state.Inputs.DefShipListIndex);
    const ShipRecord& defender = ShipAt(state.ActiveStats, c.DefenderRow);
    c.DefenderAgility = CombatStat(defender, Col::Ag);
    c.DefenderArmour = CombatStat(defender, Col::Armor);
    c.DefenderEmpRes = CombatStat(defender, Col::EMPRes);
    ResolveTarget(state);
    RebuildPairingReports(state);
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
