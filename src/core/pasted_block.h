#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/program_state.h"
#include "core/stats_edits.h"

// A block copied from a spreadsheet or a web page's table: rows end with CR LF, CR or LF,
// fields with a tab, and a field in double quotes may hold tabs, line breaks and doubled
// quotes. An empty text has no rows.
std::vector<std::vector<std::string>> SplitTabBlock(std::string_view text);

// The block pasted into StoredStats from (row, column) rightwards and downwards: cells that
// are fixed or outside the table are skipped. A cell the block would give a line break or
// a character beyond Latin-1 refuses the whole block, which then changes nothing.
CellEdit PasteStatsBlock(ProgramState& state, std::size_t row, std::size_t column,
                         std::string_view utf8Block);
