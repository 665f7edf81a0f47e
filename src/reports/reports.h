#pragma once

struct ProgramState;

// The Details window's explanatory texts, rebuilt from the combat state.
void UpdateBasicStatsReport(ProgramState& state);
void UpdateTargetingReport(ProgramState& state);
// Also sets the combat state's EfficiencyText, which the main window shows.
void UpdateResourcesReport(ProgramState& state);
void UpdateCalculationReport(ProgramState& state);
