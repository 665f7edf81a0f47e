// The page's way into the core. The page's script calls sk_call(session, command, a, b, c)
// with UTF-8 texts; the command runs through the core, and the answer is JSON in plain
// ASCII that says what the page must show, by the ids its controls share with the
// desktop's object names. 8-bit text stays 8-bit: it reaches the page as Latin-1
// characters, and text from the page that Latin-1 cannot hold is refused here.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calculation.h"
#include "core/page_operations.h"
#include "core/startup.h"
#include "core/stats_storage.h"
#include "data/file_view.h"
#include "data/int_text.h"
#include "data/stats_file.h"

namespace {

// The download is written here, in the in-memory file system, by the desktop's own save.
constexpr const char* kDownloadPath = "/ShipStats.txt";

class PageFrontend : public Frontend {
  public:
    std::optional<std::string> ChooseSaveFile(const std::string&) override { return kDownloadPath; }
    std::string CurrentDateTimeText() override { return m_now; }
    void SetNow(std::string now) { m_now = std::move(now); }

  private:
    std::string m_now;
};

// The page's log: entries and the selected one, as the Details window keeps them.
struct PageLog {
    static constexpr int kNone = -1;
    std::vector<std::string> entries;
    int selected = kNone;
};

struct Session {
    ProgramState state;
    PageFrontend frontend;
    PageLog log;
    ShipTable grid;
    bool editing = false;
    std::string answer;
};

// UTF-8 from the page as 8-bit text; nothing when a character has no Latin-1 byte.
std::optional<std::string> Latin1FromUtf8(std::string_view utf8) {
    std::string bytes;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            bytes += static_cast<char>(lead);
        } else if ((lead == 0xC2 || lead == 0xC3) && i + 1 < utf8.size()) {
            const auto next = static_cast<unsigned char>(utf8[++i]);
            bytes += static_cast<char>(((lead & 0x03) << 6) | (next & 0x3F));
        } else {
            return std::nullopt;
        }
    }
    return bytes;
}

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

std::string Joined(const std::vector<std::string>& lines, std::string_view separator) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += (i > 0 ? std::string(separator) : std::string()) + lines[i];
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
        m_top += "," + Quoted(key) + ":" + json;
    }
    std::string Json() const {
        std::string json = "{\"ok\":true" + m_top;
        for (const auto& [name, members] : m_sections) {
            json += "," + Quoted(name) + ":{" + members + "}";
        }
        return json + "}";
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
    std::string m_top;
};

std::string JsonList(const std::vector<std::string>& entries) {
    std::string json = "[";
    for (const std::string& entry : entries) {
        json += (json.size() > 1 ? "," : "") + Quoted(entry);
    }
    return json + "]";
}

// The ids of the report boxes, in the order of Report: the Details window's object names.
constexpr std::string_view kReportIds[] = {
    "CalculationMemo",  "TargetAttMemo",     "TargetDefMemo",    "ResourcesAttMemo",
    "ResourcesDefMemo", "BasicStatsAttMemo", "BasicStatsDefMemo"};
static_assert(std::size(kReportIds) == std::size(kReportBoxes));

void ShowResults(const Session& s, Answer& a) {
    const ResultTexts& r = s.state.Results;
    const std::pair<std::string_view, const std::string*> fields[] = {
        {"CombatText", &r.CombatText},       {"DefShips", &r.DefShips},
        {"TargetDisplay", &r.TargetDisplay}, {"InitText", &r.InitText},
        {"TargetText", &r.TargetText},       {"ClassText", &r.ClassText},
        {"Efficiency", &r.Efficiency},       {"CurrentResultMemo", &s.state.Combat.ResultLine}};
    for (const auto& [id, text] : fields) {
        a.Add("text", id, Quoted(*text));
    }
    for (const ReportBox& box : kReportBoxes) {
        a.Add("text", kReportIds[static_cast<std::size_t>(box.report)],
              Quoted(Joined(s.state.Reports.*box.lines, "\n")));
    }
}

void ShowInputs(const Session& s, Answer& a) {
    a.Add("text", "AttShips", Quoted(s.state.Inputs.AttShipsText));
    a.Add("selected", "AttShipList", std::to_string(s.state.Inputs.AttShipListIndex));
    a.Add("selected", "DefShipList", std::to_string(s.state.Inputs.DefShipListIndex));
}

void ShowLog(const Session& s, Answer& a) {
    a.Add("lists", "ResultsMemo", JsonList(s.log.entries));
    a.Add("selected", "ResultsMemo", std::to_string(s.log.selected));
    a.Add("store", "log", Quoted(Joined(s.log.entries, "\r\n")));
}

// CSS for a colour of the settings line: RGB, or the browser's own colour for a system one.
std::string CssColor(ColorValue value) {
    constexpr ColorValue kSystemColorFlag = 0x80000000;
    if (value == 0x1FFFFFFF) {
        return "transparent";
    }
    if (value == 0x20000000 || (value & 0xFF000000) == kSystemColorFlag) {
        const unsigned index = value & 0xFF;
        return index == 5 ? "Field" : index == 13 ? "Highlight" : "CanvasText";
    }
    char rgb[8];
    std::snprintf(rgb, sizeof rgb, "#%02x%02x%02x", value & 0xFF, (value >> 8) & 0xFF,
                  (value >> 16) & 0xFF);
    return rgb;
}

