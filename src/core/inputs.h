#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/program_state.h"

// The calculator's three inputs, each change followed by the one calculation it needs.
// Rows outside the table read as row 0, as everywhere in the calculation.

void SelectAttacker(ProgramState& state, int row);
void SelectDefender(ProgramState& state, int row);
// The count box's text as typed: anything that is not a whole number counts as 0 ships.
void SetCountText(ProgramState& state, std::string countText);
// All three at once, then both selections and a single calculation: start-up, and the
// companion's one-shot questions.
void SetInputs(ProgramState& state, int attackerRow, int defenderRow, std::string countText);
// Attacker and defender change places in one step, calculated once.
void SwapShips(ProgramState& state);

// The spin buttons and keys: the count read as the calculation reads it (0 when it is no
// number), plus `amount`, wrapping like every 64-bit figure of the calculation.
std::string SteppedCountText(std::string_view countText, std::int64_t amount);
void StepCount(ProgramState& state, std::int64_t amount);

// What the calculation makes of a count box text that is no number, said at once as a short
// notice; empty for a number and for the empty box, which is only being retyped.
std::string CountNotice(std::string_view countText);

int SelectedAttacker(const ProgramState& state);
int SelectedDefender(const ProgramState& state);
const std::string& CountText(const ProgramState& state);
