#pragma once

#include "combat/combat_state.h"
#include "data/ship_table.h"

// The row of a main window list index and the three combat stats of that side, taken from
// `table`; an index outside the table selects the first row.
void TakeAttackerStats(CombatState& c, const ShipTable& table, int listIndex);
void TakeDefenderStats(CombatState& c, const ShipTable& table, int listIndex);

// The first of T1, T2, T3 that names the defender's class, or "All", decides.
void ResolveTarget(CombatState& c, const ShipTable& table);
