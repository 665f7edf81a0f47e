#include "core/pasted_block.h"

#include <utility>

#include "core/calculation.h"
#include "data/tab_block.h"

CellEdit PasteStatsBlock(ProgramState& state, std::size_t row, std::size_t column,
                         std::string_view utf8Block) {
    constexpr BlockArea kValues{{0, 1}, {kShipCount - 1, kColumnCount - 1}};
    const BlockCell at{static_cast<int>(row), static_cast<int>(column)};
    BlockPaste paste = PlacePastedBlock(utf8Block, at, kValues);
    if (paste.refusal != PasteRefusal::None) {
        return RefusedEdit(paste.refusal);
    }
    for (PastedCell& pasted : paste.cells) {
        state.StoredStats[static_cast<std::size_t>(pasted.cell.row)]
            .fields[static_cast<std::size_t>(pasted.cell.column)] = std::move(pasted.text);
    }
    RecalculateAll(state);
    return CellEdit::Stored;
}
