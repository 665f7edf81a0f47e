#include "data/stats_file.h"

#include "data/file_view.h"

namespace {

std::size_t ValueLineOfField(std::size_t field) {
    return 3 * field + 3;
}

}  // namespace

void FillFileView(FileView& view, std::string_view header, const ShipTable& table) {
    view.Clear();
    view.Append(header);
    for (const ShipRecord& ship : table) {
        for (std::size_t col = 0; col < kColumnCount; ++col) {
            view.Append(std::string(StatsColumnNames[col]) + " :-");
            view.Append(ship.fields[col]);
            view.Append("");
        }
    }
}

void ReadFieldsFromView(const FileView& view, ShipTable& table) {
    for (std::size_t field = 0; field < kShipCount * kColumnCount; ++field) {
        table[field / kColumnCount].fields[field % kColumnCount] =
            view.Line(ValueLineOfField(field));
    }
}
