#include <cstdint>
#include <string>
#include <utility>

#include "combat/efficiency.h"
#include "combat/wrap_math.h"
#include "data/int_text.h"
#include "data/program_state.h"
#include "reports/rate_text.h"
#include "reports/reports.h"

namespace {

const std::string kStep = "       =  ";

// Everything both texts are built from, computed once per calculation.
struct ResourcesFacts {
    const CombatState& combat;
    const std::string& attackerName;
    const std::string& defenderName;
    ResourceFigures attacker;
    ResourceFigures defender;
    char decimalSeparator;
};

struct RateBlock {
    const char* heading;
    const char* formula;
    std::int64_t shownDividend;
    std::int64_t shownDivisor;
    float rate;
};

// What the capturing side pays: boarding ships are used up in proportion to the value
// they take.
struct CaptureLosses {
    std::int64_t shipsLost = 0;
    std::int64_t lostResources = 0;
};

std::string Num(std::int64_t value) {
    return std::to_string(value);
}

std::string Rate(const ResourcesFacts& f, float rate) {
    return RateText(rate, f.decimalSeparator);
}

void AppendCostLines(ReportLines& lines, const std::string& margin, const ResourceFigures& r) {
    lines.push_back(margin + "M =  " + Num(r.Metal));
    lines.push_back(margin + "C =  " + Num(r.Crystal));
    lines.push_back(margin + "E =  " + Num(r.Eon));
    lines.push_back(" Total Resources =  " + Num(r.Total));
    lines.emplace_back();
    lines.push_back(" Total Score Value =  " + Num(r.Score));
    lines.emplace_back();
}

void AppendConclusion(ReportLines& lines, const ResourcesFacts& f, const std::string& sentence) {
    const CombatState& c = f.combat;
    if (c.TargetType == kNoTarget) {
        lines.push_back(" " + f.attackerName + "s " + c.OutcomeVerb + " " + f.defenderName + "s");
    }
    if (c.ShipsResult == 0 && c.TargetType != kNoTarget) {
        lines.emplace_back(" No Casualties");
    }
    if (c.ShipsResult != 0) {
        lines.push_back(sentence);
    }
}

void AppendRate(ReportLines& lines, const ResourcesFacts& f, const RateBlock& block,
                const std::string& sentence) {
    lines.emplace_back(block.heading);
    lines.push_back(kStep + block.formula);
    lines.push_back(kStep + Num(block.shownDividend) + "/" + Num(block.shownDivisor));
    lines.push_back(kStep + Rate(f, block.rate));
    AppendConclusion(lines, f, sentence);
}

std::int32_t CostPerShip(const ShipRecord& ship) {
    return wrap::Add(wrap::Add(ToInt32Or(ship[Col::Metal], 0), ToInt32Or(ship[Col::Crystal], 0)),
                     ToInt32Or(ship[Col::Eon], 0));
}

// A capturing type that costs nothing loses nothing.
CaptureLosses LossesOfCapture(std::int64_t captured, const ShipRecord& attacker,
                              const ShipRecord& defender) {
    const std::int64_t attackerCost = CostPerShip(attacker);
    if (attackerCost == 0) {
        return {};
    }
    CaptureLosses losses;
    losses.shipsLost =
        wrap::Div(wrap::Mul<std::int64_t>(captured, CostPerShip(defender)), attackerCost);
    losses.lostResources = wrap::Mul(losses.shipsLost, attackerCost);
    return losses;
}

// No ship lost means no resources lost; only a wrapped product gives 0 otherwise. Either
// way there is nothing to divide by, which the line calls infinite.
std::string CaptureEfficiencyLine(std::int64_t captured, std::int64_t lost) {
    if (captured == 0) {
        return kStep + "0 %";
    }
    if (lost == 0) {
        return kStep + "infinite %";
    }
    const double percent = static_cast<double>(captured) / static_cast<double>(lost) * 100.0;
    return kStep + RoundedWholeText(static_cast<float>(percent)) + " %";
}

void AppendCaptureSection(ReportLines& lines, const ResourcesFacts& f,
                          const CaptureLosses& losses) {
    lines.emplace_back();
    lines.push_back(" " + f.attackerName + "s lost during the capture process :-");
    lines.push_back(kStep + "Floor (Total Cost of " + f.defenderName + " Captured / Cost per " +
                    f.attackerName + ")");
    lines.push_back(kStep + Num(losses.shipsLost) + " " + f.attackerName + "s Lost");
    lines.emplace_back();
    lines.emplace_back(" Resource Capture Efficiency :-");
    lines.push_back(kStep + "(Captured Res/Lost Res)*100  (%)");
    lines.push_back(kStep + "(" + Num(f.defender.Total) + "/" + Num(losses.lostResources) +
                    ")*100  (%)");
    lines.push_back(CaptureEfficiencyLine(f.defender.Total, losses.lostResources));
}

ReportLines AttackerText(const ResourcesFacts& f, float resourceKillRate) {
    const CombatState& c = f.combat;
    const float shipKillRate = RatioOrZero(c.ShipsResult, c.AttackerShips);
    ReportLines lines = {
        " Attacker - " + f.attackerName, "",
        " Resources required for " + Num(c.AttackerShips) + " " + f.attackerName + "s attacking."};
    AppendCostLines(lines, "        ", f.attacker);
    AppendRate(lines, f,
               {" Ship Kill Rate  :-", "Ships Lost/Att. Ships", c.ShipsResult, c.AttackerShips,
                shipKillRate},
               " 1 " + f.attackerName + " " + c.OutcomeVerb + " " + Rate(f, shipKillRate) + " " +
                   f.defenderName + "s");
    lines.emplace_back();
    AppendRate(lines, f,
               {" Resource Kill Rate  :-", "Def Resources/Att Resources", f.defender.Total,
                f.attacker.Total, resourceKillRate},
               " 1k Resources spent on " + f.attackerName + "s " + c.OutcomeVerb + " " +
                   Rate(f, resourceKillRate) + "k Resouces spent on " + f.defenderName +
                   "s  (eqivalent to the " + c.EfficiencyText + "% on the main form)");
    return lines;
}

ReportLines DefenderText(const ResourcesFacts& f) {
    const CombatState& c = f.combat;
    const float shipDefendRate = RatioOrZero(c.AttackerShips, c.ShipsResult);
    const float resourceDefendRate = RatioOrZero(f.attacker.Score, f.defender.Score);
    ReportLines lines = {
        " Defender - " + f.defenderName, "",
        " Resources lost/held for " + Num(c.ShipsResult) + " " + f.defenderName + "s defending."};
    AppendCostLines(lines, "         ", f.defender);
    AppendRate(lines, f,
               {" Ship Defend Rate  :-", "Att. Ships/Ships Lost", c.AttackerShips, c.ShipsResult,
                shipDefendRate},
               " " + Rate(f, shipDefendRate) + " " + f.attackerName + " " + c.OutcomeVerb + " 1 " +
                   f.defenderName);
    lines.emplace_back();
    AppendRate(lines, f,
               {" Resource Def. Rate  :-", "Att Resources/Def Resources", f.attacker.Total,
                f.defender.Total, resourceDefendRate},
               " " + Rate(f, resourceDefendRate) + "k Resources spent on " + f.attackerName + "s " +
                   c.OutcomeVerb + " 1k Resouces spent on " + f.defenderName + "s");
    return lines;
}

}  // namespace

void UpdateResourcesReport(ProgramState& state) {
    CombatState& c = state.Combat;
    const ShipRecord& attacker = ShipAt(state.ActiveStats, c.AttackerRow);
    const ShipRecord& defender = ShipAt(state.ActiveStats, c.DefenderRow);
    const ResourcesFacts facts = {c,
                                  attacker[Col::ShipName],
                                  defender[Col::ShipName],
                                  FleetResources(attacker, c.AttackerShips),
                                  FleetResources(defender, c.ShipsResult),
                                  state.DecimalSeparator};
    const float resourceKillRate = RatioOrZero(facts.defender.Score, facts.attacker.Score);
    c.EfficiencyText = RoundedPercentText(resourceKillRate);

    ReportLines attackerLines = AttackerText(facts, resourceKillRate);
    if (c.OutcomeVerb == "will capture") {
        AppendCaptureSection(attackerLines, facts,
                             LossesOfCapture(c.ShipsResult, attacker, defender));
    }
    state.Reports.ResourcesAtt = std::move(attackerLines);
    UiOf(state).ReportUpdated(Report::ResourcesAtt);
    state.Reports.ResourcesDef = DefenderText(facts);
    UiOf(state).ReportUpdated(Report::ResourcesDef);
}
