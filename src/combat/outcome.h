#pragma once

struct ProgramState;

// One tick of combat for the current pairing and the count text in state.Inputs: picks
// the outcome variant, computes the figures, writes state.Results and the ResultLine,
// then has the reports and the current-result box follow.
void CalculateCombat(ProgramState& state);
