#pragma once

#include <cstdint>

#include "data/ship_table.h"

struct ProgramState;

inline constexpr std::int32_t kDefaultBaseHitChance = 25;

// The built-in table of 54 ship types.
ShipTable DefaultShipTable();

// Installs the default settings line (and so the default display settings), the base hit
// chance and the built-in table into StoredStats; outside start-up also the default file
// text into the file view. ActiveStats is left alone: it follows at the main window's
// next activation.
void BuildDefaultStats(ProgramState& state);
