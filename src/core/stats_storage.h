#pragma once

#include <string>

#include "core/program_state.h"
#include "data/ship_table.h"

// The built-in settings line (and so the default display settings), the base hit chance
// and the built-in table into StoredStats, nothing else: start-up's part, before any
// window or file view exists.
void InstallDefaultStats(ProgramState& state);

// InstallDefaultStats, then the default file text in the file view with the default
// settings line as its line 4, the file marked as not found and the header box and grid
// refreshed. ActiveStats is left alone: it follows at the main window's next activation.
void BuildDefaultStats(ProgramState& state);

enum class StatsFileRead { Whole, NotFound, Unreadable, Damaged };

// The stats file at `path` into the file view and, when it has every line, its ship table
// into StoredStats. The one reader of stats files: start-up and skirmod-calc both use it.
StatsFileRead ReadStatsFile(ProgramState& state, const std::string& path);

// Start-up: reads ShipStats.txt from the current directory into StoredStats and the
// settings; a missing or damaged file is reported and the defaults are used instead.
void LoadStatsFile(ProgramState& state);

enum class SaveOutcome { Cancelled, Saved, Failed };

struct SaveResult {
    SaveOutcome Outcome = SaveOutcome::Cancelled;
    // For the user: why a save Failed, or a warning about one Saved; empty when all is well.
    std::string Message;
};

// The grid's Save: `grid` becomes StoredStats and is written to the file the user picks.
SaveResult SaveModifiedStatsFile(ProgramState& state, const ShipTable& grid);

// Restore: the built-in table and settings, written to the file the user picks.
SaveResult SaveDefaultStatsFile(ProgramState& state);

// The settings panel's save: `line` becomes the SettingsLine and line 4 of the file view,
// and the whole view is written, without a dialog, to the save dialog's current file
// name. Once the file holds it, it is the SavedSettingsLine.
SaveResult SaveSettingsLine(ProgramState& state, const std::string& line);
