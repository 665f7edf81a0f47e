// The page's way into the engine. The page's script calls sk_call(session, command, a, b, c)
// with UTF-8 texts and their lengths; the command runs through the engine, and the answer is
// JSON of plain data: figures, texts, lists and the table, named for what they are. The page
// decides how and where to show them and what to keep. 8-bit text stays 8-bit: it reaches
// the page as Latin-1 characters, and text from the page that Latin-1 cannot hold is refused.
#include <emscripten/emscripten.h>

#include <nlohmann/json.hpp>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/engine.h"
#include "data/int_text.h"
#include "data/latin1_text.h"

namespace {

using Json = nlohmann::json;

// A stats file as the page keeps it: the name it was opened under and its bytes; no bytes
// for the built-in table.
struct TableFile {
    std::string name;
    std::string bytes;
};

struct Session {
    Engine engine;
    TableFile file;
    std::string answer;
};

struct Args {
    std::string_view a, b, c;
};

Json Text(std::string_view bytes) {
    return Utf8FromLatin1(bytes);
}

template <typename Texts>
Json TextList(const Texts& texts) {
    Json list = Json::array();
    for (const std::string_view text : texts) {
        list.push_back(Text(text));
    }
    return list;
}

// 8-bit text from the page; what Latin-1 cannot hold is left out.
std::string Bytes(std::string_view utf8) {
    return Latin1FromUtf8(utf8).value_or("");
}

// A command the page cannot use answers only why, as "error".
void Refuse(Json& out, const std::string& why) {
    out = {{"error", Text(why)}};
}

std::optional<std::int64_t> WholeNumber(std::string_view text, std::string_view what, Json& out) {
    const std::optional<std::int64_t> number = ParseInt64(text);
    if (!number) {
        Refuse(out, std::string(what) + " '" + Bytes(text) + "' is not a whole number");
    }
    return number;
}

// A row or column of the table, or an entry of the log.
std::optional<std::size_t> Index(std::string_view text, std::string_view what, std::size_t count,
                                 Json& out) {
    const std::optional<std::int64_t> number = WholeNumber(text, what, out);
    if (!number) {
        return std::nullopt;
    }
    if (*number < 0 || static_cast<std::uint64_t>(*number) >= count) {
        Refuse(out, std::string(what) + " " + std::to_string(*number) + " is outside 0 to " +
                        std::to_string(count - 1));
        return std::nullopt;
    }
    return static_cast<std::size_t>(*number);
}

std::optional<int> Row(std::string_view text, Json& out) {
    const std::optional<std::size_t> row = Index(text, "row", kShipCount, out);
    return row ? std::optional<int>(static_cast<int>(*row)) : std::nullopt;
}

void AddResults(const ProgramState& state, Json& out) {
    const ResultTexts& r = CurrentResults(state);
    out["inputs"] = {{"attacker", SelectedAttacker(state)},
                     {"defender", SelectedDefender(state)},
                     {"count", Text(CountText(state))}};
    out["results"] = {
        {"outcome", Text(r.CombatText)},       {"defenders", Text(r.DefShips)},
        {"targetSlot", Text(r.TargetDisplay)}, {"initiatives", Text(r.InitText)},
        {"target", Text(r.TargetText)},        {"classes", Text(r.ClassText)},
        {"efficiency", Text(r.Efficiency)},    {"resultLine", Text(CurrentResultLine(state))}};
    Json reports = Json::array();
    for (const ReportBox& box : kReportBoxes) {
        reports.push_back(TextList(ReportText(state, box.report)));
    }
    out["reports"] = std::move(reports);
}

void AddLog(const ProgramState& state, Json& out) {
    out["log"] = {{"entries", TextList(LogEntries(state))},
                  {"selected", SelectedLogEntry(state)},
                  {"text", Text(CopiedLogText(state))}};
}

void AddGrid(const ProgramState& state, Json& out) {
    Json rows = Json::array();
    for (const ShipRecord& ship : EditedStats(state)) {
        rows.push_back(TextList(ship.fields));
    }
    out["grid"] = {{"columns", TextList(StatsColumnNames)},
                   {"rows", std::move(rows)},
                   {"editing", EditingStats(state)}};
}

// What the table sets outside the grid: the ship lists, the header box and the colours, in
// the order of the colour roles.
void AddTableFile(const ProgramState& state, Json& out) {
    out["ships"] = TextList(ShipNames(state));
    out["file"] = {{"header", Text(StatsFileHeader(state))},
                   {"location", Text(StatsFileLocation(state))}};
    Json colors = Json::array();
    for (const ColorField& field : kColorFields) {
        colors.push_back(CssColor(DisplaySettingsOf(state).*field.value));
    }
    out["colors"] = std::move(colors);
}

// The file the page keeps between visits, once it changed.
void AddKeptTable(const Session& s, Json& out) {
    out["table"] = {{"name", Text(s.file.name)}, {"bytes", Text(s.file.bytes)}};
}

void AddEverything(const Session& s, Json& out) {
    const ProgramState& state = s.engine.State();
    AddTableFile(state, out);
    AddResults(state, out);
    AddLog(state, out);
    AddGrid(state, out);
}

void UseBuiltInTable(Session& s) {
    s.engine.RestoreBuiltInStats();
    s.file = {};
}

// A whole file's table; anything else leaves the table as it was.
StatsFileRead OpenTable(Session& s, TableFile file) {
    const StatsFileRead read = s.engine.OpenStatsBytes(file.name, file.bytes);
    if (read == StatsFileRead::Whole) {
        s.file = std::move(file);
    }
    return read;
}

using Command = void (*)(Session&, const Args&, Json&);

// The kept table (a: its bytes, b: its name) and log (c), then the start-up inputs that
// the settings line names. All but the grid, which the page asks for when it is needed.
void Start(Session& s, const Args& in, Json& out) {
    if (in.a.empty() || OpenTable(s, {Bytes(in.b), Bytes(in.a)}) != StatsFileRead::Whole) {
        UseBuiltInTable(s);
    }
    const DisplaySettings& d = DisplaySettingsOf(s.engine.State());
    const auto row = [](std::int64_t index) {
        return static_cast<int>(index >= 0 && index < kShipCount ? index : 0);
    };
    s.engine.SetInputs(row(d.DefaultAttacker), row(d.DefaultDefender),
                       std::to_string(d.DefaultFleetSize));
    s.engine.RestoreLog(Bytes(in.c));
    AddTableFile(s.engine.State(), out);
    AddResults(s.engine.State(), out);
    AddLog(s.engine.State(), out);
}

// The results log's commands, for the page's buttons and keys.
void Commands(Session&, const Args&, Json& out) {
    Json rows = Json::array();
    for (const LogCommandRow& row : kLogCommands) {
        rows.push_back({{"name", row.name},
                        {"caption", row.caption},
                        {"buttonKey", row.buttonKey},
                        {"listKey", row.listKey},
                        {"description", row.description}});
    }
    out["logCommands"] = std::move(rows);
}

void Count(Session& s, const Args& in, Json& out) {
    s.engine.SetCountText(Bytes(in.a));
    AddResults(s.engine.State(), out);
    if (const std::string notice = CountNotice(Bytes(in.a)); !notice.empty()) {
        out["message"] = Text(notice);
    }
}

// The spin buttons and the count box's keys: a: how many ships more (fewer when negative).
void Step(Session& s, const Args& in, Json& out) {
    if (const std::optional<std::int64_t> amount = WholeNumber(in.a, "step", out)) {
        s.engine.StepCount(*amount);
        AddResults(s.engine.State(), out);
    }
}

void Attacker(Session& s, const Args& in, Json& out) {
    if (const std::optional<int> row = Row(in.a, out)) {
        s.engine.SelectAttacker(*row);
        AddResults(s.engine.State(), out);
    }
}

void Defender(Session& s, const Args& in, Json& out) {
    if (const std::optional<int> row = Row(in.a, out)) {
        s.engine.SelectDefender(*row);
        AddResults(s.engine.State(), out);
    }
}

void Switch(Session& s, const Args&, Json& out) {
    s.engine.SwapShips();
    AddResults(s.engine.State(), out);
}

void CopyResult(Session& s, const Args&, Json& out) {
    out["clip"] = Text(CurrentResultLine(s.engine.State()));
}

// A file the user chose or dropped (a: its bytes, b: its name; c: "missing" when the
// browser could not read it); one that cannot be used leaves the table as it was.
void Open(Session& s, const Args& in, Json& out) {
    const std::string name = Latin1FromUtf8(in.b).value_or("ShipStats.txt");
    const StatsFileRead read =
        in.c == "missing" ? StatsFileRead::NotFound : OpenTable(s, {name, Bytes(in.a)});
    if (read != StatsFileRead::Whole) {
        out["message"] = Text(StatsFileWarning(name, read));
        return;
    }
    AddEverything(s, out);
    AddKeptTable(s, out);
}

void Grid(Session& s, const Args&, Json& out) {
    AddGrid(s.engine.State(), out);
}

void Edit(Session& s, const Args&, Json& out) {
    s.engine.BeginStatsEdit();
    AddGrid(s.engine.State(), out);
}

void Cancel(Session& s, const Args&, Json& out) {
    s.engine.CancelStatsEdit();
    AddGrid(s.engine.State(), out);
}

// The desktop's Save, with the download standing in for its file dialog (a: the time for
// the header line). The calculator takes the saved table at once, as the desktop's does
// when the user returns to it.
void Save(Session& s, const Args& in, Json& out) {
    const std::string name = s.file.name.empty() ? "ShipStats.txt" : s.file.name;
    s.file = {name, s.engine.StoreEditedStats(Bytes(in.a))};
    s.engine.RecalculateAll();
    out["download"] = {{"name", "ShipStats.txt"}, {"bytes", Text(s.file.bytes)}};
    AddEverything(s, out);
    AddKeptTable(s, out);
}

void Restore(Session& s, const Args&, Json& out) {
    UseBuiltInTable(s);
    AddEverything(s, out);
    AddKeptTable(s, out);
}

// A log command by its name (a), on the entry the page's list has selected (b).
void Log(Session& s, const Args& in, Json& out) {
    for (const LogCommandRow& row : kLogCommands) {
        if (in.a != row.name) {
            continue;
        }
        // -1 or any index beyond the entries: nothing selected.
        if (const std::optional<std::int64_t> selected = WholeNumber(in.b, "entry", out)) {
            const bool inRange = *selected >= 0 && *selected < std::int64_t{1} << 31;
            s.engine.RunLogCommand(row.command, inRange ? static_cast<int>(*selected) : -1);
            if (row.command == LogCommand::Copy) {
                out["clip"] = Text(CopiedLogText(s.engine.State()));
            }
            AddLog(s.engine.State(), out);
        }
        return;
    }
    Refuse(out, "no log command '" + Bytes(in.a) + "'");
}

// A typed cell or a pasted block starting there (a: row, b: column, c: text); the grid
// shows what the edit session kept, and a refusal says why.
void ChangeCells(Session& s, const Args& in, Json& out,
                 CellEdit (Engine::*change)(std::size_t, std::size_t, std::string_view)) {
    const std::optional<std::size_t> row = Index(in.a, "row", kShipCount, out);
    const std::optional<std::size_t> column =
        row ? Index(in.b, "column", kColumnCount, out) : std::nullopt;
    if (!column) {
        return;
    }
    const CellEdit edit = (s.engine.*change)(*row, *column, in.c);
    out["edit"] = edit == CellEdit::Stored;
    if (const std::string_view why = CellEditRefusalText(edit); !why.empty()) {
        out["message"] = Text(why);
    }
    AddGrid(s.engine.State(), out);
}

void Cell(Session& s, const Args& in, Json& out) {
    ChangeCells(s, in, out, &Engine::EditStatsCell);
}

void Paste(Session& s, const Args& in, Json& out) {
    ChangeCells(s, in, out, &Engine::PasteStatsBlock);
}

constexpr std::pair<std::string_view, Command> kCommands[] = {
    {"start", Start},       {"commands", Commands}, {"count", Count},   {"step", Step},
    {"attacker", Attacker}, {"defender", Defender}, {"switch", Switch}, {"copy", CopyResult},
    {"open", Open},         {"edit", Edit},         {"cancel", Cancel}, {"save", Save},
    {"restore", Restore},   {"log", Log},           {"grid", Grid},     {"cell", Cell},
    {"paste", Paste},
};

Json Run(Session& s, std::string_view command, const Args& in) {
    Json out = Json::object();
    for (const auto& [name, run] : kCommands) {
        if (name == command) {
            run(s, in, out);
            return out;
        }
    }
    Refuse(out, "no command '" + Bytes(command) + "'");
    return out;
}

}  // namespace

extern "C" {

// One page, one session; it lives as long as the page.
EMSCRIPTEN_KEEPALIVE Session* sk_new() {
    return new Session;
}

// The answer stays valid until the next call.
// Each text comes with its length in bytes: a stats file may hold NUL bytes.
EMSCRIPTEN_KEEPALIVE const char* sk_call(Session* s, const char* command, std::size_t commandSize,
                                         const char* a, std::size_t aSize, const char* b,
                                         std::size_t bSize, const char* c, std::size_t cSize) {
    const Json answer = Run(*s, {command, commandSize}, {{a, aSize}, {b, bSize}, {c, cSize}});
    s->answer = answer.dump(-1, ' ', false, Json::error_handler_t::replace);
    return s->answer.c_str();
}
}
