#include "reports/reports.h"

// The Basic Stats, Targeting and Calculation texts arrive with the Details window's
// report sections; until then the calculation's calls to them change nothing.
void UpdateBasicStatsReport(ProgramState&) {}
void UpdateTargetingReport(ProgramState&) {}
void UpdateCalculationReport(ProgramState&) {}
