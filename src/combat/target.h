#pragma once

struct ProgramState;

// Take the main window's list indexes (from state.Inputs) into the combat state, resolve
// the target relation and rebuild the reports that depend on the pairing.
void ApplyAttackerSelection(ProgramState& state);
void ApplyDefenderSelection(ProgramState& state);

// Only the row and the three combat stats of one side, without the target relation and
// the reports: for callers that weigh many pairings.
void TakeAttackerStats(ProgramState& state);
void TakeDefenderStats(ProgramState& state);

// The first of T1, T2, T3 that names the defender's class, or "All", decides.
void ResolveTarget(ProgramState& state);

// Brings stored (loaded, edited, restored) stats into the calculation and recomputes.
void RecalculateAll(ProgramState& state);
