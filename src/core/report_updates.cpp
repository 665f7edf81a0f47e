#include "core/report_updates.h"

#include "combat/efficiency.h"
#include "data/int_text.h"
#include "reports/reports.h"

namespace {

ReportBoxes BoxesOf(ProgramState& state) {
    return {state.Reports, [&state](Report box) { UiOf(state).ReportUpdated(box); }};
}

}  // namespace

void UpdateBasicStatsReport(ProgramState& state) {
    ReportBoxes boxes = BoxesOf(state);
    BuildBasicStatsReport(boxes, state.ActiveStats, state.Combat);
}

void UpdateTargetingReport(ProgramState& state) {
    state.Combat.AttackerShips = ToInt64Or(state.Inputs.AttShipsText, 0);
    ReportBoxes boxes = BoxesOf(state);
    BuildTargetingReport(boxes, state.ActiveStats, state.Combat);
}

void UpdateResourcesReport(ProgramState& state) {
    state.Combat.EfficiencyText = EfficiencyPercentText(state.Combat, state.ActiveStats);
    ReportBoxes boxes = BoxesOf(state);
    BuildResourcesReport(boxes, state.ActiveStats, state.Combat, state.DecimalSeparator);
}

void UpdateCalculationReport(ProgramState& state) {
    ReportBoxes boxes = BoxesOf(state);
    BuildCalculationReport(boxes, state.ActiveStats, state.Combat);
}
