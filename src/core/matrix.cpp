#include "core/matrix.h"

#include "combat/efficiency.h"
#include "combat/outcome.h"
#include "combat/target.h"

std::vector<MatrixCell> PairingMatrix(const ProgramState& state, std::int64_t count) {
    const ShipTable& table = state.ActiveStats;
    std::vector<MatrixCell> cells(kShipCount * kShipCount);
    CombatState c = state.Combat;
    c.AttackerShips = count;
    for (std::size_t attacker = 0; attacker < kShipCount; ++attacker) {
        TakeAttackerStats(c, table, static_cast<int>(attacker));
        for (std::size_t defender = 0; defender < kShipCount; ++defender) {
            TakeDefenderStats(c, table, static_cast<int>(defender));
            ResolveTarget(c, table);
            ChooseCombatVariant(c, table);
            RunCombatFormulas(c);
            MatrixCell& cell = cells[attacker * kShipCount + defender];
            cell.Variant = c.CombatVariant;
            cell.Result = c.ShipsResult;
            if (c.TargetType != kNoTarget) {
                cell.Efficiency = EfficiencyPercentText(c, table);
            }
        }
    }
    return cells;
}
