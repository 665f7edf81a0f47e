#include <cstdint>
#include <string>
#include <string_view>

#include "reports/reports.h"

namespace {

constexpr std::string_view kIndent = "    ";

// What the walkthrough shows besides the combat state: the two names, and the weapon
// speed and agility cells as typed, even when the calculation fell back on another value.
struct WalkthroughNames {
    const std::string& attacker;
    const std::string& defender;
    const std::string& weaponSpeedCell;
    const std::string& agilityCell;
};

// The kill and capture walkthroughs differ only in these words.
struct DestroyWording {
    const char* verb;
    const char* participle;
    const char* unit;
    const char* resultTag;
};

constexpr DestroyWording kKillWording = {"kill", "Killed", "    Kills (rounded Down)",
                                         "    Killed  "};
constexpr DestroyWording kCaptureWording = {"capture", "Captured",
                                            "    Ships Captured (rounded Down)", "    Captured "};

std::string Num(std::int64_t value) {
    return std::to_string(value);
}

// An indented "=  " line of a step.
template <typename... Pieces>
void Step(ReportWriter& w, const Pieces&... pieces) {
    w.Add(kIndent, "=  ", pieces...);
}

void WriteShotSteps(ReportWriter& w, const CombatState& c, const WalkthroughNames& n,
                    const char* unit) {
    w.Add(" 1. Total ", n.attacker, " shots fired is :-");
    Step(w, "Attackers Ships * Guns per Ship", unit);
    Step(w, Num(c.AttackerShips), " * ", Num(c.AttackerGuns), unit);
    Step(w, Num(c.TotalShots), unit);
    w.Line();
}

void WriteResultStep(ReportWriter& w, const CombatState& c, const WalkthroughNames& n) {
    w.Add(kIndent, "Result -   ", Num(c.AttackerShips), "  ", n.attacker, " ", c.OutcomeVerb, "  ",
          Num(c.ShipsResult), "  ", n.defender);
}

void WriteEmpSteps(ReportWriter& w, const CombatState& c, const WalkthroughNames& n) {
    WriteShotSteps(w, c, n, "");
    w.Add(" 2. And so Total ", n.defender, "s Held per tick can be found using :-");
    Step(w, "( Total Shots * ( 100 - Defender EMP Resistance )) / 100    Hits (rounded Down)");
    Step(w, "( ", Num(c.SuccessfulHits), " * ( 100 - ", Num(c.DefenderEmpRes),
         " )) / 100    Hits (rounded Down)");
    Step(w, Num(c.ShipsResult), "    EMPed  ", n.defender);
    w.Line();
    WriteResultStep(w, c, n);
}

void WriteHitRateSteps(ReportWriter& w, const CombatState& c, const WalkthroughNames& n) {
    const std::string base = Num(c.BaseHitChance);
    w.Add(" 2. The hit rate of ", n.attacker, " against ", n.defender, " is given by :-");
    Step(w, base, " + Attackers Weapon Speed - Defenders Agility    %");
    Step(w, base, " + ", n.weaponSpeedCell, " - ", n.agilityCell,
         "    %  (rounded to 0 if negative)");
    Step(w, Num(c.HitRate), "    %");
    w.Line();
    w.Add(" 3. The number of successful hits is found using :-");
    Step(w, "Total Shots * Hit Rate / 100    Hits (rounded Down)");
    Step(w, Num(c.TotalShots), " * ", Num(c.HitRate), " / 100    Hits (rounded Down)");
    Step(w, Num(c.SuccessfulHits), "    Hits");
    w.Line();
}

void WriteDestroySteps(ReportWriter& w, const CombatState& c, const WalkthroughNames& n,
                       const DestroyWording& wording) {
    WriteShotSteps(w, c, n, "    Shots");
    WriteHitRateSteps(w, c, n);
    w.Add(" 4. The number of hits needed to ", wording.verb, " 1 ", n.defender, " is given by :-");
    Step(w, "Defender Armour / Attacker Gun Power    Hits (rounded UP)");
    Step(w, Num(c.DefenderArmour), " / ", Num(c.AttackerPower), "    Hits (rounded UP)");
    Step(w, Num(c.HitsNeeded), "    Hits");
    w.Line();
    w.Add(" 5. And so Total ", n.defender, "s ", wording.participle,
          " per tick can be found using :-");
    Step(w, "Successful Hits / Hits needed for 1 ", wording.verb, wording.unit);
    Step(w, Num(c.SuccessfulHits), " / ", Num(c.HitsNeeded), wording.unit);
    Step(w, Num(c.ShipsResult), wording.resultTag, n.defender);
    w.Line();
    WriteResultStep(w, c, n);
}

void WriteBody(ReportWriter& w, const CombatState& c, const WalkthroughNames& n) {
    switch (c.CombatVariant) {
        case CombatVariantValue::Pods:
            w.Add(" Pods cant attack other ships");
            break;
        case CombatVariantValue::Emp:
            WriteEmpSteps(w, c, n);
            break;
        case CombatVariantValue::PdsVsPds:
            w.Add(" PDS cant attack PDS");
            break;
        case CombatVariantValue::Kill:
            WriteDestroySteps(w, c, n, kKillWording);
            break;
        case CombatVariantValue::Capture:
            WriteDestroySteps(w, c, n, kCaptureWording);
            break;
        case CombatVariantValue::NoTarget:
            w.Add(" Not a Target so no combat takes place.");
            break;
    }
}

}  // namespace

void BuildCalculationReport(ReportBoxes& boxes, const ShipTable& table, const CombatState& c) {
    const ShipRecord& attacker = ShipAt(table, c.AttackerRow);
    const ShipRecord& defender = ShipAt(table, c.DefenderRow);
    const WalkthroughNames names = {attacker[Col::ShipName], defender[Col::ShipName],
                                    attacker[Col::WPSP], defender[Col::Ag]};
    RewriteBox(boxes, Report::Calculation, [&](ReportWriter& w) {
        w.Add(" ", c.ResultLine);
        w.Add(" The calculation is carried out as follows");
        w.Line();
        WriteBody(w, c, names);
    });
}
