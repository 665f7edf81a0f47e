#include <cstdint>
#include <string>
#include <string_view>

#include "combat/efficiency.h"
#include "combat/wrap_math.h"
#include "data/int_text.h"
#include "reports/rate_text.h"
#include "reports/reports.h"

namespace {

constexpr std::string_view kStep = "       =  ";

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

void WriteCostLines(ReportWriter& w, const char* margin, const ResourceFigures& r) {
    w.Add(margin, "M =  ", Num(r.Metal));
    w.Add(margin, "C =  ", Num(r.Crystal));
    w.Add(margin, "E =  ", Num(r.Eon));
    w.Add(" Total Resources =  ", Num(r.Total));
    w.Line();
    w.Add(" Total Score Value =  ", Num(r.Score));
    w.Line();
}

void WriteConclusion(ReportWriter& w, const ResourcesFacts& f, const std::string& sentence) {
    const CombatState& c = f.combat;
    if (c.TargetType == kNoTarget) {
        w.Add(" ", f.attackerName, "s ", c.OutcomeVerb, " ", f.defenderName, "s");
    }
    if (c.ShipsResult == 0 && c.TargetType != kNoTarget) {
        w.Add(" No Casualties");
    }
    if (c.ShipsResult != 0) {
        w.Add(sentence);
    }
}

void WriteRate(ReportWriter& w, const ResourcesFacts& f, const RateBlock& block,
               const std::string& sentence) {
    w.Add(block.heading);
    w.Add(kStep, block.formula);
    w.Add(kStep, Num(block.shownDividend), "/", Num(block.shownDivisor));
    w.Add(kStep, Rate(f, block.rate));
    WriteConclusion(w, f, sentence);
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
std::string CaptureEfficiency(std::int64_t captured, std::int64_t lost) {
    if (captured == 0) {
        return "0 %";
    }
    if (lost == 0) {
        return "infinite %";
    }
    const double percent = static_cast<double>(captured) / static_cast<double>(lost) * 100.0;
    return RoundedWholeText(static_cast<float>(percent)) + " %";
}

void WriteCaptureSection(ReportWriter& w, const ResourcesFacts& f, const CaptureLosses& losses) {
    w.Line();
    w.Add(" ", f.attackerName, "s lost during the capture process :-");
    w.Add(kStep, "Floor (Total Cost of ", f.defenderName, " Captured / Cost per ", f.attackerName,
          ")");
    w.Add(kStep, Num(losses.shipsLost), " ", f.attackerName, "s Lost");
    w.Line();
    w.Add(" Resource Capture Efficiency :-");
    w.Add(kStep, "(Captured Res/Lost Res)*100  (%)");
    w.Add(kStep, "(", Num(f.defender.Total), "/", Num(losses.lostResources), ")*100  (%)");
    w.Add(kStep, CaptureEfficiency(f.defender.Total, losses.lostResources));
}

void WriteAttackerText(ReportWriter& w, const ResourcesFacts& f, float resourceKillRate) {
    const CombatState& c = f.combat;
    const float shipKillRate = RatioOrZero(c.ShipsResult, c.AttackerShips);
    w.Add(" Attacker - ", f.attackerName);
    w.Line();
    w.Add(" Resources required for ", Num(c.AttackerShips), " ", f.attackerName, "s attacking.");
    WriteCostLines(w, "        ", f.attacker);
    WriteRate(w, f,
              {" Ship Kill Rate  :-", "Ships Lost/Att. Ships", c.ShipsResult, c.AttackerShips,
               shipKillRate},
              " 1 " + f.attackerName + " " + c.OutcomeVerb + " " + Rate(f, shipKillRate) + " " +
                  f.defenderName + "s");
    w.Line();
    WriteRate(w, f,
              {" Resource Kill Rate  :-", "Def Resources/Att Resources", f.defender.Total,
               f.attacker.Total, resourceKillRate},
              " 1k Resources spent on " + f.attackerName + "s " + c.OutcomeVerb + " " +
                  Rate(f, resourceKillRate) + "k Resouces spent on " + f.defenderName +
                  "s  (eqivalent to the " + c.EfficiencyText + "% on the main form)");
}

void WriteDefenderText(ReportWriter& w, const ResourcesFacts& f) {
    const CombatState& c = f.combat;
    const float shipDefendRate = RatioOrZero(c.AttackerShips, c.ShipsResult);
    const float resourceDefendRate = RatioOrZero(f.attacker.Score, f.defender.Score);
    w.Add(" Defender - ", f.defenderName);
    w.Line();
    w.Add(" Resources lost/held for ", Num(c.ShipsResult), " ", f.defenderName, "s defending.");
    WriteCostLines(w, "         ", f.defender);
    WriteRate(w, f,
              {" Ship Defend Rate  :-", "Att. Ships/Ships Lost", c.AttackerShips, c.ShipsResult,
               shipDefendRate},
              " " + Rate(f, shipDefendRate) + " " + f.attackerName + " " + c.OutcomeVerb + " 1 " +
                  f.defenderName);
    w.Line();
    WriteRate(w, f,
              {" Resource Def. Rate  :-", "Att Resources/Def Resources", f.attacker.Total,
               f.defender.Total, resourceDefendRate},
              " " + Rate(f, resourceDefendRate) + "k Resources spent on " + f.attackerName + "s " +
                  c.OutcomeVerb + " 1k Resouces spent on " + f.defenderName + "s");
}

}  // namespace

void BuildResourcesReport(ReportBoxes& boxes, const ShipTable& table, const CombatState& c,
                          char decimalSeparator) {
    const ShipRecord& attacker = ShipAt(table, c.AttackerRow);
    const ShipRecord& defender = ShipAt(table, c.DefenderRow);
    const ResourcesFacts facts = {c,
                                  attacker[Col::ShipName],
                                  defender[Col::ShipName],
                                  FleetResources(attacker, c.AttackerShips),
                                  FleetResources(defender, c.ShipsResult),
                                  decimalSeparator};
    const float resourceKillRate = ResourceKillRate(facts.attacker, facts.defender);

    RewriteBox(boxes, Report::ResourcesAtt, [&](ReportWriter& w) {
        WriteAttackerText(w, facts, resourceKillRate);
        if (c.OutcomeVerb == "will capture") {
            WriteCaptureSection(w, facts, LossesOfCapture(c.ShipsResult, attacker, defender));
        }
    });
    RewriteBox(boxes, Report::ResourcesDef, [&](ReportWriter& w) { WriteDefenderText(w, facts); });
}
