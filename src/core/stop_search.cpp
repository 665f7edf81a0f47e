#include "core/stop_search.h"

#include <algorithm>
#include <limits>

#include "combat/combat_state.h"
#include "combat/outcome.h"
#include "combat/target.h"
#include "combat/wrap_math.h"
#include "core/program_state.h"

namespace {

constexpr std::int64_t kMaxCount = std::numeric_limits<std::int64_t>::max();

std::uint64_t Magnitude(std::int32_t value) {
    const std::int64_t wide = value;
    return static_cast<std::uint64_t>(wide < 0 ? -wide : wide);
}

std::int64_t ResultAt(CombatState& c, std::int64_t ships) {
    c.AttackerShips = ships;
    RunCombatFormulas(c);
    return c.ShipsResult;
}

// The count is multiplied by Guns, then by the hit rate (EMP: by 100, then by 100 less the
// resistance); each product is divided only afterwards. The largest factor decides how far
// the count can go before a product leaves the signed 64-bit range. Every factor is at most
// 2^31 in size, so their products stay below 2^62.
std::int64_t NonWrappingLimit(const CombatState& c) {
    const std::uint64_t guns = Magnitude(c.AttackerGuns);
    std::uint64_t widest = std::max(guns, guns * Magnitude(c.HitRate));
    if (c.CombatVariant == CombatVariantValue::Emp) {
        widest = std::max(widest, guns * Magnitude(wrap::Sub(100, c.DefenderEmpRes)));
    }
    return widest == 0 ? kMaxCount
                       : static_cast<std::int64_t>(static_cast<std::uint64_t>(kMaxCount) / widest);
}

// Within [0, limit] the result is 0 at 0 and monotone (its direction is the sign of guns x
// rate / hits needed), so once the limit reaches `wanted` the least count doing so is found
// by doubling, then halving. Keeps result(low) < wanted <= result(high).
std::int64_t FewestReaching(CombatState& c, std::int64_t wanted, std::int64_t limit) {
    std::int64_t low = 0;
    std::int64_t high = 1;
    while (ResultAt(c, high) < wanted) {
        low = high;
        high = high > limit / 2 ? limit : high * 2;
    }
    while (high - low > 1) {
        const std::int64_t middle = low + (high - low) / 2;
        if (ResultAt(c, middle) >= wanted) {
            high = middle;
        } else {
            low = middle;
        }
    }
    return high;
}

// Why no count in the non-wrapping range gives a positive result.
StopBlock BlockOf(const CombatState& c, bool resolvedAsTarget) {
    switch (c.CombatVariant) {
        case CombatVariantValue::NoTarget:
            return resolvedAsTarget ? StopBlock::PdsImmune : StopBlock::NotATarget;
        case CombatVariantValue::Pods:
            return StopBlock::Pods;
        case CombatVariantValue::PdsVsPds:
            return StopBlock::PdsVsPds;
        case CombatVariantValue::Emp:
        case CombatVariantValue::Kill:
        case CombatVariantValue::Capture:
            break;
    }
    if (c.AttackerGuns == 0) {
        return StopBlock::NoGuns;
    }
    if (c.CombatVariant == CombatVariantValue::Emp) {
        return wrap::Sub(100, c.DefenderEmpRes) <= 0 ? StopBlock::EmpResisted
                                                     : StopBlock::NegativeFigures;
    }
    if (c.HitRate == 0) {
        return StopBlock::NoHitChance;
    }
    if (c.AttackerPower == 0) {
        return StopBlock::NoGunPower;
    }
    return StopBlock::NegativeFigures;
}

}  // namespace

StopAnswer FindStop(const ProgramState& state, int attackerRow, int defenderRow,
                    std::int64_t wanted) {
    // A copy: the base hit chance and the table's figures, the shown results untouched.
    CombatState c = state.Combat;
    TakeAttackerStats(c, state.ActiveStats, attackerRow);
    TakeDefenderStats(c, state.ActiveStats, defenderRow);
    ResolveTarget(c, state.ActiveStats);
    const bool resolvedAsTarget = c.TargetType != kNoTarget;
    ChooseCombatVariant(c, state.ActiveStats);

    ResultAt(c, 1);  // the count-independent figures: hit rate, hits needed
    StopAnswer answer;
    answer.Variant = c.CombatVariant;
    answer.Limit = NonWrappingLimit(c);
    answer.ResultAtLimit = ResultAt(c, answer.Limit);
    if (answer.ResultAtLimit < wanted) {
        answer.Block =
            answer.ResultAtLimit > 0 ? StopBlock::BeyondRange : BlockOf(c, resolvedAsTarget);
        return answer;
    }
    answer.Ships = FewestReaching(c, wanted, answer.Limit);
    answer.Result = ResultAt(c, answer.Ships);
    answer.ResultOneFewer = ResultAt(c, answer.Ships - 1);
    return answer;
}

const char* VariantVerb(CombatVariantValue variant) {
    switch (variant) {
        case CombatVariantValue::Emp:
            return "hold";
        case CombatVariantValue::Kill:
            return "kill";
        case CombatVariantValue::Capture:
            return "capture";
        case CombatVariantValue::Pods:
        case CombatVariantValue::PdsVsPds:
        case CombatVariantValue::NoTarget:
            break;
    }
    return "stop";
}

std::string BlockText(StopBlock block, const ShipTable& table, int attackerRow, int defenderRow,
                      std::int64_t limit) {
    const ShipRecord& a = table[static_cast<std::size_t>(attackerRow)];
    const ShipRecord& d = table[static_cast<std::size_t>(defenderRow)];
    const std::string& att = a[Col::ShipName];
    const std::string& def = d[Col::ShipName];
    switch (block) {
        case StopBlock::None:
            return {};
        case StopBlock::NotATarget:
            return def + " (class " + d[Col::Cl] + ") is not a target of " + att + " (targets " +
                   a[Col::T1] + ", " + a[Col::T2] + ", " + a[Col::T3] + ")";
        case StopBlock::PdsImmune:
            return att + " (type " + a[Col::ShipType] + ") cannot target PDS";
        case StopBlock::Pods:
            return att + " is a pod (type Special): pods do not attack ships";
        case StopBlock::PdsVsPds:
            return "PDS cannot attack PDS";
        case StopBlock::NoGuns:
            return att + " has no guns (Guns 0)";
        case StopBlock::NoHitChance:
            return att + " has no hit chance against " + def +
                   " (25 + Wpn Speed - Agility is 0 or less)";
        case StopBlock::NoGunPower:
            return att + " has no gun power (Power 0)";
        case StopBlock::EmpResisted:
            return def + " resists EMP fully (EMP Res 100 or more)";
        case StopBlock::NegativeFigures:
            return "negative figures (Guns, hit rate or hits needed) give every count 0 or "
                   "fewer";
        case StopBlock::BeyondRange:
            return "only more than " + std::to_string(limit) + " ships could: past that count " +
                   "the figures wrap around the 64-bit range, so the table gives no true count";
    }
    return {};
}
