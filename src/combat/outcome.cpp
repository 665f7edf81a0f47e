#include "combat/outcome.h"

#include <string>

#include "combat/wrap_math.h"
#include "data/int_text.h"
#include "data/program_state.h"
#include "reports/reports.h"

namespace {

std::uint8_t VariantFor(CombatState& c, const std::string& attackerType,
                        const std::string& defenderType) {
    std::uint8_t variant = VariantKill;
    if (attackerType == "EMP") {
        variant = VariantEmp;
    }
    if (attackerType == "Special") {
        variant = VariantPods;
    }
    if (attackerType == "Steal") {
        variant = VariantCapture;
    }
    if (c.TargetType == kNoTarget) {
        variant = VariantNoTarget;
    }
    if (defenderType == "PDS") {
        if (attackerType == "PDS") {
            variant = VariantPdsVsPds;
            c.TargetType = kNoTarget;
        }
        if (attackerType == "EMP" || attackerType == "Steal") {
            variant = VariantNoTarget;
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

void ChooseCombatVariant(ProgramState& state) {
    CombatState& c = state.Combat;
    c.CombatVariant = VariantFor(c, ShipAt(state.ActiveStats, c.AttackerRow)[Col::ShipType],
                                 ShipAt(state.ActiveStats, c.DefenderRow)[Col::ShipType]);
}

void RunCombatFormulas(CombatState& c) {
    const std::int64_t shots = wrap::Mul<std::int64_t>(c.AttackerShips, c.AttackerGuns);
    const std::int32_t rate = FlooredHitRate(c);
    switch (c.CombatVariant) {
        case VariantPods:
            c.HitRate = 0;
            c.TotalShots = 0;
            c.SuccessfulHits = 0;
            c.ShipsResult = 0;
            c.OutcomeVerb = "cant target";
            break;
        case VariantEmp:
            c.HitRate = 100;
            c.TotalShots = shots;
            c.SuccessfulHits = PercentOf(shots, 100);
            c.ShipsResult = PercentOf(c.SuccessfulHits, wrap::Sub(100, c.DefenderEmpRes));
            c.OutcomeVerb = "will hold";
            break;
        case VariantPdsVsPds:
            c.HitRate = rate;
            c.TotalShots = shots;
            c.SuccessfulHits = PercentOf(shots, rate);
            c.ShipsResult = 0;
            c.OutcomeVerb = "cant target";
            break;
        case VariantKill:
        case VariantCapture:
            c.HitRate = rate;
            c.TotalShots = shots;
            c.SuccessfulHits = PercentOf(shots, rate);
            c.HitsNeeded = HitsNeededFor(c);
            c.ShipsResult = ShipsDestroyed(c);
            c.OutcomeVerb = c.CombatVariant == VariantKill ? "will kill" : "will capture";
            break;
        default:
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

void WriteResultTexts(ProgramState& state, const ShipRecord& a, const ShipRecord& d) {
    CombatState& c = state.Combat;
    ResultTexts& r = state.Results;
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

std::string BuildResultLine(const ProgramState& state, const ShipRecord& a, const ShipRecord& d) {
    const CombatState& c = state.Combat;
    const ResultTexts& r = state.Results;
    std::string line = std::to_string(c.AttackerShips) + " " + a[Col::ShipName] + " " +
                       c.OutcomeVerb + " " + std::to_string(c.ShipsResult) + " " +
                       d[Col::ShipName] + ", " + r.ClassText + " " + r.InitText;
    if (HasTarget(c)) {
        line += ", " + r.TargetText;
    }
    return line;
}

}  // namespace

void CalculateCombat(ProgramState& state) {
    CombatState& c = state.Combat;
    if (c.RecalcGuard) {
        return;
    }
    const ShipRecord& a = ShipAt(state.ActiveStats, c.AttackerRow);
    const ShipRecord& d = ShipAt(state.ActiveStats, c.DefenderRow);
    c.AttackerShips = ToInt64Or(state.Inputs.AttShipsText, 0);
    ChooseCombatVariant(state);
    RunCombatFormulas(c);
    WriteResultTexts(state, a, d);
    c.ResultLine = BuildResultLine(state, a, d);
    UpdateResourcesReport(state);
    state.Results.Efficiency.clear();
    if (HasTarget(c)) {
        state.Results.Efficiency = c.EfficiencyText + "%";
        c.ResultLine += ", AttResEff = " + state.Results.Efficiency;
    }
    UiOf(state).ShowCurrentResult();
    UpdateCalculationReport(state);
}
