#include "combat/efficiency.h"

#include <cmath>

#include "combat/wrap_math.h"
#include "data/int_text.h"
#include "data/number_text.h"

ResourceFigures FleetResources(const ShipRecord& ship, std::int64_t ships) {
    ResourceFigures f;
    f.Metal = wrap::Mul(ships, ToInt64Or(ship[Col::Metal], 0));
    f.Crystal = wrap::Mul(ships, ToInt64Or(ship[Col::Crystal], 0));
    f.Eon = wrap::Mul(ships, ToInt64Or(ship[Col::Eon], 0));
    f.Total = wrap::Add(wrap::Add(f.Metal, f.Crystal), f.Eon);
    f.Score = f.Total / 10;
    return f;
}

float RatioOrZero(std::int64_t numerator, std::int64_t denominator) {
    if (denominator == 0) {
        return 0.0F;
    }
    return static_cast<float>(static_cast<double>(numerator) / static_cast<double>(denominator));
}

std::string RoundedPercentText(float ratio) {
    // A float times 100 is exact in double; nearbyint rounds halves to even.
    return WholeNumberText(std::nearbyint(static_cast<double>(ratio) * 100.0));
}

float ResourceKillRate(const ResourceFigures& attacker, const ResourceFigures& defender) {
    return RatioOrZero(defender.Score, attacker.Score);
}

std::string EfficiencyPercentText(const CombatState& c, const ShipTable& table) {
    const ResourceFigures attacker = FleetResources(ShipAt(table, c.AttackerRow), c.AttackerShips);
    const ResourceFigures defender = FleetResources(ShipAt(table, c.DefenderRow), c.ShipsResult);
    return RoundedPercentText(ResourceKillRate(attacker, defender));
}
