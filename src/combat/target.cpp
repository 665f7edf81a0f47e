#include "combat/target.h"

#include <array>
#include <cstdint>

#include "data/int_text.h"

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

// Which row and three combat stats one side of the pairing takes.
struct Side {
    std::uint8_t CombatState::*row;
    std::array<StatTaken, 3> stats;
};

constexpr Side kAttacker = {&CombatState::AttackerRow,
                            {{{&CombatState::AttackerWeaponSpeed, Col::WPSP},
                              {&CombatState::AttackerGuns, Col::Guns},
                              {&CombatState::AttackerPower, Col::Power}}}};

constexpr Side kDefender = {&CombatState::DefenderRow,
                            {{{&CombatState::DefenderAgility, Col::Ag},
                              {&CombatState::DefenderArmour, Col::Armor},
                              {&CombatState::DefenderEmpRes, Col::EMPRes}}}};

void TakeStats(CombatState& c, const ShipTable& table, int listIndex, const Side& side) {
    c.*side.row = RowFromListIndex(listIndex);
    const ShipRecord& ship = ShipAt(table, c.*side.row);
    for (const StatTaken& stat : side.stats) {
        c.*stat.field = ToInt32Or(ship[stat.column], 1);
    }
}

}  // namespace

void TakeAttackerStats(CombatState& c, const ShipTable& table, int listIndex) {
    TakeStats(c, table, listIndex, kAttacker);
}

void TakeDefenderStats(CombatState& c, const ShipTable& table, int listIndex) {
    TakeStats(c, table, listIndex, kDefender);
}

void ResolveTarget(CombatState& c, const ShipTable& table) {
    const ShipRecord& a = ShipAt(table, c.AttackerRow);
    const std::string& defenderClass = ShipAt(table, c.DefenderRow)[Col::Cl];
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