constexpr std::string_view kColorProperties[] = {
    "--main-bg",    "--main-border",  "--main-text",        "--main-highlight",
    "--details-bg", "--details-text", "--details-highlight"};
static_assert(std::size(kColorProperties) == std::size(kColorFields));

void ShowTable(const Session& s, Answer& a) {
    const ShipTable& table = s.editing ? s.grid : s.state.StoredStats;
    std::vector<std::string> names;
    std::string rows = "[";
    for (const ShipRecord& ship : table) {
        rows += (rows.size() > 1 ? "," : "") + JsonList({ship.fields.begin(), ship.fields.end()});
    }
    for (const ShipRecord& ship : s.state.ActiveStats) {
        names.push_back(ship[Col::ShipName]);
    }
    a.Set("columns", JsonList({StatsColumnNames.begin(), StatsColumnNames.end()}));
    a.Set("grid", rows + "]");
    a.Set("editing", s.editing ? "true" : "false");
    a.Add("lists", "AttShipList", JsonList(names));
    a.Add("lists", "DefShipList", JsonList(names));
    a.Add("text", "FileHeaderText", Quoted(s.state.Stats.FileMemo.Line(1)));
    for (const ColorField& field : kColorFields) {
        a.Add("colors", kColorProperties[static_cast<std::size_t>(field.role)],
              Quoted(CssColor(s.state.Settings.Display.*field.value)));
    }
}

void ShowEverything(const Session& s, Answer& a) {
    ShowTable(s, a);
    ShowInputs(s, a);
    ShowResults(s, a);
    ShowLog(s, a);
}

void StoreTable(const Session& s, Answer& a) {
    a.Add("store", "table",
          Quoted(s.state.Stats.StatsFileFound ? s.state.Stats.FileMemo.Text() : std::string()));
}

int RowOf(std::string_view text) {
    return std::clamp(ToInt32Or(text, 0), 0, static_cast<int>(kShipCount) - 1);
}

// The message the desktop gives for a stats file it cannot use.
std::string FileProblem(StatsFileRead read) {
    const std::string_view problem =
        read == StatsFileRead::NotFound ? " file not found." : " file possibly corrupted.";
    return "Warning... ShipStats.txt" + std::string(problem);
}

void StartPage(Session& s, const std::string& table, const std::string& log) {
    s.state.Ui = &s.frontend;
    StartCore(s.state);
    BuildDefaultStats(s.state);
    if (!table.empty()) {
        LoadStatsText(s.state, table);
    }
    const DisplaySettings& d = s.state.Settings.Display;
    ChooseAttacker(s.state, RowOf(std::to_string(d.DefaultAttacker)));
    ChooseDefender(s.state, RowOf(std::to_string(d.DefaultDefender)));
    SetAttackerCountText(s.state, std::to_string(d.DefaultFleetSize));
    FileView lines;
    lines.SetText(log);
    for (std::size_t n = 1; n <= lines.Count(); ++n) {
        s.log.entries.push_back(lines.Line(n));
    }
}

std::string ReadBack(const char* path) {
    std::string bytes;
    if (std::FILE* file = std::fopen(path, "rb")) {
        char block[4096];
        for (std::size_t n; (n = std::fread(block, 1, sizeof block, file)) > 0;) {
            bytes.append(block, n);
        }
        std::fclose(file);
    }
    return bytes;
}

}  // namespace

