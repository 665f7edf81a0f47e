#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/program_state.h"
#include "data/ship_table.h"
#include "data/tab_block.h"

// The ship table in memory: the built-in one, a stats file's bytes, and the Setup grid's
// edit session. Reading and writing files is stats_storage.h's, above this.

// The built-in settings line (and so the default display settings), the base hit chance
// and the built-in table into StoredStats, nothing else: start-up's part, before any
// window or file view exists.
void InstallDefaultStats(ProgramState& state);

// InstallDefaultStats, then the default file text in the file view with the default
// settings line as its line 4, the file marked as not found. ActiveStats is left alone:
// it follows at the calculator's next RecalculateAll.
void BuildDefaultStats(ProgramState& state);

enum class StatsFileRead { Whole, NotFound, Unreadable, Damaged };

// The desktop's start-up question for a stats file at `path` that could not be used.
std::string StatsFileWarning(const std::string& path, StatsFileRead read);

// A stats file the user opened, `name` standing for its path: a whole one becomes the
// stored and the active table, its settings line the settings, and the results follow.
// Anything else (damaged, or beyond FileView::kMaxFileSize) leaves everything as it was.
StatsFileRead OpenStatsBytes(ProgramState& state, const std::string& name, std::string_view bytes);

// The companion's table: the file just read at `path` (ReadStatsFile) is the one calculated
// with, settings and results untouched.
void TakeLoadedStats(ProgramState& state, const std::string& path);

// What the edit session did with a typed cell or a pasted block.
enum class CellEdit { Stored, NotEditing, FixedCell, LineBreak, NotLatin1 };

// What the user is told of a refused edit; empty for Stored.
std::string_view CellEditRefusalText(CellEdit edit);

// The session's grid shows StoredStats again and editing ends: Cancel, and every new
// stored table (loaded, opened, restored, saved).
void ShowStoredStatsInGrid(ProgramState& state);

// Edit: the grid takes the user's cells from now on. Nothing else changes, so texts left
// in the grid by a save whose dialog was cancelled are edited further.
void BeginStatsEdit(ProgramState& state);
// Save's first step: the grid takes no more cells, and keeps what it holds until a save
// stores it or the next ShowStoredStatsInGrid.
void EndStatsEdit(ProgramState& state);

// One cell of the grid takes `utf8Text`, while editing only. The names and anything
// outside the table are fixed; a line break would break the file's line layout, and a
// character beyond Latin-1 cannot be stored in its 8-bit text: all three leave the cell.
// The calculation sees the cell only once a save stores the grid.
CellEdit EditStatsCell(ProgramState& state, std::size_t row, std::size_t column,
                       std::string_view utf8Text);

// A block copied from a spreadsheet or a web page's table (data/tab_block.h) pasted into
// the grid with its first field at (row, column), rightwards and downwards, while editing
// only: the names and what falls outside the table are dropped. Taken whole, or refused
// whole (LineBreak, NotLatin1), which changes nothing.
CellEdit PasteStatsBlock(ProgramState& state, std::size_t row, std::size_t column,
                         std::string_view utf8Block);

// The grid becomes StoredStats and the file view its file, headed "Modified ShipStats.txt
// file. Last Edited... " and `now`; editing ends.
void StoreEditedStats(ProgramState& state, const std::string& now);

// What a save writes: the file view with the current settings line as its line 4.
std::string StatsFileBytes(const ProgramState& state);

// The settings panel's save for a front end without files: `line` becomes the SettingsLine,
// line 4 of the file view and the SavedSettingsLine, as a written save leaves them; the
// answer is the file's bytes, for the front end to keep.
std::string StoreSettingsLine(ProgramState& state, const std::string& line);

// Back to the built-in table and settings, the file marked as not found, the results
// recalculated; nothing is written.
void RestoreBuiltInStats(ProgramState& state);
