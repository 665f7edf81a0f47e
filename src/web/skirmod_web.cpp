// The page's way into the engine. The page's script calls sk_call(session, command, a, b, c)
// with UTF-8 texts and their lengths; the command runs through the engine, and the answer is
// JSON of plain data: figures, texts, lists and the table, named for what they are. The page
// decides how and where to show them and what to keep. 8-bit text stays 8-bit: it reaches
// the page as Latin-1 characters, and text from the page that Latin-1 cannot hold is refused.
#include <emscripten/emscripten.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/about_texts.h"
#include "core/counters.h"
#include "core/engine.h"
#include "core/heat_scale.h"
#include "core/key_table.h"
#include "core/matrix.h"
#include "core/matrix_picture.h"
#include "core/spin_repeat.h"
#include "core/stop_search.h"
#include "data/display_settings.h"
#include "data/int_text.h"
#include "data/latin1_text.h"
#include "readme_text.h"

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
    // The held spin button's schedule, as the desktop's timer runs it.
    SpinRepeat spin;
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
    // The address's part from '#' that opens this result; empty when the table does not fit.
    out["share"] = ShareLink(state).value_or("");
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

// The colours, in the order of the colour roles.
void AddColors(const ProgramState& state, Json& out) {
    Json colors = Json::array();
    for (const ColorField& field : kColorFields) {
        colors.push_back(CssColor(DisplaySettingsOf(state).*field.value));
    }
    out["colors"] = std::move(colors);
}

// The settings panel's controls as the display settings fill them, and the colours.
void AddSettings(const ProgramState& state, Json& out) {
    const DisplaySettings& d = DisplaySettingsOf(state);
    out["settings"] = {{"tips", d.ShowTipsOnStartup},
                       {"fleetSize", std::to_string(d.DefaultFleetSize)},
                       {"attacker", d.DefaultAttacker},
                       {"defender", d.DefaultDefender}};
    AddColors(state, out);
}

// The header box's second line for the built-in table: the page has no program folder whose
// file went missing, only a table the user has not opened.
constexpr std::string_view kBuiltInTableText =
    "The built-in table: no ShipStats.txt opened on this page.";

// What the table sets outside the grid: the ship lists, the header box, the settings and
// the colours.
void AddTableFile(const Session& s, Json& out) {
    const ProgramState& state = s.engine.State();
    out["ships"] = TextList(ShipNames(state));
    const std::string location =
        s.file.bytes.empty() ? std::string(kBuiltInTableText) : StatsFileLocation(state);
    // How many cells of a link's table, in use but not stored, differ from the built-in table.
    const long linkCells =
        SharedTableInUse(state) ? static_cast<long>(ChangedCellCount(state.ActiveStats)) : -1;
    out["file"] = {{"header", Text(StatsFileHeader(state))},
                   {"location", Text(location)},
                   {"linkCells", linkCells}};
    AddSettings(state, out);
}

// The file the page keeps between visits, once it changed.
void AddKeptTable(const Session& s, Json& out) {
    out["table"] = {{"name", Text(s.file.name)}, {"bytes", Text(s.file.bytes)}};
}

