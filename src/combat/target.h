#pragma once

struct ProgramState;

// Take the main window's list indexes (from state.Inputs) into the combat state, resolve
// the target relation and rebuild the reports that depend on the pairing.
void ApplyAttackerSelection(ProgramState& state);
void ApplyDefenderSelection(ProgramState& state);

// The first of T1, T2, T3 that names the defender's class, or "All", decides.
void ResolveTarget(ProgramState& state);

// Brings stored (loaded, edited, restored) stats into the calculation and recomputes.
void RecalculateAll(ProgramState& state);
