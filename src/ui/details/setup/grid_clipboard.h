#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "data/tab_block.h"

// The stats grid's copy: the rules of data/tab_block.h for the grid's QString texts. A paste
// goes to the engine whole, which places it by the same rules.

// The grid's block as spreadsheets take it (CopiedBlockText of tab_block.h).
QString CopiedBlockText(const QList<QStringList>& rows);
