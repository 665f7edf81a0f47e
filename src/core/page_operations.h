#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/program_state.h"
#include "core/stats_storage.h"

// The calculator's inputs changed one at a time, each followed by the calculation.
void ChooseAttacker(ProgramState& state, int row);
void ChooseDefender(ProgramState& state, int row);
void SetAttackerCountText(ProgramState& state, std::string text);
// Attacker and defender change places, with one calculation at the end.
void SwitchAttDef(ProgramState& state);

// The count `amount` further on; text that is no number counts as 0, and the count wraps
// like every 64-bit figure of the calculation.
std::string SteppedCountText(std::string_view countText, std::int64_t amount);

// A stats file's bytes from elsewhere than the disk: when whole, its table and settings
// replace the current ones and the calculation follows; otherwise nothing changes.
StatsFileRead LoadStatsText(ProgramState& state, std::string_view bytes);

// Back to the built-in table and settings, in memory only, and calculated.
void RestoreBuiltInStats(ProgramState& state);
