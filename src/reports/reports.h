#pragma once

#include "combat/combat_state.h"
#include "data/ship_table.h"
#include "reports/report_box.h"

// The Details window's explanatory texts, rebuilt from the combat state and the working
// table, one box after the other, attacker's box before defender's.
void BuildBasicStatsReport(ReportBoxes& boxes, const ShipTable& table, const CombatState& c);
void BuildTargetingReport(ReportBoxes& boxes, const ShipTable& table, const CombatState& c);
// Reads c.EfficiencyText, which the attacker's text quotes.
void BuildResourcesReport(ReportBoxes& boxes, const ShipTable& table, const CombatState& c,
                          char decimalSeparator);
void BuildCalculationReport(ReportBoxes& boxes, const ShipTable& table, const CombatState& c);
