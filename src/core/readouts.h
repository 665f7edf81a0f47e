#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/program_state.h"

// What a front end shows, read from the core; a front end never writes the state itself.

// The names of the table calculations use, in row order: the ship lists.
std::vector<std::string> ShipNames(const ProgramState& state);

// The line Copy Result copies and the results log takes.
const std::string& CurrentResultLine(const ProgramState& state);
// The main window's result fields as the last calculation wrote them.
const ResultTexts& CurrentResults(const ProgramState& state);
// The figures of the last calculation (ships killed or held, target slot, ...).
const CombatState& CurrentCombat(const ProgramState& state);
// One report box's lines.
const ReportLines& ReportText(const ProgramState& state, Report report);
// The settings line's values: the windows' colours, the defaults of start-up.
const DisplaySettings& DisplaySettingsOf(const ProgramState& state);

// A colour of the display settings as CSS writes it: "#rrggbb", "transparent" for no
// colour, and the nearest CSS system colour for the default and the system colours.
std::string CssColor(ColorValue value);

// The stored table, which the stats grid shows and edits.
const ShipTable& StoredTable(const ProgramState& state);
// The Setup grid: the stored table, or while and after editing the user's cells.
const ShipTable& EditedStats(const ProgramState& state);
// Between Edit and Save or Cancel.
bool EditingStats(const ProgramState& state);
// The stats file's first line, as the header box shows it.
const std::string& StatsFileHeader(const ProgramState& state);
// The header box's second line: where the file is, or that the defaults stand in; a file
// read as UTF-8 says so after its path.
std::string StatsFileLocation(const ProgramState& state);
inline constexpr std::string_view kStatsFileAt = "File location...  ";
inline constexpr std::string_view kStatsFileMissing =
    "WARNING -- ShipStats.txt file not found... using program defaults";
inline constexpr std::string_view kStatsFileReadAsUtf8 =
    "  (read as UTF-8 text; a save writes it in the program's 8-bit text)";
