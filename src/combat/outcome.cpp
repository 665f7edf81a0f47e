#include "combat/outcome.h"

#include <string>

#include "combat/wrap_math.h"

namespace {

CombatVariantValue VariantFor(CombatState& c, const std::string& attackerType,
                              const std::string& defenderType) {
    CombatVariantValue variant = CombatVariantValue::Kill;
    if (attackerType == "EMP") {
        variant = CombatVariantValue::Emp;
    }
    if (attackerType == "Special") {
        variant = CombatVariantValue::Pods;
    }
    if (attackerType == "Steal") {
        variant = CombatVariantValue::Capture;
    }
    if (c.TargetType == kNoTarget) {
        variant = CombatVariantValue::NoTarget;
    }
    if (defenderType == "PDS") {
        if (attackerType == "PDS") {
            variant = CombatVariantValue::PdsVsPds;
            c.TargetType = kNoTarget;
        }
        if (attackerType == "EMP" || attackerType == "Steal") {
            variant = CombatVariantValue::NoTarget;
            c.TargetType = kNoTarget;
        }
    }
    return variant;
}

// Hit rate in percent, never below 0 and without an upper limit.
std::int32_t FlooredHitRate(const CombatState& c) {
    const std::int32_t rate =
        wrap::Add(wrap::Sub(c.BaseHitChance, c.DefenderAgility), c.AttackerWeaponSpeed);
    return rate < 0 ? 0 : rate;
}

// Hits to kill or capture one defender: armour / power, rounded up for positive values.
// A power of 0 cannot damage anything; 0 then stands for "never".
std::int32_t HitsNeededFor(const CombatState& c) {
    if (c.AttackerPower == 0) {
        return 0;
    }
    const std::int32_t quotient = wrap::Div(c.DefenderArmour, c.AttackerPower);
    return wrap::Rem(c.DefenderArmour, c.AttackerPower) == 0 ? quotient : wrap::Add(quotient, 1);
}

std::int64_t ShipsDestroyed(const CombatState& c) {
    if (c.AttackerPower == 0) {
        return 0;
    }
    // No armour at all: every hit takes one ship.
    return c.HitsNeeded == 0 ? c.SuccessfulHits
                             : wrap::Div<std::int64_t>(c.SuccessfulHits, c.HitsNeeded);
}

std::int64_t PercentOf(std::int64_t amount, std::int32_t percent) {
    return wrap::Mul<std::int64_t>(amount, percent) / 100;
}

}  // namespace

void ChooseCombatVariant(CombatState& c, const ShipTable& table) {
    c.CombatVariant = VariantFor(c, ShipAt(table, c.AttackerRow)[Col::ShipType],
                                 ShipAt(table, c.DefenderRow)[Col::ShipType]);
}

void RunCombatFormulas(CombatState& c) {
    const std::int64_t shots = wrap::Mul<std::int64_t>(c.AttackerShips, c.AttackerGuns);
    const std::int32_t rate = FlooredHitRate(c);
    switch (c.CombatVariant) {
        case CombatVariantValue::Pods:
            c.HitRate = 0;
            c.TotalShots = 0;
            c.SuccessfulHits = 0;
            c.ShipsResult = 0;
            c.OutcomeVerb = "cant target";
            break;
        case CombatVariantValue::Emp:
            c.HitRate = 100;
            c.TotalShots = shots;
            c.SuccessfulHits = PercentOf(shots, 100);
            c.ShipsResult = PercentOf(c.SuccessfulHits, wrap::Sub(100, c.DefenderEmpRes));
            c.OutcomeVerb = "will hold";
            break;
        case CombatVariantValue::PdsVsPds:
            c.HitRate = rate;
            c.TotalShots = shots;
            c.SuccessfulHits = PercentOf(shots, rate);
            c.ShipsResult = 0;
            c.OutcomeVerb = "cant target";
            break;
        case CombatVariantValue::Kill:
        case CombatVariantValue::Capture:
            c.HitRate = rate;
            c.TotalShots = shots;
            c.SuccessfulHits = PercentOf(shots, rate);
            c.HitsNeeded = HitsNeededFor(c);
            c.ShipsResult = ShipsDestroyed(c);
            c.OutcomeVerb =
                c.CombatVariant == CombatVariantValue::Kill ? "will kill" : "will capture";
            break;
        case CombatVariantValue::NoTarget:
            c.HitRate = 0;
            c.TotalShots = shots;
            c.SuccessfulHits = 0;
            c.ShipsResult = 0;
            c.OutcomeVerb = "cant target";
            break;
    }
}

namespace {

bool HasTarget(const CombatState& c) {
    return c.TargetType != kNoTarget;
}

void WriteResultTexts(CombatState& c, ResultTexts& r, const ShipRecord& a, const ShipRecord& d) {
    r.CombatText = " " + c.OutcomeVerb;
    r.DefShips = std::to_string(c.ShipsResult);
    c.TargetLabel = "NA";
    r.TargetDisplay.clear();
    if (HasTarget(c)) {
        c.TargetLabel = "T" + std::to_string(c.TargetType + 1);
        r.TargetDisplay = c.TargetLabel;
    }
    r.InitText = " Init " + a[Col::Init] + " v " + d[Col::Init];
    r.TargetText = "Tar- " + c.TargetLabel;
    r.ClassText = a[Col::Cl] + " v " + d[Col::Cl] + ",";
}

std::string BuildResultLine(const CombatState& c, const ResultTexts& r, const ShipRecord& a,
                            const ShipRecord& d) {
    std::string line = std::to_string(c.AttackerShips) + " " + a[Col::ShipName] + " " +
                       c.OutcomeVerb + " " + std::to_string(c.ShipsResult) + " " +
                       d[Col::ShipName] + ", " + r.ClassText + " " + r.InitText;
    if (HasTarget(c)) {
        line += ", " + r.TargetText;
    }
    return line;
}

}  // namespace

void ComputeOutcome(CombatState& c, ResultTexts& r, const ShipTable& table) {
    const ShipRecord& a = ShipAt(table, c.AttackerRow);
    const ShipRecord& d = ShipAt(table, c.DefenderRow);
    ChooseCombatVariant(c, table);
    RunCombatFormulas(c);
    WriteResultTexts(c, r, a, d);
    c.ResultLine = BuildResultLine(c, r, a, d);
}

void AddEfficiency(CombatState& c, ResultTexts& r) {
    r.Efficiency.clear();
    if (HasTarget(c)) {
        r.Efficiency = c.EfficiencyText + "%";
        c.ResultLine += ", AttResEff = " + r.Efficiency;
    }
}
