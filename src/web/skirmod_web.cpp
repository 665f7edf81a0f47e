// The page's way into the core. The page's script calls sk_call(session, command, a, b, c)
// with UTF-8 texts and their lengths; the command runs through the core, and the answer is JSON in
// plain ASCII that says what the page must show, by the ids its controls share with the desktop's
// object names. 8-bit text stays 8-bit: it reaches the page as Latin-1 characters, and text from
// the page that Latin-1 cannot hold is refused here.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/inputs.h"
#include "core/pasted_block.h"
#include "core/readouts.h"
#include "core/results_log.h"
#include "core/startup.h"
#include "core/stats_edits.h"
#include "data/int_text.h"
#include "data/latin1_text.h"
#include "data/tab_block.h"

namespace {

// A stats file as the page keeps it: the name it was opened under and its bytes; no bytes
// for the built-in table.
struct TableFile {
    std::string name;
    std::string bytes;
};

struct Session {
    ProgramState state;
    TableFile file;
    // The table as it was at Edit, for Cancel; set only while editing.
    std::optional<TableFile> beforeEdit;
    // What the page's read-only texts show, by id.
    std::map<std::string, std::string, std::less<>> shown;
    std::string answer;
};

// A JSON string of 8-bit text: bytes above 127 become the Latin-1 characters \u0080-\u00ff.
std::string Quoted(std::string_view bytes) {
    std::string out = "\"";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '"' || byte == '\\') {
            out += '\\';
            out += c;
        } else if (byte >= 0x20 && byte < 0x7F) {
            out += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        }
    }
    return out + '"';
}

// A report box's text: its lines, one per line.
std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            text += '\n';
        }
        text += lines[i];
    }
    return text;
}

// The answer to one command, section by section: "text" (control id -> text), "lists"
// (id -> entries), "selected" (id -> index), "colors" (CSS property -> value), "store"
// (storage key -> text, empty to forget), "clip", "message", "download" and "grid".
class Answer {
  public:
    void Add(std::string_view section, std::string_view key, const std::string& json) {
        std::string& members = SectionOf(section);
        members += (members.empty() ? "" : ",") + Quoted(key) + ":" + json;
    }
    void Set(std::string_view key, const std::string& json) {
        m_top.emplace_back(std::string(key), json);
    }
    std::string Json() const {
        std::string json;
        const auto member = [&json](const std::string& key, const std::string& value) {
            json += (json.empty() ? "{" : ",") + Quoted(key) + ":" + value;
        };
        for (const auto& [key, value] : m_top) {
            member(key, value);
        }
        for (const auto& [name, members] : m_sections) {
            member(name, "{" + members + "}");
        }
        return json.empty() ? "{}" : json + "}";
    }

  private:
    std::string& SectionOf(std::string_view name) {
        for (auto& [section, members] : m_sections) {
            if (section == name) {
                return members;
            }
        }
        return m_sections.emplace_back(std::string(name), std::string()).second;
    }

    std::vector<std::pair<std::string, std::string>> m_sections;
    std::vector<std::pair<std::string, std::string>> m_top;
};

template <typename Texts>
std::string JsonList(const Texts& entries) {
    std::string json = "[";
    for (const std::string_view entry : entries) {
        json += (json.size() > 1 ? "," : "") + Quoted(entry);
    }
    return json + "]";
}

// The ids of the report boxes, in the order of Report: the Details window's object names.
constexpr std::string_view kReportIds[] = {
    "CalculationMemo",  "TargetAttMemo",     "TargetDefMemo",    "ResourcesAttMemo",
    "ResourcesDefMemo", "BasicStatsAttMemo", "BasicStatsDefMemo"};
static_assert(std::size(kReportIds) == std::size(kReportBoxes));

// Texts the page shows already are left out: a count change leaves most boxes as they were.
void ShowText(Session& s, Answer& a, std::string_view id, const std::string& text) {
    const auto known = s.shown.find(id);
    std::string& shown = known != s.shown.end() ? known->second : s.shown[std::string(id)];
    if (shown != text) {
        shown = text;
        a.Add("text", id, Quoted(text));
    }
}

