#include "cli/json_output.h"

#include <nlohmann/json.hpp>
#include <string>

#include "core/heat_scale.h"
#include "core/program_state.h"
#include "data/latin1_text.h"

namespace json_out {

namespace {

using nlohmann::json;

json Lines(const ReportLines& lines) {
    json array = json::array();
    for (const std::string& line : lines) {
        array.push_back(Utf8FromLatin1(line));
    }
    return array;
}

std::string NameOf(const ShipTable& table, int row) {
    return Utf8FromLatin1(table[static_cast<std::size_t>(row)][Col::ShipName]);
}

// Costs past the signed 64-bit range are given as decimal text.
json Wide(WideInt value) {
    return FitsInt64(value) ? json(static_cast<std::int64_t>(value)) : json(WideText(value));
}

const char* SideOf(Report box) {
    switch (box) {
        case Report::Calculation:
            return "calculation";
        case Report::TargetAtt:
        case Report::ResourcesAtt:
        case Report::BasicStatsAtt:
            return "attacker";
        default:
            return "defender";
    }
}

const char* KindName(ReportKind kind) {
    switch (kind) {
        case ReportKind::Calculation:
            return "calculation";
        case ReportKind::Targeting:
            return "targeting";
        case ReportKind::Resources:
            return "resources";
        case ReportKind::Basic:
            return "basic";
    }
    return "";
}

json Blocked(StopBlock block, const ShipTable& table, int attackerRow, int defenderRow,
             std::int64_t limit) {
    return {
        {"reason", BlockKey(block)},
        {"reason_text", Utf8FromLatin1(BlockText(block, table, attackerRow, defenderRow, limit))}};
}

json CounterEntry(const CountersView& view, const Counter& counter) {
    json entry = {{"attacker", NameOf(view.Table, counter.Row)},
                  {"row", counter.Row},
                  {"variant", VariantKey(counter.Stop.Variant)}};
    if (counter.Stop.Block != StopBlock::None) {
        entry.update(Blocked(counter.Stop.Block, view.Table, counter.Row, view.DefenderRow,
                             counter.Stop.Limit));
        return entry;
    }
    entry.update({{"ships", counter.Stop.Ships},
                  {"result", counter.Stop.Result},
                  {"metal", Wide(counter.Cost.Metal)},
                  {"crystal", Wide(counter.Cost.Crystal)},
                  {"eon", Wide(counter.Cost.Eon)},
                  {"total", Wide(counter.Cost.Total)},
                  {"efficiency", Utf8FromLatin1(counter.EfficiencyText)}});
    return entry;
}

json MatrixEntry(const MatrixCell& cell) {
    const std::optional<Rgb> color = CellColor(cell);
    return {{"variant", VariantKey(cell.Variant)},
            {"result", cell.Result},
            {"efficiency", color ? json(Utf8FromLatin1(cell.Efficiency)) : json(nullptr)},
            {"color", color ? json(CssColorText(*color)) : json(nullptr)}};
}

void Write(std::ostream& out, const json& answer) {
    out << answer.dump(2) << '\n';
}

}  // namespace

void WriteResult(std::ostream& out, const ProgramState& state) {
    const CombatState& c = state.Combat;
    Write(out, {{"command", "result"},
                {"attacker", NameOf(state.ActiveStats, c.AttackerRow)},
                {"defender", NameOf(state.ActiveStats, c.DefenderRow)},
                {"ships", c.AttackerShips},
                {"variant", VariantKey(c.CombatVariant)},
                {"outcome", c.OutcomeVerb},
                {"result", c.ShipsResult},
                {"target", c.TargetLabel},
                {"efficiency", Utf8FromLatin1(state.Results.Efficiency)},
                {"result_line", Utf8FromLatin1(c.ResultLine)}});
}

void WriteReport(std::ostream& out, const ProgramState& state, ReportKind kind) {
    json texts = json::object();
    for (const Report box : BoxesOf(kind)) {
        texts[SideOf(box)] = Lines(state.Reports[box]);
    }
    Write(out, {{"command", "report"}, {"report", KindName(kind)}, {"texts", texts}});
}

void WriteStop(std::ostream& out, const StopView& stop) {
    const StopAnswer& a = stop.Answer;
    json answer = {{"command", "stop"},
                   {"attacker", NameOf(stop.Table, stop.AttackerRow)},
                   {"defender", NameOf(stop.Table, stop.DefenderRow)},
                   {"wanted", stop.Wanted},
                   {"variant", VariantKey(a.Variant)},
                   {"found", a.Block == StopBlock::None},
                   {"non_wrapping_limit", a.Limit}};
    if (a.Block != StopBlock::None) {
        answer.update(Blocked(a.Block, stop.Table, stop.AttackerRow, stop.DefenderRow, a.Limit));
    } else {
        answer.update({{"ships", a.Ships},
                       {"result", a.Result},
                       {"result_line", Utf8FromLatin1(stop.ResultLine)},
                       {"one_fewer",
                        {{"ships", a.Ships - 1},
                         {"result", a.ResultOneFewer},
                         {"result_line", Utf8FromLatin1(stop.ResultLineOneFewer)}}}});
    }
    Write(out, answer);
}

void WriteCounters(std::ostream& out, const CountersView& view) {
    json ranking = json::array();
    for (const Counter& counter : view.Ranking) {
        ranking.push_back(CounterEntry(view, counter));
    }
    Write(out, {{"command", "counters"},
                {"defender", NameOf(view.Table, view.DefenderRow)},
                {"wanted", view.Wanted},
                {"counters", ranking}});
}

void WriteMatrix(std::ostream& out, const MatrixView& view) {
    json ships = json::array();
    json rows = json::array();
    for (std::size_t att = 0; att < kShipCount; ++att) {
        ships.push_back(NameOf(view.Table, static_cast<int>(att)));
        json row = json::array();
        for (std::size_t def = 0; def < kShipCount; ++def) {
            row.push_back(MatrixEntry(view.Cells[att * kShipCount + def]));
        }
        rows.push_back(std::move(row));
    }
    Write(out, {{"command", "matrix"}, {"count", view.Count}, {"ships", ships}, {"cells", rows}});
}

}  // namespace json_out
