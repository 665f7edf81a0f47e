#pragma once

#include <cstdint>
#include <string>

#include "combat/combat_state.h"
#include "data/ship_table.h"

// What a number of ships of one type cost; wrapping 64-bit products and sum.
struct ResourceFigures {
    std::int64_t Metal = 0;
    std::int64_t Crystal = 0;
    std::int64_t Eon = 0;
    std::int64_t Total = 0;
    std::int64_t Score = 0;  // Total / 10, truncated
};

ResourceFigures FleetResources(const ShipRecord& ship, std::int64_t ships);

// numerator / denominator in double, kept as single precision; 0 when denominator is 0.
float RatioOrZero(std::int64_t numerator, std::int64_t denominator);

// ratio x 100 rounded to the nearest whole number, halves to even, in plain decimal.
std::string RoundedPercentText(float ratio);

// The defender's score over the attacker's: resources destroyed per resource spent.
float ResourceKillRate(const ResourceFigures& attacker, const ResourceFigures& defender);

// The efficiency of the last calculation in `table`, as the main window shows it.
std::string EfficiencyPercentText(const CombatState& c, const ShipTable& table);
