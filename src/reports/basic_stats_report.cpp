#include <array>
#include <cstdint>
#include <string>

#include "reports/reports.h"

namespace {

struct LabelledCell {
    const char* label;
    Col column;
};

// Every label is padded to 23 characters so the cell texts line up.
constexpr std::array<LabelledCell, 18> kLabelledCells = {{
    {"     Race              ", Col::Race},
    {"     Class             ", Col::Cl},
    {"     Pri Target        ", Col::T1},
    {"     Sec Target        ", Col::T2},
    {"     Ter Target        ", Col::T3},
    {"     Initiiative       ", Col::Init},
    {"     Agility           ", Col::Ag},
    {"     Wpn Speed         ", Col::WPSP},
    {"     Guns              ", Col::Guns},
    {"     Power             ", Col::Power},
    {"     Armor             ", Col::Armor},
    {"     EMP Res           ", Col::EMPRes},
    {"     Metal             ", Col::Metal},
    {"     Crystal           ", Col::Crystal},
    {"     Eonium            ", Col::Eon},
    {"     Fuel              ", Col::Fuel},
    {"     ETA               ", Col::ETA},
    {"     Type              ", Col::ShipType},
}};

void WriteBasicStats(ReportWriter& writer, const char* sidePrefix, const ShipRecord& ship) {
    writer.Add(sidePrefix, ship[Col::ShipName]);
    writer.Line();
    writer.Add(" Basic Stats for the ", ship[Col::ShipName]);
    for (const LabelledCell& cell : kLabelledCells) {
        writer.Add(cell.label, ship[cell.column]);
    }
}

void PlaceBasicStats(ReportBoxes& boxes, Report box, const char* sidePrefix,
                     const ShipRecord& ship) {
    RewriteBox(boxes, box,
               [&](ReportWriter& writer) { WriteBasicStats(writer, sidePrefix, ship); });
}

}  // namespace

void BuildBasicStatsReport(ReportBoxes& boxes, const ShipTable& table, const CombatState& c) {
    PlaceBasicStats(boxes, Report::BasicStatsAtt, " Attacker - ", ShipAt(table, c.AttackerRow));
    PlaceBasicStats(boxes, Report::BasicStatsDef, " Defender - ", ShipAt(table, c.DefenderRow));
}
