#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "data/tab_block.h"

// The stats grid's clipboard: the rules of data/tab_block.h for the grid's QString texts.
// Cells are addressed as the grid shows them: row 0 holds the column headers and column 0
// the ship names.

using GridCell = BlockCell;
using GridArea = BlockArea;
using GridPaste = BlockPaste;

// The grid's block as spreadsheets take it (CopiedBlockText of tab_block.h).
QString CopiedBlockText(const QList<QStringList>& rows);

// The clipboard's text placed from `at` (PlacePastedBlock of tab_block.h); the cells' texts
// are Latin-1.
GridPaste PlacePastedBlock(const QString& text, GridCell at, GridArea editable);
