#pragma once

#include "core/program_state.h"

// The Details window's explanatory texts rebuilt from the state, the frontend told box by
// box as each text is finished.
void UpdateBasicStatsReport(ProgramState& state);
// Reads the count text from state.Inputs into the combat state first.
void UpdateTargetingReport(ProgramState& state);
// Sets the combat state's EfficiencyText first, which the main window shows too.
void UpdateResourcesReport(ProgramState& state);
void UpdateCalculationReport(ProgramState& state);
