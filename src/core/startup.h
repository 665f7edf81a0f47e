#pragma once

#include "core/program_state.h"

// The core's start-up: base hit chance 25, the built-in table and the default settings in
// StoredStats, copied into ActiveStats. Windows that must not calculate while they are
// built hold their own calls until they show.
void StartCore(ProgramState& state);

// The decimal separator of the user's locale, for the resources report's rates as the
// windows and skirmod-calc write them; one that is not a single byte gives way to the point.
char LocaleDecimalSeparator();
