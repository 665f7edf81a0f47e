#include "combat/efficiency.h"
#include "data/program_state.h"
#include "reports/reports.h"

void UpdateResourcesReport(ProgramState& state) {
    CombatState& c = state.Combat;
    const ResourceFigures attacker =
        FleetResources(ShipAt(state.ActiveStats, c.AttackerRow), c.AttackerShips);
    const ResourceFigures defender =
        FleetResources(ShipAt(state.ActiveStats, c.DefenderRow), c.ShipsResult);
    c.EfficiencyText = RoundedPercentText(RatioOrZero(defender.Score, attacker.Score));
}