namespace {

struct Args {
    std::string_view a, b, c;
};

using Command = void (*)(Session&, const Args&, Answer&);

void Start(Session& s, const Args& in, Answer& a) {
    StartPage(s, Latin1FromUtf8(in.a).value_or(""), Latin1FromUtf8(in.b).value_or(""));
    ShowEverything(s, a);
}

void Count(Session& s, const Args& in, Answer& a) {
    SetAttackerCountText(s.state, Latin1FromUtf8(in.a).value_or(""));
    ShowResults(s, a);
}

void Step(Session& s, const Args& in, Answer& a) {
    SetAttackerCountText(s.state,
                         SteppedCountText(s.state.Inputs.AttShipsText, ToInt64Or(in.a, 0)));
    ShowInputs(s, a);
    ShowResults(s, a);
}

void Attacker(Session& s, const Args& in, Answer& a) {
    ChooseAttacker(s.state, RowOf(in.a));
    ShowResults(s, a);
}

void Defender(Session& s, const Args& in, Answer& a) {
    ChooseDefender(s.state, RowOf(in.a));
    ShowResults(s, a);
}

void Switch(Session& s, const Args&, Answer& a) {
    SwitchAttDef(s.state);
    ShowInputs(s, a);
    ShowResults(s, a);
}

void CopyResult(Session& s, const Args&, Answer& a) {
    a.Set("clip", Quoted(s.state.Combat.ResultLine));
}

void Open(Session& s, const Args& in, Answer& a) {
    const std::optional<std::string> bytes = Latin1FromUtf8(in.a);
    const StatsFileRead read =
        in.b == "missing" || !bytes ? StatsFileRead::NotFound : LoadStatsText(s.state, *bytes);
    if (read != StatsFileRead::Whole) {
        a.Set("message", Quoted(FileProblem(read)));
        return;
    }
    s.editing = false;
    ShowEverything(s, a);
    StoreTable(s, a);
}

void Edit(Session& s, const Args&, Answer& a) {
    s.grid = s.state.StoredStats;
    s.editing = true;
    ShowTable(s, a);
}

void Cancel(Session& s, const Args&, Answer& a) {
    s.editing = false;
    ShowTable(s, a);
}

void Save(Session& s, const Args& in, Answer& a) {
    s.frontend.SetNow(Latin1FromUtf8(in.a).value_or(""));
    const SaveResult saved = SaveModifiedStatsFile(s.state, s.grid);
    if (saved.Outcome != SaveOutcome::Saved) {
        a.Set("message", Quoted(saved.Error));
        return;
    }
    s.editing = false;
    RecalculateAll(s.state);
    a.Add("download", "ShipStats.txt", Quoted(ReadBack(kDownloadPath)));
    ShowEverything(s, a);
    StoreTable(s, a);
}

void Restore(Session& s, const Args&, Answer& a) {
    s.editing = false;
    RestoreBuiltInStats(s.state);
    ShowEverything(s, a);
    StoreTable(s, a);
}

// The Details window's log buttons, on the entry selected in the page's list.
void Log(Session& s, const Args& in, Answer& a) {
    PageLog& log = s.log;
    const int count = static_cast<int>(log.entries.size());
    const int picked = ToInt32Or(in.b, PageLog::kNone);
    log.selected = picked >= 0 && picked < count ? picked : PageLog::kNone;
    const auto at = [&log](int index) { return log.entries.begin() + index; };
    const std::string& line = s.state.Combat.ResultLine;
    if (in.a == "add") {
        log.entries.push_back(line);
        log.selected = count;
    } else if (in.a == "insert" || in.a == "space") {
        log.entries.insert(log.selected == PageLog::kNone ? log.entries.end() : at(log.selected),
                           in.a == "insert" ? line : std::string());
    } else if (in.a == "delete" && log.selected != PageLog::kNone) {
        log.entries.erase(at(log.selected));
        log.selected = log.selected >= count - 1 ? count - 2 : PageLog::kNone;
    } else if (in.a == "clear") {
        log.entries.clear();
        log.selected = PageLog::kNone;
    } else if (in.a == "up" && log.selected >= 1) {
        std::swap(log.entries[log.selected], log.entries[log.selected - 1]);
        --log.selected;
    } else if (in.a == "down" && log.selected != PageLog::kNone && log.selected <= count - 2) {
        std::swap(log.entries[log.selected], log.entries[log.selected + 1]);
        ++log.selected;
    } else if (in.a == "copy") {
        a.Set("clip", Quoted(Joined(log.entries, "\r\n") + (count > 0 ? "\r\n" : "")));
    }
    ShowLog(s, a);
}

// A typed cell of the grid: names and the header are not cells; text Latin-1 cannot hold
// is refused, as the desktop's paste refuses it.
void Cell(Session& s, const Args& in, Answer& a) {
    const int column = ToInt32Or(in.b, 0);
    const std::optional<std::string> text = Latin1FromUtf8(in.c);
    if (!s.editing || column < 1 || column >= static_cast<int>(kColumnCount)) {
        return;
    }
    if (!text || text->find_first_of("\r\n") != std::string::npos) {
        a.Set("message", Quoted(!text ? "Not changed: the cell would hold characters the stats "
                                        "file cannot store."
                                      : "Not changed: a cell holds no line break."));
        ShowTable(s, a);
        return;
    }
    s.grid[static_cast<std::size_t>(RowOf(in.a))].fields[static_cast<std::size_t>(column)] = *text;
}

constexpr std::pair<std::string_view, Command> kCommands[] = {
    {"log", Log},         {"cell", Cell},         {"start", Start},       {"count", Count},
    {"step", Step},       {"attacker", Attacker}, {"defender", Defender}, {"switch", Switch},
    {"copy", CopyResult}, {"open", Open},         {"edit", Edit},         {"cancel", Cancel},
    {"save", Save},       {"restore", Restore},
};

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE Session* sk_new() {
    return new Session;
}

EMSCRIPTEN_KEEPALIVE const char* sk_call(Session* s, const char* command, const char* a,
                                         const char* b, const char* c) {
    Answer answer;
    for (const auto& [name, run] : kCommands) {
        if (name == command) {
            run(*s, {a, b, c}, answer);
        }
    }
    s->answer = answer.Json();
    return s->answer.c_str();
}
}