void AddEverything(const Session& s, Json& out) {
    const ProgramState& state = s.engine.State();
    AddTableFile(s, out);
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

// "#rrggbb", as a colour input gives it, into the settings' 0x00BBGGRR.
std::optional<ColorValue> ColorFromCss(std::string_view css) {
    if (css.size() != 7 || css[0] != '#') {
        return std::nullopt;
    }
    const std::string hex = "$00" + std::string(css.substr(5, 2)) + std::string(css.substr(3, 2)) +
                            std::string(css.substr(1, 2));
    return ParseColorText(hex);
}

// The fleet-size box takes what the desktop's takes: an optional minus and digits, so no
// comma can split the settings line.
bool IsFleetSizeText(std::string_view text) {
    const std::string_view digits = text.starts_with('-') ? text.substr(1) : text;
    return std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

using Command = void (*)(Session&, const Args&, Json&);

// A table the page kept (bytes and name): the built-in one when there are no bytes or
// they no longer make a whole table.
void UseKeptTable(Session& s, std::string_view bytes, std::string_view name) {
    if (bytes.empty() || OpenTable(s, {Bytes(name), Bytes(bytes)}) != StatsFileRead::Whole) {
        UseBuiltInTable(s);
    }
}

// The start-up inputs that the settings line names.
void UseStartUpInputs(Session& s) {
    const DisplaySettings& d = DisplaySettingsOf(s.engine.State());
    const auto row = [](std::int64_t index) {
        return static_cast<int>(index >= 0 && index < kShipCount ? index : 0);
    };
    s.engine.SetInputs(row(d.DefaultAttacker), row(d.DefaultDefender),
                       std::to_string(d.DefaultFleetSize));
}

// The kept table (a: its bytes, b: its name) and log (c), then the start-up inputs. All but
// the grid, which the page asks for when it is needed.
void Start(Session& s, const Args& in, Json& out) {
    UseKeptTable(s, in.a, in.b);
    UseStartUpInputs(s);
    s.engine.RestoreLog(Bytes(in.c));
    AddTableFile(s, out);
    AddResults(s.engine.State(), out);
    AddLog(s.engine.State(), out);
    AddKeptTable(s, out);
}

// A table another window of the page kept, or the one Restore replaced (a: its bytes,
// b: its name).
void Kept(Session& s, const Args& in, Json& out) {
    UseKeptTable(s, in.a, in.b);
    AddEverything(s, out);
    AddKeptTable(s, out);
}

// The log another window of the page kept (a).
void KeptLog(Session& s, const Args& in, Json& out) {
    s.engine.RestoreLog(Bytes(in.a));
    AddLog(s.engine.State(), out);
}

// A battle link (a: the address's part from '#'): its ships, count and table, the table for
// the calculation alone. A link that cannot be read says why, and the start-up result
// on the stored table stands.
void OpenLink(Session& s, const Args& in, Json& out) {
    const LinkRead read = ReadShareLink(in.a);
    if (read.Battle) {
        s.engine.OpenSharedBattle(*read.Battle);
    } else {
        s.engine.RecalculateAll();
        UseStartUpInputs(s);
        out["message"] = Text(read.Problem + " The start-up result is shown.");
    }
    AddTableFile(s, out);
    AddResults(s.engine.State(), out);
}

// The name a kept link's table goes by.
constexpr std::string_view kLinkTableName = "ShipStats.txt from a link";

// The link's table in use becomes the user's own, kept as an opened file is.
void KeepLink(Session& s, const Args&, Json& out) {
    if (!SharedTableInUse(s.engine.State())) {
        Refuse(out, "no link's table is in use");
        return;
    }
    s.engine.KeepSharedTable(std::string(kLinkTableName));
    s.file = {std::string(kLinkTableName), StatsFileBytes(s.engine.State())};
    AddEverything(s, out);
    AddKeptTable(s, out);
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

// The key table's rows: the page binds the Alt-keys of its sections from them.
void Keys(Session&, const Args&, Json& out) {
    Json rows = Json::array();
    for (const KeyRow& row : KeyTable()) {
        rows.push_back({{"where", row.where}, {"keys", row.keys}, {"what", row.what}});
    }
    out["keys"] = std::move(rows);
}

void AddCountNotice(std::string_view countText, Json& out) {
    if (const std::string notice = CountNotice(Bytes(countText)); !notice.empty()) {
        out["message"] = Text(notice);
    }
}

void Count(Session& s, const Args& in, Json& out) {
    s.engine.SetCountText(Bytes(in.a));
    AddResults(s.engine.State(), out);
    AddCountNotice(in.a, out);
}

// The spin buttons and the count box's keys: a: how many ships more (fewer when negative).
void Step(Session& s, const Args& in, Json& out) {
    if (const std::optional<std::int64_t> amount = WholeNumber(in.a, "step", out)) {
        s.engine.StepCount(*amount);
        AddResults(s.engine.State(), out);
    }
}

// A spin button pressed (a: "up" or "down"): one step at once, as on the desktop; then the
// page's 50 ms ticks while it is held.
void Press(Session& s, const Args& in, Json& out) {
    if (in.a != "up" && in.a != "down") {
        Refuse(out, "spin '" + Bytes(in.a) + "' is neither up nor down");
        return;
    }
    const bool upward = in.a == "up";
    s.spin.Press(upward);
    s.engine.StepCount(upward ? 1 : -1);
    AddResults(s.engine.State(), out);
}

// A pause tick leaves the count alone and answers nothing.
void Tick(Session& s, const Args&, Json& out) {
    const std::int32_t step = s.spin.Tick();
    if (step != SpinRepeat::kPause) {
        s.engine.StepCount(step);
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

// A whole pairing at once (a reload, a row of Who stops them, a square of the map), a:
// attacker row, b: defender row, c: count text: one calculation, not one a choice.
void Inputs(Session& s, const Args& in, Json& out) {
    const std::optional<int> attacker = Row(in.a, out);
    const std::optional<int> defender = attacker ? Row(in.b, out) : std::nullopt;
    if (defender) {
        s.engine.SetInputs(*attacker, *defender, Bytes(in.c));
        AddResults(s.engine.State(), out);
        AddCountNotice(in.c, out);
    }
}

void Switch(Session& s, const Args&, Json& out) {
    s.engine.SwapShips();
    AddResults(s.engine.State(), out);
}

void CopyResult(Session& s, const Args&, Json& out) {
    out["clip"] = Text(CurrentResultLine(s.engine.State()));
}

// Why a chosen file was not taken. The page asks nothing: the table in use stays.
std::string OpenRefusalText(const std::string& name, StatsFileRead read) {
    const std::string_view problem =
        read == StatsFileRead::NotFound ? " file could not be read" : " file possibly corrupted";
    return "Warning... " + name + std::string(problem) + "; the table in use stays.";
}

// A file the user chose or dropped (a: its bytes, b: its name; c: "missing" when the
// browser could not read it); one that cannot be used leaves the table as it was.
void Open(Session& s, const Args& in, Json& out) {
    const std::string name = Latin1FromUtf8(in.b).value_or("ShipStats.txt");
    const StatsFileRead read =
        in.c == "missing" ? StatsFileRead::NotFound : OpenTable(s, {name, Bytes(in.a)});
    if (read != StatsFileRead::Whole) {
        out["message"] = Text(OpenRefusalText(name, read));
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

// The settings panel opens on the kept table's settings line.
void Settings(Session& s, const Args&, Json& out) {
    s.engine.OpenSettings();
    AddSettings(s.engine.State(), out);
}

// The colour editor's live change: a: the role's place in the settings line, b: "#rrggbb".
void Color(Session& s, const Args& in, Json& out) {
    const std::optional<std::size_t> role = Index(in.a, "role", std::size(kColorFields), out);
    if (!role) {
        return;
    }
    const std::optional<ColorValue> color = ColorFromCss(in.b);
    if (!color) {
        Refuse(out, "colour '" + Bytes(in.b) + "' is not #rrggbb");
        return;
    }
    s.engine.SetColor(kColorFields[*role].role, *color);
    AddColors(s.engine.State(), out);
}

// Cancel Changes (a: "saved") and Load Clasic Settings (a: "classic").
void Revert(Session& s, const Args& in, Json& out) {
    s.engine.ApplySettingsLine(in.a == "classic" ? std::string(DefaultSettingsLine)
                                                 : s.engine.State().Settings.SavedSettingsLine);
    AddSettings(s.engine.State(), out);
}

// Save these Settings as Default, into the kept table's line 4: a: the tips tick ("1"),
// b: the fleet-size text, c: the default attacker and defender rows ("3,7"; -1 for none).
void KeepSettings(Session& s, const Args& in, Json& out) {
    const std::size_t comma = in.c.find(',');
    const std::optional<std::int64_t> attacker = ParseInt64(in.c.substr(0, comma));
    const std::optional<std::int64_t> defender =
        comma == std::string_view::npos ? std::nullopt : ParseInt64(in.c.substr(comma + 1));
    const auto isRowOrNone = [](const std::optional<std::int64_t>& row) {
        return row && *row >= -1 && *row < static_cast<std::int64_t>(kShipCount);
    };
    if (!IsFleetSizeText(in.b)) {
        Refuse(out, "fleet size '" + Bytes(in.b) + "' is not a whole number");
        return;
    }
    if (!isRowOrNone(attacker) || !isRowOrNone(defender)) {
        Refuse(out, "default ships '" + Bytes(in.c) + "' are not two rows");
        return;
    }
    const DisplaySettings& d = DisplaySettingsOf(s.engine.State());
    const SettingsPanelValues panel{d.StayOnTop, in.a == "1", std::string(in.b),
                                    static_cast<int>(*attacker), static_cast<int>(*defender)};
    const std::string name = s.file.name.empty() ? "ShipStats.txt" : s.file.name;
    s.file = {name, s.engine.StoreSettingsLine(BuildSettingsLine(panel, d))};
    AddSettings(s.engine.State(), out);
    AddKeptTable(s, out);
}

// The About panel's texts and the read-me the build put in.
void About(Session&, const Args&, Json& out) {
    out["about"] = {{"name", kAbout.name},
                    {"version", kAbout.version},
                    {"releaseDate", kAbout.releaseDate},
                    {"statsNote", kAbout.statsNote},
                    {"thanks", kAbout.thanks},
                    {"email", kAbout.email},
                    {"downloadNote", kAbout.downloadNote},
                    {"downloadAddress", kAbout.downloadAddress},
                    {"readMeHeading", kAbout.readMeHeading},
                    {"readMe", Text(kReadMeText)}};
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

// Counts and costs as decimal text: past 2^53 a page's number would lose digits.
Json CounterRow(const ShipTable& table, int defenderRow, const Counter& counter) {
    const StopAnswer& stop = counter.Stop;
    Json row = {{"row", counter.Row},
                {"attacker", Text(table[static_cast<std::size_t>(counter.Row)][Col::ShipName])}};
    if (stop.Block != StopBlock::None) {
        row["reason"] = Text(BlockText(stop.Block, table, counter.Row, defenderRow, stop.Limit));
        return row;
    }
    row.update({{"ships", std::to_string(stop.Ships)},
                {"result", std::to_string(stop.Result)},
                {"verb", VariantVerb(stop.Variant)},
                {"metal", WideText(counter.Cost.Metal)},
                {"crystal", WideText(counter.Cost.Crystal)},
                {"eon", WideText(counter.Cost.Eon)},
                {"total", WideText(counter.Cost.Total)},
                {"efficiency", Text(counter.EfficiencyText)}});
    return row;
}

// Who stops them: every type against b (1 or more) defenders of row a, those that can
// first, cheapest first, then the others with the reason.
void Counters(Session& s, const Args& in, Json& out) {
    const std::optional<int> defender = Row(in.a, out);
    if (!defender) {
        return;
    }
    const std::optional<std::int64_t> wanted = ParseInt64(in.b);
    if (!wanted || *wanted < 1) {
        out["message"] = "Defenders to stop: a whole number from 1 to 9223372036854775807.";
        return;
    }
    const ProgramState& state = s.engine.State();
    Json rows = Json::array();
    for (const Counter& counter : RankCounters(state, *defender, *wanted)) {
        rows.push_back(CounterRow(state.ActiveStats, *defender, counter));
    }
    out["counters"] = {
        {"defender", *defender}, {"wanted", std::to_string(*wanted)}, {"rows", std::move(rows)}};
}

// Why a typed cell was not kept; the engine's texts speak of a pasted block.
std::string_view TypedCellRefusalText(CellEdit edit) {
    switch (edit) {
        case CellEdit::NotLatin1:
            return "Not stored: the cell holds characters the stats file cannot store.";
        case CellEdit::LineBreak:
            return "Not stored: a cell cannot hold a line break.";
        case CellEdit::Stored:
        case CellEdit::NotEditing:
        case CellEdit::FixedCell:
            break;
    }
    return {};
}

// A typed cell or a pasted block starting there (a: row, b: column, c: text); the grid
// shows what the edit session kept, and a refusal says why.
void ChangeCells(Session& s, const Args& in, Json& out,
                 CellEdit (Engine::*change)(std::size_t, std::size_t, std::string_view),
                 std::string_view (*refusalText)(CellEdit)) {
    const std::optional<std::size_t> row = Index(in.a, "row", kShipCount, out);
    const std::optional<std::size_t> column =
        row ? Index(in.b, "column", kColumnCount, out) : std::nullopt;
    if (!column) {
        return;
    }
    const CellEdit edit = (s.engine.*change)(*row, *column, in.c);
    out["edit"] = edit == CellEdit::Stored;
    if (edit == CellEdit::NotEditing) {
        out["message"] = "The table changes only after Edit.";
    } else if (const std::string_view why = refusalText(edit); !why.empty()) {
        out["message"] = Text(why);
    }
    AddGrid(s.engine.State(), out);
}

void Cell(Session& s, const Args& in, Json& out) {
    ChangeCells(s, in, out, &Engine::EditStatsCell, TypedCellRefusalText);
}

void Paste(Session& s, const Args& in, Json& out) {
    ChangeCells(s, in, out, &Engine::PasteStatsBlock, CellEditRefusalText);
}

// Every attacker against every defender at the calculator's count, row-major, each list
// one text of comma-separated entries, which the page splits far faster than it reads
// 8,748 JSON values: ships stopped (as text: a 64-bit figure does not fit a script's
// number), the efficiency figure and the cell's "#rrggbb", both empty for no target. The
// names and classes to draw and group them by.
void Matrix(Session& s, const Args&, Json& out) {
    const ProgramState& state = s.engine.State();
    const std::int64_t count = CurrentCombat(state).AttackerShips;
    std::string results;
    std::string efficiency;
    std::string colors;
    for (const MatrixCell& cell : PairingMatrix(state, count)) {
        const std::optional<Rgb> color = CellColor(cell);
        const char* separator = results.empty() ? "" : ",";
        results += separator + std::to_string(cell.Result);
        efficiency += separator + cell.Efficiency;
        colors += separator + (color ? CssColorText(*color) : std::string());
    }
    Json classes = Json::array();
    for (const ShipRecord& ship : state.ActiveStats) {
        classes.push_back(Text(ship[Col::Cl]));
    }
    out["matrix"] = {{"count", count},
                     {"ships", TextList(ShipNames(state))},
                     {"classes", std::move(classes)},
                     {"results", results},
                     {"efficiency", Text(efficiency)},
                     {"colors", colors}};
}

// The heat map's scale for the legend: the stops, evenly spaced, and the marks.
void HeatScale(Session&, const Args&, Json& out) {
    Json stops = Json::array();
    for (const Rgb& stop : kHeatStops) {
        stops.push_back(CssColorText(stop));
    }
    Json ticks = Json::array();
    for (const HeatTick& tick : HeatTicks()) {
        ticks.push_back({{"at", tick.Position}, {"label", Text(tick.Label)}});
    }
    out["heatScale"] = {{"title", Text(kHeatScaleTitle)},
                        {"stops", std::move(stops)},
                        {"ticks", std::move(ticks)},
                        {"noTarget", Text(kNoTargetText)},
                        {"noTargetBack", CssColorText(kNoTargetBack)},
                        {"noTargetHatch", CssColorText(kNoTargetHatch)}};
}

// The heat map as the companion's --svg writes it, for the player to keep.
void Picture(Session& s, const Args&, Json& out) {
    const ProgramState& state = s.engine.State();
    const std::int64_t count = CurrentCombat(state).AttackerShips;
    const std::string svg =
        MatrixSvg(state.ActiveStats, PairingMatrix(state, count), count, StatsFileHeader(state));
    out["picture"] = {{"name", "skirmod-matrix-" + std::to_string(count) + ".svg"},
                      {"text", Text(svg)}};
}

constexpr std::pair<std::string_view, Command> kCommands[] = {
    {"start", Start},       {"commands", Commands}, {"count", Count},       {"step", Step},
    {"inputs", Inputs},     {"attacker", Attacker}, {"defender", Defender}, {"switch", Switch},
    {"copy", CopyResult},   {"open", Open},         {"edit", Edit},         {"cancel", Cancel},
    {"save", Save},         {"restore", Restore},   {"log", Log},           {"grid", Grid},
    {"cell", Cell},         {"paste", Paste},       {"kept", Kept},         {"keptLog", KeptLog},
    {"keys", Keys},         {"press", Press},       {"tick", Tick},         {"settings", Settings},
    {"color", Color},       {"revert", Revert},     {"keep", KeepSettings}, {"about", About},
    {"counters", Counters}, {"matrix", Matrix},     {"scale", HeatScale},   {"picture", Picture},
    {"link", OpenLink},     {"keepLink", KeepLink},
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
