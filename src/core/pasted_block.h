#pragma once

#include <cstddef>
#include <string_view>

#include "core/program_state.h"
#include "core/stats_edits.h"

// A block copied from a spreadsheet or a web page's table (data/tab_block.h) pasted into
// StoredStats with its first field at (row, column), rightwards and downwards: the names and
// what falls outside the table are dropped. Stored whole, and the results follow, or refused
// whole (LineBreak, NotLatin1), which changes nothing.
CellEdit PasteStatsBlock(ProgramState& state, std::size_t row, std::size_t column,
                         std::string_view utf8Block);
