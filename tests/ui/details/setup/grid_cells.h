#pragma once

#include <QLineEdit>
#include <QTableWidget>

#include "data/ship_table.h"
#include "ui/common/qt_text.h"

// Grid texts by ship table row and column: the "ShipName" column is the row header.
inline QString GridCellText(QTableWidget& grid, int row, int column) {
    return column == 0 ? grid.verticalHeaderItem(row)->text() : grid.item(row, column - 1)->text();
}

// The cell editor the grid has open, or null.
inline QLineEdit* OpenCellEditor(QTableWidget& grid) {
    return grid.viewport()->findChild<QLineEdit*>();
}

inline QPoint CellCenter(QTableWidget& grid, int row, int column) {
    return grid.visualItemRect(grid.item(row, column - 1)).center();
}

// Whether every cell, ship names included, shows the field of `table`.
inline bool GridShowsTable(QTableWidget& grid, const ShipTable& table) {
    for (int row = 0; row < static_cast<int>(kShipCount); ++row) {
        for (int column = 0; column < static_cast<int>(kColumnCount); ++column) {
            const auto& field =
                table[static_cast<std::size_t>(row)].fields[static_cast<std::size_t>(column)];
            if (GridCellText(grid, row, column) != ToQString(field)) {
                return false;
            }
        }
    }
    return true;
}
