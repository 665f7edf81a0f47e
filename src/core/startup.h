#pragma once

#include "core/program_state.h"

// The core's start-up, before any window exists: base hit chance 25, the built-in table
// and the default settings in StoredStats, copied into ActiveStats. RecalcGuard is set so
// that nothing calculates while the windows are built and their lists filled; it stays
// set until ReleaseStartupGuard.
void StartCore(ProgramState& state);

// Ends start-up's hold on calculation: the main window's show, which then calculates for
// the first time (a frontend without windows calls it right after start-up).
void ReleaseStartupGuard(ProgramState& state);
