#include "cli/text_output.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <sstream>
#include <string>
#include <vector>

#include "core/heat_scale.h"
#include "core/program_state.h"
#include "data/latin1_text.h"

namespace text_out {

namespace {

const std::string& NameOf(const ShipTable& table, int row) {
    return table[static_cast<std::size_t>(row)][Col::ShipName];
}

void WriteLines(std::ostream& out, const ReportLines& lines) {
    for (const std::string& line : lines) {
        out << line << '\n';
    }
}

using Row = std::vector<std::string>;

// Left-aligned first column, the others right-aligned, two blanks between.
void WriteTable(std::ostream& out, const std::vector<Row>& rows) {
    std::vector<std::size_t> widths(rows.front().size(), 0);
    for (const Row& row : rows) {
        for (std::size_t col = 0; col < row.size(); ++col) {
            widths[col] = std::max(widths[col], row[col].size());
        }
    }
    for (const Row& row : rows) {
        std::string line = "  ";
        for (std::size_t col = 0; col < row.size(); ++col) {
            const std::string padding(widths[col] - row[col].size(), ' ');
            line += col == 0 ? row[col] + padding : padding + row[col];
            line += col + 1 < row.size() ? "  " : "";
        }
        out << line << '\n';
    }
}

Row CounterRow(const CountersView& view, const Counter& counter) {
    const FleetCost& cost = counter.Cost;
    return {NameOf(view.Table, counter.Row),
            std::to_string(counter.Stop.Ships),
            WideText(cost.Metal),
            WideText(cost.Crystal),
            WideText(cost.Eon),
            WideText(cost.Total),
            counter.EfficiencyText + "%",
            VariantVerb(counter.Stop.Variant)};
}

// Composed in the program's 8-bit text, where one byte is one character so that columns line
// up, then handed over in UTF-8 as the JSON is.
template <typename Compose>
void WriteUtf8(std::ostream& out, Compose compose) {
    std::ostringstream latin1;
    compose(latin1);
    out << Utf8FromLatin1(latin1.str());
}

void ReportText(std::ostream& out, const ProgramState& state, ReportKind kind) {
    const std::vector<Report> boxes = BoxesOf(kind);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (i > 0) {
            out << '\n';
        }
        WriteLines(out, state.Reports[boxes[i]]);
    }
}

void StopText(std::ostream& out, const StopView& stop) {
    const std::string& att = NameOf(stop.Table, stop.AttackerRow);
    const std::string& def = NameOf(stop.Table, stop.DefenderRow);
    const StopAnswer& a = stop.Answer;
    const std::string verb = VariantVerb(a.Variant);
    if (a.Block != StopBlock::None) {
        out << "No number of " << att << " can " << verb << " " << stop.Wanted << " " << def
            << " in one tick: "
            << BlockText(a.Block, stop.Table, stop.AttackerRow, stop.DefenderRow, a.Limit) << ".\n";
        return;
    }
    out << "Fewest " << att << " that " << verb << " at least " << stop.Wanted << " " << def
        << " in one tick: " << a.Ships << " (they " << verb << " " << a.Result << "; "
        << a.Ships - 1 << " " << verb << " " << a.ResultOneFewer << ")\n"
        << "  " << stop.ResultLine << '\n'
        << "  " << stop.ResultLineOneFewer << '\n';
}

void CountersText(std::ostream& out, const CountersView& view) {
    const std::string& def = NameOf(view.Table, view.DefenderRow);
    std::vector<Row> rows = {
        {"Attacker", "Ships", "Metal", "Crystal", "Eon", "Total", "Eff", "Variant"}};
    std::vector<const Counter*> blocked;
    for (const Counter& counter : view.Ranking) {
        if (counter.Stop.Block == StopBlock::None) {
            rows.push_back(CounterRow(view, counter));
        } else {
            blocked.push_back(&counter);
        }
    }
    out << "Fleets that kill, hold or capture at least " << view.Wanted << " " << def
        << " in one tick, cheapest first:\n";
    if (rows.size() > 1) {
        WriteTable(out, rows);
    } else {
        out << "  (none)\n";
    }
    if (!blocked.empty()) {
        out << "Cannot stop them:\n";
    }
    for (const Counter* counter : blocked) {
        out << "  " << NameOf(view.Table, counter->Row) << ": "
            << BlockText(counter->Stop.Block, view.Table, counter->Row, view.DefenderRow,
                         counter->Stop.Limit)
            << '\n';
    }
}

void MatrixText(std::ostream& out, const MatrixView& view) {
    out << "Every attacker against every defender at " << view.Count
        << " ships: ships killed, held or captured in one tick, and resource efficiency:\n";
    std::vector<Row> rows = {{"Attacker", "Defender", "Stopped", "Eff"}};
    for (std::size_t att = 0; att < kShipCount; ++att) {
        for (std::size_t def = 0; def < kShipCount; ++def) {
            const MatrixCell& cell = view.Cells[att * kShipCount + def];
            const bool target = !cell.Efficiency.empty();
            rows.push_back({NameOf(view.Table, static_cast<int>(att)),
                            NameOf(view.Table, static_cast<int>(def)),
                            target ? std::to_string(cell.Result) : "-",
                            target ? cell.Efficiency + "%" : "no target"});
        }
    }
    WriteTable(out, rows);
}

// A field quoted when it holds a comma, a quote or a line break, its quotes doubled.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + "\"";
}

void MatrixCsv(std::ostream& out, const MatrixView& view) {
    out << "attacker,defender,variant,result,efficiency,color\n";
    for (std::size_t att = 0; att < kShipCount; ++att) {
        for (std::size_t def = 0; def < kShipCount; ++def) {
            const MatrixCell& cell = view.Cells[att * kShipCount + def];
            const std::optional<Rgb> color = CellColor(cell);
            out << CsvField(NameOf(view.Table, static_cast<int>(att))) << ','
                << CsvField(NameOf(view.Table, static_cast<int>(def))) << ','
                << VariantKey(cell.Variant) << ',' << cell.Result << ',' << cell.Efficiency << ','
                << (color ? CssColorText(*color) : "") << "\n";
        }
    }
}

}  // namespace

void WriteResult(std::ostream& out, const ProgramState& state) {
    WriteUtf8(out, [&state](std::ostream& text) { text << state.Combat.ResultLine << '\n'; });
}

void WriteReport(std::ostream& out, const ProgramState& state, ReportKind kind) {
    WriteUtf8(out, [&](std::ostream& text) { ReportText(text, state, kind); });
}

void WriteStop(std::ostream& out, const StopView& stop) {
    WriteUtf8(out, [&stop](std::ostream& text) { StopText(text, stop); });
}

void WriteCounters(std::ostream& out, const CountersView& counters) {
    WriteUtf8(out, [&counters](std::ostream& text) { CountersText(text, counters); });
}

void WriteMatrix(std::ostream& out, const MatrixView& matrix) {
    WriteUtf8(out, [&matrix](std::ostream& text) { MatrixText(text, matrix); });
}

void WriteMatrixCsv(std::ostream& out, const MatrixView& matrix) {
    WriteUtf8(out, [&matrix](std::ostream& text) { MatrixCsv(text, matrix); });
}

}  // namespace text_out
