#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "reports/reports.h"

namespace {

constexpr std::array<Col, 3> kTargetSlots = {Col::T1, Col::T2, Col::T3};
constexpr std::size_t kTertiary = 2;
constexpr std::string_view kShipIndent = "     ";

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

void WriteShipLine(ReportWriter& writer, std::string_view prefix, const ShipRecord& ship) {
    writer.Add(prefix, ship[Col::ShipName], "    ", ship[Col::Cl], " ", ship[Col::Init]);
}

bool ListedInSlot(const TargetingSide& side, const ShipRecord& selected, const ShipRecord& other,
                  std::size_t slot) {
    const ShipRecord& hunter = side.selectedIsHunter ? selected : other;
    const ShipRecord& prey = side.selectedIsHunter ? other : selected;
    return TargetsInSlot(hunter, prey, slot) && !LeftOutByPdsRule(hunter, prey);
}

void WriteListHeading(ReportWriter& writer, const TargetingSide& side,
                      const std::string& selectedName, std::size_t list) {
    const char* word = side.listWords[list];
    if (side.selectedIsHunter) {
        writer.Add(" ", selectedName, " ", word, " Targets :-");
    } else {
        writer.Add(" Ships that ", word, " Target ", selectedName, " :-");
    }
}

void WriteTargeting(ReportWriter& writer, const TargetingSide& side, const ShipTable& table,
                    const ShipRecord& selected) {
    const std::string& name = selected[Col::ShipName];
    WriteShipLine(writer, side.titlePrefix, selected);
    std::array<bool, kShipCount> listed{};
    for (std::size_t slot = 0; slot < kTargetSlots.size(); ++slot) {
        writer.Line();
        WriteListHeading(writer, side, name, slot);
        for (std::size_t row = 0; row < kShipCount; ++row) {
            if (ListedInSlot(side, selected, table[row], slot)) {
                WriteShipLine(writer, kShipIndent, table[row]);
                listed[row] = true;
            }
        }
    }
    writer.Line();
    WriteListHeading(writer, side, name, kTargetSlots.size());
    for (std::size_t row = 0; row < kShipCount; ++row) {
        if (!listed[row]) {
            WriteShipLine(writer, kShipIndent, table[row]);
        }
    }
}

void PlaceTargeting(ReportBoxes& boxes, Report box, const TargetingSide& side,
                    const ShipTable& table, std::uint8_t row) {
    const ShipRecord& selected = ShipAt(table, row);
    RewriteBox(boxes, box,
               [&](ReportWriter& writer) { WriteTargeting(writer, side, table, selected); });
}

}  // namespace

void BuildTargetingReport(ReportBoxes& boxes, const ShipTable& table, const CombatState& c) {
    PlaceTargeting(boxes, Report::TargetAtt, kAttackerSide, table, c.AttackerRow);
    PlaceTargeting(boxes, Report::TargetDef, kDefenderSide, table, c.DefenderRow);
}
