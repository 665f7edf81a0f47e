#pragma once

#include "combat/combat_state.h"
#include "data/ship_table.h"

// The outcome variant of the selected pairing; may force TargetType to no target.
void ChooseCombatVariant(CombatState& c, const ShipTable& table);

// The chosen variant's figures for c.AttackerShips, with no texts and no reports: what a
// search over many counts of one pairing needs.
void RunCombatFormulas(CombatState& c);

// One tick of combat for the current pairing and c.AttackerShips: picks the variant,
// computes the figures and writes the main window's result texts and the ResultLine
// without its efficiency.
void ComputeOutcome(CombatState& c, ResultTexts& r, const ShipTable& table);

// Once the resources report has set c.EfficiencyText: the efficiency result text, which
// also ends the ResultLine when the defender is a target.
void AddEfficiency(CombatState& c, ResultTexts& r);
