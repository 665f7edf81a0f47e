#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/int_text.h"
#include "data/program_state.h"
#include "reports/reports.h"

namespace {

constexpr std::array<Col, 3> kTargetSlots = {Col::T1, Col::T2, Col::T3};
constexpr std::size_t kTertiary = 2;

// One side of the report. On the attacker's side the selected ship is the one that
// targets each row; on the defender's side each row is the one that targets it.
struct TargetingSide {
    const char* titlePrefix;
    // Primary, secondary, tertiary, then the rows no list took.
    std::array<const char*, 4> listWords;
    bool selectedIsHunter;
};

constexpr TargetingSide kAttackerSide = {
    " Attacker - ", {"Primary", "Secondary", "Tertiary", "Non"}, true};
constexpr TargetingSide kDefenderSide = {
    " Defender - ", {"Primary", "Secondary", "Tertiary", "Dont"}, false};

bool NeverTargetsPds(const ShipRecord& hunter) {
    const std::string& type = hunter[Col::ShipType];
    return type == "EMP" || type == "PDS" || type == "Steal";
}

bool LeftOutByPdsRule(const ShipRecord& hunter, const ShipRecord& prey) {
    return prey[Col::ShipType] == "PDS" && NeverTargetsPds(hunter);
}

// "All" counts in the tertiary slot only, and only for classes the first two slots miss.
bool TargetsInSlot(const ShipRecord& hunter, const ShipRecord& prey, std::size_t slot) {
    const std::string& preyClass = prey[Col::Cl];
    if (slot != kTertiary) {
        return hunter[kTargetSlots[slot]] == preyClass;
    }
    const std::string& tertiary = hunter[Col::T3];
    return (tertiary == preyClass || tertiary == "All") && hunter[Col::T1] != preyClass &&
           hunter[Col::T2] != preyClass;
}

// Built in one buffer: the report runs on every selection and lists every row.
std::string PrefixedNameClassInit(std::string_view prefix, const ShipRecord& ship) {
    const std::string& name = ship[Col::ShipName];
    const std::string& cls = ship[Col::Cl];
    const std::string& init = ship[Col::Init];
    std::string line;
    line.reserve(prefix.size() + name.size() + cls.size() + init.size() + 5);
    line.append(prefix).append(name).append("    ").append(cls).append(" ").append(init);
    return line;
}

std::string ShipLine(const ShipRecord& ship) {
    return PrefixedNameClassInit("     ", ship);
}

bool ListedInSlot(const TargetingSide& side, const ShipRecord& selected, const ShipRecord& other,
                  std::size_t slot) {
    const ShipRecord& hunter = side.selectedIsHunter ? selected : other;
    const ShipRecord& prey = side.selectedIsHunter ? other : selected;
    return TargetsInSlot(hunter, prey, slot) && !LeftOutByPdsRule(hunter, prey);
}

std::string ListHeading(const TargetingSide& side, const std::string& selectedName,
                        std::size_t list) {
    const std::string word = side.listWords[list];
    if (side.selectedIsHunter) {
        return " " + selectedName + " " + word + " Targets :-";
    }
    return " Ships that " + word + " Target " + selectedName + " :-";
}

ReportLines TargetingText(const TargetingSide& side, const ShipTable& table,
                          const ShipRecord& selected) {
    const std::string& name = selected[Col::ShipName];
    ReportLines lines = {PrefixedNameClassInit(side.titlePrefix, selected)};
    lines.reserve(kShipCount + 12);
    std::array<bool, kShipCount> listed{};
    for (std::size_t slot = 0; slot < kTargetSlots.size(); ++slot) {
        lines.emplace_back();
        lines.push_back(ListHeading(side, name, slot));
        for (std::size_t row = 0; row < kShipCount; ++row) {
            if (ListedInSlot(side, selected, table[row], slot)) {
                lines.push_back(ShipLine(table[row]));
                listed[row] = true;
            }
        }
    }
    lines.emplace_back();
    lines.push_back(ListHeading(side, name, kTargetSlots.size()));
    for (std::size_t row = 0; row < kShipCount; ++row) {
        if (!listed[row]) {
            lines.push_back(ShipLine(table[row]));
        }
    }
    return lines;
}

void PlaceTargeting(ProgramState& state, Report box, const TargetingSide& side, std::uint8_t row) {
    state.Reports[box] = TargetingText(side, state.ActiveStats, ShipAt(state.ActiveStats, row));
    UiOf(state).ReportUpdated(box);
}

}  // namespace

void UpdateTargetingReport(ProgramState& state) {
    state.Combat.AttackerShips = ToInt64Or(state.Inputs.AttShipsText, 0);
    PlaceTargeting(state, Report::TargetAtt, kAttackerSide, state.Combat.AttackerRow);
    PlaceTargeting(state, Report::TargetDef, kDefenderSide, state.Combat.DefenderRow);
}
