#include "core/key_table.h"

#include <array>
#include <string_view>
#include <vector>

#include "core/log_commands.h"

namespace {

using enum KeyCommand;

// The results log's rows come in where the comment says, kLogRowsAt rows down.
constexpr std::array<KeyRow, 25> kFixedRows = {{
    {Listed, "Calculator", "Tab, Shift+Tab", "count box, defender list, attacker list"},
    {CountUp, "Count box", "Up", "one ship more, as the spin-up label"},
    {CountDown, "Count box", "Down", "one ship fewer, as the spin-down label"},
    {CountTenUp, "Count box", "PgUp", "ten ships more"},
    {CountTenDown, "Count box", "PgDn", "ten ships fewer"},
    {Listed, "Calculator, ship list", "Up, Down, or type the name's start",
     "another ship type; Alt+Down drops the list down"},
    {OpenDetails, "Calculator", "Alt+D", "opens the Details window and brings it to the front"},
    {OpenMenu, "Calculator", "Shift+F10, Menu",
     "the right-click menu, first item current; Enter chooses"},
    {MoveWindow, "Calculator", "Alt+M",
     "moves the window: arrows 10 pixels, Ctrl+arrows 1; Enter keeps the place, Escape puts "
     "it back"},
    {MinimiseWindows, "Calculator", "Alt+N",
     "minimises the calculator, and the Details window with it, as the minimise label does"},
    {NextSection, "Details window", "Ctrl+Tab, Ctrl+PgDn",
     "next section (after Setup comes Calculation)"},
    {PreviousSection, "Details window", "Ctrl+Shift+Tab, Ctrl+PgUp", "previous section"},
    {Listed, "Section tabs", "Left, Up, Right, Down", "previous or next section"},
    {Listed, "Details window", "Enter, Space", "presses the focused button"},
    {Listed, "Text boxes", "Tab, Shift+Tab",
     "next or previous control; arrows and Shift select, Ctrl+C copies"},
    // kLogRowsAt: the results log's rows come in here.
    {StatsEdit, "Setup", "Alt+E", "Edit"},
    {StatsSave, "Setup", "Alt+S", "Save"},
    {StatsCancel, "Setup", "Alt+C", "Cancel"},
    {StatsRestore, "Setup", "Alt+R", "Restore"},
    {OpenSettings, "Setup", "Alt+T", "Settings"},
    {OpenAbout, "Setup", "Alt+B", "About"},
    {Listed, "Setup grid", "Tab, Shift+Tab",
     "next or previous cell; from the last cell or the first, on to the next control"},
    {Listed, "Setup grid", "Ctrl+C, Ctrl+V",
     "copies the selected cells, pastes at the current cell"},
    {Listed, "Settings", "Up, Down, Left, Right",
     "in the colour grid: another colour; on a bar: less or more of its colour"},
    {Listed, "Settings", "PgUp, PgDn", "on a bar: a larger step"},
}};

constexpr std::size_t kLogRowsAt = 15;

// The engine's strings are literals, so their data ends in a null.
KeyRow LogRow(const char* where, std::string_view keys, const LogCommandRow& row) {
    return {ResultsLog, where, keys.data(), row.caption.data()};
}

std::vector<KeyRow> BuildKeyRows() {
    std::vector<KeyRow> rows(kFixedRows.begin(), kFixedRows.begin() + kLogRowsAt);
    for (const LogCommandRow& row : kLogCommands) {
        rows.push_back(LogRow("Results", row.buttonKey, row));
    }
    for (const LogCommandRow& row : kLogCommands) {
        if (!row.listKey.empty()) {
            rows.push_back(LogRow("Results log", row.listKey, row));
        }
    }
    rows.insert(rows.end(), kFixedRows.begin() + kLogRowsAt, kFixedRows.end());
    return rows;
}

}  // namespace

std::span<const KeyRow> KeyTable() {
    static const std::vector<KeyRow> kRows = BuildKeyRows();
    return kRows;
}
