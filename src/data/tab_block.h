#pragma once

#include <string>
#include <string_view>
#include <vector>

// Clipboard text of the stats table, as spreadsheets and web pages exchange tables: one line
// per row, fields separated by tabs. The text is UTF-8 (the separators are ASCII, so fields
// are cut byte by byte); the cells take Latin-1, the stats file's one byte per character.

struct BlockCell {
    int row = 0;
    int column = 0;
};

// The cells from `first` to `last`, both included.
struct BlockArea {
    BlockCell first;
    BlockCell last;
};

enum class PasteRefusal { None, LineBreakInCell, NotLatin1 };

// What the user reads about a refused paste; empty for None.
std::string_view PasteRefusalText(PasteRefusal refusal);

// What a stats cell can hold of `utf8`: a line break would break the file's line layout and
// a character beyond Latin-1 cannot be stored in its 8-bit text, so either refuses the text
// whole; else its Latin-1 bytes.
struct CellText {
    PasteRefusal refusal = PasteRefusal::None;
    std::string latin1;
};
CellText CellTextOf(std::string_view utf8);

struct PastedCell {
    BlockCell cell;
    std::string text;  // Latin-1
};

// Either a refusal and no cells, or the cells to change.
struct BlockPaste {
    PasteRefusal refusal = PasteRefusal::None;
    std::vector<PastedCell> cells;
};

using BlockRows = std::vector<std::vector<std::string>>;

// Each row's fields joined by tabs, every line (the last one too) ended by CR LF, as
// spreadsheets put a block on the clipboard. A field that starts with a quote or holds a tab
// is quoted, so that pasting it back gives the same text.
std::string CopiedBlockText(const BlockRows& rows);

// The rows of fields of a tab-separated text, by the rules of PlacePastedBlock below; an
// empty text has no rows.
BlockRows SplitTabText(std::string_view text);

// The block of tab-separated fields in `utf8` with its first field at `at`, rightwards and
// downwards; what falls outside `editable` is dropped. Lines end with CR LF, a lone CR or a
// lone LF, and a line end at the very end does not begin a further row. A field in quotes
// runs to the quote followed by a tab, a line end or the end of the text, with "" standing
// for one quote: that is how spreadsheets hand over a cell with a line break. Any other
// quote is text. An empty field empties its cell; an empty text changes nothing. A block
// that would put a line break or a character beyond Latin-1 into a cell is refused whole;
// what is dropped is not looked at.
BlockPaste PlacePastedBlock(std::string_view utf8, BlockCell at, BlockArea editable);
