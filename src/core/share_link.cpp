#include "core/share_link.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "core/deflate.h"
#include "core/inputs.h"
#include "core/stats_edits.h"
#include "data/default_ships.h"
#include "data/int_text.h"
#include "data/latin1_text.h"
#include "data/stats_file.h"

namespace {

// The carried cells' layout, first byte: a new layout gets a new number.
constexpr char kCellsFormat = 1;
constexpr std::size_t kCellCount = kShipCount * kColumnCount;
// How much of a hostile text a message repeats.
constexpr std::size_t kQuotedSize = 40;
constexpr std::string_view kHeader = "Ship table of a shared link";

const ShipTable& BuiltInTable() {
    static const ShipTable table = DefaultShipTable();
    return table;
}

const std::string& CellAt(const ShipTable& table, std::size_t index) {
    return table[index / kColumnCount].fields[index % kColumnCount];
}

// ---- base64url without padding ----

constexpr std::string_view kBase64 =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

std::string Base64Url(std::string_view bytes) {
    std::string text;
    std::uint32_t bits = 0;
    int held = 0;
    for (const char byte : bytes) {
        bits = (bits << 8U) | static_cast<std::uint8_t>(byte);
        held += 8;
        while (held >= 6) {
            held -= 6;
            text.push_back(kBase64[(bits >> held) & 63U]);
        }
    }
    if (held > 0) {
        text.push_back(kBase64[(bits << (6 - held)) & 63U]);
    }
    return text;
}

// Strict: the alphabet only, no padding, no leftover bits set.
std::optional<std::string> FromBase64Url(std::string_view text) {
    std::string bytes;
    std::uint32_t bits = 0;
    int held = 0;
    for (const char c : text) {
        const std::size_t value = kBase64.find(c);
        if (value == std::string_view::npos) {
            return std::nullopt;
        }
        bits = (bits << 6U) | static_cast<std::uint32_t>(value);
        held += 6;
        if (held >= 8) {
            held -= 8;
            bytes.push_back(static_cast<char>((bits >> held) & 0xFFU));
        }
    }
    if (held >= 6 || (bits & ((1U << held) - 1)) != 0) {
        return std::nullopt;
    }
    return bytes;
}

// ---- percent-encoding of UTF-8 text ----

bool IsUnreserved(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

constexpr std::string_view kHex = "0123456789ABCDEF";

// A hex digit's value, either case; -1 for anything else.
int HexValue(char c) {
    const std::size_t upper = kHex.find(c);
    const std::size_t lower = std::string_view("0123456789abcdef").find(c);
    if (upper != std::string_view::npos) {
        return static_cast<int>(upper);
    }
    return lower != std::string_view::npos ? static_cast<int>(lower) : -1;
}

std::string PercentEncoded(std::string_view latin1) {
    std::string text;
    for (const char c : Utf8FromLatin1(latin1)) {
        if (IsUnreserved(c)) {
            text.push_back(c);
        } else {
            const auto byte = static_cast<std::uint8_t>(c);
            text += {'%', kHex[byte >> 4U], kHex[byte & 15U]};
        }
    }
    return text;
}

std::optional<std::string> PercentDecoded(std::string_view text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            bytes.push_back(text[i]);
            continue;
        }
        const int high = i + 2 < text.size() ? HexValue(text[i + 1]) : -1;
        const int low = high >= 0 ? HexValue(text[i + 2]) : -1;
        if (low < 0) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<char>(high * 16 + low));
        i += 2;
    }
    return bytes;
}

// ---- the carried cells ----

void PutVarint(std::string& out, std::size_t value) {
    do {
        const auto low = static_cast<std::uint8_t>(value & 0x7FU);
        value >>= 7U;
        out.push_back(static_cast<char>(value != 0 ? low | 0x80U : low));
    } while (value != 0);
}

// Each changed cell: its place in row order (two bytes), its text's length, its text.
std::string CarriedCells(const ShipTable& table) {
    std::string cells(1, kCellsFormat);
    for (std::size_t index = 0; index < kCellCount; ++index) {
        const std::string& text = CellAt(table, index);
        if (text != CellAt(BuiltInTable(), index)) {
            cells.push_back(static_cast<char>(index >> 8U));
            cells.push_back(static_cast<char>(index & 0xFFU));
            PutVarint(cells, text.size());
            cells += text;
        }
    }
    return cells;
}

class CellReader {
  public:
    explicit CellReader(std::string_view bytes) : m_bytes(bytes) {}

    bool AtEnd() const { return m_at == m_bytes.size(); }

    std::optional<std::size_t> Byte() {
        if (AtEnd()) {
            return std::nullopt;
        }
        return static_cast<std::uint8_t>(m_bytes[m_at++]);
    }

    // At most four bytes: no cell is longer than the inflated cells themselves.
    std::optional<std::size_t> Varint() {
        std::size_t value = 0;
        for (unsigned shift = 0; shift < 28; shift += 7) {
            const std::optional<std::size_t> byte = Byte();
            if (!byte) {
                return std::nullopt;
            }
            value |= (*byte & 0x7FU) << shift;
            if ((*byte & 0x80U) == 0) {
                return value;
            }
        }
        return std::nullopt;
    }