void ShowResults(Session& s, Answer& a) {
    const ProgramState& state = s.state;
    const ResultTexts& r = CurrentResults(state);
    const std::pair<std::string_view, const std::string*> fields[] = {
        {"CombatText", &r.CombatText},       {"DefShips", &r.DefShips},
        {"TargetDisplay", &r.TargetDisplay}, {"InitText", &r.InitText},
        {"TargetText", &r.TargetText},       {"ClassText", &r.ClassText},
        {"Efficiency", &r.Efficiency},       {"CurrentResultMemo", &CurrentResultLine(state)}};
    for (const auto& [id, text] : fields) {
        ShowText(s, a, id, *text);
    }
    for (const ReportBox& box : kReportBoxes) {
        ShowText(s, a, kReportIds[static_cast<std::size_t>(box.report)],
                 Joined(ReportText(state, box.report)));
    }
}

void ShowInputs(const ProgramState& state, Answer& a) {
    a.Add("text", "AttShips", Quoted(CountText(state)));
    a.Add("selected", "AttShipList", std::to_string(SelectedAttacker(state)));
    a.Add("selected", "DefShipList", std::to_string(SelectedDefender(state)));
}

void ShowLog(const ProgramState& state, Answer& a) {
    a.Add("lists", "ResultsMemo", JsonList(LogEntries(state)));
    a.Add("selected", "ResultsMemo", std::to_string(SelectedLogEntry(state)));
    a.Add("store", "log", Quoted(CopiedLogText(state)));
}

// The custom properties of the page's style sheet, in the order of ColorRole.
constexpr std::string_view kColorProperties[] = {
    "--main-bg",    "--main-border",  "--main-text",        "--main-highlight",
    "--details-bg", "--details-text", "--details-highlight"};
static_assert(std::size(kColorProperties) == std::size(kColorFields));

void ShowGrid(const Session& s, Answer& a) {
    std::string rows = "[";
    for (const ShipRecord& ship : StoredTable(s.state)) {
        rows += (rows.size() > 1 ? "," : "") + JsonList(ship.fields);
    }
    a.Set("columns", JsonList(StatsColumnNames));
    a.Set("grid", rows + "]");
    a.Set("editing", s.beforeEdit ? "true" : "false");
}

// What the table sets outside the grid: the ship lists, the header box and the colours.
void ShowTableFile(const ProgramState& state, Answer& a) {
    const std::vector<std::string> names = ShipNames(state);
    a.Add("lists", "AttShipList", JsonList(names));
    a.Add("lists", "DefShipList", JsonList(names));
    a.Add("text", "FileHeaderText",
          Quoted(StatsFileHeader(state) + "\n" + StatsFileLocation(state)));
    for (const ColorField& field : kColorFields) {
        a.Add("colors", kColorProperties[static_cast<std::size_t>(field.role)],
              Quoted(CssColor(DisplaySettingsOf(state).*field.value)));
    }
}

// All but the grid, which the page asks for once the first result is painted.
void ShowCalculator(Session& s, Answer& a) {
    ShowTableFile(s.state, a);
    ShowInputs(s.state, a);
    ShowResults(s, a);
    ShowLog(s.state, a);
}

void ShowEverything(Session& s, Answer& a) {
    ShowCalculator(s, a);
    ShowGrid(s, a);
}

void StoreTable(const Session& s, Answer& a) {
    a.Add("store", "table", Quoted(s.file.bytes));
    a.Add("store", "name", Quoted(s.file.name));
}

int RowOf(std::int64_t row) {
    return static_cast<int>(std::clamp<std::int64_t>(row, 0, kShipCount - 1));
}

int RowOf(std::string_view text) {
    return RowOf(ToInt64Or(text, 0));
}

void UseBuiltInTable(Session& s) {
    RestoreBuiltInStats(s.state);
    s.file = {};
}

