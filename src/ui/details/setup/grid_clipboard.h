#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Clipboard text of the stats grid, as spreadsheets and web pages exchange tables: one line
// per row, fields separated by tabs. Cells are addressed as the grid shows them: row 0
// holds the column headers and column 0 the ship names.

struct GridCell {
    int row = 0;
    int column = 0;
};

// The cells from `first` to `last`, both included.
struct GridArea {
    GridCell first;
    GridCell last;
};

enum class PasteRefusal { None, LineBreakInCell, NotLatin1 };

struct PastedCell {
    GridCell cell;
    QString text;
};

// Either a refusal and no cells, or the cells to change.
struct GridPaste {
    PasteRefusal refusal = PasteRefusal::None;
    QList<PastedCell> cells;
};

// Each row's fields joined by tabs, every line (the last one too) ended by CR LF, as
// spreadsheets put a block on the clipboard. A field that starts with a quote or holds a tab
// is quoted, so that pasting it back gives the same text.
QString CopiedBlockText(const QList<QStringList>& rows);

// The block of tab-separated fields in `text` with its first field at `at`, rightwards and
// downwards; what falls outside `editable` is dropped. Lines end with CR LF, a lone CR or a
// lone LF, and a line end at the very end does not begin a further row. A field in quotes
// runs to the quote followed by a tab, a line end or the end of the text, with "" standing
// for one quote: that is how spreadsheets hand over a cell with a line break. Any other
// quote is text. An empty field empties its cell; an empty text changes nothing. A block
// that would put a line break or a character beyond Latin-1 (the stats file holds one byte
// per character) into a cell is refused whole; what is dropped is not looked at.
GridPaste PlacePastedBlock(const QString& text, GridCell at, GridArea editable);
