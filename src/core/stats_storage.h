#pragma once

#include <string>

#include "core/program_state.h"
#include "core/stats_edits.h"

// The stats file on disk: the one reader of stats files, and the three saves. The user's
// answers (the start-up question, the save dialog) come from the front end before these run.

// The stats file at `path` into the file view and, when it has every line, its ship table
// into StoredStats. Start-up and skirmod-calc both use it.
StatsFileRead ReadStatsFile(ProgramState& state, const std::string& path);

// Start-up: reads ShipStats.txt from the current directory into StoredStats and the
// settings; a missing or damaged file leaves the defaults instead (BuildDefaultStats),
// and the answer says why, for the front end's StatsFileWarning question.
StatsFileRead LoadStatsFile(ProgramState& state);

enum class SaveOutcome { Cancelled, Saved, Failed };

struct SaveResult {
    SaveOutcome Outcome = SaveOutcome::Cancelled;
    // For the user: why a save Failed, or a warning about one Saved; empty when all is well.
    std::string Message;
};

// Where the save dialog opens: the file chosen in the last confirmed dialog, or before any,
// the dialog's bare proposed name in the stats file's folder.
std::string SaveDialogStart(const ProgramState& state);

// Save, once the user chose `path` in the save dialog: the edit session's grid becomes
// StoredStats, headed with `now`, and is written there.
SaveResult SaveModifiedStatsFile(ProgramState& state, const std::string& path,
                                 const std::string& now);

// Restore, once the user chose `path`: the built-in table and settings, written there.
SaveResult SaveDefaultStatsFile(ProgramState& state, const std::string& path);

// The settings panel's save: `line` becomes the SettingsLine and line 4 of the file view,
// and the whole view is written, without a dialog, to the save dialog's current file
// name. Once the file holds it, it is the SavedSettingsLine.
SaveResult SaveSettingsLine(ProgramState& state, const std::string& line);