// A whole file's table; anything else leaves the table as it was.
StatsFileRead OpenTable(Session& s, TableFile file) {
    const StatsFileRead read = OpenStatsBytes(s.state, file.name, file.bytes);
    if (read == StatsFileRead::Whole) {
        s.file = std::move(file);
    }
    return read;
}

// The table a visit ends with, or before Edit: the built-in one has no bytes.
void UseTable(Session& s, TableFile file) {
    if (file.bytes.empty() || OpenTable(s, std::move(file)) != StatsFileRead::Whole) {
        UseBuiltInTable(s);
    }
}

struct Args {
    std::string_view a, b, c;
};

// 8-bit text from the page; what Latin-1 cannot hold is left out.
std::string Bytes(std::string_view utf8) {
    return Latin1FromUtf8(utf8).value_or("");
}

using Command = void (*)(Session&, const Args&, Answer&);

// The stored table (a: its bytes, b: its name) and log (c), then the start-up inputs that
// the settings line names.
void Start(Session& s, const Args& in, Answer& a) {
    StartCore(s.state);
    UseTable(s, {Bytes(in.b), Bytes(in.a)});
    const DisplaySettings& d = DisplaySettingsOf(s.state);
    SetInputs(s.state, RowOf(d.DefaultAttacker), RowOf(d.DefaultDefender),
              std::to_string(d.DefaultFleetSize));
    RestoreLog(s.state, Bytes(in.c));
    ShowCalculator(s, a);
}

void Count(Session& s, const Args& in, Answer& a) {
    SetCountText(s.state, Bytes(in.a));
    ShowResults(s, a);
}

// The count box's keys and the spin buttons, which send the key they stand for.
void Step(Session& s, const Args& in, Answer& a) {
    constexpr std::pair<std::string_view, std::int64_t> kSteps[] = {
        {"ArrowUp", 1}, {"ArrowDown", -1}, {"PageUp", 10}, {"PageDown", -10}};
    for (const auto& [key, amount] : kSteps) {
        if (in.a == key) {
            StepCount(s.state, amount);
            ShowInputs(s.state, a);
            ShowResults(s, a);
        }
    }
}

void Attacker(Session& s, const Args& in, Answer& a) {
    SelectAttacker(s.state, RowOf(in.a));
    ShowResults(s, a);
}

void Defender(Session& s, const Args& in, Answer& a) {
    SelectDefender(s.state, RowOf(in.a));
    ShowResults(s, a);
}

void Switch(Session& s, const Args&, Answer& a) {
    SwapShips(s.state);
    ShowInputs(s.state, a);
    ShowResults(s, a);
}

void CopyResult(Session& s, const Args&, Answer& a) {
    a.Set("clip", Quoted(CurrentResultLine(s.state)));
}

// A file the user chose or dropped (a: its bytes, b: its name; c: "missing" when the
// browser could not read it); one that cannot be used leaves the table as it was.
void Open(Session& s, const Args& in, Answer& a) {
    const std::string name = Latin1FromUtf8(in.b).value_or("ShipStats.txt");
    const StatsFileRead read =
        in.c == "missing" ? StatsFileRead::NotFound : OpenTable(s, {name, Bytes(in.a)});
    if (read != StatsFileRead::Whole) {
        a.Set("message", Quoted(StatsFileWarning(name, read)));
        return;
    }
    s.beforeEdit.reset();
    ShowEverything(s, a);
    StoreTable(s, a);
}

void Grid(Session& s, const Args&, Answer& a) {
    ShowGrid(s, a);
}

void Edit(Session& s, const Args&, Answer& a) {
    s.beforeEdit = s.file;
    ShowGrid(s, a);
}

void Cancel(Session& s, const Args&, Answer& a) {
    if (s.beforeEdit) {
        UseTable(s, *std::exchange(s.beforeEdit, std::nullopt));
    }
    ShowEverything(s, a);
}

