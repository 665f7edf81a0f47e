#pragma once

#include <string>
#include <string_view>

#include "data/ship_table.h"

class FileView;
struct ProgramState;

// One header line, then three lines for each of the 54 x 19 fields (label, value, empty);
// line 4 carries the settings line.
inline constexpr std::size_t kStatsFileLines = 1 + 3 * kShipCount * kColumnCount;
inline constexpr std::size_t kSettingsLineNumber = 4;

// The address is kept short so that the header box shows the line without wrapping.
inline constexpr std::string_view kDefaultFileHeader =
    "Default ShipStats. Source.... Taken from manual on 29/05/2003 at skirmod.example/manual";
inline constexpr std::string_view kModifiedFileHeader =
    "Modified ShipStats.txt file. Last Edited... ";

// Rebuilds the view in the stats file layout from `table`, line 4 left empty.
void FillFileView(FileView& view, std::string_view header, const ShipTable& table);

// The 54 x 19 values of a view in that layout; lines past its end read as empty text.
void ReadFieldsFromView(const FileView& view, ShipTable& table);

// Start-up: reads ShipStats.txt from the current directory into StoredStats and the
// settings; a missing or damaged file is reported and the defaults are used instead.
void LoadStatsFile(ProgramState& state);

enum class SaveOutcome { Cancelled, Saved, Failed };

struct SaveResult {
    SaveOutcome Outcome = SaveOutcome::Cancelled;
    std::string Error;  // the platform's reason, when Failed
};

// The grid's Save: `grid` becomes StoredStats and is written to the file the user picks.
SaveResult SaveModifiedStatsFile(ProgramState& state, const ShipTable& grid);

// Restore: the built-in table and settings, written to the file the user picks.
SaveResult SaveDefaultStatsFile(ProgramState& state);

// The settings panel's save: `line` becomes the SettingsLine and line 4 of the file view,
// and the whole view is written, without a dialog, to the save dialog's current file
// name. Only a successful write makes it the SavedSettingsLine.
SaveResult SaveSettingsLine(ProgramState& state, const std::string& line);
