#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/program_state.h"
#include "core/stats_storage.h"
#include "data/ship_table.h"
#include "data/tab_block.h"

// The stats table as a front end without a file system of its own changes it: a file
// opened from bytes, cells edited one by one, the file's bytes handed back for a download.

// The desktop's start-up question for a stats file at `path` that could not be used.
std::string StatsFileWarning(const std::string& path, StatsFileRead read);

// A stats file the user opened, `name` standing for its path: a whole one becomes the
// stored and the active table, its settings line the settings, and the results follow.
// Anything else (damaged, or beyond FileView::kMaxFileSize) leaves everything as it was.
StatsFileRead OpenStatsBytes(ProgramState& state, const std::string& name, std::string_view bytes);

// The companion's table: the file just read at `path` (ReadStatsFile) is the one calculated
// with, settings and results untouched.
void TakeLoadedStats(ProgramState& state, const std::string& path);

enum class CellEdit { Stored, FixedCell, LineBreak, NotLatin1 };

// The edit a cell text's refusal makes (not None).
CellEdit RefusedEdit(PasteRefusal refusal);

// One cell of StoredStats takes `utf8Text`, and the results follow. The names and anything
// outside the table are fixed; a line break would break the file's line layout, and a
// character beyond Latin-1 cannot be stored in its 8-bit text: all three leave the cell.
CellEdit EditStatsCell(ProgramState& state, std::size_t row, std::size_t column,
                       std::string_view utf8Text);

// The desktop Save's change without its dialog: `grid` becomes StoredStats and the file view
// its file, headed "Modified ShipStats.txt file. Last Edited... " and `now`.
void StoreEditedStats(ProgramState& state, const ShipTable& grid, const std::string& now);

// What a save writes: the file view with the current settings line as its line 4.
std::string StatsFileBytes(const ProgramState& state);

// Back to the built-in table and settings, the file marked as not found, the results
// recalculated; nothing is written.
void RestoreBuiltInStats(ProgramState& state);