// The desktop's Save, with the download standing in for its file dialog (a: the time for
// the header line).
void Save(Session& s, const Args& in, Answer& a) {
    StoreEditedStats(s.state, StoredTable(s.state), Bytes(in.a));
    const std::string name = s.file.name.empty() ? "ShipStats.txt" : s.file.name;
    s.file = {name, StatsFileBytes(s.state)};
    s.beforeEdit.reset();
    a.Add("download", "ShipStats.txt", Quoted(s.file.bytes));
    ShowEverything(s, a);
    StoreTable(s, a);
}

void Restore(Session& s, const Args&, Answer& a) {
    s.beforeEdit.reset();
    UseBuiltInTable(s);
    ShowEverything(s, a);
    StoreTable(s, a);
}

// The Details window's log buttons, on the entry the page's list has selected (b).
void Log(Session& s, const Args& in, Answer& a) {
    constexpr std::pair<std::string_view, void (*)(ProgramState&)> kButtons[] = {
        {"add", AddResultToLog},    {"insert", InsertResultInLog}, {"space", InsertSpaceInLog},
        {"delete", DeleteLogEntry}, {"clear", ClearLog},           {"up", MoveLogEntryUp},
        {"down", MoveLogEntryDown}};
    SelectLogEntry(s.state, ToInt32Or(in.b, ResultsLog::kNone));
    for (const auto& [name, button] : kButtons) {
        if (in.a == name) {
            button(s.state);
        }
    }
    if (in.a == "copy") {
        a.Set("clip", Quoted(CopiedLogText(s.state)));
    }
    ShowLog(s.state, a);
}

// What the desktop says to a refused paste; a typed cell is refused with the same words.
void ShowRefusal(CellEdit edit, Answer& a) {
    const PasteRefusal refusal = edit == CellEdit::LineBreak   ? PasteRefusal::LineBreakInCell
                                 : edit == CellEdit::NotLatin1 ? PasteRefusal::NotLatin1
                                                               : PasteRefusal::None;
    if (refusal != PasteRefusal::None) {
        a.Set("message", Quoted(PasteRefusalText(refusal)));
    }
}

// A typed cell (a: row, b: column, c: text) or a pasted block starting there: while editing
// only. Returns what the core did with it.
CellEdit ChangeCells(Session& s, const Args& in, Answer& a,
                     CellEdit (*change)(ProgramState&, std::size_t, std::size_t,
                                        std::string_view)) {
    CellEdit edit = CellEdit::FixedCell;
    if (s.beforeEdit) {
        edit = change(s.state, static_cast<std::size_t>(ToInt32Or(in.a, -1)),
                      static_cast<std::size_t>(ToInt32Or(in.b, -1)), in.c);
        ShowRefusal(edit, a);
    }
    ShowResults(s, a);
    return edit;
}

// A typed cell the core kept needs no new grid, which would take the focus away; otherwise
// the grid shows what the core kept.
void Cell(Session& s, const Args& in, Answer& a) {
    if (ChangeCells(s, in, a, EditStatsCell) != CellEdit::Stored) {
        ShowGrid(s, a);
    }
}

void Paste(Session& s, const Args& in, Answer& a) {
    ChangeCells(s, in, a, PasteStatsBlock);
    ShowGrid(s, a);
}

constexpr std::pair<std::string_view, Command> kCommands[] = {
    {"start", Start},       {"count", Count},   {"step", Step},       {"attacker", Attacker},
    {"defender", Defender}, {"switch", Switch}, {"copy", CopyResult}, {"open", Open},
    {"edit", Edit},         {"cancel", Cancel}, {"save", Save},       {"restore", Restore},
    {"log", Log},           {"grid", Grid},     {"cell", Cell},       {"paste", Paste},
};

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
    Answer answer;
    for (const auto& [name, run] : kCommands) {
        if (name == std::string_view(command, commandSize)) {
            run(*s, {{a, aSize}, {b, bSize}, {c, cSize}}, answer);
        }
    }
    s->answer = answer.Json();
    return s->answer.c_str();
}
}
