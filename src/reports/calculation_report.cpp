#include <cstdint>
#include <string>
#include <utility>

#include "data/program_state.h"
#include "reports/reports.h"

namespace {

const std::string kIndent = "    ";

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

std::string Step(const std::string& text) {
    return kIndent + "=  " + text;
}

void AppendShotSteps(ReportLines& lines, const CombatState& c, const WalkthroughNames& n,
                     const std::string& unit) {
    lines.push_back(" 1. Total " + n.attacker + " shots fired is :-");
    lines.push_back(Step("Attackers Ships * Guns per Ship" + unit));
    lines.push_back(Step(Num(c.AttackerShips) + " * " + Num(c.AttackerGuns) + unit));
    lines.push_back(Step(Num(c.TotalShots) + unit));
    lines.emplace_back();
}

void AppendResultStep(ReportLines& lines, const CombatState& c, const WalkthroughNames& n) {
    lines.push_back(kIndent + "Result -   " + Num(c.AttackerShips) + "  " + n.attacker + " " +
                    c.OutcomeVerb + "  " + Num(c.ShipsResult) + "  " + n.defender);
}

void AppendEmpSteps(ReportLines& lines, const CombatState& c, const WalkthroughNames& n) {
    AppendShotSteps(lines, c, n, "");
    lines.push_back(" 2. And so Total " + n.defender + "s Held per tick can be found using :-");
    lines.push_back(
        Step("( Total Shots * ( 100 - Defender EMP Resistance )) / 100    Hits (rounded Down)"));
    lines.push_back(Step("( " + Num(c.SuccessfulHits) + " * ( 100 - " + Num(c.DefenderEmpRes) +
                         " )) / 100    Hits (rounded Down)"));
    lines.push_back(Step(Num(c.ShipsResult) + "    EMPed  " + n.defender));
    lines.emplace_back();
    AppendResultStep(lines, c, n);
}

void AppendHitRateSteps(ReportLines& lines, const CombatState& c, const WalkthroughNames& n) {
    const std::string base = Num(c.BaseHitChance);
    lines.push_back(" 2. The hit rate of " + n.attacker + " against " + n.defender +
                    " is given by :-");
    lines.push_back(Step(base + " + Attackers Weapon Speed - Defenders Agility    %"));
    lines.push_back(Step(base + " + " + n.weaponSpeedCell + " - " + n.agilityCell +
                         "    %  (rounded to 0 if negative)"));
    lines.push_back(Step(Num(c.HitRate) + "    %"));
    lines.emplace_back();
    lines.push_back(" 3. The number of successful hits is found using :-");
    lines.push_back(Step("Total Shots * Hit Rate / 100    Hits (rounded Down)"));
    lines.push_back(
        Step(Num(c.TotalShots) + " * " + Num(c.HitRate) + " / 100    Hits (rounded Down)"));
    lines.push_back(Step(Num(c.SuccessfulHits) + "    Hits"));
    lines.emplace_back();
}

void AppendDestroySteps(ReportLines& lines, const CombatState& c, const WalkthroughNames& n,
                        const DestroyWording& w) {
    AppendShotSteps(lines, c, n, "    Shots");
    AppendHitRateSteps(lines, c, n);
    lines.push_back(std::string(" 4. The number of hits needed to ") + w.verb + " 1 " + n.defender +
                    " is given by :-");
    lines.push_back(Step("Defender Armour / Attacker Gun Power    Hits (rounded UP)"));
    lines.push_back(
        Step(Num(c.DefenderArmour) + " / " + Num(c.AttackerPower) + "    Hits (rounded UP)"));
    lines.push_back(Step(Num(c.HitsNeeded) + "    Hits"));
    lines.emplace_back();
    lines.push_back(" 5. And so Total " + n.defender + "s " + w.participle +
                    " per tick can be found using :-");
    lines.push_back(Step(std::string("Successful Hits / Hits needed for 1 ") + w.verb + w.unit));
    lines.push_back(Step(Num(c.SuccessfulHits) + " / " + Num(c.HitsNeeded) + w.unit));
    lines.push_back(Step(Num(c.ShipsResult) + w.resultTag + n.defender));
    lines.emplace_back();
    AppendResultStep(lines, c, n);
}

void AppendBody(ReportLines& lines, const CombatState& c, const WalkthroughNames& n) {
    switch (c.CombatVariant) {
        case VariantPods:
            lines.emplace_back(" Pods cant attack other ships");
            break;
        case VariantEmp:
            AppendEmpSteps(lines, c, n);
            break;
        case VariantPdsVsPds:
            lines.emplace_back(" PDS cant attack PDS");
            break;
        case VariantKill:
            AppendDestroySteps(lines, c, n, kKillWording);
            break;
        case VariantCapture:
            AppendDestroySteps(lines, c, n, kCaptureWording);
            break;
        default:
            lines.emplace_back(" Not a Target so no combat takes place.");
            break;
    }
}

}  // namespace

void UpdateCalculationReport(ProgramState& state) {
    const CombatState& c = state.Combat;
    const ShipRecord& attacker = ShipAt(state.ActiveStats, c.AttackerRow);
    const ShipRecord& defender = ShipAt(state.ActiveStats, c.DefenderRow);
    const WalkthroughNames names = {attacker[Col::ShipName], defender[Col::ShipName],
                                    attacker[Col::WPSP], defender[Col::Ag]};
    ReportLines lines = {" " + c.ResultLine, " The calculation is carried out as follows", ""};
    AppendBody(lines, c, names);
    state.Reports.Calculation = std::move(lines);
    UiOf(state).ReportUpdated(Report::Calculation);
}