    std::optional<std::string_view> Text(std::size_t size) {
        if (size > m_bytes.size() - m_at) {
            return std::nullopt;
        }
        const std::string_view text = m_bytes.substr(m_at, size);
        m_at += size;
        return text;
    }

  private:
    std::string_view m_bytes;
    std::size_t m_at = 0;
};

std::string_view InflateFaultText(InflateFault fault) {
    switch (fault) {
        case InflateFault::Truncated:
            return "it is cut short";
        case InflateFault::TooLong:
            return "it unpacks to more than a table holds";
        case InflateFault::BadBlockType:
        case InflateFault::BadStoredLength:
        case InflateFault::BadCodeLengths:
        case InflateFault::BadCode:
        case InflateFault::BadDistance:
        case InflateFault::None:
            break;
    }
    return "it is not packed data";
}

// The cells of `t` into the battle's table (the built-in one), or why not.
std::optional<std::string> PutCarriedCells(std::string_view encoded, SharedBattle& battle) {
    const std::optional<std::string> packed = FromBase64Url(encoded);
    if (!packed) {
        return std::string("its table (t) is not base64url text");
    }
    const Inflated cells = Inflate(*packed, kMaxCarriedCellsSize);
    if (cells.Fault != InflateFault::None) {
        return "its table (t) is damaged: " + std::string(InflateFaultText(cells.Fault));
    }
    CellReader reader(cells.Bytes);
    if (reader.Byte() != static_cast<std::size_t>(kCellsFormat)) {
        return std::string("its table (t) is in a layout this version does not know");
    }
    std::size_t next = 0;
    while (!reader.AtEnd()) {
        const std::optional<std::size_t> high = reader.Byte();
        const std::optional<std::size_t> low = reader.Byte();
        const std::optional<std::size_t> size = low ? reader.Varint() : std::nullopt;
        const std::optional<std::string_view> text = size ? reader.Text(*size) : std::nullopt;
        if (!text) {
            return std::string("its table (t) ends inside a cell");
        }
        const std::size_t index = (*high << 8U) | *low;
        if (index >= kCellCount || index < next) {
            return std::string("its table (t) names a cell outside the table, or one twice");
        }
        battle.Table[index / kColumnCount].fields[index % kColumnCount] = *text;
        ++battle.ChangedCells;
        next = index + 1;
    }
    return std::nullopt;
}

// ---- the link's keys ----

std::string Quoted(std::string_view latin1) {
    const std::string cut(latin1.substr(0, kQuotedSize));
    return "'" + cut + (latin1.size() > kQuotedSize ? "...'" : "'");
}

struct LinkKeys {
    std::optional<std::string_view> Attacker, Defender, Count, Table;
};

// The keys this link format has, each at most once; other keys are left to later formats.
std::optional<std::string> SplitKeys(std::string_view text, LinkKeys& keys) {
    using Key = std::optional<std::string_view> LinkKeys::*;
    const std::pair<std::string_view, Key> kKeys[] = {{"att", &LinkKeys::Attacker},
                                                      {"def", &LinkKeys::Defender},
                                                      {"n", &LinkKeys::Count},
                                                      {"t", &LinkKeys::Table}};
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('&'), text.size());
        const std::string_view part = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        const std::size_t equals = part.find('=');
        for (const auto& [name, member] : kKeys) {
            if (equals != std::string_view::npos && part.substr(0, equals) == name) {
                if (keys.*member) {
                    return "it gives " + std::string(name) + " twice";
                }
                keys.*member = part.substr(equals + 1);
            }
        }
    }
    return std::nullopt;
}

// The first row of that name; kShipCount for none.
std::size_t FirstRowNamed(const ShipTable& table, std::string_view name) {
    std::size_t row = 0;
    while (row < kShipCount && table[row][Col::ShipName] != name) {
        ++row;
    }
    return row;
}

// A ship's escaped name. A table may name two rows alike: a row that is not the first of
// its name follows it with '@' and its row, which no escaped name holds.
std::string ShipKey(const ShipTable& table, int row) {
    const std::size_t r = static_cast<std::size_t>(row) < kShipCount ? row : 0;
    const std::string& name = table[r][Col::ShipName];
    const bool first = FirstRowNamed(table, name) == r;
    return PercentEncoded(name) + (first ? "" : "@" + std::to_string(r));
}

// "12" of "Name@12": a row of the table in plain digits.
std::optional<std::size_t> RowNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 2 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    const std::size_t row = std::stoul(std::string(digits));
    return row < kShipCount ? std::optional(row) : std::nullopt;
}

