#pragma once

struct CombatState;
struct ProgramState;

// One tick of combat for the current pairing and the count text in state.Inputs: picks
// the outcome variant, computes the figures, writes state.Results and the ResultLine,
// then has the reports and the current-result box follow.
void CalculateCombat(ProgramState& state);

// The outcome variant of the selected pairing; may force TargetType to no target.
void ChooseCombatVariant(ProgramState& state);

// The chosen variant's figures for c.AttackerShips, with no texts and no reports: what a
// search over many counts of one pairing needs.
void RunCombatFormulas(CombatState& c);
