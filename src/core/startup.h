#pragma once

#include "core/program_state.h"

// The core's start-up: base hit chance 25, the built-in table and the default settings in
// StoredStats, copied into ActiveStats. Without windows to build, it may calculate at once.
void StartCore(ProgramState& state);

// StartCore before the windows exist: RecalcGuard is set so that nothing calculates while
// they are built and their lists filled; it stays set until ReleaseStartupGuard.
void StartCoreForWindows(ProgramState& state);

// Ends start-up's hold on calculation: the main window's first show, which then calculates
// for the first time.
void ReleaseStartupGuard(ProgramState& state);

// The decimal separator of the user's locale, for the resources report's rates as the
// windows and skirmod-calc write them; one that is not a single byte gives way to the point.
char LocaleDecimalSeparator();
