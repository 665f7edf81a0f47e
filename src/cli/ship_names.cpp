#include "cli/ship_names.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "data/latin1_text.h"

namespace {

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameIgnoringCase(char a, char b) {
    return AsciiLower(a) == AsciiLower(b);
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), SameIgnoringCase);
}

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
    return std::search(text.begin(), text.end(), part.begin(), part.end(), SameIgnoringCase) !=
           text.end();
}

template <typename Test>
std::vector<int> RowsWhere(const ShipTable& table, Test test) {
    std::vector<int> rows;
    for (std::size_t row = 0; row < kShipCount; ++row) {
        if (test(table[row][Col::ShipName])) {
            rows.push_back(static_cast<int>(row));
        }
    }
    return rows;
}

NameMatch MatchLatin1Name(const ShipTable& table, std::string_view typed) {
    const std::vector<int> exact =
        RowsWhere(table, [typed](const std::string& name) { return name == typed; });
    if (exact.size() == 1) {
        return {NameMatchKind::Found, exact.front(), {}};
    }
    if (exact.size() > 1) {
        return {NameMatchKind::Ambiguous, -1, exact};
    }
    const std::vector<int> prefixed = RowsWhere(
        table, [typed](const std::string& name) { return StartsWithIgnoringCase(name, typed); });
    if (prefixed.size() == 1) {
        return {NameMatchKind::Found, prefixed.front(), {}};
    }
    if (prefixed.size() > 1) {
        return {NameMatchKind::Ambiguous, -1, prefixed};
    }
    // Nothing begins so: the names that at least contain it, else every name.
    std::vector<int> close = RowsWhere(
        table, [typed](const std::string& name) { return ContainsIgnoringCase(name, typed); });
    if (close.empty()) {
        close = RowsWhere(table, [](const std::string&) { return true; });
    }
    return {NameMatchKind::Unknown, -1, close};
}

}  // namespace

NameMatch MatchShipName(const ShipTable& table, std::string_view typed) {
    return MatchLatin1Name(table, Latin1FromUtf8(typed).value_or(std::string(typed)));
}
