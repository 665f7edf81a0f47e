#pragma once

#include "core/program_state.h"

// Take the main window's list index (from state.Inputs) into the combat state, resolve
// the target relation and rebuild the Basic Stats and Targeting reports.
void ApplyAttackerSelection(ProgramState& state);
void ApplyDefenderSelection(ProgramState& state);

// One tick of combat for the current pairing and the count text in state.Inputs: the
// outcome and the result texts, then the resources report, the current-result box and
// the calculation report.
void CalculateCombat(ProgramState& state);

// Brings stored (loaded, edited, restored) stats into the calculation and recomputes.
void RecalculateAll(ProgramState& state);