// The ship a link names, in the link's own table: the first of its name, or the row after
// '@', which must bear that name.
std::optional<std::string> FindShip(const ShipTable& table, std::string_view key,
                                    std::string_view side, int& row) {
    const std::size_t at = key.rfind('@');
    const std::optional<std::string> utf8 = PercentDecoded(key.substr(0, at));
    const std::optional<std::string> name = utf8 ? Latin1FromUtf8(*utf8) : std::nullopt;
    const std::string ship = "its " + std::string(side) + " ship ";
    if (!name) {
        return ship + "is not text a ship name can hold";
    }
    std::size_t found = FirstRowNamed(table, *name);
    if (at != std::string_view::npos) {
        const std::optional<std::size_t> given = RowNumber(key.substr(at + 1));
        found = given && table[*given][Col::ShipName] == *name ? *given : kShipCount;
    }
    if (found == kShipCount) {
        return ship + Quoted(*name) + " is not in its table";
    }
    row = static_cast<int>(found);
    return std::nullopt;
}

std::optional<std::string> ReadCount(std::string_view encoded, std::string& count) {
    const std::optional<std::string> utf8 = PercentDecoded(encoded);
    const std::optional<std::string> text = utf8 ? Latin1FromUtf8(*utf8) : std::nullopt;
    if (!text) {
        return std::string("its count is not text");
    }
    switch (Int64TextKind(*text)) {
        case IntTextKind::Number:
            count = std::to_string(*ParseInt64(*text));
            return std::nullopt;
        case IntTextKind::TooLarge:
        case IntTextKind::TooSmall:
            return "its count " + Quoted(*text) + " is beyond the 64-bit range";
        case IntTextKind::NotANumber:
            break;
    }
    return "its count " + Quoted(*text) + " is not a whole number";
}

std::optional<std::string> ReadBattle(std::string_view text, SharedBattle& battle) {
    LinkKeys keys;
    if (std::optional<std::string> problem = SplitKeys(text, keys)) {
        return problem;
    }
    if (!keys.Attacker || !keys.Defender || !keys.Count) {
        return std::string("it does not name both ships (att, def) and the count (n)");
    }
    battle.Table = BuiltInTable();
    std::optional<std::string> problem;
    if (keys.Table) {
        problem = PutCarriedCells(*keys.Table, battle);
    }
    if (!problem) {
        problem = FindShip(battle.Table, *keys.Attacker, "attacking", battle.Attacker);
    }
    if (!problem) {
        problem = FindShip(battle.Table, *keys.Defender, "defending", battle.Defender);
    }
    if (!problem) {
        problem = ReadCount(*keys.Count, battle.Count);
    }
    return problem;
}

}  // namespace

std::optional<std::string> ShareLinkOf(const ShipTable& table, int attacker, int defender,
                                       std::string_view countText) {
    std::string link = "#att=" + ShipKey(table, attacker) + "&def=" + ShipKey(table, defender) +
                       "&n=" + std::to_string(ToInt64Or(countText, 0));
    if (ChangedCellCount(table) > 0) {
        link += "&t=" + Base64Url(Deflate(CarriedCells(table)));
    }
    if (link.size() - 1 > kMaxLinkSize) {
        return std::nullopt;
    }
    return link;
}

std::optional<std::string> ShareLink(const ProgramState& state) {
    return ShareLinkOf(state.ActiveStats, SelectedAttacker(state), SelectedDefender(state),
                       CountText(state));
}

LinkRead ReadShareLink(std::string_view link) {
    const std::size_t hash = link.find('#');
    const std::string_view text = hash == std::string_view::npos ? link : link.substr(hash + 1);
    if (text.size() > kMaxLinkSize) {
        return {std::nullopt, "This link could not be read: it is " + std::to_string(text.size()) +
                                  " characters long, and a battle link has at most " +
                                  std::to_string(kMaxLinkSize) + "."};
    }
    SharedBattle battle;
    if (const std::optional<std::string> problem = ReadBattle(text, battle)) {
        return {std::nullopt, "This link could not be read: " + *problem + "."};
    }
    return {std::move(battle), {}};
}

std::size_t ChangedCellCount(const ShipTable& table) {
    std::size_t changed = 0;
    for (std::size_t index = 0; index < kCellCount; ++index) {
        changed += CellAt(table, index) != CellAt(BuiltInTable(), index) ? 1 : 0;
    }
    return changed;
}

void OpenSharedBattle(ProgramState& state, const SharedBattle& battle) {
    state.ActiveStats = battle.Table;
    SetInputs(state, battle.Attacker, battle.Defender, battle.Count);
}

bool SharedTableInUse(const ProgramState& state) {
    return state.ActiveStats != state.StoredStats;
}

void KeepSharedTable(ProgramState& state, const std::string& name) {
    state.StoredStats = state.ActiveStats;
    StatsFileState& stats = state.Stats;
    FillFileView(stats.FileMemo, kHeader, state.StoredStats);
    stats.FileMemo.Replace(kSettingsLineNumber, state.Settings.SettingsLine);
    stats.StatsFilePath = name;
    stats.StatsFileFound = true;
    ShowStoredStatsInGrid(state);
}
