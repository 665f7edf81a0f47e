#include "core/calculation.h"

#include "combat/outcome.h"
#include "combat/target.h"
#include "core/report_updates.h"
#include "data/int_text.h"

namespace {

using TakeStats = void (*)(CombatState&, const ShipTable&, int);

void ApplySelection(ProgramState& state, TakeStats takeStats, int listIndex) {
    takeStats(state.Combat, state.ActiveStats, listIndex);
    ResolveTarget(state.Combat, state.ActiveStats);
    UpdateBasicStatsReport(state);
    UpdateTargetingReport(state);
}

}  // namespace

void ApplyAttackerSelection(ProgramState& state) {
    ApplySelection(state, TakeAttackerStats, state.Inputs.AttShipListIndex);
}

void ApplyDefenderSelection(ProgramState& state) {
    ApplySelection(state, TakeDefenderStats, state.Inputs.DefShipListIndex);
}

void CalculateCombat(ProgramState& state) {
    CombatState& c = state.Combat;
    c.AttackerShips = ToInt64Or(state.Inputs.AttShipsText, 0);
    ComputeOutcome(c, state.Results, state.ActiveStats);
    UpdateResourcesReport(state);
    AddEfficiency(c, state.Results);
    UiOf(state).ShowCurrentResult();
    UpdateCalculationReport(state);
}

void RecalculateAll(ProgramState& state) {
    state.ActiveStats = state.StoredStats;
    ApplyAttackerSelection(state);
    ApplyDefenderSelection(state);
    CalculateCombat(state);
}
