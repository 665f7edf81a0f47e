#include "core/counters.h"

#include <algorithm>

#include "combat/efficiency.h"
#include "core/program_state.h"
#include "data/int_text.h"

namespace {

FleetCost CostOf(const ShipRecord& ship, std::int64_t ships) {
    FleetCost cost;
    const WideInt count = Widen(ships);
    cost.Metal = count * Widen(ToInt64Or(ship[Col::Metal], 0));
    cost.Crystal = count * Widen(ToInt64Or(ship[Col::Crystal], 0));
    cost.Eon = count * Widen(ToInt64Or(ship[Col::Eon], 0));
    cost.Total = cost.Metal + cost.Crystal + cost.Eon;
    return cost;
}

// The resource kill rate as the main window shows it, with the table's own (wrapping)
// figures: the value stopped per tick against the value of the fleet.
std::string EfficiencyAt(const ShipTable& table, const Counter& counter, int defenderRow) {
    const ResourceFigures attacker = FleetResources(table[counter.Row], counter.Stop.Ships);
    const ResourceFigures defender = FleetResources(table[defenderRow], counter.Stop.Result);
    return RoundedPercentText(RatioOrZero(defender.Score, attacker.Score));
}

bool CanStop(const Counter& counter) {
    return counter.Stop.Block == StopBlock::None;
}

}  // namespace

std::vector<Counter> RankCounters(const ProgramState& state, int defenderRow, std::int64_t wanted) {
    std::vector<Counter> counters(kShipCount);
    for (std::size_t row = 0; row < kShipCount; ++row) {
        Counter& counter = counters[row];
        counter.Row = static_cast<int>(row);
        counter.Stop = FindStop(state, counter.Row, defenderRow, wanted);
        if (CanStop(counter)) {
            counter.Cost = CostOf(state.ActiveStats[row], counter.Stop.Ships);
            counter.EfficiencyText = EfficiencyAt(state.ActiveStats, counter, defenderRow);
        }
    }
    std::stable_sort(counters.begin(), counters.end(), [](const Counter& a, const Counter& b) {
        if (CanStop(a) != CanStop(b)) {
            return CanStop(a);
        }
        return CanStop(a) && a.Cost.Total < b.Cost.Total;
    });
    return counters;
}
