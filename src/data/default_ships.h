#pragma once

#include <cstdint>

#include "data/ship_table.h"

inline constexpr std::int32_t kDefaultBaseHitChance = 25;

// The built-in table of 54 ship types.
ShipTable DefaultShipTable();
